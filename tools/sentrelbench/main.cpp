// Benchmark of Sentrel (run by hand, on a Release build):
//
//     sentrel_bench [runs]
//
// start_bare / start_floor / start_sentrel: time from process start to the
// main window's first painted frame, offscreen, with fresh XDG folders and no
// Updater, of a bare translucent window, of the skinned floor (a translucent
// frameless window drawing the theme's navigation background and one line
// of text) and of "sentrel /noserver /logverbose" on the demo project; the
// floor and Sentrel are started alternately, and start_ratio is Sentrel's
// mean over the floor's. start_sentrel_1000: the same start on a generated
// project of 1000 devices across every page. open_page_1000: in that
// project, a click on the lighting icon of the home page (the largest page)
// until its icons are painted once, in a separate process (sentrel_bench
// --open-page <project> <runs>). input_mask_1920x1080: one click-through
// mask update (render the gadget's rectangle, find its visible pixels) of a
// 1920 x 1080 window.
// idle_cpu_percent: CPU used by an idle sentrel over 10 s, in percent of one
// core.
#include "Controllers/lighting/ActuatorsController.h"
#include "Controllers/navigation/NavigationController.h"
#include "NavigationWindow.h"
#include "Settings.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/ShutterDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/Utilities.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "navigation/NavigationControl.h"
#include "theme/ThemeProvider.h"
#include "utilities/InputMaskUpdater.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsView>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace Corvane;

