// Paints the energy page and a meter's data face (month chart, then table)
// in both built-in themes, for looking at: energy_pictures <folder>.
#include "EnergyPageFixture.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsView>

namespace Common = Corvane::Gadgets::GadgetsCommon;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("energy-pictures");
    QDir().mkpath(folder);
    for (const QString& theme : { QStringLiteral("Corvane"), QStringLiteral("Talvera") }) {
        SentrelFixture::useProgramTheme(QStringLiteral(":/%1Theme").arg(theme));
        EnergyPageFixture page(QStringLiteral(DEMO_PROJECT));
        page.window->resize(1000, 800);
        page.window->show();
        page.openEnergyPage();
        const int meter = EnergyPageFixture::MAIN_METER;
        page.showMeter(meter);
        page.stopGrowing(meter);
        page.view(meter)->setConsumptionDisplay(Common::ChartDisplay);
        page.ask(meter, Common::MonthlyView);
        application.processEvents();
        page.window->view()->grab().save(folder + QStringLiteral("/energy-page-%1.png").arg(theme));
        EnergyPageFixture::paint(page.container(meter)).save(folder + QStringLiteral("/energy-month-chart-%1.png").arg(theme));
        page.view(meter)->setConsumptionDisplay(Common::TableDisplay);
        EnergyPageFixture::paint(page.container(meter)).save(folder + QStringLiteral("/energy-month-table-%1.png").arg(theme));
        page.view(meter)->setConsumptionDisplay(Common::ChartDisplay);
        page.ask(meter, Common::AnnualView);
        EnergyPageFixture::paint(page.container(meter)).save(folder + QStringLiteral("/energy-year-chart-%1.png").arg(theme));
    }
    return 0;
}
