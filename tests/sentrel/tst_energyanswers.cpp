#include "AnswerRecorder.h"

#include "pravikdriver/PravikCodes.h"
#include "simulation/EnergyAnswers.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <numeric>

using Corvane::PravikDriver::Message;
using Corvane::Sentrel::EnergyAnswers;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::PseudoDriver;
using namespace Corvane::PravikDriver::PravikCodes;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

const QString METER = QStringLiteral("71");
const int DAY_MAX = 24 * 1000;

QList<int> valuesOf(const Message& message)
{
    QList<int> values;
    for (const auto& parameter : message.parameters())
        values.append(parameter.value());
    return values;
}

// The last value of each message: the reading of new-interface series.
QList<int> lastValues(const QList<ReceivedAnswer>& answers)
{
    QList<int> values;
    for (const ReceivedAnswer& answer : answers)
        values.append(valuesOf(answer.message).last());
    return values;
}

} // namespace

class tst_EnergyAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shapes_data();
    void shapes();
    void unrecognised_data();
    void unrecognised();
    void currentDayTotalIsZeroDuringTheFirstHour();
    void dayPerHourOfTodayStopsAtTheCurrentHour();
    void dayPerHourOfAPastDayIsFull_data();
    void dayPerHourOfAPastDayIsFull();
    void oldDayPerHourEndsWithTheEndMark();
    void monthPerDayEndsAfterTheMonthsDaysSoFar_data();
    void monthPerDayEndsAfterTheMonthsDaysSoFar();
    void monthPerHourEndsWithThePerDayAverage();
    void monthTotalOfTheCurrentMonthCountsDaysUpToToday();
    void oldSeriesAssembleIntoOneAnswer();
    void totalsAreTheSumsOfTheirSeries();
    void deduceYearAndDays_data();
    void deduceYearAndDays();
    void readingsAreAHomes_data();
    void readingsAreAHomes();

private:
    void setNow(const QDateTime& now) { m_clock->setDateTime(now); }

    ManualClock* m_clock = nullptr;
    PseudoDriver* m_driver = nullptr;
    AnswerRecorder m_recorder;
};

void tst_EnergyAnswers::init()
{
    m_clock = new ManualClock(QDateTime(QDate(2024, 3, 10), QTime(14, 30)));
    m_driver = new PseudoDriver(nullptr, m_clock);
    m_recorder.clear();
    m_driver->registerListener(&m_recorder);
}

void tst_EnergyAnswers::cleanup()
{
    delete m_driver;
    delete m_clock;
}

void tst_EnergyAnswers::shapes_data()
{
    QTest::addColumn<Message>("request");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("dimensionParameterCount");
    QTest::addColumn<int>("maximum");

    // Today is 10 March 2024, 14:30.
    QTest::newRow("instant energy") << Message::createInstantEnergyMessage(METER) << 1 << INSTANT_ENERGY << 0 << 3500;
    QTest::newRow("instant gas") << Message::createInstantGasMessage(METER) << 1 << INSTANT_GAS << 0 << 1000;
    QTest::newRow("instant heat") << Message::createInstantHeatMessage(METER) << 1 << INSTANT_HEAT << 0 << 1000;
    QTest::newRow("instant water") << Message::createInstantWaterMessage(METER) << 1 << INSTANT_WATER << 0 << 1000;
    QTest::newRow("current day total") << Message::createCurrentDayTotalMessage(METER) << 1 << CURRENT_DAY_TOTAL << 0
                                       << 14 * 1000;
    QTest::newRow("current month total")
        << Message::createCurrentMonthTotalMessage(METER) << 1 << CURRENT_MONTH_TOTAL << 0 << 10 * DAY_MAX;
    QTest::newRow("month total") << Message::createMonthTotalMessage(METER, 23, 11) << 1 << MONTH_TOTAL << 2
                                 << 30 * DAY_MAX;
    QTest::newRow("day per hour, new") << Message::createDayPerHourMessage(METER, 3, 9, false) << 25
                                       << NEW_DAY_PER_HOUR << 2 << 24 * 1000;
    QTest::newRow("day per hour, old") << Message::createDayPerHourMessage(METER, 3, 9, true) << 10
                                       << OLD_DAY_PER_HOUR << 2 << 2024;
    QTest::newRow("month per day, new") << Message::createMonthPerDayMessage(METER, 2, false) << 31
                                        << NEW_MONTH_PER_DAY << 1 << DAY_MAX;
    QTest::newRow("month per day, previous year") << Message::createMonthPerDayPrevMessage(METER, 2) << 31
                                                  << NEW_MONTH_PER_DAY_PREV << 1 << DAY_MAX;
    QTest::newRow("month per day, old") << Message::createMonthPerDayMessage(METER, 2, true) << 25
                                        << OLD_MONTH_PER_DAY << 1 << 244;
    QTest::newRow("month per hour, old") << Message::createMonthPerHourMessage(METER, 2, true) << 19
                                         << OLD_MONTH_PER_HOUR << 1 << 244;
    QTest::newRow("month per hour, new") << Message::createMonthPerHourMessage(METER, 2, false) << 25
                                         << NEW_MONTH_PER_HOUR << 1 << 29 * 1000;
}

