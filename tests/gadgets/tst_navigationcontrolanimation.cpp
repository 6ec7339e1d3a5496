#include "controls/IconRenderer.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationControlAnimation.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <functional>
#include <memory>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;

namespace {

using SceneTestHelpers::useTheme;

// An icon SVG whose "default" element is a plain square of one colour.
struct ColouredIcon
{
    explicit ColouredIcon(const QColor& colour)
        : renderer(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='40' height='40'>"
                                  "<rect id='bounding_box' x='0' y='0' width='40' height='40' fill='none'/>"
                                  "<rect id='default' x='4' y='4' width='32' height='32' fill='%1'/></svg>")
                       .arg(colour.name())
                       .toUtf8())
        , container(&renderer, QStringLiteral("icon"))
    {
    }

    QSvgRenderer renderer;
    Utilities::RendererContainer container;
};

std::unique_ptr<NavigationControl> createCarousel()
{
    return std::make_unique<NavigationControl>(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION));
}

QList<NavigationIcon> plainIcons(int count)
{
    QList<NavigationIcon> icons;
    for (int i = 0; i < count; ++i)
        icons << NavigationIcon(QStringLiteral("light_system"), QStringLiteral("Light %1").arg(i), 100 + i);
    return icons;
}

// The centre of the pixels of one colour, or a null point without any.
QPointF centreOf(const QImage& image, const QColor& colour)
{
    QPointF sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 255 && qAbs(pixel.red() - colour.red()) < 8
                && qAbs(pixel.green() - colour.green()) < 8 && qAbs(pixel.blue() - colour.blue()) < 8) {
                sum += QPointF(x + 0.5, y + 0.5);
                ++count;
            }
        }
    }
    return count ? sum / count : QPointF();
}

QImage paintCarousel(NavigationControl& carousel)
{
    QImage image(carousel.boundingRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    carousel.paint(&painter, nullptr, nullptr);
    return image;
}

bool near(const QPointF& a, const QPointF& b, qreal tolerance)
{
    return QLineF(a, b).length() <= tolerance;
}

} // namespace

