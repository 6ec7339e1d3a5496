#include "DevicesTree.h"

#include <QStandardItemModel>
#include <QTest>

using Corvane::Configurator::DevicesTree;
using Corvane::Configurator::DevicesTreeModel;

class tst_DevicesTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findIndex_data();
    void findIndex();
    void selection();
    void otherModel();
};

void tst_DevicesTree::findIndex_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("serverId");
    QTest::addColumn<bool>("found");

    QTest::newRow("lights of plant 3") << int(DevicesTreeModel::NodeLights) << 3 << true;
    QTest::newRow("absent plant") << int(DevicesTreeModel::NodePlant) << 99 << false;
    QTest::newRow("general parameters") << int(DevicesTreeModel::NodeGeneralParams) << -1 << true;
    QTest::newRow("gadget") << int(DevicesTreeModel::NodeGadget) << -1 << true;
}

void tst_DevicesTree::findIndex()
{
    QFETCH(int, type);
    QFETCH(int, serverId);
    QFETCH(bool, found);

    DevicesTree tree;
    DevicesTreeModel model({{1, "One"}, {3, "Three"}});
    tree.setModel(&model);
    const QModelIndex index = tree.findIndex(DevicesTreeModel::NodeType(type), serverId);
    QCOMPARE(index.isValid(), found);
    if (found) {
        QCOMPARE(int(model.nodeType(index)), type);
        QCOMPARE(model.serverId(index), serverId);
        QCOMPARE(index.column(), 0);
    }
}

void tst_DevicesTree::selection()
{
    DevicesTree tree;
    DevicesTreeModel model({{4, "Four"}});
    tree.setModel(&model);
    QCOMPARE(tree.selectedNodeType(), DevicesTreeModel::None);
    QCOMPARE(tree.selectedServerId(), -1);
    tree.setCurrentIndex(tree.findIndex(DevicesTreeModel::NodeEnergy, 4));
    QCOMPARE(tree.selectedNodeType(), DevicesTreeModel::NodeEnergy);
    QCOMPARE(tree.selectedServerId(), 4);
    QVERIFY(tree.isHeaderHidden());
}

void tst_DevicesTree::otherModel()
{
    DevicesTree tree;
    QStandardItemModel other(2, 1);
    tree.setModel(&other);
    tree.setCurrentIndex(other.index(0, 0));
    QVERIFY(!tree.findIndex(DevicesTreeModel::NodeGadget, -1).isValid());
    QCOMPARE(tree.selectedNodeType(), DevicesTreeModel::None);
    QCOMPARE(tree.selectedServerId(), -1);
}

QTEST_MAIN(tst_DevicesTree)
#include "tst_devicestree.moc"
