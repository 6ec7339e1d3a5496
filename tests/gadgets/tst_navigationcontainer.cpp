#include "animation/FlipAnimator.h"
#include "controls/SvgButton.h"
#include "gestures/EventConsumer.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGraphicsView>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace Corvane::Gadgets;

namespace {

using SceneTestHelpers::hoverEvent;
using SceneTestHelpers::mouseEvent;
using SceneTestHelpers::useTheme;

const QRectF SCENE_RECT(0, 0, 800, 600);

// A container at the origin of a scene of the given size.
struct Fixture
{
    explicit Fixture(const QRectF& sceneRect = SCENE_RECT)
        : scene(sceneRect)
        , container(new NavigationContainer)
    {
        scene.addItem(container);
    }

    // The full-screen button of that element id among the scene's items.
    SvgButton* button(const QString& id) const
    {
        for (QGraphicsItem* item : scene.items()) {
            auto* candidate = dynamic_cast<SvgButton*>(item);
            if (candidate && !candidate->parentItem() && candidate->baseId() == id)
                return candidate;
        }
        return nullptr;
    }

    // Lets the turn between the faces run to its end at once.
    void finishTurn() const
    {
        auto* animator = container->findChild<Utilities::FlipAnimator*>();
        auto* turn = animator->findChild<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly);
        turn->setCurrentTime(turn->duration());
    }

    bool backFaceUp() const
    {
        return container->infoControl()->isVisible() && !container->navigationControl()->isVisible();
    }

    QGraphicsScene scene;
    NavigationContainer* container;
};

void pressKey(NavigationContainer& container, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    container.handleKeyPress(&event);
}

void pressAt(NavigationContainer& container, const QPointF& scenePos,
             Gestures::EventConsumer* consumer = nullptr)
{
    Gestures::EventConsumer ownConsumer;
    const auto event = mouseEvent(QEvent::GraphicsSceneMousePress, scenePos);
    container.handleMousePress(event.get(), consumer ? *consumer : ownConsumer);
}

QPointF sceneCentre(const QGraphicsItem* item)
{
    return item->mapToScene(item->boundingRect().center());
}

// The carousel's fade of its floating buttons.
QPropertyAnimation* floatingButtonsFade(const NavigationControl* carousel)
{
    for (auto* animation : carousel->findChildren<QPropertyAnimation*>()) {
        if (animation->propertyName() == "floatingIconsOpacity")
            return animation;
    }
    return nullptr;
}

// A point of the area (scene coordinates) where the scene draws nothing for
// a few pixels around, or a null point.
QPoint emptySpot(const QImage& scene, const QRect& area)
{
    constexpr int CLEARANCE = 3;
    const auto emptyAround = [&scene](int x, int y) {
        for (int dy = -CLEARANCE; dy <= CLEARANCE; ++dy) {
            for (int dx = -CLEARANCE; dx <= CLEARANCE; ++dx) {
                const QPoint p(x + dx, y + dy);
                if (!scene.rect().contains(p) || qAlpha(scene.pixel(p)) != 0)
                    return false;
            }
        }
        return true;
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (emptyAround(x, y))
                return QPoint(x, y);
        }
    }
    return QPoint();
}

} // namespace

