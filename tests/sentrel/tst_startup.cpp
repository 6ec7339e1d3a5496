#include "StartUp.h"

#include "SentrelFixture.h"

#include "devices/GuiProperties.h"

#include <QApplication>
#include <QTest>

#include <sys/stat.h>

using namespace Corvane::Sentrel;

class tst_StartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tempConfigFile();
    void defaultConfigurationQuestion_data();
    void defaultConfigurationQuestion();
};

void tst_StartUp::tempConfigFile()
{
    SentrelFixture fixture;
    const QString valid = SentrelFixture::writeProject(fixture.configPath() + "/house.vtprj");
    const QString broken = fixture.configPath() + "/broken.vtprj";
    SentrelFixture::writeFile(broken, "<project");
    const QString pipe = fixture.configPath() + "/pipe.vtprj";
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    QVERIFY(!setTempConfigFile(QString()));
    QVERIFY(!setTempConfigFile(broken));
    QVERIFY(!setTempConfigFile(pipe));
    QVERIFY(!setTempConfigFile(fixture.configPath()));
    QVERIFY(Settings::guiProperties().tempConfigFileName().isEmpty());
    QVERIFY(setTempConfigFile(valid));
    QCOMPARE(Settings::guiProperties().tempConfigFileName(), valid);
}

void tst_StartUp::defaultConfigurationQuestion_data()
{
    QTest::addColumn<bool>("activeProject");
    QTest::addColumn<bool>("installFile");
    QTest::addColumn<bool>("tempFile");
    QTest::addColumn<bool>("sameIdentity");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("show");
    QTest::addColumn<bool>("installCleared");
    QTest::addColumn<bool>("recorded");

    const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    QTest::newRow("no active project") << false << true << false << false << yes << false << true << false << false;
    QTest::newRow("changed: yes") << true << true << false << false << yes << true << true << true << true;
    QTest::newRow("changed: no") << true << true << false << false << no << true << true << false << true;
    QTest::newRow("changed: cancel") << true << true << false << false << cancel << true << false << false << false;
    QTest::newRow("changed: box closed") << true << true << false << false << int(QMessageBox::NoButton) << true
                                         << false << false << false;
    QTest::newRow("unchanged") << true << true << false << true << yes << false << true << false << true;
    QTest::newRow("no install file") << true << false << false << false << yes << false << true << false << true;
    QTest::newRow("temporary project chosen") << true << true << true << false << yes << false << true << false
                                              << false;
}

void tst_StartUp::defaultConfigurationQuestion()
{
    QFETCH(bool, activeProject);
    QFETCH(bool, installFile);
    QFETCH(bool, tempFile);
    QFETCH(bool, sameIdentity);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, show);
    QFETCH(bool, installCleared);
    QFETCH(bool, recorded);

    SentrelFixture fixture;
    fixture.boxes.answer = QMessageBox::StandardButton(answer);
    const QUuid activeId = QUuid::createUuid();
    if (activeProject)
        fixture.writeActiveProject(activeId, 7);
    Corvane::Devices::GuiProperties& gui = Settings::guiProperties();
    if (installFile)
        gui.setInstallConfigFileName(QStringLiteral("/somewhere/house.vtprj"));
    if (tempFile)
        gui.setTempConfigFileName(QStringLiteral("/somewhere/other.vtprj"));
    gui.setLastDefConfigId(sameIdentity ? activeId.toString() : QUuid::createUuid().toString());
    gui.setLastDefConfigVersion(sameIdentity ? 7 : 3);
    const QString previousId = gui.lastDefConfigId();

    QCOMPARE(shouldShowMainWindow(), show);
    QCOMPARE(fixture.boxes.shown.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(fixture.boxes.shown.first().contains("The default configuration has been changed."));
    QCOMPARE(gui.installConfigFileName().isEmpty(), installCleared || !installFile);
    if (recorded) {
        QCOMPARE(QUuid(gui.lastDefConfigId()), activeId);
        QCOMPARE(gui.lastDefConfigVersion(), 7);
    } else {
        QCOMPARE(gui.lastDefConfigId(), previousId);
    }
}

QTEST_MAIN(tst_StartUp)
#include "tst_startup.moc"
