#include "carousel/CarouselView.h"

#include "SceneTestHelpers.h"
#include "carousel/CarouselGeometry.h"
#include "hosting/CarouselModelItem.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Corvane::Gadgets::CarouselGeometry;
using Corvane::Gadgets::CarouselView;
using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Utilities::CarouselModelItem;

namespace {

// A data-panel sized control that may take presses itself.
class Plate : public SvgControlObject
{
public:
    explicit Plate(bool takesPresses = false)
        : SvgControlObject(nullptr)
        , m_takesPresses(takesPresses)
    {
        setBounds(QRectF(0, 0, 260, 180));
    }

    int presses = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        event->setAccepted(m_takesPresses);
    }

private:
    bool m_takesPresses;
};

bool near(const QPointF& a, const QPointF& b, qreal tolerance = 0.5)
{
    return QLineF(a, b).length() < tolerance;
}

// A carousel in a scene, laid out beside a 1000 x 1000 host.
class Carousel
{
public:
    explicit Carousel(int count, bool controlsTakePresses = false)
    {
        view = new CarouselView;
        scene.addItem(view);
        view->setHostSize(QSizeF(1000, 1000));
        view->setHighlightMoveDuration(30);
        for (int index = 0; index < count; ++index) {
            // The test owns the plates, as a data page owns its controls.
            auto* plate = new Plate(controlsTakePresses);
            plate->setParent(&owner);
            plates.append(plate);
            items.append(new CarouselModelItem(plate, &owner));
        }
        view->setModel(items);
    }

    QGraphicsItem* delegate(int index) const { return plates.at(index)->parentItem(); }

    // The delegate's centre in view coordinates.
    QPointF centreOf(int index) const
    {
        const QGraphicsItem* shown = delegate(index);
        return shown->mapToItem(view, shown->boundingRect().center());
    }

    QPointF startOfPath() const
    {
        const QRectF rect = view->pathRect();
        return QPointF(rect.right(), rect.center().y());
    }

    QPointF scenePointAtPercent(qreal percent) const
    {
        const qreal hidden = CarouselGeometry::hiddenShare(view->count());
        return view->mapToScene(CarouselGeometry::pointAtPercent(view->pathRect(), hidden, percent));
    }

    void send(QEvent::Type type, const QPointF& scenePos, quint64 time = 0)
    {
        auto event = SceneTestHelpers::mouseEvent(type, scenePos);
        if (type == QEvent::GraphicsSceneMouseRelease)
            event->setButtons(Qt::NoButton);
        event->setTimestamp(time);
        QCoreApplication::sendEvent(&scene, event.get());
    }

    QGraphicsScene scene;
    QObject owner;
    CarouselView* view = nullptr;
    QList<Plate*> plates;
    QList<CarouselModelItem*> items;
};

} // namespace

class tst_CarouselView : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void emptyModelHasDefaultDelegateSize();
    void delegatesTakeTheirControlsSize();
    void extraItemsWaitOnTheHiddenEdge_data();
    void extraItemsWaitOnTheHiddenEdge();
    void currentItemSitsAtThePathStart();
    void currentItemKeepsInsideTheArea_data();
    void currentItemKeepsInsideTheArea();
    void currentItemAtRestIsDrawnAboveTheGadget_data();
    void otherItemsKeepOffTheCornerButtons();
    void itemsBehindTheCurrentOneAtRestHide();
    void itemsDrawnWholeWhenNotFading();
    void currentItemAtRestIsDrawnAboveTheGadget();
    void turnsInStepsTowardTheScreenCentre_data();
    void turnsInStepsTowardTheScreenCentre();
    void turnsAroundTheVerticalAxis();
    void clickSelectsAnotherDelegate();
    void pressesOnTheCurrentDelegateGoToItsControl();
    void pressesBesideTheDelegatesGoToTheItemsBelow();
    void dragMovesAndSnaps();
    void flickRunsOn_data();
    void flickRunsOn();
    void indexChangeFromOutsideIsNoMovement();
    void newModelLetsOldControlsGo();
    void indexAskedWhileEmptyOpensTheNextItems_data();
    void indexAskedWhileEmptyOpensTheNextItems();
};

