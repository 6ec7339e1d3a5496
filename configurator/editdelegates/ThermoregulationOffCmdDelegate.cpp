#include "editdelegates/ThermoregulationOffCmdDelegate.h"

#include "editdelegates/ThermoregCommandEditDelegate.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/ThermoregulationOffCmdModel.h"

namespace Corvane::Configurator::EditDelegates {

using TableModels::ThermoregulationOffCmdModel;

ThermoregulationOffCmdDelegate::ThermoregulationOffCmdDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QWidget* ThermoregulationOffCmdDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                      const QModelIndex& index) const
{
    const auto* model = qobject_cast<const ThermoregulationOffCmdModel*>(index.model());
    if (!model || index.column() != 1)
        return BaseEditDelegate::createEditor(parent, option, index);
    if (index.row() == ThermoregulationOffCmdModel::AddressRow)
        return ThermoregCommandEditDelegate::createAddressEditor(this, parent, model->addressType(), index);
    auto* editor = new Editors::YesNoEditor(model->presence(), parent);
    connect(editor, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
    return editor;
}

void ThermoregulationOffCmdDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Both combos are built on the current value.
    if (qobject_cast<QComboBox*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void ThermoregulationOffCmdDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                                  const QModelIndex& index) const
{
    if (auto* yesNo = qobject_cast<Editors::YesNoEditor*>(editor)) {
        model->setData(index, yesNo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    if (qobject_cast<QComboBox*>(editor)) {
        ThermoregCommandEditDelegate::writeAddress(editor, model, index);
        return;
    }
    BaseEditDelegate::setModelData(editor, model, index);
}

} // namespace Corvane::Configurator::EditDelegates
