#include "DeviceTreeItem.h"
#include "tablemodels/BaseTreeModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using Corvane::Configurator::DeviceTreeItem;
using Corvane::Configurator::TableModels::BaseTreeModel;

namespace {

// Two top-level rows, the first with two children; two columns.
class SampleTreeModel : public BaseTreeModel
{
public:
    SampleTreeModel() { build(); }

    void build()
    {
        beginResetModel();
        clearTree();
        rootNode()->setData(QList<QVariant>{"Caption", "Value"});
        auto* first = append(rootNode(), "first");
        append(first, "first.a");
        append(first, "first.b");
        append(rootNode(), "second");
        endResetModel();
    }

    void clear()
    {
        beginResetModel();
        clearTree();
        endResetModel();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return itemAt(index)->data(index.column());
    }

private:
    static DeviceTreeItem* append(DeviceTreeItem* parent, const QString& caption)
    {
        auto* item = new DeviceTreeItem({caption, 0}, parent);
        parent->appendChild(item);
        return item;
    }
};

} // namespace

class tst_BaseTreeModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyRoot();
    void structure();
    void flags_data();
    void flags();
    void clearTreeEmpties();
};

void tst_BaseTreeModel::emptyRoot()
{
    SampleTreeModel model;
    model.clear();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    QVERIFY(!model.index(0, 0).isValid());
}

void tst_BaseTreeModel::structure()
{
    SampleTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 2);
    const QModelIndex first = model.index(0, 0);
    QCOMPARE(model.rowCount(first), 2);
    // Children hang off column 0 only.
    QCOMPARE(model.rowCount(model.index(0, 1)), 0);
    const QModelIndex child = model.index(1, 1, first);
    QCOMPARE(child.data(), QVariant(0));
    QCOMPARE(model.index(1, 0, first).data(), QVariant("first.b"));
    QCOMPARE(model.parent(child), first);
    QVERIFY(!model.parent(first).isValid());
    QVERIFY(!model.index(2, 0).isValid());
    QVERIFY(!model.index(0, 2).isValid());
}

void tst_BaseTreeModel::flags_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("flags");

    QTest::newRow("caption") << 0 << true << int(Qt::ItemIsEnabled);
    QTest::newRow("value") << 1 << true << int(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    QTest::newRow("invalid") << 0 << false << int(Qt::NoItemFlags);
}

void tst_BaseTreeModel::flags()
{
    QFETCH(int, column);
    QFETCH(bool, valid);
    QFETCH(int, flags);

    SampleTreeModel model;
    const QModelIndex index = valid ? model.index(0, column) : QModelIndex();
    QCOMPARE(int(model.flags(index)), flags);
}

void tst_BaseTreeModel::clearTreeEmpties()
{
    SampleTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    model.build();
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(model.getHelpMessage(model.index(0, 0)).toHtml().isEmpty());
}

QTEST_GUILESS_MAIN(tst_BaseTreeModel)
#include "tst_basetreemodel.moc"
