#include "SaveAsNameKeys.h"

#include "LanguageKeyTable.h"
#include "SaveAsTables.h"

#include <QHash>

#include <functional>

namespace {

constexpr int kTableABase = LanguageKeyTable::TableAWalk - 1;   // 3300 + code
constexpr int kTableBBase = LanguageKeyTable::TableBWalk - 1;   // 3500 + code
constexpr int kTableCBase = LanguageKeyTable::TableCRun;        // 3401 + position

// The text of each key of the file (the last line of a key counts) and how often it came.
struct KeyTexts
{
    QHash<int, QString> text;
    QHash<int, int> count;

    explicit KeyTexts(const QList<LanguageLine> &lines)
    {
        for (const LanguageLine &line : lines) {
            text.insert(line.key, line.text);
            ++count[line.key];
        }
    }
};

// One run: the keys of its rows in order; a row's name is set through setName.
void applyRun(const KeyTexts &file, const QList<int> &keys, const std::function<void(int, const QString &)> &setName,
              SaveAsNameKeys::Faults &faults)
{
    bool present = false;
    for (int key : keys)
        present = present || file.count.contains(key);
    if (!present)
        return;   // a file without the run leaves the names alone and is not at fault
    for (int row = 0; row < keys.size(); ++row) {
        const int key = keys.at(row);
        const int count = file.count.value(key);
        if (count == 0) {
            faults.missing.append(key);
            continue;
        }
        if (count > 1)
            faults.doubled.append(key);
        setName(row, file.text.value(key));
    }
}

QList<int> excelKeys(const QVector<ExcelFormat> &table, int base)
{
    QList<int> keys;
    for (const ExcelFormat &row : table)
        keys.append(base + row.code);
    return keys;
}

} // namespace

SaveAsNameKeys::Faults SaveAsNameKeys::apply(const QList<LanguageLine> &lines, SaveAsTables &tables)
{
    const KeyTexts file(lines);
    Faults faults;
    applyRun(file, excelKeys(tables.tableA(), kTableABase),
             [&](int row, const QString &name) { tables.setTableADisplayName(row, name); }, faults);
    applyRun(file, excelKeys(tables.tableB(), kTableBBase),
             [&](int row, const QString &name) { tables.setTableBDisplayName(row, name); }, faults);
    QList<int> run;
    for (int position = 0; position < LanguageKeyTable::TableCRunRows; ++position)
        run.append(kTableCBase + position);
    applyRun(file, run, [&](int row, const QString &name) { tables.setTableCDisplayName(row, name); }, faults);
    // The names added after the run stand alone: a file written before them lacks them
    // without fault.
    for (const LanguageKeyTable::TableCName &name : LanguageKeyTable::tableCNames()) {
        if (file.count.contains(name.key))
            tables.setTableCDisplayName(name.position, file.text.value(name.key));
    }
    return faults;
}