class tst_NavigationControlAnimation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useTheme(QStringLiteral(":/CorvaneTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void timeLineIsSetUp();
    void valueFollowsTheEasedTimeLine();
    void lastFrameEndsOnTheEndValue_data();
    void lastFrameEndsOnTheEndValue();
    void negativeTargetIsBroughtIntoTheList();
    void negativeStartKeepsTheDistance();
    void noRotationWhenAllIconsAreShown();
    void cacheHoldsSegmentPercentagesAndRegion_data();
    void cacheHoldsSegmentPercentagesAndRegion();
    void cacheIsInvalidatedByGeometryChanges();
    void themeWithoutAreaMaskGivesEmptyRegion();
    void wholeIndexPaintsIconsOnSegmentCentres();
    void halfIndexPaintsIconHalfWayBetweenSegments();
    void slidingIconIsPaintedBetweenSegments();
    void paintsNothingWhenIdle();
};

void tst_NavigationControlAnimation::timeLineIsSetUp()
{
    const auto carousel = createCarousel();
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QCOMPARE(animation->timeLine()->duration(), 1000);
    QCOMPARE(animation->timeLine()->startFrame(), 0);
    QCOMPARE(animation->timeLine()->endFrame(), 200);
    QCOMPARE(animation->timeLine()->updateInterval(), 5);
    QCOMPARE(animation->easingType(), QEasingCurve::OutSine);
    QVERIFY(!animation->isCacheValid());
    QVERIFY(!animation->parent());
}

void tst_NavigationControlAnimation::valueFollowsTheEasedTimeLine()
{
    const auto carousel = createCarousel();
    carousel->setIcons(plainIcons(7), true);
    carousel->startIconsAnimation(2, 6, 500, QEasingCurve::OutSine);
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QCOMPARE(animation->timeLine()->duration(), 500);

    animation->onValueChanged(0.5);
    const double eased = QEasingCurve(QEasingCurve::OutSine).valueForProgress(0.5);
    QCOMPARE(animation->progress(), eased);
    QCOMPARE(animation->currentValue(), 2 + eased * 4);
    QCOMPARE(carousel->firstIconCustomIndex(), 2 + eased * 4);
    QVERIFY(carousel->isAnimating());
    QCOMPARE(carousel->firstIconIndex(), 0);
}

void tst_NavigationControlAnimation::lastFrameEndsOnTheEndValue_data()
{
    QTest::addColumn<qreal>("timeLineValue");
    QTest::newRow("one") << 1.0;
    QTest::newRow("above one") << 1.3;
}

void tst_NavigationControlAnimation::lastFrameEndsOnTheEndValue()
{
    QFETCH(qreal, timeLineValue);
    const auto carousel = createCarousel();
    carousel->setIcons(plainIcons(7), true);
    carousel->startIconsAnimation(0.3, 5, 500, QEasingCurve::OutCubic);
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QVERIFY(animation->isRunning());

    animation->onValueChanged(timeLineValue);
    QCOMPARE(carousel->firstIconCustomIndex(), 5.0);
    QCOMPARE(carousel->firstIconIndex(), 5);
    QVERIFY(!animation->isRunning());
    QVERIFY(!carousel->isAnimating());
    QCOMPARE(carousel->animationMode(), 0);
    for (SvgContentButton* segment : carousel->segments())
        QVERIFY(segment->showIcon());
}

// Eight entries: seven icons and the gap.
void tst_NavigationControlAnimation::negativeTargetIsBroughtIntoTheList()
{
    const auto carousel = createCarousel();
    carousel->setIcons(plainIcons(7), true);
    carousel->startIconsAnimation(0, -1, 500, QEasingCurve::OutSine);
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QCOMPARE(animation->startValue(), 8.0);
    QCOMPARE(animation->endValue(), 7.0);
    QCOMPARE(carousel->animationMode(), 1);
    QVERIFY(!carousel->segments().first()->showIcon());

    animation->timeLine()->setCurrentTime(500);
    QCOMPARE(carousel->firstIconIndex(), 7);
    QVERIFY(!carousel->isAnimating());
}

void tst_NavigationControlAnimation::negativeStartKeepsTheDistance()
{
    const auto carousel = createCarousel();
    carousel->setIcons(plainIcons(7), true);
    carousel->startIconsAnimation(-9.5, -7.5, 500, QEasingCurve::OutSine);
    QCOMPARE(carousel->iconsAnimation()->startValue(), 6.5);
    QCOMPARE(carousel->iconsAnimation()->endValue(), 8.5);
}

void tst_NavigationControlAnimation::noRotationWhenAllIconsAreShown()
{
    const auto carousel = createCarousel();
    carousel->setIcons(plainIcons(5), true);
    carousel->startIconsAnimation(0, 1, 500, QEasingCurve::OutSine);
    QVERIFY(!carousel->iconsAnimation()->isRunning());
    QVERIFY(!carousel->isAnimating());
    QCOMPARE(carousel->animationMode(), 0);
    for (SvgContentButton* segment : carousel->segments())
        QVERIFY(segment->showIcon());
}

void tst_NavigationControlAnimation::cacheHoldsSegmentPercentagesAndRegion_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

void tst_NavigationControlAnimation::cacheHoldsSegmentPercentagesAndRegion()
{
    QFETCH(QString, theme);
    useTheme(theme);
    const auto carousel = createCarousel();
    carousel->updateAnimationCache();
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QVERIFY(animation->isCacheValid());

    const QList<double> percentages = animation->cachedPercentages();
    QCOMPARE(percentages.size(), carousel->segments().size());
    for (int s = 0; s < percentages.size(); ++s) {
        if (s > 0)
            QVERIFY(percentages.at(s) > percentages.at(s - 1));
        const QPointF centre = carousel->getSegmentCenter(s);
        QVERIFY2(near(animation->cachedPath().pointAtPercent(percentages.at(s)), centre, 2.0), qPrintable(theme));
        QVERIFY(animation->clipRegion().contains(centre.toPoint()));
    }
    QVERIFY(!animation->clipRegion().contains(QPoint(160, 60)));
    QVERIFY(!animation->clipRegion().contains(QPoint(160, 160)));
    useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_NavigationControlAnimation::cacheIsInvalidatedByGeometryChanges()
{
    const auto carousel = createCarousel();
    const QList<std::function<void()>> changes = {
        [&] { carousel->setCustomScale(1.5); },
        [&] { carousel->setOffset(QPointF(10, 20)); },
        [&] { carousel->parentOffsetChanged(); },
        [&] { carousel->updateCachedData(); },
    };
    for (const auto& change : changes) {
        carousel->updateAnimationCache();
        QVERIFY(carousel->iconsAnimation()->isCacheValid());
        change();
        QVERIFY(!carousel->iconsAnimation()->isCacheValid());
    }
}

void tst_NavigationControlAnimation::themeWithoutAreaMaskGivesEmptyRegion()
{
    QSvgRenderer svg(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='200' height='100'>"
                                "<path id='animation_path' d='M0 50 L200 50' fill='none' stroke='#000'/>"
                                "<rect id='segment_1_mask' x='0' y='30' width='100' height='40'/>"
                                "<rect id='segment_2_mask' x='100' y='30' width='100' height='40'/>"
                                "<rect id='segment_1_content_placeholder' x='30' y='30' width='40' height='40'/>"
                                "<rect id='segment_2_content_placeholder' x='130' y='30' width='40' height='40'/>"
                                "</svg>"));
    Utilities::RendererContainer container(&svg, QStringLiteral("navigation"));
    NavigationControl carousel(&container);
    QCOMPARE(carousel.segments().size(), 2);
    carousel.setIcons(plainIcons(3), true);
    carousel.startIconsAnimation(0, 1, 500, QEasingCurve::OutSine);
    QVERIFY(carousel.iconsAnimation()->isCacheValid());
    QVERIFY(carousel.iconsAnimation()->clipRegion().isEmpty());
    const QList<double> percentages = carousel.iconsAnimation()->cachedPercentages();
    QCOMPARE(percentages.size(), 2);
    QVERIFY(qAbs(percentages.at(0) - 0.25) < 0.001);
    QVERIFY(qAbs(percentages.at(1) - 0.75) < 0.001);

    carousel.iconsAnimation()->onValueChanged(1.0);
    QCOMPARE(carousel.firstIconIndex(), 1);
    for (SvgContentButton* segment : carousel.segments())
        QVERIFY(segment->showIcon());
}

void tst_NavigationControlAnimation::wholeIndexPaintsIconsOnSegmentCentres()
{
    ColouredIcon red(Qt::red);
    ColouredIcon blue(Qt::blue);
    QList<NavigationIcon> icons = plainIcons(7);
    icons[2] = NavigationIcon(Utilities::IconRenderer(&red.container, {}), QStringLiteral("Red"), 200);
    icons[3] = NavigationIcon(Utilities::IconRenderer(&blue.container, {}), QStringLiteral("Blue"), 201);
    const auto carousel = createCarousel();
    carousel->setIcons(icons, true);
    carousel->startIconsAnimation(1, 2, 500, QEasingCurve::OutSine);
    carousel->setFirstIconCustomIndex(1.0);

    const QImage image = paintCarousel(*carousel);
    QVERIFY(near(centreOf(image, Qt::red), carousel->getSegmentCenter(1), 1.0));
    QVERIFY(near(centreOf(image, Qt::blue), carousel->getSegmentCenter(2), 1.0));
}

void tst_NavigationControlAnimation::halfIndexPaintsIconHalfWayBetweenSegments()
{
    ColouredIcon red(Qt::red);
    QList<NavigationIcon> icons = plainIcons(7);
    icons[1] = NavigationIcon(Utilities::IconRenderer(&red.container, {}), QStringLiteral("Red"), 200);
    const auto carousel = createCarousel();
    carousel->setIcons(icons, true);
    carousel->startIconsAnimation(0, 1, 500, QEasingCurve::OutSine);
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    carousel->setFirstIconCustomIndex(0.5);

    const QList<double> p = animation->cachedPercentages();
    const QPointF halfWay = animation->cachedPath().pointAtPercent((p.at(0) + p.at(1)) / 2);
    QVERIFY(near(centreOf(paintCarousel(*carousel), Qt::red), halfWay, 1.0));
}

// Lifting the icon of segment 1 onto segment 2 slides icon 2 back to
// segment 1; half-way through its time it has gone the eased distance.
void tst_NavigationControlAnimation::slidingIconIsPaintedBetweenSegments()
{
    ColouredIcon red(Qt::red);
    ColouredIcon blue(Qt::blue);
    QList<NavigationIcon> icons = plainIcons(7);
    icons[1] = NavigationIcon(Utilities::IconRenderer(&blue.container, {}), QStringLiteral("Blue"), 201);
    icons[2] = NavigationIcon(Utilities::IconRenderer(&red.container, {}), QStringLiteral("Red"), 200);
    QGraphicsScene scene;
    auto* carousel = createCarousel().release();
    scene.addItem(carousel);
    carousel->setIcons(icons, true);

    QGraphicsSceneMouseEvent hold(QEvent::GraphicsSceneMousePress);
    hold.setScenePos(carousel->getSegmentCenter(1));
    carousel->handleMousePressAndHold(&hold);
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setScenePos(carousel->getSegmentCenter(2));
    carousel->handleMousePressAndMove(carousel->getSegmentCenter(1), &move, nullptr);
    QCOMPARE(carousel->animationMode(), 2);
    for (int tick = 0; tick < 5; ++tick)
        QMetaObject::invokeMethod(carousel->dragAnimation(), "onTimerTick");

    const QList<double> p = carousel->iconsAnimation()->cachedPercentages();
    const double t = QEasingCurve(QEasingCurve::OutSine).valueForProgress(0.5);
    const QPointF expected = carousel->iconsAnimation()->cachedPath().pointAtPercent((p.at(1) - p.at(2)) * t + p.at(2));
    const QImage image = paintCarousel(*carousel);
    QVERIFY(near(centreOf(image, Qt::red), expected, 1.0));
    QVERIFY(centreOf(image, Qt::blue).isNull());
}

void tst_NavigationControlAnimation::paintsNothingWhenIdle()
{
    ColouredIcon red(Qt::red);
    QList<NavigationIcon> icons = plainIcons(7);
    icons[1] = NavigationIcon(Utilities::IconRenderer(&red.container, {}), QStringLiteral("Red"), 200);
    const auto carousel = createCarousel();
    carousel->setIcons(icons, true);
    QVERIFY(centreOf(paintCarousel(*carousel), Qt::red).isNull());
}

QTEST_MAIN(tst_NavigationControlAnimation)
#include "tst_navigationcontrolanimation.moc"
