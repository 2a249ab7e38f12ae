#include "QueryReports.h"

#include "BackendHost.h"

namespace QueryReports {

namespace {

constexpr int CantLoadFile = 26;
constexpr int EmptyPatternSheet = 32;
constexpr int ChooseAnotherPattern = 33;

} // namespace

void showLoadMessage(BackendHost &host)
{
    host.showMessage(host.message(CantLoadFile), MessageIcon::Error);
}

void reportEmptyPattern(BackendHost &host)
{
    host.showMessage(host.message(EmptyPatternSheet) + QLatin1Char('\n') + host.message(ChooseAnotherPattern),
                     MessageIcon::Warning);
    host.setPatternSheetName(QString());
    host.clearSheetNumberSelection();
    if (host.queryResults().SheetCount == 1) {
        host.clearPatternFileField();
        host.setSheetNumberItems(0);
        host.restartPatternChoice();
    }
}

} // namespace QueryReports
