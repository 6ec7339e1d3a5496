// The carousel: icons on segments, the list exchange, selection, turning by
// keys, wheel, buttons, finger and swipe, lifting and dropping icons, the
// command rings, and the guards of an empty or short list.

#include "commandcontrol/CommandControl.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "gestures/EventConsumer.h"
#include "label/Label.h"
#include "models/NavigationIcon.h"
#include "navigation/CursorWidget.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationControlAnimation.h"
#include "navigation/NavigationDragIconAnimation.h"
#include "navigation/NavigationLabels.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "LogCapture.h"

#include "SceneTestHelpers.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using Models::NavigationIcon;

namespace {

using SceneTestHelpers::mouseEvent;
using SceneTestHelpers::useTheme;

const int FIRST_ID = 100;
// Far outside the gadget.
const QPointF OUTSIDE(400, 400);

QList<NavigationIcon> icons(int count)
{
    QList<NavigationIcon> list;
    for (int i = 0; i < count; ++i) {
        NavigationIcon icon(ThemeProvider::LIGHTS_SYSTEM, QStringLiteral("Light %1").arg(i), FIRST_ID + i);
        icon.setText(QStringLiteral("I%1").arg(i));
        list << icon;
    }
    return list;
}

// The carousel in a scene at the origin: scene and item coordinates agree.
struct Carousel
{
    Carousel()
        : control(new NavigationControl(ThemeProvider::getRendererFor(ThemeProvider::NAVIGATION)))
    {
        scene.addItem(control);
    }

    NavigationControl* operator->() const { return control; }

    QGraphicsScene scene;
    NavigationControl* control;
};

QStringList segmentTexts(const NavigationControl& carousel)
{
    QStringList texts;
    for (SvgContentButton* segment : carousel.segments())
        texts << segment->text();
    return texts;
}

QList<int> segmentStates(const NavigationControl& carousel)
{
    QList<int> states;
    for (SvgContentButton* segment : carousel.segments())
        states << segment->state();
    return states;
}

QList<int> iconIds(const NavigationControl& carousel)
{
    QList<int> ids;
    for (const NavigationIcon& icon : carousel.icons())
        ids << icon.id();
    return ids;
}

QPropertyAnimation* propertyAnimation(const NavigationControl& carousel, const QByteArray& property)
{
    for (QPropertyAnimation* animation : carousel.findChildren<QPropertyAnimation*>()) {
        if (animation->propertyName() == property)
            return animation;
    }
    return nullptr;
}

void finish(QPropertyAnimation* animation)
{
    animation->setCurrentTime(animation->duration());
}

void finishRotation(NavigationControl& carousel)
{
    carousel.iconsAnimation()->onValueChanged(1.0);
}

// A point that hits the button: the centre of its hit pixels.
QPointF hitPoint(SvgButton* button)
{
    const QRectF area = button->sceneBoundingRect();
    QPointF sum;
    int count = 0;
    for (qreal y = area.top(); y < area.bottom(); y += 2) {
        for (qreal x = area.left(); x < area.right(); x += 2) {
            if (button->hitTest(QPointF(x, y))) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    return count ? sum / count : QPointF();
}

void pressAndHold(NavigationControl& carousel, const QPointF& scenePos)
{
    const auto event = mouseEvent(QEvent::GraphicsSceneMousePress, scenePos);
    carousel.handleMousePressAndHold(event.get());
}

void pressAndMove(NavigationControl& carousel, const QPointF& start, const QPointF& current)
{
    const auto event = mouseEvent(QEvent::GraphicsSceneMouseMove, current);
    carousel.handleMousePressAndMove(start, event.get(), nullptr);
}

void release(NavigationControl& carousel, const QPointF& scenePos)
{
    const auto event = mouseEvent(QEvent::GraphicsSceneMouseRelease, scenePos);
    event->setLastScenePos(scenePos);
    carousel.handleMouseRelease(event.get(), nullptr);
}

// A release as the scene window builds it: the press point as its position,
// the release point as its last position.
void releaseAfterPress(NavigationControl& carousel, const QPointF& pressPos, const QPointF& releasePos)
{
    const auto event = mouseEvent(QEvent::GraphicsSceneMouseRelease, pressPos);
    event->setLastScenePos(releasePos);
    carousel.handleMouseRelease(event.get(), nullptr);
}

void playDragSlides(NavigationControl& carousel)
{
    const int ticks = NavigationDragIconAnimation::SLIDE_DURATION_MS / NavigationDragIconAnimation::TICK_INTERVAL_MS;
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(carousel.dragAnimation(), "onTimerTick");
}

std::unique_ptr<CommandControl> createRing(const QString& rendererName)
{
    return std::make_unique<CommandControl>(ThemeProvider::getRendererFor(rendererName), QPointF(), nullptr);
}

} // namespace

class tst_NavigationControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useTheme(QStringLiteral(":/CorvaneTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void buildsFromTheTheme_data();
    void buildsFromTheTheme();
    void missingSegmentNumberIsSkipped();
    void iconsOnSegments_data();
    void iconsOnSegments();
    void shortListDisablesArrowsAndEmptySegments();
    void updateIconReplacesById();
    void fadedListExchange();
    void updateIconReachesFadingList();
    void stateUpdateKeepsALabelBeingEdited();
    void immediateListOutdatesFadingList();
    void iconOfFadingListSelectedAfterFade();
    void setSelectedIconSelectsShownIcon();
    void setSelectedIconTurnsHiddenIconIntoView_data();
    void setSelectedIconTurnsHiddenIconIntoView();
    void keysSelectAndTurn();
    void keysPassTheGap_data();
    void keysPassTheGap();
    void gapTakesNoClickAndNoSelection();
    void wheelStepsLikeKeys_data();
    void wheelStepsLikeKeys();
    void repeatedNextExtendsRotation();
    void previousKeepsSelectionAtEdge();
    void fingerTurnsAndSnaps();
    void gestureKeepsASelection_data();
    void gestureKeepsASelection();
    void swipeTurnsAlongRingOnly_data();
    void swipeTurnsAlongRingOnly();
    void liftAndDropReorders();
    void liftedIconIsAFifthLarger_data();
    void liftedIconIsAFifthLarger();
    void liftedIconDrawsAsItsViewDoes_data();
    void liftedIconDrawsAsItsViewDoes();
    void dropOutsideAsksForShortcut();
    void dropDecidesByTheReleasePoint_data();
    void dropDecidesByTheReleasePoint();
    void liftedIconOverNextTurnsList();
    void liftedIconPassesTheGap_data();
    void liftedIconPassesTheGap();
    void forbiddenCursorWhenShortcutRefused_data();
    void forbiddenCursorWhenShortcutRefused();
    void centerButtonDragMovesGadget();
    void holdOnCenterShowsMoveVisual_data();
    void holdOnCenterShowsMoveVisual();
    void labelsKeepTheirFadeThroughAMove_data();
    void labelsKeepTheirFadeThroughAMove();
    void resizeButtonDragIsReported();
    void ring1OpensAndCloses();
    void ringBoundsAreTheThemesPlaceholders();
    void ring1ReopensFromHalfWay();
    void ring2RefusedWithoutRing1();
    void closingRing1ClosesRing2();
    void themeChangeKeepsTheSegmentsLook_data();
    void themeChangeKeepsTheSegmentsLook();
    void cacheUpdateLaysOpenRingOut();
    void destructorLeavesRingsToTheirOwners();
    void clicksAreReported_data();
    void clicksAreReported();
    void segmentClickReportsIcon();
    void backButtonAndFullScreen();
    void floatingButtonsFadeWithHover();
    void labelsFadeOutSlowerThanIn();
    void additionalControlsOpacity_data();
    void additionalControlsOpacity();
    void centralContent();

    // Faults built soundly.
    void listReplacementDropsPendingIcon();
    void shortListStartsAtFirstIcon();
    void emptyCarouselIgnoresSteps();
    void themeWithoutSegments();
    void themeChangeMovesRingPlacesAndHotspot();
    void themeChangeMovesFloatingButtonsWithTheOpenRings_data();
    void themeChangeMovesFloatingButtonsWithTheOpenRings();
};

void tst_NavigationControl::buildsFromTheTheme_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Corvane") << QStringLiteral(":/CorvaneTheme");
    QTest::newRow("Talvera") << QStringLiteral(":/TalveraTheme");
}

void tst_NavigationControl::buildsFromTheTheme()
{
    QFETCH(QString, theme);
    useTheme(theme);
    Carousel carousel;
    QCOMPARE(carousel->segments().size(), 5);
    QCOMPARE(carousel->expandIndicators().size(), 5);
    QCOMPARE(carousel->labels()->count(), 5);
    QCOMPARE(carousel->boundingRect(), QRectF(0, 0, 320, 320));
    QCOMPARE(carousel->hotspot(), carousel->boundsOnElement(QStringLiteral("hotspot")).center());
    for (int s = 0; s < 5; ++s) {
        SvgContentButton* segment = carousel->segments().at(s);
        QCOMPARE(segment->baseId(), QStringLiteral("segment_%1").arg(s + 1));
        QCOMPARE(segment->controlId(), QString("segment"));
        QVERIFY(!carousel->expandIndicators().at(s)->isVisible());
        QVERIFY(carousel->childControls().contains(segment));
    }
    QCOMPARE(carousel->centerButton()->controlId(), QString("move"));
    QCOMPARE(carousel->previousButton()->controlId(), QString("previous"));
    QVERIFY(carousel->childControls().contains(carousel->labels()));
    QCOMPARE(carousel->floatingIconsOpacity(), 0.0);
    QCOMPARE(carousel->infoButton()->opacity(), 0.0);
    QCOMPARE(carousel->segmentIconsOpacity(), 1.0);
    QVERIFY(carousel->homeButton()->isVisible());
    QVERIFY(!carousel->homeSplitButton()->isVisible());
    QVERIFY(!carousel->backSplitButton()->isVisible());
    QVERIFY(!carousel->moveIndicator()->isVisible());
    QVERIFY(!carousel->hasSelectedIcon());
    useTheme(QStringLiteral(":/CorvaneTheme"));
}

void tst_NavigationControl::missingSegmentNumberIsSkipped()
{
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='401' height='101'>";
    for (int k : {1, 2, 4})
        svg += QStringLiteral("<rect id='segment_%1_mask' x='%2' y='0' width='90' height='90'/>")
                   .arg(k).arg(100 * (k - 1)).toUtf8();
    for (int k : {1, 2, 3})
        svg += QStringLiteral("<rect id='segment_%1_content_placeholder' x='%2' y='20' width='40' height='40'/>")
                   .arg(k).arg(100 * (k - 1) + 20).toUtf8();
    svg += "</svg>";
    QSvgRenderer renderer(svg);
    Utilities::RendererContainer container(&renderer, QStringLiteral("navigation"));
    NavigationControl carousel(&container);

    QCOMPARE(carousel.segments().size(), 3);
    QCOMPARE(carousel.segments().at(2)->baseId(), QString("segment_4"));
    for (int s = 0; s < 3; ++s)
        QCOMPARE(carousel.getSegmentCenter(s), QPointF(100 * s + 40, 40));
    QCOMPARE(carousel.getSegmentCenter(3), QPointF(0, 0));
    // Without a "hotspot" element the hot spot is the middle of the drawing,
    // in whole pixels.
    QCOMPARE(carousel.hotspot(), QPointF(200, 50));
}

void tst_NavigationControl::iconsOnSegments_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("gapSegment");
    QTest::newRow("first 0") << 0 << QStringList{"I0", "I1", "I2", "I3", "I4"}
                             << QStringList{"Light 0", "Light 1", "Light 2", "Light 3", "Light 4"} << -1;
    QTest::newRow("first 6, gap in segment 1") << 6 << QStringList{"I6", "", "I0", "I1", "I2"}
                                               << QStringList{"Light 6", "", "Light 0", "Light 1", "Light 2"} << 1;
    QTest::newRow("first 14 wraps to 6") << 14 << QStringList{"I6", "", "I0", "I1", "I2"}
                                         << QStringList{"Light 6", "", "Light 0", "Light 1", "Light 2"} << 1;
    QTest::newRow("first -2 wraps to 6") << -2 << QStringList{"I6", "", "I0", "I1", "I2"}
                                         << QStringList{"Light 6", "", "Light 0", "Light 1", "Light 2"} << 1;
}

void tst_NavigationControl::iconsOnSegments()
{
    QFETCH(int, first);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, labels);
    QFETCH(int, gapSegment);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QCOMPARE(carousel->icons().size(), 8);
    QVERIFY(carousel->icons().last().isEmpty());
    QCOMPARE(carousel->previousButton()->state(), SvgButton::Normal);
    QCOMPARE(carousel->nextButton()->state(), SvgButton::Normal);

