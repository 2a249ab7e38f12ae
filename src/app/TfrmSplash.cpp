#include "TfrmSplash.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *text(QWidget *parent, const QString &caption, const char *family, int pixels, bool bold, const QColor &color)
{
    auto *label = new QLabel(caption, parent);
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QFrame *rule(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(324, 200);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(palette);
    const QColor headline(204, 199, 100);
    const QColor name(86, 207, 80);
    const QColor version = QApplication::palette().color(QPalette::Window);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(text(this, QStringLiteral("Automation of formatting"), "Tahoma", 13, true, headline));
    layout->addWidget(text(this, QStringLiteral("(xls, ods, xlsx  files)"), "Tahoma", 13, true, headline));
    layout->addWidget(rule(this));
    layout->addWidget(text(this, QStringLiteral("Tablevane"), "Verdana", 29, false, name));
    layout->addWidget(rule(this));
    layout->addWidget(text(this, QStringLiteral("v 2.2.3"), "Verdana", 17, false, version));
    layout->addWidget(rule(this));
    if (QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    Timer1->start();
}

bool TfrmSplash::timerEnabled() const
{
    return Timer1->isActive();
}

void TfrmSplash::waitForTimer()
{
    while (timerEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}
