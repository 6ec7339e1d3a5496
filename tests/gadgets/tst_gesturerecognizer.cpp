#include "controls/SvgControl.h"
#include "gestures/EventConsumer.h"
#include "gestures/GestureRecognizer.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using Corvane::Gadgets::SvgControl;
using Corvane::Gadgets::Gestures::CursorPositionProvider;
using Corvane::Gadgets::Gestures::EventConsumer;
using Corvane::Gadgets::Gestures::GestureRecognizer;

namespace {

// A cursor the test moves by hand.
class ScriptedCursor : public CursorPositionProvider
{
public:
    QPoint position() const override { return m_position; }
    void moveTo(const QPoint& position) { m_position = position; }

private:
    QPoint m_position;
};

// A control that takes or declines presses, as the host offers them.
class TestControl : public SvgControl
{
public:
    TestControl()
        : SvgControl(nullptr)
    {
    }
    void paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) override {}

    bool takesPress = true;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override { event->setAccepted(takesPress); }
};

// One step of a scripted mouse session; positions are cursor positions.
struct Step
{
    enum Kind { Press, RightPress, MiddlePress, Ticks, Release, RightRelease, MiddleRelease, DoubleClick };

    static Step press(int x, int y) { return {Press, QPoint(x, y), 0}; }
    static Step rightPress(int x, int y) { return {RightPress, QPoint(x, y), 0}; }
    static Step middlePress(int x, int y) { return {MiddlePress, QPoint(x, y), 0}; }
    static Step tick(int x, int y) { return {Ticks, QPoint(x, y), 1}; }
    static Step ticks(int count, int x, int y) { return {Ticks, QPoint(x, y), count}; }
    static Step release(int x, int y) { return {Release, QPoint(x, y), 0}; }
    static Step rightRelease(int x, int y) { return {RightRelease, QPoint(x, y), 0}; }
    static Step middleRelease(int x, int y) { return {MiddleRelease, QPoint(x, y), 0}; }
    static Step doubleClick(int x, int y) { return {DoubleClick, QPoint(x, y), 0}; }

    Kind kind;
    QPoint position;
    int count;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class tst_GestureRecognizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void mouseSessions_data();
    void mouseSessions();
    void pressReturnsWhetherAControlTookIt_data();
    void pressReturnsWhetherAControlTookIt();
    void rightButtonPressIsEaten();
    void pressWhileTrackingChangesNothing();
    void timerSamplesTheCursorWhileHeld();
    void widgetMouseEventsAreRecognisedToo();
    void wheelIsStoppedOnlyWhenAControlTakesIt_data();
    void wheelIsStoppedOnlyWhenAControlTakesIt();
    void keysArePassedOn();
    void shortcutOverrideIsDeclined();
    void recognizersListsLiveInstances();
    void positionsAreReadableDuringTheGesture();

private:
    bool run(const Step& step);
    bool sendMouse(QEvent::Type type, Qt::MouseButton button);
    QString consumerName(void* consumer) const;
    void log(const QString& entry);

    std::unique_ptr<GestureRecognizer> m_recognizer;
    ScriptedCursor* m_cursor = nullptr;
    TestControl m_control;
    bool m_controlTakesPress = true;
    int m_ticksSincePress = 0;
    QStringList m_log;
};

