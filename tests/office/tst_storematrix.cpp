#include "BatchRunner.h"
#include "CalcBackend.h"
#include "FakeDetectionPort.h"
#include "FakeFontPort.h"
#include "OfficeBackends.h"
#include "OfficeDocuments.h"
#include "PreferencesModel.h"
#include "SaveAsTables.h"
#include "UnoOffice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

// Every way a user can point a store at a document, through the real office and the
// whole batch: each kind of document, each document kind the preferences choose, each
// save-as format the installed office writes, with and without a file in the way, as a
// folder run and as one-document runs. The expected outcome of every cell follows from
// the store's rules alone (below), never from what the program did:
// - a document is stored over itself only in its own format (.xls as MS Excel 97, .ods
//   as OpenDocument, .xlsx as Excel 2007-365);
// - any other result goes beside it under the format's extension, and a file already
//   there (the document itself, where the name is its own) is in the trash, byte for
//   byte;
// - a document that cannot be formatted (text named .xls, an empty file) is left as it
//   was, with its reason in the log, and its run does not exit 0;
// - nothing else in the folder changes, and no file is left behind.
namespace {

struct Kind
{
    QString name;        // the document's file name
    QString ownFormat;   // the format it is, by content: a save-as position, or -1
    int ownEntry = -1;
    bool formattable = true;
};

const QList<Kind> &kinds()
{
    static const QList<Kind> list = {
        {QStringLiteral("k-xls.xls"), QStringLiteral("xls"), 7, true},
        {QStringLiteral("k-ods.ods"), QStringLiteral("ods"), 3, true},
        {QStringLiteral("k-xlsx.xlsx"), QStringLiteral("xlsx"), 21, true},
        {QStringLiteral("k-html.xls"), QStringLiteral("html"), -1, true},
        {QStringLiteral("k-csv.xls"), QStringLiteral("csv"), -1, false},
        {QStringLiteral("k-empty.xls"), QStringLiteral("empty"), -1, false},
    };
    return list;
}

// The formats the office writes for any document here. Of the others (Excel 2003 XML,
// dBase, DIF, SYLK, UOF) LibreOffice 7.4 refuses some documents, an .xls among them:
// such a document must then fail with that reason and stay as it was.
const QSet<int> kAlwaysWritten = {2, 3, 7, 8, 16, 17, 19, 21, 22};
const QString kStoreRefused = QStringLiteral("can`t process document: the office could not write the document in the chosen format");

const QStringList kExtensions = {QStringLiteral("xls"), QStringLiteral("ods"), QStringLiteral("xlsx")};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16);
}

// Every file below a folder (hidden ones too) by its path relative to it, with its hash.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), it.fileInfo().isDir() ? QByteArray("<folder>") : hashOf(readAll(path)));
    }
    return files;
}

QString replacedExtension(const QString &name, const QString &extension)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (name.mid(dot).compare(extension, Qt::CaseInsensitive) == 0)
        return name;
    return name.left(dot) + extension;
}

// What the bytes of a result in a format start with or contain, by the format alone.
bool looksLike(const QByteArray &bytes, const QString &extension)
{
    if (bytes.isEmpty())
        return false;
    if (extension == QLatin1String(".xls") || extension == QLatin1String(".xlt"))
        return bytes.startsWith("\xD0\xCF\x11\xE0");
    if (extension == QLatin1String(".ods") || extension == QLatin1String(".ots"))
        return bytes.startsWith("PK") && bytes.contains("application/vnd.oasis.opendocument.spreadsheet");
    if (extension == QLatin1String(".xlsx"))
        return bytes.startsWith("PK") && bytes.contains("xl/workbook.xml");
    if (extension == QLatin1String(".xml"))
        return bytes.contains("urn:schemas-microsoft-com:office:spreadsheet");
    if (extension == QLatin1String(".pdf"))
        return bytes.startsWith("%PDF");
    if (extension == QLatin1String(".dif"))
        return bytes.startsWith("TABLE");
    if (extension == QLatin1String(".slk"))
        return bytes.startsWith("ID;");
    if (extension == QLatin1String(".csv") || extension == QLatin1String(".html"))
        return bytes.contains("Count");
    return true;   // dBase, UOF: any bytes the office wrote
}

} // namespace

class TestStoreMatrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyCombinationKeepsTheRules();

private:
    struct Config
    {
        int extension = 0;    // the preferences' document kind
        int entry = 0;        // the save-as position
        bool inTheWay = false;
    };
    void runConfig(const Config &config);
    QString prepare(const QString &folder, const Config &config, const QList<Kind> &documents);
    void verifyRun(const QString &folder, const Config &config, const QList<Kind> &documents,
                   const QMap<QString, QByteArray> &before, int exitCode, const QString &label);
    int runBatch(const QString &path);

    QTemporaryDir m_dir;
    std::unique_ptr<UnoOffice> m_office;
    std::unique_ptr<CalcBackend> m_backend;
    FakeDetectionPort m_detection;
    FakeFontPort m_fonts{{QStringLiteral("Liberation Sans")}};
    QMap<QString, QByteArray> m_sources;   // kind name -> bytes
    QList<int> m_entries;                  // the save-as positions the office writes
    SaveAsTables m_tables;
    int m_ansi = -1;
    int m_cells = 0;
};

