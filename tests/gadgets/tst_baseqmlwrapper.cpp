#include "hosting/BaseQMLWrapper.h"

#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTest>

using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Utilities::BaseQMLWrapper;

namespace {

SvgControlObject* plate()
{
    auto* control = new SvgControlObject(nullptr);
    control->setBounds(QRectF(0, 0, 260, 180));
    return control;
}

// A control that tells its wrapper of scale changes, as the composite
// controls that scale their contents do.
class ScalingControl : public SvgControlObject
{
public:
    ScalingControl()
        : SvgControlObject(nullptr)
    {
        setFlag(ItemSendsGeometryChanges, true);
    }

    void setCustomScale(qreal scale) override
    {
        SvgControlObject::setCustomScale(scale);
        emit customScaleChanged(scale);
    }
};

// A wrapper on one made-up screen.
class ScreenWrapper : public BaseQMLWrapper
{
public:
    QRect screen = QRect(0, 0, 1920, 1080);

protected:
    QRect screenGeometryAt(const QPoint&) const override { return screen; }
};

} // namespace

class tst_BaseQMLWrapper : public QObject
{
    Q_OBJECT

private slots:
    void hostsOneControlForLife_data();
    void hostsOneControlForLife();
    void ignoresObjectsThatAreNoControls();
    void readsWithoutControl();
    void relaysScaleAndPosition();
    void forgetsControlDestroyedElsewhere();
    void angleToScreenCentreIsKeptQuiet_data();
    void angleToScreenCentreIsKeptQuiet();
    void sizeIsTheBoundingRect();
};

void tst_BaseQMLWrapper::hostsOneControlForLife_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("changes");

    // 0: nothing else, 1: null, 2: the same control, 3: another control.
    QTest::newRow("one control") << 0 << 1;
    QTest::newRow("then null") << 1 << 1;
    QTest::newRow("then the same") << 2 << 1;
    QTest::newRow("then another") << 3 << 1;
}

void tst_BaseQMLWrapper::hostsOneControlForLife()
{
    QFETCH(int, second);
    QFETCH(int, changes);

    BaseQMLWrapper wrapper;
    QSignalSpy changed(&wrapper, &BaseQMLWrapper::mainControlChanged);
    SvgControlObject* first = plate();
    std::unique_ptr<SvgControlObject> other(plate());

    wrapper.setProperty("controlObject", QVariant::fromValue<QObject*>(first));
    if (second == 1)
        wrapper.setProperty("controlObject", QVariant::fromValue<QObject*>(nullptr));
    else if (second == 2)
        wrapper.setMainControl(first);
    else if (second == 3)
        wrapper.setProperty("controlObject", QVariant::fromValue<QObject*>(other.get()));

    QCOMPARE(changed.count(), changes);
    QCOMPARE(wrapper.control(), first);
    QCOMPARE(wrapper.controlObject(), first);
    QCOMPARE(first->parentItem(), &wrapper);
    QCOMPARE(other->parentItem(), nullptr);
}

void tst_BaseQMLWrapper::ignoresObjectsThatAreNoControls()
{
    BaseQMLWrapper wrapper;
    QSignalSpy changed(&wrapper, &BaseQMLWrapper::mainControlChanged);
    QObject notAControl;

    wrapper.setMainControlObject(&notAControl);

    QCOMPARE(changed.count(), 0);
    QCOMPARE(wrapper.control(), nullptr);
}

void tst_BaseQMLWrapper::readsWithoutControl()
{
    BaseQMLWrapper wrapper;
    QCOMPARE(wrapper.customScale(), 1.0);
    QCOMPARE(wrapper.controlPosition(), QPointF());
    QCOMPARE(wrapper.angleToCenter(), 0.0);
    QCOMPARE(wrapper.property("control").value<SvgControlObject*>(), nullptr);
}

void tst_BaseQMLWrapper::relaysScaleAndPosition()
{
    QGraphicsScene scene;
    auto* wrapper = new BaseQMLWrapper;
    scene.addItem(wrapper);
    wrapper->setPos(100, 50);
    auto* control = new ScalingControl;
    wrapper->setMainControl(control);
    QSignalSpy scaled(wrapper, &BaseQMLWrapper::customScaleChanged);
    QSignalSpy moved(wrapper, &BaseQMLWrapper::controlPositionChanged);

    control->setCustomScale(1.5);
    control->setPos(10, 20);

    QCOMPARE(scaled.count(), 1);
    QCOMPARE(scaled.first().first().toReal(), 1.5);
    QCOMPARE(wrapper->customScale(), 1.5);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(wrapper->controlPosition(), QPointF(110, 70));
}

void tst_BaseQMLWrapper::forgetsControlDestroyedElsewhere()
{
    BaseQMLWrapper wrapper;
    SvgControlObject* control = plate();
    wrapper.setMainControl(control);
    control->setCustomScale(2.0);

    delete control;

    QCOMPARE(wrapper.control(), nullptr);
    QCOMPARE(wrapper.customScale(), 1.0);
    QVERIFY(wrapper.childItems().isEmpty());
}

void tst_BaseQMLWrapper::angleToScreenCentreIsKeptQuiet_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<qreal>("angle");

    // The screen centre of 1920 x 1080 is (959, 539).
    QTest::newRow("left of centre") << QRect(0, 0, 1920, 1080) << QPointF(300, 539) << 0.0;
    QTest::newRow("right of centre") << QRect(0, 0, 1920, 1080) << QPointF(1700, 539) << 180.0;
    QTest::newRow("below centre") << QRect(0, 0, 1920, 1080) << QPointF(959, 1000) << 90.0;
    QTest::newRow("second screen, above") << QRect(1920, 0, 1920, 1080) << QPointF(2879, 100) << 270.0;
}

void tst_BaseQMLWrapper::angleToScreenCentreIsKeptQuiet()
{
    QFETCH(QRect, screen);
    QFETCH(QPointF, centre);
    QFETCH(qreal, angle);

    ScreenWrapper wrapper;
    wrapper.screen = screen;
    wrapper.setMainControl(plate());
    QSignalSpy announced(&wrapper, &BaseQMLWrapper::angleToCenterChanged);

    wrapper.onPositionChanged(centre);

    QCOMPARE(wrapper.angleToCenter(), angle);
    QCOMPARE(announced.count(), 0);
}

void tst_BaseQMLWrapper::sizeIsTheBoundingRect()
{
    BaseQMLWrapper wrapper;
    wrapper.setProperty("width", 1000.0);
    wrapper.setProperty("height", 800.0);
    QCOMPARE(wrapper.boundingRect(), QRectF(0, 0, 1000, 800));
    QCOMPARE(wrapper.size(), QSizeF(1000, 800));
}

QTEST_MAIN(tst_BaseQMLWrapper)
#include "tst_baseqmlwrapper.moc"
