#include "editdelegates/ThermoregTemperatureDelegate.h"

#include "devices/ThermoregulationDeviceProperties.h"
#include "editors/ChoiceComboBox.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"
#include "utilities/MathTools.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Corvane::Configurator::EditDelegates {

using Devices::ThermoregulationDeviceProperties;
using TableModels::ThermoregTemperatureEditModel;
using Utilities::MathTools;

namespace {

// The value the editor showed when it opened.
const char* const START_VALUE = "startValue";

double rowValue(const QModelIndex& index, int row)
{
    return index.siblingAtRow(row).data(Qt::EditRole).toDouble();
}

} // namespace

ThermoregTemperatureDelegate::ThermoregTemperatureDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QWidget* ThermoregTemperatureDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                    const QModelIndex& index) const
{
    if (index.column() != 1)
        return BaseEditDelegate::createEditor(parent, option, index);
    if (index.row() == ThermoregTemperatureEditModel::ROW_STEP_INDEX) {
        auto* combo = new Editors::ChoiceComboBox(parent);
        combo->addItem(QStringLiteral("0.5"), 0.5);
        combo->addItem(QStringLiteral("1"), 1);
        const bool half = MathTools::equals(index.data(Qt::EditRole).toDouble(), 0.5, MathTools::EPS);
        combo->setCurrentIndex(half ? 0 : 1);
        rememberOpeningEntry(combo);
        endEditingOnChoice(combo);
        return combo;
    }
    auto* spinBox = new QDoubleSpinBox(parent);
    spinBox->setFrame(false);
    spinBox->setDecimals(TEMPERATURE_DECIMALS);
    return spinBox;
}

void ThermoregTemperatureDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* spinBox = qobject_cast<QDoubleSpinBox*>(editor);
    if (!spinBox)
        return;
    const double low = ThermoregulationDeviceProperties::MIN_TEMPERATURE;
    const double high = ThermoregulationDeviceProperties::MAX_TEMPERATURE;
    if (index.row() == ThermoregTemperatureEditModel::ROW_TEMP_MIN_INDEX)
        spinBox->setRange(low, qMax(low, rowValue(index, ThermoregTemperatureEditModel::ROW_TEMP_MAX_INDEX)));
    else
        spinBox->setRange(qMin(high, rowValue(index, ThermoregTemperatureEditModel::ROW_TEMP_MIN_INDEX)), high);
    spinBox->setValue(index.data(Qt::EditRole).toDouble());
    spinBox->setProperty(START_VALUE, spinBox->value());
}

void ThermoregTemperatureDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                                const QModelIndex& index) const
{
    // Only a choice of the user changes the step: a step of 0.7 opens on
    // "1" and stays 0.7 until another item is chosen.
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (choseAnotherEntry(combo))
            model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    auto* spinBox = qobject_cast<QDoubleSpinBox*>(editor);
    if (!spinBox)
        return;
    spinBox->interpretText();
    if (spinBox->value() == spinBox->property(START_VALUE).toDouble())
        return;
    model->setData(index, spinBox->value(), Qt::EditRole);
}

} // namespace Corvane::Configurator::EditDelegates
