#pragma once

#include <QString>

#include <system_error>

// Why an office's store of a result failed, in words a user can act on rather than
// the office's own error text.
namespace StoreFailure {

// resultPath: where the office was writing.
QString reason(const QString &resultPath);
// A failure of the file system in the same words.
QString reasonOf(const std::error_code &error);

} // namespace StoreFailure
