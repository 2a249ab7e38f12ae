#include "PreferencesModel.h"

#include "NoticeTable.h"

namespace {

enum Office { NoOffice = -1, Excel = 0, Calc = 1 };
enum Extension { NoExtension = -1, Xls = 0, Ods = 1, Xlsx = 2 };

// Save-as positions the reactions select.
constexpr int kFirstEntry = 0;
constexpr int kCalcDbase = 1;
constexpr int kCalcOdsTemplate = 5;
constexpr int kCalcDif = 6;
constexpr int kCalcExcel97 = 7;
constexpr int kCalcTextCsv = 16;
constexpr int kXlsxEntry = 17;
constexpr int kCalcXlsxEntry = 21;

int validPosition(int position, qsizetype count)
{
    return (position >= 0 && position < count) ? position : -1;
}

} // namespace

PreferencesModel::PreferencesModel(QObject *parent)
    : QObject(parent)
    , m_officeItems{QStringLiteral("Microsoft Office Excel"), QStringLiteral("OpenOffice.org Calc")}
    , m_extensionItems{QStringLiteral("XLS (default)"), QStringLiteral("ODS (OpenOffce.org)"), QStringLiteral("XLSX")}
{
}

void PreferencesModel::create(const OfficeDetectionResult &detection)
{
    m_detection = detection;
    if (detection.ExcelInstalled && detection.ExcelMajorVersion < 12)
        m_extensionEnabled[Xlsx] = false;
    m_tables.BuildCharsetTable();
    BuildSaveAsTables();
    m_office = NoOffice;
    officeReaction();
    m_officeChanged = false;
    emit changed();
}

void PreferencesModel::setOffice(int office)
{
    if (office < NoOffice || office > Calc)
        office = NoOffice;
    if (office == m_office)
        return;
    m_office = office;
    officeReaction();
    emit changed();
}

void PreferencesModel::rgbSelectOfficeClick()
{
    officeReaction();
    emit changed();
}

bool PreferencesModel::officeItemEnabled(int item) const
{
    return item >= 0 && item < 2 && m_officeEnabled[item];
}

void PreferencesModel::setOfficeItemEnabled(int item, bool enabled)
{
    if (item < 0 || item >= 2)
        return;
    m_officeEnabled[item] = enabled;
    emit changed();
}

void PreferencesModel::officeReaction()
{
    m_officeChanged = true;
    m_codingVisible = false;
    m_delimitersVisible = false;
    m_saveAsItems.clear();
    m_saveAs = -1;
    const int version = m_detection.ExcelMajorVersion;
    if (m_office == Excel) {
        m_saveAsItems = m_tables.displayNames(Excel, version);
        m_saveAs = validPosition(kFirstEntry, m_saveAsItems.size());
        m_extension = Xls;
        m_extensionEnabled[Ods] = false;
        if (version >= 8 && version <= 11) {
            m_maxScanColumns = 256;
            m_maxScanRows = 65536;
            m_extensionEnabled[Xlsx] = false;   // Calc may have offered it
        } else if (version >= 12) {
            m_maxScanColumns = 16384;
            m_maxScanRows = 1048576;
            m_extensionEnabled[Xlsx] = true;
        }
        if (m_detection.WordInstalled)
            m_docTableEnabled = true;
    } else if (m_office == Calc) {
        m_saveAsItems = m_tables.displayNames(Calc, version);
        m_saveAs = validPosition(kCalcExcel97, m_saveAsItems.size());
        m_extension = Xls;
        m_extensionEnabled[Ods] = true;
        // LibreOffice reads and writes Office Open XML itself.
        m_extensionEnabled[Xlsx] = true;
        m_maxScanColumns = 256;
        m_maxScanRows = 65536;
        m_docTableEnabled = false;
        m_docTable = false;   // unchecking gives the save-as list back
    }
}

void PreferencesModel::setExtension(int extension)
{
    if (extension < NoExtension || extension > Xlsx)
        extension = NoExtension;
    if (extension == m_extension)
        return;
    m_extension = extension;
    if (extension == Xlsx)
        setSaveAs(m_office == Calc ? kCalcXlsxEntry : kXlsxEntry);
    emit changed();
}

bool PreferencesModel::extensionItemEnabled(int item) const
{
    return item >= 0 && item < 3 && m_extensionEnabled[item];
}

void PreferencesModel::setExtensionItemEnabled(int item, bool enabled)
{
    if (item < 0 || item >= 3)
        return;
    m_extensionEnabled[item] = enabled;
    emit changed();
}

void PreferencesModel::setSaveAs(int position)
{
    m_saveAs = validPosition(position, m_saveAsItems.size());
    applyTextOutputRule();
    emit changed();
}

void PreferencesModel::setDocTable(bool checked)
{
    m_docTable = checked;
    emit changed();
}

void PreferencesModel::setDocTableEnabled(bool enabled)
{
    m_docTableEnabled = enabled;
    emit changed();
}

QStringList PreferencesModel::codingItems() const
{
    QStringList names;
    for (const Charset &charset : m_tables.tableD())
        names.append(charset.displayName);
    return names;
}

void PreferencesModel::setCoding(int position)
{
    m_coding = validPosition(position, m_tables.tableD().size());
    emit changed();
}

QStringList PreferencesModel::fieldDelimiterItems() const
{
    return SaveAsTables::fieldDelimiterItems();
}

void PreferencesModel::setFieldDelimiter(int position)
{
    m_fieldDelimiter = validPosition(position, SaveAsTables::fieldDelimiterItems().size());
    emit changed();
}