    carousel->setFirstIconIndex(first);
    first = (first + 8) % 8;
    QCOMPARE(carousel->firstIconIndex(), first);
    QCOMPARE(segmentTexts(*carousel.control), texts);
    QStringList labelTexts;
    for (int s = 0; s < 5; ++s)
        labelTexts << carousel->labels()->textAt(s);
    QCOMPARE(labelTexts, labels);
    // The gap's segment takes no click.
    QList<int> states(5, SvgButton::Normal);
    if (gapSegment >= 0)
        states[gapSegment] = SvgButton::Disabled;
    QCOMPARE(segmentStates(*carousel.control), states);
    QCOMPARE(carousel->getIconIndexBySegment(2), (first + 2) % 8);
    QCOMPARE(carousel->getSegmentIndexByIcon((first + 3) % 8), 3);
    QCOMPARE(carousel->getSegmentIndexByIcon((first + 5) % 8), -1);
    QCOMPARE(carousel->getSegmentIndexByIcon(8), -1);
    QCOMPARE(carousel->iconAtPosition(carousel->getSegmentCenter(4).toPoint()).id(),
             carousel->icons().at((first + 4) % 8).id());
    QVERIFY(carousel->iconAtPosition(QPoint(160, 40)).isEmpty());
}

void tst_NavigationControl::shortListDisablesArrowsAndEmptySegments()
{
    Carousel carousel;
    carousel->setIcons(icons(3), true);
    QCOMPARE(carousel->icons().size(), 3);
    QCOMPARE(carousel->previousButton()->state(), SvgButton::Disabled);
    QCOMPARE(carousel->nextButton()->state(), SvgButton::Disabled);
    QCOMPARE(segmentStates(*carousel.control),
             QList<int>({SvgButton::Normal, SvgButton::Normal, SvgButton::Normal, SvgButton::Disabled,
                         SvgButton::Disabled}));
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I0", "I1", "I2", "", ""}));
    QVERIFY(!carousel->labels()->labelAt(3)->isVisible());
    QCOMPARE(carousel->getIconIndexBySegment(3), -1);

    carousel->onElementClick(carousel->nextButton());
    QVERIFY(!carousel->isAnimating());
    QVERIFY(!carousel->iconsAnimation()->isRunning());
    QCOMPARE(carousel->firstIconIndex(), 0);
}

void tst_NavigationControl::updateIconReplacesById()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    NavigationIcon changed = icons(7).at(2);
    changed.setText(QStringLiteral("On"));
    changed.setTooltip(QStringLiteral("Kitchen"));
    changed.setWillExpand(true);
    carousel->updateIcon(changed);
    QCOMPARE(carousel->icons().at(2).text(), QString("On"));
    QCOMPARE(carousel->segments().at(2)->text(), QString("On"));
    QCOMPARE(carousel->labels()->textAt(2), QString("Kitchen"));
    QVERIFY(carousel->expandIndicators().at(2)->isVisible());

    NavigationIcon stranger(ThemeProvider::SHUTTER, QStringLiteral("Elsewhere"), 999);
    carousel->updateIcon(stranger);
    QCOMPARE(iconIds(*carousel.control).count(999), 0);
}

void tst_NavigationControl::fadedListExchange()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(3);
    QList<NavigationIcon> next;
    for (int i = 0; i < 6; ++i)
        next << NavigationIcon(ThemeProvider::SHUTTER, QStringLiteral("Shutter %1").arg(i), 300 + i);
    carousel->setIcons(next, false);

    QPropertyAnimation* fade = propertyAnimation(*carousel.control, "segmentIconsOpacity");
    QVERIFY(fade);
    QCOMPARE(fade->state(), QAbstractAnimation::Running);
    QCOMPARE(fade->endValue().toReal(), 0.0);
    QCOMPARE(carousel->icons().first().id(), FIRST_ID);

    fade->setCurrentTime(150);
    QCOMPARE(carousel->segmentIconsOpacity(), 0.5);
    QCOMPARE(carousel->segments().first()->opacity(), 0.5);
    QCOMPARE(carousel->icons().first().id(), FIRST_ID);

    finish(fade);
    QCOMPARE(iconIds(*carousel.control), QList<int>({300, 301, 302, 303, 304, 305, 0}));
    QCOMPARE(carousel->firstIconIndex(), 0);
    QCOMPARE(carousel->labels()->textAt(0), QString("Shutter 0"));
    QCOMPARE(fade->state(), QAbstractAnimation::Running);
    QCOMPARE(fade->endValue().toReal(), 1.0);
    QCOMPARE(fade->duration(), 300);
    QCOMPARE(fade->easingCurve().type(), QEasingCurve::InCubic);
    finish(fade);
    QCOMPARE(carousel->segmentIconsOpacity(), 1.0);
}

void tst_NavigationControl::updateIconReachesFadingList()
{
    Carousel carousel;
    carousel->setIcons(icons(3), true);
    QList<NavigationIcon> next = icons(4);
    carousel->setIcons(next, false);
    NavigationIcon changed = next.at(3);
    changed.setState(NavigationIcon::Active);
    changed.setText(QStringLiteral("Open"));
    carousel->updateIcon(changed);

    finish(propertyAnimation(*carousel.control, "segmentIconsOpacity"));
    QCOMPARE(carousel->icons().at(3).state(), NavigationIcon::Active);
    QCOMPARE(carousel->segments().at(3)->text(), QString("Open"));
    QCOMPARE(carousel->segments().at(3)->iconElement(), QString("active"));
}

// A device's state changes while the user renames it: the new state shows,
// the rename goes on.
void tst_NavigationControl::stateUpdateKeepsALabelBeingEdited()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->labels()->setCanEditLabels(true);
    Label* label = carousel->labels()->labelAt(2);
    label->setIsInEditMode(true);
    QVERIFY(label->isInEditMode());
    const QStringList texts = segmentTexts(*carousel.control);
    NavigationIcon changed = carousel->icons().at(2);
    changed.setState(NavigationIcon::Active);
    carousel->updateIcon(changed);
    QCOMPARE(carousel->segments().at(2)->iconElement(), QString("active"));
    QVERIFY(label->isInEditMode());
    QCOMPARE(segmentTexts(*carousel.control), texts);
}

// A list set at once is newer than the one waiting for the fade-out: the
// fade stops and never brings the older list in.
void tst_NavigationControl::immediateListOutdatesFadingList()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QList<NavigationIcon> fading;
    for (int i = 0; i < 6; ++i)
        fading << NavigationIcon(ThemeProvider::SHUTTER, QStringLiteral("Shutter %1").arg(i), 300 + i);
    carousel->setIcons(fading, false);
    QPropertyAnimation* fade = propertyAnimation(*carousel.control, "segmentIconsOpacity");
    fade->setCurrentTime(150);

    carousel->setIcons(icons(3), true);
    QCOMPARE(fade->state(), QAbstractAnimation::Stopped);
    QCOMPARE(carousel->segmentIconsOpacity(), 1.0);
    QCOMPARE(carousel->segments().first()->opacity(), 1.0);
    QTest::qWait(fade->duration() + 100);
    QCOMPARE(iconIds(*carousel.control), QList<int>({100, 101, 102}));
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I0", "I1", "I2", "", ""}));
}