// Counts, codes and ranges; every answer goes out with the monitor flag.
void tst_EnergyAnswers::shapes()
{
    QFETCH(Message, request);
    QFETCH(int, count);
    QFETCH(int, dimension);
    QFETCH(int, dimensionParameterCount);
    QFETCH(int, maximum);

    request.setPriority(3);
    m_driver->sendMessage(request);

    QCOMPARE(m_recorder.answers.size(), count);
    for (const ReceivedAnswer& answer : std::as_const(m_recorder.answers)) {
        const Message& message = answer.message;
        QCOMPARE(message.messageType(), 101);
        QCOMPARE(message.systemType(), 18);
        QCOMPARE(message.address(), METER);
        QCOMPARE(message.commandType(), 0);
        QCOMPARE(message.dimension(), dimension);
        QCOMPARE(message.dimensionParameterCount(), dimensionParameterCount);
        QVERIFY(answer.second.isEmpty());
        QVERIFY(answer.flag);
        const QList<int> values = valuesOf(message);
        for (int i = dimensionParameterCount; i < values.size(); ++i)
            QVERIFY2(values.at(i) >= 0 && values.at(i) <= qMax(maximum, 255), qPrintable(QString::number(values.at(i))));
    }
}

void tst_EnergyAnswers::unrecognised_data()
{
    QTest::addColumn<Message>("request");
    QTest::newRow("day per hour on 31 April") << Message::createDayPerHourMessage(METER, 4, 31, true);
    QTest::newRow("month total with three values")
        << Message(6, 18, METER, 0, MONTH_TOTAL, { 24, 1, 5 }, 3);
    QTest::newRow("month total of another dimension") << Message(6, 18, METER, 0, CURRENT_MONTH_TOTAL + 100, { 24, 1 }, 2);
    QTest::newRow("month per hour with two values") << Message(3, 18, METER, NEW_MONTH_PER_HOUR_REQUEST, 0, { 1, 2 }, 0);
    QTest::newRow("day per hour with one value") << Message(3, 18, METER, NEW_DAY_PER_HOUR_REQUEST, 0, { 1 }, 0);
}

void tst_EnergyAnswers::unrecognised()
{
    QFETCH(Message, request);
    m_driver->sendMessage(request);
    QCOMPARE(m_recorder.answers.size(), 1);
    QCOMPARE(m_recorder.answers.first().message, request);
    QVERIFY(!m_recorder.answers.first().flag);
}

void tst_EnergyAnswers::currentDayTotalIsZeroDuringTheFirstHour()
{
    setNow(QDateTime(QDate(2024, 3, 10), QTime(0, 59)));
    for (int run = 0; run < 20; ++run)
        m_driver->requestCurrentDayTotal(METER);
    QCOMPARE(m_recorder.energy.size(), 20);
    for (const auto& answer : std::as_const(m_recorder.energy)) {
        QCOMPARE(answer.type(), 3);
        QCOMPARE(answer.values(), QList<int> { 0 });
    }
}

