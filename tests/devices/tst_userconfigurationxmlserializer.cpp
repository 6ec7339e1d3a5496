#include "devices/UserConfigurationProperties.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"

#include "LogCapture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane::Devices;
using Corvane::Devices::Serialization::UserConfigurationXmlSerializer;

namespace {

const QUuid PROJECT_ID(QStringLiteral("6f1c2a4e-3b7d-4e52-9a0c-5d8e7f601234"));

UserConfigurationProperties fullSettings()
{
    UserConfigurationProperties properties;
    GuiProperties& gui = properties.gui();
    gui.setLanguage(QStringLiteral("ar_SA"));
    gui.setDimension(75);
    gui.setTransparency(20);
    gui.setHideLabelsTimeout(45);
    gui.setGoHomepageTimeout(0);
    gui.setSkin(QStringLiteral("Talvera"));
    gui.setTemperatureUnit(1);
    gui.setPosition(QPoint(-120, 340));
    gui.setAlwaysOnTop(true);
    gui.setTempConfigFileName(QStringLiteral("/tmp/probe <1>.vtprj"));
    gui.setInstallConfigFileName(QStringLiteral("/home/ü/active.vtprj"));
    gui.setLastConfigFolderPath(QStringLiteral("/home/ü"));
    gui.setLastDefConfigId(PROJECT_ID.toString());
    gui.setLastDefConfigVersion(12);
    gui.setIsUserConfDialogMaximized(true);
    gui.setUserConfDialogSize(QSize(640, 480));
    gui.setCarouselScale(ConfigPage::Lighting, 1.25);
    gui.setCarouselScale(ConfigPage::Energy, 0.8);

    UserDeviceSettings& devices = properties.userSettings();
    devices.addFavorite(UserDeviceSettings::Favorite(5, ItemKey::INVALID_SUB_ID, 2000, 10, 20, 0.5, true, 1.0));
    devices.addFavorite(UserDeviceSettings::Favorite(9, 2, 8000, -30, 40, 1.5, false, 0.75));
    devices.setItemName(5, QStringLiteral("Lamp & <shade>"));
    devices.setItemName(9, QStringLiteral("Cool \"24\""), 2);
    devices.setPageItemsOrder(-10, {7, 5, 6});
    devices.setPageItemsOrder(-40, {2, 1, 0}, 9);
    devices.setItemTariff(11, ItemKey::INVALID_SUB_ID, 0.2175);
    return properties;
}

} // namespace

class tst_UserConfigurationXmlSerializer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void roundTrip();
    void textsOutsideXmlAreDropped();
    void goHomeTimeout_data();
    void goHomeTimeout();
    void deviceSettingsFollowProject_data();
    void deviceSettingsFollowProject();
    void brokenFilesKeepSettings_data();
    void brokenFilesKeepSettings();
    void unknownPageScaleIsDropped();
    void fuzzFixturesDoNotCrash();
    void failedWriteKeepsOldFile();

private:
    QTemporaryDir m_dir;
};

void tst_UserConfigurationXmlSerializer::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_UserConfigurationXmlSerializer::roundTrip()
{
    const UserConfigurationProperties original = fullSettings();
    const QString path = m_dir.filePath(QStringLiteral("user.xml"));
    QVERIFY(UserConfigurationXmlSerializer::write(path, PROJECT_ID.toString(), &original));

    UserConfigurationProperties copy;
    QString error;
    QVERIFY2(UserConfigurationXmlSerializer::read(path, PROJECT_ID, &copy, true, &error), qPrintable(error));
    QVERIFY(copy.gui() == original.gui());
    QCOMPARE(copy.gui().carouselScale(ConfigPage::Lighting), 1.25);
    QCOMPARE(copy.gui().carouselScale(ConfigPage::Scenarios), GuiProperties::DEFAULT_CAROUSEL_SCALE);
    QCOMPARE(copy.userSettings().favorites().size(), 2);
    QCOMPARE(copy.userSettings().favorites().at(1).subDeviceId, 2);
    QCOMPARE(copy.userSettings().favorites().at(1).opacity, 0.75);
    QCOMPARE(copy.userSettings().itemName(9, 2), QStringLiteral("Cool \"24\""));
    QCOMPARE(copy.userSettings().itemName(9), QString());
    QCOMPARE(copy.userSettings().pageItemsOrder(-40, 9), (QList<int>{2, 1, 0}));
    QCOMPARE(copy.userSettings().itemTariff(11), 0.2175);
    QVERIFY(copy == original);
}

void tst_UserConfigurationXmlSerializer::textsOutsideXmlAreDropped()
{
    UserConfigurationProperties properties = fullSettings();
    properties.userSettings().setItemName(5, QStringLiteral("Lamp") + QChar(0x1B) + QStringLiteral("[0m"));
    const QString path = m_dir.filePath(QStringLiteral("texts.xml"));
    QVERIFY(UserConfigurationXmlSerializer::write(path, PROJECT_ID.toString(), &properties));

    UserConfigurationProperties copy;
    QVERIFY(UserConfigurationXmlSerializer::read(path, PROJECT_ID, &copy, true));
    QCOMPARE(copy.userSettings().itemName(5), QStringLiteral("Lamp[0m"));
    QCOMPARE(copy.userSettings().favorites().size(), 2);
}

void tst_UserConfigurationXmlSerializer::goHomeTimeout_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("seconds");
    QTest::newRow("10 s stored") << QStringLiteral("goHomepageTimeout=\"10\"") << 10;
    QTest::newRow("never stored") << QString() << 60;
}

