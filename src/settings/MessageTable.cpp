#include "MessageTable.h"

namespace {

struct Entry
{
    int number;
    int key;
    int part;
    const char16_t *text;
};

// Built-in English texts. Entry 8 spells "Сalc" with the Cyrillic capital Es and
// writes "have"t" with a double quote: language files key on these exact texts.
constexpr Entry kEntries[] = {
    {0, 7001, 0, u"No file"},
    {1, 7037, 0, u"Too many value"},
    {3, 7002, 0, u"For processing select folder, which contains files for processing (\"XLS\" or \"ODS\" or \"XLSX\")"},
    {4, 7011, 0, u"Selected directory"},
    {5, 7011, 1, u"not contains files with extension"},
    {6, 7011, 2, u"Please, select work directory again."},
    {7, 7012, 0, u"You need select object for processing"},
    {8, 7013, 0, u"Warning! This computer have\"t installed MS Excel from MS Office and have\"t installed OpenOffice.org \u0421alc from OpenOffice.org."},
    {9, 7013, 1, u"For this reason use Tablevane impossible."},
    {10, 7013, 2, u"If you want to use Tablevane, you need install MS Excel or Scalc or both of them and run Tablevane again."},
    {12, 7014, 0, u"Processing completed"},
    {26, 7021, 0, u"Tablevane cant`t load file"},
    {27, 7022, 0, u"Tablevane can`t load sheet #"},
    {30, 7024, 0, u"Selected file contains more than one sheet."},
    {31, 7024, 1, u"Please, select, which sheet must use as pattern"},
    {32, 7025, 0, u"Selected sheet is empty or empty her first line."},
    {33, 7025, 1, u"Please select sheet with filled by first line  or file of pattern again"},
    {34, 7026, 0, u"Name of the sheet in file with parameter of the formatting"},
    {35, 7026, 1, u"does not correspond to name of the sheet in file of pattern"},
    {36, 7027, 0, u"In file parameters (.TVX) specified sheet #"},
    {37, 7027, 1, u"but it does not contain in file of pattern."},
    {38, 7028, 0, u"In file of parameters (.TVX) as pattern specified file:"},
    {39, 7028, 1, u"but this file not found."},
    {40, 7029, 0, u"Before processing necessary to choose \"office\" and type of the conservation"},
    {41, 7030, 0, u"The files of this type are not processed Tablevane"},
    {42, 7031, 0, u"On this computer is not installed by MS Office 2007,"},
    {43, 7031, 1, u"which required for processing of this file"},
    {44, 7032, 0, u"On this computer is not installed OpenOffice.org,"},
    {45, 7032, 1, u"which required for processing of this file"},
    {46, 7033, 0, u"can`t process document"},
    {47, 7034, 0, u"Complete"},
    {48, 7034, 1, u" from"},
    {49, 7035, 0, u"Can`t load language file"},
    {50, 7036, 0, u"You must select character set"},
};

const Entry *findEntry(int number)
{
    for (const Entry &entry : kEntries) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}

constexpr const char16_t *kCaptions[] = {u"Start!", u"Pause", u"Stop", u"Resume"};

} // namespace

MessageTable::MessageTable()
{
    SetDefaultMessages();
}

void MessageTable::SetDefaultMessages()
{
    for (QString &text : m_texts)
        text.clear();
    for (const Entry &entry : kEntries)
        m_texts[entry.number] = QString::fromUtf16(entry.text);
    for (int i = 0; i < 4; ++i)
        m_captions[i] = QString::fromUtf16(kCaptions[i]);
}

QString MessageTable::text(int number) const
{
    if (number < 0 || number >= Count)
        return {};
    return m_texts[number];
}

void MessageTable::setText(int number, const QString &text)
{
    // Entry 11 has no key and stays empty whatever a language file holds.
    if (number < 0 || number >= Count || number == 11)
        return;
    m_texts[number] = text;
}

int MessageTable::key(int number)
{
    const Entry *entry = findEntry(number);
    return entry ? entry->key : 0;
}

int MessageTable::keyPart(int number)
{
    const Entry *entry = findEntry(number);
    return entry ? entry->part : 0;
}

QList<int> MessageTable::entriesOfKey(int key)
{
    QList<int> numbers;
    for (const Entry &entry : kEntries) {
        if (entry.key == key)
            numbers.append(entry.number);
    }
    return numbers;
}

QString MessageTable::caption(RunCaption which) const
{
    return m_captions[static_cast<int>(which)];
}

void MessageTable::setCaption(RunCaption which, const QString &text)
{
    m_captions[static_cast<int>(which)] = text;
}
