// A user's way through the energy, load-management and webserver pages of
// the demo project in no-server mode, in each built-in theme: clicks go to
// the real windows as pointer events, the program runs on a manual clock, and
// a quit and a new start on the same configuration folders bring back what
// the user changed. With CORVANE_SHOTS_DIR set every step is saved as a PNG.
#include "CarouselLookup.h"
#include "Controllers/base/CarouselController.h"
#include "Controllers/data/EnergyDevicesController.h"
#include "Controllers/data/LoadManagementController.h"
#include "Controllers/data/WebServersController.h"
#include "FavoriteWindow.h"
#include "NavigationFixture.h"
#include "scenes/MainScene.h"

#include "animation/FlipAnimator.h"
#include "carousel/CarouselView.h"
#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentBackButton.h"
#include "controls/SvgContentButton.h"
#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceCache.h"
#include "devices/GuiProperties.h"
#include "devices/LoadDevice.h"
#include "energy/DecimalValueValidator.h"
#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyConsumptionTableDisplay.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/GraphicsStackedBarChart.h"
#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "energy/LoadManagementDataControl.h"
#include "energy/WebServerDataControl.h"
#include "favorite/FavoriteControl.h"
#include "frame/SvgWindowFrame.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationControlAnimation.h"
#include "text/LineTextEditor.h"
#include "text/TextLabel.h"

#include <QAbstractAnimation>
#include <QCursor>
#include <QDir>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTest>

using namespace Corvane::Sentrel;
using namespace Corvane::Sentrel::Controllers;
using Corvane::Gadgets::EnergyDataContainer;
using Corvane::Gadgets::EnergyDataViewControl;
using Corvane::Gadgets::SvgButton;
using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Models::NavigationIcon;
namespace Common = Corvane::Gadgets::GadgetsCommon;

namespace {

// Demo project devices.
const int MAIN_METER = 33;
const int OVEN = 40;
const int GATEWAY = 1;
const double EDITED_TARIFF = 0.31;

template<typename T>
T* controllerOf(NavigationController* navigation)
{
    for (BaseController* controller : navigation->controllers())
        if (auto* found = qobject_cast<T*>(controller))
            return found;
    return nullptr;
}

// A point that hits the button: the middle of its hit pixels.
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
    return count ? sum / count : area.center();
}

// A click as the user makes it: the pointer goes to the point of the
// window's scene, and the left button goes down and up there.
void click(BaseSceneWindow* window, const QPointF& scenePos)
{
    const QPoint global = window->mapSceneToGlobal(scenePos).toPoint();
    QCursor::setPos(global);
    QWidget* viewport = window->view()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFromGlobal(global));
}

void click(BaseSceneWindow* window, SvgButton* button)
{
    QVERIFY(button);
    click(window, hitPoint(button));
}

std::unique_ptr<QGraphicsSceneMouseEvent> sceneEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneMouseEvent>(type);
    event->setScenePos(scenePos);
    event->setLastScenePos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setButtons(Qt::LeftButton);
    event->setAccepted(false);
    return event;
}

// Ends every running animation of the object's tree at once.
void finishAnimations(const QObject* root)
{
    for (QAbstractAnimation* animation : root->findChildren<QAbstractAnimation*>())
        if (!animation->group() && animation->state() == QAbstractAnimation::Running)
            animation->setCurrentTime(animation->totalDuration());
}

} // namespace

class tst_DataPagesJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void journey_data();
    void journey();
    void favouritesComeBack_data();
    void favouritesComeBack();

