#include "LanguageFile.h"

#include "CodePageDetection.h"
#include "TextLimits.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

// A locale whose character set says nothing about a file's code page: UTF-8 (every
// current desktop) or plain ASCII (the C locale of services and containers).
bool localeNamesNoCodePage(const QByteArray &codeset)
{
    const QByteArray name = codeset.toUpper();
    return name.isEmpty() || name == "UTF-8" || name == "UTF8" || name == "ANSI_X3.4-1968" || name == "US-ASCII"
        || name == "ASCII";
}

QString decodeAs(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QLocale::Language languageNamed(const QString &name)
{
    if (name.isEmpty())
        return QLocale::AnyLanguage;
    for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (locale.language() == QLocale::C)
            continue;
        if (name.compare(locale.nativeLanguageName(), Qt::CaseInsensitive) == 0
            || name.compare(QLocale::languageToString(locale.language()), Qt::CaseInsensitive) == 0)
            return locale.language();
    }
    // A code: "de", "ru_RU", "pt-BR".
    static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{2,4})*$"));
    if (code.match(name).hasMatch()) {
        const QLocale locale(name);
        if (locale.language() != QLocale::C)
            return locale.language();
    }
    return QLocale::AnyLanguage;
}

} // namespace

LanguageFile::Status LanguageFile::read(const QString &path)
{
    m_lines.clear();
    m_displayName.clear();
    m_cutKeys.clear();
    m_encoding = {};
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
    m_cutKeys.clear();
    const QString text = decode(bytes, localeCodeset, &m_encoding);
    const QList<QStringView> lines = splitLines(text);
    if (lines.size() > kDisplayNameLine) {
        const QStringView line = lines.at(kDisplayNameLine);
        m_displayName = TextLimits::cut(line.mid(qMin<qsizetype>(kDisplayNameStart, line.size())).toString(),
                                        TextLimits::MaxLanguageText);
    }
    for (QStringView line : lines) {
        if (m_lines.size() >= MaxKeyLines)
            break;
        const int key = keyOf(line);
        if (key <= 0)
            continue;
        const QStringView body = line.size() > kTextStart ? line.mid(kTextStart) : QStringView();
        if (body.size() > TextLimits::MaxLanguageText && !m_cutKeys.contains(key))
            m_cutKeys.append(key);
        m_lines.append({key, TextLimits::cut(body.toString(), TextLimits::MaxLanguageText)});
    }
}

QString LanguageFile::readDisplayName(const QString &path)
{
    LanguageFile file;
    return file.read(path) == Status::Read ? file.displayName() : QString();
}

QString LanguageFile::decode(const QByteArray &bytes, const QByteArray &localeCodeset, Encoding *used)
{
    Encoding encoding;
    QString text;
    if (bytes.startsWith("\xFF\xFE")) {
        encoding.name = "UTF-16LE";
        text = decodeAs(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding.name = "UTF-16BE";
        text = decodeAs(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        encoding.name = "UTF-8";
        if (!utf8.hasError()) {
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
        } else {
            QStringDecoder local;
            if (!localeNamesNoCodePage(localeCodeset))
                local = QStringDecoder(localeCodeset.constData());
            if (local.isValid()) {
                encoding.name = localeCodeset;
            } else {
                // The locale says nothing (or names a set nobody knows): the bytes decide.
                const CodePageGuess guess = CodePageDetection::guess(bytes);
                local = QStringDecoder(guess.name.constData());
                encoding = {guess.name, true, guess.certain};
                if (!local.isValid()) {
                    local = QStringDecoder("windows-1252");
                    encoding = {"windows-1252", true, false};
                }
            }
            text = local.decode(bytes);
        }
    }
    if (used)
        *used = encoding;
    return text;
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

QLocale::Language LanguageFile::languageOf(const QString &displayName, const QString &path)
{
    const QLocale::Language named = languageNamed(displayName.trimmed());
    return named != QLocale::AnyLanguage ? named : languageNamed(QFileInfo(path).completeBaseName().trimmed());
}
