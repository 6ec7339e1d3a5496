// Times what a later start's hand-over costs the running program's event
// loop: the main window takes a hand-over naming 1,000 distinct broken
// projects of about 0.86 MB each (hard links to one file whose end is cut off, so
// that a reader reads each to its end before it refuses it). A timer at 5 ms
// probes the event loop from before the hand-over until the loop has been
// free for a second; prints
// "<case> longest_gap_ms=<x> handler_ms=<y> handler_cpu_ms=<z> opened=<project>",
// the handler's CPU time being what a loaded machine does not stretch.
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "StallProbe.h"
#include "TestSceneWindow.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/GuiProperties.h"
#include "devices/Utilities.h"
#include "log/Logger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include <unistd.h>

using namespace Corvane;

namespace {

// CPU time of the calling thread, which a loaded machine does not stretch.
qint64 threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

const int BROKEN_PROJECTS = 1000;
const qint64 PROJECT_BYTES = 860 * 1024;
const int PROBE_MS = 5;
const int QUIET_MS = 1000;

// A project of lights, as many as make it PROJECT_BYTES long.
QString writeLargeProject(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    Devices::Configuration project(true, {});
    const int server = project.addDevice(new Devices::WebServerDeviceProperties(
        Devices::Utilities::emtpyDeviceId(), Devices::DeviceNetworkAddress(Devices::DeviceNetworkAddress::StaticIp,
                                                                  QStringLiteral("127.0.0.1"), 0, QStringLiteral("1")),
        QStringLiteral("Plant")));
    for (int light = 0; QFileInfo(path).size() < PROJECT_BYTES; light += 100) {
        for (int i = light; i < light + 100; ++i)
            project.addDevice(server, new Devices::ActuatorDeviceProperties(
                                          Devices::Utilities::emtpyDeviceId(), 2003,
                                          Devices::DeviceAddress::defaultAddress().cloneWithPointId(1 + i % 9),
                                          QStringLiteral("Light %1").arg(i)));
        Devices::Serialization::XmlSerializer::write(project, path);
    }
    return path;
}

// The same project without its last closing tag.
QString writeBroken(const QString& good, const QString& path)
{
    QFile file(good);
    file.open(QIODevice::ReadOnly);
    QByteArray bytes = file.readAll();
    bytes.chop(bytes.size() - bytes.lastIndexOf("</"));
    SentrelFixture::writeFile(path, bytes);
    return path;
}

void measure(const char* name, Sentrel::NavigationWindow& window, const QStringList& arguments)
{
    StallProbe probe(PROBE_MS);
    qint64 handler = 0;
    qint64 handlerCpu = 0;
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer::singleShot(10 * PROBE_MS, [&] {
        QElapsedTimer handling;
        handling.start();
        const qint64 cpu = threadCpuNanoseconds();
        window.onAppStartRequest(arguments);
        handlerCpu = threadCpuNanoseconds() - cpu;
        handler = handling.nsecsElapsed();
        quiet.start(QUIET_MS);
    });
    probe.start();
    loop.exec();
    const QString opened = Sentrel::Settings::guiProperties().tempConfigFileName();
    std::printf("%s longest_gap_ms=%.1f handler_ms=%.1f handler_cpu_ms=%.1f opened=%s\n", name, probe.longestMs(),
                handler / 1e6, handlerCpu / 1e6,
                opened.isEmpty() ? "none" : qPrintable(QFileInfo(opened).fileName()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SentrelFixture::useProgramTheme();
    SentrelFixture fixture;
    // The program's default: errors only.
    Log::Logger::initialize(Log::Logger::Errors, QString());
    Sentrel::Settings::s_instance->setSupportTransparency(true);
    Sentrel::Settings::setNoConfigurationModeOn();
    QPoint cursor;
    Sentrel::NavigationWindow window(nullptr, std::make_unique<ScriptedCursor>(&cursor));

    const QString folder = fixture.configPath() + QStringLiteral("/handed");
    const QString good = writeLargeProject(folder + QStringLiteral("/good.vtprj"));
    const QString broken = writeBroken(good, folder + QStringLiteral("/broken.vtprj"));
    std::printf("project_bytes=%lld\n", QFileInfo(good).size());
    QStringList arguments{QStringLiteral("sentrel")};
    for (int i = 0; i < BROKEN_PROJECTS; ++i) {
        const QString link = folder + QStringLiteral("/broken-%1.vtprj").arg(i);
        ::link(QFile::encodeName(broken).constData(), QFile::encodeName(link).constData());
        arguments.append(link);
    }
    measure("broken_1000", window, arguments);
    measure("good_then_broken_1000", window, QStringList{arguments.first(), good} + arguments.mid(1));
    measure("broken_1000_then_good", window, arguments + QStringList{good});
    return 0;
}
