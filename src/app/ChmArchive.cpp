#include "ChmArchive.h"

#include <QFile>
#include <QtEndian>

#include <chm_lib.h>

namespace {

// The #SYSTEM file's entries: a 16-bit code, a 16-bit length and the data.
constexpr quint16 kSystemContentsFile = 0;
constexpr quint16 kSystemDefaultTopic = 2;

QByteArray encoded(const QString &objectPath)
{
    return (objectPath.startsWith(QLatin1Char('/')) ? objectPath : QLatin1Char('/') + objectPath).toUtf8();
}

QString zeroEnded(const QByteArray &data)
{
    const qsizetype end = data.indexOf('\0');
    return QString::fromUtf8(end < 0 ? data : data.left(end));
}

int collectFile(chmFile *, chmUnitInfo *info, void *context)
{
    const QString path = QString::fromUtf8(info->path);
    // Names starting with "#" or "$" are the archive's own bookkeeping.
    if (path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("/#"))
        && !path.startsWith(QLatin1String("/$")) && !path.endsWith(QLatin1Char('/')))
        static_cast<QStringList *>(context)->append(path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

ChmArchive::~ChmArchive()
{
    close();
}

bool ChmArchive::open(const QString &path)
{
    close();
    m_file = chm_open(QFile::encodeName(path).constData());
    if (!m_file)
        return false;
    m_path = path;
    readSystemFile();
    return true;
}

void ChmArchive::close()
{
    if (m_file)
        chm_close(m_file);
    m_file = nullptr;
    m_path.clear();
    m_contentsFile.clear();
    m_defaultTopic.clear();
}

bool ChmArchive::contains(const QString &objectPath) const
{
    chmUnitInfo info;
    return m_file && chm_resolve_object(m_file, encoded(objectPath).constData(), &info) == CHM_RESOLVE_SUCCESS;
}

QByteArray ChmArchive::read(const QString &objectPath) const
{
    chmUnitInfo info;
    if (!m_file || chm_resolve_object(m_file, encoded(objectPath).constData(), &info) != CHM_RESOLVE_SUCCESS)
        return {};
    if (info.length > quint64(MaxObjectSize))
        return {};
    QByteArray data(qsizetype(info.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(m_file, &info, reinterpret_cast<unsigned char *>(data.data()), 0,
                                              LONGINT64(info.length));
    if (got < 0)
        return {};
    data.truncate(qsizetype(got));
    return data;
}

QStringList ChmArchive::files() const
{
    QStringList paths;
    if (m_file)
        chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectFile, &paths);
    return paths;
}

void ChmArchive::readSystemFile()
{
    const QByteArray system = read(QStringLiteral("/#SYSTEM"));
    qsizetype at = 4;   // after the version
    while (at + 4 <= system.size()) {
        const quint16 code = qFromLittleEndian<quint16>(system.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(system.constData() + at + 2);
        at += 4;
        if (at + length > system.size())
            break;
        const QByteArray data = system.mid(at, length);
        if (code == kSystemContentsFile)
            m_contentsFile = zeroEnded(data);
        else if (code == kSystemDefaultTopic)
            m_defaultTopic = zeroEnded(data);
        at += length;
    }
    if (!m_contentsFile.isEmpty() && !contains(m_contentsFile))
        m_contentsFile.clear();
}

QString ChmArchive::contentsFile() const
{
    if (!m_contentsFile.isEmpty())
        return m_contentsFile;
    for (const QString &path : files()) {
        if (path.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive))
            return path;
    }
    return QString();
}

QString ChmArchive::defaultTopic() const
{
    return m_defaultTopic;
}