void tst_EnergyAnswers::dayPerHourOfTodayStopsAtTheCurrentHour()
{
    m_driver->requestDayPerHour(METER, 3, 10, false);

    QCOMPARE(m_recorder.answers.size(), 25);
    const QList<int> values = lastValues(m_recorder.answers);
    int sum = 0;
    for (int hour = 1; hour <= 24; ++hour) {
        QCOMPARE(valuesOf(m_recorder.answers.at(hour - 1).message).mid(0, 3), (QList<int> { 3, 10, hour }));
        if (hour > 14)
            QCOMPARE(values.at(hour - 1), 0);
        sum += values.at(hour - 1);
    }
    QVERIFY(sum > 0);
    QCOMPARE(values.last(), sum);
    // The driver builds one answer: 24 hours and the day total.
    QCOMPARE(m_recorder.energy.size(), 1);
    QCOMPARE(m_recorder.energy.first().type(), 8);
    QCOMPARE(m_recorder.energy.first().values(), values);
}

// A day later in this month is last year's: gateways keep a year of days.
void tst_EnergyAnswers::dayPerHourOfAPastDayIsFull_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("29 February of this year") << 2 << 29;
    QTest::newRow("tomorrow, a year ago") << 3 << 11;
}

void tst_EnergyAnswers::dayPerHourOfAPastDayIsFull()
{
    QFETCH(int, month);
    QFETCH(int, day);
    m_driver->requestDayPerHour(METER, month, day, false);
    QCOMPARE(m_recorder.answers.size(), 25);
    const QList<int> values = lastValues(m_recorder.answers);
    int nonZero = 0;
    for (int hour = 0; hour < 24; ++hour)
        nonZero += values.at(hour) > 0;
    QVERIFY(nonZero > 20);
}

void tst_EnergyAnswers::oldDayPerHourEndsWithTheEndMark()
{
    m_driver->requestDayPerHour(METER, 3, 9, true);

    QCOMPARE(m_recorder.answers.size(), 10);
    for (int frame = 1; frame <= 10; ++frame)
        QCOMPARE(valuesOf(m_recorder.answers.at(frame - 1).message).mid(0, 3), (QList<int> { 2024, 3, frame }));
    const QList<int> last = valuesOf(m_recorder.answers.last().message);
    QCOMPARE(last.size(), 5);
    QVERIFY(last.at(3) < EnergyAnswers::FILLER_BOUND);
    QCOMPARE(last.at(4), 255);
    QCOMPARE(valuesOf(m_recorder.answers.first().message).size(), 5);
    QCOMPARE(valuesOf(m_recorder.answers.at(4).message).size(), 6);
    QCOMPARE(valuesOf(m_recorder.answers.at(8).message).size(), 6);
}

void tst_EnergyAnswers::monthPerDayEndsAfterTheMonthsDaysSoFar_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("previousYear");
    QTest::addColumn<int>("daysWithValues");

    QTest::newRow("current month") << QDate(2024, 3, 10) << 3 << false << 10;
    QTest::newRow("February of a leap year") << QDate(2024, 3, 10) << 2 << false << 29;
    QTest::newRow("February of a common year") << QDate(2023, 3, 10) << 2 << false << 28;
    QTest::newRow("April of last year") << QDate(2024, 3, 10) << 4 << false << 30;
    QTest::newRow("February, previous year") << QDate(2024, 3, 10) << 2 << true << 28;
    QTest::newRow("March, previous year") << QDate(2024, 3, 10) << 3 << true << 31;
}

void tst_EnergyAnswers::monthPerDayEndsAfterTheMonthsDaysSoFar()
{
    QFETCH(QDate, today);
    QFETCH(int, month);
    QFETCH(bool, previousYear);
    QFETCH(int, daysWithValues);

    setNow(QDateTime(today, QTime(12, 0)));
    if (previousYear)
        m_driver->requestMonthPerDayPrev(METER, month);
    else
        m_driver->requestMonthPerDay(METER, month, false);

    QCOMPARE(m_recorder.answers.size(), 31);
    const QList<int> values = lastValues(m_recorder.answers);
    for (int day = 1; day <= 31; ++day) {
        QCOMPARE(valuesOf(m_recorder.answers.at(day - 1).message).mid(0, 2), (QList<int> { month, day }));
        if (day > daysWithValues)
            QCOMPARE(values.at(day - 1), 0);
        else
            QVERIFY(values.at(day - 1) > 0);
    }
    QCOMPARE(m_recorder.energy.size(), 1);
    QCOMPARE(m_recorder.energy.first().values(), values);
}

