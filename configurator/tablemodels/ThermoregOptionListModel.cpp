#include "tablemodels/ThermoregOptionListModel.h"

#include "devices/ConfigUtilities.h"

namespace Corvane::Configurator::TableModels {

ThermoregOptionListModel::ThermoregOptionListModel(const QList<Option>& options, const QList<int>& values,
                                                   QObject* parent)
    : BaseModel(parent)
    , m_options(options)
    , m_values(values)
{
}

int ThermoregOptionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_options.size());
}

int ThermoregOptionListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int ThermoregOptionListModel::modeByIndex(int row) const
{
    return row >= 0 && row < m_options.size() ? m_options.at(row).value : 0;
}

QVariant ThermoregOptionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant(m_options.at(index.row()).caption) : QVariant();
    const bool offered = m_values.contains(modeByIndex(index.row()));
    if (role == Qt::EditRole || role == Qt::UserRole)
        return offered;
    if (role == Qt::DisplayRole)
        return Devices::ConfigUtilities::getYesNoString(offered);
    return {};
}

bool ThermoregOptionListModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!index.isValid() || index.model() != this || index.column() != 1)
        return false;
    const int option = modeByIndex(index.row());
    if (!value.toBool())
        m_values.removeAll(option);
    else if (!m_values.contains(option))
        m_values.append(option);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ThermoregOptionListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

HelpMessage ThermoregOptionListModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return s_emptyMessage;
    return {m_options.at(index.row()).caption, QString()};
}

} // namespace Corvane::Configurator::TableModels
