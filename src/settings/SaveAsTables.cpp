#include "SaveAsTables.h"

#include <algorithm>
#include <iterator>

namespace {

struct ExcelRow
{
    int code;
    const char16_t *name;
};

struct CalcRow
{
    const char16_t *filter;
    const char16_t *name;
    const char16_t *extension;
};

struct CharsetRow
{
    const char16_t *name;
    const char16_t *token;
};

// Excel file formats up to Excel 12, before the cut for the installed version. The
// display names are the built-in English texts that language files key on, so their
// spelling is kept exactly as the program has always shown it.
constexpr ExcelRow kTableA[] = {
    {1, u"MS Excel WorkBook 97/2000/XP/2003 (*.xls)"},
    {2, u"SYLK (Symbolic Link) (*.slk)"},
    {3, u"Text (TAB delimited) (*.txt)"},
    {4, u"WKS (1-2-3) (*.wks)"},
    {5, u"WK1 (1-2-3) (*.wk1)"},
    {6, u"CSV (Comma delimited) (*.csv)"},
    {7, u"DBF 2 (dBase II) (*.dbf)"},
    {8, u"DBF 3 (dBase III) (*.dbf)"},
    {9, u"DIF (Data InterGhange Format) (*.dif)"},
    {11, u"DBF 4 (dBase IV) (*.dbf)"},
    {15, u"WK3 (1-2-3) (*.wk3)"},
    {16, u"MS Excel 2.1 Worksheet (*.xls)"},
    {17, u"MS Excel Template 97/2000/XP/2003 (*.xlt)"},
    {19, u"Text (Macintosh) (*.txt)"},
    {21, u"Text (MS-DOS) (*.txt)"},
    {22, u"CSV (Macintosh) (*.csv)"},
    {24, u"CSV (MS-DOS) (*.csv)"},
    {29, u"MS Excel 3.0 Worksheet (*.xls)"},
    {30, u"WK1, FMT (1-2-3) (*.wk1)"},
    {31, u"WK1, ALL (1-2-3) (*.wk1)"},
    {32, u"WK3, FM3 (1-2-3) (*.wk3)"},
    {33, u"MS Excel 4.0 Worksheet (*.xls)"},
    {34, u"WQ1 (Quattro Pro/DOS) (*.wq1)"},
    {35, u"MS Excel 4.0 Workbook (*.xlw)"},
    {36, u"Formatted text (Space delimited) (*.prn)"},
    {38, u"WK4 (1-2-3) (*.wk4)"},
    {39, u"MS Excel 5.0/95 Workbook (*.xls)"},
    {42, u"Unicode text (*.txt)"},
    {43, u"MS Excel 97-2003 & 5.0/95 Workbook (*.xls)"},
    {44, u"Web-page (*.htm, *.html)"},
    {45, u"Single File Web Page (*.mhtm, *.mhtml)"},
    {46, u"XML Spreadsheet(*.xml)"},
    {49, u"XML-data (*.xml)"},
    {50, u"MS Excel 2007 Binary book (*.xlsb)"},
    {51, u"MS Excel 2007 WorkBook (*.xlsx)"},
    {52, u"MS Excel 2007 WorkBook with support macroses (*.xlsm)"},
    {53, u"MS Excel 2007 Template with support macroses (*.xltm)"},
    {54, u"MS Excel 2007 Template(*.xltx)"},
    {55, u"MS Excel 2007 Add-In with support macroses (*.xlam)"},
};

// Excel file formats above Excel 12; never cut.
constexpr ExcelRow kTableB[] = {
    {1, u"Excel 97-2003 Workbook (*.xls)"},
    {2, u"SYLK (Symbolic Link) (*.slk)"},
    {3, u"Text (Tab delimited) (*.txt)"},
    {6, u"CSV (Comma delimited) (*.csv)"},
    {9, u"DIF (Data Interchange Format) (*.dif)"},
    {17, u"Excel 97-2003 Template (*.xlt)"},
    {19, u"Text (Macintosh) (*.txt)"},
    {21, u"Text (MS-DOS) (*.txt)"},
    {22, u"CSV (Macintosh) (*.csv)"},
    {24, u"CSV (MS-DOS) (*.csv)"},
    {36, u"Formatted Text (Space delimited) (*.prn)"},
    {39, u"Microsoft Excel 5.0/95 Workbook (*.xls)"},
    {42, u"Unicode Text (*.txt)"},
    {44, u"Web Page (*.htm; *.html)"},
    {45, u"Single File Web Page (*.mht; *.mhtml)"},
    {46, u"XML Spreadsheet 2003 (*.xml)"},
    {49, u"XML Data (*.xml)"},
    {50, u"Excel Binary Workbook (*.xlsb)"},
    {51, u"Excel Workbook (*.xlsx)"},
    {52, u"Excel Macro-Enabled Workbook (*.xlsm)"},
    {53, u"Excel Macro-Enabled Template (*.xltm)"},
    {54, u"Excel Template (*.xltx)"},
    {55, u"Excel Add-In (*.xlam)"},
    {57, u"PDF (*.pdf)"},
    {58, u"XPS Document (*.xps)"},
    {60, u"OpenDocument Spreadsheet (*.ods)"},
};

// Calc export filters. "StarOffice XML (Calc" has no closing parenthesis: the filter
// name is passed to Calc exactly as it stands.
constexpr CalcRow kTableC[] = {
    {u"MS Excel 2003 XML", u"MS Excel 2003 XML (*.xml)", u".xml"},
    {u"dBase", u"dBase (*.dbf)", u".dbf"},
    {u"calc8_template", u"OpenDocument SpreadSheet Template (*.ots)", u".ots"},
    {u"calc8", u"OpenDocument SpreadSheet (*.ods)", u".ods"},
    {u"StarOffice XML (Calc", u"OpenOffice.org 1.0 Spreadheet (.sxc)", u".sxc"},
    {u"calc_StarOffice_XML_Calc_Template", u"OpenOffice.org 1.0 Spreadsheet Template (*.stc)", u".stc"},
    {u"DIF", u"Data InterGhange Format (*.dif)", u".dif"},
    {u"MS Excel 97/2000/XP", u"MS Excel 97/2000/XP (*.xls)", u".xls"},
    {u"MS Excel 97 Vorlage/Template", u"MS Excel 97/2000/XP Template (*.xlt)", u".xlt"},
    {u"StarCalc 5.0 Vorlage/Template", u"StarCalc 5.0 Template (*.vor)", u".vor"},
    {u"StarCalc 5.0", u"StarCalc 5.0 (*.sdc)", u".sdc"},
    {u"StarCalc 4.0 Vorlage/Template", u"StarCalc 4.0 Template(*.vor)", u".vor"},
    {u"StarCalc 4.0", u"StarCalc 4.0 (*.sdc)", u".sdc"},
    {u"StarCalc 3.0 Vorlage/Template", u"StarCalc 3.0 Template (*.vor)", u".vor"},
    {u"StarCalc 3.0", u"StarCalc 3.0 (*.sdc)", u".sdc"},
    {u"SYLK", u"SYLK (Symbolic Link) (*.slk)", u".slk"},
    {u"Text - txt - csv (StarCalc)", u"Text CSV (*.csv)", u".csv"},
    {u"HTML (StarCalc)", u"HTML Document (OpenOffice.org Calc) (*.htm, *.html)", u".html"},
    {u"Pocket Excel", u"Pocket Excel (*.pxl)", u".pxl"},
    {u"calc_pdf_Export", u"Export to PDF", u".pdf"},
    {u"UOF spreadsheet", u"Unified Office Format spreadsheet", u".uos"},
    // Office Open XML, which LibreOffice reads and writes itself; after the older rows
    // so that every stored position keeps its meaning.
    {u"Calc MS Excel 2007 XML", u"Excel 2007-365 (*.xlsx)", u".xlsx"},
    {u"Calc Office Open XML", u"Office Open XML Spreadsheet (*.xlsx)", u".xlsx"},
};

// Character sets of Calc text output, in display order (not sorted).
constexpr CharsetRow kTableD[] = {
    {u"DOS/OS2-964", u"29"},
    {u"ISO-8859-6", u"17"},
    {u"Windows-1256", u"38"},
    {u"DOS/OS2-852", u"25"},
    {u"Windows-1250/WinLatin 2", u"33"},
    {u"ISO-8859-10", u"77"},
    {u"ISO-8859-13", u"78"},
    {u"ISO-8859-2", u"13"},
    {u"ISO-8859-7", u"18"},
    {u"Windows-1253", u"35"},
    {u"Apple/Macintosh", u"MAC"},
    {u"ASCII", u"11"},
    {u"DOS/OS2-437", u"IBMPC_437"},
    {u"DOS/OS2-850", u"IBMPC_850"},
    {u"DOS/OS2-860", u"IBMPC_860"},
    {u"DOS/OS2-861", u"IBMPC_861"},
    {u"DOS/OS2-863", u"IBMPC_863"},
    {u"DOS/OS2-865", u"IBMPC_865"},
    {u"ISO-8859-1", u"12"},
    {u"ISO-8859-14", u"21"},
    {u"ISO-8859-15(EURO)", u"22"},
    {u"Windows-1252/WinLatin 1", u"ANSI"},
    {u"ISO-8859-8", u"19"},
    {u"Windows-1255", u"37"},
    {u"DOS/OS2-862", u"28"},
    {u"DOS/OS2-866", u"30"},
    {u"ISO-8859-5", u"16"},
    {u"KOI8-R", u"74"},
    {u"KOI8-U", u"88"},
    {u"PT154", u"93"},
    {u"Windows-1251", u"34"},
    {u"ISO-8859-3", u"14"},
    {u"Windows-1257", u"39"},
    {u"ISO-8859-4", u"15"},
    {u"ISO-8859-11/TIS-620", u"87"},
    {u"Windows-874", u"32"},
    {u"ISO-8859-9", u"20"},
    {u"Windows-1254", u"36"},
};

// Codes that Excel 12 no longer offers in its save-as list.
constexpr int kDroppedByExcel12[] = {4, 5, 7, 8, 11, 15, 16, 29, 30, 31, 32, 33, 34, 35, 38, 43, 49};

constexpr int kFieldDelimiterCodes[] = {44, 59, 58, 9, 32};
constexpr int kTextDelimiterCodes[] = {34, 39};

bool droppedFor(int excelMajorVersion, int code)
{
    switch (excelMajorVersion) {
    case 8:
        return code == 42 || code >= 44;
    case 9:
        return code >= 45;
    case 10:
    case 11:
        return code >= 50;
    case 12:
        return std::find(std::begin(kDroppedByExcel12), std::end(kDroppedByExcel12), code)
            != std::end(kDroppedByExcel12);
    default:
        return false;
    }
}

template<typename T>
bool inRange(const QVector<T> &table, int position)
{
    return position >= 0 && position < table.size();
}

} // namespace