// A time-out the file holds is kept; a file without one gets a minute.
void tst_UserConfigurationXmlSerializer::goHomeTimeout()
{
    QFETCH(QString, stored);
    QFETCH(int, seconds);
    QString text = QString::fromUtf8(UserConfigurationXmlSerializer::writeData(PROJECT_ID.toString(), fullSettings()));
    static const QRegularExpression attribute(QStringLiteral("goHomepageTimeout=\"[^\"]*\""));
    QVERIFY(text.contains(attribute));
    text.replace(attribute, stored);

    UserConfigurationProperties read;
    QVERIFY(UserConfigurationXmlSerializer::readData(text.toUtf8(), PROJECT_ID, &read, true));
    QCOMPARE(read.gui().goHomepageTimeout(), seconds);
    QCOMPARE(GuiProperties().goHomepageTimeout(), 60);
}

void tst_UserConfigurationXmlSerializer::deviceSettingsFollowProject_data()
{
    QTest::addColumn<QUuid>("projectId");
    QTest::addColumn<bool>("withDeviceSettings");
    QTest::addColumn<bool>("expectDeviceSettings");

    QTest::newRow("same project") << PROJECT_ID << true << true;
    QTest::newRow("other project") << QUuid::createUuid() << true << false;
    QTest::newRow("look settings only") << PROJECT_ID << false << false;
}

void tst_UserConfigurationXmlSerializer::deviceSettingsFollowProject()
{
    QFETCH(QUuid, projectId);
    QFETCH(bool, withDeviceSettings);
    QFETCH(bool, expectDeviceSettings);
    const UserConfigurationProperties original = fullSettings();
    const QByteArray data = UserConfigurationXmlSerializer::writeData(PROJECT_ID.toString(), original);

    UserConfigurationProperties copy = fullSettings();
    QVERIFY(UserConfigurationXmlSerializer::readData(data, projectId, &copy, withDeviceSettings));
    QVERIFY(copy.gui() == original.gui());
    QCOMPARE(copy.userSettings() == original.userSettings(), expectDeviceSettings);
    QCOMPARE(copy.userSettings().favorites().isEmpty(), !expectDeviceSettings);
}

void tst_UserConfigurationXmlSerializer::brokenFilesKeepSettings_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray valid = UserConfigurationXmlSerializer::writeData(PROJECT_ID.toString(), fullSettings());

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not xml") << QByteArray("dimension=50");
    QTest::newRow("wrong root") << QByteArray("<project/>");
    QTest::newRow("truncated") << valid.left(valid.size() - 40);
    QTest::newRow("bad number") << QByteArray("<userSettings><gui dimension=\"big\"/></userSettings>");
    QTest::newRow("bad order id") << QByteArray("<userSettings><devices><order page=\"1\"><id>x</id></order></devices></userSettings>");
    QTest::newRow("huge name") << "<userSettings><devices><name device=\"1\" text=\"" + QByteArray(5000, 'n') + "\"/></devices></userSettings>";
    QTest::newRow("newer format") << QByteArray("<userSettings format=\"2\"/>");
    QByteArray favorites = "<userSettings><devices>";
    for (int i = 0; i <= 1000; ++i)
        favorites += "<favorite device=\"" + QByteArray::number(i) + "\"/>";
    QTest::newRow("too many favourites") << favorites + "</devices></userSettings>";
}

void tst_UserConfigurationXmlSerializer::brokenFilesKeepSettings()
{
    QFETCH(QByteArray, data);
    LogCapture log;
    const QString path = m_dir.filePath(QStringLiteral("broken.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
    file.close();

    const UserConfigurationProperties before = fullSettings();
    UserConfigurationProperties properties = before;
    QString error;
    QVERIFY(!UserConfigurationXmlSerializer::read(path, PROJECT_ID, &properties, true, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(properties == before);
}

void tst_UserConfigurationXmlSerializer::unknownPageScaleIsDropped()
{
    const QByteArray data = "<userSettings><gui><carouselScale page=\"81133\" scale=\"2\"/>"
                            "<carouselScale page=\"3000\" scale=\"0.5\"/></gui></userSettings>";
    UserConfigurationProperties properties;
    QVERIFY(UserConfigurationXmlSerializer::readData(data, PROJECT_ID, &properties, true));
    QCOMPARE(properties.gui().carouselScales().size(), 1);
    QCOMPARE(properties.gui().carouselScale(ConfigPage::Automation), 0.5);
}

void tst_UserConfigurationXmlSerializer::fuzzFixturesDoNotCrash()
{
    LogCapture log;
    const QDir dir(QStringLiteral(FIXTURES_DIR "/usersettings"));
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        UserConfigurationProperties properties;
        QString error;
        const bool ok = UserConfigurationXmlSerializer::readData(file.readAll(), PROJECT_ID, &properties, true, &error);
        QVERIFY2(ok || !error.isEmpty(), qPrintable(info.fileName()));
    }
}

void tst_UserConfigurationXmlSerializer::failedWriteKeepsOldFile()
{
    LogCapture log;
    // The temporary file beside a name this long exceeds the file-name limit.
    const QString path = m_dir.filePath(QString(250, QLatin1Char('u')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();

    const UserConfigurationProperties properties = fullSettings();
    QString error;
    QVERIFY(!UserConfigurationXmlSerializer::write(path, PROJECT_ID.toString(), &properties, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
}

QTEST_GUILESS_MAIN(tst_UserConfigurationXmlSerializer)
#include "tst_userconfigurationxmlserializer.moc"