void tst_CarouselView::defaults()
{
    CarouselView view;
    QCOMPARE(view.property("count").toInt(), 0);
    QCOMPARE(view.property("currentIndex").toInt(), 0);
    QCOMPARE(view.property("moving").toBool(), false);
    QCOMPARE(view.property("highlightMoveDuration").toInt(), 300);
    QCOMPARE(view.property("gadgetMargin").toInt(), 18);
    QCOMPARE(view.property("delegateMinimumScale").toReal(), 0.35);
    QCOMPARE(view.property("delegateDefaultScaleFactor").toReal(), 0.5);
    QCOMPARE(view.property("delegateFullScreenScaleFactor").toReal(), 0.85);
    QCOMPARE(view.property("delegateScaleFactor").toReal(), 0.5);
    QCOMPARE(view.property("gadgetRadius").toReal(), 80.0);
    QCOMPARE(view.property("yRotationAngle").toReal(), 0.0);
    QCOMPARE(view.property("yRotationAngleOverride").toReal(), 0.0);
}

void tst_CarouselView::emptyModelHasDefaultDelegateSize()
{
    CarouselView view;
    view.setModel({});
    qreal width = 0;
    qreal height = 0;
    QVERIFY(QMetaObject::invokeMethod(&view, "delegateWidth", Q_RETURN_ARG(qreal, width)));
    QVERIFY(QMetaObject::invokeMethod(&view, "delegateHeight", Q_RETURN_ARG(qreal, height)));
    QCOMPARE(width, 260.0);
    QCOMPARE(height, 180.0);
}

void tst_CarouselView::delegatesTakeTheirControlsSize()
{
    Carousel carousel(3);
    carousel.plates.first()->setBounds(QRectF(0, 0, 300, 200));

    QCOMPARE(carousel.view->delegateWidth(), 300.0);
    QCOMPARE(carousel.view->delegateHeight(), 200.0);
    QCOMPARE(carousel.delegate(0)->boundingRect(), QRectF(0, 0, 300, 200));
    QVERIFY(near(carousel.centreOf(0), carousel.startOfPath()));
}

void tst_CarouselView::extraItemsWaitOnTheHiddenEdge_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("three") << 3;
    QTest::newRow("five") << 5;
    QTest::newRow("six") << 6;
    QTest::newRow("eight") << 8;
}

void tst_CarouselView::extraItemsWaitOnTheHiddenEdge()
{
    QFETCH(int, count);
    Carousel carousel(count);
    const QRectF path = carousel.view->pathRect();

    int shown = 0;
    for (int index = 0; index < count; ++index) {
        const QGraphicsItem* delegate = carousel.delegate(index);
        if (delegate->isVisible()) {
            ++shown;
            QVERIFY(delegate->scale() > 0);
            continue;
        }
        // Hidden ones sit on the straight edge, inside its (count - 5) / count share.
        QCOMPARE(delegate->scale(), 0.0);
        QCOMPARE(delegate->opacity(), 0.0);
        QVERIFY(qAbs(carousel.centreOf(index).x() - path.left()) < 0.5);
    }
    QCOMPARE(shown, qMin(count, 5));
}

void tst_CarouselView::currentItemSitsAtThePathStart()
{
    Carousel carousel(4);
    const QGraphicsItem* current = carousel.delegate(0);
    QVERIFY(near(carousel.centreOf(0), carousel.startOfPath()));
    QCOMPARE(current->scale(), 0.5);
    QCOMPARE(current->opacity(), 1.0);
    QCOMPARE(current->zValue(), 50.0);
    for (int index = 1; index < 4; ++index)
        QVERIFY(carousel.delegate(index)->zValue() < current->zValue());
    // The current delegate keeps radius and margin clear of the gadget's centre.
    const QRectF shown = current->mapRectToItem(carousel.view, current->boundingRect());
    QVERIFY(qAbs(shown.left() - (carousel.view->pathRect().left() + 80 + 18)) < 0.5);
}

void tst_CarouselView::currentItemKeepsInsideTheArea_data()
{
    // How far each edge of the area lies inside the current item's place
    // on the path (left, top, right, bottom); the other edges lie far out.
    QTest::addColumn<QMarginsF>("cut");
    QTest::newRow("right edge") << QMarginsF(0, 0, 30, 0);
    QTest::newRow("bottom edge") << QMarginsF(0, 0, 0, 25);
    QTest::newRow("top edge") << QMarginsF(0, 25, 0, 0);
    QTest::newRow("left edge") << QMarginsF(30, 0, 0, 0);
    QTest::newRow("corner") << QMarginsF(0, 0, 30, 25);
}

