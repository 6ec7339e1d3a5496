#include "CellEditing.h"
#include "devices/ScheduledScenarioItem.h"
#include "editdelegates/BaseEditDelegate.h"
#include "editdelegates/ScenarioItemEditDelegate.h"
#include "editdelegates/SoundSourceEditDelegate.h"
#include "editdelegates/ThermoregCommandEditDelegate.h"
#include "editors/AddressEditor.h"
#include "editors/GroupsEditor.h"
#include "tablemodels/ScenarioItemModel.h"
#include "tablemodels/SoundSourceDeviceModel.h"
#include "tablemodels/ThermoregNotControlledAddrModel.h"
#include "tablemodels/ThermoregulationCommandModel.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

#include <functional>
#include <memory>

using namespace Corvane::Configurator;
using Corvane::Configurator::EditDelegates::BaseEditDelegate;
using Corvane::Configurator::Editors::GroupsEditor;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ScheduledScenarioItem;

namespace {

// Edits column 0 with the groups dialog; counts the writes.
class GroupsDelegate : public BaseEditDelegate
{
public:
    mutable int writes = 0;
    mutable QPointer<GroupsEditor> dialog;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        dialog = new GroupsEditor({1}, parent);
        return adoptDialogEditor(dialog);
    }
    void setEditorData(QWidget*, const QModelIndex&) const override {}
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* groups = qobject_cast<GroupsEditor*>(editor);
        if (!groups || !groups->accepted())
            return;
        QList<int> chosen;
        groups->getSelectedGroups(chosen);
        ++writes;
        model->setData(index, QVariant::fromValue(chosen));
    }
};

const int E = DeviceAddress::EMPTY_INT_VALUE;

// Edits every cell with a combo of long entries.
class LongEntriesDelegate : public BaseEditDelegate
{
public:
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* combo = new QComboBox(parent);
        QPixmap square(16, 16);
        square.fill(Qt::darkYellow);
        for (const char* text : {"Dimmer 10 levels (DALI)", "Light and presence sensor", "Switch"})
            combo->addItem(QIcon(square), text);
        return combo;
    }
};

// A shown view over a stored value that the cell's combo does not list.
struct PassThrough
{
    std::unique_ptr<QWidget> window;
    QAbstractItemView* view = nullptr;
    QModelIndex cell;
    QModelIndex other;
    std::function<QVariant()> stored;
};

// A property table of model with delegate, in a window of its own.
PassThrough propertyTable(QAbstractItemModel* model, QAbstractItemDelegate* delegate, int row, int otherRow)
{
    PassThrough page;
    page.window = std::make_unique<QMainWindow>();
    auto* table = new QTableView(page.window.get());
    static_cast<QMainWindow*>(page.window.get())->setCentralWidget(table);
    model->setParent(table);
    delegate->setParent(table);
    table->setModel(model);
    table->setItemDelegate(delegate);
    page.view = table;
    page.cell = model->index(row, 1);
    page.other = model->index(otherRow, 1);
    return page;
}

PassThrough scheduledItem()
{
    auto* model = new TableModels::ScenarioItemModel(
        ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 200, DeviceAddress(2, 3, DeviceAddress::LEVEL_PRIVATE_RISER, 1)));
    PassThrough page = propertyTable(model, new EditDelegates::ScenarioItemEditDelegate,
                                     TableModels::ScenarioItemModel::ROW_BUTTON_NUMBER_INDEX,
                                     TableModels::ScenarioItemModel::ROW_PRESENCE_INDEX);
    page.stored = [model] { return model->createItem().pushButton(); };
    return page;
}

PassThrough soundSource()
{
    auto* model = new TableModels::SoundSourceDeviceModel(DeviceAddress(6, E, E, E), "Radio", 23001, 7, 13);
    PassThrough page = propertyTable(model, new EditDelegates::SoundSourceEditDelegate,
                                     TableModels::SoundSourceDeviceModel::ROW_ADDRESS_INDEX,
                                     TableModels::SoundSourceDeviceModel::ROW_DESCRIPTION_INDEX);
    page.stored = [model] { return model->address().area(); };
    return page;
}

PassThrough thermoregulationCommand()
{
    auto* model = new TableModels::ThermoregulationCommandModel(DeviceAddress(0, E, E, E), "Cool", 3, 10);
    PassThrough page = propertyTable(model, new EditDelegates::ThermoregCommandEditDelegate,
                                     TableModels::ThermoregulationCommandModel::AddressRow,
                                     TableModels::ThermoregulationCommandModel::DescriptionRow);
    page.stored = [model] { return model->address().area(); };
    return page;
}

