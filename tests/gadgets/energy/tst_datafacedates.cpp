#include "FaceFixtures.h"

#include "energy/DataFaceDates.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/LoadManagementDataControl.h"
#include "energy/WebServerDataControl.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSimpleTextItem>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_DataFaceDates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void formsOfTheLocale_data();
    void formsOfTheLocale();
    void everyFaceSaysItAlike_data();
    void everyFaceSaysItAlike();
};

void tst_DataFaceDates::formsOfTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("moment");

    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "10.12.2026" << "12.2026"
                            << "10.12.2026 14:05";
    QTest::newRow("British") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "10/12/2026" << "12/2026"
                             << "10/12/2026 14:05";
    QTest::newRow("American: four-digit year") << QLocale(QLocale::English, QLocale::UnitedStates) << "12/10/2026"
                                               << "12/2026" << "12/10/2026 2:05 PM";
    QTest::newRow("ISO order: the day goes with its separator")
        << QLocale(QLocale::Swedish, QLocale::Sweden) << "2026-12-10" << "2026-12" << "2026-12-10 14:05";
    QTest::newRow("C: hours and minutes, no seconds") << QLocale::c() << "10 Dec 2026" << "Dec 2026"
                                                      << "10 Dec 2026 14:05";
}

void tst_DataFaceDates::formsOfTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, moment);

    QLocale::setDefault(locale);
    const QDateTime when(QDate(2026, 12, 10), QTime(14, 5));
    QCOMPARE(DataFaceDates::dayText(when.date()), day);
    QCOMPARE(locale.toString(when.date(), DataFaceDates::monthFormat()), month);
    // Whichever space the locale puts before AM and PM.
    QCOMPARE(DataFaceDates::momentText(when).replace(QChar(0x202f), QLatin1Char(' ')), moment);
    QVERIFY(DataFaceDates::dayText(QDate()).isEmpty());
    QVERIFY(DataFaceDates::momentText(QDateTime()).isEmpty());
}

void tst_DataFaceDates::everyFaceSaysItAlike_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("British") << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("American") << QLocale(QLocale::English, QLocale::UnitedStates);
}

// The energy face's "updated to", the load face's "Updated" and "From" and
// the webserver face's date read one date alike.
void tst_DataFaceDates::everyFaceSaysItAlike()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    const QDateTime when(QDate(2026, 12, 10), QTime(14, 5));
    const QString moment = DataFaceDates::momentText(when);

    EnergyDataViewControl energy(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW), nullptr);
    energy.setDailyViewDate(when);
    energy.setLastUpdated(when);
    QCOMPARE(energy.titleLabel()->text(),
             QStringLiteral("Data %1 updated to %2").arg(DataFaceDates::dayText(when.date()), moment));

    LoadManagementDataControl load(ThemeProvider::getRendererFor(ThemeProvider::LOAD_MANAGEMENT_VIEW), nullptr);
    load.setUpdateTime(when);
    load.setCounterData(LoadManagementDataControl::FirstCounter, when, 1.5, QStringLiteral("kWh"));
    QCOMPARE(load.lastUpdateText()->text(), QStringLiteral("Updated ") + moment);
    QVERIFY(load.counterText(LoadManagementDataControl::FirstCounter)->text().startsWith(QStringLiteral("From ") + moment));

    WebServerDataControl webServer(ThemeProvider::getRendererFor(ThemeProvider::WEB_SERVER_VIEW), nullptr);
    webServer.setDate(when.date());
    QCOMPARE(webServer.valueLabel(WebServerDataControl::DateRow)->text(), DataFaceDates::dayText(when.date()));
}

QTEST_MAIN(tst_DataFaceDates)
#include "tst_datafacedates.moc"
