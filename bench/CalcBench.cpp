// Times the Calc back-end over a folder of documents, through the real office.
//
//   tablevane_calc_bench make FOLDER COUNT ROWS COLUMNS EXTENSION
//       makes COUNT documents of one ROWS x COLUMNS sheet through the office
//   tablevane_calc_bench format FOLDER EXTENSION
//       formats every document of the folder with every formatting choice on, stores
//       it as .ods, and prints the time of each document and the median
#include "BackendHost.h"
#include "CalcDesktop.h"
#include "CalcError.h"
#include "FormatDocumentCalc.h"
#include "FormatJob.h"
#include "OfficeDocuments.h"
#include "UnoOffice.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

namespace {

QTextStream out(stdout);

// Prints failures; everything else a window would show is of no interest here.
class BenchHost : public BackendHost
{
public:
    QString message(int number) const override { return QStringLiteral("message %1").arg(number); }
    void showMessage(const QString &text, MessageIcon) override { out << "message: " << text << Qt::endl; }
    void writeLogLine(const QString &first, const QString &second) override
    {
        out << "failed: " << first << ' ' << second << Qt::endl;
    }
    void setProblemLogged() override { ++failures; }
    void reportProgress(int, int, ProgressWording) override {}
    QueryResults &queryResults() override { return results; }
    int maxScanColumns() const override { return 256; }
    void setSheetNumberItems(int) override {}
    void clearSheetNumberSelection() override {}
    void setPatternSheetName(const QString &) override {}
    void clearPatternFileField() override {}
    void chooseAutoWidths() override {}
    void restartPatternChoice() override {}

    QueryResults results;
    int failures = 0;
};

FormatJob everyChoice()
{
    FormatJob job;
    FormatSet &set = job.set;
    set.Orientation = 1;
    set.FontAsIs = false;
    set.FontName = QStringLiteral("Liberation Sans");
    set.FontSize = QStringLiteral("11");
    set.InterLeave = 1;
    set.InterLeaveColor = 0x00F0E0D0;
    set.WordWrap = true;
    set.Borders = true;
    set.FName = true;
    set.BoldLeftFirst = set.BoldLastRight = set.BoldTopLine = set.BoldLastLine = true;
    set.PageNumeration = true;
    job.saveAs.Office = 1;
    job.saveAs.Extension = 0;
    job.saveAs.SaveAs = 3;
    job.saveAs.calcFilter = CalcFilter{QStringLiteral("calc8"), QString(), QStringLiteral(".ods")};
    return job;
}

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
    const QString filter = extension == QLatin1String("ods") ? QStringLiteral("calc8") : QStringLiteral("MS Excel 97");
    for (int i = 1; i <= count; ++i)
        OfficeDocuments::make(office, folder.filePath(QStringLiteral("doc%1.%2").arg(i, 3, 10, QLatin1Char('0')).arg(extension)),
                              {sheet}, filter);
    return 0;
}

int format(UnoOffice &office, const QStringList &args)
{
    const QDir folder(args.at(0));
    const QStringList files = folder.entryList({QStringLiteral("*.") + args.at(1)}, QDir::Files, QDir::Name);
    const FormatJob job = everyChoice();
    BenchHost host;
    QElapsedTimer start;
    start.start();
    office.createDesktop();   // the office start is timed apart from the documents
    const qint64 startup = start.elapsed();
    QList<double> times;
    int position = 0;
    for (const QString &file : files) {
        QElapsedTimer timer;
        timer.start();
        FormatDocumentCalc(office, folder.filePath(file), 0, ++position, int(files.size()), job, host);
        times.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    const double median = times.isEmpty() ? 0 : times.at(times.size() / 2);
    double total = 0;
    for (double t : times)
        total += t;
    out << "office start: " << startup << " ms" << Qt::endl;
    out << "documents: " << times.size() << ", failures: " << host.failures << Qt::endl;
    out << "per document: median " << QString::number(median, 'f', 1) << " ms, min "
        << QString::number(times.value(0), 'f', 1) << " ms, max " << QString::number(times.value(times.size() - 1), 'f', 1)
        << " ms, total " << QString::number(total, 'f', 0) << " ms" << Qt::endl;
    return host.failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || (args.at(0) == QLatin1String("make") && args.size() < 6)) {
        out << "usage: tablevane_calc_bench make FOLDER COUNT ROWS COLUMNS EXTENSION\n"
               "       tablevane_calc_bench format FOLDER EXTENSION"
            << Qt::endl;
        return 2;
    }
    const QString command = args.takeFirst();
    try {
        UnoOffice office;
        return command == QLatin1String("make") ? make(office, args) : format(office, args);
    } catch (const CalcError &e) {
        out << "office failure: " << e.message() << Qt::endl;
        return 1;
    }
}
