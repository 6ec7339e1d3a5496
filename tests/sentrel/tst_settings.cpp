#include "Settings.h"

#include "devices/ScenarioDeviceProperties.h"

#include "SentrelFixture.h"

#include "devices/GuiProperties.h"
#include "devices/ItemKey.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/UserConfigurationProperties.h"
#include "devices/UserDeviceSettings.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"
#include "utilities/InitSettings.h"

#include "FullDisk.h"
#include "LogCapture.h"
#include "Unprivileged.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <cerrno>
#include <csignal>

using namespace Corvane::Sentrel;
using Corvane::Utilities::PathProvider;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadOutcomes_data();
    void loadOutcomes();
    void emptyCurrentFileLoadsActiveProject();
    void projectReadAheadIsReadOnce();
    void demoModeNeedsBothSwitchAndDemoProject();
    void changedProjectIsNoticed();
    void defaultConfigurationIdentity();
    void unreadableUserFileIsKeptAside();
    void saveCreatesTheFolderAndReportsFailure();
    void readOnlyUserFileIsNotReplaced();
    void noConfigurationMode();
    void testConfiguration();
    void killedWriterNeverDamagesTheFiles();
    void fullDiskKeepsUserSettings();
    void projectLoadTakesOnlyItsDeviceSettings_data();
    void projectLoadTakesOnlyItsDeviceSettings();
    void newUserSettingsStartFromTheProject();
};

void tst_Settings::loadOutcomes_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("loaded");

    QTest::newRow("valid") << QByteArray() << true << QString() << true;
    QTest::newRow("missing") << QByteArray() << false
                             << "warning: There is no active configuration! Please run VantrelConfig application"
                             << false;
    QTest::newRow("empty file") << QByteArray("") << true << "critical: " << false;
    QTest::newRow("damaged") << QByteArray("<?xml version=\"1.0\"?><project format=\"1\"><webserver")
                             << true << "critical: " << false;
}

void tst_Settings::loadOutcomes()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    QFETCH(QString, message);
    QFETCH(bool, loaded);

    SentrelFixture fixture;
    const QUuid id = QUuid::createUuid();
    if (present && content.isNull())
        fixture.writeActiveProject(id);
    else if (present)
        SentrelFixture::writeFile(PathProvider::configPrjFullName(), content);

    Corvane::Devices::Configuration* project = Settings::devicesConfiguration();
    QVERIFY(project);
    QCOMPARE(project->id() == id, loaded);
    QCOMPARE(project->isEmpty(), !loaded);
    if (message.isEmpty()) {
        QVERIFY(fixture.boxes.shown.isEmpty());
    } else {
        QCOMPARE(fixture.boxes.shown.size(), 1);
        QVERIFY2(fixture.boxes.shown.first().startsWith(message), qPrintable(fixture.boxes.shown.first()));
    }
    // Asked again, the store keeps what it has: no second message.
    QCOMPARE(Settings::devicesConfiguration(), project);
    QCOMPARE(fixture.boxes.shown.size(), message.isEmpty() ? 0 : 1);
}

void tst_Settings::emptyCurrentFileLoadsActiveProject()
{
    SentrelFixture fixture;
    QCOMPARE(Settings::currentProjectFilePath(), PathProvider::configPrjFullName());
    const QString other = SentrelFixture::writeProject(fixture.configPath() + "/other.vtprj");
    Settings::guiProperties().setInstallConfigFileName(other);
    QCOMPARE(Settings::currentProjectFilePath(), other);
    const QString temporary = SentrelFixture::writeProject(fixture.configPath() + "/temporary.vtprj");
    Settings::guiProperties().setTempConfigFileName(temporary);
    QCOMPARE(Settings::currentProjectFilePath(), temporary);
}

// A project checked before it is chosen (a start argument, a file opened
// later) is loaded from what the check read, once, and for its path only.
void tst_Settings::projectReadAheadIsReadOnce()
{
    SentrelFixture fixture;
    const QUuid houseId = QUuid::createUuid();
    const QString house = SentrelFixture::writeProject(fixture.configPath() + "/house.vtprj", houseId);
    const QString broken = fixture.configPath() + "/broken.vtprj";
    SentrelFixture::writeFile(broken, "<project");
    QString error;
    QVERIFY(!Settings::readProjectAhead(broken, &error));
    QVERIFY(!error.isEmpty());

    QVERIFY(Settings::readProjectAhead(house));
    SentrelFixture::writeFile(house, "<project");
    Settings::guiProperties().setTempConfigFileName(house);
    QCOMPARE(Settings::devicesConfiguration()->id(), houseId);
    QVERIFY(fixture.boxes.shown.isEmpty());

    Settings::clearConfiguration();
    QVERIFY(Settings::devicesConfiguration()->id() != houseId);
    QCOMPARE(fixture.boxes.shown.size(), 1);

    const QUuid otherId = QUuid::createUuid();
    const QString other = SentrelFixture::writeProject(fixture.configPath() + "/other.vtprj", otherId);
    SentrelFixture::writeProject(house, houseId);
    QVERIFY(Settings::readProjectAhead(other));
    Settings::clearConfiguration();
    QCOMPARE(Settings::devicesConfiguration()->id(), houseId);
    Settings::guiProperties().setTempConfigFileName(other);
    SentrelFixture::writeFile(other, "<project");
    Settings::clearConfiguration();
    QVERIFY(Settings::devicesConfiguration()->id() != otherId);
}

