#include "DocumentStore.h"

#include "ProcessPresence.h"
#include "StoreFailure.h"
#include "StoreTarget.h"
#include "TrashRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

namespace {

const QString PrivatePrefix = QStringLiteral(".~tablevane-");

bool sameFile(const QString &a, const QString &b)
{
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemAbsoluteFilePath(),
                                       QFileInfo(b).filesystemAbsoluteFilePath(), error);
}

QString folderNotWritable(const QString &folder)
{
    return QStringLiteral("the folder %1 cannot be written (permission denied or a read-only disk)").arg(folder);
}

} // namespace

DocumentStore::DocumentStore(const QString &document, const QString &target, DocumentKeeper *keeper)
    : m_document(document)
    , m_documentFile(document)
    , m_target(target)
    , m_keeper(keeper)
    , m_lock(document)
{
}

DocumentStore::~DocumentStore()
{
    removePrivateFolder();
}

std::optional<QString> DocumentStore::begin()
{
    const QFileInfo info(m_document);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("it is a link to a file that does not exist (or a loop of links)");
    if (!info.exists())
        return QStringLiteral("the file does not exist");
    if (!info.isFile())
        return QStringLiteral("it is not a file");
    m_documentFile = info.canonicalFilePath();
    if (QFile file(m_documentFile); !file.open(QIODevice::ReadOnly))
        return QStringLiteral("permission denied: the file cannot be read");
    if (info.size() == 0)
        return QStringLiteral("the file is empty (0 bytes)");
    m_replacesDocument = sameFile(m_target, m_document);
    if (m_replacesDocument) {
        if (const std::optional<QString> refusal = StoreTarget::readOnlyRefusal(m_documentFile))
            return refusal;
    }
    const QString folder = QFileInfo(m_replacesDocument ? m_documentFile : m_target).absolutePath();
    if (!QFileInfo(folder).isWritable())
        return folderNotWritable(folder);
    // A folder is never a file in the way: it goes nowhere for a result.
    if (!m_replacesDocument && QFileInfo(m_target).isDir())
        return QStringLiteral("a folder of its result's name is in the way: %1").arg(m_target);
    // A document only read may be open elsewhere; one to be replaced may not.
    if (m_replacesDocument) {
        if (const std::optional<QString> refusal = StoreTarget::ownerFileRefusal(m_document))
            return refusal;
    }
    if (m_lock.acquire() == OfficeLockFile::State::HeldElsewhere && m_replacesDocument)
        return StoreTarget::lockRefusal(m_lock.path());
    m_before = DocumentFingerprint::of(m_documentFile);
    return std::nullopt;
}

