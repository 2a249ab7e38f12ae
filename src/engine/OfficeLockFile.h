#pragma once

#include <QString>

// The lock file an office keeps beside a document it has open (".~lock.NAME#"). While
// Tablevane works on a document it holds one too, so that another run, another office
// or the user's LibreOffice sees the document is busy. Its user field names this
// program and its process, which tells a lock left by a killed run from a live one.
class OfficeLockFile
{
public:
    enum class State { Held, HeldElsewhere, NotWritable };

    explicit OfficeLockFile(const QString &document);
    ~OfficeLockFile();
    OfficeLockFile(const OfficeLockFile &) = delete;
    OfficeLockFile &operator=(const OfficeLockFile &) = delete;

    // Takes the lock; one left by a run of this program that no longer exists is
    // removed first.
    State acquire();
    QString path() const { return m_path; }

    static QString pathFor(const QString &document);
    // A lock of this program on this machine whose process has ended.
    static bool isLeftover(const QString &lockPath);

private:
    void release();

    QString m_path;
    QByteArray m_content;
    bool m_held = false;
};
