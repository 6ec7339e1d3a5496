#include "Controllers/data/BaseDataControlsController.h"
#include "Controllers/base/CarouselController.h"
#include "Controllers/data/DataWindowPlacement.h"

#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "TestSceneWindow.h"

#include "devices/ActuatorDevice.h"
#include "devices/ActuatorDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/GuiProperties.h"
#include "devices/WebServerDeviceProperties.h"
#include "navigation/NavigationControl.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Corvane::Sentrel;
using Controllers::BaseDataControlsController;
using Controllers::DataWindowPlacement;
using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::Models::NavigationIcon;

Q_DECLARE_METATYPE(DataWindowPlacement::Spot)

namespace {

const int PAGE_ID = -70;

// A data page whose devices are plain lights, one icon each.
class TestDataController : public BaseDataControlsController
{
public:
    using BaseDataControlsController::BaseDataControlsController;

    int controlledPageId() const override { return PAGE_ID; }
    Corvane::Devices::ConfigPage::PageType controlledPageType() const override
    {
        return Corvane::Devices::ConfigPage::PageType(22000);
    }
    Corvane::PravikDriver::Address::DeviceType defaultDeviceType() const override
    {
        return Corvane::PravikDriver::Address::Unknown;
    }
    void updateUIforDevice(Corvane::Devices::BaseDevice*) override {}

    int loadDevices(const Corvane::Devices::Configuration* configuration) override
    {
        clearDevices();
        m_icons.clear();
        for (const Corvane::Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* light = dynamic_cast<const Corvane::Devices::ActuatorDeviceProperties*>(properties);
            if (!light)
                continue;
            m_devices.append(new Corvane::Devices::ActuatorDevice(*light, 1));
            m_icons.append(NavigationIcon(Corvane::Gadgets::ThemeProvider::LIGHTS, properties->description(),
                                          properties->id()));
        }
        return int(m_devices.size());
    }
};

SvgControlObject* newControl(QStringList* log, const QString& name = QStringLiteral("data"))
{
    return new DiscControl(name, log);
}

} // namespace

class tst_BaseDataControlsController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void placement_data();
    void placement();
    void roundingIsPerComponent();
    void pointOnNoScreenTakesPrimaryScreen();

    void lookUps();
    void hiddenFavoriteControlStaysUntilClosed();
    void clearingDeletesBothMaps();
    void favoriteSettings();
    void favoriteSettingsRestoreDataControlScale_data();
    void favoriteSettingsRestoreDataControlScale();
    void dataWindowGoesBesideFavorite();

    void carouselFollowsDeviceOrder();
    void reorderingRebuildsShownCarousel();
    void reorderingOnAnotherPageIsNotTaken();
    void carouselIndexSelectsIcon();
    void leavingPageHidesCarousel();
    void carouselScaleIsThePagesOwn();

private:
    QList<int> addLights(int count);
    // A favourite window of the device as the user settings restore it.
    FavoriteWindow* openFavorite(int id) { return m_controller->addFavorite(id, 0, QPoint(200, 200), false, false, 80); }

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<TestDataController> m_controller;
    QStringList m_log;
};

void tst_BaseDataControlsController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_BaseDataControlsController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_controller = std::make_unique<TestDataController>(nullptr);
}

void tst_BaseDataControlsController::cleanup()
{
    m_controller.reset();
    m_project.reset();
    m_fixture.reset();
    m_log.clear();
}

QList<int> tst_BaseDataControlsController::addLights(int count)
{
    const int gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    QList<int> ids;
    for (int i = 0; i < count; ++i) {
        const int none = Corvane::Devices::DeviceAddress::EMPTY_INT_VALUE;
        Corvane::Devices::DeviceAddress address(1, i + 1, none, none);
        ids.append(m_project->addDevice(gateway, new Corvane::Devices::ActuatorDeviceProperties(
                                                     0, 2003, address, QStringLiteral("L%1").arg(i))));
    }
    m_controller->loadDevices(m_project.get());
    return ids;
}

