#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "gestures/EventConsumer.h"
#include "navigation/InfoControl.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"
#include "utilities/Globals.h"

#include "LogCapture.h"

#include "SceneTestHelpers.h"

#include <QCoreApplication>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

using SceneTestHelpers::useTheme;

// On the left of the disc, away from the text and the buttons.
const QPointF GRIP_POINT(40, 160);
// The transparent corner outside the round face.
const QPointF OUTSIDE_POINT(2, 2);

std::unique_ptr<InfoControl> createInfo()
{
    return std::make_unique<InfoControl>(ThemeProvider::getRendererFor(ThemeProvider::INFO));
}

std::unique_ptr<QGraphicsSceneMouseEvent> mouseEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneMouseEvent>(type);
    event->setScenePos(scenePos);
    event->setPos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setButtons(Qt::LeftButton);
    return event;
}

QList<qreal> faceOpacities(const InfoControl& info)
{
    return {info.background()->opacity(), info.versionLabel()->opacity(), info.configureButton()->opacity(),
            info.flipButton()->opacity()};
}

} // namespace

class tst_InfoControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { ThemeProvider::clear(); }

    void showsFamilyVersionAndConfigure_data();
    void showsFamilyVersionAndConfigure();
    void flipButtonFollowsTheContainersHover();
    void clicksAreReported_data();
    void clicksAreReported();
    void pressAndHoldEntersMoving_data();
    void pressAndHoldEntersMoving();
    void draggingTheBackgroundMovesTheWindow();
    void releaseRestoresTheHoverFade();
};

void tst_InfoControl::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.7.1"));
    useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_InfoControl::showsFamilyVersionAndConfigure_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

void tst_InfoControl::showsFamilyVersionAndConfigure()
{
    QFETCH(QString, theme);
    useTheme(theme);
    const auto info = createInfo();

    QCOMPARE(info->versionLabel()->text(),
             Corvane::Utilities::Globals::productFamily() + QStringLiteral("\nVersion: 2.7.1"));
    QCOMPARE(info->versionLabel()->mode(), TextLabel::MultiLineAligned);
    QCOMPARE(info->versionLabel()->controlId(), QString("version"));
    QCOMPARE(info->versionLabel()->textBounds(), info->boundsOnElement(QStringLiteral("text_placeholder")));
    QCOMPARE(info->configureButton()->text(), QString("Configure"));
    QCOMPARE(info->configureButton()->controlId(), QString("configure"));
    QCOMPARE(info->configureButton()->iconElement(), QString("default"));
    QVERIFY(!info->configureButton()->contentBounds().isEmpty());
    QCOMPARE(info->boundingRect().size(), QSizeF(320, 320));
    QVERIFY(!info->isMoving());
    QVERIFY(!info->moveIndicator()->isVisible());
    QCOMPARE(info->flipButton()->opacity(), 0.0);
    for (SvgControl* child : {static_cast<SvgControl*>(info->background()),
                              static_cast<SvgControl*>(info->configureButton()),
                              static_cast<SvgControl*>(info->flipButton()),
                              static_cast<SvgControl*>(info->versionLabel()),
                              static_cast<SvgControl*>(info->moveIndicator())})
        QVERIFY(info->childControls().contains(child));
    useTheme(QStringLiteral(":/CorvaneTheme"));
}

// The face's own hover events leave the flip button alone: it follows the
// container's report, which comes only after the container's delay.
void tst_InfoControl::flipButtonFollowsTheContainersHover()
{
    const auto info = createInfo();
    auto* animation = info->findChild<QPropertyAnimation*>();
    QVERIFY(animation);
    QCOMPARE(animation->propertyName(), QByteArray("floatingIconsOpacity"));

    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    info->handleHoverEnterEvent(&enter);
    QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
    QCOMPARE(info->flipButton()->opacity(), 0.0);

    QVERIFY(QMetaObject::invokeMethod(info.get(), "onHoverEntered", Q_ARG(bool, true)));
    QCOMPARE(animation->endValue().toReal(), 1.0);
    animation->setCurrentTime(animation->duration());
    QCOMPARE(info->flipButton()->opacity(), 1.0);
    QCOMPARE(info->configureButton()->opacity(), 1.0);

    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    info->handleHoverLeaveEvent(&leave);
    QCOMPARE(animation->endValue().toReal(), 1.0);
    QCOMPARE(info->flipButton()->opacity(), 1.0);

    QVERIFY(QMetaObject::invokeMethod(info.get(), "onHoverEntered", Q_ARG(bool, false)));
    QCOMPARE(animation->startValue().toReal(), 1.0);
    QCOMPARE(animation->endValue().toReal(), 0.0);
    animation->setCurrentTime(animation->duration());
    QCOMPARE(info->flipButton()->opacity(), 0.0);
}

void tst_InfoControl::clicksAreReported_data()
{
    QTest::addColumn<bool>("flip");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("flip") << true << QStringLiteral("Info Control, flip button clicked.");
    QTest::newRow("configure") << false << QStringLiteral("Info Control, configure button clicked.");
}

