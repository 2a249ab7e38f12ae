#include "CalcRangeAddress.h"

#include "ColumnLetters.h"

#include <QRegularExpression>

#include <algorithm>

CalcRangeAddress CalcRangeAddress::fromNumbers(int column1, int row1, int column2, int row2)
{
    return CalcRangeAddress{std::min(column1, column2) - 1, std::min(row1, row2) - 1,
                            std::max(column1, column2) - 1, std::max(row1, row2) - 1};
}

std::optional<CalcRangeAddress> CalcRangeAddress::parse(const QString &name, int maxColumns,
                                                        int maxRows)
{
    static const QRegularExpression cellPattern(QStringLiteral("^([A-Za-z]{1,3})([0-9]{1,7})$"));
    const QStringList parts = name.split(QLatin1Char(':'));
    if (parts.size() < 1 || parts.size() > 2)
        return std::nullopt;
    int columns[2] = {0, 0};
    int rows[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const QRegularExpressionMatch m = cellPattern.match(parts.at(std::min<int>(i, parts.size() - 1)));
        if (!m.hasMatch())
            return std::nullopt;
        columns[i] = ColumnLetters::ColumnLettersToNumber(m.captured(1).toUpper());
        rows[i] = m.captured(2).toInt();
        if (columns[i] < 1 || columns[i] > maxColumns || rows[i] < 1 || rows[i] > maxRows)
            return std::nullopt;
    }
    return fromNumbers(columns[0], rows[0], columns[1], rows[1]);
}

QString CalcRangeAddress::name() const
{
    return ColumnLetters::ColumnNumberToLetters(startColumn + 1) + QString::number(startRow + 1) + QLatin1Char(':')
        + ColumnLetters::ColumnNumberToLetters(endColumn + 1) + QString::number(endRow + 1);
}
