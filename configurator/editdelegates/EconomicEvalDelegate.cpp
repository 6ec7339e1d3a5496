#include "editdelegates/EconomicEvalDelegate.h"

#include "devices/EconomicDeviceProperties.h"
#include "editors/CurrencyEvalEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/EconomicEvalTableModel.h"

#include <QDoubleSpinBox>

namespace Corvane::Configurator::EditDelegates {

using TableModels::EconomicEvalTableModel;

EconomicEvalDelegate::EconomicEvalDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QWidget* EconomicEvalDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const QVariant value = index.data(Qt::EditRole);
    QComboBox* combo = nullptr;
    switch (index.row()) {
    case EconomicEvalTableModel::PresenceRow:
        combo = new Editors::YesNoEditor(value.toBool(), parent);
        break;
    case EconomicEvalTableModel::CurrencyRow:
        combo = new Editors::CurrencyEvalEditor(value.toInt(), parent);
        break;
    case EconomicEvalTableModel::TariffRow: {
        auto* spinBox = new QDoubleSpinBox(parent);
        spinBox->setFrame(false);
        spinBox->setDecimals(TARIFF_DECIMALS);
        spinBox->setRange(Devices::EconomicDeviceProperties::MIN_TARIFF, Devices::EconomicDeviceProperties::MAX_TARIFF);
        return spinBox;
    }
    default:
        return BaseEditDelegate::createEditor(parent, option, index);
    }
    connect(combo, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
    return combo;
}

void EconomicEvalDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The combos are built on the current value.
    if (qobject_cast<QComboBox*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void EconomicEvalDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    BaseEditDelegate::setModelData(editor, model, index);
}

} // namespace Corvane::Configurator::EditDelegates
