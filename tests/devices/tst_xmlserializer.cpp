#include "devices/Configuration.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "devices/validation/ConfigurationValidator.h"

#include "LogCapture.h"
#include "ProjectFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Corvane::Devices;
using Corvane::Devices::Serialization::XmlSerializer;

namespace {

const QByteArray VALID_PROJECT = R"(<?xml version="1.0"?>
<project format="1" id="6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234" version="3">
  <webserver id="1" type="22001" description="Gateway">
    <net type="0" ip="192.168.1.2" password="12345"/>
    <device id="2" type="2003" description="Light"><address a="1" pl="1" level="3" interface="1"/></device>
    <device id="3" type="7051" description="Meter"><address a="1"/><economic enabled="1" tariff="0.5"/></device>
  </webserver>
</project>
)";

QByteArray withDevice(const QByteArray& device)
{
    QByteArray data = VALID_PROJECT;
    return data.replace("  </webserver>", device + "\n  </webserver>");
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class tst_XmlSerializer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void roundTripKeepsEveryField();
    void textsOutsideXmlAreDropped();
    void readsValidFileWithDefaults();
    void unknownContentIsSkipped();
    void brokenFiles_data();
    void brokenFiles();
    void fuzzFixturesDoNotCrash();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void readIdVersion();
    void demoProjectLoadsAndValidates();

private:
    QTemporaryDir m_dir;
};

void tst_XmlSerializer::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_XmlSerializer::roundTripKeepsEveryField()
{
    const auto original = ProjectFixture::everyFamily();
    const QString path = m_dir.filePath(QStringLiteral("roundtrip.vtprj"));
    QVERIFY(XmlSerializer::write(*original, path));
    QVERIFY(!original->hasChanges());

    QString error;
    const std::unique_ptr<Configuration> copy(XmlSerializer::read(path, &error));
    QVERIFY2(copy, qPrintable(error));
    QVERIFY(!copy->hasChanges());
    QCOMPARE(copy->id(), original->id());
    QCOMPARE(copy->version(), original->version());
    QCOMPARE(copy->guiProperties().language(), QStringLiteral("it_IT"));
    QCOMPARE(copy->guiProperties().temperatureUnit(), 1);

    QCOMPARE(copy->webServers().size(), 1);
    const WebServerDeviceProperties* server = copy->webServers().first();
    QCOMPARE(server->description(), original->webServers().first()->description());
    QCOMPARE(server->networkAddress().ipAddressType(), 1);
    QCOMPARE(server->networkAddress().uc(), 4711);
    QCOMPARE(server->networkAddress().port(), 20001);
    QCOMPARE(server->networkAddress().fc(), 3);
    QVERIFY(server->isEqual(*original->webServers().first()));

    const QList<BaseDeviceProperties*> expected = original->devices();
    const QList<BaseDeviceProperties*> actual = copy->devices();
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(actual.at(i)->id(), expected.at(i)->id());
        QCOMPARE(actual.at(i)->deviceType(), expected.at(i)->deviceType());
        QCOMPARE(actual.at(i)->description(), expected.at(i)->description());
        QVERIFY(actual.at(i)->address() == expected.at(i)->address());
        QCOMPARE(copy->getServerForDevice(actual.at(i)->id()), server->id());
        QVERIFY2(actual.at(i)->isEqual(*expected.at(i)), qPrintable(expected.at(i)->description()));
    }
    const auto* thermo = dynamic_cast<const ThermoregulationDeviceProperties*>(
        copy->getDeviceById(expected.at(6)->id()));
    QVERIFY(thermo);
    QCOMPARE(thermo->commands().size(), 2);
    QCOMPARE(thermo->commands().at(0)->id(), 5);
    QCOMPARE(thermo->commands().at(1)->id(), 6);
    QCOMPARE(thermo->offCommand().description(), QStringLiteral("Stop"));
}

