#pragma once

#include "ChmArchive.h"
#include "HelpContents.h"

#include <QTextBrowser>
#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// Shows the pages of the open help file, with their images; a link inside the file is
// followed here, a link elsewhere goes to the desktop.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(const ChmArchive &archive, QWidget *parent = nullptr);

    // The address of a page of the help file ("/index.html").
    static QUrl pageUrl(const QString &page);
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);

    const ChmArchive &m_archive;
};

// The program's help window: the table of contents of a compiled help file in a tree
// beside its pages. One window serves the program; showing another file replaces the
// one shown.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Opens the file and shows its table of contents with its first page; a file that
    // cannot be read is said in the window. False in that case.
    bool showContents(const QString &helpFile);

    QString helpFile() const { return m_archive.path(); }
    QTreeWidget *contents() const { return m_tree; }
    HelpBrowser *browser() const { return m_browser; }

private:
    void fillTree(const QList<HelpTopic> &topics, QTreeWidgetItem *parent);
    void topicChosen(QTreeWidgetItem *item);
    void pageShown(const QUrl &url);

    ChmArchive m_archive;
    QLabel *m_contentsLabel = nullptr;
    QTreeWidget *m_tree = nullptr;
    HelpBrowser *m_browser = nullptr;
};
