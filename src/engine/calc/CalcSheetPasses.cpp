#include "CalcSheetPasses.h"

#include "CalcError.h"
#include "CalcFilterFamily.h"
#include "CalcPaths.h"
#include "CalcStorePlan.h"
#include "FormatJob.h"

QString CalcSheetPasses::fileToOpen(const QString &path, int sheetIndex, const FormatJob &job)
{
    const QString target = separateTarget(path, job);
    const bool continues = !target.isEmpty() && sheetIndex > 0 && path == m_source && target == m_target
        && sheetIndex == m_nextSheet;
    if (!continues)
        m_targetWritten = false;
    m_source = target.isEmpty() ? QString() : path;
    m_target = target;
    m_nextSheet = sheetIndex + 1;
    return m_targetWritten ? m_target : path;
}

void CalcSheetPasses::passEnded(bool stored)
{
    if (!m_target.isEmpty())
        m_targetWritten = m_targetWritten || stored;
}

QString CalcSheetPasses::separateTarget(const QString &path, const FormatJob &job)
{
    if (!job.set.ApplyForAll)
        return {};
    try {
        const CalcStorePlan plan = CalcStorePlan::make(path, job.saveAs);
        // Text and other one-sheet formats cannot carry the other sheets' formatting.
        if (plan.inPlace || plan.targetPath == path
            || !CalcFilterFamily::keepsEverySheet(CalcPaths::extension(plan.targetPath)))
            return {};
        return plan.targetPath;
    } catch (const CalcError &) {
        return {};   // the store itself will fail and report it
    }
}