// An icon of the list waiting for the fade is selected once that list has
// faded in.
void tst_NavigationControl::iconOfFadingListSelectedAfterFade()
{
    Carousel carousel;
    carousel->setPreserveSelection(true);
    carousel->setIcons(icons(7), true);
    QList<NavigationIcon> next;
    for (int i = 0; i < 6; ++i)
        next << NavigationIcon(ThemeProvider::SHUTTER, QStringLiteral("Shutter %1").arg(i), 300 + i);
    carousel->setIcons(next, false);
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);

    QVERIFY(carousel->setSelectedIcon(next.at(2), true));
    QCOMPARE(carousel->pendingIconIndex(), 2);
    QVERIFY(!carousel->isAnimating());
    QPropertyAnimation* fade = propertyAnimation(*carousel.control, "segmentIconsOpacity");
    finish(fade);
    QCOMPARE(clicked.size(), 0);
    finish(fade);

    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), 302);
    QCOMPARE(clicked.first().at(1).toInt(), 2);
    QVERIFY(clicked.first().at(2).toBool());
    QCOMPARE(carousel->selectedSegmentIndex(), 2);
    QCOMPARE(carousel->segments().at(2)->state(), SvgButton::Pressed);
    QCOMPARE(carousel->pendingIconIndex(), -1);
}

void tst_NavigationControl::setSelectedIconSelectsShownIcon()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QVERIFY(carousel->setSelectedIcon(icons(7).at(3), false));
    QCOMPARE(carousel->selectedSegmentIndex(), 3);
    QCOMPARE(carousel->selectedIconIndex(), 3);
    QCOMPARE(carousel->segments().at(3)->state(), SvgButton::Pressed);
    QCOMPARE(carousel->segments().at(2)->state(), SvgButton::Normal);

    QVERIFY(!carousel->setSelectedIcon(icons(7).at(6), false));
    QVERIFY(!carousel->isAnimating());
    QCOMPARE(carousel->selectedSegmentIndex(), 3);

    carousel->clearSelectedIcon();
    QVERIFY(!carousel->hasSelectedIcon());
    QCOMPARE(carousel->selectedIconIndex(), -1);
    QCOMPARE(carousel->segments().at(3)->state(), SvgButton::Normal);
}

void tst_NavigationControl::setSelectedIconTurnsHiddenIconIntoView_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<double>("startValue");
    QTest::addColumn<double>("endValue");
    QTest::addColumn<int>("segment");
    // Ten icons and the gap: 7 is nearer at the end of the window, 9 at its start.
    QTest::newRow("arrives in the last segment") << 7 << 0.0 << 3.0 << 4;
    QTest::newRow("arrives in segment 0") << 9 << 11.0 << 9.0 << 0;
}

void tst_NavigationControl::setSelectedIconTurnsHiddenIconIntoView()
{
    QFETCH(int, icon);
    QFETCH(double, startValue);
    QFETCH(double, endValue);
    QFETCH(int, segment);
    Carousel carousel;
    carousel->setPreserveSelection(true);
    carousel->setIcons(icons(10), true);
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);

    QVERIFY(carousel->setSelectedIcon(icons(10).at(icon), true));
    QCOMPARE(carousel->pendingIconIndex(), icon);
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QCOMPARE(animation->startValue(), startValue);
    QCOMPARE(animation->endValue(), endValue);
    QCOMPARE(animation->timeLine()->duration(), 500);
    QCOMPARE(animation->easingType(), QEasingCurve::OutSine);

    finishRotation(*carousel.control);
    QCOMPARE(carousel->firstIconIndex(), int(endValue));
    QCOMPARE(carousel->selectedSegmentIndex(), segment);
    QCOMPARE(carousel->pendingIconIndex(), -1);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), FIRST_ID + icon);
    QCOMPARE(clicked.first().at(1).toInt(), segment);
    QCOMPARE(clicked.first().at(2).toBool(), true);
}

void tst_NavigationControl::keysSelectAndTurn()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(6);
    // I6, the gap, I0, I1, I2: the last segment before the end of the list
    // is the gap's, so the one before it is selected.
    carousel->goAndRotatePrevious();
    QCOMPARE(carousel->selectedSegmentIndex(), 0);

    carousel->clearSelectedIcon();
    carousel->goAndRotateNext();
    QCOMPARE(carousel->selectedSegmentIndex(), 0);
    carousel->goAndRotateNext();
    QCOMPARE(carousel->selectedSegmentIndex(), 2);
    QCOMPARE(carousel->segments().at(2)->state(), SvgButton::Pressed);
    QCOMPARE(carousel->segments().at(1)->state(), SvgButton::Disabled);
    QCOMPARE(carousel->segments().at(0)->state(), SvgButton::Normal);

    carousel->goAndRotatePrevious();
    carousel->goAndRotatePrevious();
    QCOMPARE(carousel->selectedSegmentIndex(), 0);
    QVERIFY(carousel->isAnimating());
    QCOMPARE(carousel->iconsAnimation()->endValue(), 5.0);
    finishRotation(*carousel.control);
    QCOMPARE(carousel->firstIconIndex(), 5);

    for (int s = 0; s < 3; ++s)
        carousel->goAndRotateNext();
    QCOMPARE(carousel->selectedSegmentIndex(), 4);
    carousel->goAndRotateNext();
    QCOMPARE(carousel->iconsAnimation()->endValue(), 6.0);
    finishRotation(*carousel.control);
    QCOMPARE(carousel->firstIconIndex(), 6);
    QCOMPARE(carousel->selectedSegmentIndex(), 4);
}

void tst_NavigationControl::keysPassTheGap_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("segment");
    QTest::addColumn<int>("firstAfter");
    // Gap in segment 0, nothing selected.
    QTest::newRow("next selects after the gap") << 7 << -1 << true << 1 << 7;
    QTest::newRow("previous selects the last segment") << 7 << -1 << false << 4 << 7;
    // I6, the gap, I0, I1, I2.
    QTest::newRow("next over the gap") << 6 << 0 << true << 2 << 6;
    QTest::newRow("previous over the gap") << 6 << 2 << false << 0 << 6;
    // I3, I4, I5, I6, the gap: the list turns past the gap.
    QTest::newRow("next onto the gap at the edge") << 3 << 3 << true << 3 << 5;
    // I2 .. I6: the gap would turn in under the selection.
    QTest::newRow("next turns the gap past the edge") << 2 << 4 << true << 4 << 4;
    // I0 .. I4.
    QTest::newRow("previous turns the gap past the edge") << 0 << 0 << false << 0 << 6;
    // The gap, I0 .. I3.
    QTest::newRow("previous onto the gap at the edge") << 7 << 1 << false << 1 << 5;
}

// The arrow keys move the selection from icon to icon: the gap between the
// end and the start of the list is never selected, not even for a moment.
void tst_NavigationControl::keysPassTheGap()
{
    QFETCH(int, first);
    QFETCH(int, selected);
    QFETCH(bool, next);
    QFETCH(int, segment);
    QFETCH(int, firstAfter);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(first);
    if (selected >= 0)
        QVERIFY(carousel->setSelectedIcon(carousel->icons().at(carousel->getIconIndexBySegment(selected)), false));

    if (next)
        carousel->goAndRotateNext();
    else
        carousel->goAndRotatePrevious();
    QCOMPARE(carousel->selectedSegmentIndex(), segment);
    if (carousel->isAnimating())
        finishRotation(*carousel.control);
    QCOMPARE(carousel->firstIconIndex(), firstAfter);
    QCOMPARE(carousel->selectedSegmentIndex(), segment);
    QVERIFY(!carousel->icons().at(carousel->selectedIconIndex()).isEmpty());
    QCOMPARE(carousel->segments().at(segment)->state(), SvgButton::Pressed);
}

void tst_NavigationControl::gapTakesNoClickAndNoSelection()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(6);
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);
    const auto clickAt = [&carousel](int segment) {
        Gestures::EventConsumer consumer;
        const QPointF point = carousel->getSegmentCenter(segment);
        const auto press = mouseEvent(QEvent::GraphicsSceneMousePress, point);
        carousel->handleMousePress(press.get(), consumer);
        const auto click = mouseEvent(QEvent::GraphicsSceneMouseRelease, point);
        carousel->handleMouseClick(click.get());
        const auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, point);
        release->setLastScenePos(point);
        carousel->handleMouseRelease(release.get(), consumer.consumer());
    };

    clickAt(1);
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(carousel->segments().at(1)->state(), SvgButton::Disabled);
    carousel->onElementClick(carousel->segments().at(1));
    QCOMPARE(clicked.size(), 0);
    QVERIFY(!carousel->setSelectedIcon(carousel->icons().last(), false));
    QVERIFY(!carousel->hasSelectedIcon());

    clickAt(2);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), FIRST_ID);
    QCOMPARE(clicked.first().at(1).toInt(), 2);

    // Turned out of segment 1, the gap leaves it to the icon now there.
    carousel->setFirstIconIndex(5);
    QCOMPARE(carousel->segments().at(1)->state(), SvgButton::Normal);
    QCOMPARE(carousel->segments().at(2)->state(), SvgButton::Disabled);
}

void tst_NavigationControl::wheelStepsLikeKeys_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("segment");
    QTest::newRow("down steps back") << -120 << 4;
    QTest::newRow("up steps on") << 120 << 0;
}

void tst_NavigationControl::wheelStepsLikeKeys()
{
    QFETCH(int, delta);
    QFETCH(int, segment);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    wheel.setScenePos(carousel->getSegmentCenter(2));
    wheel.setDelta(delta);
    carousel->handleMouseWheel(&wheel);
    QCOMPARE(carousel->selectedSegmentIndex(), segment);
}

