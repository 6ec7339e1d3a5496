#include "InfoSwSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane::Updater;
using namespace Corvane::UpdateChecker;

namespace {

struct Fields
{
    QString name = "Vantrel";
    QString brand = "Talvera";
    QString brandCode = "TL";
    QString splash = "Welcome";
    QString stage = "<STAGE>3</STAGE>";
    QString version = "<V>2</V>";
    QString release = "<R>1</R>";
    QString build = "<B>5</B>";
};

QByteArray document(const Fields& f)
{
    return QString("<?xml version=\"1.0\"?>\n<INFOSW><SW_INIT>"
                   "<SPLASH_MESSAGE>%4</SPLASH_MESSAGE>" // sibling order is free
                   "<SOFTWARE_FRIENDLY_NAME>%1</SOFTWARE_FRIENDLY_NAME>"
                   "<BRAND>%2</BRAND><BRANDCODE>%3</BRANDCODE><UNKNOWN/>%5"
                   "<VERSION>%6%7%8</VERSION></SW_INIT></INFOSW>")
        .arg(f.name, f.brand, f.brandCode, f.splash, f.stage, f.version, f.release, f.build)
        .toUtf8();
}

} // namespace

class tst_InfoSwSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readSettings_data();
    void readSettings();
    void missingFileKeepsDefaults();
    void guardedSetters();
    void conversions_data();
    void conversions();
    void systemDescription();

private:
    QTemporaryDir m_dir;
};

void tst_InfoSwSettings::readSettings_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("brand");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("version");

    const Fields valid;
    QTest::newRow("valid") << document(valid) << true << "Vantrel" << int(BrandTalvera) << 3 << "2.1.5";
    Fields corvane;
    corvane.brand = "Corvane";
    corvane.brandCode = "CV";
    QTest::newRow("corvane") << document(corvane) << true << "Vantrel" << int(BrandCorvane) << 3 << "2.1.5";

    Fields f;
    f.brand = "talvera";
    QTest::newRow("brand in other case") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f = valid;
    f.brandCode = "tl";
    QTest::newRow("unknown brand code") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f = valid;
    f.name = "";
    QTest::newRow("empty name") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f = valid;
    f.splash = "";
    QTest::newRow("empty splash") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f = valid;
    f.stage = "<STAGE>7</STAGE>";
    QTest::newRow("stage 7") << document(f) << true << "Vantrel" << int(BrandTalvera) << 0 << "2.1.5";
    f.stage = "<STAGE>beta</STAGE>";
    QTest::newRow("stage not a number") << document(f) << true << "Vantrel" << int(BrandTalvera) << 0 << "2.1.5";
    f.stage = "<STAGE/>";
    QTest::newRow("stage empty") << document(f) << true << "Vantrel" << int(BrandTalvera) << 0 << "2.1.5";
    f.stage = "";
    QTest::newRow("stage missing") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f = valid;
    f.version = "<V>-1</V>";
    QTest::newRow("version -1") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f.version = "<V>-5</V>";
    QTest::newRow("version -5") << document(f) << true << "Vantrel" << int(BrandTalvera) << 3 << "-1.1.5";
    f.version = "<V>2</V>";
    f.build = "<B>x</B>";
    QTest::newRow("build not a number") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    f.build = "";
    QTest::newRow("build missing") << document(f) << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
    QTest::newRow("other root") << QByteArray("<INFO><SW_INIT/></INFO>") << false << "" << int(UnsetBrand) << 0
                                << "-1.-1.-1";
    QTest::newRow("not xml") << QByteArray("INFOSW") << false << "" << int(UnsetBrand) << 0 << "-1.-1.-1";
}

void tst_InfoSwSettings::readSettings()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, taken);
    QFETCH(QString, name);
    QFETCH(int, brand);
    QFETCH(int, stage);
    QFETCH(QString, version);

    const QString path = m_dir.filePath("INFOSW.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml);
    file.close();

    InfoSwSettings settings;
    QCOMPARE(settings.readSettings(path), taken);
    QCOMPARE(settings.softwareFriendlyName(), name);
    QCOMPARE(int(settings.brand()), brand);
    QCOMPARE(int(settings.stage()), stage);
    QCOMPARE(settings.fullVersionString(), version);
}

void tst_InfoSwSettings::missingFileKeepsDefaults()
{
    InfoSwSettings settings;
    QVERIFY(!settings.readSettings(m_dir.filePath("missing.xml")));
    QCOMPARE(settings.softwareFriendlyName(), QString());
    QCOMPARE(settings.stage(), Development);
    QCOMPARE(settings.brandCode(), UnsetBrandCode);
    QCOMPARE(settings.fullVersionString(), QString("-1.-1.-1"));
}

void tst_InfoSwSettings::guardedSetters()
{
    InfoSwSettings settings;
    settings.setBrand(static_cast<Brand>(2));
    settings.setBrandCode(static_cast<BrandCode>(-1));
    settings.setStage(static_cast<ProductStage>(5));
    settings.setVersion(-2);
    settings.setSoftwareFriendlyName("");
    QCOMPARE(settings.brand(), UnsetBrand);
    QCOMPARE(settings.brandCode(), UnsetBrandCode);
    QCOMPARE(settings.stage(), Development);
    QCOMPARE(settings.version(), -1);
    settings.setVersion(0);
    settings.setRevision(4);
    settings.setBuild(12);
    QCOMPARE(settings.fullVersionString(), QString("0.4.12"));
}

void tst_InfoSwSettings::conversions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");
    QTest::addColumn<int>("stage");

    QTest::newRow("number") << "42" << 42 << 0;
    QTest::newRow("stage") << "4" << 4 << 4;
    QTest::newRow("empty") << "" << -1 << 0;
    QTest::newRow("hexadecimal") << "0x10" << -1 << 0;
    QTest::newRow("negative") << "-7" << -7 << 0;
    QTest::newRow("with text") << "3a" << -1 << 0;
}

void tst_InfoSwSettings::conversions()
{
    QFETCH(QString, text);
    QFETCH(int, integer);
    QFETCH(int, stage);
    QCOMPARE(InfoSwSettings::integerValueFromString(text), integer);
    QCOMPARE(int(InfoSwSettings::stageFromString(text)), stage);
}

void tst_InfoSwSettings::systemDescription()
{
    QCOMPARE(InfoSwSettings::os(), Linux);
    QCOMPARE(InfoSwSettings::architecture("x64"), X64);
    QCOMPARE(InfoSwSettings::architecture("x86"), X86);
    QCOMPARE(InfoSwSettings::installationPackageType(m_dir.filePath("no-dpkg")), Archive);
    QFile dpkg(m_dir.filePath("dpkg"));
    QVERIFY(dpkg.open(QIODevice::WriteOnly));
    QCOMPARE(InfoSwSettings::installationPackageType(dpkg.fileName()), DebianPackage);
    QCOMPARE(InfoSwSettings::brandToString(BrandCorvane), QString("Corvane"));
    QCOMPARE(InfoSwSettings::brandCodeToString(BrandCodeTL), QString("TL"));
    QCOMPARE(InfoSwSettings::brandToString(UnsetBrand), QString());
}

QTEST_GUILESS_MAIN(tst_InfoSwSettings)
#include "tst_infoswsettings.moc"
