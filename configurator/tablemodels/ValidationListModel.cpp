#include "tablemodels/ValidationListModel.h"

#include <QIcon>

namespace Corvane::Configurator::TableModels {

using Devices::Validation::ValidationItem;

ValidationListModel::ValidationListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void ValidationListModel::setValidationItems(const QList<ValidationItem>& items)
{
    beginResetModel();
    m_items = items;
    endResetModel();
}

int ValidationListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant ValidationListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_items.size())
        return {};
    const ValidationItem& item = m_items.at(index.row());
    if (role == Qt::DisplayRole)
        return item.itemString();
    if (role != Qt::DecorationRole)
        return {};
    if (item.itemType() == ValidationItem::Error)
        return QIcon(QStringLiteral(":/Images/error.png"));
    if (item.itemType() == ValidationItem::Warning)
        return QIcon(QStringLiteral(":/Images/sign_warning.png"));
    return {};
}

} // namespace Corvane::Configurator::TableModels
