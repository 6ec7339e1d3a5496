#include "gestures/SwipeGesture.h"
#include "gestures/SwipeGestureRecognizer.h"

#include <QGraphicsRectItem>
#include <QGraphicsWidget>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>
#include <QWidget>

#include <memory>

using Corvane::Gadgets::Gestures::SwipeGesture;
using Corvane::Gadgets::Gestures::SwipeGestureRecognizer;

namespace {

// One input of a scripted session. Mouse steps use the first position; touch
// steps give the positions of touch points 0, 1, 2, ... in widget coordinates.
struct Input
{
    enum Kind { MousePress, MouseMove, MouseRelease, TouchPress, TouchMove, TouchAddPoint, TouchRelease };

    Kind kind;
    QList<QPoint> points;
};


// Feeds the touch events a widget receives to the recogniser under test.
class TouchFeeder : public QObject
{
public:
    TouchFeeder(SwipeGestureRecognizer& recognizer, SwipeGesture& gesture)
        : m_recognizer(recognizer)
        , m_gesture(gesture)
    {
    }

    QList<int> results;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd)
            return false;
        results.append(int(m_recognizer.recognize(&m_gesture, watched, event)));
        event->accept();
        return true;
    }

private:
    SwipeGestureRecognizer& m_recognizer;
    SwipeGesture& m_gesture;
};

} // namespace

Q_DECLARE_METATYPE(QList<Input>)

class tst_SwipeGestureRecognizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sessions_data();
    void sessions();
    void otherEventsAreIgnored();
    void resetRestoresANewGesture();
    void createAcceptsTouchOnTheTarget();

private:
    void feedMouse(SwipeGesture& gesture, QList<int>& results, const Input& input);
    void feedTouch(const Input& input);

    SwipeGestureRecognizer m_recognizer;
    std::unique_ptr<QWidget> m_widget;
    QPointingDevice* m_touchScreen = nullptr;
};

void tst_SwipeGestureRecognizer::initTestCase()
{
    m_touchScreen = QTest::createTouchDevice();
    m_widget = std::make_unique<QWidget>();
    m_widget->resize(400, 400);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
}

void tst_SwipeGestureRecognizer::feedMouse(SwipeGesture& gesture, QList<int>& results, const Input& input)
{
    static const QMap<Input::Kind, QEvent::Type> types{{Input::MousePress, QEvent::MouseButtonPress},
                                                       {Input::MouseMove, QEvent::MouseMove},
                                                       {Input::MouseRelease, QEvent::MouseButtonRelease}};
    const QPointF position = input.points.value(0);
    const Qt::MouseButtons held = input.kind == Input::MouseRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = input.kind == Input::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(types.value(input.kind), position, position, button, held, Qt::NoModifier);
    results.append(int(m_recognizer.recognize(&gesture, m_widget.get(), &event)));
}

void tst_SwipeGestureRecognizer::feedTouch(const Input& input)
{
    auto sequence = QTest::touchEvent(m_widget.get(), m_touchScreen);
    for (int id = 0; id < input.points.size(); ++id) {
        const QPoint& point = input.points.at(id);
        switch (input.kind) {
        case Input::TouchPress:
            sequence.press(id, point, m_widget.get());
            break;
        case Input::TouchMove:
            sequence.move(id, point, m_widget.get());
            break;
        case Input::TouchAddPoint:
            if (id == input.points.size() - 1)
                sequence.press(id, point, m_widget.get());
            else
                sequence.stationary(id);
            break;
        case Input::TouchRelease:
            sequence.release(id, point, m_widget.get());
            break;
        default:
            break;
        }
    }
}

