#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of a help file's table of contents: its title, the page it shows (may be
// empty for a heading) and the entries under it.
struct HelpTopic
{
    QString name;
    QString page;
    QList<HelpTopic> children;
};

// Reads a table of contents in the sitemap form of compiled help (.hhc): nested <UL>
// lists whose <LI> items hold <OBJECT type="text/sitemap"> with "Name" and "Local"
// parameters. Tolerant: unknown tags are skipped, unbalanced lists end where the text does.
namespace HelpContents {

// Nesting deeper than this is flattened into the deepest level.
constexpr int MaxDepth = 32;

QList<HelpTopic> parse(const QByteArray &sitemap);

} // namespace HelpContents