void TestStoreMatrix::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.calc.warning=false"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    m_office = std::make_unique<UnoOffice>();
    TABLEVANE_REQUIRE_OFFICE(*m_office);
    m_backend = std::make_unique<CalcBackend>(*m_office);
    m_detection.registered = {QStringLiteral("com.sun.star.ServiceManager")};
    m_detection.exportFilters = m_office->exportFilters();

    const QString sources = m_dir.filePath(QStringLiteral("sources"));
    QVERIFY(QDir().mkpath(sources));
    const QList<OfficeDocuments::Sheet> table = {OfficeDocuments::table(QStringLiteral("Data"), 3)};
    const QMap<QString, QString> filters = {{QStringLiteral("k-xls.xls"), QStringLiteral("MS Excel 97")},
                                            {QStringLiteral("k-ods.ods"), QStringLiteral("calc8")},
                                            {QStringLiteral("k-xlsx.xlsx"), QStringLiteral("Calc MS Excel 2007 XML")}};
    for (auto it = filters.cbegin(); it != filters.cend(); ++it) {
        OfficeDocuments::make(*m_office, sources + QLatin1Char('/') + it.key(), table, it.value());
        m_sources.insert(it.key(), readAll(sources + QLatin1Char('/') + it.key()));
    }
    m_sources.insert(QStringLiteral("k-html.xls"),
                     "<html><body><table><tr><td>Name</td><td>Count</td></tr>"
                     "<tr><td>a</td><td>1</td></tr><tr><td>b</td><td>2</td></tr></table></body></html>\n");
    m_sources.insert(QStringLiteral("k-csv.xls"), "Name,Count\r\na,1\r\nb,2\r\n");
    m_sources.insert(QStringLiteral("k-empty.xls"), QByteArray());

    PreferencesModel preferences;
    OfficeDetectionResult found;
    found.CalcInstalled = true;
    found.CalcExportFilters = m_detection.exportFilters;
    preferences.create(found);
    preferences.setOffice(1);
    preferences.BuildSaveAsTables();
    for (int position = 0; position < preferences.saveAsItems().size(); ++position) {
        if (preferences.saveAsAvailable(position))
            m_entries.append(position);
    }
    QVERIFY2(m_entries.size() >= 10, qPrintable(QString::number(m_entries.size())));
    m_tables.BuildSaveAsTables(0, false);
    m_tables.BuildCharsetTable();
    for (int position = 0; m_tables.charsetTokenAt(position); ++position) {
        if (*m_tables.charsetTokenAt(position) == QLatin1String("ANSI"))
            m_ansi = position;
    }
    QVERIFY(m_ansi >= 0);
}

void TestStoreMatrix::cleanupTestCase()
{
    m_backend.reset();
    m_office.reset();
}

int TestStoreMatrix::runBatch(const QString &path)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    BatchRunner batch(OfficeBackends{nullptr, m_backend.get()}, m_fonts, m_detection, outStream, errStream);
    BatchRunner::Options options;
    options.path = path;
    return batch.run(options);
}

QString TestStoreMatrix::prepare(const QString &folder, const Config &config, const QList<Kind> &documents)
{
    QDir().mkpath(folder);
    const QString extension = m_tables.calcFilterAt(config.entry)->extension;
    for (const Kind &kind : documents) {
        writeAll(folder + QLatin1Char('/') + kind.name, m_sources.value(kind.name));
        const QString target = replacedExtension(kind.name, extension);
        if (config.inTheWay && target != kind.name)
            writeAll(folder + QLatin1Char('/') + target, "the user's own " + target.toUtf8());
    }
    return extension;
}

