#include "hosting/NavigationQMLWrapper.h"

#include "SceneTestHelpers.h"
#include "carousel/CarouselView.h"
#include "controls/SvgButton.h"
#include "hosting/CarouselModelItem.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;
using Utilities::CarouselModelItem;
using Utilities::NavigationQMLWrapper;

namespace {

// A navigation wrapper on one made-up screen.
class ScreenWrapper : public NavigationQMLWrapper
{
public:
    QRect screen = QRect(0, 0, 1920, 1080);
    // A panel along the bottom.
    QRect available = QRect(0, 0, 1920, 1040);

protected:
    QRect screenGeometryAt(const QPoint&) const override { return screen; }
    QRect availableGeometryAt(const QPoint&) const override { return available; }
};

// The main scene: a 1000 x 1000 wrapper with a carousel of count plates.
class MainScene
{
public:
    explicit MainScene(int count)
    {
        wrapper = new ScreenWrapper;
        scene.addItem(wrapper);
        wrapper->setSize(QSizeF(1000, 1000));
        view = new CarouselView;
        view->setHighlightMoveDuration(0);
        QList<CarouselModelItem*> items;
        for (int index = 0; index < count; ++index) {
            auto* plate = new SvgControlObject(nullptr);
            plate->setParent(&owner);
            plate->setBounds(QRectF(0, 0, 260, 180));
            items.append(new CarouselModelItem(plate, &owner));
            plates.append(plate);
        }
        view->setModel(items);
        wrapper->setCurrentView(view);
        wrapper->setIsCarouselVisible(true);
    }

    QGraphicsScene scene;
    QObject owner;
    ScreenWrapper* wrapper = nullptr;
    CarouselView* view = nullptr;
    QList<SvgControlObject*> plates;
};

std::unique_ptr<QGraphicsSceneWheelEvent> wheel(int delta)
{
    auto event = std::make_unique<QGraphicsSceneWheelEvent>(QEvent::GraphicsSceneWheel);
    event->setDelta(delta);
    event->ignore();
    return event;
}

std::unique_ptr<QKeyEvent> key(int code)
{
    auto event = std::make_unique<QKeyEvent>(QEvent::KeyPress, code, Qt::NoModifier);
    event->ignore();
    return event;
}

} // namespace

class tst_NavigationQMLWrapper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void hostsANavigationContainer();
    void writesAnnounceOnlyChanges();
    void readsDefaultsWithoutView();
    void bindsTheView();
    void viewFollowsTheWrappersSize();
    void carouselTurnsBehindTheGadget();
    void keysAndWheelStep_data();
    void keysAndWheelStep();
    void keysAndWheelLeaveEmptyOrHiddenCarouselsAlone_data();
    void keysAndWheelLeaveEmptyOrHiddenCarouselsAlone();
    void angleFacesTheScreenCentreUnlessTheCarouselFits_data();
    void angleFacesTheScreenCentreUnlessTheCarouselFits();
    void viewLearnsTheAreasItKeepsTo();
    void angleTurnsTheView();
    void angleStaysWithoutViewOrControl();
};

