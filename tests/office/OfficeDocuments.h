#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

class CalcDocument;
class UnoOffice;

// Documents for the office tests, made through the office itself: a new spreadsheet,
// its sheets filled, stored with an export filter.
namespace OfficeDocuments {

struct Sheet
{
    QString name;
    // Rows from A1. A number gives a value; a text starting with "=" a formula; any
    // other text a text; an invalid QVariant leaves the cell empty.
    QList<QVariantList> rows;
    // Heights (1/100 mm) fixed by hand, by 0-based row.
    QMap<int, int> rowHeights = {};
};

// Throws CalcError when the office fails. With a password the document is encrypted.
void make(UnoOffice &office, const QString &path, const QList<Sheet> &sheets, const QString &filterName,
          const QString &password = QString());

// The heights (1/100 mm) of rows of a stored document's sheet.
QList<int> rowHeights(UnoOffice &office, const QString &path, int sheet, int firstRow, int count);

// The heights (1/100 mm) of rows of a sheet of an open document.
QList<int> rowHeights(CalcDocument &document, int sheet, int firstRow, int count);

// An argument the document was loaded with ("Hidden", "MacroExecutionMode", ...), as
// a bool or an int; invalid when it was not given.
QVariant loadArgument(CalcDocument &document, const QString &name);

// A header row ("Name", "Count", "Share") and rows numbered from 1.
Sheet table(const QString &name, int rows);

// Whether the office must be there: under CI a missing office is a failure.
bool officeRequired();

} // namespace OfficeDocuments

// In a test case's set-up: an office that cannot start fails the test under CI (where
// the set-up installs one) and skips it elsewhere.
#define TABLEVANE_REQUIRE_OFFICE(office)                                                                 \
    do {                                                                                                \
        if (!(office).available()) {                                                                    \
            if (OfficeDocuments::officeRequired())                                                      \
                QFAIL("no LibreOffice installed");                                                      \
            QSKIP("no LibreOffice installed");                                                          \
        }                                                                                               \
    } while (false)
