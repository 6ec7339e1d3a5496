#include "devices/ActuatorDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/Utilities.h"

#include "ProjectFixture.h"

#include <QTest>

#include <functional>

using namespace Corvane::Devices;

Q_DECLARE_METATYPE(std::function<void(Configuration&)>)

namespace {

// Counts the changes a project reports.
class RecordingObserver : public BaseObserver
{
public:
    void registerChange(const ChangeArgs& args, BaseObservable* source) override
    {
        changes.append(args.changeType());
        sources.append(source);
    }

    QList<int> changes;
    QList<BaseObservable*> sources;
};

// An observer that validates (writes error marks) on every change, the way
// the administration view does.
class ValidatingObserver : public BaseObserver
{
public:
    explicit ValidatingObserver(Configuration& project)
        : m_project(project)
    {
    }

    void registerChange(const ChangeArgs&, BaseObservable*) override
    {
        if (++calls > 10)
            return;
        m_project.clearDevicesErrors();
        m_project.addDevicesWithError({m_project.devices().first()->id()}, 4);
    }

    int calls = 0;

private:
    Configuration& m_project;
};

template<typename T>
T* firstOfGroup(Configuration& project, BaseDeviceProperties::DeviceGroup group)
{
    QList<BaseDeviceProperties*> list;
    project.getDevicesByGroup(list, group, -1, true);
    return list.isEmpty() ? nullptr : dynamic_cast<T*>(list.first());
}

} // namespace

class tst_Configuration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nestedSettersNotify_data();
    void nestedSettersNotify();
    void unchangedValuesDoNotNotify();
    void errorMarksAreNotChanges();
    void sanitizeOfCleanProjectDoesNotNotify();
    void removingWebServerRemovesItsDevices();
    void addDeviceAssignsFreshIds();
    void addDeviceToUnknownServerFails();
    void freshIdsAfterHighestPossibleId();
    void moveDeviceSwapsPlaces();
    void devicesByGroupFollowsProjectOrder();
    void pages_data();
    void pages();
    void typeChangeCoercesDependentValues();
};

void tst_Configuration::nestedSettersNotify_data()
{
    QTest::addColumn<std::function<void(Configuration&)>>("edit");

    QTest::newRow("description") << std::function<void(Configuration&)>([](Configuration& p) {
        p.devices().first()->setDescription(QStringLiteral("New"));
    });
    QTest::newRow("gateway network address") << std::function<void(Configuration&)>([](Configuration& p) {
        WebServerDeviceProperties* server = p.webServers().first();
        server->setNetAddress(server->networkAddress().cloneWithPass(QStringLiteral("55555")));
    });
    QTest::newRow("sound system type") << std::function<void(Configuration&)>([](Configuration& p) {
        p.setSoundSystemType(0, p.webServers().first()->id());
    });
    QTest::newRow("project language") << std::function<void(Configuration&)>([](Configuration& p) {
        p.guiProperties().setLanguage(QStringLiteral("fr_FR"));
    });
    QTest::newRow("scheduled items") << std::function<void(Configuration&)>([](Configuration& p) {
        auto* s = firstOfGroup<ScenarioDeviceProperties>(p, BaseDeviceProperties::Scenarios);
        s->setItems(ScheduledScenarioItem(), s->disableItem(), s->startItem(), s->stopItem());
    });
    QTest::newRow("scenario number") << std::function<void(Configuration&)>([](Configuration& p) {
        firstOfGroup<ScenarioDeviceProperties>(p, BaseDeviceProperties::Scenarios)->setScenarioNumber(3);
    });
    QTest::newRow("off command address") << std::function<void(Configuration&)>([](Configuration& p) {
        auto* t = firstOfGroup<ThermoregulationDeviceProperties>(p, BaseDeviceProperties::Thermoregulation);
        t->offCommand().setAddress(DeviceAddress(40, -1, -1, -1));
    });
    QTest::newRow("favourite command description") << std::function<void(Configuration&)>([](Configuration& p) {
        auto* t = firstOfGroup<ThermoregulationDeviceProperties>(p, BaseDeviceProperties::Thermoregulation);
        t->commands().first()->setDescription(QStringLiteral("Dry"));
    });
    QTest::newRow("command added") << std::function<void(Configuration&)>([](Configuration& p) {
        auto* t = firstOfGroup<ThermoregulationDeviceProperties>(p, BaseDeviceProperties::Thermoregulation);
        t->addCommand(new ThermoregulationCommandProperties(DeviceAddress(3, -1, -1, -1), QStringLiteral("Fan")));
    });
    QTest::newRow("economic evaluation") << std::function<void(Configuration&)>([](Configuration& p) {
        firstOfGroup<EnergyDeviceProperties>(p, BaseDeviceProperties::Energy)->setTariff(0.5);
    });
    QTest::newRow("load central unit") << std::function<void(Configuration&)>([](Configuration& p) {
        firstOfGroup<LoadDeviceProperties>(p, BaseDeviceProperties::Load)->setHasCentralUnit(true);
    });
    QTest::newRow("device removed") << std::function<void(Configuration&)>([](Configuration& p) {
        p.removeDevice(p.devices().last()->id());
    });
}

