#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The private folder of one program instance's office: the office's user profile
// (never the user's own, and never shared with another running office), its temporary
// files, and the list of pipes it listens on. The folder is locked while the program
// lives; a folder left by a program that died is removed by the next one.
class OfficeInstanceDir
{
public:
    // Creates the folder under base (the program's cache folder when empty).
    explicit OfficeInstanceDir(const QString &base = QString());
    ~OfficeInstanceDir();

    OfficeInstanceDir(const OfficeInstanceDir &) = delete;
    OfficeInstanceDir &operator=(const OfficeInstanceDir &) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }

    // A fresh profile for the next office start, the previous one removed. Seeded with
    // the office's version, so the office skips its first-start checks, and with the
    // prepared parts when an earlier start kept them.
    QString newProfile(const QString &officeVersion);
    // An office on a fresh profile registers its bundled extensions there and then asks
    // to be started again, which costs a second start. Called at that moment (no office
    // runs on the profile), this keeps the registration beside the instance folders, so
    // that later fresh profiles start with it and need one start only.
    void keepPreparedParts(const QString &profile, const QString &officeVersion);
    // The folder the office keeps its temporary files in.
    QString tempDir() const;

    // The pipes the running office listens on, for removal should it die.
    void recordPipes(const QStringList &pipes);
    QStringList recordedPipes() const;
    // Removes the pipe files recorded (an office that was killed leaves them).
    void removeRecordedPipes();

    // Removes the folders of instances whose program no longer runs, and their pipes.
    static void removeStale(const QString &base);
    // Removes the office pipes of this user named after a program that has ended.
    static void removeOrphanedPipes();
    static QString defaultBase();
    // For a user without a writable cache folder: <temp>/Tablevane-<uid> when it is the
    // user's private folder, else a fresh private folder beside it; empty when neither
    // can be had.
    static QString fallbackBase(const QString &tempRoot = QDir::tempPath());

private:
    QString preparedDir(const QString &officeVersion) const;

    QString m_base;
    QString m_path;
    int m_lockFd = -1;
    int m_profiles = 0;
};