void SaveAsTables::BuildSaveAsTables(int excelMajorVersion, bool cutTableA)
{
    m_tableA.clear();
    for (const ExcelRow &row : kTableA)
        m_tableA.append({row.code, QString::fromUtf16(row.name)});
    m_tableB.clear();
    for (const ExcelRow &row : kTableB)
        m_tableB.append({row.code, QString::fromUtf16(row.name)});
    m_tableC.clear();
    for (const CalcRow &row : kTableC)
        m_tableC.append({QString::fromUtf16(row.filter), QString::fromUtf16(row.name), QString::fromUtf16(row.extension)});
    if (cutTableA)
        this->cutTableA(excelMajorVersion);
}

void SaveAsTables::cutTableA(int excelMajorVersion)
{
    // Code and name go together, so positions in the list and in the codes stay paired.
    m_tableA.removeIf([excelMajorVersion](const ExcelFormat &row) { return droppedFor(excelMajorVersion, row.code); });
}

void SaveAsTables::BuildCharsetTable()
{
    m_tableD.clear();
    for (const CharsetRow &row : kTableD)
        m_tableD.append({QString::fromUtf16(row.name), QString::fromUtf16(row.token)});
}

void SaveAsTables::setTableADisplayName(int position, const QString &name)
{
    if (inRange(m_tableA, position))
        m_tableA[position].displayName = name;
}