class tst_NavigationContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { useTheme(QStringLiteral(":/CorvaneTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void construction_data();
    void construction();
    void keys_data();
    void keys();
    void keyIAndEscapeTurnTheGadget();
    void namePlatesLeaveForTheTurn();
    void escapeWithTheFrontUpKeepsTheNamePlates_data();
    void escapeWithTheFrontUpKeepsTheNamePlates();
    void infoFaceIsMadeOnTheFirstTurn_data();
    void infoFaceIsMadeOnTheFirstTurn();
    void infoFaceMadeLateTakesTheContainersState_data();
    void infoFaceMadeLateTakesTheContainersState();
    void infoAndFlipButtonsTurnTheGadget();
    void hoverLeaveIsReportedAfterADelay();
    void leaveTowardsAFloatingButtonIsNoLeave();
    void buttonsFadeOnceThePointerIsOffTheDrawing_data();
    void buttonsFadeOnceThePointerIsOffTheDrawing();
    void flipButtonWaitsForTheHoverReport();
    void hoverMoveIsReportedWhenThePointerMoved();
    void releaseAndWheelAreReported();
    void fullScreenButtonsFollowTheFace();
    void pressOnFullScreenButtonIsClickThenBaseHandling();
    void fullScreenPlacement_data();
    void fullScreenPlacement();
    void cachedDataRestoresTheBounds();
    void destructorDeletesTheFullScreenButtons();
    void fullScreenButtonsLeaveTheSceneWithTheContainer();
};

void tst_NavigationContainer::construction_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

void tst_NavigationContainer::construction()
{
    QFETCH(QString, theme);
    useTheme(theme);
    const Fixture f;
    const QSizeF navigationSize = ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION)->renderer()->defaultSize();
    const QSizeF infoSize = ThemeProvider::getRendererFor(ThemeProvider::INFO)->renderer()->defaultSize();

    QCOMPARE(f.container->boundingRect(), QRectF(QPointF(0, 0), navigationSize));
    QCOMPARE(f.container->navigationControl()->scaledBounds(), QRectF(QPointF(0, 0), navigationSize));
    QCOMPARE(f.container->infoControl()->scaledBounds(), QRectF(QPointF(0, 0), infoSize));
    for (SvgControl* face : {static_cast<SvgControl*>(f.container->navigationControl()),
                             static_cast<SvgControl*>(f.container->infoControl())}) {
        QCOMPARE(face->parentItem(), f.container);
        QVERIFY(face->flags() & QGraphicsItem::ItemStacksBehindParent);
        QVERIFY(f.container->childControls().contains(face));
    }
    QVERIFY(f.container->acceptHoverEvents());
    QVERIFY(f.container->handlesKeyboardInput());
    QVERIFY(!f.container->isInFullScreenMode());
    QVERIFY(f.container->navigationControl()->isVisible());
    QVERIFY(!f.container->infoControl()->isVisible());
    QVERIFY(f.container->infoControl()->flipButton()->isVisibleTo(f.container->infoControl()));
    QCOMPARE(f.container->fullScreenRefreshButton()->baseId(), QString("refresh_fullscreen"));
    QVERIFY(!f.container->fullScreenRefreshButton()->parentItem());
    QVERIFY(!f.container->fullScreenRefreshButton()->isVisible());
    QVERIFY(!f.container->childControls().contains(f.container->fullScreenRefreshButton()));
}

void tst_NavigationContainer::keys_data()
{
    QTest::addColumn<bool>("handles");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("signalsSeen");
    const QStringList info{"infoPressed", "keyPressed"};
    const QStringList escape{"escapePressed", "keyPressed"};
    QTest::newRow("I") << true << int(Qt::Key_I) << info;
    QTest::newRow("F1") << true << int(Qt::Key_F1) << info;
    QTest::newRow("Escape") << true << int(Qt::Key_Escape) << escape;
    QTest::newRow("other key") << true << int(Qt::Key_A) << QStringList{"keyPressed"};
    QTest::newRow("off, I") << false << int(Qt::Key_I) << QStringList();
    QTest::newRow("off, F1") << false << int(Qt::Key_F1) << QStringList();
    QTest::newRow("off, Escape") << false << int(Qt::Key_Escape) << QStringList();
}

void tst_NavigationContainer::keys()
{
    QFETCH(bool, handles);
    QFETCH(int, key);
    QFETCH(QStringList, signalsSeen);
    const Fixture f;
    f.container->setHandlesKeyboardInput(handles);
    QStringList seen;
    const QKeyEvent* reported = nullptr;
    connect(f.container, &NavigationContainer::infoPressed, this, [&seen] { seen << "infoPressed"; });
    connect(f.container, &NavigationContainer::escapePressed, this, [&seen] { seen << "escapePressed"; });
    connect(f.container, &NavigationContainer::keyPressed, this, [&](const QKeyEvent* event) {
        seen << "keyPressed";
        reported = event;
    });
    QSignalSpy released(f.container, &NavigationContainer::keyReleased);

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    f.container->handleKeyPress(&press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    f.container->handleKeyRelease(&release);

    QCOMPARE(seen, signalsSeen);
    QCOMPARE(reported, handles ? &press : nullptr);
    QCOMPARE(released.size(), handles ? 1 : 0);
    if (handles)
        QCOMPARE(released.first().first().value<const QKeyEvent*>(), &release);
}

void tst_NavigationContainer::keyIAndEscapeTurnTheGadget()
{
    const Fixture f;
    pressKey(*f.container, Qt::Key_I);
    f.finishTurn();
    QVERIFY(f.backFaceUp());

    pressKey(*f.container, Qt::Key_Escape);
    f.finishTurn();
    QVERIFY(!f.backFaceUp());
    QVERIFY(f.container->navigationControl()->isVisible());
}

// The name plates hang far off the axis the faces turn about: drawn while
// turning, in perspective, they left trails on a desktop that blends. They
// are hidden from the start of a turn and come back once the front is up
// again, not while the back is.
void tst_NavigationContainer::namePlatesLeaveForTheTurn()
{
    const Fixture f;
    NavigationLabels* plates = f.container->navigationControl()->labels();
    QVERIFY(plates->isVisible());
    pressKey(*f.container, Qt::Key_I);
    QVERIFY(!plates->isVisible());
    f.finishTurn();
    QVERIFY(!plates->isVisible());

    pressKey(*f.container, Qt::Key_Escape);
    QVERIFY(!plates->isVisible());
    f.finishTurn();
    QVERIFY(plates->isVisible());
}

void tst_NavigationContainer::escapeWithTheFrontUpKeepsTheNamePlates_data()
{
    QTest::addColumn<bool>("turnedBefore");
    QTest::newRow("never turned") << false;
    QTest::newRow("turned over and back before") << true;
}

// Escape with the front up (closing a ring, stepping back a page) starts no
// turn: the name plates stay, and a turn afterwards still takes them along.
void tst_NavigationContainer::escapeWithTheFrontUpKeepsTheNamePlates()
{
    QFETCH(bool, turnedBefore);
    const Fixture f;
    NavigationLabels* plates = f.container->navigationControl()->labels();
    if (turnedBefore) {
        pressKey(*f.container, Qt::Key_I);
        f.finishTurn();
        pressKey(*f.container, Qt::Key_Escape);
        f.finishTurn();
    }
    QVERIFY(plates->isVisible());

    pressKey(*f.container, Qt::Key_Escape);
    pressKey(*f.container, Qt::Key_Escape);
    QVERIFY(plates->isVisible());
    QVERIFY(!f.backFaceUp());

    pressKey(*f.container, Qt::Key_I);
    QVERIFY(!plates->isVisible());
    f.finishTurn();
    pressKey(*f.container, Qt::Key_Escape);
    f.finishTurn();
    QVERIFY(plates->isVisible());
}

void tst_NavigationContainer::infoAndFlipButtonsTurnTheGadget()
{
    const Fixture f;
    emit f.container->navigationControl()->infoButtonClicked();
    f.finishTurn();
    QVERIFY(f.backFaceUp());

    emit f.container->infoControl()->flipButtonClicked();
    f.finishTurn();
    QVERIFY(!f.backFaceUp());
}

void tst_NavigationContainer::infoFaceIsMadeOnTheFirstTurn_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("carousel's info button") << QStringLiteral("button");
    QTest::newRow("key I") << QStringLiteral("key");
    QTest::newRow("full-screen info button") << QStringLiteral("full screen");
}

// The info face is made when the gadget first turns to it, and the turn
// runs to it as to one made with the gadget.
void tst_NavigationContainer::infoFaceIsMadeOnTheFirstTurn()
{
    QFETCH(QString, way);
    Fixture f;
    QSignalSpy made(f.container, &NavigationContainer::infoControlCreated);
    QVERIFY(!f.container->isInfoControlCreated());
    if (way == QLatin1String("button")) {
        emit f.container->navigationControl()->infoButtonClicked();
    } else if (way == QLatin1String("key")) {
        pressKey(*f.container, Qt::Key_I);
    } else {
        f.container->setIsInFullScreenMode(true);
        QVERIFY(!f.container->isInfoControlCreated());
        SvgButton* info = f.button(NavigationContainer::FULLSCREEN_INFO_ID);
        pressAt(*f.container, sceneCentre(info));
    }
    QVERIFY(f.container->isInfoControlCreated());
    QCOMPARE(made.size(), 1);
    QCOMPARE(made.first().first().value<InfoControl*>(), f.container->infoControl());
    f.finishTurn();
    QVERIFY(f.backFaceUp());

    pressKey(*f.container, Qt::Key_Escape);
    f.finishTurn();
    QVERIFY(!f.container->infoControl()->isVisible());
    QVERIFY(f.container->navigationControl()->isVisible());
    QCOMPARE(made.size(), 1);
}

void tst_NavigationContainer::infoFaceMadeLateTakesTheContainersState_data()
{
    QTest::addColumn<bool>("madeFirst");
    QTest::newRow("made with the gadget") << true;
    QTest::newRow("made after the changes") << false;
}

// Full-screen mode, scale, element suffix and the pointer over the gadget
// reach an info face made after them as one made before.
void tst_NavigationContainer::infoFaceMadeLateTakesTheContainersState()
{
    QFETCH(bool, madeFirst);
    Fixture f;
    if (madeFirst)
        f.container->infoControl();
    f.container->setIsInFullScreenMode(true);
    f.container->setCustomScale(1.5);
    f.container->setElementsSuffix(QStringLiteral("lights"));
    const auto enter = hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF(160, 160));
    f.container->handleHoverEnterEvent(enter.get());
    QCOMPARE(f.container->isInfoControlCreated(), madeFirst);

