#include "TfrmLanguageAndHelp.h"

#include "ui_TfrmLanguageAndHelp.h"

#include "AppPaths.h"
#include "LanguageFile.h"
#include "MessagePort.h"
#include "MessageTable.h"
#include "PreferencesModel.h"
#include "WindowLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>

namespace {

constexpr int kEnglish = 0;

// The files of a folder with an extension in any letter case, in the order a Windows
// folder lists them (by name, regardless of case), so the lists do not change with the
// file system.
QStringList filesWithExtension(const QString &folder, const QString &extension)
{
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString &name : dir.entryList()) {
        if (name.endsWith(extension, Qt::CaseInsensitive) && name.size() > extension.size())
            names.append(name);
    }
    return names;
}

} // namespace

TfrmLanguageAndHelp::TfrmLanguageAndHelp(const QString &programFolder, MessagePort &messages,
                                         const MessageTable &table, const PreferencesModel &preferences,
                                         QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TfrmLanguageAndHelp>())
    , m_programFolder(programFolder)
    , m_helpFolder(AppPaths::joinPath(programFolder, QStringLiteral("Help")))
    , m_messages(messages)
    , m_table(table)
    , m_preferences(preferences)
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("frmLanguageAndHelp"));
    setModal(true);
    connect(m_ui->cmbLang, &QComboBox::activated, this, &TfrmLanguageAndHelp::cmbLangChange);
    connect(m_ui->cmbHelpFile, &QComboBox::activated, this, &TfrmLanguageAndHelp::cmbHelpFileChange);
    connect(m_ui->btnOk, &QPushButton::clicked, this, &TfrmLanguageAndHelp::btnOkClick);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &TfrmLanguageAndHelp::btnCancelClick);
    FormCreate();
}

TfrmLanguageAndHelp::~TfrmLanguageAndHelp() = default;

void TfrmLanguageAndHelp::FormCreate()
{
    BuildLanguageList(AppPaths::joinPath(m_programFolder, QStringLiteral("Lang")));
    BuildHelpList(m_helpFolder);
    RememberLanguageChoice();
}

void TfrmLanguageAndHelp::BuildLanguageList(const QString &folder)
{
    const QSignalBlocker block(m_ui->cmbLang);
    m_ui->cmbLang->clear();
    m_languages.clear();
    m_languages.append({QString(), QStringLiteral("English")});
    m_ui->cmbLang->addItem(QStringLiteral("English"));
    const QStringList names = filesWithExtension(folder, QStringLiteral(".lng"));
    for (const QString &name : names.mid(0, MaxLanguageFiles))
        CheckLang(AppPaths::joinPath(folder, name));
    m_ui->cmbLang->setCurrentIndex(kEnglish);
}

void TfrmLanguageAndHelp::CheckLang(const QString &path)
{
    const QString name = LanguageFile::readDisplayName(path);
    m_languages.append({path, name});
    m_ui->cmbLang->addItem(name);
}

void TfrmLanguageAndHelp::BuildHelpList(const QString &folder)
{
    const QSignalBlocker block(m_ui->cmbHelpFile);
    m_helpFolder = folder;
    m_ui->cmbHelpFile->clear();
    m_ui->cmbHelpFile->addItems(filesWithExtension(folder, QStringLiteral(".chm")));
    m_ui->cmbHelpFile->setCurrentIndex(-1);
    if (m_ui->cmbHelpFile->count() == 1) {
        m_ui->cmbHelpFile->setCurrentIndex(0);
        setHelpFile(m_ui->cmbHelpFile->itemText(0));
    }
}

void TfrmLanguageAndHelp::setHelpFile(const QString &name)
{
    m_helpFile = name.isEmpty() ? QString() : AppPaths::joinPath(m_helpFolder, name);
}

