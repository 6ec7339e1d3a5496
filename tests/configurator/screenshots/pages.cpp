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
#include "editors/ScenarioItemEditor.h"
#include "editors/ScheduledScenarioEditor.h"
#include "editors/SoundSystemEditor.h"
#include "devices/ScenarioDeviceProperties.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/AmplifierAddressModel.h"
#include "tablemodels/ScenarioAddressTableModel.h"
#include "tablemodels/ScenarioPlusAddressModel.h"
#include "tablemodels/ScheduledCENAddressModel.h"
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

// The Parameters dialogs of the three scenario kinds and the CEN address.
void saveScenarioDialogs(const Corvane::Devices::Configuration& project, const QString& prefix)
{
    using Corvane::Devices::DeviceAddress;
    QList<Corvane::Devices::BaseDeviceProperties*> scenarios;
    project.getDevicesByGroup(scenarios, Corvane::Devices::BaseDeviceProperties::Scenarios, -1, true);
    for (const Corvane::Devices::BaseDeviceProperties* device : scenarios) {
        const auto& scenario = static_cast<const Corvane::Devices::ScenarioDeviceProperties&>(*device);
        if (scenario.deviceType() == 9002) {
            Editors::ScheduledScenarioEditor scheduled(scenario);
            saveDialog(scheduled, "<b>Command type</b><br>Set the command type", prefix + "dialog-scheduled-scenario.png");
            // Stop made present and Enable (so Disable) absent while the dialog is
            // open: their rows appear and go.
            Editors::ScheduledScenarioEditor stopping(scenario);
            stopping.show();
            settle();
            stopping.stopEditor()->setPresence(true);
            stopping.enableEditor()->setPresence(false);
            saveDialog(stopping, "<b>Presence</b><br>Set whether scenario is available",
                       prefix + "dialog-scheduled-scenario-stop.png");
        }
    }
    Editors::AddressEditor command;
    command.setModel(new TableModels::ScenarioAddressTableModel(DeviceAddress(2, 5, DeviceAddress::LEVEL_LOCAL_BUS, 3), 4, &command));
    saveDialog(command, "<b>Scenario number</b><br>Set scenario number", prefix + "dialog-scenario-command.png");
    Editors::AddressEditor plus;
    plus.setModel(new TableModels::ScenarioPlusAddressModel(DeviceAddress(40, -1, -1, -1), 75, &plus));
    saveDialog(plus, "<b>Address</b><br>Set the address of the Scenario PLUS", prefix + "dialog-scenario-plus.png");
    Editors::AddressEditor cen;
    cen.setModel(new TableModels::ScheduledCENAddressModel(DeviceAddress(3, 7, DeviceAddress::LEVEL_PRIVATE_RISER, 1), &cen));
    saveDialog(cen, "<b>A</b><br>Enter value of A configurator", prefix + "dialog-cen-address.png");
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
        {DevicesTreeModel::NodeScenarios, "scenarios"},   {DevicesTreeModel::NodeSoundSystem, "sound"},
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

    saveScenarioDialogs(*admin->configuration(), prefix);
    Editors::SoundSystemEditor sources(admin->configuration(), server);
    saveDialog(sources, "<b>Address</b><br>Assign an address to the sound source", prefix + "dialog-sound-sources.png");
    Editors::AddressEditor amplifier;
    amplifier.setModel(new TableModels::AmplifierAddressModel(DeviceAddress(2, 5, -1, -1), 15, &amplifier));
    saveDialog(amplifier, "<b>PF</b><br>Enter value of PF configurator", prefix + "dialog-amplifier-address.png");
    saveThermoregulationDialogs(*admin->configuration(), [&prefix](Editors::BaseEditorDialog& dialog, const QString& help,
                                                                   const QString& name) { saveDialog(dialog, help, prefix + name); });
    return 0;
}
