#include "editors/EconomicEvalEditor.h"

#include "editdelegates/EconomicEvalDelegate.h"
#include "editors/BasePropertyEditorControl.h"
#include "tablemodels/EconomicEvalTableModel.h"

#include <QTableView>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

EconomicEvalEditor::EconomicEvalEditor(bool presence, int currency, double tariff, QWidget* parent)
    : BaseEditorDialog(false, parent)
    , m_pane(new BasePropertyEditorControl(tr("Economic evaluation"), this))
{
    contentLayout()->addWidget(m_pane);
    QTableView* table = m_pane->table();
    m_model = new TableModels::EconomicEvalTableModel(presence, currency, tariff, table);
    table->setModel(m_model);
    table->setItemDelegate(new EditDelegates::EconomicEvalDelegate(table));
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EconomicEvalEditor::tableSelectionChanged);
}

bool EconomicEvalEditor::presence() const
{
    return m_model->presence();
}

int EconomicEvalEditor::currency() const
{
    return m_model->currency();
}

double EconomicEvalEditor::tariff() const
{
    return m_model->tariff();
}

void EconomicEvalEditor::tableSelectionChanged(const QModelIndex& current, const QModelIndex&)
{
    displayHelpMessage(m_model->getHelpMessage(current).toHtml());
}

} // namespace Corvane::Configurator::Editors
