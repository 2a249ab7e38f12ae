#include "FakeCalcOffice.h"

#include "CalcDesktop.h"
#include "CalcDocument.h"
#include "CalcError.h"
#include "CalcPaths.h"
#include "FakeCalcDocument.h"

#include <QTest>

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
        const auto it = m_office.disk.constFind(url);
        if (it == m_office.disk.constEnd())
            throw CalcError(QStringLiteral("no file at ") + url);
        if (it->loadFilter.isEmpty())
            return nullptr;
        return std::make_unique<FakeCalcDocument>(m_office, url, *it);
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

QString FakeCalcOffice::addFile(const QString &path, const FakeCalcWorkbook &workbook)
{
    const QString url = CalcPaths::documentUrl(path);
    disk.insert(url, workbook);
    return url;
}

bool FakeCalcOffice::hasFile(const QString &path) const
{
    return disk.contains(CalcPaths::documentUrl(path));
}

FakeCalcWorkbook FakeCalcOffice::file(const QString &path) const
{
    const QString url = CalcPaths::documentUrl(path);
    if (!disk.contains(url)) {
        qWarning("FakeCalcOffice: no file %s", qPrintable(url));
        return {};
    }
    return disk.value(url);
}

void FakeCalcOffice::check(const QString &call) const
{
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
        QStringLiteral("UOF spreadsheet")};
    return registered.contains(name);
}
