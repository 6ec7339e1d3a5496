#include "pravikdriver/UserMessages/InterfaceDeviceMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::InterfaceDeviceMessage;

namespace {

QString fields(const InterfaceDeviceMessage& m)
{
    return QStringList { m.time().isNull() ? "-" : m.time().toString(Qt::TextDate),
                         m.date().isNull() ? "-" : m.date().toString(QStringLiteral("dd/MM/yyyy")),
                         m.ipAddress(), m.netMask(), m.macAddress(), m.deviceType(), m.firmwareVersion(),
                         QString::number(m.uptimeSeconds()) }
        .join(QLatin1Char('|'));
}

} // namespace

class tst_InterfaceDeviceMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
};

void tst_InterfaceDeviceMessage::decode_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ip") << 1300010 << QList<int> { 192, 168, 1, 35 } << "-|-|192.168.1.35|||||0";
    QTest::newRow("ip out of range") << 1300010 << QList<int> { 192, 168, 1, 256 } << "-|-||||||0";
    QTest::newRow("net mask") << 1300011 << QList<int> { 255, 255, 255, 0 } << "-|-||255.255.255.0||||0";
    QTest::newRow("mac") << 1300012 << QList<int> { 0, 3, 80, 160, 11, 255 } << "-|-|||00:03:50:A0:0B:FF|||0";
    QTest::newRow("device type") << 1300015 << QList<int> { 44 } << "-|-||||PG-500||0";
    QTest::newRow("device type asked as 27") << 1300027 << QList<int> { 2 } << "-|-||||PG-100||0";
    QTest::newRow("firmware") << 1300016 << QList<int> { 3, 1, 7 } << "-|-|||||3.1.7|0";
    QTest::newRow("uptime") << 1300019 << QList<int> { 1, 2, 3, 4 } << "-|-||||||93784";
    QTest::newRow("time and date") << 1300022 << QList<int> { 14, 5, 9, 0, 9, 12, 2026, 0 }
                                   << "14:05:09|09/12/2026||||||0";
    QTest::newRow("hour 24") << 1300022 << QList<int> { 24, 5, 9, 0, 9, 12, 2026, 0 } << "-|09/12/2026||||||0";
    QTest::newRow("date") << 1300001 << QList<int> { 0, 9, 12, 2026 } << "-|09/12/2026||||||0";
    QTest::newRow("short date") << 1300001 << QList<int> { 0, 9 } << "-|-||||||0";
    QTest::newRow("unknown") << 1300099 << QList<int> { 1 } << "-|-||||||0";
}

void tst_InterfaceDeviceMessage::decode()
{
    QFETCH(int, dimension);
    QFETCH(QList<int>, values);
    QFETCH(QString, expected);
    const Message message(4, 13, QString(), 0, dimension, values, 0);
    QVERIFY(InterfaceDeviceMessage::canDecode(message));
    QCOMPARE(fields(InterfaceDeviceMessage(message)), expected);
}

QTEST_GUILESS_MAIN(tst_InterfaceDeviceMessage)
#include "tst_interfacedevicemessage.moc"
