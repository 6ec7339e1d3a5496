#include "NavigationWindow.h"

#include "Controllers/base/CarouselController.h"
#include "Controllers/navigation/NavigationController.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Controllers/navigation/UserConfigurationController.h"
#include "SentrelFixture.h"
#include "StartUp.h"
#include "TestSceneWindow.h"

#include "carousel/CarouselView.h"
#include "devices/GuiProperties.h"
#include "animation/FlipAnimator.h"
#include "hosting/NavigationQMLWrapper.h"
#include "label/Label.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "slider/SvgSliderControl.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/LanguageSettings.h"
#include "utilities/WidgetUtilities.h"

#include "LaterStart.h"
#include "LogCapture.h"

#include <QApplication>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMenu>
#include <QParallelAnimationGroup>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace Corvane::Sentrel;
using Corvane::Gadgets::NavigationControl;
using Corvane::Utilities::SingleInstanceGuard;

class tst_NavigationWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void scaleRangeFollowsTheGadget();
    void languagesListedOnceAfterASecondWindow();
    void fullScreenInAndOutRestores();
    void fullScreenKeepsTheLabelsOnScreen();
    void hiddenWhileHoveredShowsNothingHovered();
    void fullScreenKeepsOpenRingsOnScreen_data();
    void fullScreenKeepsOpenRingsOnScreen();
    void releaseStoresTheSizeOnlyOutsideFullScreen();
    void dragsMoveAndResizeTheGadget_data();
    void dragsMoveAndResizeTheGadget();
    void closeButtonHidesTheWindow();
    void wheelAndKeysReachTheCarouselFirst();
    void carouselResizeScalesFromTheGestureStart();
    void arabicTurnsTheLayout();
    void laterStartArguments_data();
    void laterStartArguments();
    void laterStartOpensOnlyItsLastProject_data();
    void laterStartOpensOnlyItsLastProject();
    void storedSettingsAreClamped();
    void startsCentredAndWhole();
    void startsInsideWherePlacedHalfOff_data();
    void startsInsideWherePlacedHalfOff();
    void screenChangeBringsTheGadgetInside_data();
    void screenChangeBringsTheGadgetInside();
    void destroyedWithCarouselAndDialogOpen();
    void rightClickOpensTheContextMenu();

private:
    void connectHandOver(LaterStart& later);
    QStringList laterStartArgumentsFrom(const QStringList& tokens) const;

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<NavigationWindow> m_window;
    QPoint m_cursor;
    QList<std::shared_ptr<DiscControl>> m_controls;
    QStringList m_log;
};

void tst_NavigationWindow::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_NavigationWindow::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Settings::s_instance->setSupportTransparency(true);
    Settings::setNoConfigurationModeOn();
    m_window = std::make_unique<NavigationWindow>(nullptr, std::make_unique<ScriptedCursor>(&m_cursor));
    m_window->moveTo(QPoint(100, 100));
}

