#include "ProjectFixture.h"
#include "devices/DeviceAddress.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/ScheduledScenarioItem.h"
#include "devices/Utilities.h"
#include "editors/ScenarioItemEditor.h"
#include "editors/ScheduledScenarioEditor.h"
#include "tablemodels/ScenarioItemModel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

using Corvane::Configurator::Editors::ScenarioItemEditor;
using Corvane::Configurator::Editors::ScheduledScenarioEditor;
using Corvane::Configurator::TableModels::ScenarioItemModel;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ScenarioDeviceProperties;
using Corvane::Devices::ScheduledScenarioItem;

namespace {

ScheduledScenarioItem item(bool presence, int button)
{
    return ScheduledScenarioItem(presence, ScheduledScenarioItem::Cen, button,
                                 DeviceAddress(2, button % 15 + 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1));
}

// A scheduled scenario with the four presences given.
std::unique_ptr<ScenarioDeviceProperties> scenario(bool enable, bool disable, bool start, bool stop)
{
    auto properties = std::make_unique<ScenarioDeviceProperties>(Corvane::Devices::Utilities::emtpyDeviceId(), 9002,
                                                                 DeviceAddress::defaultAddress(), "Timer");
    properties->setItems(item(enable, 1), item(disable, 2), item(start, 3), item(stop, 4));
    return properties;
}

void choosePresence(ScenarioItemEditor* pane, bool presence)
{
    pane->model()->setData(pane->model()->index(0, ScenarioItemModel::COLUMN_VALUE_INDEX), presence, Qt::EditRole);
}

} // namespace

class tst_ScheduledScenarioEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void panesCopyTheItems();
    void enableAndDisableShareTheirPresence_data();
    void enableAndDisableShareTheirPresence();
    void couplingExpandsACollapsedPane();
    void paneFitsItsRows();
    void helpFollowsTheCurrentCell();
};

void tst_ScheduledScenarioEditor::initTestCase()
{
    ConfiguratorTest::initResources();
}

void tst_ScheduledScenarioEditor::panesCopyTheItems()
{
    const auto properties = scenario(true, true, false, true);
    ScheduledScenarioEditor editor(*properties);
    QCOMPARE(editor.sizeHint(), QSize(350, 585));
    QCOMPARE(editor.minimumSize(), QSize(350, 585));
    QCOMPARE(editor.enableEditor()->expandButton()->text(), QString("Enable"));
    QCOMPARE(editor.stopEditor()->expandButton()->text(), QString("Stop"));
    QCOMPARE(editor.createEnableItem(), properties->enableItem());
    QCOMPARE(editor.createDisableItem(), properties->disableItem());
    QCOMPARE(editor.createStartItem(), properties->startItem());
    QCOMPARE(editor.createStopItem(), properties->stopItem());
    QCOMPARE(editor.startEditor()->model()->rowCount(), 1);
    QCOMPARE(editor.stopEditor()->model()->rowCount(), 4);
    // Editing a pane leaves the scenario alone until the caller writes.
    choosePresence(editor.stopEditor(), false);
    QVERIFY(properties->stopItem().presence());
}

void tst_ScheduledScenarioEditor::enableAndDisableShareTheirPresence_data()
{
    QTest::addColumn<bool>("onEnable");
    QTest::addColumn<bool>("presence");
    QTest::addColumn<bool>("startBefore");

    QTest::newRow("Enable Yes sets Disable Yes") << true << true << false;
    QTest::newRow("Disable Yes sets Enable Yes") << false << true << true;
    QTest::newRow("Disable No clears Enable") << false << false << false;
    QTest::newRow("Enable No clears Disable") << true << false << true;
}

void tst_ScheduledScenarioEditor::enableAndDisableShareTheirPresence()
{
    QFETCH(bool, onEnable);
    QFETCH(bool, presence);
    QFETCH(bool, startBefore);

    const auto properties = scenario(!presence, !presence, startBefore, true);
    ScheduledScenarioEditor editor(*properties);
    QSignalSpy enableChanged(editor.enableEditor(), &ScenarioItemEditor::presenceChanged);
    choosePresence(onEnable ? editor.enableEditor() : editor.disableEditor(), presence);

    QCOMPARE(editor.createEnableItem().presence(), presence);
    QCOMPARE(editor.createDisableItem().presence(), presence);
    QCOMPARE(editor.enableEditor()->model()->rowCount(), presence ? 4 : 1);
    QCOMPARE(editor.disableEditor()->model()->rowCount(), presence ? 4 : 1);
    // The echo stops after one round.
    QCOMPARE(enableChanged.count(), 1);
    QCOMPARE(editor.createStartItem().presence(), startBefore);
    QCOMPARE(editor.createStopItem().presence(), true);
    // The other fields of the coupled item are kept.
    QCOMPARE(editor.createDisableItem().pushButton(), 2);
}

void tst_ScheduledScenarioEditor::couplingExpandsACollapsedPane()
{
    const auto properties = scenario(false, false, false, false);
    ScheduledScenarioEditor editor(*properties);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTest::mouseClick(editor.disableEditor()->expandButton(), Qt::LeftButton);
    QVERIFY(editor.disableEditor()->table()->isHidden());
    choosePresence(editor.enableEditor(), true);
    QVERIFY(!editor.disableEditor()->table()->isHidden());
    QCOMPARE(editor.disableEditor()->model()->rowCount(), 4);
}

void tst_ScheduledScenarioEditor::paneFitsItsRows()
{
    const auto properties = scenario(true, true, false, false);
    ScheduledScenarioEditor editor(*properties);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ScenarioItemEditor* enable = editor.enableEditor();
    const int present = enable->minimumHeight();
    const int rowHeight = enable->table()->rowHeight(0);
    choosePresence(enable, false);
    // Three rows fewer, no gap left below the pane.
    QCOMPARE(enable->minimumHeight(), present - 3 * rowHeight);
    QTRY_COMPARE(enable->height(), enable->minimumHeight());
    choosePresence(editor.stopEditor(), true);
    QCOMPARE(editor.stopEditor()->minimumHeight(), present);
}

void tst_ScheduledScenarioEditor::helpFollowsTheCurrentCell()
{
    const auto properties = scenario(true, true, true, true);
    ScheduledScenarioEditor editor(*properties);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTableView* table = editor.startEditor()->table();
    table->setCurrentIndex(table->model()->index(ScenarioItemModel::ROW_CEN_TYPE_INDEX, 0));
    auto* help = editor.findChild<QTextEdit*>("helpMessage");
    QVERIFY(help->toPlainText().contains("Set the command type"));
}

QTEST_MAIN(tst_ScheduledScenarioEditor)
#include "tst_scheduledscenarioeditor.moc"