QStringList PreferencesModel::textDelimiterItems() const
{
    return SaveAsTables::textDelimiterItems();
}

void PreferencesModel::setTextDelimiter(int position)
{
    m_textDelimiter = validPosition(position, SaveAsTables::textDelimiterItems().size());
    emit changed();
}

void PreferencesModel::setFixedWidth(bool checked)
{
    m_fixedWidth = checked;
    emit changed();
}

void PreferencesModel::applyTextOutputRule()
{
    // dBase and DIF output only need the character set; the delimiter controls keep
    // whatever state the previous choice left them in.
    if (m_office == Calc && (m_saveAs == kCalcDbase || m_saveAs == kCalcDif)) {
        m_codingVisible = true;
    } else {
        const bool textCsv = m_office == Calc && m_saveAs == kCalcTextCsv;
        m_codingVisible = textCsv;
        m_delimitersVisible = textCsv;
    }
    emit changed();
}

bool PreferencesModel::calcEntryWritable(int position) const
{
    if (m_detection.CalcExportFilters.isEmpty())
        return true;
    const std::optional<CalcFilter> row = m_tables.calcFilterAt(position);
    return row && m_detection.CalcExportFilters.contains(SaveAsTables::calcExportFilterName(position, *row));
}

bool PreferencesModel::saveAsAvailable(int position) const
{
    return m_office != Calc || calcEntryWritable(position);
}

QString PreferencesModel::saveAsRefusal() const
{
    if (m_office != Calc || m_saveAs < 0 || saveAsAvailable(m_saveAs))
        return QString();
    return NoticeTable::text(Notice::SaveAsUnwritable, {m_saveAsItems.value(m_saveAs)});
}

int PreferencesModel::calcFallbackSaveAs() const
{
    return calcEntryWritable(kCalcOdsTemplate) ? kCalcOdsTemplate : kCalcExcel97;
}

PreferencesModel::Snapshot PreferencesModel::takeSnapshot() const
{
    return Snapshot{m_office, m_extension, m_saveAs, m_coding, m_codingVisible};
}

void PreferencesModel::restoreSnapshot(const Snapshot &snapshot)
{
    // The Word table box, the delimiters and the fixed width are not put back.
    setOffice(snapshot.office);
    setExtension(snapshot.extension);
    setSaveAs(snapshot.saveAs);
    setCoding(snapshot.coding);
    m_codingVisible = snapshot.codingVisible;
    emit changed();
}

bool PreferencesModel::characterSetMissing() const
{
    return m_codingVisible && m_coding < 0;
}

bool PreferencesModel::applyOfficeAvailability()
{
    const bool excel = m_detection.ExcelInstalled;
    const bool calc = m_detection.CalcInstalled;
    if (!excel) {
        setOfficeItemEnabled(Excel, false);
        if (calc) {
            setOffice(Calc);
            // Calc opens XLS, ODS and XLSX; a stored choice of one is kept, none becomes
            // XLS. Without Excel this rule runs at every showing, so forcing XLS would
            // lose the choice each time.
            if (m_extension < Xls)
                setExtension(Xls);
            if (m_saveAs < 0)
                setSaveAs(kCalcExcel97);
        }
    }
    if (!calc) {
        setOfficeItemEnabled(Calc, false);
        setExtensionItemEnabled(Ods, false);
        if (excel) {
            setOffice(Excel);
            if (m_saveAs < 0)
                setSaveAs(kFirstEntry);
        }
    }
    if (excel && calc) {
        if (m_office < 0)
            setOffice(Excel);
        if (m_extension < 0)
            setExtension(Xls);
        if (m_saveAs < 0)
            setSaveAs(kFirstEntry);
    }
    return excel || calc;
}

void PreferencesModel::BuildSaveAsTables()
{
    m_tables.BuildSaveAsTables(m_detection.ExcelMajorVersion, officeItemEnabled(Excel));
    emit changed();
}

QString PreferencesModel::settingsSummary() const
{
    if (m_office < 0)
        return QString();
    const QString extension = (m_extension >= 0) ? m_extensionItems.at(m_extension) : QString();
    const QString saveAs = (m_saveAs >= 0) ? m_saveAsItems.at(m_saveAs) : QString();
    return m_officeItems.at(m_office) + QStringLiteral(" + ") + extension + QStringLiteral(" + ") + saveAs;
}

SaveAsChoice PreferencesModel::saveAsChoice() const
{
    SaveAsChoice choice;
    choice.Office = m_office;
    choice.Extension = m_extension;
    choice.SaveAs = m_saveAs;
    choice.FixedWidth = m_fixedWidth;
    choice.DocTable = m_docTable;
    choice.ExcelMajorVersion = m_detection.ExcelMajorVersion;
    if (m_office == Excel)
        choice.excelCode = m_tables.excelCodeAt(m_saveAs, m_detection.ExcelMajorVersion);
    if (m_office == Calc)
        choice.calcFilter = m_tables.calcFilterAt(m_saveAs);
    choice.charsetToken = m_tables.charsetTokenAt(m_coding);
    choice.fieldDelimiterCode = SaveAsTables::fieldDelimiterCode(m_fieldDelimiter);
    choice.textDelimiterCode = SaveAsTables::textDelimiterCode(m_textDelimiter);
    return choice;
}

void PreferencesModel::setKeptRunLimits(const KeptRunLimits &limits)
{
    if (limits == m_keptRunLimits)
        return;
    m_keptRunLimits = limits;
    emit changed();
}
