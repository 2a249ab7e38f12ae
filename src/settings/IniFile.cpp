#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");
const QByteArray kLineEnd("\r\n");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype first = 0;
    qsizetype last = bytes.size();
    while (first < last && isBlank(bytes[first]))
        ++first;
    while (last > first && isBlank(bytes[last - 1]))
        --last;
    return bytes.sliced(first, last - first);
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// A name in the form in which names are compared: ASCII names lowered byte by byte
// (the fast case: every name the program uses), others case-folded through Unicode.
QByteArray foldedName(QByteArrayView name)
{
    if (!isAscii(name))
        return QString::fromLocal8Bit(name).toCaseFolded().toUtf8();
    QByteArray folded(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        folded[i] = asciiLower(name[i]);
    return folded;
}

QByteArray foldedName(const QString &name)
{
    return foldedName(QByteArrayView(name.toLocal8Bit()));
}

constexpr quint64 kFnvBasis = 14695981039346656037ull;
constexpr quint64 kFnvPrime = 1099511628211ull;

quint64 hashOfFolded(QByteArrayView folded)
{
    quint64 hash = kFnvBasis;
    for (char c : folded)
        hash = (hash ^ uchar(c)) * kFnvPrime;
    return hash;
}

// The hash of a name's folded form, without building that form for ASCII names.
quint64 nameHash(QByteArrayView name)
{
    if (!isAscii(name))
        return hashOfFolded(foldedName(name));
    quint64 hash = kFnvBasis;
    for (char c : name)
        hash = (hash ^ uchar(asciiLower(c))) * kFnvPrime;
    return hash;
}

// The key name of a written line: the text before its first "=".
QByteArrayView keyOfText(QByteArrayView text)
{
    const qsizetype equals = text.indexOf('=');
    return trimmed(equals < 0 ? text : text.first(equals));
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool whollyQuoted(const QString &text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
}

// The value of a key line as a reader sees it: trimmed, one enclosing pair of quotes
// removed.
QString keyValue(QByteArrayView raw)
{
    const QString line = QString::fromLocal8Bit(raw);
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (whollyQuoted(value))
        value = value.mid(1, value.size() - 2);
    return value;
}

// The text to write for a value so that reading gives it back unchanged. A line break
// would end the line and let the rest pose as another key or section, so each becomes
// a blank. Surrounding blanks and enclosing quotes would be lost on reading, so such a
// value is written inside double quotes (the reader removes exactly one pair).
QString encodedValue(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (text != text.trimmed() || whollyQuoted(text))
        text = QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Hexadecimal up to 32 bits; values above 0x7FFFFFFF wrap to negative, as a 32-bit
// reader of the same file always did (colours and such are written that way).
std::optional<int> parseHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return int(quint32(value));
}

std::optional<int> parseDecimal(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 value = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return std::nullopt;
        value = value * 10 + (u - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

} // namespace

bool IniFile::load(const QString &path)
{
    parse(QByteArray());
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    // Directories, devices and pipes are not ini files, whatever their name.
    if (!info.isFile() || info.size() > MaxFileSize)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileSize)
        return false;
    parse(bytes);
    return true;
}

void IniFile::parse(const QByteArray &bytes)
{
    m_byteOrderMark = bytes.startsWith(kUtf8ByteOrderMark);
    m_text = m_byteOrderMark ? bytes.sliced(kUtf8ByteOrderMark.size()) : bytes;
    m_lines.clear();
    m_replaced.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    m_sections.append(Section());   // the lines before the first header

    // CR LF, LF and a lone CR all end a line.
    const char *const begin = m_text.constData();
    const char *const end = begin + m_text.size();
    const char *next = begin;
    while (next < end) {
        const char *lineEnd = next;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        addLine(next - begin, lineEnd - next);
        if (lineEnd < end && *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n')
            ++lineEnd;
        next = lineEnd + 1;
    }
    m_sections.last().endLine = int(m_lines.size());
}

void IniFile::addLine(qsizetype start, qsizetype length)
{
    Line line{start, length};
    const QByteArrayView text = trimmed(QByteArrayView(m_text.constData() + start, length));
    const qsizetype textStart = text.data() - m_text.constData();

    // "[name]" with the name between the bracket and the last closing bracket.
    const qsizetype close = text.lastIndexOf(']');
    if (text.startsWith('[') && close > 0) {
        m_sections.last().endLine = int(m_lines.size());
        Section next;
        next.hasHeader = true;
        next.headerLine = int(m_lines.size());
        next.firstLine = next.headerLine + 1;
        next.foldedName = foldedName(trimmed(text.sliced(1, close - 1)));
        // A repeated section stays in the file, but only the first is read and written.
        if (!m_sectionIndex.contains(next.foldedName))
            m_sectionIndex.insert(next.foldedName, int(m_sections.size()));
        m_sections.append(next);
        m_lines.append(line);
        return;
    }
    const qsizetype equals = text.indexOf('=');
    if (equals >= 0) {
        const QByteArrayView key = trimmed(text.first(equals));
        line.keyStart = textStart + (key.data() - text.data());
        line.keyLength = key.size();
        line.keyHash = nameHash(key);
    }
    m_lines.append(line);
}

QByteArrayView IniFile::lineBytes(int line) const
{
    const Line &record = m_lines.at(line);
    return QByteArrayView(m_text.constData() + record.start, record.length);
}

QByteArrayView IniFile::keyBytes(const Line &line) const
{
    return QByteArrayView(m_text.constData() + line.keyStart, line.keyLength);
}

int IniFile::insertionLine(const Section &section) const
{
    // After the last non-blank line, so that a blank line before the next section stays
    // where it is.
    int line = section.endLine;
    while (line > section.firstLine && trimmed(lineBytes(line - 1)).isEmpty())
        --line;
    return line;
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    out.reserve(m_text.size() + 4096);
    if (m_byteOrderMark)
        out += kUtf8ByteOrderMark;
    for (const Section &section : m_sections) {
        if (section.headerLine >= 0)
            out.append(lineBytes(section.headerLine)).append(kLineEnd);
        else if (section.hasHeader)
            out.append(section.header).append(kLineEnd);
        const int insertAt = insertionLine(section);
        for (int line = section.firstLine; line < section.endLine; ++line) {
            if (line == insertAt) {
                for (const QByteArray &added : section.added)
                    out.append(added).append(kLineEnd);
            }
            const auto replaced = m_replaced.constFind(line);
            out.append(replaced != m_replaced.constEnd() ? QByteArrayView(*replaced) : lineBytes(line));
            out.append(kLineEnd);
        }
        if (insertAt == section.endLine) {
            for (const QByteArray &added : section.added)
                out.append(added).append(kLineEnd);
        }
    }
    return out;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

const IniFile::Section *IniFile::findSection(const QString &section) const
{
    const auto it = m_sectionIndex.constFind(foldedName(section));
    if (it == m_sectionIndex.constEnd())
        return nullptr;
    return &m_sections.at(it.value());
}

std::optional<IniFile::LineRef> IniFile::findKey(const Section &section, const QString &key) const
{
    const QByteArray folded = foldedName(key);
    const quint64 hash = hashOfFolded(folded);
    if (!section.indexed) {
        for (int line = section.firstLine; line < section.endLine; ++line) {
            const Line &record = m_lines.at(line);
            if (record.keyLength >= 0 && !section.keyIndex.contains(record.keyHash))
                section.keyIndex.insert(record.keyHash, line);
        }
        section.indexed = true;
    }
    const auto it = section.keyIndex.constFind(hash);
    if (it != section.keyIndex.constEnd()) {
        if (foldedName(keyBytes(m_lines.at(*it))) == folded)
            return *it;
        // Another name with the same hash came first: look for this one line by line.
        for (int line = *it + 1; line < section.endLine; ++line) {
            const Line &record = m_lines.at(line);
            if (record.keyLength >= 0 && record.keyHash == hash && foldedName(keyBytes(record)) == folded)
                return line;
        }
    }
    for (int i = 0; i < section.added.size(); ++i) {
        if (foldedName(keyOfText(section.added.at(i))) == folded)
            return -1 - i;
    }
    return std::nullopt;
}

QByteArray IniFile::lineText(const Section &section, LineRef ref) const
{
    if (ref < 0)
        return section.added.at(-1 - ref);
    return m_replaced.value(ref, lineBytes(ref).toByteArray());
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto ref = findKey(*found, key);
    if (!ref)
        return std::nullopt;
    return keyValue(lineText(*found, *ref));
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return value(section, key).has_value();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const auto text = value(section, key);
    if (!text)
        return defaultValue;
    return parseInteger(*text).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

IniFile::Section &IniFile::sectionForWriting(const QString &section)
{
    const QByteArray folded = foldedName(section);
    const auto it = m_sectionIndex.constFind(folded);
    if (it != m_sectionIndex.constEnd())
        return m_sections[it.value()];
    Section next;
    next.foldedName = folded;
    next.hasHeader = true;
    next.header = (QLatin1Char('[') + section + QLatin1Char(']')).toLocal8Bit();
    next.indexed = true;
    m_sectionIndex.insert(folded, int(m_sections.size()));
    m_sections.append(next);
    return m_sections.last();
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Section &target = sectionForWriting(section);
    const QByteArray text = encodedValue(value).toLocal8Bit();
    const auto ref = findKey(target, key);
    if (!ref) {
        target.added.append(key.toLocal8Bit() + '=' + text);
        return;
    }
    // The key keeps its spelling and its place; only the value changes.
    const QByteArray line = lineText(target, *ref);
    const QByteArray written = keyOfText(line).toByteArray() + '=' + text;
    if (*ref < 0)
        target.added[-1 - *ref] = written;
    else
        m_replaced.insert(*ref, written);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<int> IniFile::parseInteger(const QString &text)
{
    if (text.size() > 2 && text.at(0) == QLatin1Char('0')
        && (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        return parseHex(QStringView(text).mid(2));
    if (text.startsWith(QLatin1Char('$')))
        return parseHex(QStringView(text).mid(1));
    return parseDecimal(text);
}
