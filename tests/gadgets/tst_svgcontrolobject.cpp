#include "ControlsTheme.h"

#include "controls/SvgButton.h"
#include "controls/SvgControlObject.h"
#include "controls/SvgElement.h"
#include "gestures/EventConsumer.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

// A child control that records what reaches it and accepts what it is told to.
class RecordingControl : public SvgControl
{
public:
    explicit RecordingControl(bool accepting)
        : SvgControl(nullptr)
        , m_accepting(accepting)
    {
        setBounds(QRectF(0, 0, 50, 50));
    }

    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}
    void setCustomScale(qreal scale) override
    {
        SvgControl::setCustomScale(scale);
        ++scaleChanges;
    }
    void setElementsSuffix(const QString& suffix) override
    {
        SvgControl::setElementsSuffix(suffix);
        ++suffixChanges;
    }
    void parentOffsetChanged() override { ++offsetChanges; }

    int presses = 0;
    int clicks = 0;
    int releases = 0;
    int keys = 0;
    int hovers = 0;
    int scaleChanges = 0;
    int suffixChanges = 0;
    int offsetChanges = 0;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        event->setAccepted(m_accepting);
    }
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++clicks;
        event->setAccepted(m_accepting);
    }
    void mouseReleaseEvent(QGraphicsSceneMouseEvent*, void*) override { ++releases; }
    void keyPressEvent(QKeyEvent* event) override
    {
        ++keys;
        event->accept();
    }
    void hoverEnterEvent(QGraphicsSceneHoverEvent*) override { ++hovers; }

private:
    bool m_accepting;
};

} // namespace

