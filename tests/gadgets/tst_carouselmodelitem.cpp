#include "hosting/CarouselModelItem.h"

#include "carousel/CarouselView.h"

#include <QGraphicsScene>
#include <QPointer>
#include <QTest>

#include <memory>
#include <utility>

using Corvane::Gadgets::CarouselView;
using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Utilities::CarouselModelItem;

namespace {

SvgControlObject* plate()
{
    auto* control = new SvgControlObject(nullptr);
    control->setBounds(QRectF(0, 0, 260, 180));
    return control;
}

} // namespace

class tst_CarouselModelItem : public QObject
{
    Q_OBJECT

private slots:
    void exposesItsControl();
    void leavesAFreeControlToItsCreator();
    void leavesAShownControlToItsCreator();
    void ownerShowsAControlInSuccessiveModels_data();
    void ownerShowsAControlInSuccessiveModels();
    void keepsAControlOfAnotherParent();
    void noticesAControlDestroyedElsewhere();
};

void tst_CarouselModelItem::exposesItsControl()
{
    const std::unique_ptr<SvgControlObject> control(plate());
    CarouselModelItem item(control.get());
    QCOMPARE(item.control(), control.get());
    QCOMPARE(item.property("control").value<QObject*>(), control.get());

    CarouselModelItem empty;
    QCOMPARE(empty.control(), nullptr);
}

void tst_CarouselModelItem::leavesAFreeControlToItsCreator()
{
    const std::unique_ptr<SvgControlObject> control(plate());
    delete new CarouselModelItem(control.get());
    QVERIFY(control->QObject::parent() == nullptr);
}

// Shown in a view, the control outlives its item and the view's delegates:
// whoever created it deletes it.
void tst_CarouselModelItem::leavesAShownControlToItsCreator()
{
    QGraphicsScene scene;
    auto* view = new CarouselView;
    scene.addItem(view);
    QPointer<SvgControlObject> control = plate();
    auto* item = new CarouselModelItem(control);
    view->setModel({item});

    delete item;
    QVERIFY(control);
    QCOMPARE(control->scene(), &scene);
    QVERIFY(control->QObject::parent() == nullptr);

    view->setModel({});
    QVERIFY(control);
    QCOMPARE(control->scene(), nullptr);
    QCOMPARE(control->parentItem(), nullptr);
    delete control.data();
}

void tst_CarouselModelItem::ownerShowsAControlInSuccessiveModels_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("view emptied, then the owner deletes it") << "emptied";
    QTest::newRow("owner deletes it while shown") << "owner";
    QTest::newRow("scene goes while it is shown") << "scene";
}

// A data page shows the control it owns each time its carousel opens: every
// opening makes new items, and the items of the last one are released. The
// owner's delete is the only one, whatever goes first.
void tst_CarouselModelItem::ownerShowsAControlInSuccessiveModels()
{
    QFETCH(QString, ending);
    auto scene = std::make_unique<QGraphicsScene>();
    auto* view = new CarouselView;
    scene->addItem(view);
    std::unique_ptr<SvgControlObject> owned(plate());
    QPointer<SvgControlObject> control = owned.get();

    QList<CarouselModelItem*> shown;
    for (int opening = 0; opening < 3; ++opening) {
        const QList<CarouselModelItem*> released = std::exchange(shown, {new CarouselModelItem(control)});
        view->setModel(shown);
        qDeleteAll(released);
        QVERIFY(control);
        QCOMPARE(control->scene(), scene.get());
        QCOMPARE(view->count(), 1);
    }

    if (ending == "owner")
        owned.reset();
    else if (ending == "scene")
        scene.reset();
    else
        view->setModel({});
    qDeleteAll(shown);
    QCOMPARE(bool(control), ending != "owner");
    if (control) {
        QCOMPARE(control->scene(), nullptr);
        QCOMPARE(control->parentItem(), nullptr);
        owned.reset();
        QVERIFY(!control);
    }
}

void tst_CarouselModelItem::keepsAControlOfAnotherParent()
{
    QObject owner;
    QPointer<SvgControlObject> control = plate();
    control->setParent(&owner);

    delete new CarouselModelItem(control);

    QVERIFY(control);
}

void tst_CarouselModelItem::noticesAControlDestroyedElsewhere()
{
    SvgControlObject* control = plate();
    CarouselModelItem item(control);
    delete control;
    QCOMPARE(item.control(), nullptr);
}

QTEST_MAIN(tst_CarouselModelItem)
#include "tst_carouselmodelitem.moc"