void tst_InfoControl::clicksAreReported()
{
    QFETCH(bool, flip);
    QFETCH(QString, logLine);
    const auto info = createInfo();
    QSignalSpy flipSpy(info.get(), &InfoControl::flipButtonClicked);
    QSignalSpy configureSpy(info.get(), &InfoControl::configButtonClicked);
    QSignalSpy clickSpy(info.get(), &SvgControlObject::elementClick);
    LogCapture log;

    SvgElement* button = flip ? static_cast<SvgElement*>(info->flipButton()) : info->configureButton();
    info->onElementClick(button);

    QCOMPARE(flipSpy.count(), flip ? 1 : 0);
    QCOMPARE(configureSpy.count(), flip ? 0 : 1);
    QCOMPARE(clickSpy.count(), 1);
    QCOMPARE(clickSpy.at(0).at(0).value<SvgElement*>(), button);
    QVERIFY(log.contains(logLine));

    info->onElementClick(info->background());
    QCOMPARE(flipSpy.count() + configureSpy.count(), 1);
    QCOMPARE(clickSpy.count(), 2);
}

void tst_InfoControl::pressAndHoldEntersMoving_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<bool>("moving");
    QTest::addColumn<QList<qreal>>("opacities");
    QTest::addColumn<bool>("indicatorShown");

    const QList<qreal> dimmed{0.5, 0.5, 0.5, 0.5};
    const QList<qreal> plain{1.0, 1.0, 1.0, 0.0};
    QTest::newRow("on the background") << false << GRIP_POINT << true << dimmed << true;
    QTest::newRow("outside the background") << false << OUTSIDE_POINT << false << plain << false;
    QTest::newRow("full screen") << true << GRIP_POINT << true << plain << false;
}

void tst_InfoControl::pressAndHoldEntersMoving()
{
    QFETCH(bool, fullScreen);
    QFETCH(QPointF, position);
    QFETCH(bool, moving);
    QFETCH(QList<qreal>, opacities);
    QFETCH(bool, indicatorShown);
    const auto info = createInfo();
    info->setIsInFullScreenMode(fullScreen);

    const auto hold = mouseEvent(QEvent::GraphicsSceneMousePress, position);
    info->handleMousePressAndHold(hold.get());

    QCOMPARE(info->isMoving(), moving);
    QCOMPARE(faceOpacities(*info), opacities);
    QCOMPARE(info->moveIndicator()->isVisible(), indicatorShown);

    const auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, position);
    info->handleMouseRelease(release.get(), nullptr);
    QVERIFY(!info->isMoving());
    QCOMPARE(faceOpacities(*info), QList<qreal>({1.0, 1.0, 1.0, 0.0}));
    QVERIFY(!info->moveIndicator()->isVisible());
}

void tst_InfoControl::draggingTheBackgroundMovesTheWindow()
{
    const auto info = createInfo();
    QSignalSpy dragSpy(info.get(), &SvgControlObject::elementDrag);
    Gestures::EventConsumer consumer;

    const auto press = mouseEvent(QEvent::GraphicsSceneMousePress, GRIP_POINT);
    press->setAccepted(false);
    info->handleMousePress(press.get(), consumer);
    QCOMPARE(consumer.consumer(), info->background());

    const auto move = mouseEvent(QEvent::GraphicsSceneMouseMove, GRIP_POINT + QPointF(15, 5));
    info->handleMousePressAndMove(GRIP_POINT, move.get(), consumer.consumer());
    QVERIFY(info->isMoving());
    QCOMPARE(dragSpy.count(), 1);
    QCOMPARE(dragSpy.at(0).at(0).value<SvgElement*>(), info->background());
    QVERIFY(info->moveIndicator()->isVisible());

    // A drag that began on the configure button does not move the window.
    const auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, GRIP_POINT);
    info->handleMouseRelease(release.get(), consumer.consumer());
    info->handleMousePressAndMove(GRIP_POINT, move.get(), info->configureButton());
    QVERIFY(!info->isMoving());
    QCOMPARE(dragSpy.count(), 1);
}

void tst_InfoControl::releaseRestoresTheHoverFade()
{
    const auto info = createInfo();
    const auto hold = mouseEvent(QEvent::GraphicsSceneMousePress, GRIP_POINT);
    info->handleMousePressAndHold(hold.get());
    QCOMPARE(info->flipButton()->opacity(), 0.5);

    // Released with the pointer outside the gadget: the flip button stays hidden.
    const auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, OUTSIDE_POINT);
    info->handleMouseRelease(release.get(), nullptr);
    QCOMPARE(info->flipButton()->opacity(), 0.0);

    info->setFloatingIconsOpacity(1.0);
    QCOMPARE(info->flipButton()->opacity(), 1.0);
}

QTEST_MAIN(tst_InfoControl)
#include "tst_infocontrol.moc"
