#include "ControlsTheme.h"

#include "gestures/EventConsumer.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"

#include <QGraphicsRectItem>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

void addContent(ScrollArea* area, const QSizeF& size)
{
    auto* item = new QGraphicsRectItem(QRectF(QPointF(0, 0), size), area->childrenContainer());
    item->setPen(Qt::NoPen);
}

std::unique_ptr<ScrollArea> areaWithContent(const QSizeF& content)
{
    auto area = std::make_unique<ScrollArea>(nullptr);
    addContent(area.get(), content);
    area->setBounds(QRectF(0, 0, 100, 100));
    return area;
}

} // namespace

class tst_ScrollArea : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void scrollersShowWhenNeeded_data()
    {
        QTest::addColumn<QSizeF>("content");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QRectF>("viewport");
        QTest::newRow("smaller") << QSizeF(50, 50) << false << false << QRectF(0, 0, 100, 100);
        QTest::newRow("taller") << QSizeF(50, 300) << true << false << QRectF(0, 0, 84, 100);
        // The horizontal bar covers the bottom strip, so the vertical one is needed to reach it.
        QTest::newRow("as tall, wider") << QSizeF(300, 100) << true << true << QRectF(0, 0, 84, 84);
        QTest::newRow("taller than the rest above the bar, wider")
            << QSizeF(300, 90) << true << true << QRectF(0, 0, 84, 84);
        QTest::newRow("as tall as the rest above the bar, wider")
            << QSizeF(300, 84) << false << true << QRectF(0, 0, 100, 84);
        QTest::newRow("as wide, taller") << QSizeF(100, 300) << true << true << QRectF(0, 0, 84, 84);
        QTest::newRow("taller and wider") << QSizeF(300, 300) << true << true << QRectF(0, 0, 84, 84);
    }

    void scrollersShowWhenNeeded()
    {
        QFETCH(QSizeF, content);
        QFETCH(bool, vertical);
        QFETCH(bool, horizontal);
        QFETCH(QRectF, viewport);
        auto area = areaWithContent(content);
        QCOMPARE(area->verticalScroller()->isVisible(), vertical);
        QCOMPARE(area->horizontalScroller()->isVisible(), horizontal);
        QCOMPARE(area->scrollerBox()->scaledBounds(), viewport);
        QCOMPARE(area->childrenContainer()->pos(), QPointF(0, 0));
        if (vertical)
            QCOMPARE(area->verticalScroller()->scaledBounds().x(), 84.0);
    }

    void everyPartOfTheContentIsReachable_data()
    {
        QTest::addColumn<double>("horizontal");
        QTest::addColumn<double>("vertical");
        QTest::addColumn<QPointF>("containerPos");
        QTest::newRow("start") << 0.0 << 0.0 << QPointF(0, 0);
        QTest::newRow("bottom left") << 0.0 << 100.0 << QPointF(0, -216);
        QTest::newRow("bottom right") << 100.0 << 100.0 << QPointF(-216, -216);
        QTest::newRow("middle") << 50.0 << 50.0 << QPointF(-108, -108);
    }

    void everyPartOfTheContentIsReachable()
    {
        QFETCH(double, horizontal);
        QFETCH(double, vertical);
        QFETCH(QPointF, containerPos);
        auto area = areaWithContent(QSizeF(300, 300));
        area->scrollToValues(horizontal, vertical);
        QCOMPARE(area->childrenContainer()->pos(), containerPos);
        // The content's far corner meets the viewport's at the end values.
        if (horizontal == 100.0 && vertical == 100.0) {
            const QPointF corner = area->childrenContainer()->mapToItem(area->scrollerBox(), QPointF(300, 300));
            QCOMPARE(corner, area->scrollerBox()->boundingRect().bottomRight());
        }
    }

    void offsetBurstRelaysOnceLater()
    {
        auto area = areaWithContent(QSizeF(50, 50));
        area->setUpdateDelay(20);
        addContent(area.get(), QSizeF(50, 400));
        area->parentOffsetChanged();
        area->parentOffsetChanged();
        QVERIFY(!area->verticalScroller()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(area->verticalScroller()->isVisible(), 1000);
        QCOMPARE(area->contentRect().height(), 400.0);
    }

    void pressesReachContentInsideTheViewportOnly()
    {
        auto area = areaWithContent(QSizeF(300, 300));
        Gestures::EventConsumer consumer;
        const auto onScroller = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(92, 40));
        area->handleMousePress(onScroller.get(), consumer);
        QCOMPARE(consumer.consumer(), area->verticalScroller());
        QVERIFY(area->verticalScroller()->value() > 0);
    }
};

QTEST_MAIN(tst_ScrollArea)
#include "tst_scrollarea.moc"
