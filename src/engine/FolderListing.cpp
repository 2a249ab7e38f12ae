#include "FolderListing.h"

#include "RunState.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace FolderListing {

namespace {

struct Entry
{
    QString name;
    bool decodable = true;
};

bool hasExtension(const QString &name, const QString &wanted)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot).toLower() == wanted;
}

#ifdef Q_OS_UNIX
// Bytes that are no character of the system's encoding, as "\xNN".
QString escapedName(const QByteArray &bytes)
{
    QString name;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\')
            name += QLatin1Char(c);
        else
            name += QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return name;
}

// A regular file or a link to one; also a link that leads nowhere (or in a loop): it
// fails as a document, with its reason, rather than vanishing from the run unseen.
bool listable(int dirFd, const char *name)
{
    struct stat st;
    if (::fstatat(dirFd, name, &st, 0) == 0)
        return S_ISREG(st.st_mode);
    return ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
}

// Regular files (or links to them) of the folder, by their raw names: a name that the
// system's encoding cannot decode would otherwise come back as another name, which no
// office could open, and the document would vanish from the run unseen.
QList<Entry> regularFiles(const QString &folder)
{
    QList<Entry> entries;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        if (!listable(::dirfd(dir), entry->d_name))
            continue;
        const QString decoded = QFile::decodeName(raw);
        if (QFile::encodeName(decoded) == raw)
            entries.append({decoded, true});
        else
            entries.append({escapedName(raw), false});
    }
    ::closedir(dir);
    return entries;
}
#else
QList<Entry> regularFiles(const QString &folder)
{
    QList<Entry> entries;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext())
        entries.append({QFileInfo(it.next()).fileName(), true});
    return entries;
}
#endif

} // namespace

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
    const QString wanted = QLatin1Char('.') + extension;
    QList<Entry> documents;
    for (Entry &entry : regularFiles(folder)) {
        if (hasExtension(entry.name, wanted))
            documents.append(std::move(entry));
    }
    std::sort(documents.begin(), documents.end(),
              [](const Entry &a, const Entry &b) { return NameLess(a.name, b.name); });
    state.Count = int(documents.size());
    state.Files = QStringList{QString()};
    state.Undecodable.clear();
    for (const Entry &entry : std::as_const(documents)) {
        state.Files.append(entry.name);
        if (!entry.decodable)
            state.Undecodable.insert(int(state.Files.size()) - 1);
    }
}

} // namespace FolderListing
