#include "OfficeServices.h"

#ifdef TABLEVANE_WITH_UNO
#include "CalcBackend.h"
#include "UnoOffice.h"
#endif

struct OfficeServices::Impl
{
#ifdef TABLEVANE_WITH_UNO
    UnoOffice office;
    CalcBackend calc{office};
#endif
};

OfficeServices::OfficeServices()
    : m_impl(std::make_unique<Impl>())
{
}

OfficeServices::~OfficeServices()
{
    shutdown();
}

OfficeBackends OfficeServices::backends() const
{
#ifdef TABLEVANE_WITH_UNO
    return OfficeBackends{nullptr, &m_impl->calc};
#else
    return {};
#endif
}

bool OfficeServices::sofficeFound() const
{
#ifdef TABLEVANE_WITH_UNO
    return m_impl->office.available();
#else
    return false;
#endif
}

bool OfficeServices::calcStartTest()
{
#ifdef TABLEVANE_WITH_UNO
    return m_impl->office.calcStartTest();
#else
    return false;
#endif
}

QStringList OfficeServices::calcExportFilters()
{
#ifdef TABLEVANE_WITH_UNO
    return m_impl->office.exportFilters();
#else
    return {};
#endif
}

void OfficeServices::startEarly()
{
#ifdef TABLEVANE_WITH_UNO
    m_impl->office.startEarly();
#endif
}

qint64 OfficeServices::remoteCalls() const
{
#ifdef TABLEVANE_WITH_UNO
    return m_impl->office.remoteCalls();
#else
    return 0;
#endif
}

void OfficeServices::shutdown()
{
#ifdef TABLEVANE_WITH_UNO
    m_impl->office.shutdown();
#endif
}
