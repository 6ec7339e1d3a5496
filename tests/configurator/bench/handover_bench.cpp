// configurator_handover_bench: what a later start's hand-over costs the
// running editor's event loop. Hand-overs naming 2,000 copies of one small
// project, and 1,000 distinct broken projects of about 0.86 MB each (hard
// links to one file whose end is cut off, so that a reader reads each to its
// end before it refuses it). Boxes are answered at once. A timer at 5 ms
// probes the event loop from before the hand-over until the loop has been
// free for a second; prints
// "<case> longest_gap_ms=<x> handler_cpu_ms=<y> opens=<projects opened> boxes=<boxes shown>",
// the handler's CPU time being what a loaded machine does not stretch.
#include "AdminConfigurator.h"
#include "MainWindow.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "StallProbe.h"
#include "devices/serialization/XmlSerializer.h"
#include "log/Logger.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

#include <unistd.h>

using namespace Corvane;
using Devices::Serialization::XmlSerializer;

namespace {

// CPU time of the calling thread, which a loaded machine does not stretch.
qint64 threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

const int COPIES = 2000;
const int BROKEN_PROJECTS = 1000;
const qint64 PROJECT_BYTES = 860 * 1024;
const int PROBE_MS = 5;
const int QUIET_MS = 1000;

// A project of lights, as many as make it about bytes long.
QString writeProject(const QString& path, int lights)
{
    return XmlSerializer::write(*ConfiguratorTest::makeProject(1, lights), path) ? path : QString();
}

QString writeProjectOfSize(const QString& path, qint64 bytes)
{
    const int sample = 100;
    if (writeProject(path, sample).isEmpty())
        return QString();
    return writeProject(path, int(bytes * sample / QFileInfo(path).size()));
}

// The same project without its last closing tag.
QString writeBroken(const QString& good, const QString& path)
{
    QFile in(good);
    in.open(QIODevice::ReadOnly);
    QByteArray bytes = in.readAll();
    bytes.chop(bytes.size() - bytes.lastIndexOf("</"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return path;
}

void measure(const char* name, Configurator::MainWindow& window, const QStringList& arguments)
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    StallProbe probe(PROBE_MS);
    // Each project opened is a new one in the administration view.
    int opens = 0;
    const Devices::Configuration* shown = window.config();
    const QMetaObject::Connection counting =
        QObject::connect(window.adminConfigurator(), &Configurator::AdminConfigurator::contextChanged, [&] {
            opens += window.config() != shown ? 1 : 0;
            shown = window.config();
        });
    qint64 handlerCpu = 0;
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer::singleShot(10 * PROBE_MS, [&] {
        const qint64 cpu = threadCpuNanoseconds();
        window.onAppStartRequest(arguments);
        handlerCpu = threadCpuNanoseconds() - cpu;
        quiet.start(QUIET_MS);
    });
    probe.start();
    loop.exec();
    QObject::disconnect(counting);
    std::printf("%s longest_gap_ms=%.1f handler_cpu_ms=%.1f opens=%d boxes=%lld\n", name, probe.longestMs(),
                handlerCpu / 1e6, opens,
                qint64(dialogs.boxes.size()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir dir;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(dir.filePath("config")));
    QCoreApplication::setApplicationName(QStringLiteral("VantrelConfig"));
    Gadgets::ThemeProvider::initResources();
    ConfiguratorTest::initResources();
    Utilities::InitSettings::readSettings();
    // The program's default: errors only.
    Log::Logger::initialize(Log::Logger::Errors, QString());

    const QString small = writeProject(dir.filePath("small.vtprj"), 1);
    const QString large = writeProjectOfSize(dir.filePath("large.vtprj"), PROJECT_BYTES);
    const QString broken = writeBroken(large, dir.filePath("broken.vtprj"));
    if (small.isEmpty() || large.isEmpty())
        return 1;
    std::printf("small_bytes=%lld large_bytes=%lld\n", QFileInfo(small).size(), QFileInfo(large).size());
    QStringList copies{QStringLiteral("corvane-configurator")};
    for (int i = 0; i < COPIES; ++i)
        copies.append(small);
    QStringList brokenOnes{QStringLiteral("corvane-configurator")};
    for (int i = 0; i < BROKEN_PROJECTS; ++i) {
        const QString link = dir.filePath(QStringLiteral("broken-%1.vtprj").arg(i));
        ::link(QFile::encodeName(broken).constData(), QFile::encodeName(link).constData());
        brokenOnes.append(link);
    }

    Configurator::MainWindow window;
    window.resize(950, 600);
    window.show();
    measure("copies_2000", window, copies);
    measure("broken_1000", window, brokenOnes);
    return 0;
}