void tst_EnergyAnswers::monthPerHourEndsWithThePerDayAverage()
{
    m_driver->requestMonthPerHour(METER, 3, false);

    QCOMPARE(m_recorder.answers.size(), 25);
    const QList<int> values = lastValues(m_recorder.answers);
    qint64 sum = 0;
    for (int hour = 0; hour < 24; ++hour) {
        // Each hour summed over the ten days so far.
        QVERIFY(values.at(hour) <= 10 * 1000);
        sum += values.at(hour);
    }
    QCOMPARE(values.last(), qRound(double(sum) / 10));
}

void tst_EnergyAnswers::monthTotalOfTheCurrentMonthCountsDaysUpToToday()
{
    setNow(QDateTime(QDate(2024, 3, 2), QTime(12, 0)));
    for (int run = 0; run < 10; ++run) {
        m_driver->requestMonthTotal(METER, 24, 3);
        m_driver->requestMonthTotal(METER, 24, 1);
    }
    QCOMPARE(m_recorder.energy.size(), 20);
    for (int run = 0; run < 10; ++run) {
        const auto& current = m_recorder.energy.at(2 * run);
        const auto& january = m_recorder.energy.at(2 * run + 1);
        QCOMPARE(current.dimensionParameters(), (QList<int> { 24, 3 }));
        QVERIFY(current.values().first() <= 2 * DAY_MAX);
        // A whole month of random days is far above two days' maximum.
        QVERIFY(january.values().first() > 2 * DAY_MAX);
    }
}

void tst_EnergyAnswers::oldSeriesAssembleIntoOneAnswer()
{
    m_driver->requestMonthPerDay(METER, 2, true);
    m_driver->requestMonthPerHour(METER, 2, true);
    m_driver->requestDayPerHour(METER, 3, 9, true);

    QCOMPARE(m_recorder.energy.size(), 3);
    QCOMPARE(m_recorder.energy.at(0).type(), 6);
    QCOMPARE(m_recorder.energy.at(0).values().size(), 31);
    QCOMPARE(m_recorder.energy.at(1).type(), 7);
    QCOMPARE(m_recorder.energy.at(1).values().size(), 24);
    QCOMPARE(m_recorder.energy.at(2).type(), 8);
    QCOMPARE(m_recorder.energy.at(2).values().size(), 25);
}

// One gateway tells one story: each total is the sum of the series that
// shows it, whatever was asked before.
void tst_EnergyAnswers::totalsAreTheSumsOfTheirSeries()
{
    // Today is 10 March 2024, 14:30.
    const auto readings = [this](const std::function<void()>& request) {
        m_recorder.clear();
        request();
        return lastValues(m_recorder.answers);
    };
    const auto sum = [](const QList<int>& values, qsizetype count) {
        return std::accumulate(values.cbegin(), values.cbegin() + count, 0);
    };
    const QList<int> march = readings([this] { m_driver->requestMonthPerDay(METER, 3, false); });
    const QList<int> today = readings([this] { m_driver->requestDayPerHour(METER, 3, 10, false); });
    const QList<int> ninth = readings([this] { m_driver->requestDayPerHour(METER, 3, 9, false); });
    QCOMPARE(readings([this] { m_driver->requestCurrentDayTotal(METER); }).first(), today.last());
    QCOMPARE(march.at(9), today.last());
    QCOMPARE(march.at(8), ninth.last());
    QCOMPARE(today.last(), sum(today, 24));
    QCOMPARE(ninth.last(), sum(ninth, 24));
    QCOMPARE(readings([this] { m_driver->requestCurrentMonthTotal(METER); }).first(), sum(march, 31));
    const QList<int> hours = readings([this] { m_driver->requestMonthPerHour(METER, 3, false); });
    QCOMPARE(sum(hours, 24), sum(march, 31));
    QCOMPARE(hours.last(), qRound(sum(march, 31) / 10.0));

    const QList<int> february = readings([this] { m_driver->requestMonthPerDay(METER, 2, false); });
    QCOMPARE(readings([this] { m_driver->requestMonthTotal(METER, 24, 2); }).first(), sum(february, 31));
    // Another meter reads otherwise.
    QVERIFY(readings([this] { m_driver->requestMonthPerDay(QStringLiteral("52"), 2, false); }) != february);
}

