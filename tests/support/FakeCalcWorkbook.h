#pragma once

#include "CalcCell.h"
#include "CalcFilterArgs.h"
#include "CalcRangeAddress.h"
#include "CalcTableBorder.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>

#include <optional>

// The in-memory workbook behind FakeCalcOffice: what a document holds as far as the
// Calc back-end can see or change it. Tests build one, let the back-end work on it,
// then inspect the stored copy.

struct FakeCalcCellFormat
{
    QString fontName = QStringLiteral("Liberation Sans");
    double height = 10;
    int weight = 100;
    int posture = 0;
    qint32 color = -1;          // automatic
    qint32 backColor = -1;      // none
    int hori = 0;               // standard
    int vert = 0;               // standard
    bool wrap = false;
    CalcBorderLine top;
    CalcBorderLine bottom;
    CalcBorderLine left;
    CalcBorderLine right;

    bool operator==(const FakeCalcCellFormat &) const = default;
};

struct FakeCalcCellData
{
    CalcCellType type = CalcCellType::Empty;
    double value = 0.0;          // a value, or the numeric result of a formula
    QString string;              // a text, or the text result of a formula
    bool textResult = false;     // a formula whose result is a text
    bool errorResult = false;    // a formula whose result is an error
    FakeCalcCellFormat format;
};

struct FakeCalcColumnData
{
    int width = 2258;
    bool optimal = false;
    bool hidden = false;
};

// One part of the centre text of a header: a text or a field.
struct FakeCalcHeaderPart
{
    enum class Kind { Text, PageNumber, SheetName };
    Kind kind = Kind::Text;
    QString text;

    bool operator==(const FakeCalcHeaderPart &) const = default;
};

struct FakeCalcHeaderData
{
    QString left;
    QList<FakeCalcHeaderPart> centre{{FakeCalcHeaderPart::Kind::SheetName, {}}};
    QString right;

    int pageNumberCount() const;
    QString centreText() const;
};

struct FakeCalcPageStyleData
{
    QString name;
    bool isLandscape = false;
    int width = 21000;
    int height = 29700;
    bool headerIsOn = false;
    bool headerIsShared = true;
    bool centerHorizontally = false;
    int leftMargin = 2000;
    int rightMargin = 2000;
    int topMargin = 2000;
    int bottomMargin = 2000;
    FakeCalcHeaderData header;
};

struct FakeCalcSheetData
{
    QString name;
    QString pageStyle = QStringLiteral("Default");
    QMap<QPair<int, int>, FakeCalcCellData> cells;   // (column, row), 0-based
    QMap<int, FakeCalcColumnData> columns;
    // The row spans (first, last; 0-based) whose heights were fitted, in order.
    QList<QPair<int, int>> fittedRows;

    // The cell at (column, row); an untouched cell reads as empty with default format.
    FakeCalcCellData cell(int column, int row) const;
    FakeCalcCellFormat format(int column, int row) const { return cell(column, row).format; }
    FakeCalcCellData &cellRef(int column, int row) { return cells[{column, row}]; }
    FakeCalcColumnData column(int index) const { return columns.value(index); }

    void setValue(int column, int row, double value);
    void setText(int column, int row, const QString &text);
    void setNumberFormula(int column, int row, double result);
    void setTextFormula(int column, int row, const QString &result);
    void setErrorFormula(int column, int row);
    // Rows of values from A1: a number (int or double) gives a value, a string a text,
    // an invalid QVariant an empty cell.
    void fill(const QList<QVariantList> &rows);
};

struct FakeCalcWorkbook
{
    QList<FakeCalcSheetData> sheets;
    QList<FakeCalcPageStyleData> pageStyles;
    // The import filter the office reads the file with; empty: the office gives no
    // document at all.
    QString loadFilter = QStringLiteral("MS Excel 97");
    // Whether formatting calls leave row heights alone at the moment.
    bool rowHeightsLocked = false;
    // The store that wrote this file, when a store did.
    std::optional<CalcFilterArgs> storedWith;

    // A workbook as an imported .xls has it: styles "Default", "Report" and one
    // "PageStyle_<sheet>" per sheet, used by that sheet.
    static FakeCalcWorkbook xls(const QStringList &sheetNames = {QStringLiteral("Sheet1")});
    // A workbook as the office writes .ods: the two styles "Default" and "Report",
    // every sheet on "Default".
    static FakeCalcWorkbook ods(const QStringList &sheetNames = {QStringLiteral("Sheet1")});

    FakeCalcSheetData &sheet(int index = 0) { return sheets[index]; }
    const FakeCalcSheetData &sheet(int index = 0) const { return sheets[index]; }
    FakeCalcPageStyleData *pageStyle(const QString &name);
    const FakeCalcPageStyleData *pageStyle(const QString &name) const;
    // The page style a sheet uses.
    const FakeCalcPageStyleData &pageStyleOf(int sheetIndex = 0) const;
};