void tst_NavigationControl::repeatedNextExtendsRotation()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->onElementClick(carousel->nextButton());
    QCOMPARE(carousel->iconsAnimation()->startValue(), 8.0);
    QCOMPARE(carousel->iconsAnimation()->endValue(), 7.0);
    carousel->onElementClick(carousel->nextButton());
    QCOMPARE(carousel->iconsAnimation()->startValue(), 8.0);
    QCOMPARE(carousel->iconsAnimation()->endValue(), 6.0);

    carousel->iconsAnimation()->timeLine()->setCurrentTime(500);
    QCOMPARE(carousel->firstIconIndex(), 6);
    QVERIFY(!carousel->isAnimating());
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I6", "", "I0", "I1", "I2"}));
}

// The selected icon sits in segment 0; after "previous" the icon that moved
// into segment 0 is selected, the gap skipped.
void tst_NavigationControl::previousKeepsSelectionAtEdge()
{
    Carousel carousel;
    carousel->setPreserveSelection(true);
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(6);
    QVERIFY(carousel->setSelectedIcon(icons(7).at(6), false));
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);

    carousel->onElementClick(carousel->previousButton());
    QVERIFY(!carousel->hasSelectedIcon());
    QCOMPARE(carousel->pendingIconIndex(), 0);
    finishRotation(*carousel.control);
    QCOMPARE(carousel->firstIconIndex(), 7);
    QCOMPARE(carousel->selectedSegmentIndex(), 1);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), FIRST_ID);
    QVERIFY(clicked.first().at(2).toBool());
}

// Eight entries, first index 0: from the middle of segment 1 to the middle of
// segment 3 along the path gives -2 + 8 = 6; the release snaps there.
void tst_NavigationControl::fingerTurnsAndSnaps()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    pressAndMove(*carousel.control, carousel->getSegmentCenter(1), carousel->getSegmentCenter(3));
    QVERIFY(carousel->isAnimating());
    QCOMPARE(carousel->animationMode(), 1);
    QVERIFY(qAbs(carousel->firstIconCustomIndex() - 6.0) < 0.05);
    QCOMPARE(carousel->firstIconIndex(), 0);
    QVERIFY(!carousel->segments().first()->showIcon());

    const auto end = mouseEvent(QEvent::GraphicsSceneMouseRelease, carousel->getSegmentCenter(3));
    carousel->handleEndPressAndMove(end.get());
    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QCOMPARE(animation->endValue(), 6.0);
    QCOMPARE(animation->timeLine()->duration(), 400);
    QCOMPARE(animation->easingType(), QEasingCurve::OutSine);
    animation->timeLine()->setCurrentTime(400);
    QCOMPARE(carousel->firstIconIndex(), 6);
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I6", "", "I0", "I1", "I2"}));
}

void tst_NavigationControl::gestureKeepsASelection_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("selectedIcon");
    QTest::addColumn<int>("fromSegment");
    QTest::addColumn<int>("toSegment");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("segment");
    // Eight entries; the finger turns by -2 from segment 1 to 3 and by +3
    // from segment 4 to 1.
    QTest::newRow("selected icon still shown") << 0 << 0 << 1 << 3 << 0 << 2;
    QTest::newRow("left at the end: last segment takes over") << 0 << 4 << 1 << 3 << 2 << 4;
    QTest::newRow("left at the end: gap skipped") << 5 << 1 << 1 << 3 << 6 << 3;
    QTest::newRow("left at the start: segment 0 takes over") << 0 << 1 << 4 << 1 << 3 << 0;
}

// A finger turning the selected icon out of view hands the selection to the
// icon at the edge the selected one left by.
void tst_NavigationControl::gestureKeepsASelection()
{
    QFETCH(int, first);
    QFETCH(int, selectedIcon);
    QFETCH(int, fromSegment);
    QFETCH(int, toSegment);
    QFETCH(int, icon);
    QFETCH(int, segment);
    Carousel carousel;
    carousel->setPreserveSelection(true);
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(first);
    QVERIFY(carousel->setSelectedIcon(icons(7).at(selectedIcon), false));
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);

    pressAndMove(*carousel.control, carousel->getSegmentCenter(fromSegment), carousel->getSegmentCenter(toSegment));
    QVERIFY(!carousel->hasSelectedIcon());
    QCOMPARE(carousel->pendingIconIndex(), selectedIcon);
    const auto end = mouseEvent(QEvent::GraphicsSceneMouseRelease, carousel->getSegmentCenter(toSegment));
    carousel->handleEndPressAndMove(end.get());
    if (carousel->isAnimating())
        finishRotation(*carousel.control);

    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), FIRST_ID + icon);
    QCOMPARE(clicked.first().at(1).toInt(), segment);
    QVERIFY(clicked.first().at(2).toBool());
    QCOMPARE(carousel->selectedSegmentIndex(), segment);
    QCOMPARE(carousel->pendingIconIndex(), -1);
}

void tst_NavigationControl::swipeTurnsAlongRingOnly_data()
{
    QTest::addColumn<qreal>("angle");
    QTest::addColumn<int>("steps");
    QTest::newRow("along the ring") << 0.0 << 5;
    QTest::newRow("across the ring") << 90.0 << 0;
}

// At the bottom of the ring (segment 3) the path runs horizontally.
void tst_NavigationControl::swipeTurnsAlongRingOnly()
{
    QFETCH(qreal, angle);
    QFETCH(int, steps);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    const QPointF bottom = carousel->getSegmentCenter(2);
    const auto event = mouseEvent(QEvent::GraphicsSceneMouseRelease, bottom);
    event->setLastScenePos(bottom - QPointF(10, 0));
    carousel->handleSwipe(angle, 200, carousel->getSegmentCenter(1).toPoint(), event.get());

    NavigationControlAnimation* animation = carousel->iconsAnimation();
    QCOMPARE(qAbs(animation->endValue() - animation->startValue()), double(steps));
    if (steps > 0) {
        QCOMPARE(animation->timeLine()->duration(), 500);
        QCOMPARE(animation->easingType(), QEasingCurve::OutCubic);
    }
}

void tst_NavigationControl::liftAndDropReorders()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QList<int> asked;
    connect(carousel.control, &NavigationControl::requestAllowedShortcut, carousel.control,
            [&asked](const NavigationIcon& icon, bool&) { asked << icon.id(); });
    QSignalSpy reordered(carousel.control, &NavigationControl::iconsReordered);
    QSignalSpy shortcut(carousel.control, &NavigationControl::requestShortcut);

    pressAndHold(*carousel.control, carousel->getSegmentCenter(1));
    QVERIFY(carousel->isDraggingIcon());
    QCOMPARE(carousel->dragSegment(), 1);
    QVERIFY(!carousel->segments().at(1)->showIcon());
    QVERIFY(carousel->dragCursor());
    QVERIFY(carousel->dragCursor()->isVisible());
    QCOMPARE(asked, QList<int>({FIRST_ID + 1}));

    pressAndMove(*carousel.control, carousel->getSegmentCenter(1), carousel->getSegmentCenter(3));
    QCOMPARE(carousel->dragSegment(), 3);
    QCOMPARE(carousel->animationMode(), 2);
    QCOMPARE(carousel->dragAnimation()->iconsCount(), 2);
    playDragSlides(*carousel.control);
    QCOMPARE(carousel->dragAnimation()->iconsCount(), 0);
    QCOMPARE(iconIds(*carousel.control), QList<int>({100, 102, 103, 101, 104, 105, 106, 0}));
    QCOMPARE(carousel->labels()->textAt(1), QString("Light 2"));

    release(*carousel.control, carousel->getSegmentCenter(3));
    QVERIFY(!carousel->isDraggingIcon());
    QVERIFY(!carousel->dragCursor());
    QCOMPARE(reordered.size(), 2);
    QCOMPARE(shortcut.size(), 0);
    QCOMPARE(carousel->animationMode(), 0);
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I0", "I2", "I3", "I1", "I4"}));
    for (SvgContentButton* segment : carousel->segments())
        QVERIFY(segment->showIcon());
}

void tst_NavigationControl::liftedIconIsAFifthLarger_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("withText");
    QTest::newRow("icon, scale 1") << 1.0 << false;
    QTest::newRow("icon, scale 1.5") << 1.5 << false;
    QTest::newRow("icon and text, scale 1") << 1.0 << true;
}

void tst_NavigationControl::liftedIconDrawsAsItsViewDoes_data()
{
    QTest::addColumn<bool>("opaqueOnly");
    QTest::newRow("desktop blends") << false;
    QTest::newRow("opaque only") << true;
}

// The faded lifted icon shows see-through only where the view showing the
// carousel blends; elsewhere each of its pixels is opaque or clear.
void tst_NavigationControl::liftedIconDrawsAsItsViewDoes()
{
    QFETCH(bool, opaqueOnly);
    Carousel carousel;
    QGraphicsView view(&carousel.scene);
    view.setProperty("drawsOpaqueOnly", opaqueOnly);
    carousel->setIcons(icons(7), true);

    pressAndHold(*carousel.control, carousel->getSegmentCenter(1));

    QVERIFY(carousel->dragCursor());
    const QImage picture = carousel->dragCursor()->pixmap().toImage();
    bool seeThrough = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(picture.pixel(x, y));
            seeThrough = seeThrough || (alpha > 0 && alpha < 255);
        }
    }
    QCOMPARE(seeThrough, !opaqueOnly);
}