void tst_GestureRecognizer::init()
{
    auto cursor = std::make_unique<ScriptedCursor>();
    m_cursor = cursor.get();
    m_recognizer = std::make_unique<GestureRecognizer>(std::move(cursor));
    m_controlTakesPress = true;
    m_ticksSincePress = 0;
    m_log.clear();

    GestureRecognizer* r = m_recognizer.get();
    // The host offers the press to its controls through their gate, which
    // records the control that took it in the consumer.
    connect(r, &GestureRecognizer::press, this, [this](EventConsumer& consumer) {
        m_ticksSincePress = 0;
        QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMousePress);
        event.setButton(Qt::LeftButton);
        event.setAccepted(false);
        m_control.takesPress = m_controlTakesPress;
        m_control.handleMousePress(&event, consumer);
        log(QStringLiteral("press"));
    });
    connect(r, &GestureRecognizer::pressAndHold, this, [this] {
        log(QStringLiteral("pressAndHold@%1").arg(m_ticksSincePress));
    });
    connect(r, &GestureRecognizer::pressAndMove, this, [this](void* consumer) {
        log("pressAndMove " + consumerName(consumer));
    });
    connect(r, &GestureRecognizer::pressMoveAndHover, this, [this] {
        log(QStringLiteral("pressMoveAndHover@%1").arg(m_ticksSincePress));
    });
    connect(r, &GestureRecognizer::endPressAndMove, this, [this] { log(QStringLiteral("endPressAndMove")); });
    connect(r, &GestureRecognizer::release, this, [this](void* consumer) {
        log("release " + consumerName(consumer));
    });
    connect(r, &GestureRecognizer::click, this, [this](void* consumer, QPoint position) {
        log(QStringLiteral("click %1 %2,%3").arg(consumerName(consumer)).arg(position.x()).arg(position.y()));
    });
    connect(r, &GestureRecognizer::doubleClick, this, [this](QPoint position) {
        log(QStringLiteral("doubleClick %1,%2").arg(position.x()).arg(position.y()));
    });
    connect(r, &GestureRecognizer::swipe, this, [this](qreal angle, qreal speed) {
        log(QStringLiteral("swipe %1 %2").arg(qRound(angle)).arg(qRound(speed)));
    });
}

void tst_GestureRecognizer::cleanup()
{
    m_recognizer.reset();
    m_cursor = nullptr;
}

// Consecutive repeats (a press-and-move on every tick of a drag) are logged once.
void tst_GestureRecognizer::log(const QString& entry)
{
    if (m_log.isEmpty() || m_log.last() != entry)
        m_log.append(entry);
}

QString tst_GestureRecognizer::consumerName(void* consumer) const
{
    if (!consumer)
        return QStringLiteral("null");
    return consumer == static_cast<SvgControl*>(const_cast<TestControl*>(&m_control)) ? QStringLiteral("control")
                                                                                       : QStringLiteral("other");
}

bool tst_GestureRecognizer::sendMouse(QEvent::Type type, Qt::MouseButton button)
{
    QGraphicsSceneMouseEvent event(type);
    event.setButton(button);
    return m_recognizer->eventFilter(nullptr, &event);
}

// Runs one step; false when a tick is asked for while the recogniser is not sampling.
bool tst_GestureRecognizer::run(const Step& step)
{
    m_cursor->moveTo(step.position);
    switch (step.kind) {
    case Step::Press:
        sendMouse(QEvent::GraphicsSceneMousePress, Qt::LeftButton);
        break;
    case Step::RightPress:
        sendMouse(QEvent::GraphicsSceneMousePress, Qt::RightButton);
        break;
    case Step::MiddlePress:
        sendMouse(QEvent::GraphicsSceneMousePress, Qt::MiddleButton);
        break;
    case Step::Release:
        sendMouse(QEvent::GraphicsSceneMouseRelease, Qt::LeftButton);
        break;
    case Step::RightRelease:
        sendMouse(QEvent::GraphicsSceneMouseRelease, Qt::RightButton);
        break;
    case Step::MiddleRelease:
        sendMouse(QEvent::GraphicsSceneMouseRelease, Qt::MiddleButton);
        break;
    case Step::DoubleClick:
        sendMouse(QEvent::GraphicsSceneMouseDoubleClick, Qt::LeftButton);
        break;
    case Step::Ticks:
        for (int i = 0; i < step.count; ++i) {
            if (!m_recognizer->m_timer.isActive())
                return false;
            ++m_ticksSincePress;
            m_recognizer->timerTick();
        }
        break;
    }
    return true;
}