void tst_BaseDataControlsController::placement_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRectF>("favorite");
    QTest::addColumn<QSizeF>("data");
    QTest::addColumn<DataWindowPlacement::Spot>("spot");
    QTest::addColumn<QPointF>("position");

    const QRect screen(0, 0, 1920, 1080);
    QTest::newRow("middle of the screen: right, centred")
        << screen << QRectF(900, 500, 100, 100) << QSizeF(300, 201) << DataWindowPlacement::RightCentred
        << QPointF(1000, 450);
    QTest::newRow("right edge: left, centred")
        << screen << QRectF(1800, 500, 100, 100) << QSizeF(300, 200) << DataWindowPlacement::LeftCentred
        << QPointF(1500, 450);
    QTest::newRow("exact fit on the right touches the edge: left")
        << screen << QRectF(1600, 500, 100, 100) << QSizeF(220, 200) << DataWindowPlacement::LeftCentred
        << QPointF(1380, 450);
    QTest::newRow("one pixel short of the edge fits on the right")
        << screen << QRectF(1599, 500, 100, 100) << QSizeF(220, 200) << DataWindowPlacement::RightCentred
        << QPointF(1699, 450);
    QTest::newRow("narrow screen, room above: above, centred")
        << QRect(0, 0, 400, 1080) << QRectF(150, 600, 100, 100) << QSizeF(300, 200)
        << DataWindowPlacement::AboveCentred << QPointF(50, 400);
    QTest::newRow("narrow screen, favourite at the top: below, centred")
        << QRect(0, 0, 400, 1080) << QRectF(150, 10, 100, 100) << QSizeF(300, 200)
        << DataWindowPlacement::BelowCentred << QPointF(50, 110);
    QTest::newRow("left of a screen not at the origin")
        << QRect(1920, 0, 1280, 1024) << QRectF(3100, 400, 90, 90) << QSizeF(200, 100)
        << DataWindowPlacement::LeftCentred << QPointF(2900, 395);
    // No spot fits: the nearest moves inside the screen.
    QTest::newRow("1280 x 1024, too tall above and below: below, moved up")
        << QRect(0, 0, 1280, 1024) << QRectF(560, 400, 160, 160) << QSizeF(700, 600)
        << DataWindowPlacement::BelowCentred << QPointF(290, 423);
    QTest::newRow("second screen, too tall above and below: below, moved up")
        << QRect(1920, 0, 1280, 1024) << QRectF(2500, 400, 100, 100) << QSizeF(700, 600)
        << DataWindowPlacement::BelowCentred << QPointF(2200, 423);
    QTest::newRow("larger than the screen: its top-left corner inside")
        << screen << QRectF(900, 500, 100, 100) << QSizeF(2000, 1200) << DataWindowPlacement::BelowCentred
        << QPointF(1, 1);
}

void tst_BaseDataControlsController::placement()
{
    QFETCH(QRect, screen);
    QFETCH(QRectF, favorite);
    QFETCH(QSizeF, data);
    QFETCH(DataWindowPlacement::Spot, spot);
    QFETCH(QPointF, position);

    const DataWindowPlacement::Result result = DataWindowPlacement::place(screen, favorite, QRectF(QPointF(), data));
    QCOMPARE(result.spot, spot);
    QCOMPARE(result.position, position);
}

void tst_BaseDataControlsController::roundingIsPerComponent()
{
    // Qt's own toRect() makes this 101 x 51.
    QCOMPARE(DataWindowPlacement::roundedRect(QRectF(10.4, 10.4, 100.3, 50.3)), QRect(10, 10, 100, 50));
    // Rounded per component the window's last column is 1918 and it fits
    // on the right; toRect() would reach 1919, the screen's own last column.
    const DataWindowPlacement::Result result = DataWindowPlacement::place(
        QRect(0, 0, 1920, 1080), QRectF(1500.4, 500, 100, 100), QRectF(0, 0, 319.4, 200));
    QCOMPARE(result.spot, DataWindowPlacement::RightCentred);
}

void tst_BaseDataControlsController::pointOnNoScreenTakesPrimaryScreen()
{
    QScreen* primary = QGuiApplication::primaryScreen();
    QVERIFY(primary);
    QCOMPARE(DataWindowPlacement::screenAreaAt(QPoint(-100000, -100000)), primary->availableGeometry());
}

