#include "DialogsTheme.h"

#include "windows/ToolBar.h"

#include <QTest>

using namespace Corvane::Gadgets;

class tst_ToolBar : public QObject
{
    Q_OBJECT

private slots:
    void imageSitsAtTheTrailingEnd_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<int>("imageLeft");
        QTest::newRow("left to right") << Qt::LeftToRight << 300 - 7 - 20;
        QTest::newRow("right to left") << Qt::RightToLeft << 7;
    }

    void imageSitsAtTheTrailingEnd()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(int, imageLeft);
        QImage logo(20, 10, QImage::Format_ARGB32);
        logo.fill(Qt::red);
        ToolBar bar(logo, 7);
        bar.setLayoutDirection(direction);
        bar.resize(300, 40);
        const QImage image = bar.grab().toImage();
        QCOMPARE(image.pixelColor(imageLeft, 15), QColor(Qt::red));
        QCOMPARE(image.pixelColor(imageLeft + 19, 24), QColor(Qt::red));
        QVERIFY(image.pixelColor(imageLeft - 1, 20) != QColor(Qt::red));
        QVERIFY(image.pixelColor(imageLeft + 20, 20) != QColor(Qt::red));
    }
};

QTEST_MAIN(tst_ToolBar)
#include "tst_toolbar.moc"
