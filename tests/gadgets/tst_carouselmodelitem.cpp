#include "hosting/CarouselModelItem.h"

#include "carousel/CarouselView.h"

#include <QGraphicsScene>
#include <QPointer>
#include <QTest>

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
    void deletesAFreeControl();
    void keepsAControlStillShown();
    void keepsAControlOfAnotherParent();
    void noticesAControlDestroyedElsewhere();
};

void tst_CarouselModelItem::exposesItsControl()
{
    SvgControlObject* control = plate();
    CarouselModelItem item(control);
    QCOMPARE(item.control(), control);
    QCOMPARE(item.property("control").value<QObject*>(), control);

    CarouselModelItem empty;
    QCOMPARE(empty.control(), nullptr);
}

void tst_CarouselModelItem::deletesAFreeControl()
{
    QPointer<SvgControlObject> control = plate();
    delete new CarouselModelItem(control);
    QVERIFY(!control);
}

// Shown in a view, the control outlives its item and goes only when the
// view lets it go.
void tst_CarouselModelItem::keepsAControlStillShown()
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

    view->setModel({});
    QVERIFY(!control);
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
