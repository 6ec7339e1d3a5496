#include "editors/ScenarioItemEditor.h"

#include "editdelegates/ScenarioItemEditDelegate.h"
#include "tablemodels/ScenarioItemModel.h"

#include <QTableView>

namespace Corvane::Configurator::Editors {

using TableModels::ScenarioItemModel;

ScenarioItemEditor::ScenarioItemEditor(const Devices::ScheduledScenarioItem& item, const QString& title, QWidget* parent)
    : BasePropertyEditorControl(title, parent)
    , m_model(new ScenarioItemModel(item, this))
{
    table()->setModel(m_model);
    table()->setItemDelegate(new EditDelegates::ScenarioItemEditDelegate(table()));
    updateTableHeight();
    connect(m_model, &ScenarioItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft) { dataChanged(topLeft); });
    // Rows come and go with the presence; the pane grows and shrinks with them.
    connect(m_model, &ScenarioItemModel::rowsInserted, this, &ScenarioItemEditor::fitToRows);
    connect(m_model, &ScenarioItemModel::rowsRemoved, this, &ScenarioItemEditor::fitToRows);
    connect(table()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ScenarioItemEditor::currentIndexChanged);
}

bool ScenarioItemEditor::presence() const
{
    return m_model->index(ScenarioItemModel::ROW_PRESENCE_INDEX, ScenarioItemModel::COLUMN_VALUE_INDEX)
        .data(Qt::EditRole)
        .toBool();
}

void ScenarioItemEditor::setPresence(bool presence)
{
    if (presence == this->presence())
        return;
    // The rows that go move this pane's current cell onto Presence; an
    // editor opened there by that move would show the old presence and
    // write it back when committed.
    const QAbstractItemView::EditTriggers triggers = table()->editTriggers();
    table()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_model->setData(m_model->index(ScenarioItemModel::ROW_PRESENCE_INDEX, ScenarioItemModel::COLUMN_VALUE_INDEX),
                     presence, Qt::EditRole);
    table()->setEditTriggers(triggers);
    if (table()->isHidden())
        onShowButtonClicked();
    updateTableHeight();
}

void ScenarioItemEditor::fitToRows()
{
    updateTableHeight();
    setMinimumHeight(sizeHint().height());
}

Devices::ScheduledScenarioItem ScenarioItemEditor::createItem() const
{
    return m_model->createItem();
}

void ScenarioItemEditor::dataChanged(const QModelIndex& index)
{
    updateTableHeight();
    if (index.row() == ScenarioItemModel::ROW_PRESENCE_INDEX)
        emit presenceChanged();
}

void ScenarioItemEditor::currentIndexChanged(const QModelIndex& current, const QModelIndex&)
{
    emit helpMessageChanged(m_model->getHelpMessage(current).toHtml());
}

} // namespace Corvane::Configurator::Editors
