#include "editdelegates/SoundSystemEditDelegate.h"

#include "devices/ConfigUtilities.h"
#include "devices/Configuration.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/Utilities.h"
#include "editors/SoundSourceDeviceEditor.h"
#include "editors/SoundSystemEditor.h"
#include "log/Logger.h"
#include "tablemodels/SoundSystemModel.h"

#include <QComboBox>

namespace Corvane::Configurator::EditDelegates {

using Devices::BaseDeviceProperties;
using Devices::ConfigUtilities;
using TableModels::SoundSystemModel;

namespace {

const SoundSystemModel* soundSystemModel(const QModelIndex& index)
{
    return qobject_cast<const SoundSystemModel*>(index.model());
}

} // namespace

SoundSystemEditDelegate::SoundSystemEditDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QSize SoundSystemEditDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() == SoundSystemModel::COLUMN_LABEL_INDEX)
        return {200, option.rect.height()};
    return BaseEditDelegate::sizeHint(option, index);
}

QWidget* SoundSystemEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    const SoundSystemModel* model = soundSystemModel(index);
    const int field = model ? model->getFieldType(index) : SoundSystemModel::NoField;
    if (field == SoundSystemModel::TypeField) {
        auto* combo = new QComboBox(parent);
        for (int type : {0, 1})
            combo->addItem(QIcon(ConfigUtilities::getSoundSystemIconPath(type)),
                           ConfigUtilities::getSoundSystemTypeString(type), type);
        combo->setCurrentIndex(index.data(Qt::EditRole).toInt() == 1 ? 1 : 0);
        connect(combo, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
        return combo;
    }
    if (field == SoundSystemModel::SourcesField)
        return adoptDialogEditor(new Editors::SoundSystemEditor(model->config(), model->currentServerId(), parent));
    return BaseEditDelegate::createEditor(parent, option, index);
}

void SoundSystemEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The combo and the dialog start from the project's values.
    if (qobject_cast<QComboBox*>(editor) || qobject_cast<Editors::BaseEditorDialog*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void SoundSystemEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const SoundSystemModel* soundSystem = soundSystemModel(index);
    const int field = soundSystem ? soundSystem->getFieldType(index) : SoundSystemModel::NoField;
    if (field == SoundSystemModel::TypeField) {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
            Log::Logger(Log::Logger::Trace) << "Sound system type changed";
        }
        return;
    }
    if (field == SoundSystemModel::SourcesField) {
        auto* dialog = qobject_cast<Editors::SoundSystemEditor*>(editor);
        if (dialog && dialog->accepted())
            updateSoundSourceDevices(dialog, soundSystem->config(), soundSystem->currentServerId());
        return;
    }
    BaseEditDelegate::setModelData(editor, model, index);
}

void SoundSystemEditDelegate::updateSoundSourceDevices(const Editors::SoundSystemEditor* dialog,
                                                       Devices::Configuration* project, int serverId)
{
    if (!dialog || !project || serverId == -1)
        return;
    QList<int> kept;
    for (const Editors::SoundSourceDeviceEditor* pane : dialog->deviceEditors()) {
        if (pane->originalDeviceId() != Devices::Utilities::emtpyDeviceId()) {
            BaseDeviceProperties* device = project->getDeviceById(pane->originalDeviceId());
            if (!device)
                continue;
            device->setDeviceType(pane->deviceType());
            device->setAddress(pane->address());
            device->setDescription(pane->description());
            kept.append(device->id());
        } else {
            kept.append(project->addDevice(serverId, new Devices::SoundSourceDeviceProperties(
                                                         Devices::Utilities::emtpyDeviceId(), pane->deviceType(),
                                                         pane->address(), pane->description())));
        }
    }
    QList<BaseDeviceProperties*> sources;
    project->getDevicesByGroup(sources, BaseDeviceProperties::SoundSources, serverId, true);
    for (const BaseDeviceProperties* source : std::as_const(sources)) {
        if (!kept.contains(source->id()))
            project->removeDevice(source->id());
    }
    Log::Logger(Log::Logger::Trace) << "Sound sources changed of plant " << serverId;
}

} // namespace Corvane::Configurator::EditDelegates
