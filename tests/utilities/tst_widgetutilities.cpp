#include "utilities/WidgetUtilities.h"

#include <QTest>
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

QTEST_MAIN(tst_WidgetUtilities)
#include "tst_widgetutilities.moc"
