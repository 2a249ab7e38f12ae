#include "FormatSetFile.h"

#include "FormatSetModel.h"
#include "IniFile.h"
#include "NoticeTable.h"
#include "SetLoadHost.h"

#include "TextLimits.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <array>

namespace {

// Section and key names of a set file.
const QString kOrientation = QStringLiteral("Orientation");
const QString kFont = QStringLiteral("Font");
const QString kInterLeave = QStringLiteral("InterLeave");
const QString kWidth = QStringLiteral("Width of columns");
const QString kAdditional = QStringLiteral("Additional");
const QString kApplyTo = QStringLiteral("ApplyTo");
const QString kRange = QStringLiteral("Range");
const std::array<QString, 7> kSections = {kOrientation, kFont, kInterLeave, kWidth, kAdditional, kApplyTo, kRange};

// Message-table entries of the loading messages.
enum Message {
    ChooseSheetFirst = 30,      // M4
    ChooseSheetSecond = 31,
    SheetNameFirst = 34,        // M1
    SheetNameSecond = 35,
    SheetMissingFirst = 36,     // M2
    SheetMissingSecond = 37,
    PatternMissingFirst = 38,   // M3
    PatternMissingSecond = 39,
};

// The keys whose values must lie in a range. A value outside it refuses the file rather
// than quietly turning into its default: a colour of -5 would colour every other row
// black, an orientation of 99 would leave every page as it is.
struct BoundedKey
{
    const QString &section;
    QString key;
    qint64 minimum;
    qint64 maximum;
};

const std::array<BoundedKey, 4> kBoundedKeys = {{
    {kOrientation, QStringLiteral("Orientation"), -1, 2},
    {kFont, QStringLiteral("Color"), 0, 0xFFFFFF},
    {kInterLeave, QStringLiteral("Type"), -1, 3},
    {kInterLeave, QStringLiteral("Color"), 0, 0xFFFFFF},
}};

// What the file holds that no window could have written, one reason each.
QStringList invalidValues(const IniFile &ini)
{
    QStringList problems;
    auto refuse = [&](const QString &key, const QString &text) {
        problems.append(NoticeTable::text(Notice::SetFileBadValue, {key, TextLimits::clip(text)}));
    };
    for (const BoundedKey &bounded : kBoundedKeys) {
        const QString text = ini.readString(bounded.section, bounded.key, QString()).trimmed();
        if (text.isEmpty())
            continue;   // a missing key takes its default
        // Read as the loader reads it (decimal or hex): a number reads the same
        // whatever the default.
        const int low = ini.readInteger(bounded.section, bounded.key, std::numeric_limits<int>::min());
        const int high = ini.readInteger(bounded.section, bounded.key, std::numeric_limits<int>::max());
        if (low != high || low < bounded.minimum || low > bounded.maximum)
            refuse(bounded.key, text);
    }
    // A size that is no number fails every document of a run.
    const QString size = ini.readString(kFont, QStringLiteral("Size"), QString()).trimmed();
    bool number = false;
    size.toInt(&number);
    if (!size.isEmpty() && !number)
        refuse(QStringLiteral("Size"), size);
    return problems;
}

const QString kLineBreak = QStringLiteral("\n");
const QString kBlankLine = QStringLiteral("\n\n");

// A choice stored as an integer: a value outside [minimum, maximum] is as unreadable
// as a non-number and takes the read default.
int readChoice(const IniFile &ini, const QString &section, const QString &key, int defaultValue, int minimum,
               int maximum)
{
    const int value = ini.readInteger(section, key, defaultValue);
    return (value < minimum || value > maximum) ? defaultValue : value;
}

// A colour is 0x00BBGGRR; anything with bits above the blue byte is not one.
quint32 readColor(const IniFile &ini, const QString &section, const QString &key, quint32 defaultValue)
{
    const int value = ini.readInteger(section, key, int(defaultValue));
    return (value < 0 || value > 0xFFFFFF) ? defaultValue : quint32(value);
}


void loadFont(const IniFile &ini, FormatSetModel &model)
{
    model.selectFontAt(ini.readInteger(kFont, QStringLiteral("Name"), 158));
    model.update([&](FormatSet &set) {
        set.FontSize = ini.readString(kFont, QStringLiteral("Size"), QStringLiteral("10"));
        set.Bold = ini.readBool(kFont, QStringLiteral("Bold"), false);
        set.Italic = ini.readBool(kFont, QStringLiteral("Italic"), false);
        // The font colour dialog starts from FontColor, so it follows this value.
        set.FontColor = readColor(ini, kFont, QStringLiteral("Color"), 0xFFFFFF);
        set.FontAsIs = ini.readBool(kFont, QStringLiteral("FontAsIs"), false);
    });
}

void loadInterleave(const IniFile &ini, FormatSetModel &model)
{
    // Setting the choice here does not run the interleave reaction, which could open
    // the colour dialog; the choice becomes the one a cancelled dialog returns to.
    const int type = readChoice(ini, kInterLeave, QStringLiteral("Type"), 0, -1, 3);
    model.setLastInterleaveChoice(type);
    model.update([&](FormatSet &set) {
        set.InterLeave = type;
        set.InterLeaveColor = readColor(ini, kInterLeave, QStringLiteral("Color"), 0);
    });
}

// "Auto" and "By pattern" are two radio buttons: checking Auto when it was off runs its
// reaction (the pattern is cleared), checking By pattern turns Auto off. A file with
// both off has no representation in the window, so it reads as Auto.
void loadWidthChoice(const IniFile &ini, FormatSetModel &model)
{
    const bool autoWidths = ini.readBool(kWidth, QStringLiteral("Auto"), true);
    const bool byPattern = ini.readBool(kWidth, QStringLiteral("ByPattern"), false);
    if (model.set().WidthByPattern && (autoWidths || !byPattern))
        model.chooseAutoWidths();
    if (byPattern)
        model.update([](FormatSet &set) { set.WidthByPattern = true; });
}

void loadPatternSheet(const IniFile &ini, FormatSetModel &model, SetLoadHost &host)
{
    const QString patternFile = model.set().PatternFile;
    host.querySheets(patternFile);
    const int sheetCount = host.queriedSheetCount();
    const int n = ini.readInteger(kWidth, QStringLiteral("Sheet number"), -1);

    // A number below 1 is never written; it means no sheet, like an empty value.
    if (n < 1) {
        model.update([](FormatSet &set) { set.PatternSheetName.clear(); });
        if (model.set().PatternSheet < 1 && sheetCount > 1)
            host.showMessage(host.message(ChooseSheetFirst) + kLineBreak + host.message(ChooseSheetSecond),
                             MessageIcon::Warning);
        return;
    }
    if (n > sheetCount) {
        host.showMessage(host.message(SheetMissingFirst) + QString::number(n) + QLatin1Char(',') + kLineBreak
                             + host.message(SheetMissingSecond),
                         MessageIcon::Error);
        return;
    }
    // The list only selects an item it holds; picking one reads that sheet's widths.
    if (n <= model.sheetItemCount()) {
        model.update([n](FormatSet &set) { set.PatternSheet = n; });
        host.patternSheetPicked(n);
    }
    const QString storedName = ini.readString(kWidth, QStringLiteral("Sheet name"), QString());
    model.update([&](FormatSet &set) { set.PatternSheetName = storedName; });
    const QString queriedName = host.queriedSheetName(n);
    if (storedName != queriedName)
        host.showMessage(host.message(SheetNameFirst) + kBlankLine + patternFile + kBlankLine
                             + host.message(SheetNameSecond) + kBlankLine + queriedName,
                         MessageIcon::Warning);
}

void loadPattern(const IniFile &ini, FormatSetModel &model, SetLoadHost &host)
{
    const QString patternFile = ini.readString(kWidth, QStringLiteral("Pattern file"), QString());
    model.update([&](FormatSet &set) { set.PatternFile = patternFile; });
    if (!QFileInfo(patternFile).isFile()) {
        host.showMessage(host.message(PatternMissingFirst) + kBlankLine + patternFile + kBlankLine
                             + host.message(PatternMissingSecond),
                         MessageIcon::Error);
        model.chooseAutoWidths();
        return;
    }
    loadPatternSheet(ini, model, host);
}

void loadRest(const IniFile &ini, FormatSetModel &model)
{
    model.update([&](FormatSet &set) {
        set.WordWrap = ini.readBool(kAdditional, QStringLiteral("WordWrap"), false);
        set.FName = ini.readBool(kAdditional, QStringLiteral("Fname"), false);
        set.BoldLeftFirst = ini.readBool(kAdditional, QStringLiteral("BoldLeftFirst"), false);
        set.BoldLastRight = ini.readBool(kAdditional, QStringLiteral("BoldLastRight"), false);
        set.BoldLastLine = ini.readBool(kAdditional, QStringLiteral("BoldLastLine"), false);
        set.PageNumeration = ini.readBool(kAdditional, QStringLiteral("PageNumeration"), false);
        set.Log = ini.readBool(kAdditional, QStringLiteral("Log"), true);
        set.ApplySheet = ini.readString(kApplyTo, QStringLiteral("SheetNumber"), QStringLiteral("1"));
        set.ApplyForAll = ini.readBool(kApplyTo, QStringLiteral("ApplyForAll"), false);
        // The range texts are taken as they stand, without the checks of typed input.
        set.RangeAuto = ini.readBool(kRange, QStringLiteral("Auto"), true);
        set.LeftColumn = ini.readString(kRange, QStringLiteral("LeftColumn"), QStringLiteral("A"));
        set.RightColumn = ini.readString(kRange, QStringLiteral("RightColumn"), QStringLiteral("A"));
        set.TopDigit = ini.readString(kRange, QStringLiteral("TopDigit"), QStringLiteral("1"));
        set.BottomDigit = ini.readString(kRange, QStringLiteral("BottomDigit"), QStringLiteral("1"));
    });
}

} // namespace

