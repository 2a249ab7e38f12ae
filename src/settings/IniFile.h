#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <optional>

// An ini text file with the rules of the Windows private-profile functions, which the
// program's set files and preferences file have always followed:
// - section and key names are compared without regard to case; the first of duplicate
//   sections or keys is the one read and replaced;
// - a value is trimmed of surrounding blanks and loses one pair of matching single or
//   double quotes that wholly enclose it;
// - integers are decimal, "0x"/"0X" (or "$") introduces hexadecimal; a missing key, an
//   empty value, anything that is not wholly a number or does not fit in 32 bits reads
//   as the caller's default; booleans are integers, anything but 0 is true;
// - writing replaces the value of an existing key where it stands, appends a new key at
//   the end of its section and a new section at the end of the file, and keeps every
//   other line (comments, unknown keys and sections) byte for byte;
// - lines end with CR LF; text is in the system encoding.
// Saving goes through a temporary file and a rename, so the old file stays whole when
// the write fails.
class IniFile
{
public:
    // Files beyond this size are not read at all: set files and preferences files are
    // a few hundred bytes, and a device or a huge file named by mistake must not fill
    // the memory.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    // Reads the file. A path where nothing exists reads as an empty file and succeeds;
    // a file that cannot be read, is not a regular file or is larger than MaxFileSize
    // leaves this object empty and returns false.
    bool load(const QString &path);
    // Parses text already in memory (the system encoding; a UTF-8 byte-order mark is
    // kept for writing back).
    void parse(const QByteArray &bytes);

    // The whole file as it would be written.
    QByteArray toBytes() const;
    // Writes atomically; false when the file could not be written.
    bool save(const QString &path) const;

    bool contains(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Integer conversion of a value already trimmed and unquoted.
    static std::optional<int> parseInteger(const QString &text);

private:
    // A line of the file as read: a span of m_text, never copied, so that a large file
    // costs one buffer and a small record per line.
    struct Line
    {
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype keyStart = 0;   // the key name, trimmed, for key lines
        qsizetype keyLength = -1; // -1: not a key line
        quint64 keyHash = 0;      // hash of the case-folded key name
    };
    struct Section
    {
        QByteArray foldedName;
        bool hasHeader = false;
        QByteArray header;        // the header line of a section added by writing
        int headerLine = -1;      // the header line of a section read from the file
        int firstLine = 0;        // its lines [firstLine, endLine)
        int endLine = 0;
        QVector<QByteArray> added;              // keys the file did not hold
        mutable QHash<quint64, int> keyIndex;   // built on first use: hash -> first line
        mutable bool indexed = false;
    };
    // A key's line: >= 0 a line of the file, < 0 entry (-1 - ref) of Section::added.
    using LineRef = int;

    QByteArrayView lineBytes(int line) const;
    QByteArrayView keyBytes(const Line &line) const;
    const Section *findSection(const QString &section) const;
    std::optional<LineRef> findKey(const Section &section, const QString &key) const;
    QByteArray lineText(const Section &section, LineRef ref) const;
    std::optional<QString> value(const QString &section, const QString &key) const;
    Section &sectionForWriting(const QString &section);
    int insertionLine(const Section &section) const;
    void addLine(qsizetype start, qsizetype length);

    QByteArray m_text;
    QVector<Line> m_lines;
    QHash<int, QByteArray> m_replaced;    // lines whose value was written
    QVector<Section> m_sections;          // the first holds the lines before any header
    QHash<QByteArray, int> m_sectionIndex; // folded name -> first section of that name
    bool m_byteOrderMark = false;
};
