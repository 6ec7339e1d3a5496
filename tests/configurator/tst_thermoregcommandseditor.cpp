#include "ScriptedDialogService.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "editors/ThermoregCommandsEditor.h"
#include "editors/ThermoregulationCommandEditor.h"
#include "tablemodels/ThermoregulationCommandModel.h"
#include "tablemodels/ThermoregulationOffCmdModel.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Editors::ThermoregCommandsEditor;

namespace {

const int E = DeviceAddress::EMPTY_INT_VALUE;
const int MAX = ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT;

std::unique_ptr<ThermoregulationDeviceProperties> airConditioner(int commands, bool offShown)
{
    auto device = std::make_unique<ThermoregulationDeviceProperties>(1, 4001, DeviceAddress(4, 2, 3, 1), "AC");
    device->setShowOffCommand(false);
    for (int i = 0; i < commands; ++i)
        device->addCommand(new ThermoregulationCommandProperties(DeviceAddress(i + 1, E, E, E),
                                                                 QString("Command %1").arg(i + 1)));
    device->setShowOffCommand(offShown);
    return device;
}

QStringList titles(const ThermoregCommandsEditor& dialog)
{
    QStringList list;
    for (const auto* pane : dialog.commandEditors())
        list << pane->expandButton()->text();
    return list;
}

QStringList descriptions(const ThermoregCommandsEditor& dialog)
{
    QStringList list;
    for (const auto* pane : dialog.commandEditors())
        list << pane->description();
    return list;
}

} // namespace

class tst_ThermoregCommandsEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWithDeviceCommands();
    void addRefusedAtMaximum_data();
    void addRefusedAtMaximum();
    void offRefusedAtMaximum();
    void removal_data();
    void removal();
    void newCommand();
    void noDevice();
};

void tst_ThermoregCommandsEditor::opensWithDeviceCommands()
{
    auto device = airConditioner(3, true);
    device->offCommand().setAddress(DeviceAddress(9, E, E, E));
    ThermoregCommandsEditor dialog(device.get());
    QCOMPARE(titles(dialog), (QStringList{"Favorite command 1", "Favorite command 2", "Favorite command 3"}));
    QCOMPARE(descriptions(dialog), (QStringList{"Command 1", "Command 2", "Command 3"}));
    QCOMPARE(dialog.selectedEditor(), dialog.commandEditors().last());
    QCOMPARE(dialog.commandEditors().last()->expandButton()->property("selected").toBool(), true);
    QCOMPARE(dialog.commandsCount(), 4);
    QVERIFY(dialog.offCommandPresence());
    QCOMPARE(dialog.offCmdAddress().area(), 9);
    QCOMPARE(dialog.getEditor(device->commands().at(1)->id()), dialog.commandEditors().at(1));
    QCOMPARE(dialog.getEditor(ThermoregulationCommandProperties::EMPTY_ID), nullptr);
}

void tst_ThermoregCommandsEditor::addRefusedAtMaximum_data()
{
    QTest::addColumn<bool>("offShown");
    QTest::addColumn<int>("favourites");

    QTest::newRow("OFF shown") << true << MAX - 1;
    QTest::newRow("OFF hidden") << false << MAX;
}

