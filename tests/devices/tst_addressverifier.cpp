#include "devices/DeviceAddress.h"
#include "devices/addressverification/AddressVerifier.h"

#include <QTest>

using namespace Corvane::Devices;
using Corvane::Devices::AddressVerification::AddressVerifier;

namespace {

const int GEN = DeviceAddress::ADDRESS_GEN;
const int AMB = DeviceAddress::ADDRESS_AMB;
const int GR = DeviceAddress::ADDRESS_GR;
const int E = DeviceAddress::EMPTY_INT_VALUE;
const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;
const int BUS = DeviceAddress::LEVEL_LOCAL_BUS;

} // namespace

class tst_AddressVerifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validate_data();
    void validate();
    void keepsPulAndGroups();
    void valueLists_data();
    void valueLists();
    void nearest_data();
    void nearest();
};

void tst_AddressVerifier::validate_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<DeviceAddress>("expected");

    QTest::newRow("valid light") << 1 << DeviceAddress(1, 5, RISER, 1) << DeviceAddress(1, 5, RISER, 1);
    QTest::newRow("empty light") << 1 << DeviceAddress() << DeviceAddress(1, 1, RISER, E);
    QTest::newRow("area above range") << 1 << DeviceAddress(14, 5, RISER, 1) << DeviceAddress(10, 5, RISER, 1);
    QTest::newRow("point above range") << 1 << DeviceAddress(1, 40, RISER, 1) << DeviceAddress(1, 15, RISER, 1);
    QTest::newRow("general keeps point") << 1 << DeviceAddress(GEN, 40, RISER, 1) << DeviceAddress(GEN, 40, RISER, 1);
    QTest::newRow("group takes point up to 255") << 1 << DeviceAddress(GR, 200, RISER, 1) << DeviceAddress(GR, 200, RISER, 1);
    QTest::newRow("ambient point snapped") << 1 << DeviceAddress(AMB, 200, RISER, 1) << DeviceAddress(AMB, 10, RISER, 1);
    QTest::newRow("unknown level") << 1 << DeviceAddress(1, 1, 7, 1) << DeviceAddress(1, 1, BUS, 1);
    QTest::newRow("interface on local bus") << 1 << DeviceAddress(1, 1, BUS, 12) << DeviceAddress(1, 1, BUS, 9);
    QTest::newRow("interface ignored on riser") << 1 << DeviceAddress(1, 1, RISER, 12) << DeviceAddress(1, 1, RISER, 12);
    QTest::newRow("scenario plus") << 3 << DeviceAddress(300, 4, 120, 2) << DeviceAddress(255, 4, 120, 2);
    QTest::newRow("scenario plus without level") << 3 << DeviceAddress(60, E, E, E) << DeviceAddress(60, E, E, E);
    QTest::newRow("cen plus area") << 5 << DeviceAddress(0, E, E, E) << DeviceAddress(1, E, E, E);
    QTest::newRow("external probe") << 7 << DeviceAddress(0, E, E, E) << DeviceAddress(1, E, E, E);
    QTest::newRow("zone 00 does not exist") << 8 << DeviceAddress(0, 0, E, E) << DeviceAddress(0, 1, E, E);
    QTest::newRow("zone with slave") << 9 << DeviceAddress(3, 4, 0, E) << DeviceAddress(3, 4, 1, E);
    QTest::newRow("basic sound source") << 13 << DeviceAddress(6, E, E, E) << DeviceAddress(4, E, E, E);
    QTest::newRow("all-areas sound source") << 14 << DeviceAddress(6, E, E, E) << DeviceAddress(6, E, E, E);
    QTest::newRow("general amplifier") << 15 << DeviceAddress(GEN, E, E, E) << DeviceAddress(GEN, E, E, E);
    QTest::newRow("amplifier point") << 15 << DeviceAddress(3, 12, E, E) << DeviceAddress(3, 9, E, E);
    QTest::newRow("energy") << 17 << DeviceAddress(256, E, E, E) << DeviceAddress(255, E, E, E);
    QTest::newRow("load") << 18 << DeviceAddress(64, E, E, E) << DeviceAddress(63, E, E, E);
    QTest::newRow("no address") << 0 << DeviceAddress(7, 7, 7, 7) << DeviceAddress(7, 7, 7, 7);
}

void tst_AddressVerifier::validate()
{
    QFETCH(int, addressType);
    QFETCH(DeviceAddress, address);
    QFETCH(DeviceAddress, expected);

    const DeviceAddress actual = AddressVerifier::validate(address, addressType);
    QCOMPARE(actual.area(), expected.area());
    QCOMPARE(actual.point(), expected.point());
    QCOMPARE(actual.level(), expected.level());
    QCOMPARE(actual.interface(), expected.interface());
    QCOMPARE(AddressVerifier::isValid(address, addressType), address == expected);
    QVERIFY(AddressVerifier::isValid(actual, addressType));
}

void tst_AddressVerifier::keepsPulAndGroups()
{
    const DeviceAddress address(20, 20, RISER, 1, 1, {4, 9});
    const DeviceAddress snapped = AddressVerifier::validate(address, 1);
    QCOMPARE(snapped.pul(), 1);
    QCOMPARE(snapped.groups(), (QList<int>{4, 9}));
}

void tst_AddressVerifier::valueLists_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("areas");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("interfaces");

    QTest::newRow("light point") << 1 << 1 << 13 << 15 << 2 << 9;
    QTest::newRow("light general") << 1 << GEN << 13 << 0 << 2 << 9;
    QTest::newRow("scenario plus") << 3 << 0 << 256 << 0 << 0 << 0;
    QTest::newRow("scenario asks area 0") << 2 << 0 << 10 << 15 << 2 << 9;
    QTest::newRow("command") << 10 << 0 << 255 << 0 << 0 << 0;
    QTest::newRow("energy") << 17 << 0 << 256 << 0 << 0 << 0;
    QTest::newRow("load") << 18 << 0 << 64 << 0 << 0 << 0;
}

void tst_AddressVerifier::valueLists()
{
    QFETCH(int, addressType);
    QFETCH(int, area);
    QFETCH(int, areas);
    QFETCH(int, points);
    QFETCH(int, levels);
    QFETCH(int, interfaces);

    QList<int> values;
    AddressVerifier::areaIdValues(addressType, values);
    QCOMPARE(values.size(), areas);
    AddressVerifier::pointIdValues(addressType, values, area);
    QCOMPARE(values.size(), points);
    AddressVerifier::levelValues(addressType, values, area);
    QCOMPARE(values.size(), levels);
    AddressVerifier::interfaceValues(addressType, values);
    QCOMPARE(values.size(), interfaces);
}

void tst_AddressVerifier::nearest_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("expected");

    QTest::newRow("member") << 5 << QList<int>{1, 5, 9} << 5;
    QTest::newRow("tie takes lower") << 3 << QList<int>{1, 5} << 1;
    QTest::newRow("below") << -1 << QList<int>{2, 3} << 2;
    QTest::newRow("far above") << 2147483647 << QList<int>{-2147483647, 0} << 0;
    QTest::newRow("empty list keeps") << 8 << QList<int>{} << 8;
}

void tst_AddressVerifier::nearest()
{
    QFETCH(int, value);
    QFETCH(QList<int>, values);
    QFETCH(int, expected);
    QCOMPARE(AddressVerifier::nearest(value, values), expected);
}

QTEST_GUILESS_MAIN(tst_AddressVerifier)
#include "tst_addressverifier.moc"
