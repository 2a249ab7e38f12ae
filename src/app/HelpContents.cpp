#include "HelpContents.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString attribute(const QString &tag, const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("([A-Za-z_:-]+)\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"));
    for (auto it = pattern.globalMatch(tag); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (int group : {3, 4, 5}) {
            if (match.capturedStart(group) >= 0)
                return match.captured(group);
        }
    }
    return QString();
}

QString unescaped(QString text)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9A-Fa-f]+);"));
    QString out;
    qsizetype last = 0;
    for (auto it = numeric.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(text).mid(last, match.capturedStart() - last);
        bool ok = false;
        const uint code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
        if (ok && QChar::isPrint(char32_t(code)) && code <= 0x10FFFF)
            out += QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1);
        last = match.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

namespace HelpContents {

QList<HelpTopic> parse(const QByteArray &sitemap)
{
    static const QRegularExpression tags(QStringLiteral("<\\s*(/?)\\s*([A-Za-z]+)([^>]*)>"));
    const QString text = decoded(sitemap);
    QList<HelpTopic> top;
    // The lists being filled, outermost first; each new <UL> nests under the last
    // entry of the list around it.
    QList<QList<HelpTopic> *> lists{&top};
    // For each <UL> open: whether it began a nested level.
    QList<bool> opened;
    HelpTopic pending;
    bool inObject = false;
    for (auto it = tags.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString tag = match.captured(2).toLower();
        if (tag == QLatin1String("ul") && !closing) {
            const bool nested = lists.size() < MaxDepth && !lists.last()->isEmpty();
            opened.append(nested);
            if (nested)
                lists.append(&lists.last()->last().children);
        } else if (tag == QLatin1String("ul")) {
            if (!opened.isEmpty() && opened.takeLast())
                lists.removeLast();
        } else if (tag == QLatin1String("object")) {
            if (!closing) {
                inObject = true;
                pending = HelpTopic();
            } else if (inObject) {
                inObject = false;
                if (!pending.name.isEmpty() || !pending.page.isEmpty())
                    lists.last()->append(pending);
            }
        } else if (tag == QLatin1String("param") && inObject) {
            const QString name = attribute(match.captured(3), QStringLiteral("name"));
            const QString value = unescaped(attribute(match.captured(3), QStringLiteral("value")));
            if (name.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
                pending.name = value;
            else if (name.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0)
                pending.page = value;
        }
    }
    return top;
}

} // namespace HelpContents
