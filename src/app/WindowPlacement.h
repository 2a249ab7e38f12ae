#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the main window opens on the screens present. Positions are those of the
// window's frame (its title bar's top left corner), as the preferences keep them.
namespace WindowPlacement {

// Whether enough of the title bar lies on one screen's usable area to grab it: its full
// height and a stretch of it as wide as a few buttons. A monitor removed since the
// position was saved leaves the title bar on no screen.
bool titleBarReachable(const QPoint &framePosition, const QSize &frameSize, int titleHeight,
                       const QList<QRect> &screens);

// Centred on the screen's usable area; a frame larger than the area keeps its title
// bar at the area's top and its left edge at the area's left.
QPoint centred(const QSize &frameSize, const QRect &screen);

// The saved position when its title bar can be reached, else centred on the screen.
QPoint restored(const QPoint &saved, const QSize &frameSize, int titleHeight, const QList<QRect> &screens,
                const QRect &screen);

} // namespace WindowPlacement
