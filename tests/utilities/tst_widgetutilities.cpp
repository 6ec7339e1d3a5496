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
    void textEditDirection_data();
    void textEditDirection();
};

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
