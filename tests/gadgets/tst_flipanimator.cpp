#include "animation/FlipAnimator.h"

#include <QGraphicsRectItem>
#include <QGraphicsRotation>
#include <QParallelAnimationGroup>
#include <QSignalSpy>
#include <QTest>

using Corvane::Gadgets::Utilities::FlipAnimator;

namespace {

// Stands in for a composite control with the carousel's extra opacity.
class FaceControl : public QObject, public QGraphicsRectItem
{
    Q_OBJECT
    Q_PROPERTY(qreal additionalControlsOpacity READ additionalControlsOpacity WRITE setAdditionalControlsOpacity)

public:
    explicit FaceControl(const QRectF& rect)
        : QGraphicsRectItem(rect)
    {
    }
    qreal additionalControlsOpacity() const { return m_opacity; }
    void setAdditionalControlsOpacity(qreal opacity) { m_opacity = opacity; }

private:
    qreal m_opacity = 0.3;
};

QGraphicsRotation* rotationOf(const QGraphicsItem& item)
{
    const QList<QGraphicsTransform*> transformations = item.transformations();
    return transformations.size() == 1 ? qobject_cast<QGraphicsRotation*>(transformations.first()) : nullptr;
}

} // namespace

class tst_FlipAnimator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void setupShowsTheFront_data();
    void setupShowsTheFront();
    void frontToBackSwitchesFacesHalfWay_data();
    void frontToBackSwitchesFacesHalfWay();
    void backToFrontRunsTheTurnBackwards();
    void eachTurnShowsTheOtherFaceOnce();
    void requestForTheFaceShownIsIgnored();
    void reversalHalfWayStartsFromTheAngleReached();
    void autoCenterFollowsResizedControls();
    void setupNeedsControlsOnBothFaces_data();
    void setupNeedsControlsOnBothFaces();
    void secondSetupBuildsNoSecondTurn();

private:
    QParallelAnimationGroup* turn() const;
    void flipToBack();

    std::unique_ptr<FaceControl> m_carousel;
    std::unique_ptr<QGraphicsRectItem> m_frontPlain;
    std::unique_ptr<QGraphicsRectItem> m_info;
    std::unique_ptr<FlipAnimator> m_animator;
};

void tst_FlipAnimator::init()
{
    m_carousel = std::make_unique<FaceControl>(QRectF(0, 0, 200, 100));
    m_frontPlain = std::make_unique<QGraphicsRectItem>(0, 0, 100, 100);
    m_info = std::make_unique<QGraphicsRectItem>(0, 0, 100, 60);
    m_animator = std::make_unique<FlipAnimator>();
    m_animator->setItems({m_carousel.get(), m_frontPlain.get()}, {m_info.get()});
}

void tst_FlipAnimator::cleanup()
{
    m_animator.reset();
    m_info.reset();
    m_frontPlain.reset();
    m_carousel.reset();
}

