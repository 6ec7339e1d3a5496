// The controls of this library on scenes built with the two built-in themes.

#include "controls/SvgButton.h"
#include "controls/SvgControlObject.h"
#include "controls/SvgElement.h"
#include "frame/SvgWindowFrame.h"
#include "gestures/EventConsumer.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"
#include "text/TextLabel.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

using SceneTestHelpers::useTheme;

std::unique_ptr<QGraphicsSceneMouseEvent> press(const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneMouseEvent>(QEvent::GraphicsSceneMousePress);
    event->setScenePos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setAccepted(false);
    return event;
}

QImage paintItem(QGraphicsItem* item)
{
    const QRectF rect = item->boundingRect();
    QImage image(rect.size().toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-rect.topLeft());
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, nullptr);
    return image;
}

} // namespace

class tst_BuiltInControls : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { ThemeProvider::clear(); }

    void closeButtonLooksAndMask_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("Corvane") << ":/CorvaneTheme";
        QTest::newRow("Talvera") << ":/TalveraTheme";
    }

    void closeButtonLooksAndMask()
    {
        QFETCH(QString, folder);
        useTheme(folder);
        SvgControlObject owner(ThemeProvider::getRendererFor(ThemeProvider::WINDOW_FRAME));
        SvgButton* button = owner.initButton(SvgWindowFrame::CLOSE_BUTTON_ID);
        const QStringList ids{"close_button_default", "close_button_hover", "close_button_pressed",
                              "close_button_disabled"};
        QList<QImage> looks;
        for (int state = SvgButton::Normal; state <= SvgButton::Disabled; ++state) {
            button->setState(SvgButton::ButtonState(state));
            QCOMPARE(button->currentElementId(), ids.at(state));
            looks << paintItem(button);
        }
        QVERIFY(looks.at(0) != looks.at(1));
        QVERIFY(looks.at(1) != looks.at(2));
        QVERIFY(looks.at(0) != looks.at(3));

        button->setState(SvgButton::Normal);
        const QRectF mask = button->boundsOnElement("close_button_mask");
        Gestures::EventConsumer consumer;
        auto inside = press(mask.center());
        owner.handleMousePress(inside.get(), consumer);
        QVERIFY(inside->isAccepted());
        auto outside = press(mask.topLeft() - QPointF(2, 2));
        owner.handleMousePress(outside.get(), consumer);
        QVERIFY(!outside->isAccepted());
    }

    void scrollAreaReachesItsContent_data() { closeButtonLooksAndMask_data(); }

    void scrollAreaReachesItsContent()
    {
        QFETCH(QString, folder);
        useTheme(folder);
        ScrollArea area(nullptr);
        auto* content = new QGraphicsRectItem(0, 0, 140, 500, area.childrenContainer());
        content->setPen(Qt::NoPen);
        area.setBounds(QRectF(0, 0, 160, 120));
        Scroller* vertical = area.verticalScroller();
        QVERIFY(vertical->isVisible());
        QVERIFY(!area.horizontalScroller()->isVisible());
        QVERIFY(vertical->thumb()->isVisible());
        // The scroller is as wide as its bar mask and sits on the right edge.
        QCOMPARE(vertical->scaledBounds().right(), 160.0);
        QCOMPARE(vertical->pos(), vertical->scaledBounds().topLeft());

        area.scrollToValues(0, 100);
        const QPointF bottom = area.childrenContainer()->mapToItem(area.scrollerBox(), QPointF(0, 500));
        QCOMPARE(bottom.y(), area.scrollerBox()->boundingRect().bottom());

        // A press on the track below the thumb pages towards it.
        area.scrollToValues(0, 0);
        const QRectF middle = vertical->barMiddle()->sceneBoundingRect();
        Gestures::EventConsumer consumer;
        auto track = press(QPointF(middle.center().x(), middle.bottom() - 2));
        area.handleMousePress(track.get(), consumer);
        QCOMPARE(consumer.consumer(), vertical);
        QVERIFY(vertical->value() > 80);
    }

    void windowFrameLayout_data() { closeButtonLooksAndMask_data(); }

    void windowFrameLayout()
    {
        QFETCH(QString, folder);
        useTheme(folder);
        auto* content = new SvgControlObject(nullptr);
        content->setBounds(QRectF(0, 0, 300, 200));
        SvgWindowFrame frame(content, ThemeProvider::getRendererFor(ThemeProvider::WINDOW_FRAME), nullptr);
        const QRectF titleBar = frame.titleBar()->scaledBounds();
        QVERIFY(titleBar.contains(frame.closeButton()->scaledBounds()));
        QVERIFY(content->scaledBounds().contains(frame.resizeHandle()->scaledBounds()));
        QVERIFY(frame.boundingRect().contains(content->scaledBounds()));
        QVERIFY(frame.boundingRect().width() > 300 && frame.boundingRect().height() > 200 + titleBar.height() / 2);
        QVERIFY(frame.title()->textBounds().right() <= frame.closeButton()->scaledBounds().left() + 1);
    }
};

QTEST_MAIN(tst_BuiltInControls)
#include "tst_builtincontrols.moc"