// The current item is the data window the user reads: where the screen ends
// before its place on the path does, it moves in; the others stay.
void tst_CarouselView::currentItemKeepsInsideTheArea()
{
    QFETCH(QMarginsF, cut);
    Carousel carousel(4);
    const QRectF onPath = carousel.delegate(0)->sceneBoundingRect();
    const QPointF other = carousel.delegate(2)->scenePos();
    const QMarginsF far(1000, 1000, 1000, 1000);
    auto edge = [](qreal cutBy, qreal farBy) { return cutBy > 0 ? -cutBy : farBy; };
    const QRectF area = onPath.marginsAdded(QMarginsF(edge(cut.left(), far.left()), edge(cut.top(), far.top()),
                                                      edge(cut.right(), far.right()),
                                                      edge(cut.bottom(), far.bottom())));

    carousel.view->setKeepInsideArea(area);

    const QRectF shown = carousel.delegate(0)->sceneBoundingRect();
    QVERIFY2(area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(shown), qPrintable(QStringLiteral("%1 %2 %3 %4")
        .arg(shown.left()).arg(shown.top()).arg(shown.right()).arg(shown.bottom())));
    QCOMPARE(shown.size(), onPath.size());
    QCOMPARE(carousel.delegate(2)->scenePos(), other);

    carousel.view->setKeepInsideArea(QRectF());
    QCOMPARE(carousel.delegate(0)->sceneBoundingRect(), onPath);
}

// A small panel on the upper arc would cover a button at the gadget's
// corner: it moves aside, and the current item stays where it is.
void tst_CarouselView::otherItemsKeepOffTheCornerButtons()
{
    Carousel carousel(4);
    const QRectF current = carousel.delegate(0)->sceneBoundingRect();
    const QRectF upper = carousel.delegate(3)->sceneBoundingRect();
    const QRectF button(upper.center() - QPointF(14, 14), QSizeF(28, 28));

    carousel.view->setKeepClearAreas({button});

    QVERIFY(!carousel.delegate(3)->sceneBoundingRect().intersects(button));
    QCOMPARE(carousel.delegate(3)->sceneBoundingRect().size(), upper.size());
    QCOMPARE(carousel.delegate(0)->sceneBoundingRect(), current);
}

// The screen ends just below the current item's place: it moves up over the
// small panel on the upper arc, which would show around it, as a wider face
// turned up does. The panel hides while it would be behind the current item
// and shows again once clear; the panels clear of it stay. The view may be
// laid out while hidden, as before the carousel first shows.
void tst_CarouselView::itemsBehindTheCurrentOneAtRestHide()
{
    Carousel carousel(4);
    const QRectF onPath = carousel.delegate(0)->sceneBoundingRect();
    const QRectF upper = carousel.delegate(3)->sceneBoundingRect();
    QVERIFY(!onPath.intersects(upper));
    QVERIFY(carousel.delegate(1)->isVisible());
    QVERIFY(carousel.delegate(3)->isVisible());

    carousel.view->hide();
    carousel.view->setKeepInsideArea(onPath.adjusted(-1000, -1000, 1000, upper.bottom() - onPath.bottom()));
    carousel.view->show();

    QVERIFY(carousel.delegate(0)->sceneBoundingRect().intersects(upper));
    QVERIFY(carousel.delegate(0)->isVisible());
    QVERIFY(!carousel.delegate(3)->isVisible());
    QVERIFY(carousel.delegate(1)->isVisible());

    carousel.view->setKeepInsideArea(QRectF());
    QVERIFY(carousel.delegate(3)->isVisible());
}

// Where the desktop blends nothing the items shown are drawn whole; those
// waiting on the hidden edge stay hidden.
void tst_CarouselView::itemsDrawnWholeWhenNotFading()
{
    Carousel carousel(7);
    QVERIFY(carousel.view->fadesItems());
    QVERIFY(carousel.delegate(1)->opacity() < 1.0);

    carousel.view->setFadesItems(false);
    int shown = 0;
    for (int index = 0; index < carousel.view->count(); ++index) {
        const QGraphicsItem* delegate = carousel.delegate(index);
        shown += delegate->isVisible();
        QCOMPARE(delegate->opacity(), delegate->isVisible() ? 1.0 : 0.0);
    }
    QCOMPARE(shown, 5);

    carousel.view->setFadesItems(true);
    QVERIFY(carousel.delegate(1)->opacity() < 1.0);
}

