// Renders the energy and data faces into PNG pictures for a visual check:
//     gadgets_energy_gallery [output folder]
// Each built-in theme gives <theme>_energy_<view>_<chart|table>.png for a
// day, a month and a year, <theme>_energy_loading.png,
// <theme>_energy_nodata.png, <theme>_energy_frame.png (the gadget in its
// frame), <theme>_tariff.png, <theme>_load.png, <theme>_load_notice.png and
// <theme>_webserver.png.

#include "GalleryHelpers.h"
#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/GraphicsStackedBarChart.h"
#include "energy/LoadManagementDataControl.h"
#include "energy/WebServerDataControl.h"
#include "theme/ThemeProvider.h"
#include "utilities/DateUtilities.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QLocale>

#include <cmath>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;
using Series = AbstractEnergyConsumptionDisplay::Series;

namespace {

// Saves the picture of one face: the face and a margin around it.
void saveFace(QGraphicsScene& scene, const QGraphicsItem* face, const QString& path, const QColor& background,
              qreal scale)
{
    const QRectF area = face->sceneBoundingRect().adjusted(-10, -10, 10, 10);
    GalleryHelpers::saveImage(GalleryHelpers::renderScene(scene, area, background, scale), path);
}

const QDateTime End(QDate(2024, 6, 15), QTime(18, 40));

Series series(int count, const std::function<QString(int)>& label, double scale)
{
    Series data;
    for (int i = 0; i < count; ++i) {
        const double value = scale * (1.2 + std::sin(i * 0.7) + 0.6 * std::cos(i * 0.31));
        data.append({label(i), {value, value * 0.3}});
    }
    return data;
}

Series dataOf(TimespanView view)
{
    switch (view) {
    case DailyView:
        return series(24, [](int i) { return QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')); }, 0.4);
    case MonthlyView:
        return series(30, [](int i) { return QString::number(i + 1); }, 6.0);
    case AnnualView:
        return series(12, [](int i) { return QLocale::c().monthName(i + 1, QLocale::ShortFormat); }, 180.0);
    }
    return {};
}

EnergyDataViewControl* addFace(QGraphicsScene& scene)
{
    auto* face = new EnergyDataViewControl(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW), nullptr);
    scene.addItem(face);
    face->consumptionDisplayControl()->chartDisplay()->chart()->setUsesAnimation(false);
    face->setItemName("Heat pump");
    face->setEndDate(End);
    face->setDailyViewDate(End.addDays(-1));
    face->setMonthlyViewDate(End);
    face->setMeasurementUnit("kWh");
    face->setCurrency("EUR");
    face->setLastUpdated(End);
    face->setTotalConsumption("412.75");
    face->setInstantUnits("kW", "EUR/h");
    face->setInstantConsumption("1.32");
    face->setAverageConsumption("13.76");
    return face;
}

void renderViews(const QString& prefix, const QColor& background)
{
    const QStringList names{"day", "month", "year"};
    for (TimespanView view : {DailyView, MonthlyView, AnnualView}) {
        for (ConsumptionDisplay display : {ChartDisplay, TableDisplay}) {
            QGraphicsScene scene;
            EnergyDataViewControl* face = addFace(scene);
            face->setTimespanView(view);
            face->setConsumptionDisplay(display);
            face->setConsumptionDisplayData(dataOf(view));
            saveFace(scene, face,
                                      QStringLiteral("%1_energy_%2_%3.png")
                                          .arg(prefix, names.at(view), display == ChartDisplay ? "chart" : "table"),
                                      background, 2.0);
        }
    }
    {
        QGraphicsScene scene;
        EnergyDataViewControl* face = addFace(scene);
        face->setTimespanView(MonthlyView);
        face->setProgressRange(0, 100);
        face->setProgress(40);
        face->enableControls(false);
        saveFace(scene, face, prefix + QStringLiteral("_energy_loading.png"), background, 2.0);
    }
    {
        QGraphicsScene scene;
        EnergyDataViewControl* face = addFace(scene);
        face->setTimespanView(AnnualView);
        face->setConsumptionDisplayData({});
        saveFace(scene, face, prefix + QStringLiteral("_energy_nodata.png"), background, 2.0);
    }
}

void renderFramedGadget(const QString& prefix, const QColor& background)
{
    QGraphicsScene scene;
    auto* container = new EnergyDataContainer();
    scene.addItem(container);
    EnergyDataViewControl* face = container->energyDataViewControl();
    face->consumptionDisplayControl()->chartDisplay()->chart()->setUsesAnimation(false);
    container->setItemName("Heat pump");
    container->setTitleText("Energy data: Heat pump");
    face->setMeasurementUnit("kWh");
    face->setTimespanView(MonthlyView);
    face->setConsumptionDisplayData(dataOf(MonthlyView));
    saveFace(scene, container, prefix + QStringLiteral("_energy_frame.png"), background, 1.5);
}

void renderTariff(const QString& prefix, const QColor& background)
{
    QGraphicsScene scene;
    auto* face = new EnergyDataTariffControl(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_TARIFF), nullptr);
    scene.addItem(face);
    Models::EnergyDataTariffModel model;
    model.setThemeElementId("energy_tariff");
    const QStringList families{"Electricity", "Water", "Gas", "Heating"};
    for (int i = 0; i < 12; ++i)
        model.addEnergyItem(i, Models::EnergyTariffItemData(QStringLiteral("Meter %1").arg(i + 1), 100 + i,
                                                            families.at(i % 4), 0.18 + 0.05 * i, "EUR",
                                                            i % 4 == 0 ? "kWh" : "m3"));
    face->setTariffTableModel(&model);
    saveFace(scene, face, prefix + QStringLiteral("_tariff.png"), background, 2.0);
}

void renderLoad(const QString& prefix, const QColor& background, bool supported)
{
    QGraphicsScene scene;
    auto* face = new LoadManagementDataControl(ThemeProvider::getRendererFor(ThemeProvider::LOAD_MANAGEMENT_VIEW));
    scene.addItem(face);
    face->setControlId("load");
    face->setInstantData(1834.5, "W");
    face->setCounterData(LoadManagementDataControl::FirstCounter, QDateTime(QDate(2024, 1, 1), QTime(0, 0)), 1523.42,
                         "kWh");
    face->setCounterData(LoadManagementDataControl::SecondCounter, QDateTime(QDate(2024, 6, 1), QTime(7, 30)), 88.1,
                         "kWh");
    face->setUpdateTime(End);
    face->setSupportsInfo(supported);
    saveFace(scene, face, prefix + (supported ? QStringLiteral("_load.png") : QStringLiteral("_load_notice.png")),
                              background, 2.0);
}

void renderWebServer(const QString& prefix, const QColor& background)
{
    QGraphicsScene scene;
    auto* face = new WebServerDataControl(ThemeProvider::getRendererFor(ThemeProvider::WEB_SERVER_VIEW));
    scene.addItem(face);
    face->setWebServerName("Gateway");
    face->setDeviceArticle("CV-GW 4110");
    face->setFirmwareVersion("3.1.4");
    face->setAddressType(WebServerDataControl::Automatic);
    face->setUnivocalCode(25);
    face->setIPAddress("192.168.1.35");
    face->setSubNetMask("255.255.255.0");
    face->setMacAddress("00:1A:2B:3C:4D:5E");
    face->setUptimeSecs(93784);
    face->setTime(End.time());
    face->setDate(End.date());
    face->setLinkWeb("http://192.168.1.35");
    saveFace(scene, face, prefix + QStringLiteral("_webserver.png"), background, 2.0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Corvane::Utilities::DateUtilities::setCurrentDate(End.date());
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor& background) {
        renderViews(prefix, background);
        renderFramedGadget(prefix, background);
        renderTariff(prefix, background);
        renderLoad(prefix, background, true);
        renderLoad(prefix, background, false);
        renderWebServer(prefix, background);
    });
    return 0;
}
