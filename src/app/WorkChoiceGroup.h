#pragma once

#include <QObject>
#include <QString>

class FileDialogPort;
class FileDialogTexts;
class MainWindowUi;
class PreferencesModel;
class RunController;
class WindowMessages;

// What a run works on ("Work with..."): a folder picked in the folder browser, one
// document picked in a file dialog, or a folder or document dropped on the window. A
// running or paused run keeps its list: another choice waits until it has ended or
// been stopped, and the status line says so.
class WorkChoiceGroup : public QObject
{
    Q_OBJECT

public:
    WorkChoiceGroup(MainWindowUi &ui, FileDialogPort &files, RunController &run, const PreferencesModel &preferences,
                    const WindowMessages &messages, const FileDialogTexts &dialogs, const QString &dialogStartFolder,
                    QObject *parent = nullptr);

    void rbManyFilesClick();
    void rbOneFileClick();
    // A dropped folder or document becomes the choice and its run starts.
    void chooseDroppedFolder(const QString &folder);
    void chooseDroppedDocument(const QString &path);
    // The path cleared and neither button checked.
    void clear();

private:
    void saveWorkChoice();
    void restoreWorkChoice();
    bool refuseWhileRunning();
    bool chooseFolder(const QString &folder, bool fromDrop);
    void showChoice(const QString &path, bool folder);
    QString extensionChoiceText() const;

    MainWindowUi &m_ui;
    FileDialogPort &m_files;
    RunController &m_run;
    const PreferencesModel &m_preferences;
    const WindowMessages &m_messages;
    const FileDialogTexts &m_dialogs;
    QString m_dialogStartFolder;

    // The choice as it was when a button was pressed, to put back when the new choice
    // is cancelled or refused.
    struct SavedWorkChoice
    {
        bool manyFiles = false;
        bool oneFile = false;
        QString path;
    } m_savedWorkChoice;
};
