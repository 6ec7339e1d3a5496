// configurator_page_screenshots <out folder> <project> [talvera|corvane]:
// renders the device pages of a project in the main window, and the
// dialogs those pages open, into PNG files.
#include "AdminConfigurator.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "MainWindow.h"
#include "ScreenshotPalette.h"
#include "ThermoregulationDialogs.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "editors/AddressEditor.h"
#include "editors/EconomicEvalEditor.h"
#include "tablemodels/AddressTreeModel.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

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

void saveDialog(Editors::BaseEditorDialog& dialog, const QString& help, const QString& path)
{
    dialog.displayHelpMessage(help);
    dialog.resize(dialog.sizeHint());
    dialog.show();
    save(dialog, path);
    dialog.close();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("VantrelConfig");
    Corvane::Gadgets::ThemeProvider::initResources();
    if (argc < 3)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString palette = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("talvera");
    QDir().mkpath(out);
    QTemporaryDir config;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(config.path()));
    ScreenshotPalette::use(palette, config);
    const QString prefix = out + u'/' + palette + u'-';

    MainWindow window;
    window.resize(950, 600);
    window.show();
    window.openConfig(QString::fromLocal8Bit(argv[2]));
    AdminConfigurator* admin = window.adminConfigurator();
    DevicesTree* tree = admin->devicesTree();
    const int server = admin->configuration()->webServers().constFirst()->id();
    const QList<QPair<DevicesTreeModel::NodeType, QString>> pages{
        {DevicesTreeModel::NodeGeneralParams, "general"}, {DevicesTreeModel::NodeLights, "lights"},
        {DevicesTreeModel::NodeAutomation, "automation"}, {DevicesTreeModel::NodeSensors, "sensors"},
        {DevicesTreeModel::NodeEnergy, "energy"},         {DevicesTreeModel::NodeLoad, "load"},
        {DevicesTreeModel::NodeThermoregulation, "thermoregulation"},
    };
    for (const auto& [node, name] : pages) {
        tree->setCurrentIndex(tree->findIndex(node, node == DevicesTreeModel::NodeGeneralParams ? -1 : server));
        admin->devicesTable()->setCurrentIndex(admin->devicesTable()->model()->index(0, 1));
        save(window, prefix + "page-" + name + ".png");
    }

    using Corvane::Devices::DeviceAddress;
    Editors::AddressEditor address;
    address.setModel(new TableModels::AddressTreeModel(DeviceAddress(2, 5, DeviceAddress::LEVEL_LOCAL_BUS, 3), 1, &address));
    address.treeView()->setCurrentIndex(address.model()->index(1, 1, address.model()->index(0, 0)));
    saveDialog(address, "<b>PL</b><br>Enter value of PL configurator", prefix + "dialog-address.png");

    Editors::EconomicEvalEditor economic(true, 0, 0.2345);
    saveDialog(economic, "<b>Tariff</b><br>Set the tariff", prefix + "dialog-economic.png");
    saveThermoregulationDialogs(*admin->configuration(), [&prefix](Editors::BaseEditorDialog& dialog, const QString& help,
                                                                   const QString& name) { saveDialog(dialog, help, prefix + name); });
    return 0;
}
