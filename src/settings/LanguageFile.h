#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One numbered line of a language file: the key from its first four characters and
// its text from the sixth character on.
struct LanguageLine
{
    int key = 0;
    QString text;

    bool operator==(const LanguageLine &) const = default;
};

// A language file (.lng): plain text lines. Line 4 holds the display name from its
// tenth character on ("Language=Deutsch"); every line whose first four characters read
// as a decimal number of 1 or more is a key line, wherever it stands. The file is read
// as UTF-8 when it is valid UTF-8, otherwise in the code page the system locale names,
// so a file made on Windows in its ANSI code page still reads where the locale says so.
class LanguageFile
{
public:
    // At most this many key lines are kept, in file order; the rest are dropped.
    static constexpr int MaxKeyLines = 249;
    // Language files are a few kilobytes; a larger file is not read at all.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    enum class Status { Read, CannotOpen, ReadFailed };

    // Reads the key lines of a file.
    Status read(const QString &path);
    // The key lines of text already in memory.
    void parse(const QByteArray &bytes, const QByteArray &localeCodeset = systemCodeset());

    const QList<LanguageLine> &lines() const { return m_lines; }
    QString displayName() const { return m_displayName; }

    // The display name of a file: empty when it has fewer than four lines or cannot be read.
    static QString readDisplayName(const QString &path);

    // The text of the bytes: UTF-8 when valid (a byte-order mark dropped), otherwise the
    // locale's code page; a code page that cannot be decoded, and plain ASCII, which
    // cannot hold the bytes at all, are read as Windows-1252.
    static QString decode(const QByteArray &bytes, const QByteArray &localeCodeset);
    // The character set the current locale names (nl_langinfo(CODESET)).
    static QByteArray systemCodeset();
    // The key of a line: its first four characters as a decimal number (leading blanks
    // allowed); 0 when they are not one or the number is below 1.
    static int keyOf(QStringView line);
    // The lines of a text, split at CR LF, LF or CR.
    static QList<QStringView> splitLines(QStringView text);

private:
    QList<LanguageLine> m_lines;
    QString m_displayName;
};
