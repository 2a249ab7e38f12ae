#pragma once

#include <optional>
#include <string>

class ExcelOffice;

// The Excel check of the office detection: starts Excel with alerts and input off,
// reads its version text and quits it. Nothing when any of it fails.
std::optional<std::wstring> ExcelPresenceCheck(ExcelOffice &excel);
