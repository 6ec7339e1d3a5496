// configurator_bench: opens a generated project of 1000 and one of 10000
// devices (every family, two gateways) in the main window offscreen and edits
// one description in each.
// Prints "<case> mean_ms=<x> worst_ms=<y>" over 20 runs after 2 warm-ups;
// a case ends when the window's grab() returns.
#include "AdminConfigurator.h"
#include "DefaultDevices.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "MainWindow.h"
#include "devices/Configuration.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Corvane;
using namespace Corvane::Configurator;
using Node = DevicesTreeModel::NodeType;

namespace {

constexpr int WARM_UPS = 2;
constexpr int RUNS = 20;

QString writeProject(const QString& folder, int devices)
{
    Devices::Configuration project(true);
    QList<int> servers;
    for (int i = 1; i <= 2; ++i) {
        const Devices::DeviceNetworkAddress address(0, QStringLiteral("10.0.0.%1").arg(i), 0, QStringLiteral("12345"));
        servers.append(project.addDevice(new Devices::WebServerDeviceProperties(-1, address, QStringLiteral("Plant %1").arg(i))));
    }
    const QList<Node> families{Node::NodeLights,    Node::NodeSensors,         Node::NodeAutomation,
                               Node::NodeScenarios, Node::NodeThermoregulation, Node::NodeSoundSystem,
                               Node::NodeEnergy,    Node::NodeLoad};
    for (int i = 0; i < devices; ++i) {
        Devices::BaseDeviceProperties* device = DefaultDevices::createDevice(families.at(i % families.size()));
        device->setDescription(QStringLiteral("Device %1").arg(i + 1));
        device->setAddress(device->address().cloneWithAreaId(1 + (i / 8) % 9).cloneWithPointId(1 + (i / 72) % 9));
        project.addDevice(servers.at(i % 2), device);
    }
    const QString path = folder + QStringLiteral("/bench_%1.vtprj").arg(devices);
    return Devices::Serialization::XmlSerializer::write(project, path) ? path : QString();
}

void measure(const char* name, const std::function<void()>& prepare, const std::function<void()>& run, QWidget& window)
{
    QList<double> times;
    for (int i = 0; i < WARM_UPS + RUNS; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        window.grab();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (i >= WARM_UPS)
            times.append(ms);
    }
    double sum = 0;
    for (double t : times)
        sum += t;
    std::printf("%s mean_ms=%.2f worst_ms=%.2f\n", name, sum / times.size(), *std::max_element(times.begin(), times.end()));
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
    Utilities::InitSettings::readSettings();
    QMap<int, QString> projects;
    for (int devices : {1000, 10000}) {
        projects.insert(devices, writeProject(dir.path(), devices));
        if (projects.value(devices).isEmpty())
            return 1;
    }

    MainWindow window;
    window.resize(950, 600);
    window.show();
    AdminConfigurator* admin = window.adminConfigurator();
    auto selectLights = [admin] {
        DevicesTree* tree = admin->devicesTree();
        const int server = admin->configuration()->webServers().constFirst()->id();
        tree->setCurrentIndex(tree->findIndex(Node::NodeLights, server));
    };
    auto discard = [&window] {
        if (window.config())
            window.config()->clearChanges();
    };
    int edit = 0;
    for (auto project = projects.cbegin(); project != projects.cend(); ++project) {
        const QByteArray size = QByteArray::number(project.key());
        const QString& path = project.value();
        measure(QByteArray("open_" + size).constData(), discard, [&] {
            window.openConfig(path);
            selectLights();
        }, window);
        measure(QByteArray("edit_revalidate_" + size).constData(), [] {}, [&] {
            QAbstractItemModel* model = admin->devicesTable()->model();
            model->setData(model->index(0, 0), QStringLiteral("Edited %1").arg(++edit));
        }, window);
        discard();
    }
    return 0;
}
