#pragma once

#include <QString>

// Why an office's store of a result failed, in words a user can act on rather than
// the office's own error text.
namespace StoreFailure {

// resultPath: where the office was writing.
QString reason(const QString &resultPath);

} // namespace StoreFailure