QParallelAnimationGroup* tst_FlipAnimator::turn() const
{
    return m_animator->findChild<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

void tst_FlipAnimator::flipToBack()
{
    m_animator->goFrontToBack();
    turn()->setCurrentTime(1000);
}

void tst_FlipAnimator::setupShowsTheFront_data()
{
    QTest::addColumn<bool>("autoCenter");
    QTest::addColumn<QVector3D>("frontCenter");
    QTest::addColumn<QVector3D>("backCenter");

    QTest::newRow("auto center: mean of the controls' centres")
        << true << QVector3D(75, 50, 0) << QVector3D(50, 30, 0);
    QTest::newRow("centres given") << false << QVector3D(10, 20, 0) << QVector3D(30, 40, 0);
}

void tst_FlipAnimator::setupShowsTheFront()
{
    QFETCH(bool, autoCenter);
    QFETCH(QVector3D, frontCenter);
    QFETCH(QVector3D, backCenter);

    m_animator->setAutoCenter(autoCenter);
    m_animator->setFrontRotationCenter(QVector3D(10, 20, 0));
    m_animator->setBackRotationCenter(QVector3D(30, 40, 0));
    m_animator->setup(false);

    QVERIFY(m_carousel->isVisible());
    QVERIFY(m_frontPlain->isVisible());
    QVERIFY(!m_info->isVisible());
    QCOMPARE(m_carousel->additionalControlsOpacity(), 1.0);
    for (const QGraphicsItem* item : QList<QGraphicsItem*>{m_carousel.get(), m_frontPlain.get()}) {
        QGraphicsRotation* rotation = rotationOf(*item);
        QVERIFY(rotation);
        QCOMPARE(rotation->axis(), QVector3D(0, 1, 0));
        QCOMPARE(rotation->origin(), frontCenter);
        QCOMPARE(rotation->angle(), 0.0);
    }
    QGraphicsRotation* backRotation = rotationOf(*m_info);
    QVERIFY(backRotation);
    QCOMPARE(backRotation->origin(), backCenter);
    // The back face is mirrored about its centre's vertical line.
    const QPointF mirrored = m_info->transform().map(QPointF(backCenter.x() + 20, 7));
    QCOMPARE(mirrored.x(), qreal(backCenter.x() - 20));
    QCOMPARE(mirrored.y(), 7.0);
}

void tst_FlipAnimator::frontToBackSwitchesFacesHalfWay_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("frontVisible");
    QTest::addColumn<qreal>("angle");
    QTest::addColumn<qreal>("opacity");

    QTest::newRow("start") << 0 << true << 0.0 << 1.0;
    QTest::newRow("a quarter") << 250 << true << 45.0 << 0.5;
    QTest::newRow("just before half-way") << 499 << true << 89.82 << 0.002;
    QTest::newRow("half-way") << 500 << false << 90.0 << 0.0;
    QTest::newRow("three quarters") << 750 << false << 135.0 << -0.5;
    QTest::newRow("end") << 1000 << false << 180.0 << -1.0;
}

void tst_FlipAnimator::frontToBackSwitchesFacesHalfWay()
{
    QFETCH(int, time);
    QFETCH(bool, frontVisible);
    QFETCH(qreal, angle);
    QFETCH(qreal, opacity);

    m_animator->setAutoCenter(true);
    m_animator->setup(false);
    QSignalSpy frontToBack(m_animator.get(), &FlipAnimator::frontToBack);

    m_animator->goFrontToBack();

    QCOMPARE(frontToBack.size(), 1);
    QCOMPARE(turn()->state(), QAbstractAnimation::Running);
    QCOMPARE(turn()->duration(), 1000);
    turn()->setCurrentTime(time);
    QCOMPARE(m_carousel->isVisible(), frontVisible);
    QCOMPARE(m_frontPlain->isVisible(), frontVisible);
    QCOMPARE(m_info->isVisible(), !frontVisible);
    QCOMPARE(rotationOf(*m_carousel)->angle(), angle);
    QCOMPARE(rotationOf(*m_info)->angle(), angle);
    QCOMPARE(m_carousel->additionalControlsOpacity(), opacity);
}

void tst_FlipAnimator::backToFrontRunsTheTurnBackwards()
{
    m_animator->setAutoCenter(true);
    m_animator->setup(false);
    flipToBack();
    QCOMPARE(turn()->state(), QAbstractAnimation::Stopped);

    // Connections elsewhere emit the signal itself, as the flip button does.
    emit m_animator->backToFront();

    QCOMPARE(turn()->state(), QAbstractAnimation::Running);
    turn()->setCurrentTime(499);
    QVERIFY(!m_carousel->isVisible());
    turn()->setCurrentTime(500);
    QVERIFY(m_carousel->isVisible());
    QVERIFY(!m_info->isVisible());
    QCOMPARE(rotationOf(*m_frontPlain)->angle(), 90.0);
    turn()->setCurrentTime(1000);
    QCOMPARE(rotationOf(*m_frontPlain)->angle(), 0.0);
    QCOMPARE(rotationOf(*m_info)->angle(), 0.0);
    QCOMPARE(m_carousel->additionalControlsOpacity(), 1.0);
}

// Owners that size themselves to the face shown hear of each switch once,
// not on every frame of the turn.
void tst_FlipAnimator::eachTurnShowsTheOtherFaceOnce()
{
    QSignalSpy shown(m_animator.get(), &FlipAnimator::faceShown);
    m_animator->setup(false);
    QCOMPARE(shown.size(), 1);

    m_animator->goFrontToBack();
    for (int time : {250, 499})
        turn()->setCurrentTime(time);
    QCOMPARE(shown.size(), 1);
    turn()->setCurrentTime(500);
    QCOMPARE(shown.size(), 2);
    QVERIFY(m_info->isVisible());
    for (int time : {750, 1000})
        turn()->setCurrentTime(time);
    QCOMPARE(shown.size(), 2);

    m_animator->goBackToFront();
    turn()->setCurrentTime(1000);
    QCOMPARE(shown.size(), 3);
    QVERIFY(m_carousel->isVisible());
}

