#include "favorite/FavoriteControl.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "gestures/EventConsumer.h"
#include "label/Label.h"
#include "slider/SvgSliderControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "SceneTestHelpers.h"

#include <QGraphicsScene>
#include <QPropertyAnimation>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Corvane::Gadgets;
using ButtonData = CommandControl::ButtonData;
using Models::NavigationIcon;

Q_DECLARE_METATYPE(FavoriteControl::ExpandedState)

namespace {

using SceneTestHelpers::useTheme;
using SceneTestHelpers::mouseEvent;

using Operation = std::function<void(FavoriteControl&)>;

std::unique_ptr<FavoriteControl> makeFavorite(QGraphicsScene& scene)
{
    auto favorite = std::make_unique<FavoriteControl>(ThemeProvider::getRendererFor(ThemeProvider::FAVORITE), nullptr);
    scene.addItem(favorite.get());
    return favorite;
}

QList<ButtonData> commands(const QStringList& ids)
{
    QList<ButtonData> buttons;
    for (const QString& id : ids)
        buttons << ButtonData(NavigationIcon(ThemeProvider::LIGHTS, QString()), id);
    return buttons;
}

QPointF sceneCentre(const QGraphicsItem* item)
{
    return item->mapToScene(item->boundingRect().center());
}

// Waits for every layout animation of the control to end.
void settle(const FavoriteControl& favorite)
{
    const auto atRest = [&favorite] {
        const QList<QPropertyAnimation*> animations = favorite.findChildren<QPropertyAnimation*>();
        return std::all_of(animations.cbegin(), animations.cend(), [](const QPropertyAnimation* animation) {
            return animation->propertyName() == "showIconsProgress"
                   || animation->state() == QAbstractAnimation::Stopped;
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(atRest(), 2000);
}

} // namespace

class tst_FavoriteControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void iconsReportTheirClicks_data();
    void iconsReportTheirClicks();
    void ringClicksAreRelayedAndMapped();
    void contentReachesTheChildren();
    void layoutStates_data();
    void layoutStates();
    void valueTextFollowsTheState_data();
    void valueTextFollowsTheState();
    void firstRingUnfoldsFromTheCentre_data();
    void firstRingUnfoldsFromTheCentre();
    void closingAnUnfoldedRingHidesItAtOnce();
    void movingByTheCentreButton_data();
    void movingByTheCentreButton();
    void pressAndHoldOutsideTheCentreDoesNotMove();
    void iconsFadeWithHover();
    void endingALabelEditDoesNotClose();
    void scaleReachesTheChildren();
    void themeRefreshReadsTheNewTheme();
};

void tst_FavoriteControl::initTestCase()
{
    qRegisterMetaType<SvgElement*>();
    qRegisterMetaType<QGraphicsSceneMouseEvent*>();
}

void tst_FavoriteControl::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_FavoriteControl::init()
{
    useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_FavoriteControl::iconsReportTheirClicks_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("elementId");
    for (const char* theme : {"Corvane", "Talvera"}) {
        const QString folder = QStringLiteral(":/%1Theme").arg(theme);
        for (const QString& id : {FavoriteControl::CENTER_BUTTON_ID, FavoriteControl::CLOSE_BUTTON_ID,
                                  FavoriteControl::RESIZE_BUTTON_ID, FavoriteControl::REFRESH_BUTTON_ID})
            QTest::addRow("%s %s", theme, qPrintable(id)) << folder << id;
    }
}

void tst_FavoriteControl::iconsReportTheirClicks()
{
    QFETCH(QString, folder);
    QFETCH(QString, elementId);
    useTheme(folder);
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    QSignalSpy clicks(favorite.get(), &SvgControlObject::elementClick);
    QSignalSpy presses(favorite.get(), &SvgControlObject::elementPress);

    SvgElement* expected = nullptr;
    for (SvgElement* button : std::initializer_list<SvgElement*>{favorite->centerButton(), favorite->closeButton(),
                                                                 favorite->resizeButton(), favorite->refreshButton()}) {
        if (button->elementId() == elementId || static_cast<SvgButton*>(button)->baseId() == elementId)
            expected = button;
    }
    QVERIFY(expected);
    const QPointF at = sceneCentre(expected);

    auto press = mouseEvent(QEvent::GraphicsSceneMousePress, at);
    Gestures::EventConsumer consumer;
    favorite->handleMousePress(press.get(), consumer);
    auto click = mouseEvent(QEvent::GraphicsSceneMouseRelease, at);
    favorite->handleMouseClick(click.get());

    QCOMPARE(presses.size(), 1);
    QCOMPARE(presses.first().first().value<SvgElement*>(), expected);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.first().first().value<SvgElement*>(), expected);
    QCOMPARE(favorite->getButtonId(expected), QString());
}

void tst_FavoriteControl::ringClicksAreRelayedAndMapped()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->setCommand1Buttons(commands({"ON", "OFF", "MODE"}));
    favorite->setCommand2Buttons(commands({"A", "B"}), true, CommandControl::POINT_EMPTY);
    favorite->showCommandControl1();
    favorite->showCommandControl2();
    settle(*favorite);

