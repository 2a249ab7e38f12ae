#include "WindowFixture.h"

#include <QSystemTrayIcon>
#include <QTest>

// The window and the tray show the icon installed for the desktop, at every size drawn.
class tst_appicon : public QObject
{
    Q_OBJECT

private slots:
    void windowAndTrayShowTheDesktopIcon_data();
    void windowAndTrayShowTheDesktopIcon();
};

void tst_appicon::windowAndTrayShowTheDesktopIcon_data()
{
    QTest::addColumn<int>("size");
    const QStringList sizes = QStringLiteral(TABLEVANE_ICON_SIZES).split(QLatin1Char(','));
    for (const QString &size : sizes)
        QTest::addRow("%s", qPrintable(size)) << size.toInt();
}

void tst_appicon::windowAndTrayShowTheDesktopIcon()
{
    QFETCH(int, size);
    // A pixmap keeps its colours premultiplied by their opacity; the file is compared so too.
    const QImage drawn = QImage(QStringLiteral(TABLEVANE_ICON_PNG_DIR "/%1.png").arg(size))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!drawn.isNull());
    WindowFixture fixture;
    const auto shown = [size](const QIcon &icon) {
        return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    QCOMPARE(shown(fixture.window().windowIcon()), drawn);
    QCOMPARE(shown(fixture.window().trayIcon()->icon()), drawn);
}

QTEST_MAIN(tst_appicon)
#include "tst_appicon.moc"
