#include "ProjectFixture.h"
#include "tablemodels/ValidationListModel.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QListView>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::ValidationListModel;
using Corvane::Devices::Validation::ValidationItem;

class tst_ValidationListModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void emptyModel();
    void rowsInValidatorOrder();
    void refillIsAResetSeenByViews();
};

void tst_ValidationListModel::initTestCase()
{
    ConfiguratorTest::initResources();
    QVERIFY(!QPixmap(":/Images/error.png").isNull());
    QVERIFY(!QPixmap(":/Images/sign_warning.png").isNull());
}

void tst_ValidationListModel::emptyModel()
{
    ValidationListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.data(model.index(0, 0)).isValid());
}

void tst_ValidationListModel::rowsInValidatorOrder()
{
    ValidationListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setValidationItems({ValidationItem(ValidationItem::Error, "broken", {1}, 0),
                              ValidationItem(ValidationItem::Warning, "odd", {2}, 20),
                              ValidationItem(ValidationItem::ItemType(7), "other", {}, 0)});
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.index(0).data().toString(), QString("broken"));
    QCOMPARE(model.index(1).data().toString(), QString("odd"));
    QVERIFY(model.index(0).data(Qt::DecorationRole).canConvert<QIcon>());
    QVERIFY(model.index(1).data(Qt::DecorationRole).canConvert<QIcon>());
    QCOMPARE(model.index(2).data().toString(), QString("other"));
    QVERIFY(!model.index(2).data(Qt::DecorationRole).isValid());
    QVERIFY(!model.index(0).data(Qt::EditRole).isValid());
    QVERIFY(!model.index(0).data(Qt::ToolTipRole).isValid());
    QCOMPARE(model.rowCount(model.index(0)), 0);
}

void tst_ValidationListModel::refillIsAResetSeenByViews()
{
    ValidationListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QListView view;
    view.setModel(&model);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setValidationItems({ValidationItem(ValidationItem::Error, "one", {}, 0)});
    QCOMPARE(reset.count(), 1);
    QCOMPARE(view.model()->rowCount(), 1);
    model.setValidationItems({});
    QCOMPARE(reset.count(), 2);
    QCOMPARE(view.model()->rowCount(), 0);
}

QTEST_MAIN(tst_ValidationListModel)
#include "tst_validationlistmodel.moc"