    InfoControl* info = f.container->infoControl();
    if (madeFirst) {
        // The fade of the floating buttons ends.
        auto* fade = info->findChild<QPropertyAnimation*>();
        fade->setCurrentTime(fade->duration());
    }
    QVERIFY(info->isInFullScreenMode());
    QVERIFY(!info->flipButton()->isVisibleTo(info));
    QCOMPARE(info->customScale(), 1.5);
    QCOMPARE(info->elementsSuffix(), QStringLiteral("lights"));
    QCOMPARE(info->floatingIconsOpacity(), 1.0);
    QVERIFY(!info->isVisible());
}

void tst_NavigationContainer::hoverLeaveIsReportedAfterADelay()
{
    const Fixture f;
    QSignalSpy hovered(f.container, &NavigationContainer::hoverEntered);
    const auto enter = hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF(160, 160));
    const auto leave = hoverEvent(QEvent::GraphicsSceneHoverLeave, QPointF(400, 400));

    f.container->handleHoverEnterEvent(enter.get());
    QCOMPARE(f.container->infoControl()->findChild<QPropertyAnimation*>()->endValue().toReal(), 1.0);
    f.container->handleHoverLeaveEvent(leave.get());
    QVERIFY(f.container->hoverTimer()->isActive());
    QVERIFY(f.container->hoverTimer()->isSingleShot());
    QCOMPARE(f.container->hoverTimer()->interval(), 1000);

    // Coming back in time cancels the report.
    f.container->handleHoverEnterEvent(enter.get());
    QVERIFY(!f.container->hoverTimer()->isActive());
    QCOMPARE(hovered.size(), 2);
    QCOMPARE(hovered.at(0).first().toBool(), true);
    QCOMPARE(hovered.at(1).first().toBool(), true);

    f.container->handleHoverLeaveEvent(leave.get());
    QTest::qWait(500);
    QCOMPARE(hovered.size(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(hovered.size(), 3, 2000);
    QCOMPARE(hovered.last().first().toBool(), false);
    QVERIFY(!f.container->hoverTimer()->isActive());
    // The info face hears of it too: its flip button fades out.
    auto* fade = f.container->infoControl()->findChild<QPropertyAnimation*>();
    QVERIFY(fade);
    QCOMPARE(fade->endValue().toReal(), 0.0);
}

// A window cut to its drawn pixels reports a leave while the pointer
// crosses a gap towards a floating button: as long as the pointer is over
// what the gadget shows, the buttons stay; once it is off, the leave is
// reported.
void tst_NavigationContainer::leaveTowardsAFloatingButtonIsNoLeave()
{
    const Fixture f;
    QGraphicsView view(const_cast<QGraphicsScene*>(&f.scene));
    view.setSceneRect(SCENE_RECT);
    view.resize(SCENE_RECT.size().toSize());
    QSignalSpy hovered(f.container, &NavigationContainer::hoverEntered);
    const auto leaves = [&hovered] {
        return std::count_if(hovered.cbegin(), hovered.cend(),
                             [](const QList<QVariant>& report) { return !report.first().toBool(); });
    };
    f.container->handleHoverEnterEvent(hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF(160, 160)).get());

    const QPointF button = sceneCentre(f.container->navigationControl()->closeButton());
    QCursor::setPos(view.viewport()->mapToGlobal(view.mapFromScene(button)));
    f.container->handleHoverLeaveEvent(hoverEvent(QEvent::GraphicsSceneHoverLeave, button).get());
    QTest::qWait(1300);
    QCOMPARE(leaves(), 0);
    QVERIFY(f.container->hoverTimer()->isActive());

    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(view.width() - 2, view.height() - 2)));
    f.container->handleHoverLeaveEvent(hoverEvent(QEvent::GraphicsSceneHoverLeave, QPointF(798, 598)).get());
    QTRY_COMPARE_WITH_TIMEOUT(leaves(), 1, 2500);
    QCOMPARE(hovered.last().first().toBool(), false);
}