void tst_BaseDataControlsController::lookUps()
{
    SvgControlObject* carousel5 = newControl(&m_log);
    SvgControlObject* favorite5 = newControl(&m_log);
    SvgControlObject* favorite7 = newControl(&m_log);
    SvgControlObject* shared = newControl(&m_log);
    m_controller->dataControls().insert(5, carousel5);
    m_controller->favoriteDataControls().insert(5, favorite5);
    m_controller->favoriteDataControls().insert(7, favorite7);
    m_controller->dataControls().insert(9, shared);
    m_controller->dataControls().insert(8, shared);
    DiscControl stranger(QStringLiteral("stranger"), &m_log);

    QCOMPARE(m_controller->controls(5), (QList<SvgControlObject*>{carousel5, favorite5}));
    QCOMPARE(m_controller->controls(7), QList<SvgControlObject*>{favorite7});
    QVERIFY(m_controller->controls(6).isEmpty());
    QCOMPARE(m_controller->dataControl(7), nullptr);
    QCOMPARE(m_controller->favoriteDataControl(7), favorite7);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(carousel5), 5);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(favorite7), 7);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(shared), 8);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(&stranger), -1);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(nullptr), -1);
    m_controller->dataControls().remove(9);
}

void tst_BaseDataControlsController::hiddenFavoriteControlStaysUntilClosed()
{
    const QList<int> ids = addLights(2);
    FavoriteWindow* window = openFavorite(ids.at(0));
    QPointer<SvgControlObject> favorite = newControl(&m_log);
    QPointer<SvgControlObject> other = newControl(&m_log);
    window->addRootControl(favorite);
    m_controller->favoriteDataControls().insert(ids.at(0), favorite);
    m_controller->favoriteDataControls().insert(ids.at(1), other);

    // Connected as the subclasses connect their frames' close signals.
    connect(favorite, &QObject::objectNameChanged, m_controller.get(),
            &BaseDataControlsController::hideFavoriteDataControl);
    favorite->setObjectName(QStringLiteral("closed"));
    QVERIFY(!favorite->isVisible());
    QCOMPARE(m_controller->favoriteDataControl(ids.at(0)), favorite.data());

    // A sender that is no control is ignored.
    QObject notAControl;
    connect(&notAControl, &QObject::objectNameChanged, m_controller.get(),
            &BaseDataControlsController::hideFavoriteDataControl);
    notAControl.setObjectName(QStringLiteral("x"));

    // A second window of the device, which does not hold the control,
    // leaves it where it is when it closes.
    FavoriteWindow* second = openFavorite(ids.at(0));
    second->close();
    QCOMPARE(m_controller->favoriteDataControl(ids.at(0)), favorite.data());

    const int roots = window->rootControlCount();
    QSignalSpy closing(window, &BaseSceneWindow::closing);
    window->close();
    QCOMPARE(closing.size(), 1);
    QVERIFY(favorite.isNull());
    QCOMPARE(window->rootControlCount(), roots - 1);
    QCOMPARE(m_controller->favoriteDataControl(ids.at(0)), nullptr);
    QVERIFY(!m_controller->hasFavoriteFor(ids.at(0)));
    QVERIFY(!other.isNull());
}

void tst_BaseDataControlsController::clearingDeletesBothMaps()
{
    QPointer<SvgControlObject> carousel = newControl(&m_log);
    QPointer<SvgControlObject> favorite = newControl(&m_log);
    m_controller->dataControls().insert(1, carousel);
    m_controller->favoriteDataControls().insert(1, favorite);
    m_controller->clearControls();
    QVERIFY(carousel.isNull());
    QVERIFY(favorite.isNull());
    QVERIFY(m_controller->dataControls().isEmpty());
    QVERIFY(m_controller->favoriteDataControls().isEmpty());

    QPointer<SvgControlObject> left = newControl(&m_log);
    m_controller->dataControls().insert(2, left);
    m_controller.reset();
    QVERIFY(left.isNull());
}

void tst_BaseDataControlsController::favoriteSettings()
{
    const int id = addLights(1).first();
    FavoriteWindow* window = openFavorite(id);
    const Corvane::Devices::UserDeviceSettings::Favorite withoutData = m_controller->getFavoriteSettings(window);
    QCOMPARE(withoutData.deviceId, id);
    QCOMPARE(withoutData.subDeviceId, 0);
    QCOMPARE(withoutData.pageType, 22000);
    QCOMPARE(withoutData.scale, 80.0);
    QCOMPARE(withoutData.opacity, 1.0);
    const QPointF global = window->mapSceneToGlobal(window->wrapper()->scenePos());
    QCOMPARE(withoutData.x, qRound(global.x()));
    QCOMPARE(withoutData.y, qRound(global.y()));

    SvgControlObject* data = newControl(&m_log);
    data->setScale(1.5);
    window->addRootControl(data);
    m_controller->favoriteDataControls().insert(id, data);
    QCOMPARE(m_controller->getFavoriteSettings(window).opacity, 1.5);
}