// The address dialog of a zone ZA 1 / ZB 0 (zone 10).
PassThrough zoneAddress()
{
    PassThrough page;
    auto* dialog = new Editors::AddressEditor;
    auto* model = new TableModels::ThermoregNotControlledAddrModel(DeviceAddress(1, 0, 2, E), 12, dialog);
    dialog->setModel(model);
    page.window.reset(dialog);
    page.view = dialog->treeView();
    const QModelIndex header = model->index(0, 0);
    page.cell = model->index(1, TableModels::BaseAddressTreeModel::TextColumn, header);
    page.other = model->index(2, TableModels::BaseAddressTreeModel::TextColumn, header);
    page.stored = [model] { return model->createAddress().point(); };
    return page;
}

} // namespace

class tst_BaseEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editorCombo_data();
    void editorCombo();
    void endEditingCommitsCombosOnly();
    void dialogEditorInRealTable_data();
    void dialogEditorInRealTable();
    void passingThroughACellKeepsItsValue_data();
    void passingThroughACellKeepsItsValue();
    void comboListShowsEntriesInFull();
    void cutCellShowsItsTextAsTooltip_data();
    void cutCellShowsItsTextAsTooltip();
};

void tst_BaseEditDelegate::editorCombo_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("currentIndex");

    QTest::newRow("outside: first") << 1 << 9 << 12 << 9 << 0;
    QTest::newRow("inside") << 1 << 9 << 4 << 9 << 3;
    QTest::newRow("min above max") << 5 << 4 << 5 << 0 << -1;
}

void tst_BaseEditDelegate::editorCombo()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(int, currentIndex);

    std::unique_ptr<QComboBox> combo(BaseEditDelegate::getEditorCombo(min, max, current));
    QVERIFY(!combo->parent());
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->currentIndex(), currentIndex);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(combo->itemText(i), QString::number(min + i));
        QCOMPARE(combo->itemData(i).toInt(), min + i);
    }
}

void tst_BaseEditDelegate::endEditingCommitsCombosOnly()
{
    BaseEditDelegate delegate;
    QSignalSpy commits(&delegate, &BaseEditDelegate::commitData);
    QSignalSpy closes(&delegate, &BaseEditDelegate::closeEditor);
    QComboBox combo;
    combo.addItems({"a", "b"});
    connect(&combo, &QComboBox::currentIndexChanged, &delegate, &BaseEditDelegate::endEditing);
    combo.setCurrentIndex(1);
    QCOMPARE(commits.count(), 1);
    QCOMPARE(closes.count(), 1);
    QCOMPARE(closes.at(0).at(1).value<QAbstractItemDelegate::EndEditHint>(), QAbstractItemDelegate::NoHint);

    QPushButton button;
    connect(&button, &QPushButton::clicked, &delegate, &BaseEditDelegate::endEditing);
    button.click();
    QCOMPARE(commits.count(), 1);
}

void tst_BaseEditDelegate::dialogEditorInRealTable_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("writes");

    QTest::newRow("confirm writes once") << "confirmButton" << 1;
    QTest::newRow("cancel writes nothing") << "cancelButton" << 0;
    QTest::newRow("frame writes nothing") << "" << 0;
    QTest::newRow("escape writes nothing") << "escape" << 0;
}

void tst_BaseEditDelegate::dialogEditorInRealTable()
{
    QFETCH(QString, how);
    QFETCH(int, writes);

    QMainWindow window;
    window.setGeometry(100, 80, 800, 500);
    auto* view = new QTableView(&window);
    window.setCentralWidget(view);
    QStandardItemModel model(2, 2);
    model.setData(model.index(0, 0), "unchanged");
    view->setModel(&model);
    GroupsDelegate delegate;
    view->setItemDelegate(&delegate);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    view->edit(model.index(0, 0));
    QTRY_VERIFY(delegate.dialog && delegate.dialog->isVisible());
    GroupsEditor* dialog = delegate.dialog;
    // Centred over the window that holds the table.
    const QPoint centre = window.mapToGlobal(window.rect().center());
    QCOMPARE(dialog->pos(), QPoint(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2));

    dialog->combo(1)->setCurrentIndex(7);
    // The view hears of the end of editing once, while the dialog is still
    // its editor (a second commit would reach a view that no longer knows it).
    QSignalSpy commits(&delegate, &BaseEditDelegate::commitData);
    QSignalSpy closes(&delegate, &BaseEditDelegate::closeEditor);
    if (how.isEmpty())
        dialog->close();
    else if (how == "escape")
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog->findChild<QPushButton*>(how), Qt::LeftButton);
    QTRY_VERIFY(!delegate.dialog);
    QCOMPARE(commits.count(), 1);
    QCOMPARE(closes.count(), 1);
    QCOMPARE(delegate.writes, writes);
    if (writes)
        QCOMPARE(model.index(0, 0).data().value<QList<int>>(), (QList<int>{1, 7}));
    else
        QCOMPARE(model.index(0, 0).data().toString(), QString("unchanged"));
}

