#include "carousel/CarouselGeometry.h"

#include <QTest>

using Corvane::Gadgets::CarouselGeometry;

namespace {

constexpr qreal minimumScale = 0.35;
constexpr qreal scaleFactor = 0.5;

// A path beside a 1000-pixel gadget in its 1250-pixel view, as the carousel
// lays it out for empty-size delegates without rotation.
QRectF typicalPathRect()
{
    return CarouselGeometry::pathRect(QSizeF(1250, 1250), 1000, 0, CarouselGeometry::emptyDelegateSize(),
                                      scaleFactor, 80, 18);
}

bool near(const QPointF& a, const QPointF& b)
{
    return QLineF(a, b).length() < 0.5;
}

} // namespace

class tst_CarouselGeometry : public QObject
{
    Q_OBJECT

private slots:
    void hiddenShare_data();
    void hiddenShare();
    void delegatePercent_data();
    void delegatePercent();
    void pathRect_data();
    void pathRect();
    void pathRunsRoundTheStretches_data();
    void pathRunsRoundTheStretches();
    void wholePathJoinsTheStretches();
    void placementScalesByHeight_data();
    void placementScalesByHeight();
    void placementsForCounts_data();
    void placementsForCounts();
    void placementsMirrorAboutTheMiddle();
    void carouselExtent_data();
    void carouselExtent();
    void angleToScreenCentre_data();
    void angleToScreenCentre();
    void snappedRotation_data();
    void snappedRotation();
};

void tst_CarouselGeometry::hiddenShare_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qreal>("share");

    QTest::newRow("empty") << 0 << 0.0;
    QTest::newRow("one") << 1 << 0.0;
    QTest::newRow("five") << 5 << 0.0;
    QTest::newRow("six") << 6 << 1.0 / 6;
    QTest::newRow("eight") << 8 << 3.0 / 8;
    QTest::newRow("twelve") << 12 << 7.0 / 12;
}

void tst_CarouselGeometry::hiddenShare()
{
    QFETCH(int, count);
    QFETCH(qreal, share);
    QCOMPARE(CarouselGeometry::hiddenShare(count), share);
}

void tst_CarouselGeometry::delegatePercent_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("current");
    QTest::addColumn<qreal>("offset");
    QTest::addColumn<int>("count");
    QTest::addColumn<qreal>("percent");

    QTest::newRow("current at start") << 2 << 2 << 0.0 << 5 << 0.0;
    QTest::newRow("next goes down") << 1 << 0 << 0.0 << 5 << 0.2;
    QTest::newRow("previous comes up") << 0 << 1 << 0.0 << 5 << 0.8;
    QTest::newRow("last before first") << 4 << 0 << 0.0 << 5 << 0.8;
    QTest::newRow("half-way turn") << 2 << 3 << 0.5 << 8 << 7.5 / 8;
    QTest::newRow("backwards turn") << 0 << 0 << -0.25 << 4 << 3.75 / 4;
    QTest::newRow("whole turn") << 0 << 0 << 5.0 << 5 << 0.0;
    QTest::newRow("no delegates") << 0 << 0 << 0.0 << 0 << 0.0;
}

void tst_CarouselGeometry::delegatePercent()
{
    QFETCH(int, index);
    QFETCH(int, current);
    QFETCH(qreal, offset);
    QFETCH(int, count);
    QFETCH(qreal, percent);
    QCOMPARE(CarouselGeometry::delegatePercent(index, current, offset, count), percent);
}

void tst_CarouselGeometry::pathRect_data()
{
    QTest::addColumn<qreal>("rotation");
    QTest::addColumn<qreal>("width");

    // Half the scaled delegate (130 x 90) across, plus radius 80 and margin 18.
    QTest::newRow("upright") << 0.0 << 65.0 + 98;
    QTest::newRow("quarter turn") << -90.0 << 45.0 + 98;
    QTest::newRow("half turn") << -180.0 << 65.0 + 98;
    QTest::newRow("diagonal") << -45.0 << (45.0 + 65.0) * M_SQRT1_2 + 98;
}

void tst_CarouselGeometry::pathRect()
{
    QFETCH(qreal, rotation);
    QFETCH(qreal, width);

    const QRectF rect = CarouselGeometry::pathRect(QSizeF(1250, 1250), 1000, rotation,
                                                   CarouselGeometry::emptyDelegateSize(), scaleFactor, 80, 18);
    QCOMPARE(rect.x(), 625.0);
    QCOMPARE(rect.y(), 225.0);
    QCOMPARE(rect.height(), 800.0);
    QVERIFY2(qAbs(rect.width() - width) < 1e-3, qPrintable(QString::number(rect.width())));
}

