#include "HelpWindow.h"

#include "AppIcon.h"
#include "NoticeTable.h"
#include "TextLimits.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStringDecoder>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kScheme = QStringLiteral("chm");

} // namespace

HelpBrowser::HelpBrowser(const ChmArchive &archive, QWidget *parent)
    : QTextBrowser(parent)
    , m_archive(archive)
{
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

QUrl HelpBrowser::pageUrl(const QString &page)
{
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    const QString path = hash < 0 ? page : page.left(hash);
    url.setPath(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url;
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() != kScheme)
        return QVariant();
    const QByteArray data = m_archive.read(name.path());
    if (type != QTextDocument::HtmlResource && type != QTextDocument::StyleSheetResource)
        return data;
    // Pages say their encoding in a meta tag; without one they are taken as UTF-8.
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForHtml(data);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return QString(decoder.decode(data));
}

void HelpBrowser::followLink(const QUrl &link)
{
    const QUrl target = source().resolved(link);
    // Pages link to each other; addresses on the web open in the desktop's browser.
    // Nothing else is followed: a help file does not start programs or open local files.
    if (target.scheme() == kScheme)
        setSource(target);
    else if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https")
             || target.scheme() == QLatin1String("mailto"))
        QDesktopServices::openUrl(target);
}

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(AppIcon::icon());
    m_contentsLabel = new QLabel(this);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvContents"));
    m_tree->setHeaderHidden(true);
    m_browser = new HelpBrowser(m_archive, this);
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_contentsLabel);
    sideLayout->addWidget(m_tree, 1);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 640});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(900, 620);
    connect(m_tree, &QTreeWidget::itemClicked, this, &HelpWindow::topicChosen);
    connect(m_tree, &QTreeWidget::itemActivated, this, &HelpWindow::topicChosen);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);
}

bool HelpWindow::showContents(const QString &helpFile)
{
    setWindowTitle(NoticeTable::text(Notice::HelpWindowTitle));
    m_contentsLabel->setText(NoticeTable::text(Notice::HelpContents));
    m_tree->clear();
    if (!m_archive.open(helpFile)) {
        m_browser->setPlainText(NoticeTable::text(Notice::HelpFileUnreadable).arg(TextLimits::clip(helpFile)));
        return false;
    }
    setWindowTitle(NoticeTable::text(Notice::HelpWindowTitle) + QStringLiteral(" - ") + QFileInfo(helpFile).fileName());
    const QString contentsFile = m_archive.contentsFile();
    const QList<HelpTopic> topics =
        contentsFile.isEmpty() ? QList<HelpTopic>() : HelpContents::parse(m_archive.read(contentsFile));
    fillTree(topics, nullptr);
    m_tree->expandToDepth(0);
    QString first = m_archive.defaultTopic();
    if (first.isEmpty() && !topics.isEmpty())
        first = topics.constFirst().page;
    m_browser->clearHistory();
    if (!first.isEmpty())
        m_browser->setSource(HelpBrowser::pageUrl(first));
    else
        m_browser->clear();
    return true;
}

void HelpWindow::fillTree(const QList<HelpTopic> &topics, QTreeWidgetItem *parent)
{
    for (const HelpTopic &topic : topics) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, topic.name);
        item->setData(0, Qt::UserRole, topic.page);
        fillTree(topic.children, item);
    }
}

void HelpWindow::topicChosen(QTreeWidgetItem *item)
{
    const QString page = item->data(0, Qt::UserRole).toString();
    if (!page.isEmpty())
        m_browser->setSource(HelpBrowser::pageUrl(page));
}

void HelpWindow::pageShown(const QUrl &url)
{
    // The tree follows the page shown, whether chosen there or reached by a link.
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const QUrl page = HelpBrowser::pageUrl((*it)->data(0, Qt::UserRole).toString());
        if (page.path() == url.path()) {
            m_tree->setCurrentItem(*it);
            return;
        }
    }
}
