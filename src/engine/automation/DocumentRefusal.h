#pragma once

#include <stdexcept>
#include <string>

// A document the Excel or Word operations will not treat or store, for a reason its
// user can act on (it is read-only, open elsewhere, read only as plain text, or a file
// in the way cannot be moved aside). what() is the reason in UTF-8, for the log line.
class DocumentRefusal : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
