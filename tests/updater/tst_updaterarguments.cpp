#include "UpdaterArguments.h"

#include <QTest>

using Corvane::Updater::UpdaterArguments;

class tst_UpdaterArguments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
};

void tst_UpdaterArguments::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("iniPath");
    QTest::addColumn<QString>("locale");

    QTest::newRow("none") << QStringList{} << false << "" << "";
    QTest::newRow("automatic") << QStringList{"/automaticupdate"} << true << "" << "";
    QTest::newRow("ini, locale, automatic")
        << QStringList{"/inifile", "/c/a.ini", "/locale", "it_IT", "/automaticupdate"} << true << "/c/a.ini"
        << "it_IT";
    QTest::newRow("reading stops at automatic")
        << QStringList{"/automaticupdate", "/inifile", "/c/a.ini"} << true << "" << "";
    QTest::newRow("switch compared exactly") << QStringList{"/AutomaticUpdate", "/INIFILE", "x"} << false << ""
                                             << "";
    QTest::newRow("ini without value") << QStringList{"/inifile"} << false << "" << "";
    QTest::newRow("locale without value") << QStringList{"/locale"} << false << "" << "";
    QTest::newRow("empty locale") << QStringList{"/locale", ""} << false << "" << "";
    QTest::newRow("second ini ignored")
        << QStringList{"/inifile", "/first.ini", "/inifile", "/second.ini"} << false << "/first.ini" << "";
    QTest::newRow("second locale ignored")
        << QStringList{"/locale", "de_DE", "/locale", "fr_FR"} << false << "" << "de_DE";
    QTest::newRow("value looking like a switch")
        << QStringList{"/inifile", "/automaticupdate"} << false << "/automaticupdate" << "";
    QTest::newRow("unknown arguments skipped")
        << QStringList{"--verbose", "/locale", "ar", "file.txt"} << false << "" << "ar";
}

void tst_UpdaterArguments::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, automatic);
    QFETCH(QString, iniPath);
    QFETCH(QString, locale);

    const UpdaterArguments parsed = UpdaterArguments::parse(QStringList{"corvane-updater"} + arguments);
    QCOMPARE(parsed.automatic, automatic);
    QCOMPARE(parsed.iniPath, iniPath);
    QCOMPARE(parsed.locale, locale);
}

QTEST_GUILESS_MAIN(tst_UpdaterArguments)
#include "tst_updaterarguments.moc"
