#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

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

// The hash of a name's folded form, without building that form for ASCII names. Plain
// pointer loops: this runs for every line of a file, also in unoptimised builds.
quint64 nameHash(QByteArrayView name)
{
    quint64 hash = kFnvBasis;
    const char *c = name.data();
    const char *const end = c + name.size();
    for (; c < end; ++c) {
        if (uchar(*c) >= 0x80)
            return hashOfFolded(foldedName(name));
        const char lower = (*c >= 'A' && *c <= 'Z') ? char(*c - 'A' + 'a') : *c;
        hash = (hash ^ uchar(lower)) * kFnvPrime;
    }
    return hash;
}

// "[name]" with the name between the bracket and the last closing bracket.
std::optional<QByteArrayView> headerName(QByteArrayView trimmedLine)
{
    const qsizetype close = trimmedLine.lastIndexOf(']');
    if (!trimmedLine.startsWith('[') || close < 1)
        return std::nullopt;
    return trimmed(trimmedLine.sliced(1, close - 1));
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
    m_keys.clear();
    m_sections.clear();
    m_sectionCache.clear();
    m_keyIndex.clear();
    m_replaced.clear();
    m_addedHeaders.clear();
    m_addedKeys.clear();
    m_sections.push_back(Section());   // the lines before the first header

    // CR LF, LF and a lone CR all end a line.
    const char *const begin = m_text.constData();
    const char *const end = begin + m_text.size();
    const char *next = begin;
    while (next < end) {
        const char *lineEnd = next;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        const qsizetype following = afterLineEnd(lineEnd - begin);
        addLine(next - begin, lineEnd - next, following);
        next = begin + following;
    }
    m_sections.back().endKey = int(m_keys.size());
}

// The start of the next line: past a CR LF, a LF or a lone CR.
qsizetype IniFile::afterLineEnd(qsizetype lineEnd) const
{
    const qsizetype size = m_text.size();
    if (lineEnd >= size)
        return size;
    if (m_text[lineEnd] == '\n')
        return lineEnd + 1;
    if (m_text[lineEnd] != '\r')
        return lineEnd;
    return (lineEnd + 1 < size && m_text[lineEnd + 1] == '\n') ? lineEnd + 2 : lineEnd + 1;
}

void IniFile::addLine(qsizetype start, qsizetype length, qsizetype following)
{
    // Trimmed bounds [first, last) of the line, found with plain pointer loops: this
    // runs for every line, also in unoptimised builds.
    const char *const data = m_text.constData();
    const char *first = data + start;
    const char *last = first + length;
    while (first < last && isBlank(*first))
        ++first;
    while (last > first && isBlank(last[-1]))
        --last;
    if (first < last && *first == '[') {
        const char *close = last - 1;
        while (close > first && *close != ']')
            --close;
        if (close > first) {
            m_sections.back().endKey = int(m_keys.size());
            Section next;
            next.headerStart = start;
            next.bodyStart = following;
            next.firstKey = int(m_keys.size());
            next.nameHash = nameHash(trimmed(QByteArrayView(first + 1, close)));
            m_sections.push_back(next);
            return;
        }
    }
    if (std::memchr(first, '=', size_t(last - first)))
        m_keys.push_back(KeyLine{start, length});
}

QByteArrayView IniFile::span(qsizetype start, qsizetype length) const
{
    return QByteArrayView(m_text.constData() + start, length);
}

QByteArrayView IniFile::keyLineBytes(int key) const
{
    return span(m_keys[key].start, m_keys[key].length);
}

QByteArrayView IniFile::headerBytes(int section) const
{
    const qsizetype start = m_sections[section].headerStart;
    qsizetype end = start;
    while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
        ++end;
    return span(start, end - start);
}

QByteArrayView IniFile::sectionName(int section) const
{
    if (m_sections[section].headerStart >= 0)
        return headerName(trimmed(headerBytes(section))).value_or(QByteArrayView());
    const QByteArray &header = m_addedHeaders[section];
    return QByteArrayView(header).sliced(1, header.size() - 2);
}

qsizetype IniFile::bodyEnd(int section) const
{
    const size_t next = size_t(section) + 1;
    if (next < m_sections.size() && m_sections[next].headerStart >= 0)
        return m_sections[next].headerStart;
    return m_text.size();
}

// Each line of m_text in [from, to), with CR LF line ends.
void IniFile::appendLines(QByteArray &out, qsizetype from, qsizetype to) const
{
    const char *next = m_text.constData() + from;
    const char *const end = m_text.constData() + to;
    while (next < end) {
        const char *lineEnd = next;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        out.append(next, lineEnd - next).append(kLineEnd);
        next = m_text.constData() + afterLineEnd(lineEnd - m_text.constData());
    }
}

// Where in [from, to) the last line holding more than blanks ends (with its line end);
// from when there is none. New keys go there, before the blank lines that separate the
// section from the next.
qsizetype IniFile::afterLastTextLine(qsizetype from, qsizetype to) const
{
    qsizetype result = from;
    qsizetype next = from;
    while (next < to) {
        qsizetype lineEnd = next;
        while (lineEnd < to && m_text[lineEnd] != '\n' && m_text[lineEnd] != '\r')
            ++lineEnd;
        const bool text = !trimmed(span(next, lineEnd - next)).isEmpty();
        next = afterLineEnd(lineEnd);
        if (text)
            result = qMin(next, to);
    }
    return result;
}

