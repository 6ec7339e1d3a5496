#include "FaceFixtures.h"

#include "energy/LoadManagementDataControl.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <limits>
#include <memory>

using namespace Corvane::Gadgets;
using Face = LoadManagementDataControl;

namespace {

std::unique_ptr<Face> newFace()
{
    auto face = std::make_unique<Face>(ThemeProvider::getRendererFor(ThemeProvider::LOAD_MANAGEMENT_VIEW), nullptr);
    face->setControlId("load");
    return face;
}

QString lines(const QString& text)
{
    return QString(text).replace(QChar(QChar::LineSeparator), QLatin1Char('|'));
}

} // namespace

class tst_LoadManagementDataControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void title();
    void instantText_data();
    void instantText();
    void counterTexts_data();
    void counterTexts();
    void cycleButton();
    void buttonsSignal();
    void supportsInfoAndEconomicEvaluation();
    void cycleButtonNeedsStatisticsAndMoney_data();
    void cycleButtonNeedsStatisticsAndMoney();
    void themeColoursTheTexts();
    void hostileValuesStayInside();
    void counterFramesGoWithTheData_data();
    void counterFramesGoWithTheData();
};

void tst_LoadManagementDataControl::title()
{
    auto face = newFace();
    QSignalSpy title(face.get(), &Face::titleTextChanged);
    face->setTitle("");
    QCOMPARE(title.size(), 0);
    face->setTitle("Washer");
    QCOMPARE(title.size(), 1);
    QCOMPARE(title.first().first().toString(), QString("Load data: Washer"));
    QCOMPARE(face->titleControlId(), QString("load_title"));
    QCOMPARE(face->labelsControlId(), QString("load_labels"));
}

void tst_LoadManagementDataControl::instantText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    QTest::newRow("value with unit") << c << 3.0 << "W" << "Instant consumption: 3.00 W";
    QTest::newRow("no unit, no number") << c << 3.0 << "" << "Instant consumption:  ";
    QTest::newRow("NaN") << c << std::numeric_limits<double>::quiet_NaN() << "W" << "Instant consumption: nan W";
    QTest::newRow("German: its decimal comma") << QLocale(QLocale::German, QLocale::Germany) << 2.316 << "kW"
                                               << "Instant consumption: 2,32 kW";
}

void tst_LoadManagementDataControl::instantText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(QString, text);

    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    auto face = newFace();
    face->setInstantData(value, unit);
    QCOMPARE(face->instantText()->text(), text);
}

void tst_LoadManagementDataControl::counterTexts_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");

    QTest::newRow("never set") << false << QDateTime() << "From |Counter 2 (): ";
    QTest::newRow("set") << true << QDateTime(QDate(2024, 1, 2), QTime(3, 4)) << "From 02/01/2024 03:04|Counter 2 (kWh): 12.35";
    QTest::newRow("invalid start") << true << QDateTime() << "From |Counter 2 (kWh): 12.35";
}

void tst_LoadManagementDataControl::counterTexts()
{
    QFETCH(bool, set);
    QFETCH(QDateTime, time);
    QFETCH(QString, text);

    // The dates read in the locale's form.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    auto face = newFace();
    if (set)
        face->setCounterData(Face::Counter(7), time, 12.345, "kWh");
    QCOMPARE(lines(face->counterText(Face::SecondCounter)->text()), text);
    QCOMPARE(lines(face->counterText(Face::FirstCounter)->text()), QString("From |Counter 1 (): "));
    face->setUpdateTime(QDateTime(QDate(2024, 5, 6), QTime(7, 8)));
    QCOMPARE(face->lastUpdateText()->text(), QString("Updated 06/05/2024 07:08"));
    // Cleared, it is as never set.
    face->clearCounterData(Face::SecondCounter);
    QCOMPARE(lines(face->counterText(Face::SecondCounter)->text()), QString("From |Counter 2 (): "));
    QLocale::setDefault(QLocale::c());
}

void tst_LoadManagementDataControl::cycleButton()
{
    auto face = newFace();
    QSignalSpy cycle(face.get(), &Face::cycleClicked);
    SvgContentBackButton* button = face->button(Face::CYCLE_ID);
    QCOMPARE(button->iconRenderer().main(), ThemeProvider::getRendererFor(ThemeProvider::ENERGY_CURRENCY));
    clickButton(*face, button);
    QCOMPARE(button->iconRenderer().main(), ThemeProvider::getRendererFor(ThemeProvider::ENERGY_UNIT));
    clickButton(*face, button);
    QCOMPARE(button->iconRenderer().main(), ThemeProvider::getRendererFor(ThemeProvider::ENERGY_CURRENCY));
    QCOMPARE(cycle.size(), 2);
}