void tst_SwipeGestureRecognizer::sessions_data()
{
    QTest::addColumn<QList<Input>>("inputs");
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");

    const int none = SwipeGesture::NoDirection;
    const QList<QPoint> three{{100, 100}, {120, 100}, {140, 100}};
    auto shifted = [&three](int dx, int dy) {
        QList<QPoint> points;
        for (const QPoint& point : three)
            points.append(point + QPoint(dx, dy));
        return points;
    };

    QTest::newRow("mouse press and release without moving")
        << QList<Input>{{Input::MousePress, {{10, 10}}}, {Input::MouseRelease, {{10, 10}}}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::CancelGesture} << none << none;
    QTest::newRow("mouse drag within 50 pixels")
        << QList<Input>{{Input::MousePress, {{10, 10}}},
                        {Input::MouseMove, {{20, 12}}},
                        {Input::MouseMove, {{40, 14}}},
                        {Input::MouseMove, {{60, 16}}},
                        {Input::MouseRelease, {{60, 16}}}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::TriggerGesture, QGestureRecognizer::TriggerGesture, QGestureRecognizer::TriggerGesture,
                      QGestureRecognizer::FinishGesture}
        << none << none;
    QTest::newRow("mouse stroke beyond 50 pixels sets the directions")
        << QList<Input>{{Input::MousePress, {{100, 100}}},
                        {Input::MouseMove, {{40, 130}}},
                        {Input::MouseRelease, {{40, 130}}}}
        << QList<int>{QGestureRecognizer::MayBeGesture, 0, QGestureRecognizer::FinishGesture} << int(SwipeGesture::Left)
        << int(SwipeGesture::Down);
    QTest::newRow("mouse move without a press") << QList<Input>{{Input::MouseMove, {{10, 10}}}}
                                                << QList<int>{QGestureRecognizer::CancelGesture} << none << none;
    QTest::newRow("three points within 50 pixels")
        << QList<Input>{{Input::TouchPress, three}, {Input::TouchMove, shifted(20, 5)}, {Input::TouchRelease, shifted(20, 5)}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::MayBeGesture, QGestureRecognizer::CancelGesture} << none << none;
    QTest::newRow("three points to the right")
        << QList<Input>{{Input::TouchPress, three}, {Input::TouchMove, shifted(60, 0)}, {Input::TouchMove, shifted(120, 0)}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::TriggerGesture, QGestureRecognizer::TriggerGesture}
        << int(SwipeGesture::Right) << int(SwipeGesture::Up);
    QTest::newRow("three points up")
        << QList<Input>{{Input::TouchPress, three}, {Input::TouchMove, shifted(0, -70)}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::TriggerGesture} << int(SwipeGesture::Left)
        << int(SwipeGesture::Up);
    QTest::newRow("three points right then left")
        << QList<Input>{{Input::TouchPress, three}, {Input::TouchMove, shifted(60, 0)}, {Input::TouchMove, shifted(0, 0)}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::TriggerGesture, QGestureRecognizer::CancelGesture}
        << int(SwipeGesture::Right) << int(SwipeGesture::Up);
    QTest::newRow("second point pressed")
        << QList<Input>{{Input::TouchPress, {{10, 10}}}, {Input::TouchAddPoint, {{10, 10}, {50, 10}}}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::CancelGesture} << none << none;
    QTest::newRow("two points moving")
        << QList<Input>{{Input::TouchPress, {{10, 10}, {50, 10}}}, {Input::TouchMove, {{90, 10}, {130, 10}}}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::Ignore} << none << none;
    QTest::newRow("four points moving")
        << QList<Input>{{Input::TouchPress, {{10, 10}, {30, 10}, {50, 10}, {70, 10}}},
                        {Input::TouchMove, {{20, 10}, {40, 10}, {60, 10}, {80, 10}}}}
        << QList<int>{QGestureRecognizer::MayBeGesture, QGestureRecognizer::CancelGesture} << none << none;
}

void tst_SwipeGestureRecognizer::sessions()
{
    QFETCH(QList<Input>, inputs);
    QFETCH(QList<int>, results);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);

    std::unique_ptr<SwipeGesture> gesture(static_cast<SwipeGesture*>(m_recognizer.create(m_widget.get())));
    TouchFeeder feeder(m_recognizer, *gesture);
    m_widget->installEventFilter(&feeder);
    QList<int> mouseResults;
    for (const Input& input : inputs) {
        if (input.kind <= Input::MouseRelease)
            feedMouse(*gesture, mouseResults, input);
        else
            feedTouch(input);
    }
    m_widget->removeEventFilter(&feeder);

    QCOMPARE(mouseResults + feeder.results, results);
    QCOMPARE(int(gesture->horizontalDirection()), horizontal);
    QCOMPARE(int(gesture->verticalDirection()), vertical);
}

void tst_SwipeGestureRecognizer::otherEventsAreIgnored()
{
    SwipeGesture gesture;
    QEvent enter(QEvent::Enter);
    QCOMPARE(int(m_recognizer.recognize(&gesture, m_widget.get(), &enter)), int(QGestureRecognizer::Ignore));
}

void tst_SwipeGestureRecognizer::resetRestoresANewGesture()
{
    SwipeGesture gesture;
    QList<int> results;
    feedMouse(gesture, results, {Input::MousePress, {{100, 100}}});
    feedMouse(gesture, results, {Input::MouseMove, {{200, 40}}});
    feedMouse(gesture, results, {Input::MouseRelease, {{200, 40}}});
    QVERIFY(gesture.isFinished());
    QVERIFY(gesture.hasMoved());
    QCOMPARE(gesture.startPosition(), QPoint(100, 100));
    QCOMPARE(gesture.horizontalDirection(), SwipeGesture::Right);
    QVERIFY(gesture.velocity() > 0.0);

    m_recognizer.reset(&gesture);

    QVERIFY(!gesture.isStarted());
    QVERIFY(!gesture.isFinished());
    QVERIFY(!gesture.hasMoved());
    QCOMPARE(gesture.startPosition(), QPoint());
    QCOMPARE(gesture.lastPosition(), QPoint());
    QCOMPARE(gesture.horizontalDirection(), SwipeGesture::NoDirection);
    QCOMPARE(gesture.verticalDirection(), SwipeGesture::NoDirection);
    QCOMPARE(gesture.swipeAngle(), 0.0);
    QCOMPARE(gesture.velocity(), 0.0);
    QVERIFY(!gesture.hasHotSpot());
    // A new session after the reset starts from scratch.
    results.clear();
    feedMouse(gesture, results, {Input::MouseMove, {{10, 10}}});
    QCOMPARE(results, QList<int>{QGestureRecognizer::CancelGesture});
}

void tst_SwipeGestureRecognizer::createAcceptsTouchOnTheTarget()
{
    QWidget widget;
    std::unique_ptr<QGesture> forWidget(m_recognizer.create(&widget));
    QVERIFY(widget.testAttribute(Qt::WA_AcceptTouchEvents));
    QVERIFY(qobject_cast<SwipeGesture*>(forWidget.get()));
    QVERIFY(!forWidget->parent());

    QGraphicsWidget item;
    std::unique_ptr<QGesture> forItem(m_recognizer.create(&item));
    QVERIFY(item.acceptTouchEvents());
}

QTEST_MAIN(tst_SwipeGestureRecognizer)
#include "tst_swipegesturerecognizer.moc"
