#include "FolderListing.h"

#include "RunState.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace FolderListing {

bool NameLess(const QString &left, const QString &right)
{
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t a = left.at(i).toUpper().unicode();
        const char16_t b = right.at(i).toUpper().unicode();
        if (a != b)
            return a < b;
    }
    if (left.size() != right.size())
        return left.size() < right.size();
    return left < right;
}

void ListFolderFiles(const QString &folder, const QString &extension, RunState &state)
{
    state.Count = 0;
    state.Files = QStringList{QString()};
    const QString wanted = QLatin1Char('.') + extension;
    QStringList names;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString name = QFileInfo(entries.next()).fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && name.mid(dot).toLower() == wanted)
            names.append(name);
    }
    std::sort(names.begin(), names.end(), NameLess);
    state.Count = int(names.size());
    state.Files.append(names);
}

} // namespace FolderListing
