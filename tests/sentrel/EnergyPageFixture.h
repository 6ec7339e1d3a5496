#pragma once

#include "Controllers/data/EnergyDevicesController.h"
#include "Controllers/navigation/NavigationController.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "simulation/ManualClock.h"

#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/GraphicsStackedBarChart.h"
#include "navigation/NavigationControl.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <memory>

// Sentrel in no-server mode on the demo project, on a manual clock, with the
// energy page open: the energy tests, pictures and bench drive it.
class EnergyPageFixture
{
public:
    static constexpr int MAIN_METER = 33;

    explicit EnergyPageFixture(const QString& demoProject,
                               const QDateTime& now = QDateTime(QDate(2024, 3, 10), QTime(14, 30)))
        : clock(now)
    {
        Corvane::Sentrel::Clock::setProgramClock(&clock);
        Corvane::Sentrel::Settings::s_instance->setSupportTransparency(true);
        Corvane::Sentrel::Settings::s_instance->setNoServer(true);
        Corvane::Sentrel::Settings::guiProperties().setTempConfigFileName(demoProject);
        window = std::make_unique<Corvane::Sentrel::NavigationWindow>();
    }
    ~EnergyPageFixture()
    {
        window.reset();
        Corvane::Sentrel::Settings::clearConfiguration();
        Corvane::Sentrel::Clock::setProgramClock(nullptr);
    }

    Corvane::Sentrel::Controllers::EnergyDevicesController* energy() const
    {
        for (auto* controller : window->navigationController()->controllers())
            if (auto* energy = qobject_cast<Corvane::Sentrel::Controllers::EnergyDevicesController*>(controller))
                return energy;
        return nullptr;
    }
    Corvane::Gadgets::NavigationControl* navigation() const { return window->navigationControl(); }

    void goHome() { window->navigationController()->goHome(); }
    // Opens a page as a click on its home icon does.
    void openPage(int pageId)
    {
        if (navigation()->currentPageId() != 0)
            goHome();
        for (const auto& icon : window->navigationController()->homeIcons())
            if (icon.id() == pageId)
                navigation()->notifyNavigationIconClicked(icon, 0, false);
    }
    void openEnergyPage()
    {
        openPage(Corvane::Sentrel::Controllers::BaseController::ENERGY_DATA_PAGE_ID);
        navigation()->setIcons(energy()->icons(), true);
    }
    // Opens the carousel on the meter, as a click on its icon does.
    void showMeter(int id)
    {
        const int position = energy()->indexOfIcon(id);
        navigation()->notifyNavigationIconClicked(energy()->icons().at(position), position, false);
    }
    Corvane::Gadgets::EnergyDataContainer* container(int id) const
    {
        energy()->createDataControls();
        return static_cast<Corvane::Gadgets::EnergyDataContainer*>(energy()->dataControl(id));
    }
    Corvane::Gadgets::EnergyDataViewControl* view(int id) const { return container(id)->energyDataViewControl(); }
    void stopGrowing(int id) const
    {
        view(id)->consumptionDisplayControl()->chartDisplay()->chart()->setUsesAnimation(false);
    }
    void ask(int id, Corvane::Gadgets::GadgetsCommon::TimespanView timespan)
    {
        view(id)->setTimespanView(timespan);
        Q_EMIT container(id)->energyDataViewOkClicked();
    }

    // The control as its scene shows it, painted into an image; a control
    // off any scene is painted alone.
    static QImage paint(Corvane::Gadgets::SvgControlObject* control, qreal scale = 1.0)
    {
        QGraphicsScene own;
        QGraphicsScene* scene = control->scene();
        if (!scene) {
            scene = &own;
            own.addItem(control);
        }
        const QRectF source = control->sceneBoundingRect();
        QImage image((source.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene->render(&painter, QRectF(), source);
        painter.end();
        if (scene == &own)
            own.removeItem(control);
        return image;
    }

    SentrelFixture fixture;
    Corvane::Sentrel::ManualClock clock;
    std::unique_ptr<Corvane::Sentrel::NavigationWindow> window;
};
