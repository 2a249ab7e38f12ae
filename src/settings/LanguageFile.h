#pragma once

#include <QByteArray>
#include <QList>
#include <QLocale>
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
// as a decimal number of 1 or more is a key line, wherever it stands. Such files have
// been written in Windows code pages for years, and today in UTF-8, so the bytes say
// how they are read (see decode).
class LanguageFile
{
public:
    // At most this many key lines are kept, in file order; the rest are dropped. The
    // program knows about 250 keys; the bound only stops a hostile file.
    static constexpr int MaxKeyLines = 1000;
    // Language files are a few kilobytes; a larger file is not read at all.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

    enum class Status { Read, CannotOpen, ReadFailed };

    // How the bytes were read: the decoder's name, and whether it was guessed from the
    // bytes (no byte-order mark, not UTF-8, a locale that does not name a code page)
    // and how sure the guess is.
    struct Encoding
    {
        QByteArray name;
        bool guessed = false;
        bool certain = true;

        bool operator==(const Encoding &) const = default;
    };

    // Reads the key lines of a file.
    Status read(const QString &path);
    // The key lines of text already in memory.
    void parse(const QByteArray &bytes, const QByteArray &localeCodeset = systemCodeset());

    const QList<LanguageLine> &lines() const { return m_lines; }
    QString displayName() const { return m_displayName; }
    const Encoding &encoding() const { return m_encoding; }
    // The keys whose text was longer than TextLimits::MaxLanguageText and was cut.
    const QList<int> &cutKeys() const { return m_cutKeys; }

    // The display name of a file: empty when it has fewer than four lines or cannot be read.
    static QString readDisplayName(const QString &path);

    // The text of the bytes: UTF-16 after its byte-order mark; UTF-8 when valid (a
    // byte-order mark dropped); otherwise the locale's code page, and where the locale
    // is UTF-8 or plain ASCII, the code page the bytes most likely are in.
    static QString decode(const QByteArray &bytes, const QByteArray &localeCodeset, Encoding *used = nullptr);
    // The character set the current locale names (nl_langinfo(CODESET)).
    static QByteArray systemCodeset();
    // The key of a line: its first four characters as a decimal number (leading blanks
    // allowed); 0 when they are not one or the number is below 1.
    static int keyOf(QStringView line);
    // The lines of a text, split at CR LF, LF or CR.
    static QList<QStringView> splitLines(QStringView text);
    // The language a file is written in, found from its display name or its file name
    // ("Deutsch", "German", "Русский", "ru"); AnyLanguage when neither names one.
    static QLocale::Language languageOf(const QString &displayName, const QString &path);

private:
    QList<LanguageLine> m_lines;
    QString m_displayName;
    Encoding m_encoding;
    QList<int> m_cutKeys;
};
