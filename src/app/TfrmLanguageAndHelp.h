#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

namespace Ui {
class TfrmLanguageAndHelp;
}

class MessagePort;
class MessageTable;
class PreferencesModel;
class WindowLanguage;

// The Language and help window: the language files of the program's Lang folder
// (entry 0 is the built-in English) and the help files of its Help folder. OK applies a
// changed language and stores both choices; the help file chosen becomes the
// program's help file at once, Cancel or not.
class TfrmLanguageAndHelp : public QDialog
{
    Q_OBJECT

public:
    // At most this many language files are listed.
    static constexpr int MaxLanguageFiles = 255;

    TfrmLanguageAndHelp(const QString &programFolder, MessagePort &messages, const MessageTable &table,
                        const PreferencesModel &preferences, QWidget *parent = nullptr);
    ~TfrmLanguageAndHelp() override;

    // Set once every window exists: the language is applied through it.
    void setLanguage(WindowLanguage *language) { m_language = language; }

    void BuildLanguageList(const QString &folder);
    void CheckLang(const QString &path);
    void BuildHelpList(const QString &folder);
    // Applies a language file; a file that cannot be read is reported, and one that
    // fails while being read also brings English back and stores the preferences.
    void ChangeLang(const QString &path);
    void RememberLanguageChoice();
    void RestoreLanguageChoice();

    // The stored choices of the preferences file, applied as the main window shows:
    // a listed language file is selected and applied, a listed help file selected.
    void loadProgramSettings(const QString &languageFile, const QString &helpFile);
    // The main window's show: the selected language again, unless it is English.
    void applySelectedLanguage();
    // What the preferences file stores: the selected language file's name (a stored
    // name not found in the folder is kept until the user chooses), the help file's.
    QString languageFileToStore() const;
    QString helpFileToStore() const;
    // The program's help file (folder and name), empty when none is chosen.
    QString helpFile() const { return m_helpFile; }

    struct Language
    {
        QString path;
        QString name;
    };
    const QList<Language> &languages() const { return m_languages; }

    void cmbLangChange();
    void cmbHelpFileChange();
    void btnOkClick();
    void btnCancelClick();
    // Closing the window any other way is Cancel.
    void reject() override;

signals:
    void saveRequested();
    void focusWorkPathRequested();
    // A language was applied: what its file's load found worth a note (a guessed code
    // page, texts cut, save-as names missing or doubled), worded in the language now
    // applied; empty when nothing.
    void languageNoted(const QString &note);

private:
    void FormCreate();
    bool officeInstalled() const;
    void setHelpFile(const QString &name);

    std::unique_ptr<Ui::TfrmLanguageAndHelp> m_ui;
    QString m_programFolder;
    QString m_helpFolder;
    MessagePort &m_messages;
    const MessageTable &m_table;
    const PreferencesModel &m_preferences;
    WindowLanguage *m_language = nullptr;
    QList<Language> m_languages;
    QString m_helpFile;
    QString m_unlistedLanguageFile;
    bool m_languageTouched = false;
    int m_rememberedLanguage = 0;
    int m_rememberedHelp = -1;
};