void tst_BaseDataControlsController::favoriteSettingsRestoreDataControlScale_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("restored");
    QTest::newRow("a scale") << 0.75 << 0.75;
    QTest::newRow("largest") << 2.0 << 2.0;
    QTest::newRow("beyond the largest") << 40.0 << 2.0;
    QTest::newRow("below the smallest") << 0.1 << 0.5;
    QTest::newRow("zero") << 0.0 << 1.0;
    QTest::newRow("negative") << -2.0 << 1.0;
    QTest::newRow("not a number") << std::nan("") << 1.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 1.0;
}

void tst_BaseDataControlsController::favoriteSettingsRestoreDataControlScale()
{
    QFETCH(double, stored);
    QFETCH(double, restored);
    SvgControlObject* data = newControl(&m_log);
    m_controller->favoriteDataControls().insert(12, data);
    m_controller->loadSettingsForFavorite({12, 0, 22000, 10, 10, 100, false, stored});
    QCOMPARE(data->scale(), restored);
    // A favourite without a data control is skipped.
    m_controller->loadSettingsForFavorite({13, 0, 22000, 10, 10, 100, false, 0.5});
    QCOMPARE(data->scale(), restored);
}

void tst_BaseDataControlsController::dataWindowGoesBesideFavorite()
{
    const int id = addLights(1).first();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    FavoriteWindow* window = m_controller->addFavorite(id, 0, screen.center(), true, false, 100);
    SvgControlObject* data = newControl(&m_log);
    window->addRootControl(data);
    m_controller->favoriteDataControls().insert(id, data);

    m_controller->positionDataWindow(window, id);

    const QRectF favorite = window->mainControl()->totalSceneBounds(true);
    const QRectF placed = data->mapRectToScene(data->boundingRect());
    QCOMPARE(placed.left(), favorite.right());
    QCOMPARE(placed.top(), favorite.top() - std::trunc((placed.height() - favorite.height()) / 2));
    window->close();
    QVERIFY(!m_controller->favoriteDataControl(id));
}

void tst_BaseDataControlsController::carouselFollowsDeviceOrder()
{
    const QList<int> ids = addLights(3);
    SvgControlObject* first = newControl(&m_log);
    SvgControlObject* third = newControl(&m_log);
    m_controller->dataControls().insert(ids.at(0), first);
    m_controller->dataControls().insert(ids.at(2), third);

    QList<SvgControlObject*> list{third};
    m_controller->collectCarouselControls(list);
    QCOMPARE(list, (QList<SvgControlObject*>{first, third}));
    m_controller->reorderIcons({ids.at(2), ids.at(1), ids.at(0)});
    m_controller->collectCarouselControls(list);
    QCOMPARE(list, (QList<SvgControlObject*>{third, first}));
}

void tst_BaseDataControlsController::reorderingRebuildsShownCarousel()
{
    Settings::s_instance->setSupportTransparency(true);
    NavigationWindow window;
    m_controller = std::make_unique<TestDataController>(&window);
    m_controller->initialize();
    const QList<int> ids = addLights(2);
    SvgControlObject* first = newControl(&m_log, QStringLiteral("first"));
    SvgControlObject* second = newControl(&m_log, QStringLiteral("second"));
    m_controller->dataControls().insert(ids.at(0), first);
    m_controller->dataControls().insert(ids.at(1), second);
    Corvane::Gadgets::NavigationControl* navigation = window.navigationControl();
    navigation->setIcons(m_controller->icons(), false);
    navigation->setCurrentPageId(PAGE_ID);

    m_controller->showCarousel();
    Controllers::CarouselController* carousel = window.carouselController();
    QVERIFY(carousel->isCarouselVisible());
    QCOMPARE(carousel->carouselControls(), (QList<SvgControlObject*>{first, second}));

    QList<NavigationIcon> reordered = m_controller->icons();
    std::reverse(reordered.begin(), reordered.end());
    navigation->setIcons(reordered, true);
    QVERIFY(m_controller->handleIconsReordered());
    QVERIFY(carousel->isCarouselVisible());
    QCOMPARE(carousel->carouselControls(), (QList<SvgControlObject*>{second, first}));

    // The carousel lets go of the controls before they are deleted.
    m_controller->clearControls();
    QVERIFY(!carousel->isCarouselVisible());
    m_controller.reset();
}

