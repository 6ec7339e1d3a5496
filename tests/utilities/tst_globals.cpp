#include "utilities/Globals.h"

#include <QTest>

using Corvane::Utilities::Globals;

class tst_Globals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
};

void tst_Globals::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    // The library names are the stems of their translation files.
    QTest::newRow("gadgets") << Globals::gadgetsLibName() << "Gadgets";
    QTest::newRow("devices") << Globals::devicesLibName() << "Devices";
    QTest::newRow("platform") << Globals::platformLibName() << "Platform";
    QTest::newRow("configurator") << Globals::configuratorAppName() << "VantrelConfig";
    QTest::newRow("key") << Globals::appKey("TalveraVantrel", "Talvera") << "Talvera.TalveraVantrel";
}

void tst_Globals::names()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(name, expected);
}

QTEST_GUILESS_MAIN(tst_Globals)
#include "tst_globals.moc"