void tst_BaseEditDelegate::passingThroughACellKeepsItsValue_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("CEN button 200 switched to CEN PLUS") << "scheduled item" << QVariant(200);
    QTest::newRow("sound source at A 6 of a basic system") << "sound source" << QVariant(6);
    QTest::newRow("thermoregulation command at A 0") << "command" << QVariant(0);
    QTest::newRow("zone ZA 1 / ZB 0") << "zone" << QVariant(0);
}

void tst_BaseEditDelegate::passingThroughACellKeepsItsValue()
{
    QFETCH(QString, page);
    QFETCH(QVariant, value);

    const QHash<QString, std::function<PassThrough()>> pages{
        {"scheduled item", scheduledItem},
        {"sound source", soundSource},
        {"command", thermoregulationCommand},
        {"zone", zoneAddress},
    };
    PassThrough shown = pages.value(page)();
    shown.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.window.get()));
    if (page == "scheduled item") {
        // CEN PLUS offers buttons 0..31 only; the stored 200 stays.
        QVERIFY(ConfiguratorTest::chooseInCombo(shown.view, shown.cell.siblingAtRow(1), ScheduledScenarioItem::CenPlus));
    }
    QCOMPARE(shown.stored(), value);

    // The editor opens on a listed entry; the user leaves the cell by
    // clicking another one, which makes Qt commit the editor.
    QVERIFY(ConfiguratorTest::openEditor<QComboBox>(shown.view, shown.cell));
    QTest::mouseClick(shown.view->viewport(), Qt::LeftButton, {}, shown.view->visualRect(shown.other).center());
    QTRY_COMPARE(shown.view->currentIndex(), shown.other);
    QCOMPARE(shown.stored(), value);
}

void tst_BaseEditDelegate::comboListShowsEntriesInFull()
{
    QStandardItemModel model(1, 2);
    QTableView table;
    table.setModel(&model);
    LongEntriesDelegate delegate;
    table.setItemDelegate(&delegate);
    table.setStyleSheet("QToolBar { background: red; }");
    table.setColumnWidth(0, 80);
    table.resize(600, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    auto* combo = ConfiguratorTest::openEditor<QComboBox>(&table, model.index(0, 0));
    QVERIFY(combo);
    QCOMPARE(combo->geometry(), table.visualRect(model.index(0, 0)));
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    // Each entry shows in full: its row, as far as the list shows it, looks
    // the same as in a list far wider than any entry (a cut text would end
    // in an ellipsis there).
    QList<QRect> rows;
    for (int row = 0; row < combo->count(); ++row) {
        const QRect rect = list->visualRect(list->model()->index(row, 0)).intersected(list->viewport()->rect());
        const int textWidth = list->fontMetrics().horizontalAdvance(combo->itemText(row));
        QVERIFY2(rect.width() > textWidth + combo->iconSize().width(), qPrintable(combo->itemText(row)));
        rows.append(rect.adjusted(0, 0, -4, 0));
    }
    const QImage shown = list->viewport()->grab().toImage();
    QWidget* popup = list->window();
    popup->resize(popup->width() + 300, popup->height());
    QTRY_VERIFY(list->viewport()->width() > shown.width() + 200);
    const QImage wide = list->viewport()->grab().toImage();
    for (int row = 0; row < rows.size(); ++row)
        QVERIFY2(shown.copy(rows.at(row)) == wide.copy(rows.at(row)), qPrintable(combo->itemText(row)));
    combo->hidePopup();
}

// Hovering a cell whose text does not fit shows the whole text.
void tst_BaseEditDelegate::cutCellShowsItsTextAsTooltip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("cut") << 60 << "Dimmer 10 levels (DALI)";
    QTest::newRow("in full") << 400 << QString();
}

void tst_BaseEditDelegate::cutCellShowsItsTextAsTooltip()
{
    QFETCH(int, width);
    QFETCH(QString, tooltip);

    QStandardItemModel model(1, 2);
    QPixmap square(16, 16);
    square.fill(Qt::darkYellow);
    model.setItem(0, 0, new QStandardItem(QIcon(square), "Dimmer 10 levels (DALI)"));
    LongEntriesDelegate delegate;
    QTableView table;
    table.setModel(&model);
    table.setItemDelegate(&delegate);
    table.setColumnWidth(0, width);
    table.resize(600, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QToolTip::hideText();
    const QPoint at = table.visualRect(model.index(0, 0)).center();
    QHelpEvent hover(QEvent::ToolTip, at, table.viewport()->mapToGlobal(at));
    QApplication::sendEvent(table.viewport(), &hover);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tooltip);
    QToolTip::hideText();
}

QTEST_MAIN(tst_BaseEditDelegate)
#include "tst_baseeditdelegate.moc"
