#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class CalcDocument;
class CalcSheet;

// The page style a formatted sheet takes its orientation, header and margins on. Sheets
// often share one (every sheet of an .ods the office wrote uses "Default"): changing it
// for one sheet would turn the others too. So a sheet whose style is shared with a
// sheet this call leaves alone first gets its own copy of that style; formatted sheets
// that share it share the copy.
class CalcPageStyleSharing
{
public:
    // formatted: the 0-based indexes of the sheets this call formats.
    CalcPageStyleSharing(CalcDocument &document, const QSet<int> &formatted);

    // The name of the style to change for the sheet, after moving the sheet onto a
    // copy where its own style is shared with a sheet left alone.
    QString styleToFormat(CalcSheet &sheet);

private:
    bool sharedWithOthers(const QString &style);

    CalcDocument &m_document;
    QSet<int> m_formatted;
    std::optional<QStringList> m_styleOfSheet;   // read on first need
    QHash<QString, QString> m_copies;             // original style -> its copy
};
