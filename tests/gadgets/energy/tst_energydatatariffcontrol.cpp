#include "FaceFixtures.h"

#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "scroll/ScrollArea.h"
#include "theme/ThemeProvider.h"

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

} // namespace

class tst_EnergyDataTariffControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void okButton();
    void title();
    void tableInItsScrollArea();
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

QTEST_MAIN(tst_EnergyDataTariffControl)
#include "tst_energydatatariffcontrol.moc"
