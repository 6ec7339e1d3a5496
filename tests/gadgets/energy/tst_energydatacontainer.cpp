#include "FaceFixtures.h"

#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/EnergyDataViewControl.h"
#include "energy/GraphicsTable.h"
#include "text/TextLabel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

class tst_EnergyDataContainer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SceneTestHelpers::useTheme(QStringLiteral(":/CorvaneTheme")); }

    void facesAndFrames();
    void resizeGesture();
    void resizeDisabledOnlyAsks();
    void moveGesture();
    void moveDisabledOnlyAsks();
    void signalsAreRelayed();
    void titles();
    void flipTurnsToTheTariffFaceAndBack();
    void sizeFollowsTheFaceShown();
    void tariffFaceShowsTheModel();
};

void tst_EnergyDataContainer::facesAndFrames()
{
    EnergyDataContainer container;
    QVERIFY(container.energyDataViewControl());
    QVERIFY(container.energyDataTariffControl());
    QCOMPARE(container.energyDataViewFrame()->mainControl(), container.energyDataViewControl());
    QVERIFY(container.energyDataViewFrame()->mainControl() != container.energyDataTariffControl());
    QCOMPARE(container.energyDataViewFrame()->title()->controlId(), QString("energy_title"));
    QVERIFY(container.energyDataViewFrame()->isVisible());
    QVERIFY(!container.energyDataTariffFrame()->isVisible());
    QVERIFY(container.boundingRect().contains(container.energyDataViewFrame()->boundingRect().size().width() - 1, 1));
    QCOMPARE(container.hotspot(), container.energyDataViewControl()->hotspot());
}

void tst_EnergyDataContainer::resizeGesture()
{
    EnergyDataContainer container;
    container.setScale(0.8);
    for (qreal factor : {1.1, 1.2, 1.3})
        container.onResizeRequested(factor);
    QCOMPARE(container.scale(), 0.8 * 1.3);
    auto release = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF());
    container.handleMouseRelease(release.get(), nullptr);
    container.onResizeRequested(2.0);
    QCOMPARE(container.scale(), 0.8 * 1.3 * 2.0);
}

void tst_EnergyDataContainer::resizeDisabledOnlyAsks()
{
    EnergyDataContainer container;
    container.setIsResizeEnabled(false);
    QSignalSpy asked(&container, &EnergyDataContainer::resizeRequested);
    container.onResizeRequested(1.5);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().first().toDouble(), 1.5);
    QCOMPARE(container.scale(), 1.0);
}

void tst_EnergyDataContainer::moveGesture()
{
    EnergyDataContainer container;
    container.setPos(100, 50);
    container.onMoveRequested(QPointF(10, 0));
    container.onMoveRequested(QPointF(20, 5));
    QCOMPARE(container.pos(), QPointF(120, 55));
}

void tst_EnergyDataContainer::moveDisabledOnlyAsks()
{
    EnergyDataContainer container;
    container.setIsMoveEnabled(false);
    QSignalSpy asked(&container, &EnergyDataContainer::moveRequested);
    container.onMoveRequested(QPointF(3, 4));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(container.pos(), QPointF());
}

void tst_EnergyDataContainer::signalsAreRelayed()
{
    EnergyDataContainer container;
    EnergyDataViewControl* face = container.energyDataViewControl();
    QSignalSpy ok(&container, &EnergyDataContainer::energyDataViewOkClicked);
    QSignalSpy date(&container, &EnergyDataContainer::dateChanged);
    QSignalSpy currency(&container, &EnergyDataContainer::cycleCurrencyUnitClicked);
    QSignalSpy cache(&container, &EnergyDataContainer::energyDataCacheRequested);
    QSignalSpy close(&container, &EnergyDataContainer::closeClicked);
    emit face->okClicked();
    emit face->dateChanged();
    emit face->cycleCurrencyUnitClicked();
    emit face->energyDataCacheRequested();
    emit container.energyDataTariffFrame()->closeClicked();
    QCOMPARE(ok.size(), 1);
    QCOMPARE(date.size(), 1);
    QCOMPARE(currency.size(), 1);
    QCOMPARE(cache.size(), 1);
    QCOMPARE(close.size(), 1);
}

