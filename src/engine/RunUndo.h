#pragma once

#include "KeptRuns.h"
#include "UndoTexts.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// What an undo did, path by path.
struct UndoReport
{
    struct LeftAlone
    {
        QString path;
        UndoText reason = UndoText::Changed;
        QString detail;      // the reason's %1
        QString original;    // where the original stays, when it was kept
    };

    QDateTime started;       // the run's start
    QString runFolder;
    QStringList restored;          // documents given back their original
    QStringList resultsTrashed;    // results the run created, now in the trash
    QStringList putBack;           // files the run had moved to the trash, back in place
    QList<LeftAlone> leftAlone;

    bool complete() const { return leftAlone.isEmpty(); }
    // "path: why" in the current language.
    static QString describe(const LeftAlone &entry);
    // The window's message: what was done, then what was left alone (at most maxListed).
    QString message(const QString &startText, int maxListed = 12) const;
};

// Puts back what one run changed, without losing anything: a file is replaced or moved
// to the trash only while its content is still what the run wrote (a document changed
// since is left alone and named), an original goes back through the same store a run
// uses (the office's lock file respected, nothing replaced that changes meanwhile), and
// a file comes out of the trash only onto a free place.
class RunUndo
{
public:
    explicit RunUndo(const KeptRuns::Run &run);

    UndoReport undo();

private:
    void undoDocument(const DocumentHistory &history);
    void restoreOriginal(const DocumentHistory &history);
    bool trashResult(const DocumentHistory &history);
    void putBack(const DocumentHistory &history);
    void leaveAlone(const DocumentHistory &history, UndoText reason, const QString &detail = QString());
    void close();

    KeptRuns::Run m_run;
    RunManifest m_manifest;
    UndoReport m_report;
};
