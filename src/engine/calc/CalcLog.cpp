#include "CalcLog.h"

Q_LOGGING_CATEGORY(lcCalc, "tablevane.calc", QtWarningMsg)
