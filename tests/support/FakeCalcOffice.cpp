#include "FakeCalcOffice.h"

#include "CalcDesktop.h"
#include "CalcDocument.h"
#include "CalcError.h"
#include "CalcPaths.h"
#include "FakeCalcDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

namespace {

class FakeCalcDesktop : public CalcDesktop
{
public:
    explicit FakeCalcDesktop(FakeCalcOffice &office)
        : m_office(office)
    {
        ++m_office.desktopsAlive;
        ++m_office.desktopsCreated;
    }
    ~FakeCalcDesktop() override { --m_office.desktopsAlive; }

    std::unique_ptr<CalcDocument> loadComponentFromUrl(const QString &url) override
    {
        m_office.check(QStringLiteral("load"));
        m_office.loadedUrls.append(url);
        if (url == QLatin1String("private:factory/scalc"))
            return std::make_unique<FakeCalcDocument>(m_office, url, FakeCalcWorkbook::ods());
        const std::optional<FakeCalcWorkbook> book = m_office.read(url);
        if (!book)
            throw CalcError(QStringLiteral("no file at ") + url);
        if (book->loadFilter.isEmpty())
            return nullptr;
        return std::make_unique<FakeCalcDocument>(m_office, url, *book);
    }

private:
    FakeCalcOffice &m_office;
};

} // namespace

std::unique_ptr<CalcDesktop> FakeCalcOffice::createDesktop()
{
    check(QStringLiteral("createDesktop"));
    return std::make_unique<FakeCalcDesktop>(*this);
}

namespace {

const QByteArray StandIn = "FAKE-WORKBOOK ";

// The number a stand-in file names; nothing for a file that is none.
std::optional<int> standInNumber(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(64);
    if (!bytes.startsWith(StandIn))
        return std::nullopt;
    return bytes.mid(StandIn.size()).trimmed().toInt();
}

} // namespace

QString FakeCalcOffice::addFile(const QString &path, const FakeCalcWorkbook &workbook)
{
    const QString url = CalcPaths::documentUrl(path);
    // A stand-in of another office (a test's earlier run) is replaced.
    if (QFileInfo::exists(path) && !standInNumber(path))
        disk.insert(url, workbook);
    else
        write(url, workbook);
    return url;
}

void FakeCalcOffice::write(const QString &url, const FakeCalcWorkbook &workbook)
{
    disk.insert(url, workbook);
    const QString path = QUrl(url).toLocalFile();
    if (!QFileInfo(path).absoluteDir().exists())
        return;
    written.append(workbook);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(StandIn + QByteArray::number(written.size() - 1) + '\n');
}

std::optional<FakeCalcWorkbook> FakeCalcOffice::read(const QString &url) const
{
    if (const std::optional<int> number = standInNumber(QUrl(url).toLocalFile()))
        return written.value(*number);
    const auto it = disk.constFind(url);
    if (it == disk.constEnd())
        return std::nullopt;
    return *it;
}

bool FakeCalcOffice::hasFile(const QString &path) const
{
    return QFileInfo::exists(path) || disk.contains(CalcPaths::documentUrl(path));
}

FakeCalcWorkbook FakeCalcOffice::file(const QString &path) const
{
    const std::optional<FakeCalcWorkbook> book = read(CalcPaths::documentUrl(path));
    if (!book) {
        qWarning("FakeCalcOffice: no file %s", qPrintable(path));
        return {};
    }
    return *book;
}

void FakeCalcOffice::check(const QString &call) const
{
    if (beforeCall)
        beforeCall(call);
    if (!failOn.contains(call))
        return;
    if (beforeFailing)
        beforeFailing(call);
    throw CalcError(QStringLiteral("simulated failure of ") + call);
}

bool FakeCalcOffice::exportFilterRegistered(const QString &name)
{
    // The export filters LibreOffice 7.4 takes; the others of the save-as table are
    // refused by it.
    static const QStringList registered = {
        QStringLiteral("MS Excel 2003 XML"), QStringLiteral("dBase"),
        QStringLiteral("calc8_template"), QStringLiteral("calc8"), QStringLiteral("DIF"),
        QStringLiteral("MS Excel 97"), QStringLiteral("MS Excel 97 Vorlage/Template"),
        QStringLiteral("SYLK"), QStringLiteral("Text - txt - csv (StarCalc)"),
        QStringLiteral("HTML (StarCalc)"), QStringLiteral("calc_pdf_Export"),
        QStringLiteral("UOF spreadsheet"), QStringLiteral("Calc MS Excel 2007 XML"),
        QStringLiteral("Calc Office Open XML")};
    return registered.contains(name);
}
