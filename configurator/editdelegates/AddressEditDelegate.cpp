#include "editdelegates/AddressEditDelegate.h"

#include "devices/ConfigUtilities.h"
#include "devices/Utilities.h"
#include "editors/ChoiceComboBox.h"
#include "tablemodels/BaseAddressTreeModel.h"

#include <QComboBox>

namespace Corvane::Configurator::EditDelegates {

using Devices::ConfigUtilities;
using TableModels::BaseAddressTreeModel;

namespace {

// The last item holding current becomes current, else the first.
void selectLast(QComboBox* combo, int current)
{
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (combo->itemData(i).toInt() == current) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

} // namespace

AddressEditDelegate::AddressEditDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QComboBox* AddressEditDelegate::getEditorCombo(const QList<int>& values, int current)
{
    auto* combo = new Editors::ChoiceComboBox;
    for (int value : values)
        combo->addItem(QIcon(ConfigUtilities::getAddressValueIconPath(value)), Devices::Utilities::areaIdToString(value), value);
    selectLast(combo, current);
    return combo;
}

QComboBox* AddressEditDelegate::getLevelEditCombo(const QList<int>& values, int current)
{
    auto* combo = new Editors::ChoiceComboBox;
    for (int value : values)
        combo->addItem(QIcon(ConfigUtilities::getAddressLevelIconPath(value)), ConfigUtilities::levelToString(value), value);
    selectLast(combo, current);
    return combo;
}

QWidget* AddressEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const BaseAddressTreeModel*>(index.model());
    if (!model)
        return BaseEditDelegate::createEditor(parent, option, index);
    const int current = model->getValueForIndex(index).toInt();
    QList<int> values;
    QComboBox* combo = nullptr;
    switch (model->getFieldType(index)) {
    case BaseAddressTreeModel::AreaField:
        model->getAreaIdValues(values);
        break;
    case BaseAddressTreeModel::PointField:
    case BaseAddressTreeModel::ScenarioLevelField:
        model->getPointIdValues(values);
        break;
    case BaseAddressTreeModel::LevelField:
        model->getLevelValues(values);
        break;
    case BaseAddressTreeModel::InterfaceField:
        model->getInterfaceValues(values);
        break;
    case BaseAddressTreeModel::ScenarioNumberField:
        combo = BaseEditDelegate::getEditorCombo(1, 16, current);
        break;
    default:
        return BaseEditDelegate::createEditor(parent, option, index);
    }
    if (!combo) {
        if (values.isEmpty())
            return nullptr;
        combo = model->getFieldType(index) == BaseAddressTreeModel::LevelField ? getLevelEditCombo(values, current)
                                                                               : getEditorCombo(values, current);
    }
    combo->setParent(parent);
    rememberOpeningEntry(combo);
    endEditingOnChoice(combo);
    return combo;
}

void AddressEditDelegate::setEditorData(QWidget*, const QModelIndex&) const
{
}

void AddressEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || !choseAnotherEntry(combo))
        return;
    model->setData(index, combo->currentData(Qt::UserRole), Qt::DisplayRole);
    model->setData(index, combo->itemData(combo->currentIndex(), Qt::DecorationRole), Qt::DecorationRole);
}

} // namespace Corvane::Configurator::EditDelegates
