#include "tablemodels/EconomicEvalTableModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/StringConsts.h"

namespace Corvane::Configurator::TableModels {

EconomicEvalTableModel::EconomicEvalTableModel(bool presence, int currency, double tariff, QObject* parent)
    : BaseModel(parent)
    , m_presence(presence)
    , m_currency(currency)
    , m_tariff(tariff)
{
}

int EconomicEvalTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

int EconomicEvalTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant EconomicEvalTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return {};
    if (index.column() == 0) {
        if (role != Qt::DisplayRole)
            return {};
        switch (index.row()) {
        case PresenceRow: return QObject::tr("Presence");
        case CurrencyRow: return QObject::tr("Currency");
        case TariffRow: return QObject::tr("Tariff");
        default: return {};
        }
    }
    if (role == Qt::DisplayRole) {
        switch (index.row()) {
        case PresenceRow: return Devices::ConfigUtilities::getYesNoString(m_presence);
        case CurrencyRow: return Devices::StringConsts::getCurrencyString(m_currency);
        case TariffRow: return QString::number(m_tariff, 'g', 6);
        default: return {};
        }
    }
    if (role == Qt::EditRole || role == Qt::UserRole) {
        switch (index.row()) {
        case PresenceRow: return m_presence;
        case CurrencyRow: return m_currency;
        case TariffRow: return m_tariff;
        default: return {};
        }
    }
    return {};
}

Qt::ItemFlags EconomicEvalTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

bool EconomicEvalTableModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!index.isValid() || index.model() != this || index.column() != 1)
        return false;
    switch (index.row()) {
    case PresenceRow:
        m_presence = value.toBool();
        break;
    case CurrencyRow:
        m_currency = value.toInt();
        break;
    case TariffRow: {
        bool ok = false;
        const double tariff = value.toDouble(&ok);
        m_tariff = ok ? tariff : 0.0;
        break;
    }
    default:
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

HelpMessage EconomicEvalTableModel::getHelpMessage(const QModelIndex& index) const
{
    switch (index.isValid() ? index.row() : -1) {
    case PresenceRow: return {tr("Presence"), tr("Set whether economic evaluation will be shown")};
    case CurrencyRow: return {tr("Currency"), tr("Set the currency")};
    case TariffRow: return {tr("Tariff"), tr("Set the tariff")};
    default: return {};
    }
}

} // namespace Corvane::Configurator::TableModels