QByteArray IniFile::toBytes() const
{
    QByteArray out;
    out.reserve(m_text.size() + 4096);
    if (m_byteOrderMark)
        out += kUtf8ByteOrderMark;
    for (int index = 0; index < int(m_sections.size()); ++index) {
        const Section &section = m_sections[index];
        if (section.headerStart >= 0)
            out.append(headerBytes(index)).append(kLineEnd);
        else if (m_addedHeaders.contains(index))
            out.append(m_addedHeaders.value(index)).append(kLineEnd);
        qsizetype position = section.bodyStart;
        for (int key = section.firstKey; key < section.endKey; ++key) {
            const KeyLine &line = m_keys[key];
            appendLines(out, position, line.start);
            const auto replaced = m_replaced.constFind(key);
            out.append(replaced != m_replaced.constEnd() ? QByteArrayView(*replaced) : keyLineBytes(key));
            out.append(kLineEnd);
            position = afterLineEnd(line.start + line.length);
        }
        const qsizetype end = bodyEnd(index);
        const auto added = m_addedKeys.constFind(index);
        if (added == m_addedKeys.constEnd()) {
            appendLines(out, position, end);
            continue;
        }
        const qsizetype split = afterLastTextLine(position, end);
        appendLines(out, position, split);
        for (const QByteArray &key : *added)
            out.append(key).append(kLineEnd);
        appendLines(out, split, end);
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

int IniFile::findSection(const QString &section) const
{
    const QByteArray folded = foldedName(section);
    const auto cached = m_sectionCache.constFind(folded);
    if (cached != m_sectionCache.constEnd())
        return *cached;
    // The first section of that name; the lines before any header have none.
    const quint64 hash = hashOfFolded(folded);
    int found = -1;
    for (int index = 1; index < int(m_sections.size()); ++index) {
        if (m_sections[index].nameHash == hash && foldedName(sectionName(index)) == folded) {
            found = index;
            break;
        }
    }
    m_sectionCache.insert(folded, found);
    return found;
}

const QHash<quint64, int> &IniFile::keyIndex(int section) const
{
    const auto it = m_keyIndex.constFind(section);
    if (it != m_keyIndex.constEnd())
        return *it;
    QHash<quint64, int> &index = m_keyIndex[section];
    const Section &record = m_sections[section];
    for (int key = record.firstKey; key < record.endKey; ++key) {
        const quint64 hash = nameHash(keyOfText(keyLineBytes(key)));
        if (!index.contains(hash))
            index.insert(hash, key);
    }
    return index;
}

std::optional<IniFile::LineRef> IniFile::findKey(int section, const QString &key) const
{
    const QByteArray folded = foldedName(key);
    const quint64 hash = hashOfFolded(folded);
    const QHash<quint64, int> &index = keyIndex(section);
    const auto it = index.constFind(hash);
    if (it != index.constEnd()) {
        // Another name with the same hash may come first: then look line by line.
        const int end = m_sections[section].endKey;
        for (int line = *it; line < end; ++line) {
            if (foldedName(keyOfText(keyLineBytes(line))) == folded)
                return line;
        }
    }
    const auto added = m_addedKeys.constFind(section);
    if (added != m_addedKeys.constEnd()) {
        for (int i = 0; i < added->size(); ++i) {
            if (foldedName(keyOfText(added->at(i))) == folded)
                return -1 - i;
        }
    }
    return std::nullopt;
}

QByteArray IniFile::lineText(int section, LineRef ref) const
{
    if (ref < 0)
        return m_addedKeys.value(section).at(-1 - ref);
    const auto replaced = m_replaced.constFind(ref);
    return replaced != m_replaced.constEnd() ? *replaced : keyLineBytes(ref).toByteArray();
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const
{
    const int found = findSection(section);
    if (found < 0)
        return std::nullopt;
    const auto ref = findKey(found, key);
    if (!ref)
        return std::nullopt;
    return keyValue(lineText(found, *ref));
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

int IniFile::sectionForWriting(const QString &section)
{
    const int found = findSection(section);
    if (found >= 0)
        return found;
    const int index = int(m_sections.size());
    Section next;
    next.bodyStart = m_text.size();
    next.firstKey = next.endKey = int(m_keys.size());
    next.nameHash = hashOfFolded(foldedName(section));
    m_sections.push_back(next);
    m_addedHeaders.insert(index, (QLatin1Char('[') + section + QLatin1Char(']')).toLocal8Bit());
    m_sectionCache.insert(foldedName(section), index);
    return index;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const int target = sectionForWriting(section);
    const QByteArray text = encodedValue(value).toLocal8Bit();
    const auto ref = findKey(target, key);
    if (!ref) {
        m_addedKeys[target].append(key.toLocal8Bit() + '=' + text);
        return;
    }
    // The key keeps its spelling and its place; only the value changes.
    const QByteArray written = keyOfText(lineText(target, *ref)).toByteArray() + '=' + text;
    if (*ref < 0)
        m_addedKeys[target][-1 - *ref] = written;
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
