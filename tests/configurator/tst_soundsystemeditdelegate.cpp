#include "CellEditing.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/DeviceAddress.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/Utilities.h"
#include "editdelegates/SoundSystemEditDelegate.h"
#include "editors/SoundSourceDeviceEditor.h"
#include "editors/SoundSystemEditor.h"
#include "tablemodels/SoundSourceDeviceModel.h"
#include "tablemodels/SoundSystemModel.h"

#include <QComboBox>
#include <QTableView>
#include <QTest>

using Corvane::Configurator::EditDelegates::SoundSystemEditDelegate;
using Corvane::Configurator::Editors::SoundSourceDeviceEditor;
using Corvane::Configurator::Editors::SoundSystemEditor;
using Corvane::Configurator::TableModels::SoundSourceDeviceModel;
using Corvane::Configurator::TableModels::SoundSystemModel;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;

namespace {

// A gateway with sound sources "Source 1", "Source 2", ... at A 1, 2, ...
struct SoundProject
{
    explicit SoundProject(int sources, int type = 0)
        : project(ConfiguratorTest::makeProject(2, 1))
        , server(project->webServers().first()->id())
    {
        project->setSoundSystemType(type, server);
        for (int i = 1; i <= sources; ++i) {
            project->addDevice(server, new Corvane::Devices::SoundSourceDeviceProperties(
                                           Corvane::Devices::Utilities::emtpyDeviceId(), 23001,
                                           DeviceAddress(i, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1),
                                           QString("Source %1").arg(i)));
        }
        // A source of the other gateway, which the dialog never touches.
        project->addDevice(project->webServers().at(1)->id(),
                           new Corvane::Devices::SoundSourceDeviceProperties(
                               Corvane::Devices::Utilities::emtpyDeviceId(), 23001,
                               DeviceAddress(1, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1), "Elsewhere"));
        project->clearChanges();
    }
    QList<BaseDeviceProperties*> sources() const
    {
        QList<BaseDeviceProperties*> list;
        project->getDevicesByGroup(list, BaseDeviceProperties::SoundSources, server, true);
        return list;
    }
    QStringList descriptions() const
    {
        QStringList names;
        for (const BaseDeviceProperties* source : sources())
            names.append(source->description());
        return names;
    }

    std::unique_ptr<Configuration> project;
    int server;
};

void setCell(SoundSourceDeviceEditor* pane, int row, const QVariant& value)
{
    pane->model()->setData(pane->model()->index(row, SoundSourceDeviceModel::COLUMN_VALUE_INDEX), value, Qt::EditRole);
}

// The sound-system table of a gateway in a window.
struct Table
{
    explicit Table(SoundProject& sound)
        : open(sound.project.get())
        , model(&open)
    {
        model.setCurrentServerId(sound.server);
        view.setModel(&model);
        view.setItemDelegate(new SoundSystemEditDelegate(&model));
        view.setGeometry(100, 100, 600, 300);
        view.show();
    }
    QModelIndex value(int row) const { return model.index(row, SoundSystemModel::COLUMN_VALUE_INDEX); }

    Configuration* open;
    SoundSystemModel model;
    QTableView view;
};

} // namespace

class tst_SoundSystemEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void updateSoundSourceDevices_data();
    void updateSoundSourceDevices();
    void paneOfAVanishedDeviceIsSkipped();
    void nothingWithoutProjectOrGateway();
    void typeCombo_data();
    void typeCombo();
    void sourcesDialog_data();
    void sourcesDialog();
    void confirmingRemovesSourcesBeyondTheMaximum();
    void escapeAfterARefusedConfirmWritesNothing();
};

void tst_SoundSystemEditDelegate::initTestCase()
{
    ConfiguratorTest::initResources();
}

void tst_SoundSystemEditDelegate::updateSoundSourceDevices_data()
{
    QTest::addColumn<int>("removedPane"); // -1 none
    QTest::addColumn<bool>("addPane");
    QTest::addColumn<QStringList>("sources");

    QTest::newRow("update in place") << -1 << false << QStringList{"Source 1", "Renamed", "Source 3"};
    QTest::newRow("add one") << -1 << true << QStringList{"Source 1", "Renamed", "Source 3", "Sound source"};
    QTest::newRow("remove one") << 0 << false << QStringList{"Renamed", "Source 3"};
    QTest::newRow("remove one, add one") << 2 << true << QStringList{"Source 1", "Renamed", "Sound source"};
}

void tst_SoundSystemEditDelegate::updateSoundSourceDevices()
{
    QFETCH(int, removedPane);
    QFETCH(bool, addPane);
    QFETCH(QStringList, sources);

    SoundProject sound(3);
    const QList<BaseDeviceProperties*> before = sound.sources();
    const int kept = before.at(1)->id();
    SoundSystemEditor dialog(sound.project.get(), sound.server);
    setCell(dialog.deviceEditors().at(1), SoundSourceDeviceModel::ROW_DESCRIPTION_INDEX, "Renamed");
    setCell(dialog.deviceEditors().at(1), SoundSourceDeviceModel::ROW_DEVICE_TYPE_INDEX, 23004);
    setCell(dialog.deviceEditors().at(1), SoundSourceDeviceModel::ROW_ADDRESS_INDEX,
            QVariant::fromValue(DeviceAddress(4, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1)));
    if (removedPane >= 0) {
        dialog.selectEditor(dialog.deviceEditors().at(removedPane));
        dialog.remove();
    }
    if (addPane)
        dialog.add();
    QList<int> ids;
    for (const BaseDeviceProperties* device : sound.project->devices())
        ids.append(device->id());

    SoundSystemEditDelegate::updateSoundSourceDevices(&dialog, sound.project.get(), sound.server);

    QCOMPARE(sound.descriptions(), sources);
    // Updated in place: the same object, the same id.
    BaseDeviceProperties* renamed = sound.project->getDeviceById(kept);
    QCOMPARE(renamed, before.at(1));
    QCOMPARE(renamed->deviceType(), 23004);
    QCOMPARE(renamed->address().area(), 4);
    if (addPane) {
        const int added = sound.sources().last()->id();
        QVERIFY(!ids.contains(added));
        QVERIFY(added != Corvane::Devices::Utilities::emtpyDeviceId());
        QCOMPARE(sound.sources().last()->deviceType(), 23001);
    }
    QVERIFY(sound.project->hasChanges());
    QCOMPARE(sound.project->devicesCount(), 1 + 1 + int(sources.size()));
}

