#include "FakeCalcDocument.h"

#include "CalcError.h"
#include "FakeCalcOffice.h"
#include "FakeCalcPageStyle.h"
#include "FakeCalcSheet.h"

FakeCalcDocument::FakeCalcDocument(FakeCalcOffice &office, const QString &url,
                                   const FakeCalcWorkbook &book)
    : m_office(office)
    , m_url(url)
    , m_book(book)
{
    ++m_office.documentsOpen;
}

FakeCalcDocument::~FakeCalcDocument()
{
    // A document dropped without Close stays open in the office: documentsOpen shows it.
}

FakeCalcWorkbook &FakeCalcDocument::book(const QString &call)
{
    m_office.check(call);
    if (!m_open)
        throw CalcError(QStringLiteral("the document is closed"));
    return m_book;
}

QString FakeCalcDocument::filterName()
{
    return book(QStringLiteral("filterName")).loadFilter;
}

int FakeCalcDocument::sheetCount()
{
    return int(book(QStringLiteral("sheetCount")).sheets.size());
}

QStringList FakeCalcDocument::sheetNames()
{
    QStringList names;
    for (const FakeCalcSheetData &sheet : book(QStringLiteral("sheetNames")).sheets)
        names.append(sheet.name);
    return names;
}

std::unique_ptr<CalcSheet> FakeCalcDocument::sheet(int index)
{
    if (index < 0 || index >= book(QStringLiteral("sheet")).sheets.size())
        throw CalcError(QStringLiteral("no sheet at index %1").arg(index));
    return std::make_unique<FakeCalcSheet>(*this, index);
}

int FakeCalcDocument::pageStyleCount()
{
    return int(book(QStringLiteral("pageStyle")).pageStyles.size());
}

std::unique_ptr<CalcPageStyle> FakeCalcDocument::pageStyle(int index)
{
    const FakeCalcWorkbook &workbook = book(QStringLiteral("pageStyle"));
    if (index < 0 || index >= workbook.pageStyles.size())
        throw CalcError(QStringLiteral("no page style at index %1").arg(index));
    return std::make_unique<FakeCalcPageStyle>(*this, workbook.pageStyles.at(index).name);
}

std::unique_ptr<CalcPageStyle> FakeCalcDocument::pageStyle(const QString &name)
{
    if (!book(QStringLiteral("pageStyle")).pageStyle(name))
        throw CalcError(QStringLiteral("no page style ") + name);
    return std::make_unique<FakeCalcPageStyle>(*this, name);
}

QString FakeCalcDocument::copyPageStyle(const QString &name)
{
    FakeCalcWorkbook &workbook = book(QStringLiteral("copyPageStyle"));
    const FakeCalcPageStyleData *original = workbook.pageStyle(name);
    if (!original)
        throw CalcError(QStringLiteral("no page style ") + name);
    FakeCalcPageStyleData copy = *original;
    for (int n = 2; workbook.pageStyle(copy.name = QStringLiteral("%1 (%2)").arg(name).arg(n)); ++n) {
    }
    workbook.pageStyles.append(copy);
    return copy.name;
}

void FakeCalcDocument::setRowHeightsLocked(bool locked)
{
    book(QStringLiteral("setRowHeightsLocked")).rowHeightsLocked = locked;
}

void FakeCalcDocument::storeToUrl(const QString &url, const CalcFilterArgs &args)
{
    FakeCalcWorkbook stored = book(QStringLiteral("storeToUrl"));
    if (!FakeCalcOffice::exportFilterRegistered(args.filterName))
        throw CalcError(QStringLiteral("no export filter ") + args.filterName);
    stored.storedWith = args;
    stored.loadFilter = args.filterName == QLatin1String("calc8") ? QStringLiteral("calc8")
                                                                  : args.filterName;
    m_office.write(url, stored);
    m_office.stores.append({m_url, url, false, args});
}

void FakeCalcDocument::store()
{
    FakeCalcWorkbook stored = book(QStringLiteral("store"));
    stored.storedWith = CalcFilterArgs{stored.loadFilter, std::nullopt};
    m_office.write(m_url, stored);
    m_office.stores.append({m_url, m_url, true, *stored.storedWith});
}

void FakeCalcDocument::close()
{
    book(QStringLiteral("close"));
    m_open = false;
    --m_office.documentsOpen;
}
