#include "EnergyPageFixture.h"
#include "FavoriteWindow.h"
#include "SceneView.h"
#include "SceneInput.h"

#include "Controllers/data/LoadManagementController.h"
#include "Controllers/data/EnergyDeviceInfo.h"
#include "Controllers/data/WebServersController.h"
#include "simulation/ClockTimer.h"
#include "simulation/PseudoDriver.h"

#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceCache.h"
#include "devices/LoadDevice.h"
#include "devices/WebServerDevice.h"
#include "carousel/CarouselView.h"
#include "energy/EnergyConsumptionTableDisplay.h"
#include "energy/EnergyDataTariffControl.h"
#include "frame/SvgWindowFrame.h"
#include "hosting/NavigationQMLWrapper.h"
#include "devices/UserConfigurationProperties.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"
#include "energy/DecimalValueValidator.h"
#include "animation/FlipAnimator.h"
#include "controls/SvgContentBackButton.h"
#include "energy/EnergyDataViewTableModel.h"
#include "energy/GraphicsProgressBar.h"
#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "text/LineTextEditor.h"
#include "text/TextLabel.h"
#include "utilities/PathProvider.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QDateTimeEdit>
#include <QPainter>
#include <QScreen>
#include <QGraphicsView>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <cmath>

using namespace Corvane::Sentrel;
using Corvane::Devices::EnergyDevice;
using Corvane::Gadgets::EnergyDataViewControl;
using Corvane::Gadgets::Models::NavigationIcon;
namespace Common = Corvane::Gadgets::GadgetsCommon;

namespace {
const int SOLAR = 34;
const int WATER = 35;
const int GAS = 36;
// Loads at the areas of the main meter and of the water meter.
const int WASHING_MACHINE = 39;
const int OVEN = 40;
} // namespace

// The energy page of the demo project in no-server mode, on the real scene
// objects: every meter answers through the simulated gateway.
class tst_EnergyPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { SentrelFixture::useProgramTheme(); }
    void init() { m_page = std::make_unique<EnergyPageFixture>(QStringLiteral(DEMO_PROJECT)); }
    void cleanup() { m_page.reset(); }
    void everyMeterHasItsStatusAtStartUp();
    void openPageTicksInstantValues();
    void leavingThePageStopsAllButFavourites();
    void typedTariffIsWrittenAtOnce();
    void numbersReadInTheLocale();
    void closingWithThePageShownStopsEveryMeter_data();
    void closingWithThePageShownStopsEveryMeter();
    void views_data();
    void views();
    void yearOfTheSimulatedGateway();
    void dataWindowsAreMadeWhenTheCarouselFirstShows();
    void meterAndLoadAtOneAreaKeepTheirOwnMessages();
    void slotsStillToComeHaveNoData();
    void carouselDataWindowOpensDrawn();
    void metersCountByTheGatewaysClock();
    void carouselDataWindowFollowsTheFaceShown();
    void favouriteDataWindowTurnedStaysOnScreen();
    void smallPanelsDrawnOpaqueKeepTheirBackgrounds();

private:
    Controllers::LoadManagementController* loads() const;
    static QList<QDateTimeEdit*> dateEditors();
    int activeUpdateTimers() const;
    EnergyDevice* meter(int id) const { return m_page->energy()->energyDevice(id); }
    Corvane::Devices::LoadDevice* load(int id) const;
    Corvane::Gadgets::CarouselView* carouselView() const;
    static void turnToTariffs(Corvane::Gadgets::EnergyDataContainer* container);

    std::unique_ptr<EnergyPageFixture> m_page;
};

int tst_EnergyPage::activeUpdateTimers() const
{
    int active = 0;
    for (auto* driver : m_page->energy()->drivers())
        for (const auto& record : static_cast<PseudoDriver*>(driver)->energyDeviceAutoUpdates())
            active += record.timer()->isActive();
    return active;
}

