#include "navigation/NavigationDragIconAnimation.h"

#include <QSignalSpy>
#include <QTest>

using Corvane::Gadgets::NavigationDragIconAnimation;

namespace {

struct Slide
{
    int from;
    int to;
    int steps;
};

// Adds the slides one after another, each advanced by its own number of
// timer steps after it was added.
void playSlides(NavigationDragIconAnimation& animation, const QList<Slide>& slides)
{
    for (const Slide& slide : slides) {
        animation.addDragIcon(slide.from, slide.to);
        for (int i = 0; i < slide.steps; ++i)
            QMetaObject::invokeMethod(&animation, "onTimerTick");
    }
}

void step(NavigationDragIconAnimation& animation, int steps)
{
    for (int i = 0; i < steps; ++i)
        QMetaObject::invokeMethod(&animation, "onTimerTick");
}

} // namespace

Q_DECLARE_METATYPE(QList<Slide>)

class tst_NavigationDragIconAnimation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slideEndsAfterTenSteps();
    void finishedSlidesComeLastAddedFirst();
    void iconDataIsEased_data();
    void iconDataIsEased();
    void distanceTo_data();
    void distanceTo();
};

void tst_NavigationDragIconAnimation::slideEndsAfterTenSteps()
{
    NavigationDragIconAnimation animation;
    QSignalSpy repaintSpy(&animation, &NavigationDragIconAnimation::updateDragIconRequested);
    QVERIFY(!animation.isRunning());

    animation.addDragIcon(2, 3);
    QVERIFY(animation.isRunning());
    QVERIFY(animation.hasDataForIcon(2));
    QVERIFY(!animation.hasDataForIcon(3));
    step(animation, 9);
    QVERIFY(animation.getAndClearFinished().isEmpty());
    QVERIFY(animation.isRunning());

    step(animation, 1);
    QCOMPARE(repaintSpy.count(), 10);
    const QList<NavigationDragIconAnimation::IconData> finished = animation.getAndClearFinished();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).fromIndex, 2);
    QCOMPARE(finished.at(0).toIndex, 3);
    QCOMPARE(finished.at(0).progress, 1.0);
    QCOMPARE(animation.iconsCount(), 0);
    QVERIFY(!animation.isRunning());
}

void tst_NavigationDragIconAnimation::finishedSlidesComeLastAddedFirst()
{
    NavigationDragIconAnimation animation;
    playSlides(animation, {{4, 3, 0}, {3, 2, 5}, {2, 1, 0}});
    step(animation, 5);
    // The first two have run ten steps, the third five.
    const QList<NavigationDragIconAnimation::IconData> finished = animation.getAndClearFinished();
    QCOMPARE(finished.size(), 2);
    QCOMPARE(finished.at(0).fromIndex, 3);
    QCOMPARE(finished.at(1).fromIndex, 4);
    QCOMPARE(animation.iconsCount(), 1);
    QVERIFY(animation.isRunning());

    step(animation, 5);
    QCOMPARE(animation.getAndClearFinished().size(), 1);
    QVERIFY(!animation.isRunning());
}

void tst_NavigationDragIconAnimation::iconDataIsEased_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("progress");

    QTest::newRow("no slide leaves the slot") << 5 << 7 << 0 << 0 << 0.0;
    QTest::newRow("just added") << 0 << 1 << 1 << 2 << 0.0;
    QTest::newRow("halfway") << 5 << 1 << 1 << 2 << 0.70710678; // sin(45 degrees)
    QTest::newRow("finished") << 10 << 1 << 1 << 2 << 1.0;
}

void tst_NavigationDragIconAnimation::iconDataIsEased()
{
    QFETCH(int, steps);
    QFETCH(int, index);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, progress);
    NavigationDragIconAnimation animation;
    playSlides(animation, {{1, 2, steps}});

    const NavigationDragIconAnimation::IconData data = animation.iconData(index);
    QCOMPARE(data.fromIndex, from);
    QCOMPARE(data.toIndex, to);
    QVERIFY(qAbs(data.progress - progress) < 1e-6);
}

void tst_NavigationDragIconAnimation::distanceTo_data()
{
    QTest::addColumn<QList<Slide>>("slides");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("distance");

    QTest::newRow("no slide") << QList<Slide>{} << 3 << 0 << 0.0;
    QTest::newRow("unrelated slide") << QList<Slide>{{1, 2, 3}} << 3 << 0 << 0.0;
    QTest::newRow("leaving") << QList<Slide>{{3, 4, 3}} << 3 << 4 << 0.7;
    QTest::newRow("arriving") << QList<Slide>{{4, 3, 3}} << 3 << 3 << 0.3;
    // Progress 0.5 and 0.2: the first is nearer to its end.
    QTest::newRow("two leaving") << QList<Slide>{{3, 4, 3}, {3, 2, 2}} << 3 << 4 << 0.5;
    QTest::newRow("leaving nearer than arriving") << QList<Slide>{{3, 4, 2}, {2, 3, 6}} << 3 << 4 << 0.2;
    QTest::newRow("arriving nearer than leaving") << QList<Slide>{{2, 3, 4}, {3, 4, 1}} << 3 << 3 << 0.5;
    // A slide that has just begun to arrive counts as distance 0, which also
    // means "none": later slides replace it.
    QTest::newRow("just arriving") << QList<Slide>{{3, 4, 8}, {2, 3, 0}} << 3 << 3 << 0.0;
}

void tst_NavigationDragIconAnimation::distanceTo()
{
    QFETCH(QList<Slide>, slides);
    QFETCH(int, slot);
    QFETCH(int, index);
    QFETCH(double, distance);
    NavigationDragIconAnimation animation;
    playSlides(animation, slides);

    const NavigationDragIconAnimation::DistanceData data = animation.distanceTo(slot);
    QCOMPARE(data.index, index);
    QVERIFY(qAbs(data.distance - distance) < 1e-9);
}

QTEST_MAIN(tst_NavigationDragIconAnimation)
#include "tst_navigationdragiconanimation.moc"