void tst_GestureRecognizer::mouseSessions_data()
{
    QTest::addColumn<bool>("controlTakesPress");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QStringList>("gestures");

    QTest::newRow("click on the spot")
        << true << QList<Step>{Step::press(50, 50), Step::ticks(3, 50, 50), Step::release(50, 50)}
        << QStringList{"press", "release control", "click control 50,50"};
    QTest::newRow("held still: one hold at 800 ms")
        << true << QList<Step>{Step::press(50, 50), Step::ticks(60, 50, 50), Step::release(50, 50)}
        << QStringList{"press", "pressAndHold@20", "release control", "click control 50,50"};
    QTest::newRow("one pixel in the first tick: move, never a hold")
        << true << QList<Step>{Step::press(50, 50), Step::tick(51, 50), Step::ticks(40, 51, 50), Step::release(51, 50)}
        << QStringList{"press", "pressAndMove control", "pressMoveAndHover@17", "pressMoveAndHover@34",
                       "endPressAndMove", "release control", "click control 51,50"};
    QTest::newRow("fast flick to the right")
        << true << QList<Step>{Step::press(100, 100), Step::tick(130, 100), Step::tick(160, 100), Step::release(160, 100)}
        << QStringList{"press", "pressAndMove control", "swipe 0 60", "release control"};
    QTest::newRow("fast flick upwards")
        << true << QList<Step>{Step::press(100, 100), Step::tick(100, 70), Step::tick(100, 40), Step::release(100, 40)}
        << QStringList{"press", "pressAndMove control", "swipe 90 60", "release control"};
    QTest::newRow("slow drag")
        << true
        << QList<Step>{Step::press(100, 100), Step::tick(110, 100), Step::tick(120, 100), Step::tick(130, 100),
                       Step::tick(140, 100), Step::tick(150, 100), Step::tick(160, 100), Step::release(160, 100)}
        << QStringList{"press", "pressAndMove control", "endPressAndMove", "release control"};
    QTest::newRow("drag then rest: hover every 650 ms of stillness")
        << true << QList<Step>{Step::press(0, 0), Step::tick(20, 0), Step::ticks(40, 20, 0), Step::release(20, 0)}
        << QStringList{"press", "pressAndMove control", "pressMoveAndHover@17", "pressMoveAndHover@34",
                       "endPressAndMove", "release control", "click control 20,0"};
    QTest::newRow("double click")
        << true
        << QList<Step>{Step::press(50, 50), Step::release(50, 50), Step::doubleClick(50, 50), Step::release(51, 50)}
        << QStringList{"press", "release control", "click control 50,50", "doubleClick 50,50", "release null"};
    QTest::newRow("release without a press") << true << QList<Step>{Step::release(300, 300)}
                                             << QStringList{"release null"};
    QTest::newRow("right press, left release")
        << true << QList<Step>{Step::rightPress(50, 50), Step::release(50, 50)} << QStringList{"release null"};
    QTest::newRow("right click") << true << QList<Step>{Step::rightPress(50, 50), Step::rightRelease(50, 50)}
                                 << QStringList{};
    QTest::newRow("middle click while the left button is held")
        << true
        << QList<Step>{Step::press(50, 50), Step::ticks(2, 50, 50), Step::middlePress(50, 50),
                       Step::middleRelease(50, 50), Step::ticks(2, 50, 50), Step::release(50, 50)}
        << QStringList{"press", "release control", "click control 50,50"};
    QTest::newRow("right click during a drag")
        << true
        << QList<Step>{Step::press(100, 100), Step::tick(110, 100), Step::rightPress(110, 100),
                       Step::rightRelease(110, 100), Step::tick(120, 100), Step::release(120, 100)}
        << QStringList{"press", "pressAndMove control", "endPressAndMove", "release control", "click control 120,100"};
    QTest::newRow("press no control takes, released on the spot")
        << false << QList<Step>{Step::press(50, 50), Step::release(50, 50)}
        << QStringList{"press", "release null", "click null 50,50"};
    QTest::newRow("press no control takes, released far away")
        << false << QList<Step>{Step::press(50, 50), Step::release(110, 50)}
        << QStringList{"press", "swipe 0 60", "release null"};
}