void tst_EnergyPage::everyMeterHasItsStatusAtStartUp()
{
    Controllers::EnergyDevicesController* energy = m_page->energy();
    QVERIFY(energy);
    QCOMPARE(energy->icons().size(), 6);
    for (const NavigationIcon& icon : energy->icons()) {
        QCOMPARE(icon.state(), NavigationIcon::Normal);
        QVERIFY(meter(icon.id())->isNewInterfaceInUse());
        QVERIFY(m_page->view(icon.id())->areControlsEnabled());
    }
    // Nobody looks: no meter sends its values.
    QCOMPARE(activeUpdateTimers(), 0);
    QVERIFY(!energy->autoUpdateTimer()->isActive());
}

void tst_EnergyPage::openPageTicksInstantValues()
{
    // The user keeps looking at the page: no going back home meanwhile.
    Settings::guiProperties().setGoHomepageTimeout(0);
    m_page->openEnergyPage();
    QCOMPARE(m_page->navigation()->currentPageId(), -90);
    QCOMPARE(activeUpdateTimers(), 6);
    QVERIFY(meter(EnergyPageFixture::MAIN_METER)->hasValue());
    QList<double> before;
    for (const NavigationIcon& icon : m_page->energy()->icons())
        before.append(meter(icon.id())->instantValue());
    m_page->clock.advance(30000);
    QList<double> after;
    for (const NavigationIcon& icon : m_page->energy()->icons())
        after.append(meter(icon.id())->instantValue());
    QVERIFY(before != after);
    QVERIFY(!m_page->view(GAS)->consumptionLabel(EnergyDataViewControl::InstantConsumption)->text().isEmpty());
}

void tst_EnergyPage::leavingThePageStopsAllButFavourites()
{
    m_page->openEnergyPage();
    // Dragged out of the carousel.
    Q_EMIT m_page->navigation()->requestShortcut(m_page->energy()->icons().at(m_page->energy()->indexOfIcon(SOLAR)));
    QVERIFY(m_page->energy()->getFavoriteById(SOLAR));
    m_page->goHome();
    QCOMPARE(activeUpdateTimers(), 1);
    QVERIFY(m_page->energy()->infoForDevice(meter(SOLAR))->hasAutoUpdateStarted());
    m_page->energy()->getFavoriteById(SOLAR)->close();
    QCOMPARE(activeUpdateTimers(), 0);
}