void tst_ThermoregCommandsEditor::addRefusedAtMaximum()
{
    QFETCH(bool, offShown);
    QFETCH(int, favourites);

    ConfiguratorTest::ScriptedDialogService dialogs;
    auto device = airConditioner(favourites - 1, offShown);
    ThermoregCommandsEditor dialog(device.get());
    dialog.add();
    QCOMPARE(dialog.commandEditors().size(), favourites);
    QVERIFY(dialogs.boxes.isEmpty());
    dialog.add();
    QCOMPARE(dialog.commandEditors().size(), favourites);
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.first().icon, QMessageBox::Information);
    QCOMPARE(dialogs.boxes.first().text, QString("Maximum number of commands is %1").arg(MAX));
    QCOMPARE(dialogs.boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void tst_ThermoregCommandsEditor::offRefusedAtMaximum()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    auto device = airConditioner(MAX, false);
    ThermoregCommandsEditor dialog(device.get());
    TableModels::ThermoregulationOffCmdModel* off = dialog.offCommandModel();
    off->setData(off->index(0, 1), true);
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.first().text, QString("Maximum number of commands is %1").arg(MAX));
    QVERIFY(!dialog.offCommandPresence());
    QCOMPARE(off->index(0, 1).data().toString(), QString("No"));

    // With room for it, the OFF command is shown.
    dialog.remove();
    off->setData(off->index(0, 1), true);
    QVERIFY(dialog.offCommandPresence());
    QCOMPARE(dialogs.boxes.size(), 1);
}

void tst_ThermoregCommandsEditor::removal_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selected");

    QTest::newRow("second of three") << 3 << 1 << QStringList{"Command 1", "Command 3"} << 1;
    QTest::newRow("last of three") << 3 << 2 << QStringList{"Command 1", "Command 2"} << 1;
    QTest::newRow("first of three") << 3 << 0 << QStringList{"Command 2", "Command 3"} << 0;
    QTest::newRow("the only one") << 1 << 0 << QStringList() << -1;
}

void tst_ThermoregCommandsEditor::removal()
{
    QFETCH(int, count);
    QFETCH(int, removed);
    QFETCH(QStringList, left);
    QFETCH(int, selected);

    auto device = airConditioner(count, false);
    ThermoregCommandsEditor dialog(device.get());
    dialog.commandEditors().at(removed)->expandButton()->click();
    QCOMPARE(dialog.selectedEditor(), dialog.commandEditors().at(removed));
    dialog.remove();

    QCOMPARE(descriptions(dialog), left);
    QStringList expectedTitles;
    for (int i = 1; i <= left.size(); ++i)
        expectedTitles << QString("Favorite command %1").arg(i);
    QCOMPARE(titles(dialog), expectedTitles);
    QCOMPARE(dialog.selectedEditor(), selected < 0 ? nullptr : dialog.commandEditors().at(selected));
    for (int i = 0; i < left.size(); ++i)
        QCOMPARE(dialog.commandEditors().at(i)->expandButton()->property("selected").toBool(), i == selected);
    // Remove without a selection does nothing.
    if (selected < 0) {
        dialog.remove();
        QVERIFY(dialog.commandEditors().isEmpty());
    }
}

void tst_ThermoregCommandsEditor::newCommand()
{
    auto device = airConditioner(0, false);
    ThermoregCommandsEditor dialog(device.get());
    QVERIFY(!dialog.selectedEditor());
    dialog.add();
    QCOMPARE(dialog.commandEditors().size(), 1);
    const auto* pane = dialog.commandEditors().first();
    QCOMPARE(pane->description(), QString("Command"));
    QCOMPARE(pane->address(), DeviceAddress(1, E, E, E));
    QCOMPARE(pane->originalId(), ThermoregulationCommandProperties::EMPTY_ID);
    QCOMPARE(pane->expandButton()->text(), QString("Favorite command 1"));
    QCOMPARE(dialog.selectedEditor(), pane);
    QCOMPARE(pane->model()->index(1, 1).data().toString(), QString("A1"));
    // Nothing reaches the device.
    QCOMPARE(device->commands().size(), 0);
}

void tst_ThermoregCommandsEditor::noDevice()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    ThermoregCommandsEditor dialog(nullptr);
    dialog.add();
    dialog.remove();
    QVERIFY(dialog.commandEditors().isEmpty());
    QCOMPARE(dialog.commandsCount(), 0);
    QVERIFY(!dialog.offCommandPresence());
}

QTEST_MAIN(tst_ThermoregCommandsEditor)
#include "tst_thermoregcommandseditor.moc"