void tst_NavigationQMLWrapper::initTestCase()
{
    SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_NavigationQMLWrapper::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_NavigationQMLWrapper::hostsANavigationContainer()
{
    NavigationQMLWrapper wrapper;
    NavigationContainer* container = wrapper.navigationContainer();
    QVERIFY(container);
    QCOMPARE(wrapper.control(), container);
    QCOMPARE(container->parentItem(), &wrapper);
    QVERIFY(container->navigationControl());
    QCOMPARE(wrapper.hotSpot(), container->navigationControl()->hotspot());
    QCOMPARE(wrapper.property("hotSpot").toPointF(), wrapper.hotSpot());

    delete container;
    QCOMPARE(wrapper.navigationContainer(), nullptr);
    QCOMPARE(wrapper.hotSpot(), QPointF());
}

void tst_NavigationQMLWrapper::writesAnnounceOnlyChanges()
{
    NavigationQMLWrapper wrapper;
    QSignalSpy radius(&wrapper, &NavigationQMLWrapper::gadgetRadiusChanged);
    QSignalSpy angle(&wrapper, &NavigationQMLWrapper::yRotationAngleChanged);
    QSignalSpy factor(&wrapper, &NavigationQMLWrapper::carouselDelegateScaleFactorChanged);
    QSignalSpy visible(&wrapper, &NavigationQMLWrapper::isCarouselVisibleChanged);
    QSignalSpy index(&wrapper, &NavigationQMLWrapper::currentIndexChanged);

    wrapper.setProperty("gadgetRadius", 80.0);
    wrapper.setYRotationAngle(0.0);
    wrapper.setCarouselDelegateScaleFactor(0.5 + 1e-12);
    wrapper.setIsCarouselVisible(false);
    wrapper.setCurrentIndex(0);
    QCOMPARE(radius.count() + angle.count() + factor.count() + visible.count() + index.count(), 0);

    wrapper.setGadgetRadius(160.0);
    wrapper.setYRotationAngle(30.0);
    wrapper.setCarouselDelegateScaleFactor(0.85);
    wrapper.setIsCarouselVisible(true);
    wrapper.setCurrentIndex(3);
    QCOMPARE(radius.count(), 1);
    QCOMPARE(angle.count(), 1);
    QCOMPARE(factor.count(), 1);
    QCOMPARE(visible.count(), 1);
    QCOMPARE(index.count(), 1);
    QCOMPARE(index.first().first().toInt(), 3);
    QCOMPARE(wrapper.gadgetRadius(), 160.0);
}

void tst_NavigationQMLWrapper::readsDefaultsWithoutView()
{
    NavigationQMLWrapper wrapper;
    QCOMPARE(wrapper.pathView(), nullptr);
    QCOMPARE(wrapper.gadgetMargin(), 0);
    QCOMPARE(wrapper.carouselScale(), 1.0);
    QCOMPARE(wrapper.delegateFullScreenScaleFactor(), 1.0);
    QCOMPARE(wrapper.delegateDefaultScaleFactor(), 1.0);
    QCOMPARE(wrapper.highlightMoveDuration(), 0);
    QCOMPARE(wrapper.moving(), false);
    QCOMPARE(wrapper.delegateWidth(), 0);
    QCOMPARE(wrapper.delegateHeight(), 0);
    wrapper.setCarouselScale(2.0);
    QCOMPARE(wrapper.carouselScale(), 1.0);
}

void tst_NavigationQMLWrapper::bindsTheView()
{
    MainScene main(5);
    ScreenWrapper* wrapper = main.wrapper;
    CarouselView* view = main.view;
    QSignalSpy ended(wrapper, &NavigationQMLWrapper::carouselMovementEnded);

    QCOMPARE(wrapper->property("currentView").value<CarouselView*>(), view);
    QCOMPARE(view->parentItem(), wrapper);
    QCOMPARE(view->zValue(), wrapper->zValue() + 1);
    QCOMPARE(view->mapRectToItem(wrapper, view->boundingRect()), QRectF(-125, -125, 1250, 1250));
    QVERIFY(view->isVisible());

    QCOMPARE(wrapper->gadgetMargin(), 18);
    QCOMPARE(wrapper->delegateFullScreenScaleFactor(), 0.85);
    QCOMPARE(wrapper->delegateDefaultScaleFactor(), 0.5);
    QCOMPARE(wrapper->highlightMoveDuration(), 0);
    QCOMPARE(wrapper->delegateWidth(), 260);
    QCOMPARE(wrapper->delegateHeight(), 180);
    wrapper->setCarouselScale(0.8);
    QCOMPARE(view->scale(), 0.8);
    QCOMPARE(wrapper->carouselScale(), 0.8);

    wrapper->setGadgetRadius(160);
    wrapper->setYRotationAngle(20);
    wrapper->setCarouselDelegateScaleFactor(0.85);
    wrapper->setIsCarouselVisible(false);
    QCOMPARE(view->gadgetRadius(), 160.0);
    QCOMPARE(view->yRotationAngle(), 20.0);
    QCOMPARE(view->delegateScaleFactor(), 0.85);
    QVERIFY(!view->isVisible());

    wrapper->setCurrentIndex(2);
    QCOMPARE(view->currentIndex(), 2);
    view->setCurrentIndex(4);
    QCOMPARE(wrapper->currentIndex(), 4);
    // No such item: both stay where they are.
    wrapper->setCurrentIndex(7);
    QCOMPARE(view->currentIndex(), 4);
    QCOMPARE(wrapper->currentIndex(), 4);

    emit view->movementEnded();
    QCOMPARE(ended.count(), 1);
}

// The scene resizes its root item as the gadget scales: the view keeps its
// border round the wrapper, stays centred on it when turned, and its path
// is that of a view laid out at the new size.
void tst_NavigationQMLWrapper::viewFollowsTheWrappersSize()
{
    MainScene main(5);
    main.view->rotateCarousel(90);
    main.wrapper->setSize(QSizeF(1400, 1200));

    QCOMPARE(main.view->boundingRect(), QRectF(0, 0, 1650, 1450));
    QCOMPARE(main.view->mapToItem(main.wrapper, main.view->boundingRect().center()), QPointF(700, 600));
    CarouselView reference;
    reference.setHostSize(QSizeF(1400, 1200));
    reference.rotateCarousel(90);
    QCOMPARE(main.view->pathRect(), reference.pathRect());
}

// The carousel turns behind the gadget: the items waiting on the path's
// far side, where it passes the gadget, are covered by it (the wheel and
// its labels stay readable and take the clicks), while the current item,
// clear of the gadget, stays on top, also of a label reaching over it.
void tst_NavigationQMLWrapper::carouselTurnsBehindTheGadget()
{
    // As in the main window: the wrapper is the gadget's size.
    MainScene main(5);
    NavigationContainer* gadget = main.wrapper->navigationContainer();
    const QRectF gadgetArea = gadget->sceneBoundingRect();
    main.wrapper->setSize(gadgetArea.size());
    main.wrapper->setGadgetRadius(gadgetArea.width() / 2);
    const auto onGadget = [gadget](const QGraphicsItem* item) {
        return item == gadget || gadget->isAncestorOf(item);
    };
    const auto topmostAt = [&](const QPointF& point) {
        const QList<QGraphicsItem*> found = main.scene.items(point, Qt::IntersectsItemShape, Qt::DescendingOrder);
        return found.isEmpty() ? nullptr : found.first();
    };

    const auto coveredItems = [&] {
        int covered = 0;
        for (const SvgControlObject* plate : std::as_const(main.plates)) {
            const QRectF overlap = plate->sceneBoundingRect() & gadgetArea;
            if (plate->isVisible() && !overlap.isEmpty() && onGadget(topmostAt(overlap.center())))
                ++covered;
            else if (plate->isVisible() && !overlap.isEmpty())
                return -1;
        }
        return covered;
    };
    QVERIFY(coveredItems() > 0);
    SvgControlObject* current = main.plates.at(main.view->currentIndex());
    QVERIFY(!current->sceneBoundingRect().intersects(gadgetArea));
    auto* label = new QGraphicsRectItem(gadget->mapRectFromScene(current->sceneBoundingRect()), gadget);
    QCOMPARE(topmostAt(current->sceneBoundingRect().center()), current);

    // Turned towards the next item, that one comes to the front.
    main.view->setCurrentIndex(1);
    SvgControlObject* next = main.plates.at(1);
    label->setRect(gadget->mapRectFromScene(next->sceneBoundingRect()));
    QCOMPARE(topmostAt(next->sceneBoundingRect().center()), next);
    QVERIFY(coveredItems() > 0);
}

void tst_NavigationQMLWrapper::keysAndWheelStep_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("to");

    QTest::newRow("left from first") << 0 << int(Qt::Key_Left) << 0 << 4;
    QTest::newRow("right from first") << 0 << int(Qt::Key_Right) << 0 << 1;
    QTest::newRow("right from last") << 4 << int(Qt::Key_Right) << 0 << 0;
    QTest::newRow("wheel up from last") << 4 << 0 << 120 << 0;
    QTest::newRow("wheel down from first") << 0 << 0 << -120 << 4;
    QTest::newRow("wheel down") << 3 << 0 << -120 << 2;
}