// A double click on the main meter's tariff, a new one typed, Return: the
// settings file holds it at once, with no quit to come.
void tst_EnergyPage::typedTariffIsWrittenAtOnce()
{
    m_page->window->showTo();
    m_page->openEnergyPage();
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    Corvane::Gadgets::EnergyDataContainer* container = m_page->container(EnergyPageFixture::MAIN_METER);
    const auto* tariffs = m_page->view(EnergyPageFixture::MAIN_METER)->button(EnergyDataViewControl::TARIFF_BUTTON_ID);
    QVERIFY(tariffs);
    SceneInput::click(m_page->window.get(), tariffs->sceneBoundingRect().center());
    for (QAbstractAnimation* animation : container->flipAnimator()->findChildren<QAbstractAnimation*>())
        if (!animation->group() && animation->state() == QAbstractAnimation::Running)
            animation->setCurrentTime(animation->totalDuration());
    QVERIFY(container->energyDataTariffFrame()->isVisible());
    Corvane::Gadgets::GraphicsTable* table = container->energyDataTariffControl()->table();
    Corvane::Gadgets::GraphicsTableCell* cell = table->cell(0, 3);
    QVERIFY(cell);
    Corvane::Gadgets::TextLabel* label = cell->label();
    const QPoint at = SceneInput::viewportPoint(m_page->window.get(), label->sceneBoundingRect().center());
    QTest::mouseDClick(m_page->window->view()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(label->isInEditState());
    const double typed = 0.31;
    label->editor()->selectAll();
    QTest::keyClicks(label->editor(), Corvane::Gadgets::GraphicsTable::numberValidator(cell)->text(typed));
    QTest::keyClick(label->editor(), Qt::Key_Return);
    QCOMPARE(meter(EnergyPageFixture::MAIN_METER)->userTariff(), typed);

    Corvane::Devices::UserConfigurationProperties written;
    QString error;
    QVERIFY2(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(
                 Corvane::Utilities::PathProvider::currentUserConfigFileName(), Settings::devicesConfiguration()->id(),
                 &written, true, &error),
             qPrintable(error));
    QVERIFY(written.userSettings().hasItemTariff(EnergyPageFixture::MAIN_METER));
    QCOMPARE(written.userSettings().itemTariff(EnergyPageFixture::MAIN_METER), typed);
}

// In German every number of the main meter's month reads with a decimal
// comma: the instant value, the total and the average above the chart, and
// the cells of its table, as the tariff beside them does.
void tst_EnergyPage::numbersReadInTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    m_page->openEnergyPage();
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    m_page->ask(EnergyPageFixture::MAIN_METER, Common::MonthlyView);
    EnergyDataViewControl* view = m_page->view(EnergyPageFixture::MAIN_METER);
    QCOMPARE(view->energyDataStatus(), EnergyDataViewControl::DataShown);
    static const QRegularExpression germanNumber(QStringLiteral("\\d,\\d\\d"));
    static const QRegularExpression pointNumber(QStringLiteral("\\d\\.\\d{1,2}(\\D|$)"));
    for (auto which : {EnergyDataViewControl::InstantConsumption, EnergyDataViewControl::TotalConsumption,
                       EnergyDataViewControl::AverageConsumption}) {
        const QString text = view->consumptionLabel(which)->text();
        QVERIFY2(text.contains(germanNumber) && !text.contains(pointNumber), qPrintable(text));
    }
    const auto* table = view->consumptionDisplayControl()->tableDisplay()->model();
    QVERIFY(table->rowCount() > 0);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString cell = table->data(row, 1, Common::TextRole).toString();
        QVERIFY2(cell.isEmpty() || (cell.contains(u',') && !cell.contains(pointNumber)), qPrintable(cell));
    }
}

void tst_EnergyPage::closingWithThePageShownStopsEveryMeter_data()
{
    QTest::addColumn<bool>("quit");
    QTest::newRow("quit") << true;
    QTest::newRow("project switch") << false;
}

// The page shows six meters sending their values; quitting, or a later
// start naming a project, stops each of them for good on the gateway the
// page's project used.
void tst_EnergyPage::closingWithThePageShownStopsEveryMeter()
{
    QFETCH(bool, quit);
    using Controllers::NavigationController;
    const NavigationController::Seams installed = NavigationController::seams();
    const auto restoreSeams = qScopeGuard([&installed] { NavigationController::setSeams(installed); });
    NavigationController::Seams seams = installed;
    seams.quitApplication = [] {};
    NavigationController::setSeams(seams);
    m_page->openEnergyPage();
    QCOMPARE(activeUpdateTimers(), 6);
    QList<QPointer<PseudoDriver>> gateways;
    for (auto* driver : m_page->energy()->drivers())
        gateways.append(static_cast<PseudoDriver*>(driver));

    if (quit)
        m_page->window->navigationController()->onQuit();
    else
        m_page->window->onAppStartRequest({QStringLiteral("sentrel"), QStringLiteral(DEMO_PROJECT)});
    int running = 0;
    for (const QPointer<PseudoDriver>& gateway : std::as_const(gateways)) {
        QVERIFY(gateway);
        for (const auto& record : gateway->energyDeviceAutoUpdates())
            running += record.timer()->isActive();
    }
    QCOMPARE(running, 0);
}

void tst_EnergyPage::views_data()
{
    QTest::addColumn<int>("timespan");
    QTest::addColumn<int>("mode");
    QTest::newRow("today") << 0 << 0;
    QTest::newRow("this month by day") << 1 << 0;
    QTest::newRow("this month by hour") << 1 << 1;
    QTest::newRow("last twelve months") << 2 << 0;
}

