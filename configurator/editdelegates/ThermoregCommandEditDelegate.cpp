#include "editdelegates/ThermoregCommandEditDelegate.h"

#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"
#include "editdelegates/DescriptionLimit.h"
#include "editors/ChoiceComboBox.h"
#include "tablemodels/ThermoregulationCommandModel.h"

#include <QComboBox>
#include <QLineEdit>

namespace Corvane::Configurator::EditDelegates {

using Devices::DeviceAddress;
using TableModels::ThermoregulationCommandModel;

ThermoregCommandEditDelegate::ThermoregCommandEditDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QComboBox* ThermoregCommandEditDelegate::getEditorCombo(const QList<int>& values, int current)
{
    auto* combo = new Editors::ChoiceComboBox;
    int chosen = 0;
    for (int i = 0; i < values.size(); ++i) {
        combo->addItem(Devices::Utilities::areaIdToString(values.at(i)), values.at(i));
        if (values.at(i) == current)
            chosen = i;
    }
    combo->setCurrentIndex(values.isEmpty() ? -1 : chosen);
    return combo;
}

QComboBox* ThermoregCommandEditDelegate::createAddressEditor(const BaseEditDelegate* delegate, QWidget* parent,
                                                             int addressType, const QModelIndex& index)
{
    QList<int> values;
    Devices::AddressVerification::AddressVerifier::areaIdValues(addressType, values);
    const DeviceAddress address = ThermoregulationCommandModel::addressFromValue(index.data(Qt::EditRole));
    QComboBox* combo = getEditorCombo(values, address.area());
    combo->setParent(parent);
    rememberOpeningEntry(combo);
    delegate->endEditingOnChoice(combo);
    return combo;
}

void ThermoregCommandEditDelegate::writeAddress(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index)
{
    const auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || !choseAnotherEntry(combo))
        return;
    const DeviceAddress address = ThermoregulationCommandModel::addressFromValue(index.data(Qt::EditRole));
    model->setData(index, QVariant::fromValue(address.cloneWithAreaId(combo->currentData(Qt::UserRole).toInt())),
                   Qt::EditRole);
}

QWidget* ThermoregCommandEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                    const QModelIndex& index) const
{
    const auto* model = qobject_cast<const ThermoregulationCommandModel*>(index.model());
    if (model && index.column() == 1 && index.row() == ThermoregulationCommandModel::AddressRow)
        return createAddressEditor(this, parent, model->addressType(), index);
    return BaseEditDelegate::createEditor(parent, option, index);
}

void ThermoregCommandEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The combo is built on the current address.
    if (qobject_cast<QComboBox*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void ThermoregCommandEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                                const QModelIndex& index) const
{
    if (qobject_cast<QComboBox*>(editor)) {
        writeAddress(editor, model, index);
        return;
    }
    if (const auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        if (const std::optional<QString> text = DescriptionLimit::textToStore(lineEdit->text(), editor))
            model->setData(index, *text, Qt::EditRole);
        return;
    }
    BaseEditDelegate::setModelData(editor, model, index);
}

} // namespace Corvane::Configurator::EditDelegates
