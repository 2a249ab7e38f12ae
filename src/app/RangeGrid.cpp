#include "RangeGrid.h"

RangeGrid RangeGrid::forOffice(int office, bool excelInstalled, int excelMajorVersion)
{
    return RangeGrid(office == 0 && excelInstalled && excelMajorVersion >= 12);
}

bool RangeGrid::columnTooLarge(const QString &letters) const
{
    const qsizetype length = letters.size();
    if (!m_large) {
        // Past IV: three letters or more, or two past "I?" or past "IV".
        if (length > 2)
            return true;
        return length == 2 && (letters.at(0) > u'I' || (letters.at(0) == u'I' && letters.at(1) > u'V'));
    }
    // Past XFD: four letters or more, or three past "X??", past "XF?" or past "XFD".
    if (length > 3)
        return true;
    if (length < 3)
        return false;
    const QChar first = letters.at(0);
    const QChar second = letters.at(1);
    return first > u'X' || (first == u'X' && second > u'F') || (first == u'X' && second == u'F' && letters.at(2) > u'D');
}

bool RangeGrid::rowTooLarge(const QString &digits) const
{
    if (digits.isEmpty())
        return false;
    bool ok = false;
    const int value = digits.toInt(&ok);
    return !ok || value > lastRow();
}

bool RangeGrid::rowUnusable(const QString &digits) const
{
    return digits.isEmpty() || rowTooLarge(digits) || digits.toInt() < 1;
}