void tst_EnergyAnswers::deduceYearAndDays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("previousYear");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");

    QTest::newRow("current month") << QDate(2024, 3, 10) << 3 << false << 2024 << 10;
    QTest::newRow("later month") << QDate(2024, 3, 10) << 12 << false << 2023 << 31;
    QTest::newRow("previous year") << QDate(2024, 3, 10) << 2 << true << 2023 << 28;
    QTest::newRow("previous year, later month") << QDate(2024, 3, 10) << 4 << true << 2022 << 30;
}

void tst_EnergyAnswers::deduceYearAndDays()
{
    QFETCH(QDate, today);
    QFETCH(int, month);
    QFETCH(bool, previousYear);
    QFETCH(int, year);
    QFETCH(int, days);
    int gotYear = 0;
    int gotDays = 0;
    EnergyAnswers::deduceMonthPerDayYearDaysCount(month, previousYear, today, gotYear, gotDays);
    QCOMPARE(gotYear, year);
    QCOMPARE(gotDays, days);
}

void tst_EnergyAnswers::readingsAreAHomes_data()
{
    QTest::addColumn<int>("energyType");
    QTest::addColumn<int>("instantMaximum");
    QTest::addColumn<int>("hourMaximum");
    QTest::newRow("electricity: W, Wh") << 1 << 3500 << 1000;
    QTest::newRow("gas: m³/h, m³") << 2 << 2 << 2;
    QTest::newRow("heat: a heating's kW or hot water's m³/h") << 3 << 1 << 1;
    QTest::newRow("water: m³/h, m³") << 4 << 1 << 1;
}

// A meter tells its kind with its automatic-update request: its instant
// values and its hours then stay in what a home reads, and do vary.
void tst_EnergyAnswers::readingsAreAHomes()
{
    QFETCH(int, energyType);
    QFETCH(int, instantMaximum);
    QFETCH(int, hourMaximum);
    m_driver->requestEnergyStartAutoUpdate(METER, energyType, 255, 1);
    const int ticks = 200;
    for (int tick = 0; tick < ticks; ++tick)
        m_clock->advance(PseudoDriver::AUTO_UPDATE_FULL_PERIOD);
    QList<int> instants;
    for (const ReceivedAnswer& answer : std::as_const(m_recorder.answers))
        if (answer.message.dimension() != AUTO_UPDATE)
            instants.append(valuesOf(answer.message).value(0, -1));
    QCOMPARE(instants.size(), ticks + 1);
    QVERIFY(*std::min_element(instants.cbegin(), instants.cend()) >= 0);
    QVERIFY(*std::max_element(instants.cbegin(), instants.cend()) <= instantMaximum);
    QVERIFY(*std::max_element(instants.cbegin(), instants.cend()) > 0);

    QList<int> hours;
    for (int day = 1; day <= 9; ++day) {
        m_recorder.clear();
        m_driver->sendMessage(Message::createDayPerHourMessage(METER, 3, day, false));
        QList<int> readings = lastValues(m_recorder.answers);
        QCOMPARE(readings.size(), 25);
        readings.removeLast();
        hours += readings;
    }
    QVERIFY(*std::min_element(hours.cbegin(), hours.cend()) >= 0);
    QVERIFY(*std::max_element(hours.cbegin(), hours.cend()) <= hourMaximum);
    QVERIFY(*std::max_element(hours.cbegin(), hours.cend()) > 0);
}

QTEST_GUILESS_MAIN(tst_EnergyAnswers)
#include "tst_energyanswers.moc"