namespace {

const int LARGE_PROJECT_DEVICES = 1000;

struct Figures
{
    double mean = 0.0;
    double worst = 0.0;
};

Figures summarise(const QList<double>& values)
{
    Figures figures;
    for (double value : values) {
        figures.mean += value / values.size();
        figures.worst = std::max(figures.worst, value);
    }
    return figures;
}

QProcessEnvironment freshEnvironment(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* name : {"CORVANE_CONFIG_DIR", "CORVANE_DATA_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    for (const QString folder : {"config", "data", "state", "cache", "runtime"}) {
        QDir(home.path()).mkpath(folder);
        environment.insert("XDG_" + folder.toUpper() + "_HOME", home.path() + "/" + folder);
    }
    QFile::setPermissions(home.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                        | QFileDevice::ExeOwner);
    environment.insert("XDG_RUNTIME_DIR", home.path() + "/runtime");
    environment.insert("CORVANE_UPDATER", "/nonexistent/updater");
    return environment;
}

// Milliseconds from the start to the first-frame line; -1 on failure.
double timeToFirstFrame(const QString& program, const QStringList& arguments, QProcess* keep = nullptr)
{
    QTemporaryDir home;
    QProcess own;
    QProcess& process = keep ? *keep : own;
    process.setProcessEnvironment(freshEnvironment(home));
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    QByteArray output;
    while (clock.elapsed() < 20000 && process.waitForReadyRead(20000)) {
        output += process.readAll();
        if (output.contains("first frame painted")) {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            if (!keep) {
                process.kill();
                process.waitForFinished();
            }
            return elapsed;
        }
    }
    process.kill();
    process.waitForFinished();
    return -1.0;
}

void print(const char* name, const QList<double>& times)
{
    const Figures figures = summarise(times);
    std::printf("%s mean_ms=%.1f worst_ms=%.1f\n", name, figures.mean, figures.worst);
    std::fflush(stdout);
}

struct Start
{
    const char* name;
    QString program;
    QStringList arguments;
    QList<double> times = {};
};

// Starts each program once per run, in turn, so that both see the same
// load of the machine; false when one failed.
bool startAlternately(QList<Start>& starts, int runs)
{
    for (int run = 0; run < runs; ++run)
        for (Start& start : starts) {
            const double time = timeToFirstFrame(start.program, start.arguments);
            if (time < 0) {
                std::printf("%s failed\n", start.name);
                return false;
            }
            start.times.append(time);
        }
    for (const Start& start : starts)
        print(start.name, start.times);
    return true;
}

Devices::DeviceAddress deviceAddress(int area, int point, int level)
{
    return Devices::DeviceAddress(area, point, level, Devices::DeviceAddress::DEFAULT_INTERFACE_VALUE, 0, {});
}

// One device of every page in turn, lights twice, so that the lighting page
// is the largest.
Devices::BaseDeviceProperties* createDevice(int index)
{
    using namespace Devices;
    const int id = Devices::Utilities::emtpyDeviceId();
    const int area = 1 + (index / 9) % 9;
    const int point = 1 + (index / 81) % 9;
    const int riser = DeviceAddress::LEVEL_PRIVATE_RISER;
    const int empty = DeviceAddress::EMPTY_INT_VALUE;
    const QString name = QStringLiteral("Device %1").arg(index + 1);
    switch (index % 9) {
    case 0:
    case 1: return new ActuatorDeviceProperties(id, 2003, deviceAddress(area, point, riser), name);
    case 2:
        return new SensorDeviceProperties(id, 21002, deviceAddress(area, point, DeviceAddress::DEFAULT_LEVEL_VALUE), name);
    case 3: return new ShutterDeviceProperties(id, 3001, deviceAddress(area, point, riser), name);
    case 4:
        return new ScenarioDeviceProperties(id, 1002, deviceAddress(area, point, DeviceAddress::DEFAULT_LEVEL_VALUE), name);
    case 5:
        return new ThermoregulationDeviceProperties(id, 8003, DeviceAddress(area, point, empty, empty, 0, {}), name);
    case 6: return new AmplifierDeviceProperties(id, deviceAddress(area, point, riser), name);
    case 7: return new EnergyDeviceProperties(id, 7051, DeviceAddress(area, point, empty, empty, 0, {}), name, 0);
    default: return new LoadDeviceProperties(id, 18001, DeviceAddress(area, point, empty, empty, 0, {}), name, true);
    }
}

// A project of LARGE_PROJECT_DEVICES devices on two gateways; empty on
// failure.
QString writeLargeProject(const QString& folder)
{
    Devices::Configuration project(true);
    QList<int> servers;
    for (int i = 1; i <= 2; ++i) {
        const Devices::DeviceNetworkAddress address(0, QStringLiteral("10.0.0.%1").arg(i), 0, QStringLiteral("12345"));
        servers.append(
            project.addDevice(new Devices::WebServerDeviceProperties(-1, address, QStringLiteral("Plant %1").arg(i))));
    }
    for (int i = 0; i < LARGE_PROJECT_DEVICES; ++i)
        project.addDevice(servers.at(i % 2), createDevice(i));
    const QString path = folder + QStringLiteral("/large.vtprj");
    return Devices::Serialization::XmlSerializer::write(project, path) ? path : QString();
}

void inputMask(int runs)
{
    QTemporaryDir config;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(config.path()));
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::setNoConfigurationModeOn();
    Sentrel::NavigationWindow window;
    window.setArea(QRectF(0, 0, 1921, 1081));
    window.setScale(50, true);
    window.moveTo(QPoint(800, 400));
    // The program paints its window before any mask update; so does the
    // bench, filling the controls' caches.
    QPoint warmOffset;
    window.createWindowImage(&warmOffset);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        QPoint offset;
        const QImage image = window.createWindowImage(&offset);
        const QRegion region = Utilities::InputMaskUpdater::visibleRegion(image, offset);
        times.append(clock.nsecsElapsed() / 1e6);
        if (region.isEmpty()) {
            std::printf("input_mask_1920x1080 failed\n");
            return;
        }
    }
    const Figures figures = summarise(times);
    std::printf("input_mask_1920x1080 mean_ms=%.2f worst_ms=%.2f\n", figures.mean, figures.worst);
}

double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    // After the command: state is field 3; utime and stime are 14 and 15.
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

void idleCpu(const QString& sentrel, const QStringList& arguments)
{
    QProcess process;
    if (timeToFirstFrame(sentrel, arguments, &process) < 0) {
        std::printf("idle_cpu_percent failed\n");
        return;
    }
    QThread::sleep(2);
    const double before = cpuSeconds(process.processId());
    QThread::sleep(10);
    const double after = cpuSeconds(process.processId());
    process.kill();
    process.waitForFinished();
    std::printf("idle_cpu_percent value=%.2f\n", (after - before) / 10.0 * 100.0);
}

// Whether every icon of the page is among those on the carousel (which
// repeats icons to fill its ring).
bool showsEveryIcon(const QList<Gadgets::Models::NavigationIcon>& shown,
                    const QList<Gadgets::Models::NavigationIcon>& page)
{
    return std::all_of(page.cbegin(), page.cend(), [&shown](const Gadgets::Models::NavigationIcon& icon) {
        return std::any_of(shown.cbegin(), shown.cend(),
                           [&icon](const Gadgets::Models::NavigationIcon& s) { return s.id() == icon.id(); });
    });
}