void tst_XmlSerializer::textsOutsideXmlAreDropped()
{
    const auto project = ProjectFixture::everyFamily();
    const QString bell = QStringLiteral("Hall") + QChar(0x07) + QStringLiteral(" lamp") + QChar(0xD800);
    project->devices().first()->setDescription(bell);
    // A cut through a surrogate pair must not leave half of it.
    project->webServers().first()->setDescription(QString(Configuration::MAX_DESCRIPTION_CHARS - 1, QLatin1Char('g'))
                                                  + QStringLiteral("\U0001F600"));
    const QString path = m_dir.filePath(QStringLiteral("texts.vtprj"));
    QVERIFY(XmlSerializer::write(*project, path));

    QString error;
    const std::unique_ptr<Configuration> copy(XmlSerializer::read(path, &error));
    QVERIFY2(copy, qPrintable(error));
    QCOMPARE(copy->devices().first()->description(), QStringLiteral("Hall lamp"));
    QCOMPARE(copy->devices().first()->description(), project->devices().first()->description());
    QCOMPARE(copy->webServers().first()->description().size(), Configuration::MAX_DESCRIPTION_CHARS - 1);
    QCOMPARE(copy->devicesCount(), project->devicesCount());
}

void tst_XmlSerializer::readsValidFileWithDefaults()
{
    QString error;
    const std::unique_ptr<Configuration> project(XmlSerializer::readData(VALID_PROJECT, &error));
    QVERIFY2(project, qPrintable(error));
    QCOMPARE(project->version(), 3);
    const DeviceNetworkAddress net = project->webServers().first()->networkAddress();
    QCOMPARE(net.port(), DeviceNetworkAddress::DEFAULT_PORT);
    QCOMPARE(net.uc(), DeviceNetworkAddress::UC_DEFAULT_VALUE);
    QVERIFY(project->webServers().first()->viewerEnabled());
    QCOMPARE(project->devicesCount(), 2);
    QCOMPARE(project->devices().at(1)->address().point(), DeviceAddress::EMPTY_INT_VALUE);
}

void tst_XmlSerializer::unknownContentIsSkipped()
{
    LogCapture log;
    const QByteArray data = withDevice(R"(<device id="9" type="99999" description="Future"><gadget/></device>
    <future><nested a="1"/></future>
    <device id="10" type="2003" description="Light 2"><address a="1" pl="2" level="3" interface="1"/><extra/></device>)");
    QString error;
    const std::unique_ptr<Configuration> project(XmlSerializer::readData(data, &error));
    QVERIFY2(project, qPrintable(error));
    QCOMPARE(project->devicesCount(), 3);
    QVERIFY(!project->getDeviceById(9));
    QVERIFY(project->getDeviceById(10));
}

void tst_XmlSerializer::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not xml") << QByteArray("just some words\n");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe<\x01", 5);
    QTest::newRow("wrong root") << QByteArray("<settings id=\"6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234\"/>");
    QTest::newRow("truncated") << VALID_PROJECT.left(VALID_PROJECT.size() / 2);
    QTest::newRow("trailing element") << VALID_PROJECT + "<project/>";
    QTest::newRow("no id") << QByteArray("<project format=\"1\" version=\"1\"/>");
    QTest::newRow("newer format") << QByteArray(VALID_PROJECT).replace("format=\"1\"", "format=\"99\"");
    QTest::newRow("duplicate device ids")
        << withDevice(R"(<device id="2" type="2003" description="Twin"/>)");
    QTest::newRow("device id equals gateway id")
        << withDevice(R"(<device id="1" type="2003" description="Twin"/>)");
    QTest::newRow("missing device id") << withDevice(R"(<device type="2003"/>)");
    QTest::newRow("negative device id") << withDevice(R"(<device id="-4" type="2003"/>)");
    QTest::newRow("number too large")
        << withDevice(R"(<device id="9" type="2003"><address a="99999999999999999999"/></device>)");
    QTest::newRow("not a number")
        << withDevice(R"(<device id="9" type="2003"><address a="1" level="high"/></device>)");
    QTest::newRow("tariff not finite")
        << withDevice(R"(<device id="9" type="7051"><economic tariff="nan"/></device>)");
    QTest::newRow("huge description")
        << withDevice("<device id=\"9\" type=\"2003\" description=\"" + QByteArray(5000, 'x') + "\"/>");
    QTest::newRow("duplicate command ids")
        << withDevice(R"(<device id="9" type="4001"><command id="1"/><command id="1"/></device>)");
    QByteArray manyGroups = "<device id=\"9\" type=\"2003\"><address a=\"1\">";
    for (int i = 0; i < 300; ++i)
        manyGroups += "<group>1</group>";
    QTest::newRow("too many groups") << withDevice(manyGroups + "</address></device>");
    QTest::newRow("entity expansion") << QByteArray(R"(<?xml version="1.0"?>
<!DOCTYPE project [<!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">
<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">
<!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]>
<project format="1" id="6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234"><webserver id="1" description="&d;&d;&d;&d;"/></project>)");
}

