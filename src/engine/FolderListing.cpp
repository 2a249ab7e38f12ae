#include "FolderListing.h"

#include "RunState.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace FolderListing {

void ListFolderFiles(const QString &folder, const QString &extension, RunState &state)
{
    state.Count = 0;
    state.Files = QStringList{QString()};
    const QString wanted = QLatin1Char('.') + extension;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString name = QFileInfo(entries.next()).fileName();
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot < 0 || name.mid(dot).toLower() != wanted)
            continue;
        ++state.Count;
        state.Files.append(name);
    }
}

} // namespace FolderListing