// The lifted icon is the segment's content (or its text pixmap), scaled and
// then enlarged by a fifth.
void tst_NavigationControl::liftedIconIsAFifthLarger()
{
    QFETCH(qreal, scale);
    QFETCH(bool, withText);
    Carousel carousel;
    carousel->setCustomScale(scale);
    QList<NavigationIcon> list = icons(7);
    if (!withText)
        list[1].setText(QString());
    carousel->setIcons(list, true);
    SvgContentButton* segment = carousel->segments().at(1);
    QSize size = segment->contentBounds().size().toSize();
    QCOMPARE(segment->textPixmap().isNull(), !withText);
    if (withText)
        size = segment->textPixmap().size();

    pressAndHold(*carousel.control, carousel->mapToScene(carousel->getSegmentCenter(1)));
    QVERIFY(carousel->dragCursor());
    QCOMPARE(carousel->dragCursor()->pixmap().size(),
             QSize(qRound(qRound(size.width() * scale) * 1.2), qRound(qRound(size.height() * scale) * 1.2)));
    release(*carousel.control, carousel->mapToScene(carousel->getSegmentCenter(1)));
}

// Slides still queued at the drop are discarded: the owner puts its own order
// back and nothing reorders it afterwards.
void tst_NavigationControl::dropOutsideAsksForShortcut()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QSignalSpy shortcut(carousel.control, &NavigationControl::requestShortcut);
    QSignalSpy original(carousel.control, &NavigationControl::requestOriginalIcons);
    connect(carousel.control, &NavigationControl::requestOriginalIcons, carousel.control,
            [&carousel] { carousel->setIcons(icons(7), true); });

    pressAndHold(*carousel.control, carousel->getSegmentCenter(1));
    pressAndMove(*carousel.control, carousel->getSegmentCenter(1), carousel->getSegmentCenter(3));
    QCOMPARE(carousel->dragAnimation()->iconsCount(), 2);
    release(*carousel.control, OUTSIDE);

    QCOMPARE(shortcut.size(), 1);
    QCOMPARE(shortcut.first().at(0).value<NavigationIcon>().id(), FIRST_ID + 1);
    QCOMPARE(original.size(), 1);
    QCOMPARE(carousel->dragAnimation()->iconsCount(), 0);
    QVERIFY(!carousel->dragAnimation()->isRunning());
    QTest::qWait(NavigationDragIconAnimation::SLIDE_DURATION_MS + 100);
    QCOMPARE(iconIds(*carousel.control), QList<int>({100, 101, 102, 103, 104, 105, 106, 0}));
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I0", "I1", "I2", "I3", "I4"}));
    QCOMPARE(carousel->animationMode(), 0);
}

void tst_NavigationControl::dropDecidesByTheReleasePoint_data()
{
    QTest::addColumn<QString>("pressAt");
    QTest::addColumn<QString>("releaseAt");
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("on previous") << "previous" << "previous" << false;
    QTest::newRow("pressed on the segment, released on previous") << "segment" << "previous" << false;
    QTest::newRow("pressed on the segment, released on next") << "segment" << "next" << false;
    QTest::newRow("pressed on the segment, released on it") << "segment" << "segment" << false;
    QTest::newRow("pressed on the segment, released outside") << "segment" << "outside" << true;
    QTest::newRow("pressed on previous, released outside") << "previous" << "outside" << true;
}

// A drop on an arrow or inside the gadget reorders; a drop outside asks for a
// shortcut. Only the release point counts.
void tst_NavigationControl::dropDecidesByTheReleasePoint()
{
    QFETCH(QString, pressAt);
    QFETCH(QString, releaseAt);
    QFETCH(bool, shortcut);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    const QMap<QString, QPointF> points{{"segment", carousel->getSegmentCenter(2)},
                                       {"previous", hitPoint(carousel->previousButton())},
                                       {"next", hitPoint(carousel->nextButton())},
                                       {"outside", OUTSIDE}};
    QSignalSpy shortcuts(carousel.control, &NavigationControl::requestShortcut);
    QSignalSpy reordered(carousel.control, &NavigationControl::iconsReordered);
    pressAndHold(*carousel.control, carousel->getSegmentCenter(2));
    releaseAfterPress(*carousel.control, points.value(pressAt), points.value(releaseAt));
    QCOMPARE(shortcuts.size(), shortcut ? 1 : 0);
    QCOMPARE(reordered.size(), shortcut ? 1 : 2);
    if (!shortcut)
        QCOMPARE(carousel->pendingIconIndex(), 2);
}

// The lifted icon of the last segment stays there while the list turns by one
// under it.
void tst_NavigationControl::liftedIconOverNextTurnsList()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    pressAndHold(*carousel.control, carousel->getSegmentCenter(4));
    const auto hover = mouseEvent(QEvent::GraphicsSceneMouseMove, hitPoint(carousel->nextButton()));
    carousel->handleMousePressMoveAndHover(hover.get());
    QCOMPARE(carousel->iconsAnimation()->endValue(), 1.0);
    QCOMPARE(carousel->iconsAnimation()->timeLine()->duration(), 300);
    finishRotation(*carousel.control);

    QCOMPARE(carousel->firstIconIndex(), 1);
    QCOMPARE(carousel->dragSegment(), 4);
    QCOMPARE(carousel->icons().at(carousel->getIconIndexBySegment(4)).id(), FIRST_ID + 4);
    QVERIFY(!carousel->segments().at(4)->showIcon());
    release(*carousel.control, carousel->getSegmentCenter(4));
    QCOMPARE(iconIds(*carousel.control), QList<int>({100, 101, 102, 103, 105, 104, 106, 0}));
}

void tst_NavigationControl::liftedIconPassesTheGap_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<int>("turns");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("next at the end of the list")
        << 2 << false << 1 << QList<int>{106, 100, 101, 102, 103, 104, 105, 0}
        << QStringList{"I3", "I4", "I5", "", "I6"};
    QTest::newRow("next past the gap and on")
        << 2 << false << 2 << QList<int>{100, 106, 101, 102, 103, 104, 105, 0}
        << QStringList{"I4", "I5", "", "I0", "I6"};
    QTest::newRow("previous at the start of the list")
        << 0 << true << 1 << QList<int>{101, 102, 103, 104, 105, 106, 100, 0}
        << QStringList{"I0", "", "I1", "I2", "I3"};
}

// Carried over an arrow, the lifted icon passes the gap between the end and
// the start of the list like any other icon; the gap stays the list's last
// entry, so the new order runs from the start of the circle.
void tst_NavigationControl::liftedIconPassesTheGap()
{
    QFETCH(int, first);
    QFETCH(bool, previous);
    QFETCH(int, turns);
    QFETCH(QList<int>, ids);
    QFETCH(QStringList, texts);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(first);
    const int edge = previous ? 0 : 4;
    const int lifted = carousel->icons().at(carousel->getIconIndexBySegment(edge)).id();
    pressAndHold(*carousel.control, carousel->getSegmentCenter(edge));
    SvgButton* arrow = previous ? carousel->previousButton() : carousel->nextButton();
    for (int turn = 0; turn < turns; ++turn) {
        const auto hover = mouseEvent(QEvent::GraphicsSceneMouseMove, hitPoint(arrow));
        carousel->handleMousePressMoveAndHover(hover.get());
        finishRotation(*carousel.control);
    }

    QCOMPARE(iconIds(*carousel.control), ids);
    QCOMPARE(carousel->dragSegment(), edge);
    QCOMPARE(carousel->icons().at(carousel->getIconIndexBySegment(edge)).id(), lifted);
    QCOMPARE(segmentTexts(*carousel.control), texts);
    releaseAfterPress(*carousel.control, carousel->getSegmentCenter(edge), carousel->getSegmentCenter(edge));
    QCOMPARE(iconIds(*carousel.control), ids);
    QCOMPARE(segmentTexts(*carousel.control), texts);
}

void tst_NavigationControl::forbiddenCursorWhenShortcutRefused_data()
{
    QTest::addColumn<bool>("allowed");
    QTest::newRow("refused") << false;
    QTest::newRow("allowed") << true;
}

void tst_NavigationControl::forbiddenCursorWhenShortcutRefused()
{
    QFETCH(bool, allowed);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    connect(carousel.control, &NavigationControl::requestAllowedShortcut, carousel.control,
            [allowed](const NavigationIcon&, bool& answer) { answer = allowed; });
    pressAndHold(*carousel.control, carousel->getSegmentCenter(2));

    pressAndMove(*carousel.control, carousel->getSegmentCenter(2), OUTSIDE);
    const bool forbidden = QApplication::overrideCursor()
        && QApplication::overrideCursor()->shape() == Qt::ForbiddenCursor;
    QCOMPARE(forbidden, !allowed);
    pressAndMove(*carousel.control, carousel->getSegmentCenter(2), carousel->getSegmentCenter(2));
    QVERIFY(!QApplication::overrideCursor());

    pressAndMove(*carousel.control, carousel->getSegmentCenter(2), OUTSIDE);
    release(*carousel.control, carousel->getSegmentCenter(2));
    QVERIFY(!QApplication::overrideCursor());
}

void tst_NavigationControl::centerButtonDragMovesGadget()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QList<SvgElement*> drags;
    connect(carousel.control, &SvgControlObject::elementDrag, carousel.control,
            [&drags](SvgElement* element, QGraphicsSceneMouseEvent*) { drags << element; });
    const auto event = mouseEvent(QEvent::GraphicsSceneMouseMove, QPointF(170, 170));
    carousel->handleMousePressAndMove(QPointF(160, 160), event.get(), carousel->centerButton());
    QVERIFY(carousel->isMoving());
    QCOMPARE(carousel->background()->opacity(), 0.5);
    QCOMPARE(carousel->segments().first()->opacity(), 0.1);
    QVERIFY(carousel->moveIndicator()->isVisible());
    QCOMPARE(drags.size(), 1);
    QCOMPARE(drags.first(), static_cast<SvgElement*>(carousel->centerButton()));

    release(*carousel.control, QPointF(170, 170));
    QVERIFY(!carousel->isMoving());
    QCOMPARE(carousel->background()->opacity(), 1.0);
    QCOMPARE(carousel->segments().first()->opacity(), 1.0);
    QCOMPARE(carousel->infoButton()->opacity(), 0.0);
}