void tst_CarouselView::currentItemAtRestIsDrawnAboveTheGadget_data()
{
    QTest::addColumn<qreal>("angleToCenter");
    QTest::newRow("right") << 0.0;
    QTest::newRow("up") << 90.0;
    QTest::newRow("down") << 270.0;
}

// Turned up or down, the current item lies closer to the gadget than its
// width: it is still drawn above the gadget and its labels.
void tst_CarouselView::currentItemAtRestIsDrawnAboveTheGadget()
{
    QFETCH(qreal, angleToCenter);
    QGraphicsScene scene;
    auto* host = new QGraphicsRectItem(0, 0, 1000, 1000);
    scene.addItem(host);
    QObject owner;
    auto* view = new CarouselView;
    view->setParentItem(host);
    view->setHostSize(QSizeF(1000, 1000));
    QList<CarouselModelItem*> items;
    QList<Plate*> plates;
    for (int index = 0; index < 3; ++index) {
        plates.append(new Plate);
        plates.last()->setParent(&owner);
        items.append(new CarouselModelItem(plates.last(), &owner));
    }
    view->setModel(items);
    view->rotateCarousel(angleToCenter);

    // The front layer, not the view that stacks behind the gadget.
    const QGraphicsItem* current = plates.first()->parentItem();
    QVERIFY(current->parentItem() != view);
    QCOMPARE(current->parentItem()->parentItem(), host);
}

void tst_CarouselView::turnsInStepsTowardTheScreenCentre_data()
{
    QTest::addColumn<qreal>("angleToCenter");
    QTest::addColumn<qreal>("rotation");

    QTest::newRow("right") << 0.0 << 0.0;
    QTest::newRow("near up") << 100.0 << -90.0;
    QTest::newRow("tie rounds up") << 112.5 << -135.0;
    QTest::newRow("left") << 180.0 << -180.0;
    QTest::newRow("down left") << 225.0 << -225.0;
}

void tst_CarouselView::turnsInStepsTowardTheScreenCentre()
{
    QFETCH(qreal, angleToCenter);
    QFETCH(qreal, rotation);

    Carousel carousel(5);
    carousel.view->rotateCarousel(angleToCenter);

    QCOMPARE(carousel.view->rotation(), rotation);
    QCOMPARE(carousel.view->transformOriginPoint(), QPointF(625, 625));
    for (int index = 0; index < 5; ++index) {
        // Upright on the screen whatever the turn.
        const QLineF top = carousel.delegate(index)->sceneTransform().map(QLineF(0, 0, 100, 0));
        QVERIFY2(qAbs(top.dy()) < 1e-6 && top.dx() > 0, qPrintable(QString::number(index)));
    }
    // The current delegate now lies toward the turn: straight up for -90.
    const QPointF gadgetCentre = carousel.view->mapToScene(QPointF(625, 625));
    const QPointF front = carousel.view->mapToScene(carousel.centreOf(0));
    QVERIFY(qAbs(QLineF(gadgetCentre, front).angle() - std::fmod(-rotation + 360, 360)) < 1e-6);
}

void tst_CarouselView::turnsAroundTheVerticalAxis()
{
    Carousel carousel(1);
    const auto shownWidth = [&carousel] {
        return carousel.delegate(0)->transform().mapRect(carousel.delegate(0)->boundingRect()).width();
    };
    QCOMPARE(shownWidth(), 260.0);

    carousel.view->setYRotationAngle(60);
    const qreal turned = shownWidth();
    QVERIFY2(turned > 125 && turned < 140, qPrintable(QString::number(turned)));

    carousel.view->setYRotationAngleOverride(80);
    QVERIFY(shownWidth() < 60);

    carousel.view->setYRotationAngleOverride(0);
    QCOMPARE(shownWidth(), turned);
}

