#pragma once

#include "KeptRunLimits.h"
#include "OfficeDetection.h"
#include "SaveAsChoice.h"
#include "SaveAsTables.h"

#include <QObject>
#include <QStringList>

// The state of the Preferences dialog and its reactions: which office does the work,
// which extension a run takes, the save-as format with its text options and the Word
// table option. The dialog shows it and writes the user's input into it; the
// preferences file, the office availability rule and the headless batch use it
// directly. Every change is announced by changed().
class PreferencesModel : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesModel(QObject *parent = nullptr);

    // The dialog's creation: store the detection, disable "XLSX" for an Excel below 12,
    // BuildCharsetTable, BuildSaveAsTables, the office reaction with nothing selected
    // (text output hidden, save-as list empty), OfficeChanged cleared.
    void create(const OfficeDetectionResult &detection);
    const OfficeDetectionResult &detection() const { return m_detection; }
    int maxScanColumns() const { return m_maxScanColumns; }
    int maxScanRows() const { return m_maxScanRows; }

    // Office choice (0 Excel, 1 Calc, -1 none). A change of selection runs the office
    // reaction, whoever makes it.
    QStringList officeItems() const { return m_officeItems; }
    int office() const { return m_office; }
    void setOffice(int office);
    bool officeItemEnabled(int item) const;
    void setOfficeItemEnabled(int item, bool enabled);

    // Extension choice (0 XLS, 1 ODS, 2 XLSX, -1 none). Choosing XLSX selects save-as
    // position 17 of Excel's list, or Calc's .xlsx entry (21).
    QStringList extensionItems() const { return m_extensionItems; }
    int extension() const { return m_extension; }
    void setExtension(int extension);
    bool extensionItemEnabled(int item) const;
    void setExtensionItemEnabled(int item, bool enabled);

    // Save-as list; a position outside the list leaves it without selection (-1).
    // Every change runs the text-output rule.
    QStringList saveAsItems() const { return m_saveAsItems; }
    int saveAs() const { return m_saveAs; }
    void setSaveAs(int position);
    bool saveAsEnabled() const { return !m_docTable; }
    // Whether the installed office can write the save-as entry at position: Calc's
    // entries need an export filter the office offers (every entry counts when the
    // office's filters are not known).
    bool saveAsAvailable(int position) const;
    // Why a run cannot store with the chosen entry; empty when it can.
    QString saveAsRefusal() const;
    // The entry a Calc choice falls back to: the first available of positions 5 and 7.
    int calcFallbackSaveAs() const;

    // ".. table in DOC file": checking it disables the save-as list.
    bool docTable() const { return m_docTable; }
    void setDocTable(bool checked);
    bool docTableEnabled() const { return m_docTableEnabled; }
    void setDocTableEnabled(bool enabled);

    // Text output through Calc.
    QStringList codingItems() const;
    int coding() const { return m_coding; }
    void setCoding(int position);
    QStringList fieldDelimiterItems() const;
    int fieldDelimiter() const { return m_fieldDelimiter; }
    void setFieldDelimiter(int position);
    QStringList textDelimiterItems() const;
    int textDelimiter() const { return m_textDelimiter; }
    void setTextDelimiter(int position);
    bool fixedWidth() const { return m_fixedWidth; }
    void setFixedWidth(bool checked);
    // lblCoding and cmbCoding (dBase, DIF and text CSV); the other five text-output
    // controls (text CSV).
    bool codingVisible() const { return m_codingVisible; }
    bool delimitersVisible() const { return m_delimitersVisible; }
    void applyTextOutputRule();

    // Runs the office reaction for the current office, as a change of the office
    // choice does (a language applied refills the save-as list this way).
    void rgbSelectOfficeClick();

    bool officeChanged() const { return m_officeChanged; }
    void clearOfficeChanged() { m_officeChanged = false; }

    // What Cancel puts back.
    struct Snapshot
    {
        int office = -1;
        int extension = -1;
        int saveAs = -1;
        int coding = -1;
        bool codingVisible = false;
    };
    Snapshot takeSnapshot() const;
    void restoreSnapshot(const Snapshot &snapshot);

    // The close check: the character-set list is shown and nothing is chosen in it.
    bool characterSetMissing() const;

    // The office availability rule's changes to these choices (with Calc alone, an
    // ODS choice is kept); returns whether at least one office suite is installed.
    bool applyOfficeAvailability();

    SaveAsTables &tables() { return m_tables; }
    const SaveAsTables &tables() const { return m_tables; }
    // BuildSaveAsTables for the detected Excel; table A is cut only while the Excel
    // choice is enabled.
    void BuildSaveAsTables();

    // The status-line summary: office, " + ", extension, " + ", save-as entry; empty
    // when no office is chosen.
    QString settingsSummary() const;
    // The choices resolved against the tables, for a back-end call.
    SaveAsChoice saveAsChoice() const;

    // What a run keeps for "Undo last run".
    const KeptRunLimits &keptRunLimits() const { return m_keptRunLimits; }
    void setKeptRunLimits(const KeptRunLimits &limits);

signals:
    void changed();

private:
    void officeReaction();
    bool calcEntryWritable(int position) const;

    OfficeDetectionResult m_detection;
    SaveAsTables m_tables;
    int m_maxScanColumns = 256;
    int m_maxScanRows = 65536;
    QStringList m_officeItems;
    QStringList m_extensionItems;
    bool m_officeEnabled[2] = {true, true};
    bool m_extensionEnabled[3] = {true, true, true};
    int m_office = -1;
    int m_extension = -1;
    QStringList m_saveAsItems;
    int m_saveAs = -1;
    bool m_docTable = false;
    bool m_docTableEnabled = false;
    int m_coding = -1;
    int m_fieldDelimiter = 0;
    int m_textDelimiter = 0;
    bool m_fixedWidth = false;
    bool m_codingVisible = false;
    bool m_delimitersVisible = false;
    bool m_officeChanged = false;
    KeptRunLimits m_keptRunLimits;
};