void tst_NavigationContainer::buttonsFadeOnceThePointerIsOffTheDrawing_data()
{
    QTest::addColumn<QString>("spot");
    QTest::addColumn<bool>("buttonsStay");
    QTest::newRow("on the disc") << "disc" << true;
    QTest::newRow("empty, in the disc's square") << "square" << false;
    QTest::newRow("empty, among the name plates") << "plates" << false;
}

// The window lets the pointer out where the gadget draws nothing. Wherever
// it rests then, inside the rectangle spanned by the faces and the name
// plates or not, the floating buttons fade a second later unless it rests
// on something drawn.
void tst_NavigationContainer::buttonsFadeOnceThePointerIsOffTheDrawing()
{
    QFETCH(QString, spot);
    QFETCH(bool, buttonsStay);
    Fixture f;
    QGraphicsView view(&f.scene);
    view.setFrameShape(QFrame::NoFrame);
    view.setSceneRect(SCENE_RECT);
    view.resize(SCENE_RECT.size().toSize());
    NavigationControl* carousel = f.container->navigationControl();
    QSignalSpy hovered(f.container, &NavigationContainer::hoverEntered);
    f.container->handleHoverEnterEvent(hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF(160, 160)).get());
    QPropertyAnimation* fade = floatingButtonsFade(carousel);
    QVERIFY(fade);
    fade->setCurrentTime(fade->duration());
    QCOMPARE(carousel->closeButton()->opacity(), 1.0);

    QImage drawn(SCENE_RECT.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        f.scene.render(&painter, SCENE_RECT, SCENE_RECT);
    }
    const QRect square = f.container->sceneBoundingRect().toAlignedRect();
    const QRect spanned = f.container->mapRectToScene(f.container->childrenBoundingRect()).toAlignedRect();
    QPoint at;
    if (spot == "disc")
        at = sceneCentre(f.container).toPoint();
    else if (spot == "square")
        at = emptySpot(drawn, square);
    else
        at = emptySpot(drawn, spanned.adjusted(0, square.bottom() + 1 - spanned.top(), 0, 0));
    QVERIFY(!at.isNull());
    QCOMPARE(qAlpha(drawn.pixel(at)) != 0, buttonsStay);
    QVERIFY(spanned.united(square).contains(at));

    QCursor::setPos(view.viewport()->mapToGlobal(view.mapFromScene(at)));
    f.container->handleHoverLeaveEvent(hoverEvent(QEvent::GraphicsSceneHoverLeave, at).get());
    QVERIFY(f.container->hoverTimer()->isActive());
    // The second passes: the timer fires now.
    auto* timer = const_cast<QTimer*>(f.container->hoverTimer());
    timer->stop();
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));

    QCOMPARE(f.container->hoverTimer()->isActive(), buttonsStay);
    QCOMPARE(hovered.last().first().toBool(), buttonsStay);
    QCOMPARE(fade->endValue().toReal(), buttonsStay ? 1.0 : 0.0);
}

