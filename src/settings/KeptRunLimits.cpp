#include "KeptRunLimits.h"

#include "IniFile.h"

namespace {

const QString kSection = QStringLiteral("Undo");
const QString kKeep = QStringLiteral("KeepOriginals");
const QString kRuns = QStringLiteral("KeptRuns");
const QString kMegabytes = QStringLiteral("KeptMegabytes");

int bounded(int value, int minimum, int maximum, int defaultValue)
{
    return value < minimum || value > maximum ? defaultValue : value;
}

} // namespace

KeptRunLimits KeptRunLimits::read(const IniFile &ini)
{
    KeptRunLimits limits;
    limits.keepOriginals = ini.readBool(kSection, kKeep, limits.keepOriginals);
    limits.runs = bounded(ini.readInteger(kSection, kRuns, limits.runs), MinRuns, MaxRuns, limits.runs);
    limits.megabytes =
        bounded(ini.readInteger(kSection, kMegabytes, limits.megabytes), MinMegabytes, MaxMegabytes, limits.megabytes);
    return limits;
}

void KeptRunLimits::write(IniFile &ini) const
{
    ini.writeBool(kSection, kKeep, keepOriginals);
    ini.writeInteger(kSection, kRuns, runs);
    ini.writeInteger(kSection, kMegabytes, megabytes);
}
