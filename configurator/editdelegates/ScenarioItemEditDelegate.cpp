#include "editdelegates/ScenarioItemEditDelegate.h"

#include "devices/DeviceAddress.h"
#include "devices/ScheduledScenarioItem.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"
#include "editors/AddressEditor.h"
#include "editors/ChoiceComboBox.h"
#include "tablemodels/ScenarioItemModel.h"
#include "tablemodels/ScheduledCENAddressModel.h"

#include <QComboBox>
#include <QPainter>

namespace Corvane::Configurator::EditDelegates {

using Devices::DeviceAddress;
using Devices::ScheduledScenarioItem;
using TableModels::ScenarioItemModel;

const QColor ScenarioItemEditDelegate::MISSING_ADDRESS_TINT(255, 0, 0, 100);

namespace {

DeviceAddress addressOf(const QModelIndex& index)
{
    return index.siblingAtRow(ScenarioItemModel::ROW_ADDRESS_INDEX)
        .siblingAtColumn(ScenarioItemModel::COLUMN_VALUE_INDEX)
        .data(Qt::EditRole)
        .value<DeviceAddress>();
}

} // namespace

ScenarioItemEditDelegate::ScenarioItemEditDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

int ScenarioItemEditDelegate::getCenType(const QModelIndex& index)
{
    return index.siblingAtRow(ScenarioItemModel::ROW_CEN_TYPE_INDEX)
        .siblingAtColumn(ScenarioItemModel::COLUMN_VALUE_INDEX)
        .data(Qt::UserRole)
        .toInt();
}

QComboBox* ScenarioItemEditDelegate::getPresenceEditor(bool presence)
{
    auto* combo = new Editors::ChoiceComboBox;
    combo->addItem(tr("No"), false);
    combo->addItem(tr("Yes"), true);
    combo->setCurrentIndex(presence ? 1 : 0);
    return combo;
}

QComboBox* ScenarioItemEditDelegate::getCenEditCombo(int cenType)
{
    auto* combo = new Editors::ChoiceComboBox;
    combo->addItem(tr("CEN"), int(ScheduledScenarioItem::Cen));
    combo->addItem(tr("CEN PLUS"), int(ScheduledScenarioItem::CenPlus));
    combo->setCurrentIndex(cenType == ScheduledScenarioItem::CenPlus ? 1 : 0);
    return combo;
}

QComboBox* ScenarioItemEditDelegate::getEditorCombo(const QList<int>& values, int current)
{
    auto* combo = new Editors::ChoiceComboBox;
    for (int value : values)
        combo->addItem(Devices::Utilities::areaIdToString(value), value);
    const int last = int(values.lastIndexOf(current));
    combo->setCurrentIndex(last >= 0 ? last : 0);
    return combo;
}

QComboBox* ScenarioItemEditDelegate::getEditorCombo(int min, int max, int current)
{
    return BaseEditDelegate::getEditorCombo(min, max, current);
}

void ScenarioItemEditDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    BaseEditDelegate::paint(painter, option, index);
    if (index.row() == ScenarioItemModel::ROW_ADDRESS_INDEX && getCenType(index) == ScheduledScenarioItem::Cen
        && addressOf(index).isDefaultOrEmpty())
        painter->fillRect(option.rect, MISSING_ADDRESS_TINT);
}

QWidget* ScenarioItemEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                const QModelIndex& index) const
{
    if (!qobject_cast<const ScenarioItemModel*>(index.model()) || index.column() != ScenarioItemModel::COLUMN_VALUE_INDEX)
        return BaseEditDelegate::createEditor(parent, option, index);
    if (index.row() == ScenarioItemModel::ROW_ADDRESS_INDEX && getCenType(index) == ScheduledScenarioItem::Cen) {
        auto* dialog = new Editors::AddressEditor(parent);
        dialog->setModel(new TableModels::ScheduledCENAddressModel(addressOf(index), dialog));
        return adoptDialogEditor(dialog);
    }
    return createComboEditor(parent, index);
}

QWidget* ScenarioItemEditDelegate::createComboEditor(QWidget* parent, const QModelIndex& index) const
{
    const bool cenPlus = getCenType(index) == ScheduledScenarioItem::CenPlus;
    QComboBox* combo = nullptr;
    switch (index.row()) {
    case ScenarioItemModel::ROW_PRESENCE_INDEX:
        combo = getPresenceEditor(index.data(Qt::EditRole).toBool());
        break;
    case ScenarioItemModel::ROW_CEN_TYPE_INDEX:
        combo = getCenEditCombo(index.data(Qt::EditRole).toInt());
        break;
    case ScenarioItemModel::ROW_ADDRESS_INDEX: {
        QList<int> values;
        Devices::AddressVerification::AddressVerifier::areaIdValues(ScheduledScenarioItem::CEN_PLUS_ADDRESS_TYPE, values);
        combo = getEditorCombo(values, addressOf(index).area());
        break;
    }
    default:
        combo = getEditorCombo(0, cenPlus ? ScheduledScenarioItem::MAX_CEN_PLUS_BUTTON : ScheduledScenarioItem::MAX_CEN_BUTTON,
                               index.data(Qt::EditRole).toInt());
        break;
    }
    combo->setParent(parent);
    rememberOpeningEntry(combo);
    endEditingOnChoice(combo);
    return combo;
}

void ScenarioItemEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Every editor is built on the cell's value.
    if (qobject_cast<QComboBox*>(editor) || qobject_cast<Editors::BaseEditorDialog*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void ScenarioItemEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* dialog = qobject_cast<Editors::AddressEditor*>(editor)) {
        if (dialog->accepted())
            model->setData(index, QVariant::fromValue(dialog->createAddress()), Qt::EditRole);
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || combo->currentIndex() < 0) {
        BaseEditDelegate::setModelData(editor, model, index);
        return;
    }
    // A button 200 kept over a switch to CEN PLUS stays until a new choice.
    if (!choseAnotherEntry(combo))
        return;
    if (index.row() == ScenarioItemModel::ROW_ADDRESS_INDEX) {
        const DeviceAddress address(combo->currentData(Qt::UserRole).toInt(), DeviceAddress::DEFAULT_POINT_VALUE,
                                    DeviceAddress::DEFAULT_LEVEL_VALUE, DeviceAddress::DEFAULT_INTERFACE_VALUE);
        model->setData(index, QVariant::fromValue(address), Qt::EditRole);
        return;
    }
    // Presence, command type and button number: the chosen item's value.
    model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
}

} // namespace Corvane::Configurator::EditDelegates
