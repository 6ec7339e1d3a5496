// configurator_screenshots <out folder> [talvera|corvane] [project]: renders
// the main window through the user journey (new project, a gateway and a
// light, the unset IP flagged, the light renamed, the IP set) into PNG
// files, in the brand palette named (the program settings' colours).
#include "AdminConfigurator.h"
#include "DevicesTree.h"
#include "DeviceTableView.h"
#include "MainWindow.h"
#include "ScreenshotPalette.h"
#include "devices/Configuration.h"
#include "editors/GroupsEditor.h"
#include "windows/SplashScreen.h"
#include "tablemodels/GatewayTreeModel.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
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
    QCoreApplication::setApplicationVersion("2.0.93");
    Corvane::Gadgets::ThemeProvider::initResources();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString palette = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("talvera");
    QDir().mkpath(out);
    QTemporaryDir config;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(config.path()));
    ScreenshotPalette::use(palette, config);
    const QString prefix = out + u'/' + palette + u'-';

    MainWindow window;
    window.resize(950, 600);
    window.show();
    if (argc > 3) {
        window.openConfig(QString::fromLocal8Bit(argv[3]));
        save(window, prefix + "opened.png");
    }
    window.newFile();
    AdminConfigurator* admin = window.adminConfigurator();
    DevicesTree* tree = admin->devicesTree();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodePlantList, -1));
    admin->addDevice();
    const int server = admin->configuration()->webServers().constFirst()->id();
    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodeLights, server));
    admin->addDevice();
    save(window, prefix + "01-gateway-and-light.png");

    QAbstractItemModel* lights = admin->devicesTable()->model();
    lights->setData(lights->index(0, 0), "Kitchen ceiling");
    save(window, prefix + "02-light-renamed.png");

    tree->setCurrentIndex(tree->findIndex(DevicesTreeModel::NodePlant, server));
    auto* gateway = qobject_cast<TableModels::GatewayTreeModel*>(admin->devicesTable()->model());
    save(window, prefix + "03-gateway-unset-ip.png");
    gateway->setData(gateway->index(gateway->rowOf(TableModels::GatewayTreeModel::IpAddress), 1), "192.168.1.20");
    gateway->setData(gateway->index(gateway->rowOf(TableModels::GatewayTreeModel::Password), 1), "12345");
    save(window, prefix + "04-gateway-ip-set.png");
    window.config()->clearChanges();

    Editors::GroupsEditor groups({3, 12});
    groups.displayHelpMessage("<b>Groups</b><br>Set groups that this device belongs to");
    groups.resize(groups.sizeHint());
    groups.show();
    save(groups, prefix + "05-groups-editor.png");
    groups.close();

    window.about();
    auto* aboutBox = window.findChild<Corvane::Gadgets::SplashScreen*>();
    if (aboutBox)
        save(*aboutBox, prefix + "06-about.png");
    return 0;
}
