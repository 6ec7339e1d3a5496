#include "editdelegates/LoadDelegate.h"

#include "devices/LoadDeviceProperties.h"
#include "editdelegates/EconomicEvaluationWriter.h"
#include "editors/EconomicEvalEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/LoadTableModel.h"

#include <QComboBox>

namespace Corvane::Configurator::EditDelegates {

using Devices::LoadDeviceProperties;
using TableModels::Column;
using TableModels::LoadTableModel;

QWidget* LoadDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* loadModel = qobject_cast<const LoadTableModel*>(index.model());
    const LoadDeviceProperties* load = loadModel ? loadModel->loadAt(index) : nullptr;
    if (!load)
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    const int column = index.column();
    QComboBox* combo = nullptr;
    if (column == loadModel->columnIndex(Column::Address)) {
        combo = getEditorCombo(0, MAX_ADDRESS, load->address().area());
        combo->setParent(parent);
    } else if (column == loadModel->columnIndex(Column::CentralUnitPresence)) {
        combo = new Editors::YesNoEditor(load->hasCentralUnit(), parent);
    } else if (column == loadModel->columnIndex(Column::EconomicEvaluation)) {
        return adoptDialogEditor(new Editors::EconomicEvalEditor(load->isEconomicEvaluationEnabled(),
                                                                 load->currency(), load->tariff(), parent));
    } else {
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    }
    endEditingOnChoice(combo);
    return combo;
}

void LoadDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (qobject_cast<Editors::BaseEditorDialog*>(editor) || qobject_cast<QComboBox*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

void LoadDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    const auto* loadModel = qobject_cast<const LoadTableModel*>(index.model());
    if (!loadModel) {
        BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    const int column = index.column();
    if (column == loadModel->columnIndex(Column::Address)
        || column == loadModel->columnIndex(Column::CentralUnitPresence)) {
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            itemModel->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    if (column == loadModel->columnIndex(Column::EconomicEvaluation)) {
        EconomicEvaluationWriter::write(editor, loadModel->loadAt(index));
        return;
    }
    BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
}

} // namespace Corvane::Configurator::EditDelegates
