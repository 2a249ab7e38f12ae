#include "FormatJob.h"

#include "FormatSetModel.h"
#include "PreferencesModel.h"

FormatJob FormatJob::snapshot(const FormatSetModel &formatSet, const PreferencesModel &preferences)
{
    FormatJob job;
    job.set = formatSet.set();
    job.saveAs = preferences.saveAsChoice();
    job.maxScanColumns = preferences.maxScanColumns();
    job.maxScanRows = preferences.maxScanRows();
    job.patternWidths = formatSet.results().PatternWidths;
    job.patternColumnCount = formatSet.results().PatternColumnCount;
    return job;
}
