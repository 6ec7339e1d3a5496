#include "CellEditing.h"
#include "devices/DeviceAddress.h"
#include "editdelegates/AddressEditDelegate.h"
#include "editors/AddressEditor.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/ScenarioPlusAddressModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

using namespace Corvane::Configurator;
using Corvane::Devices::DeviceAddress;
using TableModels::AddressTreeModel;

class tst_AddressEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueCombo();
    void choiceCommitsAndReshapesTheTree();
    void helpFollowsTheCurrentRow();
    void editorWithoutModel();
    void captionOfAShownRowFits();
    void numbersAreTyped_data();
    void numbersAreTyped();
    void opensInTheFirstValue();

private:
    QComboBox* openEditor(Editors::AddressEditor& dialog, int row);
};

void tst_AddressEditDelegate::valueCombo()
{
    std::unique_ptr<QComboBox> combo(
        EditDelegates::AddressEditDelegate::getEditorCombo({1, 2, DeviceAddress::ADDRESS_GEN, 2}, 2));
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(2), QString("GEN"));
    QCOMPARE(combo->currentIndex(), 3);
    std::unique_ptr<QComboBox> missing(EditDelegates::AddressEditDelegate::getLevelEditCombo({3, 4}, 9));
    QCOMPARE(missing->currentIndex(), 0);
    QCOMPARE(missing->itemText(1), QString("Local bus"));
}

QComboBox* tst_AddressEditDelegate::openEditor(Editors::AddressEditor& dialog, int row)
{
    QTreeView* tree = dialog.treeView();
    const QModelIndex cell = tree->model()->index(row, 1, tree->model()->index(0, 0));
    return ConfiguratorTest::openEditor<QComboBox>(tree, cell);
}

void tst_AddressEditDelegate::choiceCommitsAndReshapesTheTree()
{
    Editors::AddressEditor dialog;
    auto* model = new AddressTreeModel(DeviceAddress(1, 15, DeviceAddress::LEVEL_PRIVATE_RISER, 1), 1, &dialog);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    dialog.setModel(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QComboBox* area = openEditor(dialog, 0);
    QVERIFY(area);
    QCOMPARE(area->count(), 13);
    area->setCurrentIndex(area->findData(DeviceAddress::ADDRESS_AMB));
    QTRY_VERIFY(!dialog.treeView()->viewport()->findChild<QComboBox*>());
    QCOMPARE(dialog.createAddress(), DeviceAddress(DeviceAddress::ADDRESS_AMB, 10, DeviceAddress::LEVEL_PRIVATE_RISER, 1));

    QComboBox* level = openEditor(dialog, 2);
    QVERIFY(level);
    QCOMPARE(level->count(), 2);
    level->setCurrentIndex(level->findData(DeviceAddress::LEVEL_LOCAL_BUS));
    QTRY_VERIFY(!dialog.treeView()->viewport()->findChild<QComboBox*>());
    QCOMPARE(model->rowCount(model->index(0, 0)), 4);
    QCOMPARE(model->index(3, 0, model->index(0, 0)).data().toString(), QString("Interface address"));

    QComboBox* general = openEditor(dialog, 0);
    QVERIFY(general);
    general->setCurrentIndex(general->findData(DeviceAddress::ADDRESS_GEN));
    QTRY_VERIFY(!dialog.treeView()->viewport()->findChild<QComboBox*>());
    QCOMPARE(model->rowCount(model->index(0, 0)), 3);
    QVERIFY(!dialog.accepted());
}

void tst_AddressEditDelegate::helpFollowsTheCurrentRow()
{
    Editors::AddressEditor dialog;
    auto* model = new AddressTreeModel(DeviceAddress(1, 2, DeviceAddress::LEVEL_PRIVATE_RISER, 1), 1, &dialog);
    dialog.setModel(model);
    dialog.treeView()->setCurrentIndex(model->index(1, 1, model->index(0, 0)));
    QVERIFY(dialog.findChild<QTextEdit*>("helpMessage")->toPlainText().contains("Enter value of PL configurator"));
}

void tst_AddressEditDelegate::editorWithoutModel()
{
    Editors::AddressEditor dialog;
    QCOMPARE(dialog.createAddress(), DeviceAddress());
    QCOMPARE(dialog.additionalParameter(), -1);
}

void tst_AddressEditDelegate::captionOfAShownRowFits()
{
    Editors::AddressEditor dialog;
    dialog.setModel(new AddressTreeModel(DeviceAddress(1, 15, DeviceAddress::LEVEL_PRIVATE_RISER, 1), 1, &dialog));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTreeView* tree = dialog.treeView();
    const QModelIndex header = tree->model()->index(0, 0);
    // The level row is the third; the local bus brings "Interface address".
    QVERIFY(ConfiguratorTest::chooseInCombo(tree, tree->model()->index(2, 1, header), DeviceAddress::LEVEL_LOCAL_BUS));
    QCOMPARE(tree->model()->index(3, 0, header).data().toString(), QString("Interface address"));
    const QAbstractItemView* view = tree;
    QVERIFY(tree->columnWidth(0) >= view->sizeHintForColumn(0));
}

void tst_AddressEditDelegate::numbersAreTyped_data()
{
    QTest::addColumn<int>("opening");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("leaving");
    QTest::addColumn<int>("level");

    QTest::newRow("60, Return") << 1 << "60" << int(Qt::Key_Return) << 60;
    QTest::newRow("15, Return") << 1 << "15" << int(Qt::Key_Return) << 15;
    QTest::newRow("100, Return") << 0 << "100" << int(Qt::Key_Return) << 100;
    QTest::newRow("7, Tab") << 1 << "7" << int(Qt::Key_Tab) << 7;
    QTest::newRow("0 over 100") << 100 << "0" << int(Qt::Key_Return) << 0;
    QTest::newRow("Down twice, Tab") << 50 << "" << int(Qt::Key_Tab) << 52;
}

void tst_AddressEditDelegate::numbersAreTyped()
{
    QFETCH(int, opening);
    QFETCH(QString, typed);
    QFETCH(int, leaving);
    QFETCH(int, level);
    QTest::failOnWarning(QRegularExpression("does not belong to this view"));

    Editors::AddressEditor dialog;
    auto* model = new TableModels::ScenarioPlusAddressModel(DeviceAddress(1, -1, -1, -1), opening, &dialog);
    dialog.setModel(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QComboBox* combo = openEditor(dialog, 0);
    QVERIFY(combo);
    if (typed.isEmpty()) {
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
    } else {
        QTest::keyClicks(combo, typed);
    }
    // Moving through the entries chooses nothing yet.
    QCOMPARE(dialog.treeView()->viewport()->findChild<QComboBox*>(), combo);
    QCOMPARE(model->additionalParameter(), opening);
    QTest::keyClick(combo, Qt::Key(leaving));
    QCOMPARE(model->additionalParameter(), level);
    // Nothing queued commits the closed editor again.
    QCoreApplication::processEvents();
}

void tst_AddressEditDelegate::opensInTheFirstValue()
{
    Editors::AddressEditor dialog;
    auto* model = new TableModels::ScenarioPlusAddressModel(DeviceAddress(1, -1, -1, -1), 100, &dialog);
    dialog.setModel(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.focusWidget());
    QTest::keyClicks(dialog.focusWidget(), "60");
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    QCOMPARE(model->additionalParameter(), 60);
    QVERIFY(dialog.accepted());
}

QTEST_MAIN(tst_AddressEditDelegate)
#include "tst_addresseditdelegate.moc"
