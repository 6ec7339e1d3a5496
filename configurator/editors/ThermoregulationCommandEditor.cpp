#include "editors/ThermoregulationCommandEditor.h"

#include "editdelegates/ThermoregCommandEditDelegate.h"
#include "tablemodels/ThermoregulationCommandModel.h"

#include <QTableView>

namespace Corvane::Configurator::Editors {

using TableModels::ThermoregulationCommandModel;

ThermoregulationCommandEditor::ThermoregulationCommandEditor(const Devices::DeviceAddress& address,
                                                             const QString& description, int id, int addressType,
                                                             const QString& title, QWidget* parent)
    : BasePropertyEditorControl(title, parent)
    , m_model(new ThermoregulationCommandModel(address, description, id, addressType, this))
{
    table()->setModel(m_model);
    table()->setItemDelegate(new EditDelegates::ThermoregCommandEditDelegate(table()));
    table()->resizeColumnToContents(0);
    updateTableHeight();
    connect(table()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ThermoregulationCommandEditor::currentIndexChanged);
    connect(table(), &QTableView::clicked, this, &ThermoregulationCommandEditor::tableClicked);
}

int ThermoregulationCommandEditor::originalId() const
{
    return m_model->originalDeviceId();
}

QString ThermoregulationCommandEditor::description() const
{
    return m_model->description();
}

Devices::DeviceAddress ThermoregulationCommandEditor::address() const
{
    return m_model->address();
}

void ThermoregulationCommandEditor::tableClicked(const QModelIndex& index)
{
    emit helpMessageChanged(m_model->getHelpMessage(index).toHtml());
    emit selected();
}

void ThermoregulationCommandEditor::currentIndexChanged(const QModelIndex& current, const QModelIndex&)
{
    tableClicked(current);
}

void ThermoregulationCommandEditor::onShowButtonClicked()
{
    BasePropertyEditorControl::onShowButtonClicked();
    emit selected();
}

} // namespace Corvane::Configurator::Editors
