#include "CellEditing.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/DeviceAddress.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/Utilities.h"
#include "editors/SoundSourceDeviceEditor.h"
#include "editors/SoundSystemEditor.h"
#include "tablemodels/SoundSourceDeviceModel.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using Corvane::Configurator::Editors::SoundSourceDeviceEditor;
using Corvane::Configurator::Editors::SoundSystemEditor;
using Corvane::Configurator::TableModels::SoundSourceDeviceModel;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;

namespace {

// A project whose gateway has a sound system of type and sources sound
// sources "Source 1", "Source 2", ... at A 1, 2, ... (wrapping at 4).
std::unique_ptr<Configuration> soundProject(int type, int sources, int* serverId)
{
    auto project = ConfiguratorTest::makeProject(1, 0);
    *serverId = project->webServers().first()->id();
    project->setSoundSystemType(type, *serverId);
    for (int i = 1; i <= sources; ++i) {
        project->addDevice(*serverId, new Corvane::Devices::SoundSourceDeviceProperties(
                                          Corvane::Devices::Utilities::emtpyDeviceId(), 23001,
                                          DeviceAddress((i - 1) % 4 + 1, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1),
                                          QString("Source %1").arg(i)));
    }
    project->clearChanges();
    return project;
}

QStringList titles(const SoundSystemEditor& dialog)
{
    QStringList shown;
    for (const SoundSourceDeviceEditor* pane : dialog.deviceEditors())
        shown.append(pane->expandButton()->text());
    return shown;
}

QStringList descriptions(const SoundSystemEditor& dialog)
{
    QStringList shown;
    for (const SoundSourceDeviceEditor* pane : dialog.deviceEditors())
        shown.append(pane->description());
    return shown;
}

bool isMarkedSelected(const SoundSourceDeviceEditor* pane)
{
    return pane->expandButton()->property("selected").toBool();
}

void setArea(SoundSourceDeviceEditor* pane, int area)
{
    pane->model()->setData(pane->model()->index(SoundSourceDeviceModel::ROW_ADDRESS_INDEX, 1),
                           QVariant::fromValue(pane->address().cloneWithAreaId(area)), Qt::EditRole);
}

} // namespace

class tst_SoundSystemEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void panesCopyTheSources_data();
    void panesCopyTheSources();
    void sourcesBeyondTheMaximumAreNamedWhenItOpens_data();
    void sourcesBeyondTheMaximumAreNamedWhenItOpens();
    void addAppendsASelectedSource();
    void addRefusedAtTheMaximum_data();
    void addRefusedAtTheMaximum();
    void removeSelectsAndRenumbers_data();
    void removeSelectsAndRenumbers();
    void clickingAPaneSelectsIt();
    void duplicateAreaBlocksConfirm();
    void withoutProjectNothingChanges();
};

void tst_SoundSystemEditor::initTestCase()
{
    ConfiguratorTest::initResources();
}

void tst_SoundSystemEditor::panesCopyTheSources_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("addressType");
    QTest::addColumn<int>("maximum");

    QTest::newRow("basic") << 0 << 13 << 4;
    QTest::newRow("all areas") << 1 << 14 << 8;
}

void tst_SoundSystemEditor::panesCopyTheSources()
{
    QFETCH(int, type);
    QFETCH(int, addressType);
    QFETCH(int, maximum);

    int server = 0;
    const auto project = soundProject(type, 3, &server);
    SoundSystemEditor dialog(project.get(), server);
    QCOMPARE(dialog.addressType(), addressType);
    QCOMPARE(dialog.maximum(), maximum);
    QCOMPARE(titles(dialog), (QStringList{"Sound source 1", "Sound source 2", "Sound source 3"}));
    QCOMPARE(descriptions(dialog), (QStringList{"Source 1", "Source 2", "Source 3"}));
    QCOMPARE(dialog.deviceEditors().at(1)->originalDeviceId(), project->devices().at(1)->id());
    QCOMPARE(dialog.deviceEditors().at(1)->model()->addressType(), addressType);
    // The last pane built is the selected one.
    QCOMPARE(dialog.selectedEditor(), dialog.deviceEditors().last());
    QVERIFY(isMarkedSelected(dialog.deviceEditors().last()));
    QVERIFY(!isMarkedSelected(dialog.deviceEditors().first()));
    auto* typeLine = dialog.findChild<QTableWidget*>();
    QVERIFY(typeLine && !typeLine->isEnabled());
    QCOMPARE(typeLine->item(0, 0)->text(), QString("Type"));
    QCOMPARE(dialog.minimumSize(), QSize(310, 500));
}

