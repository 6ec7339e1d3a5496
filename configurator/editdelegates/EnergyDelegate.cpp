#include "editdelegates/EnergyDelegate.h"

#include "devices/EnergyDeviceProperties.h"
#include "devices/StringConsts.h"
#include "editdelegates/EconomicEvaluationWriter.h"
#include "editors/EconomicEvalEditor.h"
#include "tablemodels/EnergyTableModel.h"

#include <QComboBox>

namespace Corvane::Configurator::EditDelegates {

using Devices::EnergyDeviceProperties;
using Devices::StringConsts;
using TableModels::Column;
using TableModels::EnergyTableModel;

namespace {

QComboBox* unitCombo(const EnergyDeviceProperties& meter)
{
    auto* combo = new QComboBox;
    const QList<int> units = EnergyDeviceProperties::allowedUnitsForDeviceType(meter.deviceType());
    for (int unit : units)
        combo->addItem(StringConsts::getMeasurementUnitString(unit), unit);
    combo->setCurrentIndex(qMax(0, combo->findData(meter.measurementUnit())));
    return combo;
}

QComboBox* energyTypeCombo(const EnergyDeviceProperties& meter)
{
    auto* combo = new QComboBox;
    combo->addItem(StringConsts::getEnergyTypeString(0), 0);
    combo->addItem(StringConsts::getEnergyTypeString(1), 1);
    combo->setCurrentIndex(meter.energyDeviceType() == 1 ? 1 : 0);
    return combo;
}

} // namespace

QWidget* EnergyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* energyModel = qobject_cast<const EnergyTableModel*>(index.model());
    const EnergyDeviceProperties* meter = energyModel ? energyModel->meterAt(index) : nullptr;
    if (!meter)
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    const int column = index.column();
    QComboBox* combo = nullptr;
    if (column == energyModel->columnIndex(Column::Address))
        combo = getEditorCombo(0, MAX_ADDRESS, meter->address().area());
    else if (column == energyModel->columnIndex(Column::Unit))
        combo = unitCombo(*meter);
    else if (column == energyModel->columnIndex(Column::SecondType))
        combo = energyTypeCombo(*meter);
    else if (column == energyModel->columnIndex(Column::EconomicEvaluation))
        return adoptDialogEditor(new Editors::EconomicEvalEditor(meter->isEconomicEvaluationEnabled(),
                                                                 meter->currency(), meter->tariff(), parent));
    else
        return BaseDeviceEditDelegate::createEditor(parent, option, index);
    combo->setParent(parent);
    endEditingOnChoice(combo);
    return combo;
}

void EnergyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The combos and the dialog are built on the device's values.
    if (qobject_cast<Editors::BaseEditorDialog*>(editor) || qobject_cast<QComboBox*>(editor))
        return;
    BaseDeviceEditDelegate::setEditorData(editor, index);
}

void EnergyDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    const auto* energyModel = qobject_cast<const EnergyTableModel*>(index.model());
    if (!energyModel) {
        BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    const int column = index.column();
    if (column == energyModel->columnIndex(Column::Address) || column == energyModel->columnIndex(Column::Unit)
        || column == energyModel->columnIndex(Column::SecondType)) {
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            itemModel->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    if (column == energyModel->columnIndex(Column::EconomicEvaluation)) {
        EconomicEvaluationWriter::write(editor, energyModel->meterAt(index));
        return;
    }
    BaseDeviceEditDelegate::setModelData(editor, itemModel, index);
}

} // namespace Corvane::Configurator::EditDelegates