void tst_NavigationQMLWrapper::keysAndWheelStep()
{
    QFETCH(int, from);
    QFETCH(int, keyCode);
    QFETCH(int, delta);
    QFETCH(int, to);

    MainScene main(5);
    main.wrapper->setCurrentIndex(from);
    if (keyCode) {
        auto event = key(keyCode);
        main.wrapper->handleKeyPressEvent(event.get());
        QVERIFY(event->isAccepted());
    } else {
        auto event = wheel(delta);
        main.wrapper->handleMouseWheelEvent(event.get());
        QVERIFY(event->isAccepted());
    }
    QCOMPARE(main.wrapper->currentIndex(), to);
    QCOMPARE(main.view->currentIndex(), to);

    auto other = key(Qt::Key_Up);
    main.wrapper->handleKeyPressEvent(other.get());
    QVERIFY(!other->isAccepted());
    QCOMPARE(main.wrapper->currentIndex(), to);
}

void tst_NavigationQMLWrapper::keysAndWheelLeaveEmptyOrHiddenCarouselsAlone_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("withView");

    QTest::newRow("empty") << 0 << true << true;
    QTest::newRow("hidden") << 5 << false << true;
    QTest::newRow("no view") << 5 << true << false;
}

void tst_NavigationQMLWrapper::keysAndWheelLeaveEmptyOrHiddenCarouselsAlone()
{
    QFETCH(int, count);
    QFETCH(bool, visible);
    QFETCH(bool, withView);

    MainScene main(count);
    main.wrapper->setIsCarouselVisible(visible);
    if (!withView)
        main.wrapper->setCurrentView(nullptr);
    QSignalSpy index(main.wrapper, &NavigationQMLWrapper::currentIndexChanged);

    for (int code : {int(Qt::Key_Left), int(Qt::Key_Right)}) {
        auto event = key(code);
        main.wrapper->handleKeyPressEvent(event.get());
        QVERIFY(!event->isAccepted());
    }
    for (int delta : {120, -120}) {
        auto event = wheel(delta);
        main.wrapper->handleMouseWheelEvent(event.get());
        QVERIFY(!event->isAccepted());
    }
    QCOMPARE(index.count(), 0);
}

