#include "tablemodels/SoundSystemModel.h"

#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/Configuration.h"
#include "devices/Utilities.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::BaseDeviceProperties;
using Devices::ConfigUtilities;

SoundSystemModel::SoundSystemModel(Devices::Configuration** project, QObject* parent)
    : BaseTreeModel(parent)
    , m_project(project)
    , m_serverId(Devices::Utilities::emtpyDeviceId())
    , m_typeItem(new DeviceTreeItem({tr("Type")}, rootNode()))
    , m_sourcesItem(new DeviceTreeItem({tr("Sources")}, rootNode()))
{
    rootNode()->setData(QList<QVariant>{QStringLiteral("Root node"), -1});
    rootNode()->appendChild(m_typeItem);
    rootNode()->appendChild(m_sourcesItem);
}

void SoundSystemModel::setCurrentServerId(int serverId)
{
    if (serverId == m_serverId)
        return;
    m_serverId = serverId;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int SoundSystemModel::getFieldType(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return NoField;
    const DeviceTreeItem* item = itemAt(index);
    if (item == m_typeItem)
        return TypeField;
    return item == m_sourcesItem ? SourcesField : NoField;
}

int SoundSystemModel::getSoundSourcesCount() const
{
    const Devices::Configuration* project = config();
    if (!project)
        return 0;
    QList<BaseDeviceProperties*> sources;
    project->getDevicesByGroup(sources, BaseDeviceProperties::SoundSources, m_serverId, true);
    return qMin(project->maxSoundSourcesCount(m_serverId), int(sources.size()));
}

void SoundSystemModel::retranslate()
{
    m_typeItem->setData(tr("Type"), COLUMN_LABEL_INDEX);
    m_sourcesItem->setData(tr("Sources"), COLUMN_LABEL_INDEX);
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

QVariant SoundSystemModel::data(const QModelIndex& index, int role) const
{
    const int field = getFieldType(index);
    if (field == NoField || !config())
        return {};
    if (index.column() == COLUMN_LABEL_INDEX) {
        const bool caption = role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::UserRole;
        return caption ? itemAt(index)->data(COLUMN_LABEL_INDEX) : QVariant();
    }
    return value(field, role);
}

QVariant SoundSystemModel::value(int field, int role) const
{
    const int type = config()->soundSystemType(m_serverId);
    switch (role) {
    case Qt::DisplayRole:
        if (field == TypeField)
            return ConfigUtilities::getSoundSystemTypeString(type);
        if (const int count = getSoundSourcesCount(); count > 0)
            return tr("%1 source(s) configured").arg(count);
        return tr("No source configured");
    case Qt::EditRole:
    case Qt::UserRole:
        return field == TypeField ? QVariant(type) : QVariant();
    case Qt::DecorationRole:
        return field == TypeField ? QVariant(QIcon(ConfigUtilities::getSoundSystemIconPath(type))) : QVariant();
    default:
        return {};
    }
}

bool SoundSystemModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    const int field = getFieldType(index);
    Devices::Configuration* project = config();
    if (field == NoField || !project)
        return false;
    if (field == TypeField) {
        project->setSoundSystemType(value.toInt(), m_serverId);
        // The maximum, and so the Sources count, follows the type.
        const QModelIndex sources = this->index(m_sourcesItem->row(), COLUMN_VALUE_INDEX);
        emit dataChanged(sources, sources);
    }
    emit dataChanged(index, index);
    return true;
}

HelpMessage SoundSystemModel::getHelpMessage(const QModelIndex& index) const
{
    switch (getFieldType(index)) {
    case TypeField:
        return {tr("Type"), tr("Set the type of the sound system")};
    case SourcesField:
        return {tr("Sources"), tr("Set the sources of the sound system")};
    default:
        return {};
    }
}

} // namespace Corvane::Configurator::TableModels