    QSignalSpy clicks(favorite.get(), &SvgControlObject::elementClick);
    CommandControl* ring2 = favorite->commandControl2();
    SvgContentButton* segmentB = ring2->evenSegments().at(ring2->getButtonIndex("B"));
    auto click = mouseEvent(QEvent::GraphicsSceneMouseRelease, sceneCentre(segmentB));
    favorite->handleMouseClick(click.get());
    QCOMPARE(clicks.size(), 1);
    auto* element = clicks.first().first().value<SvgElement*>();
    QCOMPARE(element, static_cast<SvgElement*>(segmentB));
    QCOMPARE(favorite->getButtonId(element), QString("B"));
    QCOMPARE(favorite->getCommandButtonCenter(element), ring2->getButtonCenter(ring2->getButtonIndex("B")));

    CommandControl* ring1 = favorite->commandControl1();
    const int offIndex = ring1->getButtonIndex("OFF");
    SvgContentButton* segmentOff =
        (ring1->usesEvenSegments() ? ring1->evenSegments() : ring1->oddSegments()).at(offIndex);
    QCOMPARE(favorite->getButtonId(segmentOff), QString("OFF"));
    QCOMPARE(favorite->getCommandButtonCenter(segmentOff), ring1->getButtonCenter(offIndex));

    QCOMPARE(favorite->getButtonId(favorite->centerButton()), QString());
    QCOMPARE(favorite->getCommandButtonCenter(favorite->centerButton()), QPointF(0, 0));
    QCOMPARE(favorite->getButtonId(nullptr), QString());
}

void tst_FavoriteControl::contentReachesTheChildren()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    const NavigationIcon icon(ThemeProvider::LIGHTS, NavigationIcon::Active, QStringLiteral("Kitchen"));
    favorite->updateContent(icon);
    QCOMPARE(favorite->iconRenderer().main(), icon.renderer().main());
    QCOMPARE(favorite->centerButton()->iconElement(), NavigationIcon::getElementIdForState(NavigationIcon::Active));

    favorite->setLabelText(QStringLiteral("Kitchen ceiling"));
    QCOMPARE(favorite->label()->text(), QStringLiteral("Kitchen ceiling"));
    QCOMPARE(favorite->label()->controlId(), FavoriteControl::LABEL_KEY);
    QCOMPARE(favorite->label()->buttonConfig(), Label::NoButton);
    QCOMPARE(favorite->centerButton()->controlId(), FavoriteControl::CENTER_CONFIG_KEY);

    favorite->setSliderValueBounds(10, 30, 0.5);
    favorite->setSliderValue(20.5);
    QCOMPARE(favorite->sliderMinValue(), 10.0);
    QCOMPARE(favorite->sliderMaxValue(), 30.0);
    QCOMPARE(favorite->sliderValueStep(), 0.5);
    QCOMPARE(favorite->sliderValue(), 20.5);
    QVERIFY(!favorite->sliderVisible());
    favorite->setSliderVisible(true);
    QVERIFY(favorite->sliderVisible());

    QSignalSpy sliderChanges(favorite.get(), &FavoriteControl::sliderValueChanged);
    emit favorite->slider()->valueChanged();
    QCOMPARE(sliderChanges.size(), 1);

    // The label's veto reference travels through unchanged.
    connect(favorite.get(), &FavoriteControl::labelTextChanged, this, [](bool& canChange) { canChange = false; });
    bool accepted = true;
    emit favorite->label()->textChanged(accepted);
    QVERIFY(!accepted);
}

