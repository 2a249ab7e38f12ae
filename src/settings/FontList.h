#pragma once

#include <QString>
#include <QStringList>

// The font list of the main window: the installed families together with "Default",
// sorted without regard to case, then "MS Shell Dlg" last. Set files store positions
// in this list, so its order must stay exactly this.
namespace FontList {

QStringList build(const QStringList &installedFamilies);

// Position of the first entry equal to name (compared with case), or -1.
int SelectFontByName(const QStringList &list, const QString &name);

// The default font: the first of "Tahoma", "Verdana", "Arial", "Microsoft Sans Serif"
// in the list, else the last entry ("MS Shell Dlg").
QString defaultFont(const QStringList &list);

} // namespace FontList