// The pointer crosses the turned gadget in the scene: the info face's flip
// button fades in with the container's report and stays until the
// container reports the pointer gone, a second after it left.
void tst_NavigationContainer::flipButtonWaitsForTheHoverReport()
{
    Fixture f;
    pressKey(*f.container, Qt::Key_I);
    f.finishTurn();
    QVERIFY(f.backFaceUp());
    InfoControl* info = f.container->infoControl();
    auto* fade = info->findChild<QPropertyAnimation*>();
    QVERIFY(fade);
    const auto moveTo = [&f](const QPointF& scenePos) {
        QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
        move.setScenePos(scenePos);
        move.setButtons(Qt::NoButton);
        QCoreApplication::sendEvent(&f.scene, &move);
    };

    moveTo(sceneCentre(f.container));
    QCOMPARE(fade->endValue().toReal(), 1.0);
    fade->setCurrentTime(fade->duration());
    QCOMPARE(info->flipButton()->opacity(), 1.0);

    moveTo(QPointF(790, 590));
    QVERIFY(f.container->hoverTimer()->isActive());
    QCOMPARE(fade->endValue().toReal(), 1.0);
    QCOMPARE(info->flipButton()->opacity(), 1.0);
    QTRY_COMPARE_WITH_TIMEOUT(fade->endValue().toReal(), 0.0, 2000);
}