private:
    void start();
    void quitAndStartAgain();
    NavigationController* navigation() const { return m_fixture->navigation(); }
    NavigationWindow* window() const { return m_fixture->window.get(); }
    Corvane::Gadgets::NavigationControl* navigationControl() const { return window()->navigationControl(); }
    EnergyDevicesController* energy() const { return controllerOf<EnergyDevicesController>(navigation()); }
    LoadManagementController* loads() const { return controllerOf<LoadManagementController>(navigation()); }
    WebServersController* webServers() const { return controllerOf<WebServersController>(navigation()); }
    BaseDataControlsController* pageController(int pageId) const
    {
        for (BaseController* controller : navigation()->controllers())
            if (controller->controlledPageId() == pageId)
                return qobject_cast<BaseDataControlsController*>(controller);
        return nullptr;
    }
    EnergyDataContainer* carouselMeter(int id) const
    {
        return static_cast<EnergyDataContainer*>(energy()->dataControl(id));
    }
    // The carousel's moves and the icons' fades, ended at once.
    void settle();
    void fastCarousel();
    // The chart's bars grown to their values at once.
    static void finishChart(EnergyDataViewControl* view);
    void clickHome();
    int segmentOf(int id) const;
    void clickIcon(int id);
    void openPage(int pageId);
    void dragOut(int id, const QPoint& drop);
    void editTariff(EnergyDataContainer* container, int row, double value);
    // The meter's month total as its cache and tariff give it for the view.
    QString monthTotalText(int meterId, const EnergyDataViewControl* view) const;
    void shoot(const QString& step);

    std::unique_ptr<NavigationFixture> m_fixture;
    QString m_theme;
    // The folder of the pictures; none without CORVANE_SHOTS_DIR.
    QString m_shots;
    int m_step = 0;
};

void tst_DataPagesJourney::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_DataPagesJourney::init()
{
    m_fixture = std::make_unique<NavigationFixture>(true);
    m_step = 0;
}

void tst_DataPagesJourney::cleanup()
{
    m_fixture.reset();
}

void tst_DataPagesJourney::start()
{
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
    // The user keeps looking: the page does not go back home meanwhile.
    Settings::guiProperties().setGoHomepageTimeout(0);
    window()->applyStoredSettings();
    window()->showTo();
}

// The data carousel turns to its current item at once.
void tst_DataPagesJourney::fastCarousel()
{
    window()->mainScene()->currentView()->setHighlightMoveDuration(0);
}

void tst_DataPagesJourney::finishChart(EnergyDataViewControl* view)
{
    QPropertyAnimation* growth = view->consumptionDisplayControl()->chartDisplay()->chart()->valueAnimation();
    if (growth->state() == QAbstractAnimation::Running)
        growth->setCurrentTime(growth->totalDuration());
}

// The user quits from the menu; the program starts again on the same
// configuration folders and reads what the first run wrote.
void tst_DataPagesJourney::quitAndStartAgain()
{
    const int quits = m_fixture->quits;
    navigation()->onQuit();
    QTRY_COMPARE(m_fixture->quits, quits + 1);
    m_fixture->window.reset();
    Settings::reset();
    start();
}

void tst_DataPagesJourney::settle()
{
    fastCarousel();
    Corvane::Gadgets::NavigationControlAnimation* rotation = navigationControl()->iconsAnimation();
    if (rotation->isRunning()) {
        rotation->stop();
        rotation->onValueChanged(1.0);
    }
    finishAnimations(navigationControl());
    navigationControl()->setSegmentIconsOpacity(0.0);
    navigationControl()->setSegmentIconsOpacity(1.0);
    finishAnimations(window());
    finishAnimations(window()->carouselController());
    for (BaseController* controller : navigation()->controllers())
        for (FavoriteWindow* favourite : controller->favorites())
            finishAnimations(favourite);
}

void tst_DataPagesJourney::clickHome()
{
    click(window(), navigationControl()->homeButton());
    settle();
    QCOMPARE(navigationControl()->currentPageId(), 0);
}

int tst_DataPagesJourney::segmentOf(int id) const
{
    return CarouselLookup::segmentOf(navigationControl(), id);
}

