#include "editdelegates/DeviceTreeDelegate.h"

#include "DevicesTreeModel.h"
#include "devices/Configuration.h"
#include "devices/validation/ValidationItem.h"
#include "editdelegates/BaseDeviceEditDelegate.h"

#include <QPainter>

namespace Corvane::Configurator::EditDelegates {

using Devices::Validation::ValidationItem;

DeviceTreeDelegate::DeviceTreeDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

bool DeviceTreeDelegate::isPlantMarked(const QModelIndex& index) const
{
    const auto* model = qobject_cast<const DevicesTreeModel*>(index.model());
    if (!m_project || !model || model->nodeType(index) != DevicesTreeModel::NodePlant)
        return false;
    const QList<int> errors = m_project->deviceErrors(model->serverId(index));
    return errors.contains(ValidationItem::InvalidIp) || errors.contains(ValidationItem::DuplicateIp)
        || errors.contains(ValidationItem::InvalidUc);
}

void DeviceTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (isPlantMarked(index))
        painter->fillRect(option.rect, BaseDeviceEditDelegate::ERROR_TINT);
}

} // namespace Corvane::Configurator::EditDelegates
