#pragma once

#include <exception>
#include <string>

// A failed call on an automation surface (Excel, Word). Every implementation of a
// surface turns its own failures into this type. member names the call that failed,
// such as "Workbooks.Open", so that a diagnostic says where a document stopped.
class AutomationError : public std::exception
{
public:
    // description in UTF-8.
    AutomationError(std::string member, std::string description);

    const std::string &member() const { return m_member; }
    const std::string &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    std::string m_member;
    std::string m_description;
    std::string m_what;
};