void tst_XmlSerializer::brokenFiles()
{
    QFETCH(QByteArray, data);
    LogCapture log;
    const QString path = m_dir.filePath(QStringLiteral("broken.vtprj"));
    QVERIFY(writeFile(path, data));

    QString error;
    const std::unique_ptr<Configuration> project(XmlSerializer::read(path, &error));
    QVERIFY(!project);
    QVERIFY(!error.isEmpty());
    QVERIFY(error.contains(path));
    QString validError;
    QVERIFY(!Configuration::isFileValid(path, &validError));
    QVERIFY(!validError.isEmpty());
}

// Every file under fixtures/project is a damaged or hostile project (and
// any input the fuzzer once crashed on goes there too): each is read or
// refused with a message, none brings the reader down.
void tst_XmlSerializer::fuzzFixturesDoNotCrash()
{
    LogCapture log;
    const QDir dir(QStringLiteral(FIXTURES_DIR "/project"));
    const QFileInfoList fixtures = dir.entryInfoList(QDir::Files);
    QVERIFY(!fixtures.isEmpty());
    for (const QFileInfo& info : fixtures) {
        QFile file(info.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        const std::unique_ptr<Configuration> project(XmlSerializer::readData(file.readAll(), &error));
        QVERIFY2(project || !error.isEmpty(), qPrintable(info.fileName()));
    }
}

void tst_XmlSerializer::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("readOnlyFolder");

    // The temporary file beside a name this long exceeds the file-name limit,
    // so the write fails even for a user who may write everywhere.
    QTest::newRow("name at the limit") << QString(250, QLatin1Char('p')) << false;
    QTest::newRow("read-only folder") << QStringLiteral("project.vtprj") << true;
}

void tst_XmlSerializer::failedWriteKeepsOldFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, readOnlyFolder);
    LogCapture log;
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QVERIFY(writeFile(path, VALID_PROJECT));
    if (readOnlyFolder) {
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("This user may write into read-only folders");
        }
    }

    const auto project = ProjectFixture::everyFamily();
    QString error;
    const bool written = XmlSerializer::write(*project, path, &error);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QVERIFY(!log.errors().isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), VALID_PROJECT);
}

void tst_XmlSerializer::readIdVersion()
{
    const QString path = m_dir.filePath(QStringLiteral("idversion.vtprj"));
    QVERIFY(writeFile(path, VALID_PROJECT));
    QUuid id;
    int version = 0;
    QVERIFY(XmlSerializer::readIdVersion(path, id, version));
    QCOMPARE(id, QUuid(QStringLiteral("6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234")));
    QCOMPARE(version, 3);

    QVERIFY(writeFile(path, "<settings/>"));
    QVERIFY(!XmlSerializer::readIdVersion(path, id, version));
    QVERIFY(!XmlSerializer::readIdVersion(m_dir.filePath(QStringLiteral("missing")), id, version));
}

void tst_XmlSerializer::demoProjectLoadsAndValidates()
{
    QString error;
    const std::unique_ptr<Configuration> project(XmlSerializer::read(ProjectFixture::demoProjectPath(), &error));
    QVERIFY2(project, qPrintable(error));

    QList<Validation::ValidationItem> items;
    const bool valid = Validation::ConfigurationValidator::validate(project.get(), items);
    for (const Validation::ValidationItem& item : items)
        qWarning("%s", qPrintable(item.itemString()));
    QVERIFY(valid);
    QVERIFY(items.isEmpty());

    QList<int> pageTypes;
    for (const ConfigPage& page : project->pages())
        pageTypes.append(page.pageType());
    QList<int> all;
    for (ConfigPage::PageType type : ConfigPage::allPageTypes())
        all.append(type);
    QCOMPARE(pageTypes, all);
    QVERIFY(Validation::ConfigurationValidator::isValid(ProjectFixture::demoProjectPath(), &error));
}

QTEST_GUILESS_MAIN(tst_XmlSerializer)
#include "tst_xmlserializer.moc"