void tst_NavigationContainer::hoverMoveIsReportedWhenThePointerMoved()
{
    const Fixture f;
    QSignalSpy moved(f.container, &NavigationContainer::hoverMove);
    QGraphicsSceneHoverEvent event(QEvent::GraphicsSceneHoverMove);
    event.setPos(QPointF(100, 100));
    event.setLastPos(QPointF(100, 100));
    f.container->handleHoverMoveEvent(&event);
    QCOMPARE(moved.size(), 0);

    event.setPos(QPointF(101, 100));
    f.container->handleHoverMoveEvent(&event);
    QCOMPARE(moved.size(), 1);
}

void tst_NavigationContainer::releaseAndWheelAreReported()
{
    Fixture f;
    QSignalSpy released(f.container, &NavigationContainer::mouseRelease);
    QSignalSpy wheeled(f.container, &NavigationContainer::wheel);

    const auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(160, 160));
    f.container->handleMouseRelease(release.get(), nullptr);
    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    wheel.setScenePos(QPointF(160, 160));
    wheel.setDelta(120);
    f.scene.sendEvent(f.container, &wheel);

    QCOMPARE(released.size(), 1);
    QCOMPARE(wheeled.size(), 1);
}

void tst_NavigationContainer::fullScreenButtonsFollowTheFace()
{
    const Fixture f;
    f.container->setIsInFullScreenMode(true);
    QVERIFY(f.container->isInFullScreenMode());
    QVERIFY(f.container->navigationControl()->isInFullScreenMode());
    QVERIFY(f.container->infoControl()->isInFullScreenMode());
    SvgButton* info = f.button(QStringLiteral("info_fullscreen"));
    SvgButton* flip = f.button(QStringLiteral("flip_fullscreen"));
    SvgButton* close = f.button(QStringLiteral("close_fullscreen"));
    SvgButton* refresh = f.button(QStringLiteral("refresh_fullscreen"));
    QVERIFY(info && flip && close && refresh);
    QCOMPARE(refresh, f.container->fullScreenRefreshButton());
    QVERIFY(info->isVisible() && !flip->isVisible() && close->isVisible() && refresh->isVisible());
    QVERIFY(!f.container->infoControl()->flipButton()->isVisibleTo(f.container->infoControl()));

    pressKey(*f.container, Qt::Key_I);
    QVERIFY(!info->isVisible());
    QVERIFY(flip->isVisible());
    f.finishTurn();
    QVERIFY(f.backFaceUp());
    QCOMPARE(flip->pos(), info->pos());

    // Entering full-screen mode with the back face up shows the flip button.
    f.container->setIsInFullScreenMode(false);
    f.container->setIsInFullScreenMode(true);
    QVERIFY(!info->isVisible());
    QVERIFY(flip->isVisible());

    pressKey(*f.container, Qt::Key_Escape);
    f.finishTurn();
    QVERIFY(info->isVisible());
    QVERIFY(!flip->isVisible());

    f.container->setIsInFullScreenMode(false);
    QVERIFY(!f.container->isInFullScreenMode());
    QVERIFY(!f.container->infoControl()->isInFullScreenMode());
    for (SvgButton* button : {info, flip, close, refresh})
        QVERIFY(!button->isVisible());
    QVERIFY(f.container->infoControl()->flipButton()->isVisibleTo(f.container->infoControl()));

    // Outside full-screen mode turning over leaves the buttons hidden.
    pressKey(*f.container, Qt::Key_I);
    f.finishTurn();
    QVERIFY(!info->isVisible());
    QVERIFY(!flip->isVisible());
    pressKey(*f.container, Qt::Key_Escape);
    f.finishTurn();

    // The face that is up counts, not whether the gadget is shown just now.
    f.container->setVisible(false);
    f.container->setIsInFullScreenMode(true);
    QVERIFY(info->isVisible());
    QVERIFY(!flip->isVisible());
}

