#include "tablemodels/ThermoregSwingModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/DeviceEnums.h"

namespace Corvane::Configurator::TableModels {

using namespace Devices::DeviceEnums;

ThermoregSwingModel::ThermoregSwingModel(const QList<int>& swingSettings, bool presence, QObject* parent)
    : BaseModel(parent)
    , m_settings(swingSettings)
    , m_presence(presence)
{
}

int ThermoregSwingModel::modeByIndex(int row)
{
    return row == ROW_OFF_INDEX ? SwingOff : SwingOn;
}

int ThermoregSwingModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

int ThermoregSwingModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString ThermoregSwingModel::caption(int row) const
{
    switch (row) {
    case ROW_PRESENCE_INDEX: return tr("Presence");
    case ROW_ON_INDEX: return tr("On");
    default: return tr("Off");
    }
}

QVariant ThermoregSwingModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant(caption(index.row())) : QVariant();
    const bool value = index.row() == ROW_PRESENCE_INDEX ? m_presence
                                                         : m_settings.contains(modeByIndex(index.row()));
    if (role == Qt::EditRole || role == Qt::UserRole)
        return value;
    if (role == Qt::DisplayRole)
        return Devices::ConfigUtilities::getYesNoString(value);
    return {};
}

bool ThermoregSwingModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!index.isValid() || index.model() != this || index.column() != 1)
        return false;
    if (index.row() != ROW_PRESENCE_INDEX) {
        emit dataChanged(index, index);
        return true;
    }
    m_presence = value.toBool();
    m_settings = m_presence ? QList<int>{SwingOn, SwingOff} : QList<int>();
    emit dataChanged(this->index(ROW_PRESENCE_INDEX, 1), this->index(ROW_OFF_INDEX, 1));
    return true;
}

Qt::ItemFlags ThermoregSwingModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() != ROW_PRESENCE_INDEX)
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

HelpMessage ThermoregSwingModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return s_emptyMessage;
    return {caption(index.row()), QString()};
}

} // namespace Corvane::Configurator::TableModels