void tst_Settings::demoModeNeedsBothSwitchAndDemoProject()
{
    SentrelFixture fixture;
    Settings::guiProperties().setTempConfigFileName(PathProvider::demoProjectFullName());
    QVERIFY(!Settings::s_instance->isRunningDemoMode());
    Settings::s_instance->setNoServer(true);
    QVERIFY(Settings::s_instance->isRunningDemoMode());
    Settings::guiProperties().setTempConfigFileName(fixture.configPath() + "/other.vtprj");
    QVERIFY(!Settings::s_instance->isRunningDemoMode());
}

void tst_Settings::changedProjectIsNoticed()
{
    SentrelFixture fixture;
    const QUuid id = QUuid::createUuid();
    fixture.writeActiveProject(id, 1);
    Settings::devicesConfiguration();
    QVERIFY(!Settings::hasCurrentConfigurationChanged());
    fixture.writeActiveProject(id, 2);
    QVERIFY(Settings::hasCurrentConfigurationChanged());
    fixture.writeActiveProject(QUuid::createUuid(), 1);
    QVERIFY(Settings::hasCurrentConfigurationChanged());
    Settings::clearConfiguration();
    Settings::devicesConfiguration();
    QVERIFY(!Settings::hasCurrentConfigurationChanged());
}

void tst_Settings::defaultConfigurationIdentity()
{
    {
        SentrelFixture fixture;
        QVERIFY(Settings::defaultConfigId().isNull());
        QCOMPARE(Settings::defaultConfigVersion(), -1);
    }
    SentrelFixture fixture;
    const QUuid id = QUuid::createUuid();
    fixture.writeActiveProject(id, 12);
    QCOMPARE(Settings::defaultConfigId(), id);
    QCOMPARE(Settings::defaultConfigVersion(), 12);
}

void tst_Settings::unreadableUserFileIsKeptAside()
{
    SentrelFixture fixture;
    const QString path = PathProvider::currentUserConfigFileName();
    const QByteArray damaged = "<userConfiguration format=\"1\"><gui dimension=\"70\"";
    SentrelFixture::writeFile(path, damaged);
    LogCapture log;

    Settings::initializeUserProperties();
    QCOMPARE(Settings::guiProperties().language(), Corvane::Utilities::InitSettings::locale());
    const QString aside = Settings::keptAsideFileName();
    QVERIFY(!aside.isEmpty());
    QVERIFY(aside.startsWith(path));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damaged);
    QVERIFY(log.contains(aside));

    // The next save writes defaults without losing what the user had.
    QVERIFY(Settings::saveUserConfiguration());
    QVERIFY(QFileInfo::exists(aside));
    QVERIFY(QFileInfo::exists(path));
}

void tst_Settings::saveCreatesTheFolderAndReportsFailure()
{
    SentrelFixture fixture;
    const QString nested = fixture.configPath() + "/deeper/still";
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(nested));
    Settings::guiProperties().setDimension(77);
    QVERIFY(Settings::saveUserConfiguration());
    Corvane::Devices::UserConfigurationProperties read;
    QVERIFY(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(
        PathProvider::currentUserConfigFileName(), QUuid(), &read, false));
    QCOMPARE(read.gui().dimension(), 77);

    // A file where the folder should be: the save fails, says why and logs.
    const QString blocked = fixture.configPath() + "/blocked";
    SentrelFixture::writeFile(blocked, "x");
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(blocked + "/inside"));
    LogCapture log;
    QString error;
    QVERIFY(!Settings::saveUserConfiguration(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!log.errors().isEmpty());
}

void tst_Settings::readOnlyUserFileIsNotReplaced()
{
    // Root may write any file; a user may not write a read-only one, though
    // the folder is the user's.
    if (!Unprivileged::here())
        return;
    SentrelFixture fixture;
    Settings::setNoConfigurationModeOn();
    QVERIFY(Settings::saveUserConfiguration());
    const QString path = PathProvider::currentUserConfigFileName();
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const QByteArray old = readAll(path);
    Settings::guiProperties().setDimension(33);
    LogCapture log;
    QString error;
    QVERIFY(!Settings::saveUserConfiguration(&error));
    QVERIFY2(error.contains(qt_error_string(EACCES)), qPrintable(error));
    QVERIFY(!log.errors().isEmpty());
    QCOMPARE(readAll(path), old);
}