void tst_GestureRecognizer::mouseSessions()
{
    QFETCH(bool, controlTakesPress);
    QFETCH(QList<Step>, steps);
    QFETCH(QStringList, gestures);

    m_controlTakesPress = controlTakesPress;
    for (const Step& step : steps)
        QVERIFY2(run(step), "ticked while the recogniser was not sampling");
    QCOMPARE(m_log, gestures);
    QVERIFY(!m_recognizer->m_timer.isActive());
}

void tst_GestureRecognizer::pressReturnsWhetherAControlTookIt_data()
{
    QTest::addColumn<bool>("controlTakesPress");
    QTest::newRow("taken") << true;
    QTest::newRow("not taken") << false;
}

void tst_GestureRecognizer::pressReturnsWhetherAControlTookIt()
{
    QFETCH(bool, controlTakesPress);

    m_controlTakesPress = controlTakesPress;
    QCOMPARE(sendMouse(QEvent::GraphicsSceneMousePress, Qt::LeftButton), controlTakesPress);
    QCOMPARE(m_recognizer->m_timer.isActive(), controlTakesPress);
    QCOMPARE(m_recognizer->m_timer.interval(), 40);
}

void tst_GestureRecognizer::rightButtonPressIsEaten()
{
    QVERIFY(sendMouse(QEvent::GraphicsSceneMousePress, Qt::RightButton));
    QVERIFY(sendMouse(QEvent::GraphicsSceneMousePress, Qt::MiddleButton));
    QVERIFY(m_log.isEmpty());
    QVERIFY(!m_recognizer->m_timer.isActive());
}

void tst_GestureRecognizer::pressWhileTrackingChangesNothing()
{
    QVERIFY(run(Step::press(10, 10)));
    m_controlTakesPress = false;
    m_cursor->moveTo(QPoint(200, 200));
    QVERIFY(sendMouse(QEvent::GraphicsSceneMousePress, Qt::LeftButton));
    QVERIFY(run(Step::release(10, 10)));
    QCOMPARE(m_log, (QStringList{"press", "release control", "click control 10,10"}));
}

void tst_GestureRecognizer::timerSamplesTheCursorWhileHeld()
{
    QVERIFY(run(Step::press(10, 10)));
    m_cursor->moveTo(QPoint(30, 10));
    QTRY_VERIFY_WITH_TIMEOUT(m_log.contains("pressAndMove control"), 2000);
    QVERIFY(run(Step::release(30, 10)));
    QCOMPARE(m_log.mid(m_log.size() - 3), (QStringList{"endPressAndMove", "release control", "click control 30,10"}));
}