// The carousel's arrow turns it until the icon shows, then the icon is
// clicked.
void tst_DataPagesJourney::clickIcon(int id)
{
    fastCarousel();
    for (int turns = 0; segmentOf(id) < 0 && turns < navigationControl()->icons().size(); ++turns) {
        click(window(), navigationControl()->nextButton());
        settle();
    }
    const int segment = segmentOf(id);
    QVERIFY2(segment >= 0, qPrintable(QStringLiteral("no icon %1 on the carousel").arg(id)));
    click(window(), navigationControl()->segments().at(segment));
    settle();
}

void tst_DataPagesJourney::openPage(int pageId)
{
    if (navigationControl()->currentPageId() != 0)
        clickHome();
    clickIcon(pageId);
    QCOMPARE(navigationControl()->currentPageId(), pageId);
}

// Press and hold on the device's icon, then let go beyond the gadget with
// the pointer at drop.
void tst_DataPagesJourney::dragOut(int id, const QPoint& drop)
{
    for (int turns = 0; segmentOf(id) < 0 && turns < navigationControl()->icons().size(); ++turns) {
        click(window(), navigationControl()->nextButton());
        settle();
    }
    QVERIFY(segmentOf(id) >= 0);
    const QPointF pressed = hitPoint(navigationControl()->segments().at(segmentOf(id)));
    navigationControl()->handleMousePressAndHold(sceneEvent(QEvent::GraphicsSceneMousePress, pressed).get());
    QCursor::setPos(drop);
    const QPointF outside = navigationControl()->sceneBoundingRect().bottomRight() + QPointF(300, 300);
    navigationControl()->handleMouseRelease(sceneEvent(QEvent::GraphicsSceneMouseRelease, outside).get(), nullptr);
    settle();
}

// A double click on the tariff's cell opens its editor; the user types the
// new value and presses Return.
void tst_DataPagesJourney::editTariff(EnergyDataContainer* container, int row, double value)
{
    Corvane::Gadgets::GraphicsTable* table = container->energyDataTariffControl()->table();
    Corvane::Gadgets::GraphicsTableCell* cell = table->cell(row, 3);
    QVERIFY(cell);
    Corvane::Gadgets::TextLabel* label = cell->label();
    label->handleMouseDoubleClick(
        sceneEvent(QEvent::GraphicsSceneMouseDoubleClick, label->sceneBoundingRect().center()).get());
    QVERIFY(label->isInEditState());
    QLineEdit* editor = label->editor();
    editor->selectAll();
    QTest::keyClicks(editor, Corvane::Gadgets::GraphicsTable::numberValidator(cell)->text(value));
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!label->isInEditState());
}

QString tst_DataPagesJourney::monthTotalText(int meterId, const EnergyDataViewControl* view) const
{
    const Corvane::Devices::EnergyDevice* device = energy()->energyDevice(meterId);
    const QDate month = view->monthlyViewDate().date();
    const auto* entry = device->cache()->findMonthly(month.year(), month.month());
    const double total = entry ? EnergyDevicesController::convertedEnergyValue(entry->total, view->dataType(), device) : 0.0;
    return QString::number(total, 'f', 2);
}

void tst_DataPagesJourney::shoot(const QString& step)
{
    ++m_step;
    if (m_shots.isEmpty())
        return;
    const QDir folder(m_shots);
    const auto save = [&](QGraphicsScene* scene, const QRectF& area, const QString& suffix) {
        QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(96, 104, 112));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene->render(&painter, QRectF(QPointF(), area.size()), area);
        painter.end();
        const QString name =
            QStringLiteral("%1-%2-%3%4.png").arg(m_theme).arg(m_step, 2, 10, QLatin1Char('0')).arg(step, suffix);
        QVERIFY(image.save(folder.filePath(name)));
    };
    QGraphicsScene* scene = window()->graphicsScene();
    save(scene, scene->itemsBoundingRect(), QString());
    for (FavoriteWindow* favourite : energy()->favorites()) {
        QRectF area;
        for (QGraphicsItem* item : favourite->graphicsScene()->items())
            if (item->isVisible() && !item->parentItem())
                area |= item->sceneBoundingRect();
        save(favourite->graphicsScene(), area.adjusted(-20, -20, 20, 20), QStringLiteral("-favourite"));
    }
}

