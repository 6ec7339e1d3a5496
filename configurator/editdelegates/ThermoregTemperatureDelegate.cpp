#include "editdelegates/ThermoregTemperatureDelegate.h"

#include "devices/ThermoregulationDeviceProperties.h"
#include "editors/ChoiceComboBox.h"
#include "editdelegates/ValueRefusal.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"
#include "utilities/MathTools.h"

#include <QComboBox>
#include <QLineEdit>

namespace Corvane::Configurator::EditDelegates {

using Devices::ThermoregulationDeviceProperties;
using TableModels::ThermoregTemperatureEditModel;
using Utilities::MathTools;

namespace {

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
    auto* lineEdit = new QLineEdit(parent);
    lineEdit->setFrame(false);
    return lineEdit;
}

void ThermoregTemperatureDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (!lineEdit)
        return;
    lineEdit->setText(ValueRefusal::numberText(index.data(Qt::EditRole).toDouble()));
    lineEdit->setModified(false);
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
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    // Passing over the cell writes nothing.
    if (!lineEdit || !lineEdit->isModified())
        return;
    const double lowest = ThermoregulationDeviceProperties::MIN_TEMPERATURE;
    const double highest = ThermoregulationDeviceProperties::MAX_TEMPERATURE;
    const bool minimum = index.row() == ThermoregTemperatureEditModel::ROW_TEMP_MIN_INDEX;
    const double low = minimum ? lowest : qMin(highest, rowValue(index, ThermoregTemperatureEditModel::ROW_TEMP_MIN_INDEX));
    const double high = minimum ? qMax(lowest, rowValue(index, ThermoregTemperatureEditModel::ROW_TEMP_MAX_INDEX)) : highest;
    const QString refusal = minimum ? tr("\"%1\" is not a valid minimum temperature: it is a number from %2 to %3. "
                                         "The temperature was not changed.")
                                    : tr("\"%1\" is not a valid maximum temperature: it is a number from %2 to %3. "
                                         "The temperature was not changed.");
    const std::optional<double> value =
        ValueRefusal::numberWithin(editor, lineEdit->text(), low, high, TEMPERATURE_DECIMALS, refusal);
    if (value)
        model->setData(index, *value, Qt::EditRole);
}

} // namespace Corvane::Configurator::EditDelegates
