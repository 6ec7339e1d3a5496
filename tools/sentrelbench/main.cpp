// Benchmark of Sentrel (run by hand, on a Release build):
//
//     sentrel_bench [runs]
//
// start_bare / start_sentrel: time from process start to the main window's
// first painted frame, offscreen, with fresh XDG folders and no Updater, of
// a bare translucent window and of "sentrel /noserver /logverbose" on the
// demo project. input_mask_1920x1080: one click-through mask update (render
// the gadget's rectangle, find its visible pixels) of a 1920 x 1080 window.
// idle_cpu_percent: CPU used by an idle sentrel over 10 s, in percent of one
// core.
#include "NavigationWindow.h"
#include "Settings.h"

#include "theme/ThemeProvider.h"
#include "utilities/InputMaskUpdater.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace Corvane;

namespace {

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

void startUp(const char* name, const QString& program, const QStringList& arguments, int runs)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        const double time = timeToFirstFrame(program, arguments);
        if (time < 0) {
            std::printf("%s failed\n", name);
            return;
        }
        times.append(time);
    }
    const Figures figures = summarise(times);
    std::printf("%s mean_ms=%.1f worst_ms=%.1f\n", name, figures.mean, figures.worst);
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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString folder = QCoreApplication::applicationDirPath();
    const QString sentrel = folder + QStringLiteral("/sentrel");
    const QStringList arguments{QStringLiteral("/noserver"), QStringLiteral("/logverbose"),
                                QDir::cleanPath(folder + QStringLiteral("/../share/corvane/demo.vtprj"))};
    startUp("start_bare", folder + QStringLiteral("/sentrel_bench_bare"), {}, runs);
    startUp("start_sentrel", sentrel, arguments, runs);
    inputMask(std::max(runs, 20));
    idleCpu(sentrel, arguments);
    return 0;
}