void tst_NavigationWindow::cleanup()
{
    m_window.reset();
    m_controls.clear();
    m_fixture.reset();
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

void tst_NavigationWindow::scaleRangeFollowsTheGadget()
{
    NavigationControl* navigation = m_window->navigationControl();
    QVERIFY(navigation);
    const QRectF background = navigation->boundsOnElement(NavigationControl::BACKGROUND_ID);
    using Corvane::Utilities::InitSettings;
    QCOMPARE(m_window->minScale(), std::max(InitSettings::gadgetMinWidth() / std::round(background.width()),
                                            InitSettings::gadgetMinHeight() / std::round(background.height())));
    QCOMPARE(m_window->maxScale(), std::min(InitSettings::gadgetMaxWidth() / std::round(background.width()),
                                            InitSettings::gadgetMaxHeight() / std::round(background.height())));
    QCOMPARE(m_window->defaultSize(), QSize(320, 320));
    QVERIFY(!NavigationWindow::s_locales.isEmpty());
    QCOMPARE(NavigationWindow::s_locales.first().locale(),
             Corvane::Utilities::Localization::LanguageSettings::DEFAULT_LOCALE);
}

// The settings dialog lists each language once, however many main windows
// the program built (a second one would add the list again).
void tst_NavigationWindow::languagesListedOnceAfterASecondWindow()
{
    const auto second = std::make_unique<NavigationWindow>(nullptr, std::make_unique<ScriptedCursor>(&m_cursor));
    QStringList locales;
    for (const auto& language : NavigationWindow::s_locales)
        locales << language.locale();
    QCOMPARE(locales.removeDuplicates(), 0);
}

void tst_NavigationWindow::fullScreenInAndOutRestores()
{
    m_window->setScale(30, true);
    m_window->setTransparency(40);
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QPointF position = m_window->wrapperPos();
    const double opacity = m_window->windowOpacity();
    const QRect desktop = m_window->geometry();

    m_window->setIsInFullScreenMode(true);
    QVERIFY(m_window->isInFullScreenMode());
    QVERIFY(m_window->navigationContainer()->isInFullScreenMode());
    QCOMPARE(m_window->inputMask(), QRegion(m_window->rect()));
    QCOMPARE(m_window->windowOpacity(), 1.0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The gadget with all it can show around it (plates, open rings) fills
    // the screen's height or width, but for the whole percent of the scale.
    const QRect gadget = m_window->customRect();
    const QSizeF reach = m_window->getFullScreenBoundingRect(false).size() * m_window->currentScale();
    const double step = (m_window->maxScale() - m_window->minScale()) / 100;
    const QSizeF stepReach = m_window->getFullScreenBoundingRect(false).size() * step;
    QVERIFY(reach.height() >= screen.height() - stepReach.height() - 1
            || reach.width() >= screen.width() - stepReach.width() - 1);
    QVERIFY(reach.height() <= screen.height() + 1 && reach.width() <= screen.width() + 1);
    // Moving waits for the end of full-screen mode; a size and transparency
    // chosen meanwhile (in the settings dialog) apply when it ends.
    m_window->setTransparency(90);
    m_window->setScale(55, false);
    QCOMPARE(m_window->windowOpacity(), 1.0);
    QCOMPARE(m_window->customRect(), gadget);
    const QPointF fullScreenPosition = m_window->wrapperPos();
    m_cursor = QPoint(700, 500);
    m_window->handleMoving();
    QCOMPARE(m_window->wrapperPos(), fullScreenPosition);

    // Hidden by its corner button and shown again (a favourite's "Show main
    // window"), it fills the screen again, above the favourites.
    m_window->close();
    QVERIFY(!m_window->isVisible());
    m_window->showTo();
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->windowState().testFlag(Qt::WindowFullScreen));
    QCOMPARE(m_window->customRect(), gadget);

    m_window->setIsInFullScreenMode(false);
    QVERIFY(!m_window->isInFullScreenMode());
    QCOMPARE(m_window->scalePercent(), 55);
    QCOMPARE(m_window->wrapperPos(), position);
    QVERIFY(m_window->windowOpacity() < opacity);
    // The window system keeps opacity in 1/255 steps.
    QVERIFY(qAbs(m_window->windowOpacity() - NavigationWindow::opacityForTransparency(90)) < 1.0 / 255);
    QCOMPARE(m_window->geometry().size(), desktop.size());
    QVERIFY(m_window->testAttribute(Qt::WA_TranslucentBackground));
}

// The name plates hang below and beside the ring: full-screen mode fits them
// on the screen with it.
void tst_NavigationWindow::fullScreenKeepsTheLabelsOnScreen()
{
    m_window.reset();
    Settings::setNoConfigurationModeOff();
    Settings::s_instance->setNoServer(true);
    QVERIFY(Corvane::Sentrel::setTempConfigFile(QStringLiteral(DEMO_PROJECT)));
    m_window = std::make_unique<NavigationWindow>(nullptr, std::make_unique<ScriptedCursor>(&m_cursor));
    m_window->applyStoredSettings();
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->setIsInFullScreenMode(true);

    Corvane::Gadgets::NavigationLabels* labels = m_window->navigationControl()->labels();
    // Within a pixel: the full-screen offset leaves the gadget one pixel left.
    const QRectF screen = QRectF(m_window->rect()).adjusted(-1, -1, 1, 1);
    int shown = 0;
    for (int i = 0; i < labels->count(); ++i) {
        const auto* label = labels->labelAt(i);
        if (!label->isVisibleTo(labels))
            continue;
        ++shown;
        const QRectF onScreen = m_window->view()->mapFromScene(label->sceneBoundingRect()).boundingRect();
        QVERIFY2(screen.contains(onScreen), qPrintable(labels->textAt(i)));
    }
    QVERIFY(shown > 0);
}

// Hidden with the pointer on it (its menu's "Hide main window"), the gadget
// lets go of its hover: shown again, it fades its floating buttons out
// instead of keeping them until the pointer crosses it again.
void tst_NavigationWindow::hiddenWhileHoveredShowsNothingHovered()
{
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    Corvane::Gadgets::NavigationContainer* container = m_window->navigationContainer();
    QSignalSpy hovered(container, &Corvane::Gadgets::NavigationContainer::hoverEntered);
    QGraphicsView* view = m_window->view();
    const QPoint centre = view->mapFromScene(container->mapToScene(container->boundingRect().center()));
    QTest::mouseMove(view->viewport(), centre);
    QTRY_VERIFY(!hovered.isEmpty());
    QVERIFY(hovered.last().first().toBool());
    QVERIFY(!container->hoverTimer()->isActive());

    m_window->hide();
    QVERIFY(container->hoverTimer()->isActive());
}

void tst_NavigationWindow::fullScreenKeepsOpenRingsOnScreen_data()
{
    using Corvane::Gadgets::NavigationLabels;
    QTest::addColumn<int>("state");
    QTest::newRow("first ring open") << int(NavigationLabels::Expanded);
    QTest::newRow("second ring open") << int(NavigationLabels::Expanded2);
}

// An open ring pushes the name plates and sliders outwards and the second
// ring reaches beyond the first: in full-screen mode all of it, the slider
// under the bottom plate too, stays on the screen.
void tst_NavigationWindow::fullScreenKeepsOpenRingsOnScreen()
{
    QFETCH(int, state);
    using Corvane::Gadgets::NavigationLabels;
    m_window.reset();
    Settings::setNoConfigurationModeOff();
    Settings::s_instance->setNoServer(true);
    QVERIFY(Corvane::Sentrel::setTempConfigFile(QStringLiteral(DEMO_PROJECT)));
    m_window = std::make_unique<NavigationWindow>(nullptr, std::make_unique<ScriptedCursor>(&m_cursor));
    m_window->applyStoredSettings();
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->setIsInFullScreenMode(true);

    NavigationControl* navigation = m_window->navigationControl();
    NavigationLabels* labels = navigation->labels();
    for (int i = 0; i < labels->count(); ++i) {
        labels->setVisibleAt(i, true);
        labels->setSliderVisible(i, true);
        labels->setSliderImageVisible(i, true);
    }
    labels->setExpandedState(NavigationLabels::ExpandedState(state));
    labels->expandAnimation()->stop();
    labels->setExpandProgress(1.0);

    const QRectF screen = QRectF(m_window->rect()).adjusted(-1, -1, 1, 1);
    const auto onScreen = [this](const QGraphicsItem* item, const QRectF& rect) {
        return m_window->view()->mapFromScene(item->mapRectToScene(rect)).boundingRect();
    };
    const QRectF ring = state == NavigationLabels::Expanded ? navigation->commandControl1Bounds()
                                                             : navigation->commandControl2Bounds();
    QVERIFY2(screen.contains(onScreen(navigation, ring)), "the open ring");
    for (int i = 0; i < labels->count(); ++i) {
        for (const QGraphicsItem* item : {static_cast<const QGraphicsItem*>(labels->labelAt(i)),
                                          static_cast<const QGraphicsItem*>(labels->sliderAt(i))}) {
            const QRect where = onScreen(item, item->boundingRect() | item->childrenBoundingRect());
            QVERIFY2(screen.contains(where), qPrintable(QStringLiteral("plate or slider %1 at %2,%3 %4x%5")
                                                            .arg(i)
                                                            .arg(where.x())
                                                            .arg(where.y())
                                                            .arg(where.width())
                                                            .arg(where.height())));
        }
    }
}

void tst_NavigationWindow::releaseStoresTheSizeOnlyOutsideFullScreen()
{
    Corvane::Devices::GuiProperties& gui = Settings::guiProperties();
    m_window->setScale(42, true);
    m_window->handleRelease(nullptr);
    QCOMPARE(gui.dimension(), 42);

    m_window->setIsInFullScreenMode(true);
    m_window->handleRelease(nullptr);
    QCOMPARE(gui.dimension(), 42);
    m_window->setIsInFullScreenMode(false);
}

void tst_NavigationWindow::dragsMoveAndResizeTheGadget_data()
{
    QTest::addColumn<QString>("handle");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<bool>("grows");

    QTest::newRow("centre moves") << "centre" << QPoint(-20, -10) << true << false;
    QTest::newRow("resize corner grows") << "resize" << QPoint(12, 12) << false << true;
    QTest::newRow("info face moves") << "info" << QPoint(-20, -10) << true << false;
}

// A real drag: a press on the viewport, the cursor moving while the gesture
// recogniser samples it, a release.
void tst_NavigationWindow::dragsMoveAndResizeTheGadget()
{
    QFETCH(QString, handle);
    QFETCH(QPoint, step);
    QFETCH(bool, moves);
    QFETCH(bool, grows);

    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    NavigationControl* navigation = m_window->navigationControl();
    const Corvane::Gadgets::SvgElement* element =
        handle == "centre" ? static_cast<Corvane::Gadgets::SvgElement*>(navigation->centerButton())
                           : navigation->resizeButton();
    if (handle == "info") {
        // The info face, made by the first turn to it, is moved by its
        // background.
        Corvane::Gadgets::NavigationContainer* container = m_window->navigationContainer();
        QVERIFY(!container->isInfoControlCreated());
        emit navigation->infoButtonClicked();
        auto* turn = container->findChild<Corvane::Gadgets::Utilities::FlipAnimator*>()
                         ->findChild<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly);
        turn->setCurrentTime(turn->duration());
        QVERIFY(container->infoControl()->isVisible());
        element = container->infoControl()->background();
    }
    QGraphicsView* view = m_window->view();
    const QPoint local = view->mapFromScene(element->sceneBoundingRect().center());
    const QPointF wrapperBefore = m_window->wrapperPos();
    const int scaleBefore = m_window->scalePercent();

    m_cursor = view->viewport()->mapToGlobal(local);
    QTest::mouseMove(view->viewport(), local);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, local);
    for (int i = 1; i <= 5; ++i) {
        m_cursor += step;
        QTest::qWait(60);
    }
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, local + 5 * step);

    // Resizing keeps the hot spot still, so it shifts the top-left: only a
    // move is checked for its exact translation.
    if (moves)
        QCOMPARE(m_window->wrapperPos(), wrapperBefore + QPointF(5 * step));
    QCOMPARE(m_window->scalePercent() > scaleBefore, grows);
}