std::optional<QString> DocumentStore::prepareResult()
{
    removePrivateFolder();
    const QString folder = QFileInfo(m_replacesDocument ? m_documentFile : m_target).absolutePath();
    const QString name = PrivatePrefix + QString::number(ProcessPresence::currentProcessId()) + QLatin1Char('-')
        + QString::number(QRandomGenerator::global()->generate(), 16);
    if (!QDir(folder).mkdir(name))
        return folderNotWritable(folder);
    m_privateFolder = QDir(folder).filePath(name);
    // The half-written result is the user's data too.
    QFile::setPermissions(m_privateFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_resultPath = QDir(m_privateFolder).filePath(QFileInfo(m_target).fileName());
    return std::nullopt;
}

std::optional<QString> DocumentStore::place(bool ownFormat)
{
    const QFileInfo result(m_resultPath);
    if (m_resultPath.isEmpty() || !result.isFile() || result.size() == 0)
        return failPlacing(QStringLiteral("the office wrote no result"));
    if (m_replacesDocument) {
        if (DocumentFingerprint::of(m_documentFile) != m_before)
            return failPlacing(
                QStringLiteral("the document changed on disk while it was being formatted; its new content is kept"));
        if (ownFormat)
            return replaceDocument();
    }
    return putInPlace();
}

std::optional<QString> DocumentStore::replaceDocument()
{
    QFile::setPermissions(m_resultPath, QFileInfo(m_documentFile).permissions());
    if (m_keeper) {
        if (const std::optional<QString> refusal = m_keeper->keepOriginal(m_documentFile, m_resultPath))
            return failPlacing(QStringLiteral("its original cannot be kept for \"Undo last run\": ") + *refusal);
    }
    std::error_code error;
    // One rename: the document is whole before it and whole after it.
    std::filesystem::rename(QFileInfo(m_resultPath).filesystemAbsoluteFilePath(),
                            QFileInfo(m_documentFile).filesystemAbsoluteFilePath(), error);
    if (error)
        return withdraw(m_documentFile,
                        QStringLiteral("the document cannot be replaced: ") + StoreFailure::reasonOf(error));
    removePrivateFolder();
    return std::nullopt;
}

std::optional<QString> DocumentStore::putInPlace()
{
    const QString target = QFileInfo(m_target).absoluteFilePath();
    if (m_keeper) {
        if (const std::optional<QString> refusal = m_keeper->placing(target, m_resultPath))
            return failPlacing(QStringLiteral("the run cannot record its result for \"Undo last run\": ") + *refusal);
    }
    const QFileInfo existing(m_target);
    std::optional<Trashed> moved;
    if (existing.exists() || existing.isSymLink()) {
        QString error;
        const std::optional<QString> where = StoreTarget::moveToTrash(m_target, &error);
        if (!where) {
            return withdraw(target,
                            error.isEmpty() ? QStringLiteral("%1 cannot be moved to the trash").arg(m_target) : error);
        }
        moved = Trashed{m_target, *where};
        if (m_keeper) {
            if (const std::optional<QString> refusal = m_keeper->movedToTrash(target, *where)) {
                TrashRecord::restore(moved->where, moved->path);
                return withdraw(target,
                                QStringLiteral("the run cannot record the file it moved to the trash: ") + *refusal);
            }
        }
    }
    // Never over a file: one that appeared since is somebody's, and stays.
    if (!QFile::rename(m_resultPath, m_target)) {
        if (moved)
            TrashRecord::restore(moved->where, moved->path);
        return withdraw(target, QStringLiteral("the result cannot be put at %1").arg(m_target));
    }
    if (moved)
        m_trashed.append(*moved);
    removePrivateFolder();
    return std::nullopt;
}

std::optional<QString> DocumentStore::failPlacing(const QString &reason)
{
    removePrivateFolder();
    return reason;
}

std::optional<QString> DocumentStore::withdraw(const QString &path, const QString &reason)
{
    if (m_keeper)
        m_keeper->withdrawn(path);
    return failPlacing(reason);
}

void DocumentStore::removePrivateFolder()
{
    if (m_privateFolder.isEmpty())
        return;
    const QFileInfo folder(m_privateFolder);
    if (folder.isDir() && !folder.isSymLink())
        QDir(m_privateFolder).removeRecursively();
    m_privateFolder.clear();
    m_resultPath.clear();
}

int DocumentStore::removeLeftovers(const QString &folder)
{
    static const QRegularExpression own(QStringLiteral("^\\.~tablevane-(\\d+)-[0-9a-f]+$"));
    const QDir dir(folder);
    int removed = 0;
    const QStringList privateFolders = dir.entryList({PrivatePrefix + QLatin1Char('*')},
                                                     QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &name : privateFolders) {
        const QRegularExpressionMatch match = own.match(name);
        if (match.hasMatch() && !ProcessPresence::exists(match.captured(1).toLongLong())
            && QDir(dir.filePath(name)).removeRecursively())
            ++removed;
    }
    const QStringList locks = dir.entryList({QStringLiteral(".~lock.*#")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : locks) {
        if (OfficeLockFile::isLeftover(dir.filePath(name)) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}
