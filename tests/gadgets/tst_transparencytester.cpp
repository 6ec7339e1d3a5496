#include "DialogsTheme.h"
#include "LogCapture.h"

#include "windows/TransparencyTester.h"

#include <QImage>
#include <QTest>

using Corvane::Gadgets::Utilities::TransparencyTester;

class tst_TransparencyTester : public QObject
{
    Q_OBJECT

private slots:
    void findNonBlackPixel_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QPoint>>("lit");
        QTest::addColumn<QPoint>("found");
        QTest::newRow("all black") << QSize(400, 300) << QList<QPoint>() << QPoint(-1, -1);
        QTest::newRow("lit only in the border")
            << QSize(400, 300) << QList<QPoint>({{99, 150}, {300, 99}, {300, 200}, {150, 250}}) << QPoint(-1, -1);
        QTest::newRow("first column first") << QSize(400, 300) << QList<QPoint>({{200, 100}, {150, 199}})
                                            << QPoint(150, 199);
        QTest::newRow("top of a column first") << QSize(400, 300) << QList<QPoint>({{150, 180}, {150, 120}})
                                               << QPoint(150, 120);
        QTest::newRow("last searched pixel") << QSize(400, 300) << QList<QPoint>({{299, 199}}) << QPoint(299, 199);
        QTest::newRow("screen too small") << QSize(200, 200) << QList<QPoint>({{100, 100}}) << QPoint(-1, -1);
    }

    void findNonBlackPixel()
    {
        QFETCH(QSize, size);
        QFETCH(QList<QPoint>, lit);
        QFETCH(QPoint, found);
        QImage screen(size, QImage::Format_RGB32);
        screen.fill(Qt::black);
        for (const QPoint& point : lit)
            screen.setPixel(point, qRgb(255, 255, 255));
        QCOMPARE(TransparencyTester::findNonBlackPixel(screen), found);
    }

    void dialogIsATranslucentPixel()
    {
        TransparencyTester tester;
        QVERIFY(tester.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(tester.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(tester.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(tester.size(), QSize(1, 1));
        QCOMPARE(tester.windowModality(), Qt::ApplicationModal);
    }

    void withoutScreenGrabsTheTestIsNotMade()
    {
        // Offscreen (as Wayland) has no screen to grab: the answer is "works"
        // and nothing is shown.
        QVERIFY(!TransparencyTester::isGrabSupported());
        LogCapture log;
        TransparencyTester tester;
        QVERIFY(tester.checkTransparency());
        QVERIFY(!tester.isVisible());
        QVERIFY(log.contains(QStringLiteral("Transparency test not supported")));
    }
};

QTEST_MAIN(tst_TransparencyTester)
#include "tst_transparencytester.moc"