void tst_NavigationWindow::closeButtonHidesTheWindow()
{
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    Q_EMIT m_window->navigationControl()->elementClick(m_window->navigationControl()->closeButton());
    QVERIFY(!m_window->isVisible());
}

void tst_NavigationWindow::wheelAndKeysReachTheCarouselFirst()
{
    Controllers::CarouselController* carousel = m_window->carouselController();
    QList<Corvane::Gadgets::SvgControlObject*> controls;
    QObject owner;
    for (int i = 0; i < 3; ++i) {
        auto* control = new DiscControl(QString::number(i), &m_log);
        control->setParent(&owner);
        controls.append(control);
    }

    // Hidden carousel: the wheel goes on to the gadget.
    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    wheel.setDelta(120);
    m_window->handleMouseWheelEvent(&wheel);
    QCOMPARE(carousel->currentIndex(), 0);

    carousel->showCarousel(controls, 0.5);
    QVERIFY(carousel->isCarouselVisible());
    m_window->handleMouseWheelEvent(&wheel);
    QVERIFY(wheel.isAccepted());
    QCOMPARE(carousel->currentIndex(), 1);
    QCOMPARE(carousel->currentControl(), controls.at(1));

    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    m_window->handleKeyPress(&left);
    QVERIFY(left.isAccepted());
    QCOMPARE(carousel->currentIndex(), 0);
    QKeyEvent previous(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    m_window->handleKeyPress(&previous);
    QCOMPARE(carousel->currentIndex(), 2);

    carousel->hideCarousel();
    QVERIFY(!carousel->currentControl());
}

void tst_NavigationWindow::carouselResizeScalesFromTheGestureStart()
{
    Controllers::CarouselController* carousel = m_window->carouselController();
    carousel->setCarouselDelegateScaleFactor(0.5);
    const auto page = Corvane::Devices::ConfigPage::PageType(7000);
    m_window->onCarouselControlResizeRequest(1.2, page);
    m_window->onCarouselControlResizeRequest(1.4, page);
    QCOMPARE(carousel->carouselDelegateScaleFactor(), 0.7);
    QCOMPARE(Settings::guiProperties().carouselScale(page), 0.7);
    m_window->handleRelease(nullptr);
    m_window->onCarouselControlResizeRequest(2.0, page);
    QCOMPARE(carousel->carouselDelegateScaleFactor(), 1.4);
}

void tst_NavigationWindow::arabicTurnsTheLayout()
{
    using Corvane::Utilities::Localization::LanguageSettings;
    m_window->updateTranslators(LanguageSettings::ARABIC_LOCALE);
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    m_window->updateTranslators(QStringLiteral("it_IT"));
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

void tst_NavigationWindow::laterStartArguments_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("adopted");

    QTest::newRow("switch") << "/NOSERVER" << false;
    QTest::newRow("absolute project") << "@project" << true;
    QTest::newRow("relative path") << "house.vtprj" << false;
    QTest::newRow("folder") << "@folder" << false;
    QTest::newRow("fifo") << "@fifo" << false;
    QTest::newRow("device") << "/dev/zero" << false;
    QTest::newRow("not a project") << "@text" << false;
    QTest::newRow("missing") << "/nowhere/house.vtprj" << false;
}

void tst_NavigationWindow::laterStartArguments()
{
    QFETCH(QString, argument);
    QFETCH(bool, adopted);

    const QString folder = m_fixture->configPath();
    const QString project = SentrelFixture::writeProject(folder + "/house.vtprj");
    SentrelFixture::writeFile(folder + "/notes.txt", QByteArray(100, 'x'));
    ::mkfifo(QFile::encodeName(folder + "/pipe.vtprj").constData(), 0600);
    argument.replace("@project", project)
        .replace("@folder", folder)
        .replace("@fifo", folder + "/pipe.vtprj")
        .replace("@text", folder + "/notes.txt");

    LaterStart later;
    connectHandOver(later);
    LogCapture log;
    QVERIFY(!m_window->isVisible());
    QVERIFY(later.handOver({"sentrel", argument}));
    QCOMPARE(Settings::guiProperties().tempConfigFileName(), adopted ? project : QString());
    QCOMPARE(log.contains("refused 1 ("), !adopted && argument != "/NOSERVER");
    // Whatever was asked, the window comes up.
    QVERIFY(m_window->isVisible());
}

void tst_NavigationWindow::connectHandOver(LaterStart& later)
{
    connect(&later.runningInstance(), &SingleInstanceGuard::argumentsReceived, m_window.get(),
            &NavigationWindow::onAppStartRequest);
}

// Arguments of a later start in the test's folder: "house 3" names the
// project house.vtprj three times, "broken 3" three distinct broken
// projects, "missing" a project that does not exist, a switch itself.
QStringList tst_NavigationWindow::laterStartArgumentsFrom(const QStringList& tokens) const
{
    const QString folder = m_fixture->configPath();
    QStringList arguments{"sentrel"};
    int broken = 0;
    for (const QString& token : tokens) {
        const QStringList parts = token.split(' ');
        const QString& name = parts.first();
        const QString file = folder + "/" + name + ".vtprj";
        if (name != "broken" && name != "missing" && !name.startsWith('/'))
            SentrelFixture::writeProject(file);
        const int count = parts.size() > 1 ? parts.at(1).toInt() : 1;
        for (int i = 0; i < count; ++i) {
            if (name == "broken") {
                const QString path = folder + QStringLiteral("/broken-%1.vtprj").arg(broken++);
                SentrelFixture::writeFile(path, "<?xml version=\"1.0\"?><project");
                arguments.append(path);
            } else {
                arguments.append(name.startsWith('/') ? name : file);
            }
        }
    }
    return arguments;
}

void tst_NavigationWindow::laterStartOpensOnlyItsLastProject_data()
{
    QTest::addColumn<QStringList>("tokens");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("passedOver");

    QTest::newRow("10,000 copies") << QStringList{"house 10000"} << "house"
                                   << QStringList{"repeats 9999, refused 0, left unread 0"};
    QTest::newRow("copies, another project, no project")
        << QStringList{"house 10000", "flat", "missing", "/noserver"} << "flat"
        << QStringList{"switches 1, repeats 9999, refused 1 (", "missing.vtprj: not an existing regular file",
                       "left unread 1"};
    // Only the last three are read: refused, or the one opened.
    QTest::newRow("1,000 broken") << QStringList{"broken 1000"} << QString()
                                  << QStringList{"refused 3 (", "left unread 997"};
    QTest::newRow("1,000 broken, a project among the last three")
        << QStringList{"broken 998", "good", "broken 2"} << "good"
        << QStringList{"refused 2 (", "left unread 998"};
    QTest::newRow("a project before 1,000 broken") << QStringList{"good", "broken 1000"} << QString()
                                                    << QStringList{"refused 3 (", "left unread 998"};
}

// However many arguments a later start hands over, the running program reads
// at most three projects, opens the last one that reads, and logs the rest
// in one line.
void tst_NavigationWindow::laterStartOpensOnlyItsLastProject()
{
    QFETCH(QStringList, tokens);
    QFETCH(QString, opened);
    QFETCH(QStringList, passedOver);

    const QStringList arguments = laterStartArgumentsFrom(tokens);
    const QString project = opened.isEmpty() ? QString() : m_fixture->configPath() + "/" + opened + ".vtprj";
    LaterStart later;
    connectHandOver(later);
    LogCapture log;
    QVERIFY(later.handOver(arguments));
    QCOMPARE(Settings::guiProperties().tempConfigFileName(), project);
    QCOMPARE(log.lines().filter("A later start opens the project").size(), opened.isEmpty() ? 0 : 1);
    const QStringList lines = log.lines().filter("A later start handed over");
    QCOMPARE(lines.size(), 1);
    for (const QString& part : passedOver)
        QVERIFY2(lines.first().contains(part), qPrintable(lines.first()));
    QVERIFY(m_window->isVisible());
}

void tst_NavigationWindow::storedSettingsAreClamped()
{
    Corvane::Devices::GuiProperties& gui = Settings::guiProperties();
    gui.setDimension(250);
    gui.setTransparency(-5);
    gui.setPosition(QPoint(-40000, 90000));
    m_window->applyStoredSettings();
    QCOMPARE(m_window->scalePercent(), 100);
    QVERIFY(m_window->windowOpacity() > 0.99);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(available.contains(m_window->globalHotSpot()));
}

namespace {

QRect availableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

// Without a stored place the gadget starts in the middle of the screen,
// whole, with its labels, at every device pixel ratio (the CTest entries
// run this at 1, 1.5 and 2); the window covers the desktop one pixel short.
void tst_NavigationWindow::startsCentredAndWhole()
{
    Settings::guiProperties().setPosition(QPoint());
    m_window->applyStoredSettings();
    const QRect available = availableArea();
    QVERIFY((m_window->customRect().center() - available.center()).manhattanLength() <= 2);
    QVERIFY(available.contains(m_window->gadgetWithLabelsRect()));
    QVERIFY(m_window->gadgetWithLabelsRect().height() > m_window->customRect().height());
    const QRect desktop = Corvane::Utilities::WidgetUtilities::desktopGeometry(true);
    QCOMPARE(m_window->geometry(), QRect(desktop.topLeft(), desktop.size() - QSize(1, 1)));

    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QPoint centre = m_window->mapFromGlobal(m_window->customRect().center());
    QTRY_VERIFY(m_window->inputMask().contains(centre));
    // The gadget's rectangle, or (without a compositing manager) its drawn
    // disc, which the skin draws a little inside it: not a part of it.
    QVERIFY(m_window->inputMask().boundingRect().width() >= m_window->customRect().width() * 9 / 10);
}

void tst_NavigationWindow::startsInsideWherePlacedHalfOff_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("half off the right") << QPoint(1, 0);
    QTest::newRow("half off the bottom, labels off") << QPoint(0, 1);
    QTest::newRow("half off the top left") << QPoint(-1, -1);
}

// A place stored while the gadget hung half off the screen (the hot spot
// just on it) gives a gadget whole on screen, labels included, at start.
void tst_NavigationWindow::startsInsideWherePlacedHalfOff()
{
    QFETCH(QPoint, offset);
    const QRect available = availableArea();
    const QRect gadget = m_window->customRect();
    const QPoint corner = offset.x() > 0 || offset.y() > 0 ? available.bottomRight() : available.topLeft();
    const QPoint stored(offset.x() ? corner.x() - gadget.width() / 2 : available.center().x(),
                        offset.y() ? corner.y() - gadget.height() / 2 : available.center().y());
    Settings::guiProperties().setPosition(stored);
    m_window->applyStoredSettings();
    QVERIFY2(available.contains(m_window->gadgetWithLabelsRect()),
             qPrintable(QStringLiteral("%1,%2").arg(m_window->gadgetWithLabelsRect().x())
                            .arg(m_window->gadgetWithLabelsRect().bottom())));
}

void tst_NavigationWindow::screenChangeBringsTheGadgetInside_data()
{
    QTest::addColumn<bool>("availableOnly");
    QTest::newRow("screen size") << false;
    QTest::newRow("available area") << true;
}

// Dragged half off the screen, the gadget comes back inside when the screen
// changes size (or its available area does).
void tst_NavigationWindow::screenChangeBringsTheGadgetInside()
{
    QFETCH(bool, availableOnly);
    const QRect available = availableArea();
    m_window->moveTo(available.bottomRight() - QPoint(40, 40));
    QVERIFY(!available.contains(m_window->gadgetWithLabelsRect()));

    QScreen* screen = QGuiApplication::primaryScreen();
    if (availableOnly)
        Q_EMIT screen->availableGeometryChanged(screen->availableGeometry());
    else
        Q_EMIT screen->geometryChanged(screen->geometry());
    QVERIFY(available.contains(m_window->gadgetWithLabelsRect()));
}

void tst_NavigationWindow::destroyedWithCarouselAndDialogOpen()
{
    QObject owner;
    QList<Corvane::Gadgets::SvgControlObject*> controls;
    for (int i = 0; i < 2; ++i) {
        auto* control = new DiscControl(QString::number(i), &m_log);
        control->setParent(&owner);
        controls.append(control);
    }
    m_window->carouselController()->showCarousel(controls, 0.5);
    m_window->userConfigurationController()->showUserConfiguration();
    QPointer<QObject> dialog = m_window->userConfigurationController()->dialog();
    QVERIFY(dialog);

    // The controllers go before the gadget they point into; the callers'
    // controls stay theirs.
    m_window.reset();
    QVERIFY(dialog.isNull());
    QCOMPARE(owner.children().size(), 2);
    for (QObject* control : owner.children())
        QVERIFY(!static_cast<Corvane::Gadgets::SvgControlObject*>(control)->scene());
}

// The press goes through the window system, which makes the context menu
// event of it.
void tst_NavigationWindow::rightClickOpensTheContextMenu()
{
    m_window->showTo();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QMenu* menu = m_window->navigationController()->menus()->contextMenu();
    bool shown = false;
    // Runs in the menu's own event loop.
    QTimer::singleShot(0, menu, [&] {
        shown = menu->isVisible();
        menu->close();
    });
    const QPoint hotSpot = m_window->mapFromGlobal(m_window->globalHotSpot());
    QTest::mousePress(m_window->windowHandle(), Qt::RightButton, {}, hotSpot);
    QTest::mouseRelease(m_window->windowHandle(), Qt::RightButton, {}, hotSpot);
    QVERIFY(shown);
}

QTEST_MAIN(tst_NavigationWindow)
#include "tst_navigationwindow.moc"
