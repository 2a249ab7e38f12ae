#include "WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

bool titleBarReachable(const QPoint &framePosition, const QSize &frameSize, int titleHeight,
                       const QList<QRect> &screens)
{
    const QRect titleBar(framePosition, QSize(frameSize.width(), std::max(titleHeight, 1)));
    const int grabWidth = std::min(frameSize.width(), 48);
    return std::any_of(screens.cbegin(), screens.cend(), [&](const QRect &screen) {
        const QRect onScreen = titleBar.intersected(screen);
        return onScreen.height() == titleBar.height() && onScreen.width() >= grabWidth;
    });
}

QPoint centred(const QSize &frameSize, const QRect &screen)
{
    const int left = screen.left() + (screen.width() - frameSize.width()) / 2;
    const int top = screen.top() + (screen.height() - frameSize.height()) / 2;
    return QPoint(std::max(left, screen.left()), std::max(top, screen.top()));
}

QPoint restored(const QPoint &saved, const QSize &frameSize, int titleHeight, const QList<QRect> &screens,
                const QRect &screen)
{
    if (titleBarReachable(saved, frameSize, titleHeight, screens))
        return saved;
    return centred(frameSize, screen);
}

} // namespace WindowPlacement