void tst_CarouselView::clickSelectsAnotherDelegate()
{
    Carousel carousel(5, true);
    QSignalSpy changed(carousel.view, &CarouselView::currentIndexChanged);
    QSignalSpy ended(carousel.view, &CarouselView::movementEnded);
    const QPointF target = carousel.view->mapToScene(carousel.centreOf(1));

    carousel.send(QEvent::GraphicsSceneMousePress, target);
    carousel.send(QEvent::GraphicsSceneMouseRelease, target);

    QCOMPARE(carousel.plates.at(1)->presses, 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toInt(), 1);
    QCOMPARE(carousel.view->currentIndex(), 1);
    QVERIFY(!carousel.view->isMoving());
    QVERIFY(!near(carousel.centreOf(1), carousel.startOfPath()));
    QTRY_VERIFY(near(carousel.centreOf(1), carousel.startOfPath()));
    QVERIFY(!carousel.view->isMoving());
    QCOMPARE(ended.count(), 0);
}

void tst_CarouselView::pressesOnTheCurrentDelegateGoToItsControl()
{
    Carousel carousel(5, true);
    QSignalSpy changed(carousel.view, &CarouselView::currentIndexChanged);
    const QPointF start = carousel.view->mapToScene(carousel.centreOf(0));

    carousel.send(QEvent::GraphicsSceneMousePress, start);
    carousel.send(QEvent::GraphicsSceneMouseMove, carousel.scenePointAtPercent(0.15));
    carousel.send(QEvent::GraphicsSceneMouseRelease, carousel.scenePointAtPercent(0.15));

    QCOMPARE(carousel.plates.at(0)->presses, 1);
    QVERIFY(!carousel.view->isMoving());
    QCOMPARE(changed.count(), 0);
    QVERIFY(near(carousel.centreOf(0), carousel.startOfPath()));
}

void tst_CarouselView::pressesBesideTheDelegatesGoToTheItemsBelow()
{
    Carousel carousel(5);
    auto* below = new QGraphicsRectItem(0, 0, 1250, 1250);
    below->setFlag(QGraphicsItem::ItemIsMovable);
    below->setZValue(-1);
    carousel.scene.addItem(below);
    const QPointF gadgetCentre = carousel.view->mapToScene(QPointF(625, 625));

    carousel.send(QEvent::GraphicsSceneMousePress, gadgetCentre);

    QCOMPARE(carousel.scene.mouseGrabberItem(), below);
    carousel.send(QEvent::GraphicsSceneMouseRelease, gadgetCentre);
    QCOMPARE(carousel.view->currentIndex(), 0);
}