void tst_EnergyPage::views()
{
    QFETCH(int, timespan);
    QFETCH(int, mode);
    m_page->openEnergyPage();
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    EnergyDataViewControl* view = m_page->view(EnergyPageFixture::MAIN_METER);
    view->setMonthlyViewMode(Common::MonthlyViewMode(mode));
    m_page->ask(EnergyPageFixture::MAIN_METER, Common::TimespanView(timespan));

    const auto* record = m_page->energy()->infoForDevice(meter(EnergyPageFixture::MAIN_METER));
    QVERIFY(!record->conversation().shouldReceiveResponses());
    QVERIFY(!record->conversation().responseTimer()->isActive());
    QVERIFY(view->areControlsEnabled());
    QCOMPARE(view->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(!view->progressBar()->isVisible());
    QVERIFY(!view->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().isEmpty());
    QCOMPARE(view->consumptionDisplayControl()->chartDisplay()->hasData(), true);
}

// Twelve month totals, each the sum of its days up to today: the current
// month is no bigger than its days so far allow.
void tst_EnergyPage::yearOfTheSimulatedGateway()
{
    m_page->openEnergyPage();
    m_page->ask(GAS, Common::AnnualView);
    const auto* entry = meter(GAS)->cache()->findAnnual(Common::LastTwelveMonths);
    QVERIFY(entry);
    QCOMPARE(entry->monthTotals.size(), 12);
    QCOMPARE(entry->firstMonth, QDate(2023, 4, 1));
    // A home's gas meter reads 2 m³ an hour at most.
    const int hourMaximum = 2;
    QVERIFY(entry->monthTotals.value(QDate(2024, 3, 1)) <= 10 * 24 * hourMaximum);
    QVERIFY(entry->monthTotals.value(QDate(2024, 1, 1)) > 10 * 24 * hourMaximum);
}

Controllers::LoadManagementController* tst_EnergyPage::loads() const
{
    for (auto* controller : m_page->window->navigationController()->controllers())
        if (auto* loads = qobject_cast<Controllers::LoadManagementController*>(controller))
            return loads;
    return nullptr;
}

QList<QDateTimeEdit*> tst_EnergyPage::dateEditors()
{
    QList<QDateTimeEdit*> editors;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* editor = qobject_cast<QDateTimeEdit*>(widget))
            editors.append(editor);
    return editors;
}

// Start-up makes the data pages' icons only; their data windows, with the
// energy views' date editors, come when the carousel first shows them, and
// then show what the meters reported meanwhile.
void tst_EnergyPage::dataWindowsAreMadeWhenTheCarouselFirstShows()
{
    Controllers::EnergyDevicesController* energy = m_page->energy();
    QVERIFY(loads());
    QVERIFY(energy->dataControls().isEmpty());
    QVERIFY(energy->favoriteDataControls().isEmpty());
    QVERIFY(loads()->dataControls().isEmpty());
    QVERIFY(dateEditors().isEmpty());
    for (const Models::EnergyDeviceInfo* record : energy->deviceInfos())
        QVERIFY(record->dialogs().isEmpty());

    m_page->openEnergyPage();
    QVERIFY(energy->dataControls().isEmpty());
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    QList<int> shown;
    for (const NavigationIcon& icon : energy->icons())
        shown.append(icon.id());
    QCOMPARE(energy->dataControls().keys(), shown);
    QVERIFY(energy->favoriteDataControls().isEmpty());
    QVERIFY(!dateEditors().isEmpty());
    for (const Models::EnergyDeviceInfo* record : energy->deviceInfos()) {
        const int id = record->device()->id();
        QCOMPARE(record->carouselDialog(), energy->dataControl(id));
        QCOMPARE(m_page->view(id)->itemName(), record->device()->name());
        QVERIFY(m_page->view(id)->areControlsEnabled());
        QCOMPARE(m_page->view(id)->consumptionLabel(EnergyDataViewControl::InstantConsumption)->text().isEmpty(),
                 !record->device()->hasValue());
    }
    // Shown again, the carousel keeps its windows.
    const auto made = energy->dataControls();
    m_page->goHome();
    m_page->openEnergyPage();
    m_page->showMeter(GAS);
    QCOMPARE(energy->dataControls(), made);

    m_page->goHome();
    QVERIFY(loads()->dataControls().isEmpty());
    loads()->showCarousel();
    QList<int> loadIds;
    for (const Corvane::Devices::BaseDevice* device : loads()->devices())
        loadIds.append(device->id());
    QCOMPARE(loads()->dataControls().keys(), loadIds);
}

