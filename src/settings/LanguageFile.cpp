#include "LanguageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <langinfo.h>

namespace {

constexpr int kKeyLength = 4;
constexpr int kTextStart = 5;            // the fifth character separates key and text
constexpr int kDisplayNameLine = 3;      // the fourth line, counted from 0
constexpr int kDisplayNameStart = 9;     // after "Language="

QByteArray readBytes(const QString &path, LanguageFile::Status *status)
{
    QFile file(path);
    const QFileInfo info(path);
    // A folder, device or pipe cannot be opened as a language file; nor can a missing one.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        *status = LanguageFile::Status::CannotOpen;
        return {};
    }
    const QByteArray bytes = file.read(LanguageFile::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > LanguageFile::MaxFileSize) {
        *status = LanguageFile::Status::ReadFailed;
        return {};
    }
    *status = LanguageFile::Status::Read;
    return bytes;
}

bool isPlainAscii(const QByteArray &codeset)
{
    const QByteArray name = codeset.toUpper();
    return name.isEmpty() || name == "ANSI_X3.4-1968" || name == "US-ASCII" || name == "ASCII";
}

} // namespace

LanguageFile::Status LanguageFile::read(const QString &path)
{
    m_lines.clear();
    m_displayName.clear();
    Status status = Status::Read;
    const QByteArray bytes = readBytes(path, &status);
    if (status == Status::Read)
        parse(bytes);
    return status;
}

void LanguageFile::parse(const QByteArray &bytes, const QByteArray &localeCodeset)
{
    m_lines.clear();
    m_displayName.clear();
    const QString text = decode(bytes, localeCodeset);
    const QList<QStringView> lines = splitLines(text);
    if (lines.size() > kDisplayNameLine)
        m_displayName = lines.at(kDisplayNameLine).mid(qMin<qsizetype>(kDisplayNameStart, lines.at(kDisplayNameLine).size())).toString();
    for (QStringView line : lines) {
        if (m_lines.size() >= MaxKeyLines)
            break;
        const int key = keyOf(line);
        if (key > 0)
            m_lines.append({key, line.size() > kTextStart ? line.mid(kTextStart).toString() : QString()});
    }
}

QString LanguageFile::readDisplayName(const QString &path)
{
    LanguageFile file;
    return file.read(path) == Status::Read ? file.displayName() : QString();
}

QString LanguageFile::decode(const QByteArray &bytes, const QByteArray &localeCodeset)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    QStringDecoder local(isPlainAscii(localeCodeset) ? "windows-1252" : localeCodeset.constData());
    if (!local.isValid())
        local = QStringDecoder("windows-1252");
    if (!local.isValid())
        return QString::fromLatin1(bytes);
    return local.decode(bytes);
}

QByteArray LanguageFile::systemCodeset()
{
    return QByteArray(nl_langinfo(CODESET));
}

int LanguageFile::keyOf(QStringView line)
{
    if (line.size() < kKeyLength)
        return 0;
    int key = 0;
    bool digits = false;
    for (int i = 0; i < kKeyLength; ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(' ') && !digits)
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        digits = true;
        key = key * 10 + (c.unicode() - '0');
    }
    return key;
}

QList<QStringView> LanguageFile::splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        lines.append(text.mid(start, end - start));
        if (end + 1 < text.size() && text.at(end) == QLatin1Char('\r') && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return lines;
}