void tst_CarouselView::dragMovesAndSnaps()
{
    Carousel carousel(5);
    QSignalSpy changed(carousel.view, &CarouselView::currentIndexChanged);
    QSignalSpy ended(carousel.view, &CarouselView::movementEnded);
    const QPointF before = carousel.centreOf(0);

    carousel.send(QEvent::GraphicsSceneMousePress, carousel.scenePointAtPercent(0));
    QVERIFY(!carousel.view->isMoving());
    for (qreal percent : {0.04, 0.08, 0.12}) {
        carousel.send(QEvent::GraphicsSceneMouseMove, carousel.scenePointAtPercent(percent));
        QVERIFY(carousel.view->isMoving());
    }
    // The dragged delegate went down the lower arc, 0.6 places on.
    QVERIFY(carousel.centreOf(0).y() > before.y() + 50);
    QCOMPARE(carousel.view->currentIndex(), 4);

    carousel.send(QEvent::GraphicsSceneMouseRelease, carousel.scenePointAtPercent(0.12), 5000);
    QVERIFY(carousel.view->isMoving());
    QTRY_VERIFY(!carousel.view->isMoving());

    QCOMPARE(ended.count(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toInt(), 4);
    QVERIFY(near(carousel.centreOf(4), carousel.startOfPath()));
    QVERIFY(near(carousel.centreOf(0), carousel.scenePointAtPercent(0.2) - carousel.view->scenePos()));
}

void tst_CarouselView::flickRunsOn_data()
{
    QTest::addColumn<quint64>("step");
    QTest::addColumn<int>("index");

    // Dragged 0.3 places on: let go slowly it falls back, flicked it runs on
    // at its top speed, ten places a second, for five places.
    QTest::newRow("slow") << quint64(400) << 0;
    QTest::newRow("flick") << quint64(5) << 3;
}

void tst_CarouselView::flickRunsOn()
{
    QFETCH(quint64, step);
    QFETCH(int, index);

    Carousel carousel(8);
    QSignalSpy ended(carousel.view, &CarouselView::movementEnded);
    const qreal placeShare = 1.0 / 8;
    quint64 time = 1000;

    carousel.send(QEvent::GraphicsSceneMousePress, carousel.scenePointAtPercent(0), time);
    for (qreal places : {0.1, 0.2, 0.3})
        carousel.send(QEvent::GraphicsSceneMouseMove, carousel.scenePointAtPercent(places * placeShare), time += step);
    carousel.send(QEvent::GraphicsSceneMouseRelease, carousel.scenePointAtPercent(0.3 * placeShare), time + 1);

    QTRY_VERIFY(!carousel.view->isMoving());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(carousel.view->currentIndex(), index);
    QVERIFY(near(carousel.centreOf(index), carousel.startOfPath()));
}

void tst_CarouselView::indexChangeFromOutsideIsNoMovement()
{
    Carousel carousel(5);
    QSignalSpy changed(carousel.view, &CarouselView::currentIndexChanged);
    QSignalSpy ended(carousel.view, &CarouselView::movementEnded);

    carousel.view->setProperty("currentIndex", 3);

    QCOMPARE(changed.count(), 1);
    QVERIFY(!carousel.view->isMoving());
    QVERIFY(!near(carousel.centreOf(3), carousel.startOfPath()));
    // Three places on is two back: the short way round goes up the upper arc.
    QTRY_VERIFY(carousel.centreOf(3).y() < carousel.startOfPath().y() - 1);
    QVERIFY(!carousel.view->isMoving());
    QTRY_VERIFY(near(carousel.centreOf(3), carousel.startOfPath()));
    QCOMPARE(ended.count(), 0);

    // Out of range, nothing changes.
    carousel.view->setCurrentIndex(5);
    carousel.view->setCurrentIndex(-1);
    QCOMPARE(carousel.view->currentIndex(), 3);
    QCOMPARE(changed.count(), 1);
}

void tst_CarouselView::newModelLetsOldControlsGo()
{
    Carousel carousel(6);
    carousel.view->setCurrentIndex(5);
    QSignalSpy counted(carousel.view, &CarouselView::countChanged);
    QSignalSpy changed(carousel.view, &CarouselView::currentIndexChanged);
    QList<QPointer<Plate>> old(carousel.plates.cbegin(), carousel.plates.cend());

    auto* fresh = new Plate;
    fresh->setParent(&carousel.owner);
    carousel.view->setModel({new CarouselModelItem(fresh, &carousel.owner)});

    QCOMPARE(counted.count(), 1);
    QCOMPARE(carousel.view->count(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(carousel.view->currentIndex(), 0);
    for (const QPointer<Plate>& plate : old) {
        QVERIFY(plate);
        QCOMPARE(plate->parentItem(), nullptr);
        QCOMPARE(plate->scene(), nullptr);
    }
    QCOMPARE(fresh->scene(), &carousel.scene);
}

void tst_CarouselView::indexAskedWhileEmptyOpensTheNextItems_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("opened");
    QTest::newRow("an index of the items") << 2 << 2;
    QTest::newRow("past the items") << 7 << 0;
}

// A page moves its hidden carousel to a device, then shows it: it opens on
// that device, at once.
void tst_CarouselView::indexAskedWhileEmptyOpensTheNextItems()
{
    QFETCH(int, asked);
    QFETCH(int, opened);
    Carousel carousel(4);
    const QList<CarouselModelItem*> items = carousel.items;
    carousel.view->setModel({});
    QSignalSpy changed(carousel.view, &CarouselView::currentIndexChanged);
    carousel.view->setCurrentIndex(asked);
    QCOMPARE(carousel.view->currentIndex(), 0);
    QVERIFY(changed.isEmpty());

    carousel.view->setModel(items);
    QCOMPARE(carousel.view->currentIndex(), opened);
    QCOMPARE(changed.size(), opened ? 1 : 0);
    QVERIFY(near(carousel.centreOf(opened), carousel.startOfPath()));
    // Asked once: a later model opens where the view stands.
    carousel.view->setModel({});
    carousel.view->setModel(items);
    QCOMPARE(carousel.view->currentIndex(), 0);
}

QTEST_MAIN(tst_CarouselView)
#include "tst_carouselview.moc"
