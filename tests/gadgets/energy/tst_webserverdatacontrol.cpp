#include "FaceFixtures.h"

#include "energy/WebServerDataControl.h"
#include "scroll/ScrollArea.h"
#include "scroll/Scroller.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>
#include <memory>

using namespace Corvane::Gadgets;
using Face = WebServerDataControl;

namespace {

std::unique_ptr<Face> newFace()
{
    return std::make_unique<Face>(ThemeProvider::getRendererFor(ThemeProvider::WEB_SERVER_VIEW), nullptr);
}

QList<int> visibleRows(const Face& face)
{
    QList<int> rows;
    for (int row = 0; row < Face::ROWS_COUNT; ++row) {
        if (face.isPropertyVisible(Face::WebConfigLabel(row)))
            rows << row;
    }
    return rows;
}

} // namespace

class tst_WebServerDataControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void shownRowsArePackedFromTheTop();
    void allRowsScrollOnlyVertically();
    void addressTypeAndUnivocalCode_data();
    void addressTypeAndUnivocalCode();
    void uptime_data();
    void uptime();
    void invalidDateAndTimeHideTheirRows();
    void titleAndCaptions();
    void hostileValuesStayInside();
};

void tst_WebServerDataControl::shownRowsArePackedFromTheTop()
{
    auto face = newFace();
    face->setFirmwareVersion("3.1.4");
    face->setIPAddress("192.168.1.35");
    QCOMPARE(visibleRows(*face), QList<int>({1, 4}));
    const QRectF first = face->valueLabel(Face::FirmwareVersion)->textBounds();
    const QRectF second = face->valueLabel(Face::IpAddress)->textBounds();
    QCOMPARE(first.y(), 0.0);
    QCOMPARE(second.y(), first.y() + face->timeLabel()->textBounds().height() + 5);
    QCOMPARE(face->captionLabel(Face::IpAddress)->textBounds().y(), second.y());
    QVERIFY(face->captionLabel(Face::IpAddress)->isVisible());
    QVERIFY(!face->captionLabel(Face::DeviceCode)->isVisible());
    QCOMPARE(face->valueLabel(Face::IpAddress)->text(), QString("192.168.1.35"));
    face->setFirmwareVersion("");
    QCOMPARE(face->valueLabel(Face::IpAddress)->textBounds().y(), 0.0);
}

void tst_WebServerDataControl::allRowsScrollOnlyVertically()
{
    auto face = newFace();
    face->setDeviceArticle("CV-GW 4110");
    face->setFirmwareVersion("3.1.4");
    face->setAddressType(Face::Automatic);
    face->setUnivocalCode(25);
    face->setIPAddress("192.168.1.35");
    face->setSubNetMask("255.255.255.0");
    face->setMacAddress("00:1A:2B:3C:4D:5E");
    face->setUptimeSecs(93784);
    face->setTime(QTime(18, 40));
    face->setDate(QDate(2024, 6, 15));
    face->setLinkWeb("http://192.168.1.35");
    QCOMPARE(visibleRows(*face).size(), Face::ROWS_COUNT);
    QVERIFY(face->scrollArea()->verticalScroller()->isVisible());
    QVERIFY(!face->scrollArea()->horizontalScroller()->isVisible());
}

void tst_WebServerDataControl::addressTypeAndUnivocalCode_data()
{
    QTest::addColumn<bool>("codeFirst");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("rowShown");
    QTest::addColumn<QString>("value");

    QTest::newRow("automatic, then code") << false << 1 << 25 << true << "25";
    QTest::newRow("code, then automatic") << true << 1 << 25 << true << "25";
    QTest::newRow("fixed IP") << false << 0 << 25 << false << "";
    QTest::newRow("automatic without a code") << false << 1 << 0 << true << "";
}

void tst_WebServerDataControl::addressTypeAndUnivocalCode()
{
    QFETCH(bool, codeFirst);
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(bool, rowShown);
    QFETCH(QString, value);

    auto face = newFace();
    if (codeFirst)
        face->setUnivocalCode(code);
    face->setAddressType(Face::AddressType(type));
    if (!codeFirst && code)
        face->setUnivocalCode(code);
    QCOMPARE(face->valueLabel(Face::AddressTypeRow)->text(), type == 1 ? QString("Automatic") : QString("Fixed IP"));
    QCOMPARE(face->isPropertyVisible(Face::UnivocalCode), rowShown);
    if (rowShown)
        QCOMPARE(face->valueLabel(Face::UnivocalCode)->text(), value);
}

void tst_WebServerDataControl::uptime_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("a day and more") << 93784 << "1d 02h 03m 04s";
    QTest::newRow("no full day") << 59 << "0d 00h 00m 59s";
    QTest::newRow("largest") << std::numeric_limits<int>::max() << "24855d 03h 14m 07s";
    QTest::newRow("negative") << -1 << "";
}

void tst_WebServerDataControl::uptime()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);

    auto face = newFace();
    face->setUptimeSecs(seconds);
    QCOMPARE(face->isPropertyVisible(Face::Uptime), !text.isEmpty());
    if (!text.isEmpty())
        QCOMPARE(face->valueLabel(Face::Uptime)->text(), text);
}

void tst_WebServerDataControl::invalidDateAndTimeHideTheirRows()
{
    // The date reads in the locale's form.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    auto face = newFace();
    face->setDate(QDate(2024, 2, 29));
    face->setTime(QTime(13, 5, 9));
    QCOMPARE(face->dateLabel()->text(), QString("29/02/2024"));
    QCOMPARE(face->timeLabel()->text(), QString("13:05:09"));
    face->setDate(QDate());
    face->setTime(QTime(25, 0));
    QVERIFY(!face->isPropertyVisible(Face::DateRow));
    QVERIFY(!face->isPropertyVisible(Face::TimeRow));
    QCOMPARE(face->dateLabel()->text(), QString("29/02/2024"));
    QCOMPARE(face->timeLabel()->text(), QString("13:05:09"));
    face->setContentLabelText(Face::WebConfigLabel(11), "ignored");
    face->setPropertyVisible(Face::WebConfigLabel(-1), true);
    QLocale::setDefault(QLocale::c());
}

void tst_WebServerDataControl::titleAndCaptions()
{
    auto face = newFace();
    QSignalSpy title(face.get(), &Face::titleTextChanged);
    face->setWebServerName("Gateway");
    face->setWebServerName("Gateway");
    QCOMPARE(title.size(), 2);
    QCOMPARE(title.last().first().toString(), QString("WebServer info: Gateway"));
    QCOMPARE(face->captionLabel(Face::UnivocalCode)->text(), QString("Univocal Code"));
    QCOMPARE(face->captionLabel(Face::WebLink)->text(), QString("Link web"));
    QCOMPARE(face->captionLabel(Face::DeviceCode)->controlId(), Face::LABEL_CONTROL_ID);
}

void tst_WebServerDataControl::hostileValuesStayInside()
{
    auto face = newFace();
    face->setUptimeSecs(std::numeric_limits<int>::max());
    face->setDeviceArticle(QString(400, 'X'));
    face->setLinkWeb(QString(400, 'L'));
    face->setTime(QTime());
    QVERIFY(!paintsOutside(face.get()));
}

QTEST_MAIN(tst_WebServerDataControl)
#include "tst_webserverdatacontrol.moc"
