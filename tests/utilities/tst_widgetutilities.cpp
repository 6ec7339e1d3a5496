#include "utilities/WidgetUtilities.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QWidget>

using Corvane::Utilities::WidgetUtilities;

class tst_WidgetUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onTop_data();
    void onTop();
    void taskbarIconRemovedKeepsFlags();
    void nullWidget();
    void screenAtPoint_data();
    void screenAtPoint();
    void nearestPointOnScreen_data();
    void nearestPointOnScreen();
    void desktopSpansEveryScreen();
    void textEditDirection_data();
    void textEditDirection();
};

namespace {

// A primary screen with a panel at its top, a second screen left of it
// (negative coordinates) and a third one above the second.
const QList<QRect> Screens{QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024), QRect(-1280, -800, 1280, 800)};
const QList<QRect> Available{QRect(0, 32, 1920, 1048), QRect(-1280, 0, 1280, 1024), QRect(-1280, -800, 1280, 800)};

} // namespace

void tst_WidgetUtilities::screenAtPoint_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("onScreen");

    QTest::newRow("primary") << QPoint(500, 500) << 0 << true;
    QTest::newRow("primary panel") << QPoint(500, 10) << 0 << false;
    QTest::newRow("left screen") << QPoint(-1, 100) << 1 << true;
    QTest::newRow("upper left screen") << QPoint(-640, -1) << 2 << true;
    QTest::newRow("below the left screen") << QPoint(-640, 1050) << 1 << false;
    QTest::newRow("far right") << QPoint(5000, 500) << 0 << false;
    QTest::newRow("above the primary") << QPoint(500, -300) << 0 << false;
    QTest::newRow("nearer the upper left screen") << QPoint(100, -300) << 2 << false;
}

void tst_WidgetUtilities::screenAtPoint()
{
    QFETCH(QPoint, point);
    QFETCH(int, screen);
    QFETCH(bool, onScreen);
    QCOMPARE(WidgetUtilities::screenIndexAt(Screens, point), screen);
    QCOMPARE(WidgetUtilities::isPointOnScreen(Screens, Available, point), onScreen);
    QCOMPARE(WidgetUtilities::screenIndexAt({}, point), -1);
    QVERIFY(!WidgetUtilities::isPointOnScreen({}, {}, point));
}

void tst_WidgetUtilities::nearestPointOnScreen_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("nearest");

    QTest::newRow("on screen stays") << QPoint(-100, -100) << QPoint(-100, -100);
    QTest::newRow("under the panel") << QPoint(500, 10) << QPoint(500, 32);
    QTest::newRow("off the right edge") << QPoint(2500, 700) << QPoint(1919, 700);
    QTest::newRow("below the left screen") << QPoint(-2000, 1500) << QPoint(-1280, 1023);
    QTest::newRow("above everything") << QPoint(-700, -2000) << QPoint(-700, -800);
}

void tst_WidgetUtilities::nearestPointOnScreen()
{
    QFETCH(QPoint, point);
    QFETCH(QPoint, nearest);
    const QPoint result = WidgetUtilities::nearestPointOnScreen(Screens, Available, point);
    QCOMPARE(result, nearest);
    QVERIFY(WidgetUtilities::isPointOnScreen(Screens, Available, result));
}

void tst_WidgetUtilities::desktopSpansEveryScreen()
{
    QRect all;
    for (const QRect& screen : WidgetUtilities::screenGeometries(false))
        all = all.united(screen);
    QVERIFY(!all.isEmpty());
    QCOMPARE(WidgetUtilities::desktopGeometry(false), all);
    QVERIFY(all.contains(WidgetUtilities::desktopGeometry(true)));
}

void tst_WidgetUtilities::onTop_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("hidden") << false;
    QTest::newRow("shown") << true;
}

void tst_WidgetUtilities::onTop()
{
    QFETCH(bool, shown);

    QWidget widget(nullptr, Qt::FramelessWindowHint);
    widget.setVisible(shown);
    WidgetUtilities::setWindgetOnTop(&widget, true);
    QVERIFY(WidgetUtilities::isWidgetOnTop(&widget));
    QVERIFY(widget.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(widget.isVisible(), shown);

    WidgetUtilities::setWindgetOnTop(&widget, false);
    QVERIFY(!WidgetUtilities::isWidgetOnTop(&widget));
    QCOMPARE(widget.isVisible(), shown);
}

void tst_WidgetUtilities::taskbarIconRemovedKeepsFlags()
{
    QWidget widget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    widget.show();
    WidgetUtilities::removeTaskbarIconOnLinux(&widget);
    QCOMPARE(widget.windowType(), Qt::Tool);
    QVERIFY(widget.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(WidgetUtilities::isWidgetOnTop(&widget));
    QVERIFY(widget.isVisible());
}

void tst_WidgetUtilities::nullWidget()
{
    WidgetUtilities::setWindgetOnTop(nullptr, true);
    WidgetUtilities::removeTaskbarIconOnLinux(nullptr);
    QVERIFY(!WidgetUtilities::isWidgetOnTop(nullptr));
}

void tst_WidgetUtilities::textEditDirection_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("right to left") << int(Qt::RightToLeft);
    QTest::newRow("left to right") << int(Qt::LeftToRight);
}

void tst_WidgetUtilities::textEditDirection()
{
    QFETCH(int, direction);
    const auto wanted = Qt::LayoutDirection(direction);
    const auto other = wanted == Qt::RightToLeft ? Qt::LeftToRight : Qt::RightToLeft;

    QTextEdit edit;
    edit.setLayoutDirection(other);
    edit.setHtml("<b>Caption</b><p>first</p><p>second</p>");
    WidgetUtilities::changeTextEditTextDirection(&edit, wanted);

    QCOMPARE(edit.layoutDirection(), wanted);
    QCOMPARE(edit.document()->defaultTextOption().textDirection(), wanted);
    int blocks = 0;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next(), ++blocks)
        QCOMPARE(block.blockFormat().layoutDirection(), wanted);
    QVERIFY(blocks >= 2);

    // Text set afterwards follows the document's default direction.
    edit.setHtml("<b>later</b>");
    QCOMPARE(edit.document()->defaultTextOption().textDirection(), wanted);
    WidgetUtilities::changeTextEditTextDirection(nullptr, wanted);
}

QTEST_MAIN(tst_WidgetUtilities)
#include "tst_widgetutilities.moc"
