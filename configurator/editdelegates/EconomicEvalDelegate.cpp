#include "editdelegates/EconomicEvalDelegate.h"

#include "devices/EconomicDeviceProperties.h"
#include "editors/CurrencyEvalEditor.h"
#include "editors/YesNoEditor.h"
#include "editdelegates/ValueRefusal.h"
#include "tablemodels/EconomicEvalTableModel.h"

#include <QLineEdit>

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
        auto* lineEdit = new QLineEdit(parent);
        lineEdit->setFrame(false);
        return lineEdit;
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
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor); lineEdit && index.row() == EconomicEvalTableModel::TariffRow) {
        lineEdit->setText(ValueRefusal::numberText(index.data(Qt::EditRole).toDouble()));
        lineEdit->setModified(false);
        return;
    }
    BaseEditDelegate::setEditorData(editor, index);
}

void EconomicEvalDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (!lineEdit || index.row() != EconomicEvalTableModel::TariffRow) {
        BaseEditDelegate::setModelData(editor, model, index);
        return;
    }
    // Passing over the cell writes nothing.
    if (!lineEdit->isModified())
        return;
    const std::optional<double> tariff = ValueRefusal::numberWithin(
        editor, lineEdit->text(), Devices::EconomicDeviceProperties::MIN_TARIFF,
        Devices::EconomicDeviceProperties::MAX_TARIFF, TARIFF_DECIMALS,
        tr("\"%1\" is not a valid tariff: it is a number from %2 to %3. The tariff was not changed."));
    if (tariff)
        model->setData(index, *tariff, Qt::EditRole);
}

} // namespace Corvane::Configurator::EditDelegates
