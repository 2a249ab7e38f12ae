#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct chmFile;

// A compiled help file (.chm) opened with chmlib: its stored files by path ("/index.html"),
// the contents file and the default page its project named.
class ChmArchive
{
public:
    // Stored files above this size are not read.
    static constexpr qint64 MaxObjectSize = 64 * 1024 * 1024;

    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive &) = delete;
    ChmArchive &operator=(const ChmArchive &) = delete;

    bool open(const QString &path);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    QString path() const { return m_path; }

    bool contains(const QString &objectPath) const;
    // The stored file; empty when it is missing or too large.
    QByteArray read(const QString &objectPath) const;
    // The paths of the stored files, without the archive's own bookkeeping.
    QStringList files() const;

    // The table of contents (.hhc) and the default page, as the project named them;
    // without such a name, the first .hhc file and an empty page.
    QString contentsFile() const;
    QString defaultTopic() const;

private:
    void readSystemFile();

    chmFile *m_file = nullptr;
    QString m_path;
    QString m_contentsFile;
    QString m_defaultTopic;
};