void tst_DataPagesJourney::journey_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("Talvera") << QStringLiteral("TalveraTheme");
    QTest::newRow("Corvane") << QStringLiteral("CorvaneTheme");
}

void tst_DataPagesJourney::journey()
{
    QFETCH(QString, theme);
    SentrelFixture::useProgramTheme(QStringLiteral(":/") + theme);
    m_theme = theme;
    m_shots = QString::fromLocal8Bit(qgetenv("CORVANE_SHOTS_DIR"));
    if (!m_shots.isEmpty())
        QDir().mkpath(m_shots);
    start();

    // The energy page: the main meter's instant consumption ticks.
    openPage(BaseController::ENERGY_DATA_PAGE_ID);
    clickIcon(MAIN_METER);
    EnergyDataContainer* meter = carouselMeter(MAIN_METER);
    QCOMPARE(window()->carouselController()->currentControl(), meter);
    EnergyDataViewControl* view = meter->energyDataViewControl();
    Corvane::Gadgets::TextLabel* instant = view->consumptionLabel(EnergyDataViewControl::InstantConsumption);
    const QString before = instant->text();
    QVERIFY(!before.isEmpty());
    // Opened, the window shows today's hours at once.
    QCOMPARE(view->energyDataStatus(), EnergyDataViewControl::DataShown);
    finishChart(view);
    shoot(QStringLiteral("energy-meter"));
    m_fixture->clock.advance(30000);
    QVERIFY2(instant->text() != before, qPrintable(before));
    shoot(QStringLiteral("energy-meter-ticked"));

    // The month as a chart, then as a table.
    click(window(), view->button(EnergyDataViewControl::CYCLE_TIMESPAN_VIEW_BUTTON_ID));
    QCOMPARE(view->timespanView(), Common::MonthlyView);
    click(window(), view->button(EnergyDataViewControl::OK_BUTTON_ID));
    settle();
    QCOMPARE(view->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(view->consumptionDisplayControl()->chartDisplay()->hasData());
    finishChart(view);
    shoot(QStringLiteral("month-chart"));
    click(window(), view->button(EnergyDataViewControl::CYCLE_GRAPHTABLE_VIEW_BUTTON_ID));
    QCOMPARE(view->consumptionDisplayControl()->display(), Common::TableDisplay);
    shoot(QStringLiteral("month-table"));

    // The tariff face: the main meter's tariff edited; its money view shows
    // the new prices at once.
    click(window(), view->button(EnergyDataViewControl::CYCLE_CURRENCY_BUTTON_ID));
    QCOMPARE(view->dataType(), Common::MoneyData);
    Corvane::Gadgets::TextLabel* total = view->consumptionLabel(EnergyDataViewControl::TotalConsumption);
    QVERIFY2(total->text().contains(monthTotalText(MAIN_METER, view)), qPrintable(total->text()));
    const QString oldPrices = total->text();
    click(window(), view->button(EnergyDataViewControl::TARIFF_BUTTON_ID));
    finishAnimations(meter->flipAnimator());
    QVERIFY(meter->energyDataTariffFrame()->isVisible());
    editTariff(meter, 0, EDITED_TARIFF);
    QCOMPARE(energy()->energyDevice(MAIN_METER)->userTariff(), EDITED_TARIFF);
    shoot(QStringLiteral("tariff-edited"));
    click(window(), meter->energyDataTariffControl()->okButton());
    finishAnimations(meter->flipAnimator());
    QVERIFY(meter->energyDataViewFrame()->isVisible());
    QVERIFY(total->text() != oldPrices);
    QVERIFY2(total->text().contains(monthTotalText(MAIN_METER, view)), qPrintable(total->text()));
    click(window(), view->button(EnergyDataViewControl::CYCLE_CURRENCY_BUTTON_ID));

    // The load page: the oven's first counter reset from its data window.
    openPage(BaseController::LOAD_MANAGEMENT_PAGE_ID);
    shoot(QStringLiteral("loads"));
    clickIcon(OVEN);
    Corvane::Gadgets::CommandControl* ring = navigationControl()->commandControl1();
    QVERIFY(ring);
    navigationControl()->setCommandControl1ShowProgress(1.0);
    Corvane::Gadgets::SvgContentButton* info = nullptr;
    for (Corvane::Gadgets::SvgContentButton* segment : ring->oddSegments() + ring->evenSegments())
        if (ring->getButtonId(segment) == LoadManagementController::INFO_BUTTON_ID)
            info = segment;
    shoot(QStringLiteral("load-ring"));
    fastCarousel();
    click(window(), info);
    settle();
    auto* oven = static_cast<Corvane::Gadgets::LoadManagementDataControl*>(loads()->dataControl(OVEN));
    QCOMPARE(window()->carouselController()->currentControl(), loads()->dataControls().value(OVEN));
    QCOMPARE(window()->mainScene()->currentView()->currentIndex(), window()->carouselController()->currentIndex());
    click(window(), oven->button(Corvane::Gadgets::LoadManagementDataControl::RESET_COUNTER1_ID));
    const auto* ovenLoad = static_cast<const Corvane::Devices::LoadDevice*>(loads()->getDeviceById(OVEN));
    QCOMPARE(ovenLoad->counter1Data().wattHours, qint64(0));
    QCOMPARE(ovenLoad->counter1Data().since.date(), m_fixture->clock.now().date());
    shoot(QStringLiteral("load-counter-reset"));

    // The webserver page: the gateway's data window.
    openPage(BaseController::WEB_SERVERS_PAGE_ID);
    clickIcon(GATEWAY);
    auto* gateway = static_cast<Corvane::Gadgets::WebServerDataControl*>(webServers()->dataControl(GATEWAY));
    QVERIFY(window()->carouselController()->isCarouselVisible());
    QVERIFY(!gateway->valueLabel(Corvane::Gadgets::WebServerDataControl::IpAddress)->text().isEmpty());
    shoot(QStringLiteral("webserver"));

    // The main meter dragged out as a favourite, its data window opened
    // beside it by its centre button.
    openPage(BaseController::ENERGY_DATA_PAGE_ID);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    dragOut(MAIN_METER, screen.topLeft() + QPoint(screen.width() / 4, screen.height() / 3));
    FavoriteWindow* favourite = energy()->getFavoriteById(MAIN_METER);
    QVERIFY(favourite);
    QVERIFY(favourite->isVisible());
    click(favourite, favourite->favoriteControl()->centerButton());
    auto* data = static_cast<EnergyDataContainer*>(energy()->favoriteDataControl(MAIN_METER));
    QVERIFY(data && data->isVisible());
    finishChart(data->energyDataViewControl());
    const QRectF favouriteArea = favourite->mapSceneToGlobal(favourite->favoriteControl()->totalSceneBounds(true));
    const QRectF dataArea = favourite->mapSceneToGlobal(data->sceneBoundingRect());
    // Beside the favourite: touching one of its sides, covering none of it.
    QVERIFY(!favouriteArea.intersects(dataArea.adjusted(1, 1, -1, -1)));
    const auto touches = [](qreal a, qreal b) { return qAbs(a - b) <= 1.0; };
    QVERIFY(touches(dataArea.left(), favouriteArea.right()) || touches(dataArea.right(), favouriteArea.left())
            || touches(dataArea.top(), favouriteArea.bottom()) || touches(dataArea.bottom(), favouriteArea.top()));
    shoot(QStringLiteral("favourite-data-window"));
    const Corvane::Devices::UserDeviceSettings::Favorite stored = energy()->getFavoriteSettings(favourite);

    // Quit and start again: the tariff and the favourite are back.
    quitAndStartAgain();
    QCOMPARE(energy()->energyDevice(MAIN_METER)->userTariff(), EDITED_TARIFF);
    QCOMPARE(energy()->tariffModel()->energyItemAt(MAIN_METER).value(), EDITED_TARIFF);
    favourite = energy()->getFavoriteById(MAIN_METER);
    QVERIFY(favourite);
    const Corvane::Devices::UserDeviceSettings::Favorite restored = energy()->getFavoriteSettings(favourite);
    QCOMPARE(restored.x, stored.x);
    QCOMPARE(restored.y, stored.y);
    QCOMPARE(restored.scale, stored.scale);
    openPage(BaseController::ENERGY_DATA_PAGE_ID);
    clickIcon(MAIN_METER);
    click(window(), carouselMeter(MAIN_METER)->energyDataViewControl()->button(
                        EnergyDataViewControl::TARIFF_BUTTON_ID));
    finishAnimations(carouselMeter(MAIN_METER)->flipAnimator());
    shoot(QStringLiteral("after-restart"));
}

void tst_DataPagesJourney::favouritesComeBack_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("deviceId");
    // An energy meter's data window, with its date editors, is made when
    // the user first opens it with the favourite's centre button.
    QTest::addColumn<bool>("madeWhenOpened");
    QTest::newRow("energy meter") << int(BaseController::ENERGY_DATA_PAGE_ID) << MAIN_METER << true;
    QTest::newRow("load") << int(BaseController::LOAD_MANAGEMENT_PAGE_ID) << OVEN << false;
    QTest::newRow("webserver") << int(BaseController::WEB_SERVERS_PAGE_ID) << GATEWAY << false;
}