void tst_NavigationControl::holdOnCenterShowsMoveVisual_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<qreal>("opacity");
    QTest::addColumn<qreal>("segmentOpacity");
    QTest::newRow("window") << false << 0.5 << 0.1;
    QTest::newRow("full screen leaves the look alone") << true << 1.0 << 1.0;
}

void tst_NavigationControl::holdOnCenterShowsMoveVisual()
{
    QFETCH(bool, fullScreen);
    QFETCH(qreal, opacity);
    QFETCH(qreal, segmentOpacity);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setIsInFullScreenMode(fullScreen);
    pressAndHold(*carousel.control, hitPoint(carousel->centerButton()));
    QVERIFY(carousel->isMoving());
    QVERIFY(!carousel->isDraggingIcon());
    QCOMPARE(carousel->moveIndicator()->isVisible(), !fullScreen);
    for (SvgElement* element : {static_cast<SvgElement*>(carousel->background()),
                                static_cast<SvgElement*>(carousel->homeButton()),
                                static_cast<SvgElement*>(carousel->centerButton())})
        QCOMPARE(element->opacity(), opacity);
    QCOMPARE(carousel->labels()->opacity(), opacity);
    for (SvgElement* element : {static_cast<SvgElement*>(carousel->previousButton()),
                                static_cast<SvgElement*>(carousel->nextButton()),
                                static_cast<SvgElement*>(carousel->segments().at(4))})
        QCOMPARE(element->opacity(), segmentOpacity);

    release(*carousel.control, hitPoint(carousel->centerButton()));
    QVERIFY(!carousel->isMoving());
    QVERIFY(!carousel->moveIndicator()->isVisible());
    QCOMPARE(carousel->background()->opacity(), 1.0);
}

void tst_NavigationControl::labelsKeepTheirFadeThroughAMove_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<qreal>("whileMoving");
    QTest::addColumn<qreal>("afterwards");
    QTest::newRow("labels shown") << false << 0.5 << 1.0;
    QTest::newRow("labels hidden by the timer") << true << 0.0 << 0.0;
}

// Moving the gadget dims its labels; afterwards they are as they were.
void tst_NavigationControl::labelsKeepTheirFadeThroughAMove()
{
    QFETCH(bool, hidden);
    QFETCH(qreal, whileMoving);
    QFETCH(qreal, afterwards);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    if (hidden) {
        carousel->hideLabels();
        finish(propertyAnimation(*carousel.control, "labelsOpacity"));
    }
    pressAndHold(*carousel.control, hitPoint(carousel->centerButton()));
    QVERIFY(carousel->isMoving());
    QCOMPARE(carousel->labels()->opacity(), whileMoving);

    release(*carousel.control, hitPoint(carousel->centerButton()));
    QVERIFY(!carousel->isMoving());
    QCOMPARE(carousel->labels()->opacity(), afterwards);
    QCOMPARE(carousel->labelsOpacity(), afterwards);
}

void tst_NavigationControl::resizeButtonDragIsReported()
{
    Carousel carousel;
    QList<SvgElement*> drags;
    connect(carousel.control, &SvgControlObject::elementDrag, carousel.control,
            [&drags](SvgElement* element, QGraphicsSceneMouseEvent*) { drags << element; });
    const QPointF start = hitPoint(carousel->resizeButton());
    const auto event = mouseEvent(QEvent::GraphicsSceneMouseMove, start + QPointF(5, 5));
    carousel->handleMousePressAndMove(start, event.get(), carousel->resizeButton());
    QCOMPARE(drags, QList<SvgElement*>({carousel->resizeButton()}));
    QVERIFY(!carousel->isMoving());
}

void tst_NavigationControl::ringBoundsAreTheThemesPlaceholders()
{
    // The rings' creators own them; they outlive the carousel.
    const auto ring1 = createRing(ThemeProvider::COMMAND_CONTROL);
    const auto ring2 = createRing(ThemeProvider::COMMAND_CONTROL_2);
    Carousel carousel;
    const QRectF first = carousel->boundsOnElement(NavigationControl::EDITOR_PLACEHOLDER_ID);
    const QRectF second = carousel->boundsOnElement(NavigationControl::EDITOR_PLACEHOLDER_2_ID);
    QVERIFY(!first.isEmpty());
    QVERIFY(!second.isEmpty());
    QCOMPARE(carousel->commandControl1Bounds(), first);
    QCOMPARE(carousel->commandControl2Bounds(), second);

    // The rings open exactly there.
    carousel->setIcons(icons(3), false);
    carousel->setCommandControl1(ring1.get(), 0);
    carousel->setCommandControl2(ring2.get());
    finish(propertyAnimation(*carousel.control, "commandControl1ShowProgress"));
    finish(propertyAnimation(*carousel.control, "commandControl2ShowProgress"));
    QCOMPARE(ring1->pos(), carousel->commandControl1Bounds().topLeft());
    QCOMPARE(ring2->pos(), carousel->commandControl2Bounds().topLeft());
}

void tst_NavigationControl::ring1OpensAndCloses()
{
    const auto ring = createRing(ThemeProvider::COMMAND_CONTROL);
    Carousel carousel;
    QList<NavigationIcon> list = icons(7);
    list[1].setWillExpand(true);
    list[2].setWillExpand(true);
    carousel->setIcons(list, true);
    QSignalSpy closed(carousel.control, &NavigationControl::commandControl1Closed);

    carousel->setCommandControl1(ring.get(), 2);
    QCOMPARE(carousel->commandControl1(), ring.get());
    QCOMPARE(ring->parentItem(), carousel.control);
    QVERIFY(carousel->childControls().contains(ring.get()));
    QCOMPARE(carousel->labels()->expandedState(), NavigationLabels::Expanded);
    QVERIFY(carousel->expandIndicators().at(1)->isVisible());
    QVERIFY(!carousel->expandIndicators().at(2)->isVisible());
    QPropertyAnimation* opening = propertyAnimation(*carousel.control, "commandControl1ShowProgress");
    QCOMPARE(opening->duration(), 300);
    QCOMPARE(opening->easingCurve().type(), QEasingCurve::OutBounce);
    finish(opening);
    QCOMPARE(carousel->commandControl1ShowProgress(), 1.0);
    QCOMPARE(ring->scale(), 1.0);
    QCOMPARE(ring->pos(), carousel->boundsOnElement(QStringLiteral("command_control_placeholder")).topLeft());
    QCOMPARE(carousel->expandIndicators().at(1)->state(), SvgButton::Disabled);

    carousel->closeCommandControl1();
    QCOMPARE(opening->duration(), 200);
    QCOMPARE(opening->easingCurve().type(), QEasingCurve::InSine);
    QCOMPARE(carousel->labels()->expandedState(), NavigationLabels::Collapsed);
    QVERIFY(carousel->expandIndicators().at(2)->isVisible());
    opening->setCurrentTime(100);
    QVERIFY(ring->scale() < 1.0);
    QCOMPARE(closed.size(), 0);
    finish(opening);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!carousel->commandControl1());
    QVERIFY(!ring->parentItem());
    QVERIFY(!ring->scene());
    QVERIFY(!carousel->childControls().contains(ring.get()));
    QCOMPARE(carousel->expandIndicators().at(1)->state(), SvgButton::Normal);
}

void tst_NavigationControl::ring1ReopensFromHalfWay()
{
    const auto ring = createRing(ThemeProvider::COMMAND_CONTROL);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setCommandControl1(ring.get(), 0);
    QPropertyAnimation* animation = propertyAnimation(*carousel.control, "commandControl1ShowProgress");
    finish(animation);
    carousel->closeCommandControl1();
    animation->pause();
    carousel->setCommandControl1ShowProgress(0.5);
    carousel->setCommandControl1(ring.get(), 0);
    QCOMPARE(animation->duration(), 150);
    QCOMPARE(animation->startValue().toReal(), 0.5);
    QCOMPARE(carousel->commandControl1(), ring.get());
}

void tst_NavigationControl::ring2RefusedWithoutRing1()
{
    const auto ring = createRing(ThemeProvider::COMMAND_CONTROL);
    Carousel carousel;
    LogCapture log;
    carousel->setCommandControl2(ring.get());
    QVERIFY(!carousel->commandControl2());
    QVERIFY(!ring->parentItem());
    QCOMPARE(carousel->labels()->expandedState(), NavigationLabels::Collapsed);
    QCOMPARE(log.errors(),
             QStringList("void Corvane::Gadgets::NavigationControl::setCommandControl2("
                         "Corvane::Gadgets::CommandControl*) Cannot show second level command control without "
                         "the first."));
}

void tst_NavigationControl::closingRing1ClosesRing2()
{
    const auto ring1 = createRing(ThemeProvider::COMMAND_CONTROL);
    const auto ring2 = createRing(ThemeProvider::COMMAND_CONTROL_2);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    QSignalSpy closed1(carousel.control, &NavigationControl::commandControl1Closed);
    QSignalSpy closed2(carousel.control, &NavigationControl::commandControl2Closed);
    QPropertyAnimation* animation1 = propertyAnimation(*carousel.control, "commandControl1ShowProgress");
    QPropertyAnimation* animation2 = propertyAnimation(*carousel.control, "commandControl2ShowProgress");

    carousel->setCommandControl1(ring1.get(), 1);
    finish(animation1);
    carousel->setCommandControl2(ring2.get());
    QCOMPARE(carousel->labels()->expandedState(), NavigationLabels::Expanded2);
    QCOMPARE(animation2->duration(), 300);
    finish(animation2);
    QCOMPARE(ring2->parentItem(), carousel.control);
    QCOMPARE(ring2->pos(), carousel->boundsOnElement(QStringLiteral("command_control_2_placeholder")).topLeft());

    carousel->closeCommandControl1();
    QCOMPARE(animation1->endValue().toReal(), 0.0);
    QCOMPARE(animation2->endValue().toReal(), 0.0);
    QCOMPARE(animation2->duration(), 200);
    finish(animation2);
    finish(animation1);
    QCOMPARE(closed1.size(), 1);
    QCOMPARE(closed2.size(), 1);
    QVERIFY(!carousel->commandControl1());
    QVERIFY(!carousel->commandControl2());
    QVERIFY(!ring2->parentItem());
    QCOMPARE(carousel->labels()->expandedState(), NavigationLabels::Collapsed);
}

