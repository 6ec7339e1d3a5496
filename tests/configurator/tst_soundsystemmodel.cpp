#include "ProjectFixture.h"
#include "devices/ConfigUtilities.h"
#include "devices/DeviceAddress.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/Utilities.h"
#include "tablemodels/SoundSystemModel.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::SoundSystemModel;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;

namespace {

void addSources(Configuration& project, int serverId, int count)
{
    for (int i = 1; i <= count; ++i) {
        project.addDevice(serverId, new Corvane::Devices::SoundSourceDeviceProperties(
                                        Corvane::Devices::Utilities::emtpyDeviceId(), 23001,
                                        DeviceAddress(1, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1),
                                        QString("Source %1").arg(i)));
    }
}

QModelIndex value(const SoundSystemModel& model, int row)
{
    return model.index(row, SoundSystemModel::COLUMN_VALUE_INDEX);
}

} // namespace

class tst_SoundSystemModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sourcesText_data();
    void sourcesText();
    void typeRow_data();
    void typeRow();
    void followsTheOpenProject();
    void help();
};

void tst_SoundSystemModel::initTestCase()
{
    ConfiguratorTest::initResources();
}

void tst_SoundSystemModel::sourcesText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("sources");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << 0 << 0 << "No source configured";
    QTest::newRow("three") << 0 << 3 << "3 source(s) configured";
    QTest::newRow("six, four shown on a basic system") << 0 << 6 << "4 source(s) configured";
    QTest::newRow("six on an all-areas system") << 1 << 6 << "6 source(s) configured";
}

void tst_SoundSystemModel::sourcesText()
{
    QFETCH(int, type);
    QFETCH(int, sources);
    QFETCH(QString, text);

    auto project = ConfiguratorTest::makeProject(2, 0);
    Configuration* open = project.get();
    const int server = project->webServers().at(1)->id();
    project->setSoundSystemType(type, server);
    addSources(*project, server, sources);
    // Another gateway's sources do not count.
    addSources(*project, project->webServers().at(0)->id(), 2);
    SoundSystemModel model(&open);
    model.setCurrentServerId(server);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.index(1, 0).data().toString(), QString("Sources"));
    QCOMPARE(value(model, 1).data().toString(), text);
    QVERIFY(!value(model, 1).data(Qt::EditRole).isValid());
    QCOMPARE(model.getFieldType(value(model, 1)), int(SoundSystemModel::SourcesField));
}

void tst_SoundSystemModel::typeRow_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("basic") << 0;
    QTest::newRow("all areas") << 1;
}

void tst_SoundSystemModel::typeRow()
{
    QFETCH(int, type);

    auto project = ConfiguratorTest::makeProject(1, 0);
    Configuration* open = project.get();
    const int server = project->webServers().first()->id();
    SoundSystemModel model(&open);
    model.setCurrentServerId(server);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(value(model, 0), type, Qt::DisplayRole));
    QCOMPARE(project->soundSystemType(server), type);
    QVERIFY(ConfiguratorTest::reported(changed, value(model, 0)));
    // The maximum, and so the Sources text, follows the type.
    QVERIFY(ConfiguratorTest::reported(changed, value(model, 1)));
    QCOMPARE(model.index(0, 0).data().toString(), QString("Type"));
    QCOMPARE(value(model, 0).data().toString(), Corvane::Devices::ConfigUtilities::getSoundSystemTypeString(type));
    QCOMPARE(value(model, 0).data(Qt::EditRole).toInt(), type);
    QVERIFY(!value(model, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!value(model, 1).data(Qt::DecorationRole).isValid());
    // Writing the Sources row stores nothing.
    QVERIFY(model.setData(value(model, 1), 5, Qt::EditRole));
    QCOMPARE(project->devicesCount(), 0);
}

void tst_SoundSystemModel::followsTheOpenProject()
{
    Configuration* open = nullptr;
    SoundSystemModel model(&open);
    QCOMPARE(model.currentServerId(), Corvane::Devices::Utilities::emtpyDeviceId());
    QVERIFY(!value(model, 0).data().isValid());
    QVERIFY(!model.setData(value(model, 0), 1, Qt::EditRole));
    QCOMPARE(model.getSoundSourcesCount(), 0);

    auto project = ConfiguratorTest::makeProject(1, 0);
    const int server = project->webServers().first()->id();
    addSources(*project, server, 2);
    open = project.get();
    model.setCurrentServerId(server);
    QCOMPARE(model.getSoundSourcesCount(), 2);
    QVERIFY(value(model, 0).data().isValid());
    model.retranslate();
    QCOMPARE(model.index(0, 0).data().toString(), QString("Type"));
    QCOMPARE(model.index(1, 0).data(Qt::EditRole).toString(), QString("Sources"));
}

void tst_SoundSystemModel::help()
{
    Configuration* open = nullptr;
    SoundSystemModel model(&open);
    QCOMPARE(model.getHelpMessage(value(model, 0)).text(), QString("Set the type of the sound system"));
    QCOMPARE(model.getHelpMessage(model.index(1, 0)).text(), QString("Set the sources of the sound system"));
    QCOMPARE(model.getHelpMessage(QModelIndex()).caption(), QString());
    QCOMPARE(model.getFieldType(QModelIndex()), int(SoundSystemModel::NoField));
}

QTEST_MAIN(tst_SoundSystemModel)
#include "tst_soundsystemmodel.moc"