// A favourite dragged out of any data page comes back after a restart at
// its place and size, with the size its data window was given.
void tst_DataPagesJourney::favouritesComeBack()
{
    QFETCH(int, pageId);
    QFETCH(int, deviceId);
    QFETCH(bool, madeWhenOpened);
    start();
    openPage(pageId);
    auto* controller = pageController(pageId);
    QVERIFY(controller);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    dragOut(deviceId, screen.center());
    FavoriteWindow* favourite = controller->getFavoriteById(deviceId);
    QVERIFY(favourite);
    QVERIFY(controller->hasFavoriteFor(deviceId));
    QCOMPARE(controller->favoriteDataControls().contains(deviceId), !madeWhenOpened);
    if (madeWhenOpened)
        click(favourite, favourite->favoriteControl()->centerButton());
    SvgControlObject* data = controller->favoriteDataControls().value(deviceId);
    QVERIFY(data);
    QCOMPARE(data->scene(), favourite->graphicsScene());
    // The user made the window smaller and its data window larger.
    favourite->setScale(70, false);
    data->setScale(1.25);
    const Corvane::Devices::UserDeviceSettings::Favorite stored = controller->getFavoriteSettings(favourite);
    QCOMPARE(stored.opacity, 1.25);

    quitAndStartAgain();
    controller = pageController(pageId);
    favourite = controller->getFavoriteById(deviceId);
    QVERIFY(favourite);
    QCOMPARE(controller->getFavoriteSettings(favourite), stored);
    QCOMPARE(controller->favoriteDataControls().contains(deviceId), !madeWhenOpened);
    if (madeWhenOpened)
        click(favourite, favourite->favoriteControl()->centerButton());
    QCOMPARE(controller->favoriteDataControls().value(deviceId)->scale(), 1.25);
    QCOMPARE(controller->getFavoriteSettings(favourite), stored);

    // Closed, it is gone for good.
    favourite->close();
    QVERIFY(!controller->favoriteDataControls().contains(deviceId));
    quitAndStartAgain();
    QVERIFY(!pageController(pageId)->hasFavoriteFor(deviceId));
}

QTEST_MAIN(tst_DataPagesJourney)
#include "tst_datapagesjourney.moc"
