#include "LanguageKeyTable.h"

namespace {

using W = TextWindow;
using K = TextKind;

struct Row
{
    int key;
    W window;
    const char *object;
    K kind;
    int index;
};

// Key, window, object, what it sets, item index.
constexpr Row kRows[] = {
    {5, W::Preferences, "btnOk", K::Caption, 0},
    {5, W::LanguageAndHelp, "btnOk", K::Caption, 0},
    {5, W::About, "btnOk", K::Caption, 0},
    {6, W::Preferences, "btnCancel", K::Caption, 0},
    {6, W::LanguageAndHelp, "btnCancel", K::Caption, 0},
    {10, W::Main, "grbSelect", K::Caption, 0},
    {11, W::Main, "rbManyFiles", K::Caption, 0},
    {12, W::Main, "rbOneFile", K::Caption, 0},
    {13, W::Main, "lblWorkPath", K::Caption, 0},
    {20, W::Main, "rgbOrient", K::Caption, 0},
    {21, W::Main, "rgbOrient", K::Item, 0},
    {22, W::Main, "rgbOrient", K::Item, 1},
    {23, W::Main, "rgbOrient", K::Item, 2},
    {30, W::Main, "grbFont", K::Caption, 0},
    {31, W::Main, "lblFontName", K::Caption, 0},
    {32, W::Main, "lblFontSize", K::Caption, 0},
    {33, W::Main, "chkBold", K::Caption, 0},
    {34, W::Main, "chkItalic", K::Caption, 0},
    {35, W::Main, "btnFontColor", K::Caption, 0},
    {36, W::Main, "chkFontAsIs", K::Caption, 0},
    {40, W::Main, "rgbInterLeave", K::Caption, 0},
    {41, W::Main, "rgbInterLeave", K::Item, 0},
    {42, W::Main, "rgbInterLeave", K::Item, 1},
    {43, W::Main, "rgbInterLeave", K::Item, 2},
    {44, W::Main, "rgbInterLeave", K::Item, 3},
    {60, W::Main, "grbWidth", K::Caption, 0},
    {61, W::Main, "rbAuto", K::Caption, 0},
    {62, W::Main, "rbByPattern", K::Caption, 0},
    {63, W::Main, "edPattern", K::Hint, 0},
    {64, W::Main, "lblTakeSheet", K::Caption, 0},
    {65, W::Main, "cmbSheetNumber", K::Hint, 0},
    {66, W::Main, "lblSheetNameTake", K::Caption, 0},
    {67, W::Main, "grbWidth", K::Hint, 0},
    {70, W::Main, "grbAdd", K::Caption, 0},
    {71, W::Main, "chkWrap", K::Caption, 0},
    {72, W::Main, "chkBorders", K::Caption, 0},
    {73, W::Main, "chkFName", K::Caption, 0},
    {74, W::Main, "chkBoldLeftFirst", K::Caption, 0},
    {75, W::Main, "chkBoldLastRight", K::Caption, 0},
    {76, W::Main, "chkBoldTopLine", K::Caption, 0},
    {77, W::Main, "chkBoldLastLine", K::Caption, 0},
    {78, W::Main, "chkPageNumeration", K::Caption, 0},
    {79, W::Main, "chkLog", K::Caption, 0},
    {80, W::Main, "btnViewLog", K::Caption, 0},
    {81, W::Main, "btnViewLog", K::Hint, 0},
    {90, W::Main, "grbApply", K::Caption, 0},
    {91, W::Main, "lblSheetApply", K::Caption, 0},
    {92, W::Main, "edtApplySheet", K::Hint, 0},
    {93, W::Main, "btnViewSheetName", K::Caption, 0},
    {94, W::Main, "btnViewSheetName", K::Hint, 0},
    {95, W::Main, "lblApplySheetName", K::Caption, 0},
    {96, W::Main, "chkApplyForAll", K::Caption, 0},
    {100, W::Main, "grbRangeSize", K::Caption, 0},
    {101, W::Main, "chkRangeAuto", K::Caption, 0},
    {102, W::Main, "lblLeftColumn", K::Caption, 0},
    {103, W::Main, "lblFirstRow", K::Caption, 0},
    {104, W::Main, "lblRightColumn", K::Caption, 0},
    {105, W::Main, "lblBottomRow", K::Caption, 0},
    {200, W::Main, "btnStart", K::Caption, 0},
    {201, W::Main, "btnStart", K::Hint, 0},
    {202, W::Main, "btnStop", K::Caption, 0},
    {300, W::Main, "btnOpenTVX", K::Caption, 0},
    {301, W::Main, "btnOpenTVX", K::Hint, 0},
    {310, W::Main, "btnRemember", K::Caption, 0},
    {311, W::Main, "btnRemember", K::Hint, 0},
    {1010, W::Main, "File1", K::Caption, 0},
    {1011, W::Main, "OpenTVX1", K::Caption, 0},
    {1012, W::Main, "RememberSet", K::Caption, 0},
    {1015, W::Main, "Exit1", K::Caption, 0},
    {1020, W::Main, "N6", K::Caption, 0},
    {1021, W::Main, "Parameters1", K::Caption, 0},
    {1022, W::Main, "APAstyle", K::Caption, 0},
    {1023, W::Main, "Languageandhelp1", K::Caption, 0},
    {1030, W::Main, "Help1", K::Caption, 0},
    {1031, W::Main, "Helpcontents1", K::Caption, 0},
    {1035, W::Main, "AboutTablevane1", K::Caption, 0},
    {2010, W::Main, "Restore2", K::Caption, 0},
    {2011, W::Main, "Pause2", K::Caption, 0},
    {2011, W::Main, "", K::RunCaption, 0},
    {2012, W::Main, "", K::RunCaption, 1},
    {2013, W::Main, "Stop1", K::Caption, 0},
    {2014, W::Main, "Exit2", K::Caption, 0},
    {3000, W::Preferences, "", K::WindowTitle, 0},
    {3010, W::Preferences, "rgbSelectOffice", K::Caption, 0},
    {3011, W::Preferences, "rgbSelectOffice", K::Hint, 0},
    {3012, W::Preferences, "lblSaveAs", K::Caption, 0},
    {3013, W::Preferences, "rgbTakeExt", K::Caption, 0},
    {3014, W::Preferences, "lblCoding", K::Caption, 0},
    {3015, W::Preferences, "cmbCoding", K::Hint, 0},
    {3016, W::Preferences, "lblFieldDelimiter", K::Caption, 0},
    {3017, W::Preferences, "lblTextDelimiter", K::Caption, 0},
    {3018, W::Preferences, "chkFixedWidth", K::Caption, 0},
    {3019, W::Preferences, "cmbFieldDelimiter", K::Item, 3},
    {3020, W::Preferences, "cmbFieldDelimiter", K::Item, 4},
    {3021, W::Preferences, "chkDocTable", K::Caption, 0},
    {3110, W::Preferences, "btnOk", K::Caption, 0},
    {3111, W::Preferences, "btnCancel", K::Caption, 0},
    {4000, W::LanguageAndHelp, "", K::WindowTitle, 0},
    {4010, W::LanguageAndHelp, "lblLang", K::Caption, 0},
    {4011, W::LanguageAndHelp, "cmbLang", K::Hint, 0},
    {4012, W::LanguageAndHelp, "lblUseHelp", K::Caption, 0},
    {4013, W::LanguageAndHelp, "cmbHelpFile", K::Hint, 0},
    {4014, W::LanguageAndHelp, "btnOk", K::Caption, 0},
    {4015, W::LanguageAndHelp, "btnCancel", K::Caption, 0},
    {5000, W::About, "", K::WindowTitle, 0},
    {8011, W::Main, "OpenDlgTVX", K::DialogFilter, 0},
    {8011, W::Main, "SaveDlgTVX", K::DialogFilter, 0},
    {8012, W::Main, "OpenDlgXLS", K::DialogFilter, 0},
    {8013, W::Main, "OpenDlgXLSX", K::DialogFilter, 0},
    {8014, W::Main, "OpenDlgODS", K::DialogFilter, 0},
    {8015, W::Main, "OpenDlgPatternXLS", K::DialogFilter, 0},
    {8016, W::Main, "OpenDlgPatternXLSX", K::DialogFilter, 0},
    {8017, W::Main, "OpenDlgPatternODS", K::DialogFilter, 0},
    {8018, W::Main, "OpenDlgTVX", K::DialogTitle, 0},
    {8019, W::Main, "SaveDlgTVX", K::DialogTitle, 0},
    {8020, W::Main, "OpenDlgXLS", K::DialogTitle, 0},
    {8020, W::Main, "OpenDlgXLSX", K::DialogTitle, 0},
    {8020, W::Main, "OpenDlgODS", K::DialogTitle, 0},
    {8021, W::Main, "OpenDlgPatternXLS", K::DialogTitle, 0},
    {8021, W::Main, "OpenDlgPatternODS", K::DialogTitle, 0},
    {8021, W::Main, "OpenDlgPatternXLSX", K::DialogTitle, 0},
    // Captions without a key among the ones above, keyed after the notices.
    {9101, W::Main, "chRepHeader", K::Caption, 0},
};

struct Difference
{
    W window;
    const char *object;
    K kind;
    const char16_t *english;
};

// Where the built-in English text differs from the text at creation. Language files
// were written against these spellings, so they stay as they are.
constexpr Difference kDifferences[] = {
    {W::Main, "rgbOrient", K::Caption, u"Orientattion of page"},
    {W::Main, "rbByPattern", K::Caption, u"by pattern"},
    {W::Main, "edPattern", K::Hint, u"Name of file, wich use as pattern"},
    {W::Main, "chkBoldLeftFirst", K::Caption, u"Bold font in FIRST left column"},
    {W::Main, "chkBoldLastRight", K::Caption, u"Bold font in LAST right column"},
    {W::Main, "chkLog", K::Caption, u"Make .log file (if problem)"},
    {W::Main, "btnStart", K::Hint, u"Click for begin working"},
    {W::Main, "btnViewSheetName", K::Hint, u"Click here for view selected sheet name"},
    {W::Main, "btnOpenTVX", K::Hint, u"Click here for open file with formatting parameters"},
    {W::Main, "btnRemember", K::Caption, u"Remember set"},
    {W::Main, "RememberSet", K::Caption, u"Remember set"},
    {W::Preferences, "rgbSelectOffice", K::Hint, u"Here you can select office, which Tablevane  using"},
    {W::Preferences, "lblSaveAs", K::Caption, u"In processing save files as..."},
    {W::Preferences, "chkDocTable", K::Caption, u"...table in DOC file"},
    {W::Preferences, "btnOk", K::Caption, u"Ok"},
    {W::LanguageAndHelp, "btnOk", K::Caption, u"Ok"},
    {W::Main, "SaveDlgTVX", K::DialogFilter, u"Tablevane files (*.tvx)|*.tvx"},
    {W::Main, "OpenDlgXLS", K::DialogFilter, u"MS Excel Workbook 97/2000/XP/2003 (*.xls)|*.xls"},
};

// Targets that keep a language's text when English is chosen.
const TextTarget kKeepers[] = {
    {W::Main, QStringLiteral("grbWidth"), K::Hint, 0},
    {W::Preferences, QStringLiteral("cmbCoding"), K::Hint, 0},
    {W::About, QStringLiteral("btnOk"), K::Caption, 0},
};

TextTarget targetOf(const Row &row)
{
    return {row.window, QString::fromLatin1(row.object), row.kind, row.index};
}

} // namespace

namespace LanguageKeyTable {

QList<TextTarget> targetsOf(int key)
{
    QList<TextTarget> targets;
    for (const Row &row : kRows) {
        if (row.key == key)
            targets.append(targetOf(row));
    }
    return targets;
}

QList<TextTarget> allTargets()
{
    QList<TextTarget> targets;
    for (const Row &row : kRows) {
        const TextTarget target = targetOf(row);
        if (!targets.contains(target))
            targets.append(target);
    }
    return targets;
}

QList<TableCName> tableCNames()
{
    return {{3421, 20}, {3422, 21}, {3423, 22}};
}

QList<int> keys()
{
    QList<int> list;
    for (const Row &row : kRows) {
        if (!list.contains(row.key))
            list.append(row.key);
    }
    return list;
}

QString englishDifference(const TextTarget &target)
{
    for (const Difference &difference : kDifferences) {
        if (difference.window == target.window && target.object == QLatin1String(difference.object)
            && difference.kind == target.kind)
            return QString::fromUtf16(difference.english);
    }
    return QString();
}

bool keepsTextOnEnglish(const TextTarget &target)
{
    for (const TextTarget &keeper : kKeepers) {
        if (keeper == target)
            return true;
    }
    return false;
}

} // namespace LanguageKeyTable