void tst_LoadManagementDataControl::buttonsSignal()
{
    auto face = newFace();
    QSignalSpy reset1(face.get(), &Face::resetCounter1Clicked);
    QSignalSpy reset2(face.get(), &Face::resetCounter2Clicked);
    QSignalSpy refresh(face.get(), &Face::refreshClicked);
    clickButton(*face, face->button(Face::RESET_COUNTER1_ID));
    clickButton(*face, face->button(Face::RESET_COUNTER2_ID));
    clickButton(*face, face->button(Face::REFRESH_ID));
    QCOMPARE(reset1.size(), 1);
    QCOMPARE(reset2.size(), 1);
    QCOMPARE(refresh.size(), 1);
}

void tst_LoadManagementDataControl::supportsInfoAndEconomicEvaluation()
{
    auto face = newFace();
    face->setShowEconomicEvaluation(true);
    face->setIsEconomicEvaluationEnabled(true);
    QVERIFY(face->showEconomicEvaluation());
    face->setIsEconomicEvaluationEnabled(false);
    QVERIFY(!face->showEconomicEvaluation());
    QVERIFY(!face->button(Face::CYCLE_ID)->isVisible());
    QVERIFY(!face->noticeText()->isVisible());
    face->setSupportsInfo(false);
    QVERIFY(face->noticeText()->isVisible());
    QCOMPARE(face->noticeText()->toPlainText(), QString("Energy consumption statistics not supported!"));
    QVERIFY(!face->instantText()->isVisible());
    QVERIFY(!face->button(Face::REFRESH_ID)->isVisible());
    face->setSupportsInfo(true);
    QVERIFY(face->instantText()->isVisible());
    QVERIFY(!face->noticeText()->isVisible());
}

void tst_LoadManagementDataControl::cycleButtonNeedsStatisticsAndMoney_data()
{
    QTest::addColumn<bool>("supportsFirst");
    QTest::addColumn<bool>("supports");
    QTest::addColumn<bool>("economic");
    QTest::addColumn<bool>("visible");
    for (bool supportsFirst : { true, false }) {
        const char* order = supportsFirst ? "statistics first" : "money first";
        for (bool supports : { true, false })
            for (bool economic : { true, false })
                QTest::addRow("%s, statistics %d, money %d", order, supports, economic)
                    << supportsFirst << supports << economic << (supports && economic);
    }
}

// The currency/unit button shows only over the load's values, and only when
// its money can be reckoned: never over the "not supported" notice.
void tst_LoadManagementDataControl::cycleButtonNeedsStatisticsAndMoney()
{
    QFETCH(bool, supportsFirst);
    QFETCH(bool, supports);
    QFETCH(bool, economic);
    QFETCH(bool, visible);
    auto face = newFace();
    if (supportsFirst)
        face->setSupportsInfo(supports);
    face->setIsEconomicEvaluationEnabled(economic);
    if (!supportsFirst)
        face->setSupportsInfo(supports);
    QCOMPARE(face->button(Face::CYCLE_ID)->isVisible(), visible);
    QCOMPARE(face->noticeText()->isVisible(), !supports);
}

void tst_LoadManagementDataControl::themeColoursTheTexts()
{
    auto face = newFace();
    QCOMPARE(face->instantText()->brush().color(), ThemeProvider::getColor("load_labels_font_color", Qt::red));
    QCOMPARE(face->instantText()->font().pixelSize(), ThemeProvider::getInt("load_labels_font_size", 0));
    face->setControlId("elsewhere");
    QCOMPARE(face->instantText()->font().pixelSize(), 10);
}

void tst_LoadManagementDataControl::hostileValuesStayInside()
{
    auto face = newFace();
    face->setInstantData(1e308, "kWh");
    face->setCounterData(Face::FirstCounter, QDateTime(), -1e308, "kWh");
    face->setCounterData(Face::SecondCounter, QDateTime(), std::numeric_limits<double>::infinity(), "kWh");
    QVERIFY(!paintsOutside(face.get()));
}

void tst_LoadManagementDataControl::counterFramesGoWithTheData_data()
{
    QTest::addColumn<bool>("supports");
    QTest::newRow("statistics") << true;
    QTest::newRow("no statistics") << false;
}

// The first counter's frame lies across the panel's middle, inside its
// margin: a pixel there matches the panel's edge at the same height (the
// panel's fill is a vertical gradient) only where no frame is drawn.
void tst_LoadManagementDataControl::counterFramesGoWithTheData()
{
    QFETCH(bool, supports);
    auto face = newFace();
    face->setSupportsInfo(supports);
    QGraphicsScene scene;
    scene.addItem(face.get());
    QImage image(face->boundingRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), face->sceneBoundingRect());
    painter.end();
    scene.removeItem(face.get());

    const QPoint inFrame(150, 60);
    const QPoint beside(5, 60);
    QCOMPARE(image.pixel(inFrame) != image.pixel(beside), supports);
}

QTEST_MAIN(tst_LoadManagementDataControl)
#include "tst_loadmanagementdatacontrol.moc"