void tst_Settings::noConfigurationMode()
{
    SentrelFixture fixture;
    fixture.writeActiveProject();
    Corvane::Devices::Configuration* loaded = Settings::devicesConfiguration();
    QVERIFY(!loaded->isEmpty());
    Settings::setNoConfigurationModeOn();
    QVERIFY(Settings::devicesConfiguration()->isEmpty());
    Settings::setNoConfigurationModeOff();
    QVERIFY(!Settings::devicesConfiguration()->isEmpty());
}

void tst_Settings::testConfiguration()
{
    SentrelFixture fixture;
    Settings::initializeTestConfiguration();
    Corvane::Devices::Configuration* project = Settings::devicesConfiguration();
    QVERIFY(project->getWebServerById(100));
    QVERIFY(project->getWebServerById(101));
    QCOMPARE(project->getWebServerById(101)->description(), QStringLiteral("Dummy Server"));
    QVERIFY(fixture.boxes.shown.isEmpty());

    // Its scenarios, the scheduled one with all four items.
    QMap<QString, const Corvane::Devices::ScenarioDeviceProperties*> scenarios;
    for (const Corvane::Devices::BaseDeviceProperties* device : project->devices()) {
        if (const auto* scenario = dynamic_cast<const Corvane::Devices::ScenarioDeviceProperties*>(device))
            scenarios.insert(scenario->description(), scenario);
    }
    QCOMPARE(scenarios.size(), 8);
    QCOMPARE(scenarios.value("Simple")->scenarioNumber(), 1);
    QCOMPARE(scenarios.value("S Plus Off")->level(), 45);
    const Corvane::Devices::ScenarioDeviceProperties* scheduled = scenarios.value("Scheduled");
    QCOMPARE(int(scheduled->deviceType()), 9002);
    for (const auto& item : {scheduled->enableItem(), scheduled->disableItem(), scheduled->startItem(),
                             scheduled->stopItem()})
        QVERIFY(item.presence());
    QVERIFY(scenarios.contains("Unused5"));
}