void tst_NavigationControl::themeChangeKeepsTheSegmentsLook_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QList<bool>>("iconsShown");
    const QList<bool> none(5, false);
    QTest::newRow("icon selected") << "selected" << 2 << QList<bool>(5, true);
    QTest::newRow("icons turning") << "turning" << -1 << none;
    QTest::newRow("icon lifted") << "lifted" << -1 << QList<bool>{true, false, true, true, true};
    QTest::newRow("lifted icon moving") << "dragging" << -1 << none;
}

// A skin change rebuilds the segments while the carousel is in use: the
// rebuilt ones keep the pressed look of the selection and show no icons
// while the carousel paints them travelling or lifted.
void tst_NavigationControl::themeChangeKeepsTheSegmentsLook()
{
    QFETCH(QString, situation);
    QFETCH(int, pressed);
    QFETCH(QList<bool>, iconsShown);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    if (situation == "selected") {
        QVERIFY(carousel->setSelectedIcon(icons(7).at(2), false));
    } else if (situation == "turning") {
        carousel->onElementClick(carousel->nextButton());
    } else {
        pressAndHold(*carousel.control, carousel->getSegmentCenter(1));
        if (situation == "dragging")
            pressAndMove(*carousel.control, carousel->getSegmentCenter(1), carousel->getSegmentCenter(3));
    }

    carousel->updateCachedData();

    QList<int> states(5, SvgButton::Normal);
    if (pressed >= 0)
        states[pressed] = SvgButton::Pressed;
    QCOMPARE(segmentStates(*carousel.control), states);
    QList<bool> shown;
    for (SvgContentButton* segment : carousel->segments())
        shown << segment->showIcon();
    QCOMPARE(shown, iconsShown);
    QCOMPARE(carousel->selectedSegmentIndex(), pressed);
}

void tst_NavigationControl::cacheUpdateLaysOpenRingOut()
{
    const auto ring = createRing(ThemeProvider::COMMAND_CONTROL);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setCommandControl1(ring.get(), 1);
    QPropertyAnimation* opening = propertyAnimation(*carousel.control, "commandControl1ShowProgress");
    opening->setCurrentTime(20);
    opening->pause();
    QVERIFY(ring->scale() < 1.0);

    carousel->updateCachedData();
    QCOMPARE(ring->scale(), 1.0);
    QCOMPARE(ring->pos(), carousel->boundsOnElement(QStringLiteral("command_control_placeholder")).topLeft());
    QCOMPARE(carousel->commandControl1(), ring.get());
    QCOMPARE(carousel->segments().size(), 5);
}

void tst_NavigationControl::destructorLeavesRingsToTheirOwners()
{
    const auto ring1 = createRing(ThemeProvider::COMMAND_CONTROL);
    const auto ring2 = createRing(ThemeProvider::COMMAND_CONTROL_2);
    {
        Carousel carousel;
        carousel->setIcons(icons(7), true);
        carousel->setCommandControl1(ring1.get(), 0);
        carousel->setCommandControl2(ring2.get());
        QCOMPARE(ring2->scene(), &carousel.scene);
        delete carousel.control;
    }
    for (CommandControl* ring : {ring1.get(), ring2.get()}) {
        QVERIFY(!ring->parentItem());
        QVERIFY(!ring->scene());
        QVERIFY(!ring->isVisible());
    }
}

void tst_NavigationControl::clicksAreReported_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("info") << "info" << QByteArray(SIGNAL(infoButtonClicked()))
                          << "Navigation Control, information button clicked.";
    QTest::newRow("home") << "home" << QByteArray(SIGNAL(homeButtonClicked()))
                          << "Navigation Control, home button clicked.";
    QTest::newRow("home split") << "home_split" << QByteArray(SIGNAL(homeButtonClicked()))
                                << "Navigation Control, home button clicked.";
    QTest::newRow("back split") << "back_split" << QByteArray(SIGNAL(backButtonClicked()))
                                << "Navigation Control, back button clicked.";
    // The arrows turn the carousel and have no signal of their own.
    QTest::newRow("previous") << "previous" << QByteArray() << "Navigation Control, previous button clicked.";
    QTest::newRow("next") << "next" << QByteArray() << "Navigation Control, next button clicked.";
}

void tst_NavigationControl::clicksAreReported()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, signal);
    QFETCH(QString, logLine);
    Carousel carousel;
    const QMap<QString, SvgButton*> buttons = {{"info", carousel->infoButton()},
                                               {"home", carousel->homeButton()},
                                               {"home_split", carousel->homeSplitButton()},
                                               {"back_split", carousel->backSplitButton()},
                                               {"previous", carousel->previousButton()},
                                               {"next", carousel->nextButton()}};
    std::unique_ptr<QSignalSpy> spy;
    if (!signal.isEmpty())
        spy = std::make_unique<QSignalSpy>(carousel.control, signal.constData());
    QSignalSpy elementClicks(carousel.control, &SvgControlObject::elementClick);
    LogCapture log;
    carousel->onElementClick(buttons.value(button));
    if (spy)
        QCOMPARE(spy->size(), 1);
    QCOMPARE(elementClicks.size(), 1);
    QVERIFY(log.lines().contains(logLine));
    QVERIFY(log.errors().isEmpty());
}

void tst_NavigationControl::segmentClickReportsIcon()
{
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setFirstIconIndex(5);
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);
    carousel->onElementClick(carousel->segments().at(3));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().at(0).value<NavigationIcon>().id(), FIRST_ID + 0);
    QCOMPARE(clicked.first().at(1).toInt(), 3);
    QCOMPARE(clicked.first().at(2).toBool(), false);
}

void tst_NavigationControl::backButtonAndFullScreen()
{
    Carousel carousel;
    carousel->setShowBackButton(true);
    QVERIFY(carousel->showBackButton());
    QVERIFY(!carousel->homeButton()->isVisible());
    QVERIFY(carousel->homeSplitButton()->isVisible());
    QVERIFY(carousel->backSplitButton()->isVisible());

    carousel->setIsInFullScreenMode(true);
    for (SvgButton* floating : {carousel->infoButton(), carousel->closeButton(), carousel->refreshButton(),
                                carousel->resizeButton()})
        QVERIFY(!floating->isVisible());
    carousel->setIsInFullScreenMode(false);
    QVERIFY(carousel->closeButton()->isVisible());
}

void tst_NavigationControl::floatingButtonsFadeWithHover()
{
    Carousel carousel;
    QVERIFY(QMetaObject::invokeMethod(carousel.control, "onHoverEntered", Q_ARG(bool, true)));
    QPropertyAnimation* fade = propertyAnimation(*carousel.control, "floatingIconsOpacity");
    QCOMPARE(fade->duration(), 1000);
    finish(fade);
    QCOMPARE(carousel->closeButton()->opacity(), 1.0);
    QVERIFY(QMetaObject::invokeMethod(carousel.control, "onHoverEntered", Q_ARG(bool, false)));
    QCOMPARE(fade->startValue().toReal(), 1.0);
    finish(fade);
    QCOMPARE(carousel->resizeButton()->opacity(), 0.0);
}

void tst_NavigationControl::labelsFadeOutSlowerThanIn()
{
    Carousel carousel;
    QPropertyAnimation* fade = propertyAnimation(*carousel.control, "labelsOpacity");
    QVERIFY(fade);
    carousel->hideLabels();
    QCOMPARE(fade->endValue().toReal(), 0.0);
    QCOMPARE(fade->duration(), 700);
    QCOMPARE(fade->easingCurve().type(), QEasingCurve::Linear);
    fade->setCurrentTime(350);
    QCOMPARE(carousel->labels()->opacity(), 0.5);

    carousel->showLabels();
    QCOMPARE(fade->startValue().toReal(), 0.5);
    QCOMPARE(fade->endValue().toReal(), 1.0);
    QCOMPARE(fade->duration(), 300);
    QCOMPARE(fade->easingCurve().type(), QEasingCurve::InCubic);
    finish(fade);
    QCOMPARE(carousel->labelsOpacity(), 1.0);
    QCOMPARE(carousel->labels()->opacity(), 1.0);
}

void tst_NavigationControl::additionalControlsOpacity_data()
{
    QTest::addColumn<qreal>("opacity");
    QTest::addColumn<qreal>("shown");
    QTest::newRow("in range") << 0.4 << 0.4;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("above one is only stored") << 1.5 << 1.0;
    QTest::newRow("below zero is only stored") << -0.5 << 1.0;
}

void tst_NavigationControl::additionalControlsOpacity()
{
    QFETCH(qreal, opacity);
    QFETCH(qreal, shown);
    const auto ring = createRing(ThemeProvider::COMMAND_CONTROL);
    Carousel carousel;
    carousel->setIcons(icons(7), true);
    carousel->setCommandControl1(ring.get(), 0);
    carousel->setAdditionalControlsOpacity(opacity);
    QCOMPARE(carousel->additionalControlsOpacity(), opacity);
    QCOMPARE(carousel->labels()->opacity(), shown);
    QCOMPARE(ring->opacity(), shown);
    QCOMPARE(carousel->background()->opacity(), 1.0);
}

void tst_NavigationControl::centralContent()
{
    Carousel carousel;
    Utilities::RendererContainer* renderer = ThemeProvider::getRendererFor(ThemeProvider::LIGHTS_SYSTEM);
    carousel->setCentralContent(renderer, QStringLiteral("21.5"));
    QCOMPARE(carousel->centerButton()->iconRenderer().main(), renderer);
    QCOMPARE(carousel->centerButton()->iconElement(), NavigationIcon::INACTIVE_ELEMENT_ID);
    QCOMPARE(carousel->centerButton()->text(), QString("21.5"));

    carousel->clearCentralContent();
    QVERIFY(!carousel->centerButton()->iconRenderer().main());
    QVERIFY(carousel->centerButton()->text().isEmpty());
}

