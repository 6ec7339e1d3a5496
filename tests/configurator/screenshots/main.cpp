// configurator_screenshots <out folder> [project]: renders the main window
// through the user journey (new project, a gateway and a light, the unset
// IP flagged, the light renamed, the IP set) into PNG files.
#include "AdminConfigurator.h"
#include "DevicesTree.h"
#include "DeviceTableView.h"
#include "MainWindow.h"
#include "devices/Configuration.h"
#include "tablemodels/GatewayTreeModel.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

using namespace Corvane::Configurator;

namespace {

void settle(int ms = 50)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget& window, const QString& path)
{
    settle();
    window.grab().save(path);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("VantrelConfig");
    Corvane::Gadgets::ThemeProvider::initResources();
    Corvane::Utilities::InitSettings::readSettings();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    MainWindow window;
    window.resize(950, 600);
    window.show();
    if (argc > 2) {
        window.openConfig(QString::fromLocal8Bit(argv[2]));
        save(window, out + "/opened.png");
    }
    window.newFile();
    AdminConfigurator* admin = window.adminConfigurator();
    DevicesTree* tree = admin->devicesTree();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodePlantList, -1));
    admin->addDevice();
    const int server = admin->configuration()->webServers().constFirst()->id();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodeLights, server));
    admin->addDevice();
    save(window, out + "/01-gateway-and-light.png");

    QAbstractItemModel* lights = admin->devicesTable()->model();
    lights->setData(lights->index(0, 0), "Kitchen ceiling");
    save(window, out + "/02-light-renamed.png");

    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodePlant, server));
    auto* gateway = qobject_cast<TableModels::GatewayTreeModel*>(admin->devicesTable()->model());
    save(window, out + "/03-gateway-unset-ip.png");
    gateway->setData(gateway->index(gateway->rowOf(TableModels::GatewayTreeModel::IpAddress), 1), "192.168.1.20");
    gateway->setData(gateway->index(gateway->rowOf(TableModels::GatewayTreeModel::Password), 1), "12345");
    save(window, out + "/04-gateway-ip-set.png");
    return 0;
}