// The open_page_1000 case, run in a process of its own: the window loads the
// project as Sentrel does in no-server mode.
int openPage(const QString& project, int runs)
{
    QTemporaryDir config;
    QTemporaryDir data;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(config.path()));
    qputenv("CORVANE_DATA_DIR", QFile::encodeName(data.path()));
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    Gadgets::ThemeProvider::setThemeFile(QString());
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::s_instance->setNoServer(true);
    Sentrel::Settings::guiProperties().setTempConfigFileName(project);
    Sentrel::NavigationWindow window;
    window.showTo();
    QCoreApplication::processEvents();

    Sentrel::Controllers::NavigationController* navigation = window.navigationController();
    auto* lighting = qobject_cast<Sentrel::Controllers::ActuatorsController*>(navigation->controllers().value(0));
    if (!lighting || lighting->icons().isEmpty()) {
        std::printf("open_page_1000 failed: the project did not load\n");
        return 1;
    }
    QWidget* viewport = window.view()->viewport();
    Gadgets::NavigationControl* carousel = window.navigationControl();
    // The icons change places when the fade has hidden the old ones: that
    // moment is brought forward, the fade is not waited for.
    const auto endFade = [carousel] {
        carousel->setSegmentIconsOpacity(0.0);
        carousel->setSegmentIconsOpacity(1.0);
    };
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        navigation->goHome();
        endFade();
        viewport->repaint();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        const QList<Gadgets::Models::NavigationIcon> home = carousel->icons();
        for (int i = 0; i < home.size(); ++i)
            if (home.at(i).id() == Sentrel::Controllers::BaseController::LIGHTS_PAGE_ID)
                carousel->notifyNavigationIconClicked(home.at(i), carousel->getSegmentIndexByIcon(i), false);
        endFade();
        viewport->repaint();
        times.append(clock.nsecsElapsed() / 1e6);
        if (carousel->currentPageId() != Sentrel::Controllers::BaseController::LIGHTS_PAGE_ID
            || !showsEveryIcon(carousel->icons(), lighting->icons())) {
            std::printf("open_page_1000 failed: the lighting page did not open\n");
            return 1;
        }
    }
    const Figures figures = summarise(times);
    std::printf("open_page_1000 mean_ms=%.2f worst_ms=%.2f\n", figures.mean, figures.worst);
    return 0;
}

void openPageInOwnProcess(const QString& project, int runs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    std::fflush(stdout);
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--open-page"), project, QString::number(runs)});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        std::printf("open_page_1000 failed\n");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc > 3 && QByteArray(argv[1]) == "--open-page")
        return openPage(QString::fromLocal8Bit(argv[2]), std::max(1, atoi(argv[3])));
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString folder = QCoreApplication::applicationDirPath();
    const QString sentrel = folder + QStringLiteral("/sentrel");
    const QStringList options{QStringLiteral("/noserver"), QStringLiteral("/logverbose")};
    const QStringList arguments =
        options + QStringList{QDir::cleanPath(folder + QStringLiteral("/../share/corvane/demo.vtprj"))};

    QList<Start> bare{{"start_bare", folder + QStringLiteral("/sentrel_bench_bare"), {}}};
    startAlternately(bare, runs);
    QList<Start> floorAndSentrel{{"start_floor", folder + QStringLiteral("/sentrel_bench_floor"), {}},
                                 {"start_sentrel", sentrel, arguments}};
    if (startAlternately(floorAndSentrel, runs))
        std::printf("start_ratio value=%.2f\n",
                    summarise(floorAndSentrel.at(1).times).mean / summarise(floorAndSentrel.at(0).times).mean);

    QTemporaryDir projects;
    const QString large = writeLargeProject(projects.path());
    if (large.isEmpty()) {
        std::printf("start_sentrel_1000 failed: the project was not written\n");
    } else {
        QList<Start> largeStart{{"start_sentrel_1000", sentrel, options + QStringList{large}}};
        startAlternately(largeStart, runs);
        openPageInOwnProcess(large, std::max(runs, 20));
    }
    inputMask(std::max(runs, 20));
    idleCpu(sentrel, arguments);
    return 0;
}
