#include "charts/ImageMapHandler.h"

#include <QTest>

using Corvane::Charts::ImageMapHandler;

class tst_ImageMapHandler : public QObject
{
    Q_OBJECT

private slots:
    void hotSpotAtPoint_data();
    void hotSpotAtPoint();
    void attributesOfTheCurrentHotSpot();
    void emptyOrBrokenMaps();
};

namespace {

const char* MAP = "<area shape=\"rect\" coords=\"10,20,30,120\" title=\"Mar: 12.5\" path=\"details?x=2&amp;y=&quot;a&quot;\">\n"
                  "<area shape=\"circle\" coords=\"200,50,10\" title=\"circle\">\n"
                  "<area shape=\"poly\" coords=\"100,100,140,100,120,140\" title=\"triangle\">\n"
                  "<area shape=\"rect\" coords=\"20,20,60,60\" title=\"behind the first\">\n";

} // namespace

void tst_ImageMapHandler::hotSpotAtPoint_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside the first") << 15 << 50 << 0;
    QTest::newRow("left edge") << 10 << 20 << 0;
    QTest::newRow("right edge is outside") << 30 << 50 << 3;
    QTest::newRow("bottom edge is outside") << 15 << 120 << -1;
    QTest::newRow("overlap takes the first") << 25 << 25 << 0;
    QTest::newRow("circle") << 203 << 52 << 1;
    QTest::newRow("beside the circle") << 215 << 50 << -1;
    QTest::newRow("triangle") << 120 << 110 << 2;
    QTest::newRow("nowhere") << 300 << 300 << -1;
}

void tst_ImageMapHandler::hotSpotAtPoint()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, expected);
    ImageMapHandler handler(MAP);
    QCOMPARE(handler.count(), 4);
    QCOMPARE(handler.getHotSpot(x, y), expected);
}

void tst_ImageMapHandler::attributesOfTheCurrentHotSpot()
{
    ImageMapHandler handler(MAP);
    QCOMPARE(handler.getValue("title"), nullptr);
    QCOMPARE(handler.getHotSpot(15, 50), 0);
    QCOMPARE(QByteArray(handler.getValue("title")), QByteArray("Mar: 12.5"));
    QCOMPARE(QByteArray(handler.getValue("path")), QByteArray("details?x=2&y=\"a\""));
    QCOMPARE(handler.getValue("missing"), nullptr);
    QCOMPARE(QByteArray(handler.getKey(0)), QByteArray("shape"));
    QCOMPARE(handler.getKey(9), nullptr);
    QCOMPARE(handler.getHotSpot(203, 52), 1);
    QCOMPARE(handler.getValue("path"), nullptr);
    QCOMPARE(handler.getHotSpot(500, 500), -1);
    QCOMPARE(handler.getValue("title"), nullptr);
}

void tst_ImageMapHandler::emptyOrBrokenMaps()
{
    for (const char* map : { static_cast<const char*>(nullptr), "", "<area", "<area shape=\"rect\" coords=\"1,2\">",
                             "<area shape=\"poly\" coords=\"1,2,3,4\">", "no map at all" }) {
        ImageMapHandler handler(map);
        QCOMPARE(handler.count(), 0);
        QCOMPARE(handler.getHotSpot(1, 2), -1);
    }
}

QTEST_GUILESS_MAIN(tst_ImageMapHandler)
#include "tst_imagemaphandler.moc"