void tst_NavigationQMLWrapper::angleFacesTheScreenCentreUnlessTheCarouselFits_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<qreal>("angle");

    const QRect primary(0, 0, 1920, 1080); // centre (959, 539)
    QTest::newRow("near the left edge") << primary << QPointF(300, 539) << false << 0.0;
    QTest::newRow("near the right edge") << primary << QPointF(1800, 539) << false << 180.0;
    QTest::newRow("near the bottom") << primary << QPointF(959, 1040) << false << 90.0;
    QTest::newRow("right edge, full screen") << primary << QPointF(1800, 539) << true << 0.0;
    // Screens away from the desktop's origin are judged by their own edges.
    const QRect right(1920, 0, 1920, 1080); // centre (2879, 539)
    QTest::newRow("second screen, room") << right << QPointF(2300, 539) << false << 0.0;
    QTest::newRow("second screen, right edge") << right << QPointF(3800, 539) << false << 180.0;
    const QRect below(0, 1080, 1920, 1080); // centre (959, 1619)
    QTest::newRow("lower screen, room") << below << QPointF(300, 1619) << false << 0.0;
    QTest::newRow("lower screen, top edge") << below << QPointF(959, 1100) << false << 270.0;
}

void tst_NavigationQMLWrapper::angleFacesTheScreenCentreUnlessTheCarouselFits()
{
    QFETCH(QRect, screen);
    QFETCH(QPointF, centre);
    QFETCH(bool, fullScreen);
    QFETCH(qreal, angle);

    MainScene main(3);
    main.wrapper->screen = screen;
    main.wrapper->navigationContainer()->setIsInFullScreenMode(fullScreen);
    QSignalSpy announced(main.wrapper, &NavigationQMLWrapper::angleToCenterChanged);

    main.wrapper->onPositionChanged(centre);

    QCOMPARE(announced.count(), 1);
    QVERIFY2(qAbs(announced.first().first().toReal() - angle) < 0.5,
             qPrintable(QString::number(announced.first().first().toReal())));
    QCOMPARE(main.wrapper->angleToCenter(), announced.first().first().toReal());
}

// The view learns where the screen's available area and the gadget's corner
// buttons lie in the scene, centre being the wrapper's middle on the desktop.
void tst_NavigationQMLWrapper::viewLearnsTheAreasItKeepsTo()
{
    MainScene main(3);
    main.wrapper->onPositionChanged(QPointF(700, 600));

    const QPointF desktopToScene = QPointF(500, 500) - QPointF(700, 600);
    QCOMPARE(main.view->keepInsideArea(), QRectF(0, 0, 1920, 1040).translated(desktopToScene));
    const NavigationControl* navigation = main.wrapper->navigationContainer()->navigationControl();
    QCOMPARE(main.view->keepClearAreas(),
             QList<QRectF>({navigation->infoButton()->sceneBoundingRect(),
                            navigation->closeButton()->sceneBoundingRect(),
                            navigation->refreshButton()->sceneBoundingRect(),
                            navigation->resizeButton()->sceneBoundingRect()}));
}

void tst_NavigationQMLWrapper::angleTurnsTheView()
{
    MainScene main(3);
    main.wrapper->onPositionChanged(QPointF(1800, 539));
    QCOMPARE(main.view->rotation(), -180.0);
    main.wrapper->onPositionChanged(QPointF(300, 539));
    QCOMPARE(main.view->rotation(), 0.0);
}

void tst_NavigationQMLWrapper::angleStaysWithoutViewOrControl()
{
    MainScene main(3);
    main.wrapper->onPositionChanged(QPointF(1800, 539));
    const qreal angle = main.wrapper->angleToCenter();
    QSignalSpy announced(main.wrapper, &NavigationQMLWrapper::angleToCenterChanged);

    main.wrapper->setCurrentView(nullptr);
    main.wrapper->onPositionChanged(QPointF(959, 1040));
    QCOMPARE(announced.count(), 0);
    QCOMPARE(main.wrapper->angleToCenter(), angle);

    main.wrapper->setCurrentView(main.view);
    delete main.wrapper->control();
    main.wrapper->onPositionChanged(QPointF(959, 1040));
    QCOMPARE(announced.count(), 0);
    QCOMPARE(main.wrapper->angleToCenter(), angle);
}

QTEST_MAIN(tst_NavigationQMLWrapper)
#include "tst_navigationqmlwrapper.moc"
