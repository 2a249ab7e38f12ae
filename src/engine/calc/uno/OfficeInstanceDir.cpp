#include "OfficeInstanceDir.h"

#include "ProcessPresence.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QDirIterator>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString LockName = QStringLiteral("owner.lock");
const QString PipesName = QStringLiteral("pipes");
const QString Prefix = QStringLiteral("office-");

// The settings a fresh profile starts with: the version the office would record at its
// first start (without it every headless start repeats seconds of first-start checks),
// no locking of documents: a headless office takes over a document's lock file
// anyway, and a killed office would leave its own beside the user's document; and no
// preview picture in stored files.
QByteArray seed(const QString &version)
{
    QByteArray items;
    if (!version.isEmpty()) {
        items += "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" "
                 "oor:op=\"fuse\"><value>"
            + version.toUtf8() + "</value></prop></item>\n";
    }
    items += "<item oor:path=\"/org.openoffice.Office.Common/Misc\"><prop oor:name=\"UseLocking\" "
             "oor:op=\"fuse\"><value>false</value></prop></item>\n";
    // No preview picture in stored documents: rendering it costs more time and memory
    // than the rest of an .ods store (a 50-sheet workbook: seconds and most of a
    // gigabyte), and the content is the same without it.
    items += "<item oor:path=\"/org.openoffice.Office.Common/Save/Document\"><prop oor:name=\"GenerateThumbnail\" "
             "oor:op=\"fuse\"><value>false</value></prop></item>\n";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
        + items + "</oor:items>\n";
}

// The parts of a profile that the office's first start on it writes.
const QStringList &preparedParts()
{
    static const QStringList parts = {QStringLiteral("user/extensions"), QStringLiteral("user/uno_packages")};
    return parts;
}

// Copies the files and folders below from into to (links are left out).
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString source = entries.next();
        const QFileInfo info = entries.fileInfo();
        const QString target = to + source.mid(from.size());
        if (info.isSymLink())
            continue;
        const bool copied = info.isDir() ? QDir().mkpath(target)
                                         : QDir().mkpath(QFileInfo(target).path()) && QFile::copy(source, target);
        if (!copied)
            return false;
    }
    return true;
}

// Only the office's own pipe files are ever removed.
bool isOfficePipe(const QString &path)
{
    struct stat st;
    return path.startsWith(QStringLiteral("/tmp/OSL_PIPE_"))
        && ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode);
}

void removePipes(const QStringList &pipes)
{
    for (const QString &pipe : pipes) {
        if (isOfficePipe(pipe))
            QFile::remove(pipe);
    }
}

