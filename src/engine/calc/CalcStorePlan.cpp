#include "CalcStorePlan.h"

#include "CalcError.h"
#include "CalcPaths.h"
#include "SaveAsChoice.h"

namespace {

QString charsetToken(const SaveAsChoice &saveAs)
{
    if (!saveAs.charsetToken || saveAs.charsetToken->isEmpty())
        throw CalcError(QStringLiteral("no character set chosen for the filter options"));
    return *saveAs.charsetToken;
}

} // namespace

CalcStorePlan CalcStorePlan::make(const QString &path, const SaveAsChoice &saveAs)
{
    if (!saveAs.calcFilter)
        throw CalcError(QStringLiteral("no save-as format chosen"));
    CalcStorePlan plan;
    plan.targetPath = CalcPaths::targetPath(path, saveAs.calcFilter->extension);
    plan.args.filterName = SaveAsTables::calcExportFilterName(saveAs.SaveAs, *saveAs.calcFilter);
    if (saveAs.SaveAs == DBaseEntry)
        plan.args.filterOptions = charsetToken(saveAs);
    else if (saveAs.SaveAs == DifEntry && saveAs.charsetToken && !saveAs.charsetToken->isEmpty())
        plan.args.filterOptions = *saveAs.charsetToken;   // without one, the office's default
    else if (saveAs.SaveAs == TextCsvEntry)
        plan.args.filterOptions = csvOptions(saveAs);
    return plan;
}

QString CalcStorePlan::csvOptions(const SaveAsChoice &saveAs)
{
    QString field;
    if (saveAs.FixedWidth) {
        field = QStringLiteral("FIX");
    } else {
        if (!saveAs.fieldDelimiterCode)
            throw CalcError(QStringLiteral("no field delimiter chosen"));
        field = QString::number(*saveAs.fieldDelimiterCode);
    }
    if (!saveAs.textDelimiterCode)
        throw CalcError(QStringLiteral("no text delimiter chosen"));
    return field + QLatin1Char(',') + QString::number(*saveAs.textDelimiterCode) + QLatin1Char(',')
        + charsetToken(saveAs) + QStringLiteral(",1");
}