void tst_NavigationContainer::pressOnFullScreenButtonIsClickThenBaseHandling()
{
    // The close button's corner of a gadget-sized scene lies over the gadget.
    Fixture f(QRectF(0, 0, 320, 320));
    f.container->setIsInFullScreenMode(true);
    SvgButton* close = f.button(QStringLiteral("close_fullscreen"));
    QVERIFY(close);
    // A child button on the same spot stands for what the faces show there.
    SvgButton* underneath = f.container->createAndAddButton(
        ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION), QStringLiteral("close_fullscreen"));
    QCOMPARE(underneath->parentItem(), f.container);
    QVERIFY(f.container->childControls().contains(underneath));
    underneath->setOffset(close->pos());

    QStringList seen;
    connect(f.container, &SvgControlObject::elementClick, this, [&](SvgElement* element) {
        seen << (element == close ? "click close" : "click other");
    });
    connect(f.container, &SvgControlObject::elementPress, this, [&](SvgElement* element) {
        seen << (element == underneath ? "press underneath" : "press other");
    });
    connect(f.container, &NavigationContainer::mousePress, this, [&seen] { seen << "mousePress"; });

    Gestures::EventConsumer consumer;
    pressAt(*f.container, sceneCentre(close), &consumer);

    QCOMPARE(seen, (QStringList{"click close", "press underneath", "mousePress"}));
    QCOMPARE(consumer.consumer(), underneath);

    // Hidden buttons take no press.
    seen.clear();
    f.container->setIsInFullScreenMode(false);
    pressAt(*f.container, sceneCentre(close));
    QCOMPARE(seen, (QStringList{"press underneath", "mousePress"}));
}

void tst_NavigationContainer::fullScreenPlacement_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QPointF>("refresh");
    QTest::addColumn<QPointF>("close");
    QTest::addColumn<QPointF>("info");
    // The buttons are 32 x 32 in both themes; the scene is 800 x 600.
    for (const QString& theme : {QStringLiteral(":/CorvaneTheme"), QStringLiteral(":/TalveraTheme")}) {
        QTest::addRow("%s, scale 1", qPrintable(theme))
            << theme << 1.0 << QPointF(8, 8) << QPointF(760, 8) << QPointF(760, 560);
        QTest::addRow("%s, scale 2", qPrintable(theme))
            << theme << 2.0 << QPointF(8, 8) << QPointF(728, 8) << QPointF(728, 528);
    }
}

