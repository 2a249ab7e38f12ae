#include "FakeCalcWorkbook.h"

namespace {

FakeCalcPageStyleData styleData(const QString &name)
{
    FakeCalcPageStyleData style;
    style.name = name;
    return style;
}

FakeCalcSheetData sheetData(const QString &name, const QString &pageStyle)
{
    FakeCalcSheetData sheet;
    sheet.name = name;
    sheet.pageStyle = pageStyle;
    return sheet;
}

} // namespace

int FakeCalcHeaderData::pageNumberCount() const
{
    int count = 0;
    for (const FakeCalcHeaderPart &part : centre)
        count += part.kind == FakeCalcHeaderPart::Kind::PageNumber ? 1 : 0;
    return count;
}

QString FakeCalcHeaderData::centreText() const
{
    QString text;
    for (const FakeCalcHeaderPart &part : centre) {
        switch (part.kind) {
        case FakeCalcHeaderPart::Kind::Text:
            text += part.text;
            break;
        case FakeCalcHeaderPart::Kind::PageNumber:
            text += QStringLiteral("<page>");
            break;
        case FakeCalcHeaderPart::Kind::SheetName:
            text += QStringLiteral("<sheet>");
            break;
        }
    }
    return text;
}

FakeCalcCellData FakeCalcSheetData::cell(int column, int row) const
{
    return cells.value({column, row});
}

void FakeCalcSheetData::setValue(int column, int row, double value)
{
    FakeCalcCellData &cell = cellRef(column, row);
    cell.type = CalcCellType::Value;
    cell.value = value;
    cell.string = QString::number(value);
}

void FakeCalcSheetData::setText(int column, int row, const QString &text)
{
    FakeCalcCellData &cell = cellRef(column, row);
    // The office keeps no cell for an empty text.
    cell.type = text.isEmpty() ? CalcCellType::Empty : CalcCellType::Text;
    cell.string = text;
}

void FakeCalcSheetData::setNumberFormula(int column, int row, double result)
{
    FakeCalcCellData &cell = cellRef(column, row);
    cell.type = CalcCellType::Formula;
    cell.value = result;
    cell.string = QString::number(result);
}

void FakeCalcSheetData::setTextFormula(int column, int row, const QString &result)
{
    FakeCalcCellData &cell = cellRef(column, row);
    cell.type = CalcCellType::Formula;
    cell.textResult = true;
    cell.string = result;
}

void FakeCalcSheetData::setErrorFormula(int column, int row)
{
    FakeCalcCellData &cell = cellRef(column, row);
    cell.type = CalcCellType::Formula;
    cell.errorResult = true;
    cell.string = QStringLiteral("#DIV/0!");
}

void FakeCalcSheetData::fill(const QList<QVariantList> &rows)
{
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size(); ++column) {
            const QVariant &value = rows.at(row).at(column);
            if (value.typeId() == QMetaType::QString)
                setText(column, row, value.toString());
            else if (value.isValid())
                setValue(column, row, value.toDouble());
        }
    }
}

FakeCalcWorkbook FakeCalcWorkbook::xls(const QStringList &sheetNames)
{
    FakeCalcWorkbook book;
    book.pageStyles.append(styleData(QStringLiteral("Default")));
    book.pageStyles.append(styleData(QStringLiteral("Report")));
    for (const QString &name : sheetNames) {
        const QString styleName = QStringLiteral("PageStyle_") + name;
        book.pageStyles.append(styleData(styleName));
        book.sheets.append(sheetData(name, styleName));
    }
    return book;
}

FakeCalcWorkbook FakeCalcWorkbook::ods(const QStringList &sheetNames)
{
    FakeCalcWorkbook book;
    book.loadFilter = QStringLiteral("calc8");
    book.pageStyles.append(styleData(QStringLiteral("Default")));
    book.pageStyles.append(styleData(QStringLiteral("Report")));
    for (const QString &name : sheetNames)
        book.sheets.append(sheetData(name, QStringLiteral("Default")));
    return book;
}

FakeCalcPageStyleData *FakeCalcWorkbook::pageStyle(const QString &name)
{
    for (FakeCalcPageStyleData &style : pageStyles) {
        if (style.name == name)
            return &style;
    }
    return nullptr;
}

const FakeCalcPageStyleData *FakeCalcWorkbook::pageStyle(const QString &name) const
{
    for (const FakeCalcPageStyleData &style : pageStyles) {
        if (style.name == name)
            return &style;
    }
    return nullptr;
}

const FakeCalcPageStyleData &FakeCalcWorkbook::pageStyleOf(int sheetIndex) const
{
    return *pageStyle(sheets.at(sheetIndex).pageStyle);
}