void tst_SoundSystemEditor::sourcesBeyondTheMaximumAreNamedWhenItOpens_data()
{
    QTest::addColumn<int>("sources");
    QTest::addColumn<QStringList>("dropped");

    QTest::newRow("at the maximum") << 4 << QStringList();
    QTest::newRow("two beyond") << 6 << QStringList{"Source 5", "Source 6"};
}

void tst_SoundSystemEditor::sourcesBeyondTheMaximumAreNamedWhenItOpens()
{
    QFETCH(int, sources);
    QFETCH(QStringList, dropped);

    ConfiguratorTest::ScriptedDialogService dialogs;
    int server = 0;
    const auto project = soundProject(0, sources, &server);
    SoundSystemEditor dialog(project.get(), server);
    QCOMPARE(dialog.deviceEditors().size(), 4);
    QCOMPARE(dialog.droppedSources(), dropped);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (dropped.isEmpty()) {
        QTest::qWait(20);
        QVERIFY(dialogs.boxes.isEmpty());
        return;
    }
    QTRY_COMPARE(dialogs.boxes.size(), 1);
    const QString text = dialogs.boxes.at(0).text;
    QCOMPARE(dialogs.boxes.at(0).icon, QMessageBox::Warning);
    QVERIFY2(text.contains(QString::number(sources)) && text.contains("4"), qPrintable(text));
    for (const QString& name : dropped)
        QVERIFY2(text.contains(name), qPrintable(text));
    QVERIFY(!text.contains("Source 4"));
    // Told, not yet done: the project still holds every source.
    QCOMPARE(project->devicesCount(), sources);
    // Shown once, not at every showing.
    dialog.hide();
    dialog.show();
    QTest::qWait(20);
    QCOMPARE(dialogs.boxes.size(), 1);
}

void tst_SoundSystemEditor::addAppendsASelectedSource()
{
    int server = 0;
    const auto project = soundProject(1, 2, &server);
    SoundSystemEditor dialog(project.get(), server);
    dialog.add();
    QCOMPARE(dialog.deviceEditors().size(), 3);
    SoundSourceDeviceEditor* added = dialog.deviceEditors().last();
    QCOMPARE(added->expandButton()->text(), QString("Sound source 3"));
    QCOMPARE(added->originalDeviceId(), Corvane::Devices::Utilities::emtpyDeviceId());
    QCOMPARE(added->deviceType(), 23001);
    QCOMPARE(added->address(), DeviceAddress(1, DeviceAddress::DEFAULT_POINT_VALUE, DeviceAddress::LEVEL_PRIVATE_RISER,
                                             DeviceAddress::DEFAULT_INTERFACE_VALUE));
    QCOMPARE(added->description(), QString("Sound source"));
    QCOMPARE(dialog.selectedEditor(), added);
    QVERIFY(!isMarkedSelected(dialog.deviceEditors().at(1)));
    QCOMPARE(project->devicesCount(), 2);
}

void tst_SoundSystemEditor::addRefusedAtTheMaximum_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("maximum");

    QTest::newRow("basic") << 0 << 4;
    QTest::newRow("all areas") << 1 << 8;
}

void tst_SoundSystemEditor::addRefusedAtTheMaximum()
{
    QFETCH(int, type);
    QFETCH(int, maximum);

    ConfiguratorTest::ScriptedDialogService dialogs;
    int server = 0;
    const auto project = soundProject(type, maximum - 1, &server);
    SoundSystemEditor dialog(project.get(), server);
    dialog.add();
    QCOMPARE(dialog.deviceEditors().size(), maximum);
    QVERIFY(dialogs.boxes.isEmpty());
    dialog.add();
    QCOMPARE(dialog.deviceEditors().size(), maximum);
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.at(0).icon, QMessageBox::Information);
    QCOMPARE(dialogs.boxes.at(0).buttons, QMessageBox::Ok);
    QCOMPARE(dialogs.boxes.at(0).text, QString("Maximum number of sound sources is %1").arg(maximum));
}