void tst_FavoriteControl::layoutStates_data()
{
    QTest::addColumn<QList<Operation>>("operations");
    QTest::addColumn<FavoriteControl::ExpandedState>("state");
    QTest::addColumn<bool>("ring1Visible");
    QTest::addColumn<bool>("ring2Visible");

    const Operation show1 = &FavoriteControl::showCommandControl1;
    const Operation show2 = &FavoriteControl::showCommandControl2;
    const Operation hide1 = &FavoriteControl::hideCommandControl1;
    const Operation hide2 = &FavoriteControl::hideCommandControl2;
    const Operation hideAll = &FavoriteControl::hideCommandControls;
    QTest::newRow("closed") << QList<Operation>{} << FavoriteControl::Collapsed << false << false;
    QTest::newRow("show 1") << QList<Operation>{show1} << FavoriteControl::Expanded << true << false;
    QTest::newRow("show 1 twice") << QList<Operation>{show1, show1} << FavoriteControl::Expanded << true << false;
    QTest::newRow("show 1, show 2") << QList<Operation>{show1, show2} << FavoriteControl::Expanded2 << true << true;
    QTest::newRow("hide 2 in state 0") << QList<Operation>{hide2} << FavoriteControl::Collapsed << false << false;
    QTest::newRow("hide 2 in state 1") << QList<Operation>{show1, hide2} << FavoriteControl::Expanded << true
                                       << false;
    QTest::newRow("hide 2 in state 2") << QList<Operation>{show1, show2, hide2} << FavoriteControl::Expanded << true
                                       << false;
    QTest::newRow("hide 1") << QList<Operation>{show1, hide1} << FavoriteControl::Collapsed << false << false;
    QTest::newRow("hide 1 from state 2") << QList<Operation>{show1, show2, hide1} << FavoriteControl::Collapsed
                                         << false << false;
    QTest::newRow("hide 1 from state 2, show 1") << QList<Operation>{show1, show2, hide1, show1}
                                                 << FavoriteControl::Expanded << true << false;
    QTest::newRow("hide all from state 2") << QList<Operation>{show1, show2, hideAll} << FavoriteControl::Collapsed
                                           << false << false;
}

void tst_FavoriteControl::layoutStates()
{
    QFETCH(QList<Operation>, operations);
    QFETCH(FavoriteControl::ExpandedState, state);
    QFETCH(bool, ring1Visible);
    QFETCH(bool, ring2Visible);
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->setCommand1Buttons(commands({"ON", "OFF"}));
    favorite->setCommand2Buttons(commands({"A", "B"}));
    for (const Operation& operation : operations) {
        operation(*favorite);
        settle(*favorite);
    }
    QCOMPARE(favorite->expandedState(), state);
    QCOMPARE(favorite->commandControl1()->isVisible(), ring1Visible);
    QCOMPARE(favorite->commandControl2()->isVisible(), ring2Visible);
    QCOMPARE(favorite->control1ExpandProgress(), ring1Visible ? 1.0 : 0.0);
    QCOMPARE(favorite->control2ExpandProgress(), ring2Visible ? 1.0 : 0.0);
    // The first ring's indicators look disabled exactly while the second ring is open.
    for (SvgButton* indicator : favorite->commandControl1()->evenExpandIndicators())
        QCOMPARE(indicator->state(), ring2Visible ? SvgButton::Disabled : SvgButton::Normal);
    // An open ring fills its placeholder.
    if (ring1Visible)
        QCOMPARE(favorite->commandControl1()->scale(), 1.0);
}

void tst_FavoriteControl::valueTextFollowsTheState_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("opened");
    for (const char* theme : {"Corvane", "Talvera"})
        for (int opened = 0; opened <= 2; ++opened)
            QTest::addRow("%s, %d rings open", theme, opened) << QStringLiteral(":/%1Theme").arg(theme) << opened;
}

