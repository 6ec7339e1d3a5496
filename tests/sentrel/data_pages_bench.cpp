// Times the energy page on the demo project, the simulated gateway answering
// at once: from OK on a meter's annual view (last twelve months) to the face
// painted, and the same view redrawn from the cache to painted.
#include "EnergyPageFixture.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace Common = Corvane::Gadgets::GadgetsCommon;

namespace {

const int WARM_UP_RUNS = 3;
const int MEASURED_RUNS = 50;

void measure(const char* name, const std::function<void()>& run)
{
    for (int i = 0; i < WARM_UP_RUNS; ++i)
        run();
    double total = 0.0;
    double worst = 0.0;
    for (int i = 0; i < MEASURED_RUNS; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        const double elapsed = timer.nsecsElapsed() / 1e6;
        total += elapsed;
        worst = std::max(worst, elapsed);
    }
    std::printf("%s mean_ms=%.3f worst_ms=%.3f\n", name, total / MEASURED_RUNS, worst);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SentrelFixture::useProgramTheme(QStringLiteral(":/CorvaneTheme"));
    EnergyPageFixture page(QStringLiteral(DEMO_PROJECT));
    page.openEnergyPage();
    const int meter = EnergyPageFixture::MAIN_METER;
    page.showMeter(meter);
    page.stopGrowing(meter);
    page.view(meter)->setTimespanView(Common::AnnualView);
    page.view(meter)->setAnnualViewDate(Common::LastTwelveMonths);
    Corvane::Gadgets::EnergyDataContainer* container = page.container(meter);

    measure("energy_year_request", [&] {
        Q_EMIT container->energyDataViewOkClicked();
        EnergyPageFixture::paint(container);
    });
    measure("energy_cache_hit", [&] {
        Q_EMIT container->energyDataCacheRequested();
        EnergyPageFixture::paint(container);
    });
    return 0;
}