void tst_CarouselGeometry::pathRunsRoundTheStretches_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qreal>("percent");
    QTest::addColumn<QPointF>("point");

    const QRectF r(100, 50, 200, 400);
    for (int count : {3, 5, 8}) {
        const qreal hidden = CarouselGeometry::hiddenShare(count);
        const QByteArray n = QByteArray::number(count);
        QTest::newRow(n + " start") << count << 0.0 << QPointF(r.right(), r.center().y());
        QTest::newRow(n + " bottom left") << count << (1 - hidden) / 2 << r.bottomLeft();
        if (hidden > 0)
            QTest::newRow(n + " top left") << count << (1 - hidden) / 2 + hidden << r.topLeft();
        QTest::newRow(n + " round again") << count << 1.0 << QPointF(r.right(), r.center().y());
    }
    // Without a hidden share the straight edge is passed in no time.
    QTest::newRow("5 just past the bottom") << 5 << 0.5 + 1e-9 << r.topLeft();
    // The hidden share sits on the straight edge, walked evenly.
    QTest::newRow("8 middle of the edge") << 8 << 0.5 << QPointF(100, 250);
    QTest::newRow("8 quarter up the edge") << 8 << 5.0 / 16 + 3.0 / 32 << QPointF(100, 350);
}

void tst_CarouselGeometry::pathRunsRoundTheStretches()
{
    QFETCH(int, count);
    QFETCH(qreal, percent);
    QFETCH(QPointF, point);

    const QRectF r(100, 50, 200, 400);
    const QPointF actual = CarouselGeometry::pointAtPercent(r, CarouselGeometry::hiddenShare(count), percent);
    QVERIFY2(near(actual, point), qPrintable(QStringLiteral("%1, %2").arg(actual.x()).arg(actual.y())));
}

void tst_CarouselGeometry::wholePathJoinsTheStretches()
{
    const QRectF r(100, 50, 200, 400);
    const QPainterPath path = CarouselGeometry::path(r);

    QVERIFY(near(path.pointAtPercent(0), QPointF(300, 250)));
    QVERIFY(near(path.currentPosition(), QPointF(300, 250)));
    QVERIFY(near(path.boundingRect().topLeft(), r.topLeft()));
    QVERIFY(near(path.boundingRect().bottomRight(), r.bottomRight()));
    QVERIFY(path.contains(QPointF(150, 250)));

    const QPainterPath inset = CarouselGeometry::path(r, 20);
    QVERIFY(near(inset.pointAtPercent(0), QPointF(280, 250)));
    QVERIFY(near(inset.boundingRect().topLeft(), QPointF(100, 70)));
}

void tst_CarouselGeometry::placementScalesByHeight_data()
{
    QTest::addColumn<qreal>("percent");
    QTest::addColumn<qreal>("scale");

    QTest::newRow("middle") << 0.0 << scaleFactor;
    QTest::newRow("bottom") << 0.5 << minimumScale * scaleFactor;
    QTest::newRow("full turn") << 1.0 << scaleFactor;
}

void tst_CarouselGeometry::placementScalesByHeight()
{
    QFETCH(qreal, percent);
    QFETCH(qreal, scale);

    const auto placement = CarouselGeometry::placeDelegate(QRectF(0, 0, 100, 200), 5, percent, minimumScale,
                                                           scaleFactor);
    QVERIFY(placement.visible);
    QCOMPARE(placement.scale, scale);
    QCOMPARE(placement.opacity, scale / scaleFactor);
    QCOMPARE(placement.z, scale * 100);
}

void tst_CarouselGeometry::placementsForCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<bool>>("visible");

    QTest::newRow("three") << 3 << QList<bool>{true, true, true};
    QTest::newRow("five") << 5 << QList<bool>{true, true, true, true, true};
    QTest::newRow("six") << 6 << QList<bool>{true, true, true, false, true, true};
    QTest::newRow("eight") << 8 << QList<bool>{true, true, true, false, false, false, true, true};
}

void tst_CarouselGeometry::placementsForCounts()
{
    QFETCH(int, count);
    QFETCH(QList<bool>, visible);

    const QRectF rect = typicalPathRect();
    const int current = 1;
    for (int index = 0; index < count; ++index) {
        const int place = (index - current + count) % count;
        const qreal percent = CarouselGeometry::delegatePercent(index, current, 0, count);
        const auto placement = CarouselGeometry::placeDelegate(rect, count, percent, minimumScale, scaleFactor);
        QVERIFY2(placement.visible == visible.at(place), qPrintable(QString::number(index)));
        if (placement.visible) {
            QVERIFY(placement.scale >= minimumScale * scaleFactor);
            QVERIFY(placement.scale <= scaleFactor);
            QCOMPARE(placement.opacity, placement.scale / scaleFactor);
        } else {
            QCOMPARE(placement.scale, 0.0);
            QCOMPARE(placement.opacity, 0.0);
            QCOMPARE(placement.z, 0.0);
        }
    }

    // The current delegate is in front, at the path's right-hand middle.
    const auto front = CarouselGeometry::placeDelegate(rect, count, 0, minimumScale, scaleFactor);
    QVERIFY(near(front.centre, QPointF(rect.right(), rect.center().y())));
    QCOMPARE(front.z, scaleFactor * 100);
}

