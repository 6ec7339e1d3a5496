#include "tablemodels/ThermoregTemperatureEditModel.h"

namespace Corvane::Configurator::TableModels {

namespace {

const QChar DEGREE_SIGN(0x00B0);

} // namespace

ThermoregTemperatureEditModel::ThermoregTemperatureEditModel(double minTemp, double maxTemp, double step,
                                                             QObject* parent)
    : BaseModel(parent)
    , m_minTemp(minTemp)
    , m_maxTemp(maxTemp)
    , m_step(step)
{
}

int ThermoregTemperatureEditModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

int ThermoregTemperatureEditModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QString ThermoregTemperatureEditModel::caption(int row) const
{
    switch (row) {
    case ROW_TEMP_MIN_INDEX: return tr("Min (%1C)").arg(DEGREE_SIGN);
    case ROW_TEMP_MAX_INDEX: return tr("Max (%1C)").arg(DEGREE_SIGN);
    default: return tr("Step");
    }
}

QVariant ThermoregTemperatureEditModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (index.column() == 0)
        return role == Qt::DisplayRole ? QVariant(caption(index.row())) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole)
        return {};
    switch (index.row()) {
    case ROW_TEMP_MIN_INDEX: return m_minTemp;
    case ROW_TEMP_MAX_INDEX: return m_maxTemp;
    default: return m_step;
    }
}

bool ThermoregTemperatureEditModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!index.isValid() || index.model() != this || index.column() != 1)
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return false;
    switch (index.row()) {
    case ROW_TEMP_MIN_INDEX: m_minTemp = number; break;
    case ROW_TEMP_MAX_INDEX: m_maxTemp = number; break;
    default: m_step = number; break;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ThermoregTemperatureEditModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

HelpMessage ThermoregTemperatureEditModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return s_emptyMessage;
    switch (index.row()) {
    case ROW_TEMP_MIN_INDEX: return {caption(index.row()), tr("Set the minimum allowed temperature")};
    case ROW_TEMP_MAX_INDEX: return {caption(index.row()), tr("Set the maximum allowed temperature")};
    default: return {caption(index.row()), tr("Set temperature change step")};
    }
}

} // namespace Corvane::Configurator::TableModels