void tst_SoundSystemEditDelegate::paneOfAVanishedDeviceIsSkipped()
{
    SoundProject sound(2);
    SoundSystemEditor dialog(sound.project.get(), sound.server);
    const int gone = dialog.deviceEditors().at(0)->originalDeviceId();
    sound.project->removeDevice(gone);
    SoundSystemEditDelegate::updateSoundSourceDevices(&dialog, sound.project.get(), sound.server);
    QCOMPARE(sound.descriptions(), QStringList{"Source 2"});
    QVERIFY(!sound.project->getDeviceById(gone));
}

void tst_SoundSystemEditDelegate::nothingWithoutProjectOrGateway()
{
    SoundProject sound(2);
    SoundSystemEditor dialog(sound.project.get(), sound.server);
    dialog.selectEditor(dialog.deviceEditors().at(0));
    dialog.remove();
    SoundSystemEditDelegate::updateSoundSourceDevices(&dialog, nullptr, sound.server);
    SoundSystemEditDelegate::updateSoundSourceDevices(&dialog, sound.project.get(), -1);
    SoundSystemEditDelegate::updateSoundSourceDevices(nullptr, sound.project.get(), sound.server);
    QCOMPARE(sound.descriptions(), (QStringList{"Source 1", "Source 2"}));
    QVERIFY(!sound.project->hasChanges());
}

void tst_SoundSystemEditDelegate::typeCombo_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("current");

    QTest::newRow("basic") << 0 << 0;
    QTest::newRow("all areas") << 1 << 1;
}

void tst_SoundSystemEditDelegate::typeCombo()
{
    QFETCH(int, stored);
    QFETCH(int, current);

    SoundProject sound(0, stored);
    Table table(sound);
    auto* combo = ConfiguratorTest::openEditor<QComboBox>(&table.view, table.value(0));
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentIndex(), current);
    combo->setCurrentIndex(1 - current);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(&table.view));
    QCOMPARE(sound.project->soundSystemType(sound.server), 1 - current);
}

void tst_SoundSystemEditDelegate::sourcesDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("sources");

    QTest::newRow("confirm") << "confirmButton" << QStringList{"Source 2", "Sound source"};
    QTest::newRow("cancel") << "cancelButton" << QStringList{"Source 1", "Source 2"};
}

void tst_SoundSystemEditDelegate::sourcesDialog()
{
    QFETCH(QString, button);
    QFETCH(QStringList, sources);

    SoundProject sound(2);
    Table table(sound);
    auto* dialog = ConfiguratorTest::openEditor<SoundSystemEditor>(&table.view, table.value(1));
    QVERIFY(dialog);
    dialog->selectEditor(dialog->deviceEditors().at(0));
    dialog->remove();
    dialog->add();
    // The new source takes a free A.
    setCell(dialog->deviceEditors().last(), SoundSourceDeviceModel::ROW_ADDRESS_INDEX,
            QVariant::fromValue(DeviceAddress(3, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1)));
    ConfiguratorTest::press(dialog, button);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<SoundSystemEditor>(&table.view));
    QCOMPARE(sound.descriptions(), sources);
    QCOMPARE(sound.project->hasChanges(), button == "confirmButton");
    QCOMPARE(table.value(1).data().toString(), QString("2 source(s) configured"));
}

void tst_SoundSystemEditDelegate::confirmingRemovesSourcesBeyondTheMaximum()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    SoundProject sound(6);
    Table table(sound);
    QCOMPARE(table.value(1).data().toString(), QString("4 source(s) configured"));
    auto* dialog = ConfiguratorTest::openEditor<SoundSystemEditor>(&table.view, table.value(1));
    QVERIFY(dialog);
    QTRY_COMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(sound.sources().size(), 6);
    ConfiguratorTest::press(dialog, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<SoundSystemEditor>(&table.view));
    QCOMPARE(sound.descriptions(), (QStringList{"Source 1", "Source 2", "Source 3", "Source 4"}));
}

void tst_SoundSystemEditDelegate::escapeAfterARefusedConfirmWritesNothing()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    SoundProject sound(2);
    Table table(sound);
    auto* dialog = ConfiguratorTest::openEditor<SoundSystemEditor>(&table.view, table.value(1));
    QVERIFY(dialog);
    setCell(dialog->deviceEditors().at(1), SoundSourceDeviceModel::ROW_ADDRESS_INDEX,
            QVariant::fromValue(DeviceAddress(1, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1)));
    ConfiguratorTest::press(dialog, "confirmButton");
    QCOMPARE(dialogs.boxes.size(), 1);
    QVERIFY(dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<SoundSystemEditor>(&table.view));
    QCOMPARE(sound.sources().at(1)->address().area(), 2);
    QVERIFY(!sound.project->hasChanges());
}

QTEST_MAIN(tst_SoundSystemEditDelegate)
#include "tst_soundsystemeditdelegate.moc"