// A "next" with a kept selection leaves a pending icon; a new page must not
// select by that index in its shorter list.
void tst_NavigationControl::listReplacementDropsPendingIcon()
{
    Carousel carousel;
    carousel->setPreserveSelection(true);
    carousel->setIcons(icons(10), true);
    QVERIFY(carousel->setSelectedIcon(icons(10).at(4), false));
    carousel->onElementClick(carousel->nextButton());
    QCOMPARE(carousel->pendingIconIndex(), 3);
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);

    carousel->setIcons(icons(2), true);
    QCOMPARE(carousel->pendingIconIndex(), -1);
    QVERIFY(!carousel->isAnimating());
    finishRotation(*carousel.control);
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(carousel->firstIconIndex(), 0);
}

void tst_NavigationControl::shortListStartsAtFirstIcon()
{
    Carousel carousel;
    carousel->setIcons(icons(8), true);
    carousel->setFirstIconIndex(6);
    carousel->setIcons(icons(3), true);
    QCOMPARE(carousel->firstIconIndex(), 0);
    QCOMPARE(segmentTexts(*carousel.control), QStringList({"I0", "I1", "I2", "", ""}));

    carousel->setIcons(icons(8), true);
    carousel->setFirstIconIndex(4);
    carousel->setIcons(icons(7), true);
    QCOMPARE(carousel->firstIconIndex(), 4);
}

void tst_NavigationControl::emptyCarouselIgnoresSteps()
{
    Carousel carousel;
    QSignalSpy clicked(carousel.control, &NavigationControl::navigationIconClicked);
    int asked = 0;
    connect(carousel.control, &NavigationControl::requestAllowedShortcut, carousel.control,
            [&asked](const NavigationIcon&, bool&) { ++asked; });
    carousel->setFirstIconIndex(3);
    carousel->goAndRotateNext();
    carousel->goAndRotatePrevious();
    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    wheel.setDelta(-120);
    carousel->handleMouseWheel(&wheel);
    carousel->onElementClick(carousel->segments().at(0));
    carousel->onElementClick(carousel->nextButton());
    pressAndHold(*carousel.control, carousel->getSegmentCenter(0));
    pressAndMove(*carousel.control, carousel->getSegmentCenter(1), carousel->getSegmentCenter(3));
    const auto swipe = mouseEvent(QEvent::GraphicsSceneMouseRelease, carousel->getSegmentCenter(2));
    carousel->handleSwipe(0, 200, carousel->getSegmentCenter(1).toPoint(), swipe.get());
    release(*carousel.control, OUTSIDE);

    QVERIFY(!carousel->hasSelectedIcon());
    QVERIFY(!carousel->isAnimating());
    QVERIFY(!carousel->isDraggingIcon());
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(asked, 0);
    QCOMPARE(carousel->selectedIconIndex(), -1);
    QCOMPARE(carousel->getSegmentIndexByIcon(0), -1);
    QVERIFY(carousel->iconAtPosition(carousel->getSegmentCenter(0).toPoint()).isEmpty());
}

void tst_NavigationControl::themeWithoutSegments()
{
    QSvgRenderer renderer(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
                                     "<rect id='background' x='0' y='0' width='100' height='100'/>"
                                     "<path id='animation_path' d='M0 50 L100 50' fill='none' stroke='#000'/>"
                                     "<rect id='content_area_mask' x='0' y='0' width='100' height='100'/>"
                                     "</svg>"));
    Utilities::RendererContainer container(&renderer, QStringLiteral("navigation"));
    QGraphicsScene scene;
    auto* carousel = new NavigationControl(&container);
    scene.addItem(carousel);
    QVERIFY(carousel->segments().isEmpty());
    QSignalSpy clicked(carousel, &NavigationControl::navigationIconClicked);

    carousel->setIcons(icons(3), true);
    QCOMPARE(carousel->icons().size(), 4);
    carousel->goAndRotateNext();
    carousel->goAndRotatePrevious();
    carousel->onElementClick(carousel->nextButton());
    pressAndMove(*carousel, QPointF(10, 50), QPointF(90, 50));
    const auto end = mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(90, 50));
    carousel->handleEndPressAndMove(end.get());
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    carousel->paint(&painter, nullptr, nullptr);
    carousel->iconsAnimation()->onValueChanged(1.0);

    QVERIFY(!carousel->hasSelectedIcon());
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(carousel->getSegmentCenter(0), QPointF(0, 0));
    QVERIFY(carousel->iconAtPosition(QPoint(50, 50)).isEmpty());
}

// The rings open on the placeholders of the theme in use, also one that came
// after the carousel was built.
void tst_NavigationControl::themeChangeMovesRingPlacesAndHotspot()
{
    const auto places = [](int at) {
        return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='320' height='320'>"
                              "<rect id='background' x='0' y='0' width='320' height='320'/>"
                              "<rect id='hotspot' x='%1' y='%1' width='10' height='10'/>"
                              "<rect id='command_control_placeholder' x='%1' y='%1' width='200' height='200'/>"
                              "<rect id='command_control_2_placeholder' x='%1' y='%1' width='300' height='300'/>"
                              "</svg>")
            .arg(at)
            .toUtf8();
    };
    const auto ring1 = createRing(ThemeProvider::COMMAND_CONTROL);
    const auto ring2 = createRing(ThemeProvider::COMMAND_CONTROL_2);
    QSvgRenderer renderer(places(10));
    Utilities::RendererContainer container(&renderer, QStringLiteral("navigation"));
    QGraphicsScene scene;
    auto* carousel = new NavigationControl(&container);
    scene.addItem(carousel);
    QCOMPARE(carousel->hotspot(), QPointF(15, 15));

    QVERIFY(renderer.load(places(40)));
    carousel->updateCachedData();
    QCOMPARE(carousel->hotspot(), QPointF(45, 45));
    carousel->setCommandControl1(ring1.get(), 0);
    finish(propertyAnimation(*carousel, "commandControl1ShowProgress"));
    carousel->setCommandControl2(ring2.get());
    finish(propertyAnimation(*carousel, "commandControl2ShowProgress"));
    QCOMPARE(ring1->pos(), QPointF(40, 40));
    QCOMPARE(ring2->pos(), QPointF(40, 40));
}

void tst_NavigationControl::themeChangeMovesFloatingButtonsWithTheOpenRings_data()
{
    QTest::addColumn<int>("openRings");
    QTest::newRow("ring 1 open") << 1;
    QTest::newRow("rings 1 and 2 open") << 2;
}

// A skin whose rings are larger replaces the skin while rings are open: the
// floating buttons stand where a carousel built with the new skin puts them
// for the same rings, clear of the larger bands.
void tst_NavigationControl::themeChangeMovesFloatingButtonsWithTheOpenRings()
{
    QFETCH(int, openRings);
    const auto skin = [](int inset) {
        return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='320' height='320'>"
                              "<rect id='background' x='0' y='0' width='320' height='320'/>"
                              "<rect id='info_default' x='290' y='290' width='20' height='20'/>"
                              "<rect id='close_default' x='290' y='10' width='20' height='20'/>"
                              "<rect id='refresh_default' x='10' y='10' width='20' height='20'/>"
                              "<rect id='resize_default' x='10' y='290' width='20' height='20'/>"
                              "<rect id='command_control_placeholder' x='-%1' y='-%1' width='%2' height='%2'/>"
                              "<rect id='command_control_2_placeholder' x='-%3' y='-%3' width='%4' height='%4'/>"
                              "</svg>")
            .arg(inset)
            .arg(320 + 2 * inset)
            .arg(2 * inset)
            .arg(320 + 4 * inset)
            .toUtf8();
    };
    const auto openTheRings = [openRings](NavigationControl& carousel, CommandControl* ring1, CommandControl* ring2) {
        carousel.setCommandControl1(ring1, 0);
        finish(propertyAnimation(carousel, "commandControl1ShowProgress"));
        if (openRings == 2) {
            carousel.setCommandControl2(ring2);
            finish(propertyAnimation(carousel, "commandControl2ShowProgress"));
        }
    };
    const auto buttons = [](const NavigationControl& carousel) {
        QList<QRectF> rects;
        for (const SvgButton* button : {carousel.infoButton(), carousel.closeButton(), carousel.refreshButton(),
                                        carousel.resizeButton()})
            rects << button->sceneBoundingRect();
        return rects;
    };
    const auto ring1 = createRing(ThemeProvider::COMMAND_CONTROL);
    const auto ring2 = createRing(ThemeProvider::COMMAND_CONTROL_2);
    QSvgRenderer renderer(skin(20));
    Utilities::RendererContainer container(&renderer, QStringLiteral("navigation"));
    QGraphicsScene scene;
    auto* carousel = new NavigationControl(&container);
    scene.addItem(carousel);
    carousel->setIcons(icons(7), true);
    openTheRings(*carousel, ring1.get(), ring2.get());

    QVERIFY(renderer.load(skin(60)));
    carousel->updateCachedData();

    const auto freshRing1 = createRing(ThemeProvider::COMMAND_CONTROL);
    const auto freshRing2 = createRing(ThemeProvider::COMMAND_CONTROL_2);
    QGraphicsScene freshScene;
    auto* fresh = new NavigationControl(&container);
    freshScene.addItem(fresh);
    fresh->setIcons(icons(7), true);
    openTheRings(*fresh, freshRing1.get(), freshRing2.get());
    QCOMPARE(buttons(*carousel), buttons(*fresh));
}

QTEST_MAIN(tst_NavigationControl)
#include "tst_navigationcontrol.moc"
