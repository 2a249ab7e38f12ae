#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One Excel file format: the code passed to Excel's SaveAs and its display name.
struct ExcelFormat
{
    int code = 0;
    QString displayName;
};

// One Calc export filter: the name passed as "FilterName", the display name and the
// extension (with its dot) that replaces the document's own.
struct CalcFilter
{
    QString filterName;
    QString displayName;
    QString extension;
};

// One character set of the Calc text output: display name and filter-options token.
struct Charset
{
    QString displayName;
    QString token;
};

// The save-as tables: A (Excel up to 12, cut down by version), B (Excel above 12),
// C (Calc filters), D (character sets), E (text delimiters). A list choice is a 0-based
// position in the table that filled the list.
class SaveAsTables
{
public:
    // Builds A, B and C afresh; A is cut down for excelMajorVersion when cutTableA is set
    // (the cut only happens while the Excel choice is enabled).
    void BuildSaveAsTables(int excelMajorVersion, bool cutTableA);
    // Cuts table A down for an Excel version (8: 28 rows, 9: 30, 10 and 11: 33, 12: 22,
    // any other: all 39). Cutting again for the same version changes nothing.
    void cutTableA(int excelMajorVersion);
    void BuildCharsetTable();

    // A language file replaces display names; codes, filters, extensions stay. A
    // position outside the table is ignored.
    void setTableADisplayName(int position, const QString &name);
    void setTableBDisplayName(int position, const QString &name);
    void setTableCDisplayName(int position, const QString &name);

    const QVector<ExcelFormat> &tableA() const { return m_tableA; }
    const QVector<ExcelFormat> &tableB() const { return m_tableB; }
    const QVector<CalcFilter> &tableC() const { return m_tableC; }
    const QVector<Charset> &tableD() const { return m_tableD; }

    static QStringList fieldDelimiterItems();   // ",", ";", ":", "{tab}", "{space}"
    static QStringList textDelimiterItems();    // "\"", "'"
    static std::optional<int> fieldDelimiterCode(int position); // 44, 59, 58, 9, 32
    static std::optional<int> textDelimiterCode(int position);  // 34, 39

    // The display names that fill the save-as list for an office (0 Excel, 1 Calc).
    QStringList displayNames(int office, int excelMajorVersion) const;

    // Look-ups by list position; nothing when the position is outside the table.
    std::optional<int> excelCodeAt(int position, int excelMajorVersion) const;
    std::optional<CalcFilter> calcFilterAt(int position) const;
    // The name the office registers for the export filter of table C's row at position:
    // the row's own name, but for "MS Excel 97/2000/XP", which the office knows as
    // "MS Excel 97".
    static QString calcExportFilterName(int position, const CalcFilter &row);
    std::optional<QString> charsetTokenAt(int position) const;

private:
    QVector<ExcelFormat> m_tableA;
    QVector<ExcelFormat> m_tableB;
    QVector<CalcFilter> m_tableC;
    QVector<Charset> m_tableD;
};