void TestStoreMatrix::everyCombinationKeepsTheRules()
{
    QElapsedTimer timer;
    timer.start();
    for (int extension = 0; extension < 3; ++extension) {
        for (const int entry : std::as_const(m_entries)) {
            for (const bool inTheWay : {false, true}) {
                runConfig(Config{extension, entry, inTheWay});
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }
    qInfo("%d cells in %lld s", m_cells, timer.elapsed() / 1000);
}

void TestStoreMatrix::runConfig(const Config &config)
{
    const QString base = m_dir.filePath(QStringLiteral("e%1-s%2-%3").arg(config.extension).arg(config.entry).arg(config.inTheWay));
    QFile ini(m_dir.filePath(QStringLiteral("config/Tablevane/Tablevane.ini")));
    QDir().mkpath(QFileInfo(ini).path());
    QVERIFY(writeAll(ini.fileName(), QStringLiteral("[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=%1\r\n[Save as]\r\n"
                                                    "Save as=%2\r\nCoding=%3\r\n")
                                         .arg(config.extension).arg(config.entry).arg(m_ansi).toUtf8()));

    // A folder run takes the documents of the chosen kind: the files in the way of
    // another document's result among them (text, which no office formats).
    const QString folder = base + QStringLiteral("/folder");
    prepare(folder, config, kinds());
    QList<Kind> listed;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.") + kExtensions.at(config.extension)}, QDir::Files);
    for (const QString &name : names) {
        const auto known = std::find_if(kinds().cbegin(), kinds().cend(), [&](const Kind &kind) { return kind.name == name; });
        listed.append(known != kinds().cend() ? *known : Kind{name, QStringLiteral("text"), -1, false});
    }
    const QMap<QString, QByteArray> before = snapshot(folder);
    const int folderExit = runBatch(folder);
    verifyRun(folder, config, listed, before, folderExit, QStringLiteral("folder run ") + base);

    // One-document runs take any of them.
    for (const Kind &kind : kinds()) {
        const QString single = base + QStringLiteral("/one-") + kind.ownFormat;
        prepare(single, config, {kind});
        const QMap<QString, QByteArray> was = snapshot(single);
        const int exitCode = runBatch(single + QLatin1Char('/') + kind.name);
        verifyRun(single, config, {kind}, was, exitCode, QStringLiteral("one document ") + single);
        if (QTest::currentTestFailed())
            return;
    }
    QDir(base).removeRecursively();
}

void TestStoreMatrix::verifyRun(const QString &folder, const Config &config, const QList<Kind> &documents,
                                const QMap<QString, QByteArray> &before, int exitCode, const QString &label)
{
    const QString extension = m_tables.calcFilterAt(config.entry)->extension;
    const QString trash = m_dir.filePath(QStringLiteral("data/Trash"));
    const QMap<QString, QByteArray> trashed = snapshot(trash + QStringLiteral("/files"));
    const QString log = QString::fromUtf8(readAll(m_dir.filePath(QStringLiteral("config/Tablevane/Tablevane.log"))));
    const QString where = label + QStringLiteral(": ");
    QMap<QString, QByteArray> expected = before;   // what the folder must hold afterwards
    QList<QByteArray> expectedInTrash;
    QStringList formatted;
    bool allFormatted = true;
    for (const Kind &kind : documents) {
        ++m_cells;
        const QString target = replacedExtension(kind.name, extension);
        const bool refusedByOffice = kind.formattable && !kAlwaysWritten.contains(config.entry)
            && log.contains(folder + QLatin1Char('/') + kind.name + QLatin1Char(' ') + kStoreRefused);
        if (!kind.formattable || refusedByOffice) {
            allFormatted = false;
            QVERIFY2(log.contains(folder + QLatin1Char('/') + kind.name + QStringLiteral(" can`t process document: ")),
                     qPrintable(where + kind.name + QStringLiteral(" failed without its reason: ") + log));
            continue;
        }
        formatted.append(target);
        if (target == kind.name && kind.ownEntry != config.entry)
            expectedInTrash.append(before.value(kind.name));   // the document itself was in the way
        else if (target != kind.name && before.contains(target))
            expectedInTrash.append(before.value(target));
        expected.remove(target);
    }
    const QMap<QString, QByteArray> after = snapshot(folder);
    // Exactly the expected files, the untouched ones byte for byte.
    QStringList names = expected.keys() + formatted;
    names.sort();
    names.removeDuplicates();
    QVERIFY2(after.keys() == names, qPrintable(where + after.keys().join(QLatin1Char(' ')) + QStringLiteral(" / expected ")
                                              + names.join(QLatin1Char(' ')) + QStringLiteral(" / log: ")
                                              + QString::fromUtf8(readAll(m_dir.filePath(QStringLiteral("config/Tablevane/Tablevane.log"))))));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(where + it.key() + QStringLiteral(" changed")));
    for (const QString &result : std::as_const(formatted)) {
        QVERIFY2(looksLike(readAll(folder + QLatin1Char('/') + result), extension),
                 qPrintable(where + result + QStringLiteral(" is no ") + extension));
    }
    QList<QByteArray> inTrash = trashed.values();
    std::sort(inTrash.begin(), inTrash.end());
    std::sort(expectedInTrash.begin(), expectedInTrash.end());
    QVERIFY2(inTrash == expectedInTrash, qPrintable(where + QStringLiteral("the trash holds %1 files, %2 expected")
                                                                 .arg(inTrash.size()).arg(expectedInTrash.size())));
    QDir(trash).removeRecursively();
    const int wanted = documents.isEmpty() ? BatchRunner::NothingStarted
                                           : allFormatted ? BatchRunner::AllDone : BatchRunner::SomeFailed;
    QVERIFY2(exitCode == wanted, qPrintable(where + QStringLiteral("exit %1, %2 expected").arg(exitCode).arg(wanted)));
}

QTEST_GUILESS_MAIN(TestStoreMatrix)
#include "tst_storematrix.moc"