class tst_SvgControlObject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ControlsTheme::activate();
        qRegisterMetaType<SvgElement*>();
    }

    void clickGoesToTopmostAcceptingChildReleaseToAll()
    {
        SvgControlObject composite(nullptr);
        auto* lower = new RecordingControl(true);
        auto* upper = new RecordingControl(true);
        composite.addToChildren(lower);
        composite.addToChildren(upper);

        const auto click = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(10, 10));
        composite.handleMouseClick(click.get());
        QCOMPARE(upper->clicks, 1);
        QCOMPARE(lower->clicks, 0);

        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(10, 10));
        composite.handleMousePress(press.get(), consumer);
        QCOMPARE(upper->presses, 1);
        QCOMPARE(lower->presses, 0);
        QCOMPARE(consumer.consumer(), upper);

        composite.handleMouseRelease(click.get(), consumer.consumer());
        QCOMPARE(upper->releases, 1);
        QCOMPARE(lower->releases, 1);
    }

    void refusedClickFallsThroughToLowerChild()
    {
        SvgControlObject composite(nullptr);
        auto* lower = new RecordingControl(true);
        auto* upper = new RecordingControl(false);
        composite.addToChildren(lower);
        composite.addToChildren(upper);
        const auto click = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(10, 10));
        composite.handleMouseClick(click.get());
        QCOMPARE(upper->clicks, 1);
        QCOMPARE(lower->clicks, 1);
        QVERIFY(click->isAccepted());
    }

    void unlistedChildGetsClicksButNoBroadcasts()
    {
        SvgControlObject composite(nullptr);
        auto* unlisted = new RecordingControl(true);
        unlisted->setParentItem(&composite);

        const auto click = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(10, 10));
        composite.handleMouseClick(click.get());
        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(10, 10));
        composite.handleMousePress(press.get(), consumer);
        composite.handleMouseRelease(click.get(), consumer.consumer());
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        composite.handleKeyPress(&key);
        const auto hover = SceneTestHelpers::hoverEvent(QEvent::GraphicsSceneHoverEnter, QPointF(10, 10));
        composite.handleHoverEnterEvent(hover.get());
        composite.setCustomScale(2.0);
        composite.setElementsSuffix("big");

        QCOMPARE(unlisted->clicks, 1);
        QCOMPARE(unlisted->presses, 1);
        QCOMPARE(unlisted->releases, 0);
        QCOMPARE(unlisted->keys, 0);
        QCOMPARE(unlisted->hovers, 0);
        QCOMPARE(unlisted->scaleChanges, 0);
        QCOMPARE(unlisted->suffixChanges, 0);
    }

    void stateIsPassedDownTheTree()
    {
        SvgControlObject root(nullptr);
        auto* middle = new SvgControlObject(nullptr, &root);
        root.addToChildren(middle);
        auto* leaf = new RecordingControl(true);
        middle->addToChildren(leaf);

        root.setCustomScale(1.7);
        root.setElementsSuffix("big");
        root.setOffset(QPointF(30, 40));
        QCOMPARE(leaf->customScale(), 1.7);
        QCOMPARE(leaf->elementsSuffix(), QString("big"));
        QCOMPARE(leaf->offsetChanges, 1);
        QCOMPARE(middle->customScale(), 1.7);
        QCOMPARE(root.pos(), QPointF(30, 40));
    }

    void keyEndsIgnoredWhateverChildrenDid()
    {
        SvgControlObject composite(nullptr);
        auto* child = new RecordingControl(true);
        composite.addToChildren(child);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
        composite.handleKeyPress(&key);
        QCOMPARE(child->keys, 1);
        QVERIFY(!key.isAccepted());
    }

    void elementSignalsAreReemitted()
    {
        SvgControlObject composite(ControlsTheme::renderer("button"));
        SvgButton* button = composite.initButton("ok");
        QSignalSpy presses(&composite, &SvgControlObject::elementPress);
        QSignalSpy releases(&composite, &SvgControlObject::elementRelease);
        QSignalSpy clicks(&composite, &SvgControlObject::elementClick);

        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(50, 25));
        composite.handleMousePress(press.get(), consumer);
        composite.handleMouseRelease(press.get(), consumer.consumer());
        const auto click = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(50, 25));
        composite.handleMouseClick(click.get());

        QCOMPARE(presses.count(), 1);
        QCOMPARE(releases.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.first().first().value<SvgElement*>(), button);
    }

    void boundsNotifications_data()
    {
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<int>("widthSignals");
        QTest::addColumn<int>("heightSignals");
        QTest::newRow("both change") << QRectF(0, 0, 20, 30) << 1 << 1;
        QTest::newRow("neither changes") << QRectF(5, 5, 10, 10) << 0 << 0;
        QTest::newRow("width only") << QRectF(0, 0, 20, 10) << 1 << 0;
    }

    void boundsNotifications()
    {
        QFETCH(QRectF, bounds);
        QFETCH(int, widthSignals);
        QFETCH(int, heightSignals);
        SvgControlObject composite(nullptr);
        composite.setBounds(QRectF(0, 0, 10, 10));
        QSignalSpy widths(&composite, &SvgControlObject::originalWidthChanged);
        QSignalSpy heights(&composite, &SvgControlObject::originalHeightChanged);
        composite.setBounds(bounds);
        QCOMPARE(widths.count(), widthSignals);
        QCOMPARE(heights.count(), heightSignals);
    }

    void fitToVisibleChildren()
    {
        SvgControlObject composite(nullptr);
        composite.setBounds(QRectF(0, 0, 5, 5));
        auto* first = new RecordingControl(true);
        auto* second = new RecordingControl(true);
        composite.addToChildren(first);
        composite.addToChildren(second);
        first->setBounds(QRectF(10, 10, 20, 20));
        second->setBounds(QRectF(100, 100, 20, 20));

        second->hide();
        QVERIFY(composite.setBoundsToIncludeVisibleItemsOnly());
        QCOMPARE(composite.scaledBounds(), QRectF(10, 10, 20, 20));
        QVERIFY(!composite.setBoundsToIncludeVisibleItemsOnly());

        first->hide();
        QVERIFY(!composite.setBoundsToIncludeVisibleItemsOnly());
        QCOMPARE(composite.scaledBounds(), QRectF(10, 10, 20, 20));
    }

    void removeFromChildrenKeepsForeignParent()
    {
        SvgControlObject composite(nullptr);
        SvgControlObject other(nullptr);
        auto* child = new RecordingControl(true);
        child->setParentItem(&other);
        composite.removeFromChildren(child);
        QCOMPARE(child->parentItem(), &other);

        auto* listed = new RecordingControl(true);
        composite.addToChildren(listed);
        composite.removeFromChildren(listed);
        QCOMPARE(listed->parentItem(), nullptr);
        QVERIFY(composite.childControls().isEmpty());
        delete listed;
    }
};

QTEST_MAIN(tst_SvgControlObject)
#include "tst_svgcontrolobject.moc"
