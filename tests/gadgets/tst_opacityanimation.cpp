#include "animation/OpacityAnimation.h"

#include <QTest>

using Corvane::Gadgets::Utilities::OpacityAnimation;

namespace {

// Stands in for a control exposing its floating icons' opacity.
class FadingControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qreal floatingIconsOpacity READ floatingIconsOpacity WRITE setFloatingIconsOpacity)

public:
    qreal floatingIconsOpacity() const { return m_opacity; }
    void setFloatingIconsOpacity(qreal opacity) { m_opacity = opacity; }

private:
    qreal m_opacity = 1.0;
};

} // namespace

class tst_OpacityAnimation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fadesOverOneSecond_data();
    void fadesOverOneSecond();
    void interruptedFadeStartsFromTheValueReached();
};

void tst_OpacityAnimation::fadesOverOneSecond_data()
{
    QTest::addColumn<qreal>("from");
    QTest::addColumn<qreal>("to");
    QTest::newRow("fade out") << 1.0 << 0.0;
    QTest::newRow("fade in") << 0.0 << 1.0;
}

void tst_OpacityAnimation::fadesOverOneSecond()
{
    QFETCH(qreal, from);
    QFETCH(qreal, to);

    FadingControl control;
    OpacityAnimation animation(&control, "floatingIconsOpacity");
    for (int round = 0; round < 2; ++round) {
        animation.startItemsOpacityAnimation(from, to);
        QCOMPARE(animation.state(), QAbstractAnimation::Running);
        QCOMPARE(animation.duration(), 1000);

        animation.setCurrentTime(250);
        QCOMPARE(control.floatingIconsOpacity(), from + (to - from) * 0.25);
        animation.setCurrentTime(1000);
        QCOMPARE(control.floatingIconsOpacity(), to);
        // The animation stops at the end and can be started again.
        QCOMPARE(animation.state(), QAbstractAnimation::Stopped);
    }
}

void tst_OpacityAnimation::interruptedFadeStartsFromTheValueReached()
{
    FadingControl control;
    OpacityAnimation animation(&control, "floatingIconsOpacity");
    animation.startItemsOpacityAnimation(1.0, 0.0);
    animation.setCurrentTime(400);
    QCOMPARE(control.floatingIconsOpacity(), 0.6);

    animation.startItemsOpacityAnimation(control.floatingIconsOpacity(), 1.0);

    QCOMPARE(animation.state(), QAbstractAnimation::Running);
    QCOMPARE(animation.currentTime(), 0);
    QCOMPARE(control.floatingIconsOpacity(), 0.6);
    animation.setCurrentTime(500);
    QCOMPARE(control.floatingIconsOpacity(), 0.8);
    animation.setCurrentTime(1000);
    QCOMPARE(control.floatingIconsOpacity(), 1.0);
}

QTEST_MAIN(tst_OpacityAnimation)
#include "tst_opacityanimation.moc"
