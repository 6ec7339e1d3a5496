#include "energy/ChartUtilities.h"

#include <QTest>

#include <cstring>

using Corvane::Gadgets::Utilities::ChartUtilities;

class tst_ChartUtilities : public QObject
{
    Q_OBJECT

private slots:
    void chartColours_data();
    void chartColours();
    void gradientStops_data();
    void gradientStops();
    void emptyGradientAddsNothing();
    void arraysKeepTheirValues();
    void defaultFontNamesFourFiles();
};

void tst_ChartUtilities::chartColours_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<uint>("expected");
    QTest::newRow("opaque red") << QColor(255, 0, 0) << 0x00FF0000u;
    QTest::newRow("transparent") << QColor(0x12, 0x34, 0x56, 0) << 0xFF123456u;
    QTest::newRow("half") << QColor(0, 0, 255, 128) << 0x7F0000FFu;
}

void tst_ChartUtilities::chartColours()
{
    QFETCH(QColor, color);
    QFETCH(uint, expected);
    QCOMPARE(ChartUtilities::toChartColor(color), expected);
}

void tst_ChartUtilities::gradientStops_data()
{
    QTest::addColumn<ChartUtilities::GradientStops>("stops");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("rounded positions")
        << ChartUtilities::GradientStops({ { 0.0, Qt::red }, { 0.012, Qt::green }, { 1.0, Qt::blue } })
        << QList<int>({ 0, 0x00FF0000, 3, 0x0000FF00, 256, 0x000000FF });
    QTest::newRow("solid") << ChartUtilities::solidToGradientStops(QColor(1, 2, 3, 255))
                           << QList<int>({ 0, 0x00010203, 256, 0x00010203 });
}

void tst_ChartUtilities::gradientStops()
{
    QFETCH(ChartUtilities::GradientStops, stops);
    QFETCH(QList<int>, expected);
    ChartUtilities& utilities = ChartUtilities::instance();
    const int arrays = utilities.intArrayCount();
    const QPair<int, int*> converted = utilities.toChartGradientStops(stops);
    QCOMPARE(converted.first, int(expected.size()));
    QCOMPARE(QList<int>(converted.second, converted.second + converted.first), expected);
    QCOMPARE(utilities.intArrayCount(), arrays + 1);
}

void tst_ChartUtilities::emptyGradientAddsNothing()
{
    ChartUtilities& utilities = ChartUtilities::instance();
    const int arrays = utilities.intArrayCount();
    const QPair<int, int*> converted = utilities.toChartGradientStops({});
    QCOMPARE(converted.first, 0);
    QCOMPARE(converted.second, nullptr);
    QCOMPARE(utilities.intArrayCount(), arrays);
}

void tst_ChartUtilities::arraysKeepTheirValues()
{
    ChartUtilities& utilities = ChartUtilities::instance();
    const QPair<int, double*> doubles = utilities.doubleArray({ 1.5, -2.0 });
    QCOMPARE(doubles.first, 2);
    QCOMPARE(doubles.second[1], -2.0);
    const QPair<int, int*> ints = utilities.intArray({ 7 });
    QCOMPARE(ints.first, 1);
    QCOMPARE(ints.second[0], 7);
    const int stringArrays = utilities.stringArrayCount();
    const QPair<int, char**> strings = utilities.stringArray({ QStringLiteral("Jan"), QString(), QStringLiteral("Mär") });
    QCOMPARE(strings.first, 3);
    QCOMPARE(std::strcmp(strings.second[0], "Jan"), 0);
    QCOMPARE(std::strlen(strings.second[1]), size_t(0));
    QCOMPARE(std::strcmp(strings.second[2], "M\xE4r"), 0);
    QCOMPARE(utilities.stringArrayCount(), stringArrays + 1);
    // Arrays handed out earlier stay valid.
    QCOMPARE(doubles.second[0], 1.5);
}

void tst_ChartUtilities::defaultFontNamesFourFiles()
{
    const QStringList files = ChartUtilities::defaultFontFileName().split(QLatin1Char(';'));
    QCOMPARE(files.size(), 4);
    QVERIFY(files.first().endsWith(QLatin1String("Ubuntu-R.ttf")));
}

QTEST_GUILESS_MAIN(tst_ChartUtilities)
#include "tst_chartutilities.moc"