void tst_FlipAnimator::requestForTheFaceShownIsIgnored()
{
    m_animator->setAutoCenter(true);
    m_animator->setup(false);

    m_animator->goBackToFront();
    QCOMPARE(turn()->state(), QAbstractAnimation::Stopped);

    flipToBack();
    m_animator->goFrontToBack();
    QCOMPARE(turn()->state(), QAbstractAnimation::Stopped);
    QVERIFY(m_info->isVisible());
    QCOMPARE(rotationOf(*m_info)->angle(), 180.0);
}

void tst_FlipAnimator::reversalHalfWayStartsFromTheAngleReached()
{
    m_animator->setAutoCenter(true);
    m_animator->setup(false);
    m_animator->goFrontToBack();
    turn()->setCurrentTime(700);
    QVERIFY(m_info->isVisible());
    QCOMPARE(rotationOf(*m_info)->angle(), 126.0);

    m_animator->goBackToFront();

    QCOMPARE(turn()->currentTime(), 0);
    QCOMPARE(rotationOf(*m_info)->angle(), 126.0);
    turn()->setCurrentTime(500);
    QCOMPARE(rotationOf(*m_info)->angle(), 63.0);
    QVERIFY(m_carousel->isVisible());
    QVERIFY(!m_info->isVisible());
    turn()->setCurrentTime(1000);
    QCOMPARE(rotationOf(*m_info)->angle(), 0.0);
    QCOMPARE(m_carousel->additionalControlsOpacity(), 1.0);
}

void tst_FlipAnimator::autoCenterFollowsResizedControls()
{
    m_animator->setAutoCenter(true);
    m_animator->setup(false);

    m_carousel->setRect(0, 0, 300, 200);
    m_info->setRect(0, 0, 40, 80);
    QCOMPARE(m_animator->cumultativeRotationCenter({m_carousel.get(), m_frontPlain.get()}), QVector3D(100, 75, 0));
    m_animator->setup(true);

    QCOMPARE(rotationOf(*m_carousel)->origin(), QVector3D(100, 75, 0));
    QCOMPARE(rotationOf(*m_frontPlain)->origin(), QVector3D(100, 75, 0));
    QCOMPARE(rotationOf(*m_info)->origin(), QVector3D(20, 40, 0));
    QCOMPARE(m_info->transform().map(QPointF(0, 0)).x(), 40.0);
    QCOMPARE(m_animator->cumultativeRotationCenter({}), QVector3D());
}

void tst_FlipAnimator::setupNeedsControlsOnBothFaces_data()
{
    QTest::addColumn<bool>("frontEmpty");
    QTest::newRow("no front") << true;
    QTest::newRow("no back") << false;
}

void tst_FlipAnimator::setupNeedsControlsOnBothFaces()
{
    QFETCH(bool, frontEmpty);

    if (frontEmpty)
        m_animator->setItems({}, {m_info.get()});
    else
        m_animator->setItems({m_carousel.get()}, {});
    m_animator->setAutoCenter(true);
    m_animator->setup(false);
    m_animator->setup(true);
    m_animator->goFrontToBack();
    m_animator->goBackToFront();

    QVERIFY(!turn());
    for (const QGraphicsItem* item : QList<QGraphicsItem*>{m_carousel.get(), m_info.get()}) {
        QVERIFY(item->isVisible());
        QVERIFY(item->transformations().isEmpty());
        QVERIFY(item->transform().isIdentity());
    }
    QCOMPARE(m_carousel->additionalControlsOpacity(), 0.3);
}

void tst_FlipAnimator::secondSetupBuildsNoSecondTurn()
{
    m_animator->setAutoCenter(true);
    m_animator->setup(false);
    QGraphicsRotation* rotation = rotationOf(*m_carousel);
    m_carousel->setRect(0, 0, 100, 100);

    m_animator->setup(false);

    QCOMPARE(m_animator->findChildren<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    QCOMPARE(rotationOf(*m_carousel), rotation);
    QCOMPARE(rotation->origin(), QVector3D(50, 50, 0));
}

QTEST_MAIN(tst_FlipAnimator)
#include "tst_flipanimator.moc"
