#include "editdelegates/SoundSourceEditDelegate.h"

#include "devices/SoundSourceDeviceProperties.h"
#include "devices/Utilities.h"
#include "devices/addressverification/AddressVerifier.h"
#include "editdelegates/DescriptionLimit.h"
#include "editors/ChoiceComboBox.h"
#include "editors/DeviceTypeEditor.h"
#include "tablemodels/SoundSourceDeviceModel.h"

#include <QLineEdit>

namespace Corvane::Configurator::EditDelegates {

using Devices::DeviceAddress;
using TableModels::SoundSourceDeviceModel;

namespace {

const SoundSourceDeviceModel* sourceModel(const QModelIndex& index)
{
    return qobject_cast<const SoundSourceDeviceModel*>(index.model());
}

} // namespace

SoundSourceEditDelegate::SoundSourceEditDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QComboBox* SoundSourceEditDelegate::getEditorCombo(const QList<int>& values, int current)
{
    auto* combo = new Editors::ChoiceComboBox;
    for (int value : values)
        combo->addItem(Devices::Utilities::areaIdToString(value), value);
    const int last = int(values.lastIndexOf(current));
    combo->setCurrentIndex(last >= 0 ? last : 0);
    return combo;
}

QWidget* SoundSourceEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    const SoundSourceDeviceModel* model = sourceModel(index);
    if (!model || index.column() != SoundSourceDeviceModel::COLUMN_VALUE_INDEX)
        return BaseEditDelegate::createEditor(parent, option, index);
    QComboBox* combo = nullptr;
    if (index.row() == SoundSourceDeviceModel::ROW_ADDRESS_INDEX) {
        QList<int> values;
        Devices::AddressVerification::AddressVerifier::areaIdValues(model->addressType(), values);
        combo = getEditorCombo(values, model->address().area());
        combo->setParent(parent);
    } else if (index.row() == SoundSourceDeviceModel::ROW_DEVICE_TYPE_INDEX) {
        const Devices::SoundSourceDeviceProperties source(Devices::Utilities::emtpyDeviceId(),
                                                          SoundSourceDeviceModel::NEW_SOURCE_TYPE,
                                                          SoundSourceDeviceModel::newSourceAddress(), tr("Sound source"));
        QList<Devices::BaseDeviceProperties::DeviceType> types;
        source.getAllowedTypes(types);
        combo = new Editors::DeviceTypeEditor(types, model->deviceType(), parent);
    } else {
        return BaseEditDelegate::createEditor(parent, option, index);
    }
    rememberOpeningEntry(combo);
    endEditingOnChoice(combo);
    return combo;
}

void SoundSourceEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The combos are built on the cell's value.
    if (qobject_cast<QComboBox*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void SoundSourceEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const SoundSourceDeviceModel* source = sourceModel(index);
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (source && combo) {
        // A source at an A outside the list keeps it until a new choice.
        if (!choseAnotherEntry(combo))
            return;
        if (index.row() == SoundSourceDeviceModel::ROW_ADDRESS_INDEX) {
            const DeviceAddress address = source->address().cloneWithAreaId(combo->currentData(Qt::UserRole).toInt());
            model->setData(index, QVariant::fromValue(address), Qt::EditRole);
        } else if (index.row() == SoundSourceDeviceModel::ROW_DEVICE_TYPE_INDEX) {
            model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        }
        return;
    }
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor); lineEdit && index.row() == SoundSourceDeviceModel::ROW_DESCRIPTION_INDEX) {
        if (const std::optional<QString> stored = DescriptionLimit::textToStore(lineEdit->text(), editor))
            model->setData(index, *stored, Qt::EditRole);
        return;
    }
    BaseEditDelegate::setModelData(editor, model, index);
}

} // namespace Corvane::Configurator::EditDelegates
