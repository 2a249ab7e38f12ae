#include "LogViewerWindow.h"

#include "NoticeTable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A log grows by one line per failed document; a file far beyond that is shown by its end.
constexpr qint64 kShownBytes = 4 * 1024 * 1024;

} // namespace

LogViewerWindow::LogViewerWindow(QWidget *parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("LogViewerWindow"));
    m_text->setObjectName(QStringLiteral("edtLog"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_buttons);
    resize(640, 360);
}

QString LogViewerWindow::readTail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    if (file.size() > kShownBytes)
        file.seek(file.size() - kShownBytes);
    return QString::fromLocal8Bit(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void LogViewerWindow::showLog(const QString &path)
{
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" - Tablevane"));
    m_buttons->button(QDialogButtonBox::Close)->setText(NoticeTable::text(Notice::LogWindowClose));
    m_text->setPlainText(readTail(path));
    show();
    raise();
    activateWindow();
    scrollToEnd();
    // The window system may still size the window; the last line stays in view.
    QTimer::singleShot(0, this, &LogViewerWindow::scrollToEnd);
}

void LogViewerWindow::scrollToEnd()
{
    m_text->moveCursor(QTextCursor::End);
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}
