#include "ControlsTheme.h"

#include "controls/SvgButton.h"
#include "controls/SvgControlObject.h"
#include "gestures/EventConsumer.h"

#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

std::unique_ptr<QGraphicsSceneMouseEvent> press(const QPointF& scenePos)
{
    return SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, scenePos);
}

QRgb centrePixel(SvgButton& button)
{
    const QRectF rect = button.boundingRect();
    const QImage image = ControlsTheme::paintItem(&button, rect.size().toSize());
    return image.pixel(int(rect.width() / 2), int(rect.height() / 2));
}

} // namespace

class tst_SvgButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void stateLooks_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("elementId");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("normal") << int(SvgButton::Normal) << "" << "ok_default" << QColor("#3060c0");
        QTest::newRow("hover") << int(SvgButton::Hover) << "" << "ok_hover" << QColor("#40a0ff");
        QTest::newRow("pressed") << int(SvgButton::Pressed) << "" << "ok_pressed" << QColor("#102060");
        QTest::newRow("disabled") << int(SvgButton::Disabled) << "" << "ok_disabled" << QColor("#808080");
        QTest::newRow("suffixed normal") << int(SvgButton::Normal) << "big" << "ok_default_big" << QColor("#30c060");
        QTest::newRow("suffixed hover") << int(SvgButton::Hover) << "big" << "ok_hover_big" << QColor("#60ff90");
        QTest::newRow("suffix falls back to plain pressed")
            << int(SvgButton::Pressed) << "big" << "ok_pressed" << QColor("#102060");
    }

    void stateLooks()
    {
        QFETCH(int, state);
        QFETCH(QString, suffix);
        QFETCH(QString, elementId);
        QFETCH(QColor, colour);
        SvgButton button(ControlsTheme::renderer("button"), "ok", nullptr);
        button.setElementsSuffix(suffix);
        button.setState(SvgButton::ButtonState(state));
        QCOMPARE(button.currentElementId(), elementId);
        QCOMPARE(QColor(centrePixel(button)), colour);
    }

    void missingStatesFallBackToNormal()
    {
        SvgButton button(ControlsTheme::renderer("button"), "close", nullptr);
        for (auto state : {SvgButton::Normal, SvgButton::Hover, SvgButton::Pressed, SvgButton::Disabled}) {
            button.setState(state);
            QCOMPARE(button.currentElementId(), QString("close_default"));
        }
    }

    void hitsOnlyBlackMaskPixels_data()
    {
        QTest::addColumn<QPointF>("scenePos");
        QTest::addColumn<bool>("hit");
        // ok_mask is an ellipse inside the plate (10, 10, 80, 30).
        QTest::newRow("centre") << QPointF(50, 25) << true;
        QTest::newRow("plate corner outside the ellipse") << QPointF(12, 12) << false;
        QTest::newRow("outside the plate") << QPointF(95, 25) << false;
    }

    void hitsOnlyBlackMaskPixels()
    {
        QFETCH(QPointF, scenePos);
        QFETCH(bool, hit);
        SvgControlObject owner(ControlsTheme::renderer("button"));
        SvgButton* button = owner.initButton("ok");
        Gestures::EventConsumer consumer;
        auto event = press(scenePos);
        owner.handleMousePress(event.get(), consumer);
        QCOMPARE(event->isAccepted(), hit);
        QCOMPARE(button->state(), hit ? SvgButton::Pressed : SvgButton::Normal);
    }

    void hoverFollowsTheMask()
    {
        SvgButton button(ControlsTheme::renderer("button"), "ok", nullptr);
        const auto enter = SceneTestHelpers::hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF(50, 25));
        button.handleHoverEnterEvent(enter.get());
        QCOMPARE(button.state(), SvgButton::Hover);
        QVERIFY(!enter->isAccepted());
        const auto move = SceneTestHelpers::hoverEvent(QEvent::GraphicsSceneHoverMove, QPointF(12, 12));
        button.handleHoverMoveEvent(move.get());
        QCOMPARE(button.state(), SvgButton::Normal);
    }

    void stayPressedUntilNextPress()
    {
        SvgControlObject owner(ControlsTheme::renderer("button"));
        SvgButton* button = owner.initButton("ok");
        Gestures::EventConsumer consumer;
        auto first = press(QPointF(50, 25));
        owner.handleMousePress(first.get(), consumer);
        button->setStayPressed(true);
        owner.handleMouseRelease(first.get(), consumer.consumer());
        QCOMPARE(button->state(), SvgButton::Pressed);

        auto second = press(QPointF(50, 25));
        owner.handleMousePress(second.get(), consumer);
        owner.handleMouseRelease(second.get(), consumer.consumer());
        QCOMPARE(button->state(), SvgButton::Normal);
    }

    void releaseOfAnotherPressIsIgnored()
    {
        SvgControlObject owner(ControlsTheme::renderer("button"));
        SvgButton* button = owner.initButton("ok");
        button->setState(SvgButton::Pressed);
        auto event = press(QPointF(50, 25));
        owner.handleMouseRelease(event.get(), nullptr);
        QCOMPARE(button->state(), SvgButton::Pressed);
    }

    void disabledButtonIgnoresPointer()
    {
        SvgControlObject owner(ControlsTheme::renderer("button"));
        SvgButton* button = owner.initButton("ok");
        button->setState(SvgButton::Disabled);
        Gestures::EventConsumer consumer;
        auto event = press(QPointF(50, 25));
        owner.handleMousePress(event.get(), consumer);
        QVERIFY(!event->isAccepted());
        QCOMPARE(button->state(), SvgButton::Disabled);
    }

    void setBoundsMovesWithoutResizing()
    {
        SvgButton button(ControlsTheme::renderer("button"), "ok", nullptr);
        const QSizeF size = button.boundingRect().size();
        button.setBounds(QRectF(200, 100, 10, 10));
        QCOMPARE(button.pos(), QPointF(200, 100));
        QCOMPARE(button.boundingRect().size(), size);
        QVERIFY(button.hitTest(QPointF(240, 115)));
        QVERIFY(!button.hitTest(QPointF(50, 25)));
    }

    void customBoundsRectangleMaskIsInItemCoordinates()
    {
        // "cb" has no mask element: its rectangle is centred on the custom
        // bounds element and hit in the button's own coordinates.
        SvgButton button(ControlsTheme::renderer("button"), "cb", nullptr);
        button.setCustomBoundsElementId("cb_default");
        button.setMaskBounds(QRectF(0, 0, 40, 20));
        QVERIFY(button.hitTest(QPointF(70, 70)));
        QVERIFY(!button.hitTest(QPointF(20, 55)));
    }

    void themeSwitchReskins()
    {
        SvgControlObject owner(ControlsTheme::renderer("button"));
        SvgButton* button = owner.initButton("ok");
        button->setState(SvgButton::Hover);
        QCOMPARE(QColor(centrePixel(*button)), QColor("#40a0ff"));

        ThemeProvider::DefaultThemeFolder = QStringLiteral(":/ControlsTheme2");
        ThemeProvider::updateRenderers();
        owner.updateCachedData();
        QCOMPARE(button->scaledBounds(), QRectF(20, 20, 100, 40));
        QCOMPARE(button->currentElementId(), QString("ok_default"));
        QCOMPARE(QColor(centrePixel(*button)), QColor("#c08030"));
        QVERIFY(button->hitTest(QPointF(115, 55)));

        ThemeProvider::DefaultThemeFolder = QStringLiteral(":/ControlsTheme");
        ThemeProvider::updateRenderers();
        owner.updateCachedData();
        QCOMPARE(button->scaledBounds(), QRectF(10, 10, 80, 30));
        QCOMPARE(QColor(centrePixel(*button)), QColor("#40a0ff"));
    }

    void buttonBounds_data()
    {
        QTest::addColumn<QRectF>("buttonBounds");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("explicit") << QRectF(0, 0, 100, 50) << QRectF(0, 0, 100, 50);
        QTest::newRow("zero width ignored") << QRectF(0, 0, 0, 50) << QRectF(10, 10, 80, 30);
        QTest::newRow("zero height ignored") << QRectF(0, 0, 100, 0) << QRectF(10, 10, 80, 30);
    }

    void buttonBounds()
    {
        QFETCH(QRectF, buttonBounds);
        QFETCH(QRectF, expected);
        SvgButton button(ControlsTheme::renderer("button"), "ok", nullptr);
        button.setButtonBounds(buttonBounds);
        QCOMPARE(button.scaledBounds(), expected);
        // The mask follows the explicit bounds: their centre is a hit.
        QVERIFY(button.hitTest(expected.center()));
    }
};

QTEST_MAIN(tst_SvgButton)
#include "tst_svgbutton.moc"