void tst_GestureRecognizer::widgetMouseEventsAreRecognisedToo()
{
    const QPointF local(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, local, local, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent rightPress(QEvent::MouseButtonPress, local, local, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent middleRelease(QEvent::MouseButtonRelease, local, local, Qt::MiddleButton, Qt::LeftButton,
                              Qt::NoModifier);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, local, local, Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);

    m_cursor->moveTo(QPoint(7, 8));
    QVERIFY(m_recognizer->eventFilter(nullptr, &rightPress));
    QVERIFY(m_recognizer->eventFilter(nullptr, &press));
    QVERIFY(!m_recognizer->eventFilter(nullptr, &middleRelease));
    QVERIFY(!m_recognizer->eventFilter(nullptr, &release));
    QVERIFY(!m_recognizer->eventFilter(nullptr, &doubleClick));
    QVERIFY(!m_recognizer->eventFilter(nullptr, &release));
    QCOMPARE(m_log, (QStringList{"press", "release control", "click control 7,8", "doubleClick 7,8", "release null"}));
}

void tst_GestureRecognizer::wheelIsStoppedOnlyWhenAControlTakesIt_data()
{
    QTest::addColumn<bool>("controlTakesWheel");
    QTest::newRow("taken") << true;
    QTest::newRow("not taken") << false;
}

void tst_GestureRecognizer::wheelIsStoppedOnlyWhenAControlTakesIt()
{
    QFETCH(bool, controlTakesWheel);

    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    wheel.setDelta(120);
    wheel.accept();
    QGraphicsSceneWheelEvent* received = nullptr;
    connect(m_recognizer.get(), &GestureRecognizer::mouseWheel, this, [&](QGraphicsSceneWheelEvent* event) {
        received = event;
        QVERIFY(!event->isAccepted());
        event->setAccepted(controlTakesWheel);
    });

    QCOMPARE(m_recognizer->eventFilter(nullptr, &wheel), controlTakesWheel);
    QCOMPARE(received, &wheel);
}

void tst_GestureRecognizer::keysArePassedOn()
{
    qRegisterMetaType<QKeyEvent*>();
    QSignalSpy pressed(m_recognizer.get(), &GestureRecognizer::keyPress);
    QSignalSpy released(m_recognizer.get(), &GestureRecognizer::keyRelease);
    QKeyEvent keyPress(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QKeyEvent keyRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);

    QVERIFY(!m_recognizer->eventFilter(nullptr, &keyPress));
    QVERIFY(!m_recognizer->eventFilter(nullptr, &keyRelease));

    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.at(0).at(0).value<QKeyEvent*>(), &keyPress);
    QCOMPARE(released.size(), 1);
    QCOMPARE(released.at(0).at(0).value<QKeyEvent*>(), &keyRelease);
    QVERIFY(m_log.isEmpty());
}

void tst_GestureRecognizer::shortcutOverrideIsDeclined()
{
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
    override.accept();
    QVERIFY(!m_recognizer->eventFilter(nullptr, &override));
    QVERIFY(!override.isAccepted());
}

void tst_GestureRecognizer::recognizersListsLiveInstances()
{
    const int before = GestureRecognizer::recognizers().size();
    auto second = std::make_unique<GestureRecognizer>();
    QCOMPARE(GestureRecognizer::recognizers().size(), before + 1);
    QCOMPARE(GestureRecognizer::recognizers().last(), second.get());
    second.reset();
    QCOMPARE(GestureRecognizer::recognizers().size(), before);
    QVERIFY(GestureRecognizer::recognizers().contains(m_recognizer.get()));
}

void tst_GestureRecognizer::positionsAreReadableDuringTheGesture()
{
    GestureRecognizer* r = m_recognizer.get();
    QStringList seen;
    const auto record = [&](const QString& name) {
        seen.append(QStringLiteral("%1 %2,%3 %4,%5 %6,%7")
                        .arg(name)
                        .arg(r->pressPosition().x()).arg(r->pressPosition().y())
                        .arg(r->currentPosition().x()).arg(r->currentPosition().y())
                        .arg(r->lastPosition().x()).arg(r->lastPosition().y()));
    };
    connect(r, &GestureRecognizer::pressAndMove, this, [&] { record("move"); });
    connect(r, &GestureRecognizer::endPressAndMove, this, [&] { record("end"); });
    connect(r, &GestureRecognizer::release, this, [&] { record("release"); });

    QVERIFY(run(Step::press(100, 100)));
    QVERIFY(run(Step::tick(110, 100)));
    QVERIFY(run(Step::tick(120, 105)));
    QVERIFY(run(Step::release(125, 105)));

    QCOMPARE(seen.first(), QStringLiteral("move 100,100 110,100 110,100"));
    QCOMPARE(seen.at(seen.size() - 2), QStringLiteral("end 100,100 120,105 125,105"));
    QCOMPARE(seen.last(), QStringLiteral("release 100,100 120,105 125,105"));
    // After the gesture nothing is left over.
    QCOMPARE(r->pressPosition(), GestureRecognizer::EMPTY_POINT);
    QCOMPARE(r->lastPosition(), GestureRecognizer::EMPTY_POINT);
}

QTEST_MAIN(tst_GestureRecognizer)
#include "tst_gesturerecognizer.moc"
