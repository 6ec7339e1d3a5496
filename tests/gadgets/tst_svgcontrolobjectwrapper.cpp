#include "hosting/SvgControlObjectWrapper.h"

#include "controls/SvgElement.h"

#include <QGraphicsScene>
#include <QPointer>
#include <QTest>

using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Utilities::SvgControlObjectWrapper;

class tst_SvgControlObjectWrapper : public QObject
{
    Q_OBJECT

private slots:
    void leavesItsControlAliveAndOutOfTheScene();
    void leavesAControlTakenElsewhereAlone();
    void diesWithoutControl();
};

void tst_SvgControlObjectWrapper::leavesItsControlAliveAndOutOfTheScene()
{
    QGraphicsScene scene;
    auto* wrapper = new SvgControlObjectWrapper;
    scene.addItem(wrapper);
    QPointer<SvgControlObject> control = new SvgControlObject(nullptr);
    QGraphicsItem* child = control->initElement(QStringLiteral("plate"));
    wrapper->setMainControl(control);
    QCOMPARE(control->scene(), &scene);

    delete wrapper;

    QVERIFY(control);
    QCOMPARE(control->scene(), nullptr);
    QCOMPARE(control->parentItem(), nullptr);
    QCOMPARE(child->scene(), nullptr);
    QVERIFY(scene.items().isEmpty());
    delete control;
}

void tst_SvgControlObjectWrapper::leavesAControlTakenElsewhereAlone()
{
    QGraphicsScene scene;
    auto* wrapper = new SvgControlObjectWrapper;
    auto* other = new QGraphicsRectItem;
    scene.addItem(wrapper);
    scene.addItem(other);
    QPointer<SvgControlObject> control = new SvgControlObject(nullptr);
    wrapper->setMainControl(control);
    control->setParentItem(other);

    delete wrapper;

    QVERIFY(control);
    QCOMPARE(control->parentItem(), other);
    QCOMPARE(control->scene(), &scene);
}

void tst_SvgControlObjectWrapper::diesWithoutControl()
{
    QGraphicsScene scene;
    auto* wrapper = new SvgControlObjectWrapper;
    scene.addItem(wrapper);
    delete wrapper;
    QVERIFY(scene.items().isEmpty());
}

QTEST_MAIN(tst_SvgControlObjectWrapper)
#include "tst_svgcontrolobjectwrapper.moc"