void tst_EnergyDataContainer::titles()
{
    EnergyDataContainer container;
    QSignalSpy title(&container, &EnergyDataContainer::titleTextChanged);
    container.setItemName("Heat pump");
    QCOMPARE(title.last().first().toString(), QString("Energy data: Heat pump"));
    QCOMPARE(container.energyDataTariffControl()->itemName(), QString("Heat pump"));
    container.setTitleText("Both frames");
    QCOMPARE(container.energyDataViewFrame()->title()->text(), QString("Both frames"));
    QCOMPARE(container.energyDataTariffFrame()->title()->text(), QString("Both frames"));
}

void tst_EnergyDataContainer::flipTurnsToTheTariffFaceAndBack()
{
    EnergyDataContainer container;
    emit container.energyDataViewControl()->tariffClicked();
    QTRY_VERIFY_WITH_TIMEOUT(container.energyDataTariffFrame()->isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!container.energyDataViewFrame()->isVisible(), 5000);
    emit container.energyDataTariffControl()->okClicked();
    QTRY_VERIFY_WITH_TIMEOUT(container.energyDataViewFrame()->isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!container.energyDataTariffFrame()->isVisible(), 5000);
}

// The tariff face is wider and lower than the data face: the container, and
// so the window or carousel place that shows it, is as large as the face
// shown, where the owner put it.
void tst_EnergyDataContainer::sizeFollowsTheFaceShown()
{
    EnergyDataContainer container;
    const QSizeF view = container.energyDataViewFrame()->boundingRect().size();
    const QSizeF tariff = container.energyDataTariffFrame()->boundingRect().size();
    QVERIFY(tariff.width() > view.width());
    QVERIFY(tariff.height() < view.height());
    container.setPos(30, 40);
    QCOMPARE(container.boundingRect(), QRectF(QPointF(0, 0), view));
    QSignalSpy widths(&container, &SvgControlObject::originalWidthChanged);

    emit container.energyDataViewControl()->tariffClicked();
    QTRY_VERIFY_WITH_TIMEOUT(container.energyDataTariffFrame()->isVisible(), 5000);
    QCOMPARE(container.boundingRect(), QRectF(QPointF(0, 0), tariff));
    QCOMPARE(container.pos(), QPointF(30, 40));
    QCOMPARE(widths.size(), 1);
    QCOMPARE(widths.last().first().toReal(), tariff.width());

    emit container.energyDataTariffControl()->okClicked();
    QTRY_VERIFY_WITH_TIMEOUT(container.energyDataViewFrame()->isVisible(), 5000);
    QCOMPARE(container.boundingRect(), QRectF(QPointF(0, 0), view));
    QCOMPARE(container.pos(), QPointF(30, 40));
    QCOMPARE(widths.size(), 2);
}

void tst_EnergyDataContainer::tariffFaceShowsTheModel()
{
    EnergyDataContainer container;
    Models::EnergyDataTariffModel model;
    model.setThemeElementId("energy_tariff");
    for (int i = 0; i < 20; ++i)
        model.addEnergyItem(i, Models::EnergyTariffItemData(QString("Meter %1").arg(i), i, "Water", 1.5, "EUR", "m3"));
    container.energyDataTariffControl()->setTariffTableModel(&model);
    GraphicsTable* table = container.energyDataTariffControl()->table();
    QCOMPARE(table->rowsCount(), 20);
    QCOMPARE(table->tableBounds().width(), 128.68011 + 109.61639 + 85.78674 + 2 * 66.72302);
    model.removeEnergyItem(19);
    QCOMPARE(table->rowsCount(), 19);
}

QTEST_MAIN(tst_EnergyDataContainer)
#include "tst_energydatacontainer.moc"
