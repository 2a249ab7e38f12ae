#include "FontList.h"

#include <algorithm>

namespace FontList {

QStringList build(const QStringList &installedFamilies)
{
    QStringList list = installedFamilies;
    list.append(QStringLiteral("Default"));
    std::stable_sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    list.append(QStringLiteral("MS Shell Dlg"));
    return list;
}

int SelectFontByName(const QStringList &list, const QString &name)
{
    return list.indexOf(name);
}

QString defaultFont(const QStringList &list)
{
    for (const char *candidate : {"Tahoma", "Verdana", "Arial", "Microsoft Sans Serif"}) {
        const int position = SelectFontByName(list, QString::fromLatin1(candidate));
        if (position >= 0)
            return list.at(position);
    }
    return list.isEmpty() ? QString() : list.last();
}

} // namespace FontList
