#include "animation/OpacityAlternator.h"

#include <QGraphicsRectItem>
#include <QTest>

using Corvane::Gadgets::Utilities::OpacityAlternator;

class tst_OpacityAlternator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setsOneOpacityOnAllItems();
    void changeWithinToleranceTouchesNoItem_data();
    void changeWithinToleranceTouchesNoItem();
    void lateItemsKeepTheirOpacityUntilTheNextChange();
};

void tst_OpacityAlternator::setsOneOpacityOnAllItems()
{
    QGraphicsRectItem first;
    QGraphicsRectItem second;
    OpacityAlternator alternator(1.0);
    alternator.addOpacityAlternatedItem(&first);
    alternator.addOpacityAlternatedItem(&second);
    QCOMPARE(alternator.items(), (QList<QGraphicsItem*>{&first, &second}));

    alternator.setItemsOpacity(0.25);

    QCOMPARE(first.opacity(), 0.25);
    QCOMPARE(second.opacity(), 0.25);
    QCOMPARE(alternator.itemsOpacity(), 0.25);
}

void tst_OpacityAlternator::changeWithinToleranceTouchesNoItem_data()
{
    QTest::addColumn<qreal>("opacity");
    QTest::addColumn<qreal>("itemOpacity");
    QTest::newRow("same value") << 0.5 << 0.3;
    QTest::newRow("within tolerance above") << 0.5 + 0.0000009 << 0.3;
    QTest::newRow("within tolerance below") << 0.5 - 0.0000009 << 0.3;
    QTest::newRow("beyond tolerance") << 0.5 + 0.00001 << 0.5 + 0.00001;
}

void tst_OpacityAlternator::changeWithinToleranceTouchesNoItem()
{
    QFETCH(qreal, opacity);
    QFETCH(qreal, itemOpacity);

    QGraphicsRectItem item;
    OpacityAlternator alternator(0.5);
    alternator.addOpacityAlternatedItem(&item);
    item.setOpacity(0.3);

    alternator.setItemsOpacity(opacity);

    QCOMPARE(item.opacity(), itemOpacity);
}

void tst_OpacityAlternator::lateItemsKeepTheirOpacityUntilTheNextChange()
{
    QGraphicsRectItem early;
    QGraphicsRectItem late;
    OpacityAlternator alternator(1.0);
    alternator.addOpacityAlternatedItem(&early);
    alternator.setItemsOpacity(0.0);

    alternator.addOpacityAlternatedItem(&late);
    QCOMPARE(late.opacity(), 1.0);
    alternator.setItemsOpacity(0.0);
    QCOMPARE(late.opacity(), 1.0);

    alternator.setItemsOpacity(0.7);
    QCOMPARE(early.opacity(), 0.7);
    QCOMPARE(late.opacity(), 0.7);
}

QTEST_MAIN(tst_OpacityAlternator)
#include "tst_opacityalternator.moc"