void tst_Settings::killedWriterNeverDamagesTheFiles()
{
    SentrelFixture fixture;
    QTemporaryDir xdgConfig;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", xdgConfig.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString userFile = PathProvider::currentUserConfigFileName();
    const QString autostart = xdgConfig.path() + "/autostart/TalveraVantrel.desktop";

    for (int round = 0; round < 12; ++round) {
        QProcess writer;
        writer.setProcessEnvironment(environment);
        writer.start(QStringLiteral(SETTINGS_WRITER), {});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(10000));
        QTest::qWait(int(QRandomGenerator::global()->bounded(1, 60)));
        ::kill(pid_t(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());

        Corvane::Devices::UserConfigurationProperties read;
        QString error;
        QVERIFY2(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(userFile, QUuid(), &read, false,
                                                                                       &error),
                 qPrintable(error));
        QCOMPARE(read.gui().skin().size() >= 1000, true);
        if (QFileInfo::exists(autostart)) {
            QFile entry(autostart);
            QVERIFY(entry.open(QIODevice::ReadOnly));
            const QByteArray text = entry.readAll();
            QVERIFY(text.startsWith("[Desktop Entry]\n"));
            QVERIFY(text.endsWith("Type=Application\n"));
        }
    }
    // Whatever a killed write left beside the settings goes with the next
    // save.
    Settings::setNoConfigurationModeOn();
    QVERIFY(Settings::saveUserConfiguration());
    QCOMPARE(QFileInfo(userFile).dir().entryList({"UserConfiguration.xml.*"}, QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void tst_Settings::fullDiskKeepsUserSettings()
{
    // The settings folder on a 64 KiB file system of its own.
    const QString folder = FullDisk::smallFileSystemFolder(64 * 1024);
    if (folder.isEmpty())
        return; // ran in a child, or skipped
    SentrelFixture fixture;
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(folder));
    Settings::setNoConfigurationModeOn();
    Settings::initializeUserProperties();
    using Favorite = Corvane::Devices::UserDeviceSettings::Favorite;
    for (int device = 1; device <= 40; ++device)
        Settings::userSettings().addFavorite(Favorite(device, 0, 1, 10 * device, 20, 1.0, false, 1.0));
    QVERIFY(Settings::saveUserConfiguration());
    const QString path = PathProvider::currentUserConfigFileName();
    const QByteArray old = readAll(path);

    QVERIFY(FullDisk::fill(folder));
    Settings::guiProperties().setDimension(55);
    LogCapture log;
    QString error;
    QVERIFY(!Settings::saveUserConfiguration(&error));
    qInfo("user settings of %lld bytes saved on a full disk: %lld bytes after, unchanged: %s (%s)",
          qint64(old.size()), QFileInfo(path).size(), readAll(path) == old ? "yes" : "no", qPrintable(error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!log.errors().isEmpty());
    QCOMPARE(readAll(path), old);

    // The next start reads the file and every favourite in it; nothing is
    // set aside.
    Settings::initializeUserProperties();
    QVERIFY(Settings::keptAsideFileName().isEmpty());
    Corvane::Devices::UserConfigurationProperties read;
    QVERIFY(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(
        path, Settings::devicesConfiguration()->id(), &read, true));
    QCOMPARE(read.userSettings().favorites().size(), 40);
}

void tst_Settings::projectLoadTakesOnlyItsDeviceSettings_data()
{
    QTest::addColumn<bool>("sameProject");
    QTest::newRow("file of this project") << true;
    QTest::newRow("file of another project") << false;
}

// Loading a project (at start or at a switch) reads the device settings
// stored for it; the look settings in use, the project just chosen among
// them, are not put back to what the file holds.
void tst_Settings::projectLoadTakesOnlyItsDeviceSettings()
{
    QFETCH(bool, sameProject);
    using Corvane::Devices::ItemKey;
    SentrelFixture fixture;
    const QUuid id = QUuid::createUuid();
    fixture.writeActiveProject(id);
    Corvane::Devices::UserConfigurationProperties stored;
    stored.gui().setTempConfigFileName(fixture.configPath() + "/old.vtprj");
    stored.gui().setTransparency(80);
    stored.userSettings().setItemName(5, QStringLiteral("Porch"), ItemKey::INVALID_SUB_ID);
    QVERIFY(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::write(
        PathProvider::currentUserConfigFileName(), (sameProject ? id : QUuid::createUuid()).toString(), &stored));

    // In use: newer look settings and the names of the project closed.
    Settings::guiProperties().setTempConfigFileName(QString());
    Settings::guiProperties().setTransparency(30);
    Settings::userSettings().setItemName(6, QStringLiteral("Stale"), ItemKey::INVALID_SUB_ID);
    QCOMPARE(Settings::devicesConfiguration()->id(), id);

    QCOMPARE(Settings::guiProperties().tempConfigFileName(), QString());
    QCOMPARE(Settings::guiProperties().transparency(), 30);
    QCOMPARE(Settings::userSettings().itemName(5, ItemKey::INVALID_SUB_ID),
             sameProject ? QStringLiteral("Porch") : QString());
    QCOMPARE(Settings::userSettings().itemName(6, ItemKey::INVALID_SUB_ID), QString());
}

// The first user settings take the project's language and temperature unit;
// from then on what the user chose in the settings dialog holds.
void tst_Settings::newUserSettingsStartFromTheProject()
{
    using Corvane::Devices::Serialization::UserConfigurationXmlSerializer;
    SentrelFixture fixture;
    const std::unique_ptr<Corvane::Devices::Configuration> project(Corvane::Devices::Configuration::test());
    project->guiProperties().setTemperatureUnit(1);
    project->guiProperties().setLanguage(QStringLiteral("it_IT"));
    QDir().mkpath(QFileInfo(PathProvider::configPrjFullName()).absolutePath());
    QVERIFY(Corvane::Devices::Serialization::XmlSerializer::write(*project, PathProvider::configPrjFullName()));
    const QString userFile = PathProvider::currentUserConfigFileName();
    QVERIFY(!QFileInfo::exists(userFile));

    QCOMPARE(Settings::devicesConfiguration()->id(), project->id());
    QCOMPARE(Settings::guiProperties().temperatureUnit(), 1);
    QCOMPARE(Settings::guiProperties().language(), QStringLiteral("it_IT"));
    QVERIFY(Settings::saveUserConfiguration());
    Corvane::Devices::UserConfigurationProperties written;
    QVERIFY(UserConfigurationXmlSerializer::read(userFile, project->id(), &written, false));
    QCOMPARE(written.gui().temperatureUnit(), 1);
    QCOMPARE(written.gui().language(), QStringLiteral("it_IT"));

    // The user picks Celsius and English; a project switch and a restart keep them.
    Settings::guiProperties().setTemperatureUnit(0);
    Settings::guiProperties().setLanguage(QStringLiteral("en_US"));
    QVERIFY(Settings::saveUserConfiguration());
    Settings::clearConfiguration();
    QCOMPARE(Settings::devicesConfiguration()->id(), project->id());
    QCOMPARE(Settings::guiProperties().temperatureUnit(), 0);
    Settings::reset();
    QCOMPARE(Settings::devicesConfiguration()->id(), project->id());
    QCOMPARE(Settings::guiProperties().temperatureUnit(), 0);
    QCOMPARE(Settings::guiProperties().language(), QStringLiteral("en_US"));
}

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