Corvane::Devices::LoadDevice* tst_EnergyPage::load(int id) const
{
    return static_cast<Corvane::Devices::LoadDevice*>(loads()->getDeviceById(id));
}

// The demo project has a meter and a load at each of the areas 1, 2 and 3 of
// one gateway: each page takes only its own devices' messages.
void tst_EnergyPage::meterAndLoadAtOneAreaKeepTheirOwnMessages()
{
    Settings::guiProperties().setGoHomepageTimeout(0);
    QCOMPARE(meter(WATER)->address().area(), load(OVEN)->address().area());
    QVERIFY(m_page->energy()->addressText(meter(WATER))
            != loads()->getAddressText(load(OVEN)->address(), loads()->defaultDeviceType(),
                                       Corvane::PravikDriver::Address::Compare));

    // The oven sends its power while the load page shows it.
    m_page->openPage(Controllers::BaseController::LOAD_MANAGEMENT_PAGE_ID);
    m_page->clock.advance(60000);
    QVERIFY(load(OVEN)->currentData() > 0);
    QVERIFY(!meter(WATER)->hasValue());
    QVERIFY(!m_page->energy()->infoForDevice(meter(WATER))->hasAutoUpdateStarted());

    // The main meter sends its values while the energy page shows it; the
    // washing machine, a load without statistics, is never told any power.
    m_page->openEnergyPage();
    m_page->clock.advance(60000);
    QVERIFY(meter(EnergyPageFixture::MAIN_METER)->hasValue());
    QCOMPARE(load(WASHING_MACHINE)->currentData(), 0);
}

// Today is 10 March, 14:30 by the gateway: the month's days after today,
// and today's hours after the current one, have no data yet: no bar and an
// empty table cell, not a 0. The totals are the sums of the bars.
void tst_EnergyPage::slotsStillToComeHaveNoData()
{
    const int main = EnergyPageFixture::MAIN_METER;
    m_page->openEnergyPage();
    m_page->showMeter(main);
    m_page->stopGrowing(main);
    EnergyDataViewControl* view = m_page->view(main);
    const auto* display = view->consumptionDisplayControl();
    const auto checkSlots = [&](int count, int passed) {
        const auto data = display->chartDisplay()->chart()->data();
        QCOMPARE(data.size(), count);
        double sum = 0.0;
        for (int slot = 0; slot < count; ++slot) {
            QCOMPARE(data.at(slot).second.isEmpty(), slot >= passed);
            QCOMPARE(std::isnan(display->chartDisplay()->chart()->currentLayer(0).at(slot)), slot >= passed);
            QCOMPARE(display->tableDisplay()->model()->data(slot, 1, Common::TextRole).toString().isEmpty(),
                     slot >= passed);
            sum += data.at(slot).second.value(0);
        }
        const QString total = view->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text();
        QVERIFY2(qAbs(total.section(QLatin1Char(' '), 1, 1).toDouble() - sum) < 0.006, qPrintable(total));
    };
    m_page->ask(main, Common::MonthlyView);
    checkSlots(31, 10);
    m_page->ask(main, Common::DailyView);
    checkSlots(24, 15);
}