void tst_FavoriteControl::valueTextFollowsTheState()
{
    QFETCH(QString, folder);
    QFETCH(int, opened);
    useTheme(folder);
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->setSliderVisible(true);
    if (opened >= 1)
        favorite->showCommandControl1();
    if (opened == 2)
        favorite->showCommandControl2();
    settle(*favorite);

    const QRectF label = favorite->labelToBounds();
    const QRectF slider = favorite->sliderToBounds();
    QCOMPARE(slider.top(), label.bottom());
    QCOMPARE(favorite->valueToBounds().top(), opened == 0 ? label.bottom() : slider.bottom());
    // The label sits where its rectangle says.
    QCOMPARE(favorite->label()->pos() + favorite->label()->totalBounds().topLeft(), label.topLeft());
}

void tst_FavoriteControl::firstRingUnfoldsFromTheCentre_data()
{
    QTest::addColumn<qreal>("progress");
    QTest::newRow("folded") << 0.0;
    QTest::newRow("half") << 0.5;
    QTest::newRow("open") << 1.0;
}

void tst_FavoriteControl::firstRingUnfoldsFromTheCentre()
{
    QFETCH(qreal, progress);
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    const QRectF centre = favorite->centerButton()->scaledBounds();
    const QRectF target = favorite->boundsOnElement(FavoriteControl::EDITOR_PLACEHOLDER_ID);
    favorite->setControl1ExpandProgress(progress);

    CommandControl* ring = favorite->commandControl1();
    const qreal startScale = centre.width() / target.width();
    QCOMPARE(ring->scale(), startScale + (1 - startScale) * progress);
    // The ring's middle stays on the placeholder's middle while it grows.
    const QPointF middle = ring->mapToParent(ring->boundingRect().center());
    QCOMPARE(middle.x(), target.center().x());
    QCOMPARE(middle.y(), target.center().y());
}

void tst_FavoriteControl::closingAnUnfoldedRingHidesItAtOnce()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->showCommandControl1();
    QVERIFY(favorite->commandControl1()->isVisible());
    // Closed before the opening animation took a single step.
    favorite->hideCommandControl1();
    QVERIFY(!favorite->commandControl1()->isVisible());
    settle(*favorite);
    QVERIFY(!favorite->commandControl1()->isVisible());
}

void tst_FavoriteControl::movingByTheCentreButton_data()
{
    QTest::addColumn<bool>("onResize");
    QTest::newRow("centre button") << false;
    QTest::newRow("resize icon") << true;
}

void tst_FavoriteControl::movingByTheCentreButton()
{
    QFETCH(bool, onResize);
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    SvgElement* pressed = onResize ? static_cast<SvgElement*>(favorite->resizeButton())
                                   : static_cast<SvgElement*>(favorite->centerButton());
    QSignalSpy drags(favorite.get(), &SvgControlObject::elementDrag);
    QVERIFY(!favorite->moveIndicator()->isVisible());

    const QPointF start = sceneCentre(pressed);
    auto move = mouseEvent(QEvent::GraphicsSceneMouseMove, start + QPointF(15, 5));
    favorite->handleMousePressAndMove(start, move.get(), pressed);
    QCOMPARE(drags.size(), 1);
    QCOMPARE(drags.first().first().value<SvgElement*>(), pressed);
    QCOMPARE(favorite->isMoving(), !onResize);
    QCOMPARE(favorite->moveIndicator()->isVisible(), !onResize);
    QCOMPARE(favorite->centerButton()->opacity(), onResize ? 1.0 : 0.5);

    auto release = mouseEvent(QEvent::GraphicsSceneMouseRelease, start + QPointF(15, 5));
    favorite->handleMouseRelease(release.get(), pressed);
    QVERIFY(!favorite->isMoving());
    QVERIFY(!favorite->moveIndicator()->isVisible());
    QCOMPARE(favorite->centerButton()->opacity(), 1.0);
}

