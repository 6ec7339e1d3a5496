#include "FaceFixtures.h"

#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "scroll/ScrollArea.h"
#include "text/LineTextEditor.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsScene>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

std::unique_ptr<EnergyDataTariffControl> newFace()
{
    return std::make_unique<EnergyDataTariffControl>(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_TARIFF),
                                                     nullptr);
}

// A double click on the cell opens its editor; the user replaces its text
// with keys and presses Return. Returns the text the editor showed first.
QString typeIntoCell(GraphicsTableCell* cell, const QString& keys)
{
    TextLabel* label = cell->label();
    const auto doubleClick =
        SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseDoubleClick, label->sceneBoundingRect().center());
    label->handleMouseDoubleClick(doubleClick.get());
    if (!label->isInEditState())
        return QString();
    QLineEdit* editor = label->editor();
    const QString shown = editor->text();
    if (!keys.isNull()) {
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, keys);
    }
    QTest::keyClick(editor, Qt::Key_Return);
    return shown;
}

} // namespace

class tst_EnergyDataTariffControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void okButton();
    void title();
    void tableInItsScrollArea();
    void typedTariffs_data();
    void typedTariffs();
    void cleanup() { QLocale::setDefault(QLocale::c()); }
};

void tst_EnergyDataTariffControl::okButton()
{
    auto face = newFace();
    QCOMPARE(face->okButton()->text(), QString("OK"));
    QSignalSpy ok(face.get(), &EnergyDataTariffControl::okClicked);
    clickButton(*face, face->okButton());
    QCOMPARE(ok.size(), 1);
}

void tst_EnergyDataTariffControl::title()
{
    auto face = newFace();
    QSignalSpy title(face.get(), &EnergyDataTariffControl::titleTextChanged);
    face->setItemName("Boiler");
    face->retranslateUi();
    QCOMPARE(title.size(), 2);
    QCOMPARE(title.last().first().toString(), QString("Energy data: Boiler"));
}

void tst_EnergyDataTariffControl::tableInItsScrollArea()
{
    auto face = newFace();
    Models::EnergyDataTariffModel model;
    model.setThemeElementId("energy_tariff");
    for (int i = 0; i < 30; ++i)
        model.addEnergyItem(i, Models::EnergyTariffItemData("Meter", i, "Gas", 0.8, "EUR", "m3"));
    face->setTariffTableModel(&model);
    QCOMPARE(face->scrollArea()->scaledBounds(), face->boundsOnElement("table_placeholder"));
    QCOMPARE(face->table()->rowsCount(), 30);
    QVERIFY(face->scrollArea()->contentRect().height() >= face->table()->tableBounds().height());
    QVERIFY(face->table()->cell(0, 3)->isEditable());
    QVERIFY(!paintsOutside(face.get()));
}

void tst_EnergyDataTariffControl::typedTariffs_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("written");
    QTest::addColumn<int>("writes");

    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("English, own separator") << english << 0.25 << "0.25" << "0.3" << 0.3 << 1;
    QTest::newRow("English, the other separator") << english << 0.25 << "0.25" << "0,3" << 0.3 << 1;
    QTest::newRow("English, thousands") << english << 0.25 << "0.25" << "1,234" << 1.234 << 1;
    QTest::newRow("German, own separator") << german << 0.25 << "0,25" << "0,2154" << 0.2154 << 1;
    QTest::newRow("German, the other separator") << german << 0.25 << "0,25" << "0.2154" << 0.2154 << 1;
    QTest::newRow("English, six decimals kept") << english << 0.25 << "0.25" << "0.123456" << 0.123456 << 1;
    QTest::newRow("English, a seventh decimal refused") << english << 0.25 << "0.25" << "0.1234567" << 0.123456 << 1;
    QTest::newRow("English, opened and left") << english << 0.2154 << "0.2154" << QString() << 0.2154 << 0;
    QTest::newRow("German, opened and left") << german << 0.2154 << "0,2154" << QString() << 0.2154 << 0;
    QTest::newRow("German, two decimals shown") << german << 1.8 << "1,80" << QString() << 1.8 << 0;
    QTest::newRow("English, retyped as shown") << english << 0.2154 << "0.2154" << "0.2154" << 0.2154 << 0;
    // Arabic digits: the trailing zeros are the locale's own.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("Arabic, trailing zeros trimmed")
        << arabic << 0.25 << arabic.toString(0.25, 'f', 2) << QString() << 0.25 << 0;
}

// The tariff the user types into the cell's editor, with Return, per locale:
// the value meant, never ten or ten thousand times it; the stored precision
// shown and kept; an edit that changes nothing writes nothing.
void tst_EnergyDataTariffControl::typedTariffs()
{
    QFETCH(QLocale, locale);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    QFETCH(QString, keys);
    QFETCH(double, written);
    QFETCH(int, writes);

    QLocale::setDefault(locale);
    // Made in this order, the face leaves the scene before the scene goes.
    QGraphicsScene scene;
    Models::EnergyDataTariffModel model;
    auto face = newFace();
    scene.addItem(face.get());
    model.setThemeElementId("energy_tariff");
    model.addEnergyItem(7, Models::EnergyTariffItemData("Meter", 1, "Electricity", stored, "EUR", "kWh"));
    face->setTariffTableModel(&model);
    QSignalSpy changed(&model, &Models::EnergyDataTariffModel::energyTariffItemDataChanged);

    QCOMPARE(typeIntoCell(face->table()->cell(0, 3), keys), shown);
    QCOMPARE(changed.size(), writes);
    QCOMPARE(model.energyItemAt(7).value(), written);
}

QTEST_MAIN(tst_EnergyDataTariffControl)
#include "tst_energydatatariffcontrol.moc"