// The carousel's data window of a meter opens drawn: what nothing is known
// of is asked at once; a day a favourite's window fetched a minute earlier
// is drawn from the cache, not asked again.
void tst_EnergyPage::carouselDataWindowOpensDrawn()
{
    Settings::guiProperties().setGoHomepageTimeout(0);
    m_page->openEnergyPage();
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    QCOMPARE(m_page->view(EnergyPageFixture::MAIN_METER)->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(!m_page->view(EnergyPageFixture::MAIN_METER)
                 ->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().isEmpty());

    Q_EMIT m_page->navigation()->requestShortcut(m_page->energy()->icons().at(m_page->energy()->indexOfIcon(SOLAR)));
    FavoriteWindow* favourite = m_page->energy()->getFavoriteById(SOLAR);
    QVERIFY(favourite);
    m_page->energy()->handleFavoriteCenterClick(favourite);
    const QDate today = m_page->clock.now().date();
    const auto* day = meter(SOLAR)->cache()->findDaily(today);
    QVERIFY(day);
    const QDateTime fetched = day->lastUpdated;
    m_page->clock.advance(60000);
    m_page->showMeter(SOLAR);
    EnergyDataViewControl* view = m_page->view(SOLAR);
    QCOMPARE(view->energyDataStatus(), EnergyDataViewControl::DataShown);
    QVERIFY(!view->consumptionLabel(EnergyDataViewControl::TotalConsumption)->text().isEmpty());
    QCOMPARE(meter(SOLAR)->cache()->findDaily(today)->lastUpdated, fetched);
}

// The simulated gateway tells its clock's time: the webserver page shows it
// and the meters' days and hours are counted by it.
void tst_EnergyPage::metersCountByTheGatewaysClock()
{
    const QDateTime now = m_page->clock.now();
    Controllers::WebServersController* webServers = nullptr;
    for (auto* controller : m_page->window->navigationController()->controllers())
        if (auto* found = qobject_cast<Controllers::WebServersController*>(controller))
            webServers = found;
    QVERIFY(webServers);
    QVERIFY(!webServers->devices().isEmpty());
    const auto* gateway = static_cast<const Corvane::Devices::WebServerDevice*>(webServers->devices().first());
    QCOMPARE(QDateTime(gateway->date(), gateway->time()), now);
    QCOMPARE(m_page->energy()->energyDeviceCurrentDate(meter(EnergyPageFixture::MAIN_METER)), now);
}

QTEST_MAIN(tst_EnergyPage)
#include "tst_energypage.moc"

Corvane::Gadgets::CarouselView* tst_EnergyPage::carouselView() const
{
    const auto* host = qobject_cast<Corvane::Gadgets::Utilities::NavigationQMLWrapper*>(m_page->window->wrapper());
    return host ? host->pathView() : nullptr;
}

// As the tariff button does: the face turns, half-way the tariff face shows.
void tst_EnergyPage::turnToTariffs(Corvane::Gadgets::EnergyDataContainer* container)
{
    Q_EMIT container->energyDataViewControl()->tariffClicked();
    QTRY_VERIFY_WITH_TIMEOUT(container->energyDataTariffFrame()->isVisible(), 5000);
}

// The tariff face is wider and lower than the data face. Turned to it, the
// carousel's data window is as large as the tariff face, inside the screen's
// available area, and no other meter's panel shows around it.
void tst_EnergyPage::carouselDataWindowFollowsTheFaceShown()
{
    Settings::guiProperties().setGoHomepageTimeout(0);
    // Small enough on the test's screen for the panels beside it to show.
    Settings::guiProperties().setCarouselScale(m_page->energy()->controlledPageType(), 0.6);
    m_page->window->show();
    m_page->openEnergyPage();
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    Corvane::Gadgets::EnergyDataContainer* container = m_page->container(EnergyPageFixture::MAIN_METER);
    const QGraphicsItem* shown = container->parentItem();
    QVERIFY(shown && shown->isVisible());

    turnToTariffs(container);
    QCOMPARE(shown->boundingRect().size(), container->energyDataTariffFrame()->boundingRect().size());
    const QRectF current = shown->sceneBoundingRect();
    QVERIFY(carouselView()->keepInsideArea().contains(current));
    int others = 0;
    for (const NavigationIcon& icon : m_page->energy()->icons()) {
        const QGraphicsItem* other = m_page->container(icon.id())->parentItem();
        if (icon.id() == EnergyPageFixture::MAIN_METER || !other->isVisible())
            continue;
        ++others;
        QVERIFY2(!other->sceneBoundingRect().intersects(current), qPrintable(QString::number(icon.id())));
    }
    QVERIFY(others > 0);

    Q_EMIT container->energyDataTariffControl()->okClicked();
    QTRY_VERIFY_WITH_TIMEOUT(container->energyDataViewFrame()->isVisible(), 5000);
    QCOMPARE(shown->boundingRect().size(), container->energyDataViewFrame()->boundingRect().size());
    QVERIFY(carouselView()->keepInsideArea().contains(shown->sceneBoundingRect()));
}

// A meter's favourite data window the user moved against the screen's edge
// turns to the wider tariff face: it moves in, whole on the screen.
void tst_EnergyPage::favouriteDataWindowTurnedStaysOnScreen()
{
    m_page->openEnergyPage();
    Q_EMIT m_page->navigation()->requestShortcut(m_page->energy()->icons().at(m_page->energy()->indexOfIcon(SOLAR)));
    FavoriteWindow* favourite = m_page->energy()->getFavoriteById(SOLAR);
    QVERIFY(favourite);
    m_page->energy()->handleFavoriteCenterClick(favourite);
    auto* container = static_cast<Corvane::Gadgets::EnergyDataContainer*>(m_page->energy()->favoriteDataControl(SOLAR));
    QVERIFY(container && container->isVisible());
    const QRect area = favourite->screen()->availableGeometry();
    const auto global = [favourite, container] { return favourite->mapSceneToGlobal(container->sceneBoundingRect()); };
    container->setPos(container->pos() + QPointF(area.right() - 2 - global().right(), 0));
    QVERIFY(area.contains(global().toAlignedRect()));

    turnToTariffs(container);
    QCOMPARE(global().size(), container->energyDataTariffFrame()->boundingRect().size() * container->scale());
    QVERIFY2(area.contains(global().toAlignedRect()), qPrintable(QStringLiteral("%1 %2").arg(global().left()).arg(global().right())));
}

// Without a compositing manager the view draws each pixel opaque or not at
// all: a faded panel around the gadget would keep only its text. There the
// other meters' panels are drawn whole, as the current one is; with a
// compositing manager back they fade again down the path.
void tst_EnergyPage::smallPanelsDrawnOpaqueKeepTheirBackgrounds()
{
    Settings::guiProperties().setGoHomepageTimeout(0);
    Settings::guiProperties().setCarouselScale(m_page->energy()->controlledPageType(), 0.6);
    m_page->window->show();
    m_page->openEnergyPage();
    m_page->showMeter(EnergyPageFixture::MAIN_METER);
    auto* view = static_cast<SceneView*>(m_page->window->view());
    const auto panelOpacities = [this] {
        QList<qreal> opacities;
        for (const NavigationIcon& icon : m_page->energy()->icons()) {
            const QGraphicsItem* panel = m_page->container(icon.id())->parentItem();
            if (icon.id() != EnergyPageFixture::MAIN_METER && panel->isVisible())
                opacities.append(panel->effectiveOpacity());
        }
        return opacities;
    };
    QVERIFY(!panelOpacities().isEmpty());

    view->setDrawsOpaqueOnly(true);
    for (qreal opacity : panelOpacities())
        QCOMPARE(opacity, 1.0);

    view->setDrawsOpaqueOnly(false);
    for (qreal opacity : panelOpacities())
        QVERIFY(opacity < 1.0);
}
