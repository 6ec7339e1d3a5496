#include "DeviceTreeItem.h"

#include <QPointer>
#include <QTest>

using Corvane::Configurator::DeviceTreeItem;

class tst_DeviceTreeItem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columns();
    void insertChild_data();
    void insertChild();
    void removeChildTakesEveryOccurrenceAndKeepsItAlive();
    void deletingRootDeletesTree();
    void rowAndChildBounds();
};

void tst_DeviceTreeItem::columns()
{
    DeviceTreeItem item({"caption", 7});
    QCOMPARE(item.columnCount(), 2);
    QCOMPARE(item.data(0), QVariant("caption"));
    QVERIFY(!item.data(-1).isValid());
    QVERIFY(!item.data(2).isValid());
    QVERIFY(item.setData(8, 1));
    QCOMPARE(item.data(1), QVariant(8));
    QVERIFY(!item.setData(1, 2));
    QVERIFY(!item.setData(1, -1));
    QCOMPARE(item.columnCount(), 2);
    item.addData(-1);
    QCOMPARE(item.columnCount(), 3);
    item.setData(QList<QVariant>{"only"});
    QCOMPARE(item.columnCount(), 1);
}

void tst_DeviceTreeItem::insertChild_data()
{
    QTest::addColumn<int>("sibling"); // index among three children; -1: a stranger
    QTest::addColumn<int>("position");

    QTest::newRow("after first") << 0 << 1;
    QTest::newRow("after middle") << 1 << 2;
    QTest::newRow("after last appends") << 2 << 3;
    QTest::newRow("stranger appends") << -1 << 3;
}

void tst_DeviceTreeItem::insertChild()
{
    QFETCH(int, sibling);
    QFETCH(int, position);

    DeviceTreeItem root({});
    QList<DeviceTreeItem*> children;
    for (int i = 0; i < 3; ++i) {
        children.append(new DeviceTreeItem({i}, &root));
        root.appendChild(children.last());
    }
    DeviceTreeItem stranger({});
    auto* item = new DeviceTreeItem({"new"}, &root);
    root.insertChild(item, sibling < 0 ? &stranger : children.at(sibling));
    QCOMPARE(root.childCount(), 4);
    QCOMPARE(root.child(position), item);
    QCOMPARE(item->row(), position);
}

void tst_DeviceTreeItem::removeChildTakesEveryOccurrenceAndKeepsItAlive()
{
    DeviceTreeItem root({});
    auto* twice = new DeviceTreeItem({"twice"}, &root);
    auto* other = new DeviceTreeItem({"other"}, &root);
    root.appendChild(twice);
    root.appendChild(other);
    root.appendChild(twice);
    QPointer<DeviceTreeItem> watch(twice);

    root.removeChild(twice);
    QCOMPARE(root.childCount(), 1);
    QVERIFY(!root.containsChild(twice));
    QVERIFY(root.containsChild(other));
    QVERIFY(watch);
    root.removeChild(twice);
    QCOMPARE(root.childCount(), 1);
    delete twice;
}

void tst_DeviceTreeItem::deletingRootDeletesTree()
{
    auto* root = new DeviceTreeItem({});
    auto* child = new DeviceTreeItem({}, root);
    root->appendChild(child);
    auto* grandChild = new DeviceTreeItem({}, child);
    child->appendChild(grandChild);
    root->appendChild(child); // listed twice: still deleted once
    QPointer<DeviceTreeItem> watchChild(child);
    QPointer<DeviceTreeItem> watchGrandChild(grandChild);
    delete root;
    QVERIFY(!watchChild);
    QVERIFY(!watchGrandChild);
}

void tst_DeviceTreeItem::rowAndChildBounds()
{
    DeviceTreeItem orphan({});
    QCOMPARE(orphan.row(), 0);
    QCOMPARE(orphan.parentItem(), nullptr);
    QCOMPARE(orphan.child(0), nullptr);
    QCOMPARE(orphan.child(-1), nullptr);
}

QTEST_GUILESS_MAIN(tst_DeviceTreeItem)
#include "tst_devicetreeitem.moc"