void tst_SoundSystemEditor::removeSelectsAndRenumbers_data()
{
    QTest::addColumn<int>("panes");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selected"); // position among the left panes, -1 none

    QTest::newRow("second of three") << 3 << 1 << QStringList{"Source 1", "Source 3"} << 1;
    QTest::newRow("last of three") << 3 << 2 << QStringList{"Source 1", "Source 2"} << 1;
    QTest::newRow("first of three") << 3 << 0 << QStringList{"Source 2", "Source 3"} << 0;
    QTest::newRow("the only one") << 1 << 0 << QStringList() << -1;
}

void tst_SoundSystemEditor::removeSelectsAndRenumbers()
{
    QFETCH(int, panes);
    QFETCH(int, removed);
    QFETCH(QStringList, left);
    QFETCH(int, selected);

    int server = 0;
    const auto project = soundProject(0, panes, &server);
    SoundSystemEditor dialog(project.get(), server);
    dialog.selectEditor(dialog.deviceEditors().at(removed));
    dialog.remove();

    QCOMPARE(descriptions(dialog), left);
    QStringList expectedTitles;
    for (int i = 1; i <= left.size(); ++i)
        expectedTitles.append(QString("Sound source %1").arg(i));
    QCOMPARE(titles(dialog), expectedTitles);
    QCOMPARE(dialog.selectedEditor(), selected < 0 ? nullptr : dialog.deviceEditors().at(selected));
    for (int i = 0; i < dialog.deviceEditors().size(); ++i)
        QCOMPARE(isMarkedSelected(dialog.deviceEditors().at(i)), i == selected);
    // Removing changes only the dialog.
    QCOMPARE(project->devicesCount(), panes);
    dialog.remove();
    QCOMPARE(dialog.deviceEditors().size(), qMax(0, int(left.size()) - 1));
}

void tst_SoundSystemEditor::clickingAPaneSelectsIt()
{
    int server = 0;
    const auto project = soundProject(0, 3, &server);
    SoundSystemEditor dialog(project.get(), server);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    SoundSourceDeviceEditor* first = dialog.deviceEditors().first();
    QTest::mouseClick(first->expandButton(), Qt::LeftButton);
    QCOMPARE(dialog.selectedEditor(), first);
    QVERIFY(first->table()->isHidden());
    SoundSourceDeviceEditor* second = dialog.deviceEditors().at(1);
    second->table()->setCurrentIndex(second->model()->index(1, 1));
    QCOMPARE(dialog.selectedEditor(), second);
    QVERIFY(!isMarkedSelected(first));
}

void tst_SoundSystemEditor::duplicateAreaBlocksConfirm()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    int server = 0;
    const auto project = soundProject(0, 3, &server);
    SoundSystemEditor dialog(project.get(), server);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Same A as the first pane; the other fields differ.
    setArea(dialog.deviceEditors().at(2), 1);
    dialog.deviceEditors().at(2)->model()->setData(dialog.deviceEditors().at(2)->model()->index(2, 1), 23004, Qt::EditRole);

    ConfiguratorTest::press(&dialog, "confirmButton");
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.at(0).icon, QMessageBox::Warning);
    QCOMPARE(dialogs.boxes.at(0).text, QString("There is more than one source with address \"1\""));
    QVERIFY(dialog.isVisible());

    setArea(dialog.deviceEditors().at(2), 4);
    ConfiguratorTest::press(&dialog, "confirmButton");
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.accepted());
    QCOMPARE(dialogs.boxes.size(), 1);

    // Cancel always closes, duplicates or not.
    SoundSystemEditor again(project.get(), server);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    setArea(again.deviceEditors().at(1), 1);
    ConfiguratorTest::press(&again, "cancelButton");
    QVERIFY(!again.isVisible());
    QCOMPARE(dialogs.boxes.size(), 1);
}

void tst_SoundSystemEditor::withoutProjectNothingChanges()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    SoundSystemEditor dialog(nullptr, 1);
    dialog.add();
    dialog.remove();
    QVERIFY(dialog.deviceEditors().isEmpty());
    QVERIFY(dialogs.boxes.isEmpty());
}

QTEST_MAIN(tst_SoundSystemEditor)
#include "tst_soundsystemeditor.moc"