void tst_NavigationContainer::fullScreenPlacement()
{
    QFETCH(QString, theme);
    QFETCH(qreal, scale);
    QFETCH(QPointF, refresh);
    QFETCH(QPointF, close);
    QFETCH(QPointF, info);
    useTheme(theme);
    const Fixture f;
    f.container->setCustomScale(scale);
    f.container->setIsInFullScreenMode(true);

    QCOMPARE(f.button(QStringLiteral("refresh_fullscreen"))->scenePos(), refresh);
    QCOMPARE(f.button(QStringLiteral("close_fullscreen"))->scenePos(), close);
    QCOMPARE(f.button(QStringLiteral("info_fullscreen"))->scenePos(), info);
    QCOMPARE(f.button(QStringLiteral("flip_fullscreen"))->scenePos(), info);
    for (const QString& id : {NavigationContainer::FULLSCREEN_REFRESH_ID, NavigationContainer::FULLSCREEN_CLOSE_ID,
                              NavigationContainer::FULLSCREEN_INFO_ID, NavigationContainer::FULLSCREEN_FLIP_ID}) {
        QCOMPARE(f.button(id)->scale(), scale);
        QCOMPARE(f.button(id)->boundingRect().size(), QSizeF(32, 32));
    }
    // The hit area scales with the button.
    const QPointF insideBottomRight = info + QPointF(30, 30) * scale;
    QVERIFY(f.button(NavigationContainer::FULLSCREEN_INFO_ID)->hitTest(info + QPointF(16, 16) * scale));
    QCOMPARE(f.button(NavigationContainer::FULLSCREEN_INFO_ID)->hitTest(insideBottomRight), false);
}

void tst_NavigationContainer::cachedDataRestoresTheBounds()
{
    Fixture f;
    f.container->setIsInFullScreenMode(true);
    f.container->setBounds(QRectF(0, 0, 10, 10));
    f.container->navigationControl()->setBounds(QRectF(5, 5, 10, 10));
    f.scene.setSceneRect(0, 0, 400, 300);
    QSignalSpy scaleChanged(f.container, &SvgControlObject::customScaleChanged);

    f.container->updateCachedData();

    QCOMPARE(f.container->boundingRect(), QRectF(0, 0, 320, 320));
    QCOMPARE(f.container->navigationControl()->scaledBounds(), QRectF(0, 0, 320, 320));
    QCOMPARE(scaleChanged.size(), 1);
    QCOMPARE(scaleChanged.first().first().toReal(), 1.0);
    // The free-standing buttons follow the new scene size too.
    QCOMPARE(f.button(NavigationContainer::FULLSCREEN_INFO_ID)->scenePos(), QPointF(360, 260));
}

void tst_NavigationContainer::destructorDeletesTheFullScreenButtons()
{
    Fixture f;
    f.container->setIsInFullScreenMode(true);
    QVERIFY(f.scene.items().size() > 4);
    QVERIFY(f.button(NavigationContainer::FULLSCREEN_CLOSE_ID));

    delete f.container;

    QVERIFY(f.scene.items().isEmpty());
}

void tst_NavigationContainer::fullScreenButtonsLeaveTheSceneWithTheContainer()
{
    // The container sits in the scene through a parent item, as a host shows it.
    auto scene = std::make_unique<QGraphicsScene>(SCENE_RECT);
    auto* host = new QGraphicsRectItem(0, 0, 320, 320);
    auto* container = new NavigationContainer;
    container->setParentItem(host);
    scene->addItem(host);
    container->setIsInFullScreenMode(true);
    QVERIFY(container->fullScreenRefreshButton()->scene() == scene.get());

    scene->removeItem(host);
    QVERIFY(!container->fullScreenRefreshButton()->scene());

    // Back in the scene after its buttons were placed there last: the scene
    // must still delete the container first, never the buttons on their own.
    scene->addItem(host);
    container->setButtonsOffset();
    QVERIFY(container->fullScreenRefreshButton()->scene() == scene.get());
    scene.reset();
}

QTEST_MAIN(tst_NavigationContainer)
#include "tst_navigationcontainer.moc"
