#include "ExcelLog.h"

Q_LOGGING_CATEGORY(lcExcel, "tablevane.excel", QtWarningMsg)
