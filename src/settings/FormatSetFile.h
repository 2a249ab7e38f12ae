#pragma once

#include <QString>

#include <optional>

class FormatSetModel;
class IniFile;
class SetLoadHost;

// Set files (.tvx): every formatting choice but Borders, BoldTopLine, RepHeader and
// APAStyle, as ini text.
namespace FormatSetFile {

// Writes every key in its order; keys and sections the program does not know are
// kept. False when the file could not be written (the old file is then unchanged).
bool SaveFormatSet(const QString &path, const FormatSetModel &model);
// The same into ini text held in memory.
void SaveFormatSet(IniFile &ini, const FormatSetModel &model);

// Reads the file into the model in the loading order, showing the messages of a
// missing pattern file or a mismatching pattern sheet through the host. A file that is
// missing, cannot be read whole, holds none of a set file's sections, or holds a value
// out of its range (an orientation, a choice or a colour) or a font size that is no
// number is refused: false, the model untouched, and *refusal says why. Missing keys of a set file take
// their read defaults. The file itself is never changed.
bool LoadFormatSet(const QString &path, FormatSetModel &model, SetLoadHost &host, QString *refusal = nullptr);
// The same from ini text already read.
void LoadFormatSet(const IniFile &ini, FormatSetModel &model, SetLoadHost &host);

// The pattern file a set file chooses widths from when that file does not exist; the
// window then falls back to fitted widths after a message, a run nobody watches must
// not.
std::optional<QString> missingPatternFile(const QString &path);

} // namespace FormatSetFile
