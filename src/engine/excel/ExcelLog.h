#pragma once

#include <QLoggingCategory>

// Diagnostics of the Excel back-end for developers (why a document failed); what the
// user sees goes through the host.
Q_DECLARE_LOGGING_CATEGORY(lcExcel)