void SaveAsTables::setTableBDisplayName(int position, const QString &name)
{
    if (inRange(m_tableB, position))
        m_tableB[position].displayName = name;
}

void SaveAsTables::setTableCDisplayName(int position, const QString &name)
{
    if (inRange(m_tableC, position))
        m_tableC[position].displayName = name;
}

QStringList SaveAsTables::fieldDelimiterItems()
{
    return {QStringLiteral(","), QStringLiteral(";"), QStringLiteral(":"), QStringLiteral("{tab}"), QStringLiteral("{space}")};
}

QStringList SaveAsTables::textDelimiterItems()
{
    return {QStringLiteral("\""), QStringLiteral("'")};
}

std::optional<int> SaveAsTables::fieldDelimiterCode(int position)
{
    if (position < 0 || position >= int(std::size(kFieldDelimiterCodes)))
        return std::nullopt;
    return kFieldDelimiterCodes[position];
}

std::optional<int> SaveAsTables::textDelimiterCode(int position)
{
    if (position < 0 || position >= int(std::size(kTextDelimiterCodes)))
        return std::nullopt;
    return kTextDelimiterCodes[position];
}

QStringList SaveAsTables::displayNames(int office, int excelMajorVersion) const
{
    QStringList names;
    if (office == 0) {
        for (const ExcelFormat &row : (excelMajorVersion > 12 ? m_tableB : m_tableA))
            names.append(row.displayName);
    } else if (office == 1) {
        for (const CalcFilter &row : m_tableC)
            names.append(row.displayName);
    }
    return names;
}

std::optional<int> SaveAsTables::excelCodeAt(int position, int excelMajorVersion) const
{
    const QVector<ExcelFormat> &table = excelMajorVersion > 12 ? m_tableB : m_tableA;
    if (!inRange(table, position))
        return std::nullopt;
    return table.at(position).code;
}

std::optional<CalcFilter> SaveAsTables::calcFilterAt(int position) const
{
    if (!inRange(m_tableC, position))
        return std::nullopt;
    return m_tableC.at(position);
}

QString SaveAsTables::calcExportFilterName(int position, const CalcFilter &row)
{
    constexpr int Excel97Entry = 7;
    return position == Excel97Entry ? QStringLiteral("MS Excel 97") : row.filterName;
}

std::optional<QString> SaveAsTables::charsetTokenAt(int position) const
{
    if (!inRange(m_tableD, position))
        return std::nullopt;
    return m_tableD.at(position).token;
}
