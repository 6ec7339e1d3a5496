#include "DialogsTheme.h"

#include "windows/SplashScreen.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_SplashScreen : public QObject
{
    Q_OBJECT

private slots:
    void versionTexts_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("versionText");
        QTest::addColumn<QString>("buildText");
        QTest::newRow("three parts") << "2.0.93" << "Version 2.0" << "Build 93";
        QTest::newRow("two parts") << "2.0" << QString() << QString();
        QTest::newRow("empty build") << "2.0." << "Version 2.0" << "Build ";
    }

    void versionTexts()
    {
        QFETCH(QString, version);
        QFETCH(QString, versionText);
        QFETCH(QString, buildText);
        const auto texts = SplashScreen::versionTexts(version);
        QCOMPARE(texts.first, versionText);
        QCOMPARE(texts.second, buildText);
    }

    void fadeClosesAndReportsOnce_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("at once") << 0;
        QTest::newRow("short fade") << 30;
    }

    void fadeClosesAndReportsOnce()
    {
        QFETCH(int, milliseconds);
        SplashScreen splash;
        QPixmap picture(200, 100);
        picture.fill(Qt::black);
        splash.setPixmap(picture);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QSignalSpy closed(&splash, &SplashScreen::closed);
        splash.fade(milliseconds);
        QVERIFY(closed.count() == 1 || closed.wait(2000));
        QCOMPARE(closed.count(), 1);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.windowOpacity(), 0.4);
        QTest::qWait(milliseconds + 20);
        QCOMPARE(closed.count(), 1);
    }

    void paintsOverThePicture()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Configurator"));
        QCoreApplication::setApplicationVersion(QStringLiteral("2.0.93"));
        SplashScreen splash;
        QPixmap picture(400, 300);
        picture.fill(Qt::black);
        splash.setPixmap(picture);
        const QImage image = splash.grab().toImage();
        // The library's picture is drawn at (30, 11).
        QVERIFY(image.pixelColor(30 + 48, 11 + 48) != QColor(Qt::black));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::black));
    }
};

QTEST_MAIN(tst_SplashScreen)
#include "tst_splashscreen.moc"
