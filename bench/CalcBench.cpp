// Makes the benchmark's documents through the real office.
//
//   tablevane_calc_bench make FOLDER COUNT ROWS COLUMNS EXTENSION
//       makes COUNT documents (doc001.EXTENSION, ...) of one ROWS x COLUMNS sheet: a
//       header row of texts, then rows of a text and numbers; EXTENSION is xls, xlsx or ods
#include "CalcError.h"
#include "OfficeDocuments.h"
#include "UnoOffice.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {

QTextStream out(stdout);

int make(UnoOffice &office, const QStringList &args)
{
    const QDir folder(args.at(0));
    QDir().mkpath(folder.path());
    const int count = args.at(1).toInt();
    const int rows = args.at(2).toInt();
    const int columns = args.at(3).toInt();
    const QString extension = args.at(4);
    OfficeDocuments::Sheet sheet{QStringLiteral("Data"), {}};
    QVariantList header;
    for (int c = 1; c <= columns; ++c)
        header.append(QStringLiteral("Column %1").arg(c));
    sheet.rows.append(header);
    for (int r = 1; r < rows; ++r) {
        QVariantList row{QStringLiteral("row %1").arg(r)};
        for (int c = 2; c <= columns; ++c)
            row.append(r * c);
        sheet.rows.append(row);
    }
    const QString filter = extension == QLatin1String("ods")    ? QStringLiteral("calc8")
                         : extension == QLatin1String("xlsx") ? QStringLiteral("Calc MS Excel 2007 XML")
                                                              : QStringLiteral("MS Excel 97");
    for (int i = 1; i <= count; ++i)
        OfficeDocuments::make(office, folder.filePath(QStringLiteral("doc%1.%2").arg(i, 3, 10, QLatin1Char('0')).arg(extension)),
                              {sheet}, filter);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 6 || args.at(0) != QLatin1String("make")) {
        out << "usage: tablevane_calc_bench make FOLDER COUNT ROWS COLUMNS EXTENSION" << Qt::endl;
        return 2;
    }
    args.removeFirst();
    try {
        UnoOffice office;
        return make(office, args);
    } catch (const CalcError &e) {
        out << "office failure: " << e.message() << Qt::endl;
        return 1;
    }
}