void tst_FavoriteControl::pressAndHoldOutsideTheCentreDoesNotMove()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    auto outside = mouseEvent(QEvent::GraphicsSceneMousePress, favorite->mapToScene(QPointF(2, 2)));
    favorite->handleMousePressAndHold(outside.get());
    QVERIFY(!favorite->isMoving());

    auto inside = mouseEvent(QEvent::GraphicsSceneMousePress, sceneCentre(favorite->centerButton()));
    favorite->handleMousePressAndHold(inside.get());
    QVERIFY(favorite->isMoving());
}

void tst_FavoriteControl::iconsFadeWithHover()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    QCOMPARE(favorite->closeButton()->opacity(), 0.0);

    QGraphicsSceneHoverEvent enter(QEvent::GraphicsSceneHoverEnter);
    enter.setScenePos(sceneCentre(favorite->centerButton()));
    favorite->handleHoverEnterEvent(&enter);
    QTRY_COMPARE(favorite->showIconsProgress(), 1.0);
    for (SvgButton* icon : {favorite->closeButton(), favorite->resizeButton(), favorite->refreshButton()})
        QCOMPARE(icon->opacity(), 1.0);

    // Leaving waits before the icons start to fade.
    QGraphicsSceneHoverEvent leave(QEvent::GraphicsSceneHoverLeave);
    leave.setScenePos(QPointF(-100, -100));
    favorite->handleHoverLeaveEvent(&leave);
    QTest::qWait(100);
    QCOMPARE(favorite->showIconsProgress(), 1.0);
    // Returning in time keeps them.
    favorite->handleHoverEnterEvent(&enter);
    favorite->onHideIconsTimerTick();
    QTRY_VERIFY(favorite->showIconsProgress() < 1.0);
    QVERIFY(favorite->closeButton()->opacity() < 1.0);
}

void tst_FavoriteControl::endingALabelEditDoesNotClose()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->setLabelText(QStringLiteral("Porch"));
    favorite->label()->setIsInEditMode(true);
    QSignalSpy clicks(favorite.get(), &SvgControlObject::elementClick);
    // The label reports its close-edit press as a close; the favourite's own
    // close icon is the only one that closes it.
    emit favorite->label()->closeButtonClicked();
    favorite->label()->exitEditMode();
    QCOMPARE(clicks.size(), 0);
    QVERIFY(!favorite->label()->isInEditMode());
}

void tst_FavoriteControl::scaleReachesTheChildren()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->setCustomScale(2.0);
    QCOMPARE(favorite->label()->customScale(), 2.0);
    QCOMPARE(favorite->slider()->customScale(), 2.0);
    QCOMPARE(favorite->commandControl1()->customScale(), 2.0);
    QCOMPARE(favorite->centerButton()->customScale(), 2.0);
}

void tst_FavoriteControl::themeRefreshReadsTheNewTheme()
{
    QGraphicsScene scene;
    auto favorite = makeFavorite(scene);
    favorite->showCommandControl1();
    settle(*favorite);

    // A theme switch refills the renderers the control already holds.
    ThemeProvider::DefaultThemeFolder = QStringLiteral(":/CorvaneTheme");
    ThemeProvider::setThemeFile(QString());
    favorite->updateCachedData();
    QSvgRenderer* renderer = favorite->rendererContainer()->renderer();
    QCOMPARE(favorite->boundingRect().size(), QSizeF(renderer->defaultSize()));
    const QRectF hotspot = SvgControl::boundsOnElement(FavoriteControl::HOTSPOT_ID, renderer);
    QCOMPARE(favorite->hotspot(), hotspot.center());
    const QRectF placeholder =
        SvgControl::boundsOnElement(FavoriteControl::EDITOR_PLACEHOLDER_ID, renderer);
    QCOMPARE(favorite->commandControl1()->pos(), placeholder.topLeft());
    const QRectF labelArea = SvgControl::boundsOnElement(FavoriteControl::LABEL_PLACEHOLDER_EXPANDED_ID, renderer);
    QCOMPARE(favorite->labelToBounds().top(), labelArea.top());
}

QTEST_MAIN(tst_FavoriteControl)
#include "tst_favoritecontrol.moc"