void tst_Configuration::nestedSettersNotify()
{
    QFETCH(std::function<void(Configuration&)>, edit);
    const auto project = ProjectFixture::everyFamily();
    RecordingObserver observer;
    project->setObserver(&observer);

    edit(*project);

    QCOMPARE(observer.changes.size(), 1);
    QVERIFY(project->hasChanges());
}

void tst_Configuration::unchangedValuesDoNotNotify()
{
    const auto project = ProjectFixture::everyFamily();
    RecordingObserver observer;
    project->setObserver(&observer);
    BaseDeviceProperties* device = project->devices().first();

    device->setDescription(device->description());
    device->setAddress(device->address());
    project->guiProperties().setTemperatureUnit(project->guiProperties().temperatureUnit());

    QVERIFY(observer.changes.isEmpty());
    QVERIFY(!project->hasChanges());
}

void tst_Configuration::errorMarksAreNotChanges()
{
    const auto project = ProjectFixture::everyFamily();
    ValidatingObserver observer(*project);
    project->setObserver(&observer);
    const int id = project->devices().first()->id();

    project->devices().first()->setDescription(QStringLiteral("Changed"));

    QCOMPARE(observer.calls, 1);
    QCOMPARE(project->deviceErrors(id), QList<int>{4});
    QCOMPARE(project->devicesWithErrors(), QList<int>{id});
    project->clearChanges();
    project->addDevicesWithError({id}, 2);
    project->clearDevicesErrors();
    QVERIFY(!project->hasChanges());
    QCOMPARE(observer.calls, 1);
}

void tst_Configuration::sanitizeOfCleanProjectDoesNotNotify()
{
    const auto project = ProjectFixture::everyFamily();
    RecordingObserver observer;
    project->setObserver(&observer);

    project->sanitize();
    project->incrementVersion();

    QVERIFY(observer.changes.isEmpty());
    QVERIFY(!project->hasChanges());
}

void tst_Configuration::removingWebServerRemovesItsDevices()
{
    const auto project = ProjectFixture::everyFamily();
    const int other = project->addDevice(new WebServerDeviceProperties(0, DeviceNetworkAddress(), QStringLiteral("Second")));
    const int kept = project->addDevice(other, new ActuatorDeviceProperties(0, 2003, DeviceAddress::defaultAddress(),
                                                                             QStringLiteral("Kept")));
    const int serverId = project->webServers().first()->id();
    const QList<BaseDeviceProperties*> removed = project->devices().mid(0, 3);
    const int removedId = removed.first()->id();
    project->addDevicesWithError({removedId}, 4);

    QVERIFY(project->removeDevice(serverId));

    QCOMPARE(project->webServers().size(), 1);
    QCOMPARE(project->devicesCount(), 1);
    QCOMPARE(project->devices().first()->id(), kept);
    QVERIFY(!project->getDeviceById(removedId));
    QCOMPARE(project->getServerForDevice(removedId), -1);
    QVERIFY(project->deviceErrors(removedId).isEmpty());
}

void tst_Configuration::addDeviceAssignsFreshIds()
{
    Configuration project(true, {3});
    const int server = project.addDevice(new WebServerDeviceProperties(Utilities::emtpyDeviceId()));
    const int a = project.addDevice(server, new ActuatorDeviceProperties(Utilities::emtpyDeviceId(), 2003,
                                                                         DeviceAddress::defaultAddress(), QString()));
    const int b = project.addDevice(server, new ActuatorDeviceProperties(a, 2003, DeviceAddress::defaultAddress(), QString()));

    QCOMPARE(server, 1);
    QCOMPARE(a, 2);
    QCOMPARE(b, 4); // 3 is reserved
    QCOMPARE(project.getServerForDevice(b), server);
}

void tst_Configuration::addDeviceToUnknownServerFails()
{
    Configuration project;
    const int id = project.addDevice(42, new ActuatorDeviceProperties(0, 2003, DeviceAddress(), QString()));
    QCOMPARE(id, Utilities::emtpyDeviceId());
    QCOMPARE(project.devicesCount(), 0);
    QVERIFY(!project.hasChanges());
}

void tst_Configuration::freshIdsAfterHighestPossibleId()
{
    Configuration project(true, {1});
    const int server = project.addDevice(new WebServerDeviceProperties(2147483647));
    QCOMPARE(server, 2147483647);
    const int device = project.addDevice(server, new ActuatorDeviceProperties(0, 2003, DeviceAddress(), QString()));
    QCOMPARE(device, 2);

    ThermoregulationDeviceProperties ac(3, 4001, DeviceAddress(), QString());
    QCOMPARE(ac.addCommand(new ThermoregulationCommandProperties(DeviceAddress(), QString(), 2147483647)), 2147483647);
    QCOMPARE(ac.addCommand(new ThermoregulationCommandProperties(DeviceAddress(), QString())), 1);
}

