#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <optional>
#include <vector>

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
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

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
    bool hasSection(const QString &section) const { return findSection(section) >= 0; }
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Integer conversion of a value already trimmed and unquoted.
    static std::optional<int> parseInteger(const QString &text);

private:
    // Only key lines and section headers get a record, and a record is a span of m_text:
    // comments, blank lines and other text are written back straight from m_text. So a
    // file costs its own bytes and a few words per key or header, whatever it holds.
    struct KeyLine
    {
        qsizetype start = 0;      // the line, without its line end
        qsizetype length = 0;
    };
    struct Section
    {
        qsizetype headerStart = -1; // -1: the lines before any header, or added by writing
        qsizetype bodyStart = 0;    // the lines after the header up to the next header
        int firstKey = 0;           // its key lines [firstKey, endKey) in m_keys
        int endKey = 0;
        quint64 nameHash = 0;       // hash of the case-folded name
    };
    // A key's line: >= 0 an entry of m_keys, < 0 entry (-1 - ref) of the keys added to
    // the section by writing.
    using LineRef = int;

    QByteArrayView span(qsizetype start, qsizetype length) const;
    QByteArrayView keyLineBytes(int key) const;
    QByteArrayView headerBytes(int section) const;
    QByteArrayView sectionName(int section) const;
    qsizetype bodyEnd(int section) const;
    int findSection(const QString &section) const;
    const QHash<quint64, int> &keyIndex(int section) const;
    std::optional<LineRef> findKey(int section, const QString &key) const;
    QByteArray lineText(int section, LineRef ref) const;
    std::optional<QString> value(const QString &section, const QString &key) const;
    int sectionForWriting(const QString &section);
    qsizetype afterLineEnd(qsizetype lineEnd) const;
    void addLine(qsizetype start, qsizetype length, qsizetype following);
    void appendLines(QByteArray &out, qsizetype from, qsizetype to) const;
    qsizetype afterLastTextLine(qsizetype from, qsizetype to) const;

    QByteArray m_text;
    std::vector<KeyLine> m_keys;                 // std::vector: appends stay cheap in unoptimised builds
    std::vector<Section> m_sections;             // the first holds the lines before any header
    mutable QHash<QByteArray, int> m_sectionCache; // folded name -> section (-1: none), per lookup
    mutable QHash<int, QHash<quint64, int>> m_keyIndex; // per section, built on first use
    QHash<int, QByteArray> m_replaced;           // key lines whose value was written
    QHash<int, QByteArray> m_addedHeaders;       // sections added by writing: their header
    QHash<int, QVector<QByteArray>> m_addedKeys; // keys written that the file did not hold
    bool m_byteOrderMark = false;
};
