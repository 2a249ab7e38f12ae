#include "AutomationError.h"

#include <utility>

AutomationError::AutomationError(std::string member, std::string description)
    : m_member(std::move(member))
    , m_description(std::move(description))
    , m_what(m_member + ": " + m_description)
{
}
