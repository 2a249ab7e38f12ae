// Feeds arbitrary bytes to the ini reader, the set-file loader and the preferences
// loader. Besides the sanitizers' findings it checks two promises of the ini files:
// a value written reads back as written, and a set loaded, saved and loaded again
// comes back the same.
#include "FormatSetFile.h"
#include "FormatSetModel.h"
#include "IniFile.h"
#include "PreferencesModel.h"
#include "ProgramSettingsFile.h"
#include "SetLoadHost.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// Answers the pattern query with a sheet count taken from the input.
class FuzzHost : public SetLoadHost
{
public:
    FuzzHost(FormatSetModel &model, int sheets) : m_model(model), m_sheets(sheets) {}
    QString message(int number) const override { return QString::number(number); }
    void showMessage(const QString &, MessageIcon) override {}
    bool querySheets(const QString &) override
    {
        m_model.setSheetItems(m_sheets);
        return m_sheets > 0;
    }
    void patternSheetPicked(int n) override { check(n >= 1 && n <= m_sheets, "picked sheet in the list"); }
    QString queriedSheetName(int n) const override { return QStringLiteral("Sheet%1").arg(n); }
    int queriedSheetCount() const override { return m_sheets; }

private:
    FormatSetModel &m_model;
    int m_sheets;
};

QStringList families()
{
    QStringList list{QStringLiteral("Tahoma"), QStringLiteral("Times New Roman")};
    for (int i = 0; i < 170; ++i)
        list.append(QStringLiteral("Family %1").arg(i));
    return list;
}

// The fields a set file restores without asking the office.
FormatSet storedWithoutPattern(const FormatSet &set)
{
    FormatSet copy = set;
    copy.WidthByPattern = false;
    copy.PatternFile.clear();
    copy.PatternSheet = -1;
    copy.PatternSheetName.clear();
    return copy;
}

// The text with every line ended by CR LF, as the writer gives back a file it did not change.
QByteArray withCrLf(const QByteArray &text)
{
    // A leading UTF-8 byte-order mark is kept as it stands, not as a line of its own.
    static const QByteArray mark("\xEF\xBB\xBF");
    const bool marked = text.startsWith(mark);
    const QByteArray bytes = marked ? text.mid(mark.size()) : text;
    QByteArray out = marked ? mark : QByteArray();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        out += bytes.mid(start, end - start) + "\r\n";
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

void fuzzIni(const QByteArray &bytes)
{
    IniFile ini;
    ini.parse(bytes);
    check(ini.toBytes() == withCrLf(bytes), "an unchanged file is written back as it was");
    const QString value = QString::fromLocal8Bit(bytes.left(64));
    ini.writeString(QStringLiteral("Font"), QStringLiteral("Size"), value);
    ini.writeInteger(QStringLiteral("Fuzz"), QStringLiteral("Number"), bytes.size());
    IniFile back;
    back.parse(ini.toBytes());
    QString expected = value;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    check(back.readString(QStringLiteral("font"), QStringLiteral("SIZE"), QString()) == expected, "text reads back");
    check(back.readInteger(QStringLiteral("Fuzz"), QStringLiteral("Number"), -1) == bytes.size(), "number reads back");
}

void fuzzSetFile(const IniFile &ini, int sheets)
{
    static const QStringList fonts = families();
    FormatSetModel model;
    model.FillFontList(fonts);
    FuzzHost host(model, sheets);
    FormatSetFile::LoadFormatSet(ini, model, host);

    IniFile saved;
    FormatSetFile::SaveFormatSet(saved, model);
    IniFile reread;
    reread.parse(saved.toBytes());
    FormatSetModel again;
    again.FillFontList(fonts);
    FuzzHost secondHost(again, sheets);
    FormatSetFile::LoadFormatSet(reread, again, secondHost);
    check(storedWithoutPattern(again.set()) == storedWithoutPattern(model.set()), "set survives save and load");
}

void fuzzPreferences(const IniFile &ini, int variant)
{
    PreferencesModel prefs;
    prefs.create(OfficeDetectionResult{(variant & 1) != 0, 8 + variant % 8, (variant & 2) != 0, (variant & 4) != 0});
    prefs.applyOfficeAvailability();
    ProgramSettingsFile::LoadProgramSettings(ini, prefs);
    check(prefs.saveAs() < int(prefs.saveAsItems().size()), "save-as position inside its list");
    prefs.settingsSummary();
    prefs.saveAsChoice();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fuzzIni(bytes);
    IniFile ini;
    ini.parse(bytes);
    const int variant = size > 0 ? data[0] % 16 : 0;
    fuzzSetFile(ini, variant % 5);
    fuzzPreferences(ini, variant);
    return 0;
}
