#include "CalcStartTest.h"

#include "CalcDesktop.h"
#include "CalcDocument.h"
#include "CalcLog.h"
#include "CalcOffice.h"

bool CalcStartTest(CalcOffice &office)
{
    try {
        const std::unique_ptr<CalcDesktop> desktop = office.createDesktop();
        if (!desktop)
            return false;
        const std::unique_ptr<CalcDocument> document =
            desktop->loadComponentFromUrl(QStringLiteral("private:factory/scalc"));
        if (!document)
            return false;
        document->close();
        return true;
    } catch (const std::exception &e) {
        qCWarning(lcCalc) << "the Calc start test failed:" << e.what();
        return false;
    }
}