void tst_BaseDataControlsController::reorderingOnAnotherPageIsNotTaken()
{
    Settings::s_instance->setSupportTransparency(true);
    NavigationWindow window;
    m_controller = std::make_unique<TestDataController>(&window);
    const QList<int> ids = addLights(2);
    QList<NavigationIcon> reordered = m_controller->icons();
    std::reverse(reordered.begin(), reordered.end());
    window.navigationControl()->setIcons(reordered, true);
    window.navigationControl()->setCurrentPageId(-10);
    QVERIFY(!m_controller->handleIconsReordered());
    QCOMPARE(m_controller->icons().first().id(), ids.first());
    m_controller.reset();
}

void tst_BaseDataControlsController::carouselIndexSelectsIcon()
{
    Settings::s_instance->setSupportTransparency(true);
    NavigationWindow window;
    m_controller = std::make_unique<TestDataController>(&window);
    m_controller->initialize();
    const QList<int> ids = addLights(3);
    for (int id : ids)
        m_controller->dataControls().insert(id, newControl(&m_log));
    Corvane::Gadgets::NavigationControl* navigation = window.navigationControl();
    navigation->setIcons(m_controller->icons(), false);
    navigation->setCurrentPageId(PAGE_ID);
    m_controller->showCarousel();

    m_controller->handleCarouselIndexChanged(2);
    QCOMPARE(navigation->icons().value(navigation->selectedIconIndex()).id(), ids.at(2));
    // An index past the icons selects nothing new.
    m_controller->handleCarouselIndexChanged(3);
    QCOMPARE(navigation->icons().value(navigation->selectedIconIndex()).id(), ids.at(2));
    m_controller.reset();
}

void tst_BaseDataControlsController::leavingPageHidesCarousel()
{
    Settings::s_instance->setSupportTransparency(true);
    NavigationWindow window;
    m_controller = std::make_unique<TestDataController>(&window);
    const QList<int> ids = addLights(1);
    m_controller->dataControls().insert(ids.first(), newControl(&m_log));
    Corvane::Gadgets::NavigationControl* navigation = window.navigationControl();
    navigation->setIcons(m_controller->icons(), false);
    navigation->setCurrentPageId(PAGE_ID);
    m_controller->showCarousel();
    QVERIFY(window.carouselController()->isCarouselVisible());

    m_controller->pageChanged();
    QVERIFY(window.carouselController()->isCarouselVisible());
    navigation->setCurrentPageId(0);
    m_controller->pageChanged();
    QVERIFY(!window.carouselController()->isCarouselVisible());
    QCOMPARE(window.carouselController()->currentIndex(), 0);
    m_controller.reset();
}

// A resize of a carousel data window scales the carousel and is kept for
// this page alone; leaving full-screen mode on the page restores it.
void tst_BaseDataControlsController::carouselScaleIsThePagesOwn()
{
    Settings::s_instance->setSupportTransparency(true);
    NavigationWindow window;
    m_controller = std::make_unique<TestDataController>(&window);
    Settings::guiProperties().setCarouselScale(Corvane::Devices::ConfigPage::PageType(22000), 0.8);
    Settings::guiProperties().setCarouselScale(Corvane::Devices::ConfigPage::PageType(18000), 1.2);
    QCOMPARE(m_controller->carouselScale(), 0.8);

    Controllers::CarouselController* carousel = window.carouselController();
    const double before = carousel->carouselDelegateScaleFactor();
    m_controller->onCarouselControlResizeRequest(1.5);
    QCOMPARE(carousel->carouselDelegateScaleFactor(), before * 1.5);
    QCOMPARE(m_controller->carouselScale(), before * 1.5);
    QCOMPARE(Settings::guiProperties().carouselScale(Corvane::Devices::ConfigPage::PageType(18000)), 1.2);

    carousel->setCarouselDelegateScaleFactor(0.3);
    window.navigationControl()->setCurrentPageId(-10);
    m_controller->handleFullScreenExit();
    QCOMPARE(carousel->carouselDelegateScaleFactor(), 0.3);
    window.navigationControl()->setCurrentPageId(PAGE_ID);
    m_controller->handleFullScreenExit();
    QCOMPARE(carousel->carouselDelegateScaleFactor(), before * 1.5);
    m_controller.reset();
}

QTEST_MAIN(tst_BaseDataControlsController)
#include "tst_basedatacontrolscontroller.moc"