void tst_CarouselGeometry::placementsMirrorAboutTheMiddle()
{
    const QRectF rect = typicalPathRect();
    const auto next = CarouselGeometry::placeDelegate(rect, 5, 0.2, minimumScale, scaleFactor);
    const auto previous = CarouselGeometry::placeDelegate(rect, 5, 0.8, minimumScale, scaleFactor);

    QVERIFY(next.centre.y() > rect.center().y());
    QVERIFY(near(previous.centre, QPointF(next.centre.x(), 2 * rect.center().y() - next.centre.y())));
    QVERIFY(qAbs(next.scale - previous.scale) < 1e-3);
    QVERIFY(next.scale < scaleFactor);
}

void tst_CarouselGeometry::carouselExtent_data()
{
    QTest::addColumn<qreal>("customScale");
    QTest::addColumn<QSize>("extent");

    // 130 + 80 + 18 across; 200 + 90 x 0.35 = 231.5 down, truncated.
    QTest::newRow("scale 1") << 1.0 << QSize(228, 231);
    QTest::newRow("scale 2") << 2.0 << QSize(456, 463);
    QTest::newRow("scale 0.5") << 0.5 << QSize(114, 115);
}

void tst_CarouselGeometry::carouselExtent()
{
    QFETCH(qreal, customScale);
    QFETCH(QSize, extent);
    QCOMPARE(CarouselGeometry::carouselExtent(CarouselGeometry::emptyDelegateSize(), scaleFactor, 80, 18, 400,
                                              minimumScale, customScale),
             extent);
}

void tst_CarouselGeometry::angleToScreenCentre_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<qreal>("angle");

    const QRect primary(0, 0, 1920, 1080); // centre (959, 539)
    QTest::newRow("room on the right") << primary << QPointF(300, 539) << 0.0;
    QTest::newRow("at the right edge") << primary << QPointF(1759, 539) << 180.0;
    QTest::newRow("at the bottom") << primary << QPointF(959, 1000) << 90.0;
    QTest::newRow("at the top") << primary << QPointF(959, 100) << 270.0;
    QTest::newRow("bottom right corner") << primary << QPointF(1759, 1339) << 135.0;

    // Screens away from the desktop's origin are judged by their own edges.
    const QRect right(1920, 0, 1280, 1024);
    QTest::newRow("right screen, room") << right << QPointF(2100, 512) << 0.0;
    const QRect left(-1280, 0, 1280, 1024); // centre (-641, 511)
    QTest::newRow("left screen, room") << left << QPointF(-1100, 511) << 0.0;
    QTest::newRow("left screen, right edge") << left << QPointF(-200, 511) << 180.0;
    const QRect below(0, 1080, 1920, 1080); // centre (959, 1619)
    QTest::newRow("lower screen, room") << below << QPointF(500, 1619) << 0.0;
    QTest::newRow("lower screen, top") << below << QPointF(959, 1150) << 270.0;
    QTest::newRow("lower screen, bottom") << below << QPointF(959, 2100) << 90.0;
}

void tst_CarouselGeometry::angleToScreenCentre()
{
    QFETCH(QRect, screen);
    QFETCH(QPointF, centre);
    QFETCH(qreal, angle);
    QCOMPARE(CarouselGeometry::angleToScreenCentre(centre, screen, QSize(228, 231)), angle);
}

void tst_CarouselGeometry::snappedRotation_data()
{
    QTest::addColumn<qreal>("angle");
    QTest::addColumn<qreal>("rotation");

    QTest::newRow("right") << 0.0 << 0.0;
    QTest::newRow("just under half a step") << 22.4 << 0.0;
    QTest::newRow("half a step") << 22.5 << -45.0;
    QTest::newRow("near up") << 100.0 << -90.0;
    QTest::newRow("tie rounds up") << 112.5 << -135.0;
    QTest::newRow("left") << 180.0 << -180.0;
    QTest::newRow("down right") << 315.0 << -315.0;
    QTest::newRow("almost round") << 350.0 << -360.0;
    QTest::newRow("negative") << -100.0 << 90.0;
    QTest::newRow("negative tie rounds up") << -112.5 << 90.0;
}

void tst_CarouselGeometry::snappedRotation()
{
    QFETCH(qreal, angle);
    QFETCH(qreal, rotation);
    QCOMPARE(CarouselGeometry::snappedRotation(angle), rotation);
}

QTEST_MAIN(tst_CarouselGeometry)
#include "tst_carouselgeometry.moc"