namespace FormatSetFile {

void SaveFormatSet(IniFile &ini, const FormatSetModel &model)
{
    const FormatSet &set = model.set();
    ini.writeInteger(kOrientation, QStringLiteral("Orientation"), set.Orientation);
    ini.writeInteger(kFont, QStringLiteral("Name"), model.fontPosition());
    ini.writeString(kFont, QStringLiteral("Size"), set.FontSize);
    ini.writeBool(kFont, QStringLiteral("Bold"), set.Bold);
    ini.writeBool(kFont, QStringLiteral("Italic"), set.Italic);
    ini.writeInteger(kFont, QStringLiteral("Color"), int(set.FontColor));
    ini.writeBool(kFont, QStringLiteral("FontAsIs"), set.FontAsIs);
    ini.writeInteger(kInterLeave, QStringLiteral("Type"), set.InterLeave);
    ini.writeInteger(kInterLeave, QStringLiteral("Color"), int(set.InterLeaveColor));
    ini.writeBool(kWidth, QStringLiteral("Auto"), !set.WidthByPattern);
    ini.writeBool(kWidth, QStringLiteral("byPattern"), set.WidthByPattern);
    ini.writeString(kWidth, QStringLiteral("Pattern file"), set.PatternFile);
    // The sheet number as the list shows it: empty while no sheet is selected.
    ini.writeString(kWidth, QStringLiteral("Sheet number"),
                    set.PatternSheet >= 1 ? QString::number(set.PatternSheet) : QString());
    ini.writeString(kWidth, QStringLiteral("Sheet name"), set.PatternSheetName);
    ini.writeBool(kAdditional, QStringLiteral("WordWrap"), set.WordWrap);
    ini.writeBool(kAdditional, QStringLiteral("FName"), set.FName);
    ini.writeBool(kAdditional, QStringLiteral("BoldLeftFirst"), set.BoldLeftFirst);
    ini.writeBool(kAdditional, QStringLiteral("BoldLastRight"), set.BoldLastRight);
    ini.writeBool(kAdditional, QStringLiteral("BoldLastLine"), set.BoldLastLine);
    ini.writeBool(kAdditional, QStringLiteral("PageNumeration"), set.PageNumeration);
    ini.writeBool(kAdditional, QStringLiteral("Log"), set.Log);
    ini.writeString(kApplyTo, QStringLiteral("SheetNumber"), set.ApplySheet);
    ini.writeBool(kApplyTo, QStringLiteral("ApplyForAll"), set.ApplyForAll);
    ini.writeBool(kRange, QStringLiteral("Auto"), set.RangeAuto);
    ini.writeString(kRange, QStringLiteral("LeftColumn"), set.LeftColumn);
    ini.writeString(kRange, QStringLiteral("RightColumn"), set.RightColumn);
    ini.writeString(kRange, QStringLiteral("TopDigit"), set.TopDigit);
    ini.writeString(kRange, QStringLiteral("BottomDigit"), set.BottomDigit);
}

bool SaveFormatSet(const QString &path, const FormatSetModel &model)
{
    // An existing file that cannot be read is not overwritten: its other sections
    // would be lost.
    IniFile ini;
    if (!ini.load(path))
        return false;
    SaveFormatSet(ini, model);
    return ini.save(path);
}

bool LoadFormatSet(const QString &path, FormatSetModel &model, SetLoadHost &host, QString *refusal)
{
    // Loading something else as a set file would silently turn every choice into its
    // default, and a run would then format with choices nobody made.
    auto refuse = [&](const QString &why) {
        if (refusal)
            *refusal = NoticeTable::text(Notice::SetFileRefused).arg(TextLimits::clip(path), why);
        return false;
    };
    if (!QFileInfo::exists(path))
        return refuse(NoticeTable::text(Notice::SetFileMissing));
    IniFile ini;
    if (!ini.load(path))
        return refuse(NoticeTable::text(Notice::SetFileUnreadable));
    const bool recognised = std::any_of(kSections.begin(), kSections.end(),
                                        [&](const QString &section) { return ini.hasSection(section); });
    if (!recognised)
        return refuse(NoticeTable::text(Notice::SetFileNotASet));
    if (const QStringList invalid = invalidValues(ini); !invalid.isEmpty())
        return refuse(invalid.join(QStringLiteral("; ")));
    LoadFormatSet(ini, model, host);
    return true;
}

std::optional<QString> missingPatternFile(const QString &path)
{
    IniFile ini;
    if (!ini.load(path) || !ini.readBool(kWidth, QStringLiteral("ByPattern"), false))
        return std::nullopt;
    const QString patternFile = ini.readString(kWidth, QStringLiteral("Pattern file"), QString());
    if (QFileInfo(patternFile).isFile())
        return std::nullopt;
    return patternFile;
}

void LoadFormatSet(const IniFile &ini, FormatSetModel &model, SetLoadHost &host)
{
    // The reactions that open dialogs (interleave colour, pattern file) belong to the
    // window's handling of user clicks; nothing below triggers them.
    model.update([&](FormatSet &set) {
        set.Orientation = readChoice(ini, kOrientation, QStringLiteral("Orientation"), -1, -1, 2);
    });
    loadFont(ini, model);
    loadInterleave(ini, model);
    loadWidthChoice(ini, model);
    if (model.set().WidthByPattern)
        loadPattern(ini, model, host);
    loadRest(ini, model);
}

} // namespace FormatSetFile