void tst_Configuration::moveDeviceSwapsPlaces()
{
    const auto project = ProjectFixture::everyFamily();
    const QList<BaseDeviceProperties*> before = project->devices();
    QVERIFY(project->moveDevice(before.at(0)->id(), before.at(3)->id()));
    const QList<BaseDeviceProperties*> after = project->devices();
    QCOMPARE(after.at(0), before.at(3));
    QCOMPARE(after.at(3), before.at(0));
    QCOMPARE(after.at(1), before.at(1));
    QVERIFY(!project->moveDevice(before.at(0)->id(), 999));
}

void tst_Configuration::devicesByGroupFollowsProjectOrder()
{
    Configuration project;
    const int s1 = project.addDevice(new WebServerDeviceProperties(0));
    const int s2 = project.addDevice(new WebServerDeviceProperties(0));
    const int a = project.addDevice(s1, new ActuatorDeviceProperties(0, 2003, DeviceAddress(), QString()));
    project.addDevice(s1, new SensorDeviceProperties(0, 20001, DeviceAddress(), QString()));
    const int b = project.addDevice(s2, new ActuatorDeviceProperties(0, 2001, DeviceAddress(), QString()));

    QList<BaseDeviceProperties*> list;
    project.getDevicesByGroup(list, BaseDeviceProperties::Lights, -1, true);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0)->id(), a);
    QCOMPARE(list.at(1)->id(), b);
    project.getDevicesByGroup(list, BaseDeviceProperties::Lights, s2, true);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.at(0)->id(), b);
}

void tst_Configuration::pages_data()
{
    QTest::addColumn<QList<int>>("deviceTypes");
    QTest::addColumn<bool>("withGateway");
    QTest::addColumn<QList<int>>("pageTypes");

    QTest::newRow("empty") << QList<int>{} << false << QList<int>{};
    QTest::newRow("gateway only") << QList<int>{} << true << QList<int>{22000};
    QTest::newRow("combined sensor on both pages")
        << QList<int>{21002} << true << QList<int>{20000, 21000, 22000};
    QTest::newRow("presence sensor only") << QList<int>{21001} << true << QList<int>{21000, 22000};
    QTest::newRow("overview order")
        << QList<int>{23003, 18001, 2003, 1002, 7051, 8003, 3001, 23001} << true
        << QList<int>{1000, 2000, 3000, 7000, 8000, 18000, 22000, 23000};
}

void tst_Configuration::pages()
{
    QFETCH(QList<int>, deviceTypes);
    QFETCH(bool, withGateway);
    QFETCH(QList<int>, pageTypes);

    const auto project = ProjectFixture::everyFamily();
    const int serverId = project->webServers().first()->id();
    project->removeDevice(serverId);
    if (withGateway || !deviceTypes.isEmpty()) {
        const int server = project->addDevice(new WebServerDeviceProperties(0));
        const auto all = ProjectFixture::everyFamily();
        for (int type : deviceTypes) {
            BaseDeviceProperties* model = nullptr;
            for (BaseDeviceProperties* device : all->devices()) {
                if (device->isAllowedType(type))
                    model = device;
            }
            QVERIFY(model);
            BaseDeviceProperties* copy = model->clone();
            copy->setDeviceType(type);
            project->addDevice(server, copy);
        }
    }

    QList<int> actual;
    for (const ConfigPage& page : project->pages()) {
        actual.append(page.pageType());
        QCOMPARE(page.id(), int(page.pageType()));
        QVERIFY(!page.description().isEmpty());
    }
    QCOMPARE(actual, pageTypes);
}

void tst_Configuration::typeChangeCoercesDependentValues()
{
    EnergyDeviceProperties meter(1, 7061, DeviceAddress(), QString());
    meter.setMeasurementUnit(DeviceEnums::Litre);
    meter.setDeviceType(7051);
    QCOMPARE(meter.measurementUnit(), int(DeviceEnums::KiloWattHour));

    LoadDeviceProperties load(2, 18002, DeviceAddress(), QString());
    load.setIsEconomicEvaluationEnabled(true);
    load.setDeviceType(18001);
    QVERIFY(!load.isEconomicEvaluationEnabled());
    load.setIsEconomicEvaluationEnabled(true);
    QVERIFY(!load.isEconomicEvaluationEnabled());

    ActuatorDeviceProperties light(3, 2003, DeviceAddress(), QString());
    light.setDeviceType(7051);
    QCOMPARE(light.deviceType(), 2003);
}

QTEST_GUILESS_MAIN(tst_Configuration)
#include "tst_configuration.moc"