QStringList readPipes(const QString &dir)
{
    QFile file(dir + QLatin1Char('/') + PipesName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

OfficeInstanceDir::OfficeInstanceDir(const QString &base)
{
    const QString root = base.isEmpty() ? defaultBase() : base;
    m_base = root;
    removeStale(root);
    const QString path = root + QLatin1Char('/') + Prefix + QString::number(::getpid())
        + QLatin1Char('-') + QString::number(QRandomGenerator::global()->generate(), 16);
    if (!QDir().mkpath(path + QStringLiteral("/tmp")))
        return;
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_lockFd = ::open(QFile::encodeName(path + QLatin1Char('/') + LockName).constData(),
                      O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    if (m_lockFd < 0 || ::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        QDir(path).removeRecursively();
        return;
    }
    m_path = path;
}

OfficeInstanceDir::~OfficeInstanceDir()
{
    if (m_path.isEmpty())
        return;
    removeRecordedPipes();
    QDir(m_path).removeRecursively();
    ::close(m_lockFd);
}

QString OfficeInstanceDir::newProfile(const QString &officeVersion)
{
    if (m_profiles > 0)
        QDir(m_path + QStringLiteral("/profile-") + QString::number(m_profiles)).removeRecursively();
    ++m_profiles;
    const QString profile = m_path + QStringLiteral("/profile-") + QString::number(m_profiles);
    QDir().mkpath(profile + QStringLiteral("/user"));
    QFile file(profile + QStringLiteral("/user/registrymodifications.xcu"));
    if (file.open(QIODevice::WriteOnly))
        file.write(seed(officeVersion));
    const QString prepared = preparedDir(officeVersion);
    if (QFileInfo(prepared).isDir()) {
        for (const QString &part : preparedParts()) {
            // Half a copy would only make the office register the extensions again.
            if (!copyTree(prepared + QLatin1Char('/') + part, profile + QLatin1Char('/') + part)) {
                QDir(profile + QLatin1Char('/') + part).removeRecursively();
                break;
            }
        }
    }
    return profile;
}

void OfficeInstanceDir::keepPreparedParts(const QString &profile, const QString &officeVersion)
{
    // Made complete in this instance's folder, then moved into place in one rename, so
    // that another program never copies half of it.
    const QString staging = m_path + QStringLiteral("/prepared");
    QDir(staging).removeRecursively();
    for (const QString &part : preparedParts()) {
        if (!copyTree(profile + QLatin1Char('/') + part, staging + QLatin1Char('/') + part)) {
            QDir(staging).removeRecursively();
            return;
        }
    }
    const QString target = preparedDir(officeVersion);
    QDir(target).removeRecursively();   // left by another version of the same office
    if (!QDir().rename(staging, target))
        QDir(staging).removeRecursively();   // another program was quicker
}

QString OfficeInstanceDir::preparedDir(const QString &officeVersion) const
{
    QString version = officeVersion;
    for (QChar &c : version) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    return m_base + QStringLiteral("/prepared-profile-") + version;
}

QString OfficeInstanceDir::tempDir() const
{
    return m_path + QStringLiteral("/tmp");
}

void OfficeInstanceDir::recordPipes(const QStringList &pipes)
{
    QFile file(m_path + QLatin1Char('/') + PipesName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(pipes.join(QLatin1Char('\n')).toUtf8());
}

QStringList OfficeInstanceDir::recordedPipes() const
{
    return readPipes(m_path);
}

void OfficeInstanceDir::removeRecordedPipes()
{
    removePipes(recordedPipes());
    QFile::remove(m_path + QLatin1Char('/') + PipesName);
}

void OfficeInstanceDir::removeStale(const QString &base)
{
    removeOrphanedPipes();
    const QDir root(base);
    for (const QString &name : root.entryList({Prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString dir = root.filePath(name);
        const int fd = ::open(QFile::encodeName(dir + QLatin1Char('/') + LockName).constData(),
                              O_RDWR | O_CLOEXEC);
        // A folder without its lock may be one that another program is just making.
        if (fd < 0 && QFileInfo(dir).lastModified().secsTo(QDateTime::currentDateTime()) < 60)
            continue;
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);   // its program still runs
            continue;
        }
        removePipes(readPipes(dir));
        QDir(dir).removeRecursively();
        if (fd >= 0)
            ::close(fd);
    }
}

void OfficeInstanceDir::removeOrphanedPipes()
{
    // Pipes are named after the program that started the office ("tablevane-<pid>-");
    // one whose program has ended serves nobody. A killed program may not have
    // recorded it, or its folder may be gone.
    static const QRegularExpression ours(QStringLiteral("^OSL_PIPE_%1_tablevane-(\\d+)-").arg(::geteuid()));
    const QDir temp(QStringLiteral("/tmp"));
    for (const QString &name : temp.entryList({QStringLiteral("OSL_PIPE_*")}, QDir::System | QDir::Hidden)) {
        const QRegularExpressionMatch match = ours.match(name);
        if (match.hasMatch() && !ProcessPresence::exists(match.captured(1).toLongLong()))
            removePipes({temp.filePath(name)});
    }
}

QString OfficeInstanceDir::fallbackBase(const QString &tempRoot)
{
    // The office runs whatever profile it finds here, so the folder must be the user's
    // alone: owned by them, no symbolic link, closed to others. A folder of that name
    // planted by someone else is passed over for a fresh one of random name.
    const QByteArray preferred = QFile::encodeName(tempRoot + QStringLiteral("/Tablevane-")
                                                   + QString::number(::geteuid()));
    ::mkdir(preferred.constData(), 0700);
    struct stat st;
    if (::lstat(preferred.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0)
        return QFile::decodeName(preferred);
    QByteArray fresh = preferred + "-XXXXXX";
    if (!::mkdtemp(fresh.data()))
        return QString();
    return QFile::decodeName(fresh);
}

QString OfficeInstanceDir::defaultBase()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/Tablevane");
}
