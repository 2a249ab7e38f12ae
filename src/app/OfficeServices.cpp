#include "OfficeServices.h"

struct OfficeServices::Impl
{
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
    return {};
}

bool OfficeServices::sofficeFound() const
{
    return false;
}

bool OfficeServices::calcStartTest()
{
    return false;
}

void OfficeServices::shutdown()
{
}