void TfrmLanguageAndHelp::ChangeLang(const QString &path)
{
    if (!m_language)
        return;
    const LanguageFile::Status status = m_language->ChangeLang(path);
    if (status == LanguageFile::Status::Read) {
        emit languageNoted(m_language->notes().text(QFileInfo(path).fileName()));
        return;
    }
    m_messages.showMessage(QStringLiteral("Tablevane"), m_table.text(49), MessageIcon::Error);
    if (status != LanguageFile::Status::ReadFailed)
        return;
    m_language->ApplyEnglishTexts();
    m_language->SetDefaultMessages();
    m_ui->cmbLang->setCurrentIndex(kEnglish);
    emit saveRequested();
}

void TfrmLanguageAndHelp::RememberLanguageChoice()
{
    m_rememberedLanguage = m_ui->cmbLang->currentIndex();
    m_rememberedHelp = m_ui->cmbHelpFile->currentIndex();
}

void TfrmLanguageAndHelp::RestoreLanguageChoice()
{
    m_ui->cmbLang->setCurrentIndex(m_rememberedLanguage);
    m_ui->cmbHelpFile->setCurrentIndex(m_rememberedHelp);
}

void TfrmLanguageAndHelp::loadProgramSettings(const QString &languageFile, const QString &helpFile)
{
    if (!languageFile.isEmpty()) {
        m_unlistedLanguageFile = languageFile;
        for (int i = 1; i < m_languages.size(); ++i) {
            if (QFileInfo(m_languages.at(i).path).fileName() == languageFile) {
                m_unlistedLanguageFile.clear();
                m_ui->cmbLang->setCurrentIndex(i);
                ChangeLang(m_languages.at(i).path);
                break;
            }
        }
        RememberLanguageChoice();
    }
    if (!helpFile.isEmpty()) {
        const int found = m_ui->cmbHelpFile->findText(helpFile, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found >= 0) {
            m_ui->cmbHelpFile->setCurrentIndex(found);
            setHelpFile(helpFile);
        }
        RememberLanguageChoice();
    }
}

void TfrmLanguageAndHelp::applySelectedLanguage()
{
    const int selected = m_ui->cmbLang->currentIndex();
    if (selected > kEnglish && selected < m_languages.size())
        ChangeLang(m_languages.at(selected).path);
}

QString TfrmLanguageAndHelp::languageFileToStore() const
{
    const int selected = m_ui->cmbLang->currentIndex();
    if (selected > kEnglish && selected < m_languages.size())
        return QFileInfo(m_languages.at(selected).path).fileName();
    return m_languageTouched ? QString() : m_unlistedLanguageFile;
}

QString TfrmLanguageAndHelp::helpFileToStore() const
{
    return m_ui->cmbHelpFile->currentText();
}

bool TfrmLanguageAndHelp::officeInstalled() const
{
    return m_preferences.detection().ExcelInstalled || m_preferences.detection().CalcInstalled;
}

void TfrmLanguageAndHelp::cmbLangChange()
{
    m_languageTouched = true;
}

void TfrmLanguageAndHelp::cmbHelpFileChange()
{
    setHelpFile(m_ui->cmbHelpFile->currentText());
}

void TfrmLanguageAndHelp::btnOkClick()
{
    emit saveRequested();
    if (officeInstalled())
        emit focusWorkPathRequested();
    const int selected = m_ui->cmbLang->currentIndex();
    if (m_languageTouched && m_language) {
        if (selected > kEnglish && selected < m_languages.size()) {
            ChangeLang(m_languages.at(selected).path);
        } else {
            m_language->ApplyEnglishTexts();
            m_language->SetDefaultMessages();
            emit languageNoted(QString());
        }
    }
    // Cancel later returns to what OK has just put in place.
    RememberLanguageChoice();
    accept();
}

void TfrmLanguageAndHelp::btnCancelClick()
{
    if (officeInstalled())
        emit focusWorkPathRequested();
    RestoreLanguageChoice();
    QDialog::reject();
}

void TfrmLanguageAndHelp::reject()
{
    btnCancelClick();
}
