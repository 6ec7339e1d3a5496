#include "tablemodels/ScenarioItemModel.h"

#include "devices/ConfigUtilities.h"
#include "devices/addressverification/AddressVerifier.h"

namespace Corvane::Configurator::TableModels {

using Devices::DeviceAddress;
using Devices::ScheduledScenarioItem;

namespace {

constexpr int ROWS_WHEN_PRESENT = 4;

int addressTypeOf(int cenType)
{
    return cenType == ScheduledScenarioItem::Cen ? ScheduledScenarioItem::CEN_ADDRESS_TYPE
                                                 : ScheduledScenarioItem::CEN_PLUS_ADDRESS_TYPE;
}

} // namespace

ScenarioItemModel::ScenarioItemModel(const ScheduledScenarioItem& item, QObject* parent)
    : BaseModel(parent)
    , m_presence(item.presence())
    , m_cenType(item.cenType())
    , m_pushButton(item.pushButton())
    , m_address(item.address())
{
}

ScheduledScenarioItem ScenarioItemModel::createItem() const
{
    return ScheduledScenarioItem(m_presence, ScheduledScenarioItem::CenType(m_cenType), m_pushButton, m_address);
}

int ScenarioItemModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_presence ? ROWS_WHEN_PRESENT : 1;
}

int ScenarioItemModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ScenarioItemModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (index.column() == COLUMN_LABEL_INDEX) {
        if (role != Qt::DisplayRole)
            return {};
        switch (index.row()) {
        case ROW_PRESENCE_INDEX:
            return tr("Presence");
        case ROW_CEN_TYPE_INDEX:
            return tr("Command type");
        case ROW_ADDRESS_INDEX:
            return tr("Address");
        default:
            return tr("Button number");
        }
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole)
        return {};
    return value(index.row(), role);
}

QVariant ScenarioItemModel::value(int row, int role) const
{
    const bool display = role == Qt::DisplayRole;
    switch (row) {
    case ROW_PRESENCE_INDEX:
        if (display)
            return m_presence ? tr("Yes") : tr("No");
        return m_presence;
    case ROW_CEN_TYPE_INDEX:
        if (display)
            return m_cenType != ScheduledScenarioItem::Cen ? tr("CEN PLUS") : tr("CEN");
        return m_cenType;
    case ROW_ADDRESS_INDEX:
        if (!display)
            return QVariant::fromValue(m_address);
        if (m_cenType != ScheduledScenarioItem::Cen)
            return QString::number(m_address.area());
        if (m_address.isDefaultOrEmpty())
            return tr("Not set");
        // The CEN rule, so that PL, level and interface show.
        return Devices::ConfigUtilities::addressStringForType(m_address, ScheduledScenarioItem::CEN_ADDRESS_TYPE);
    default:
        return m_pushButton;
    }
}

bool ScenarioItemModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != COLUMN_VALUE_INDEX)
        return false;
    switch (index.row()) {
    case ROW_PRESENCE_INDEX:
        setPresence(value.toBool());
        break;
    case ROW_CEN_TYPE_INDEX: {
        m_cenType = value.toInt();
        m_address = Devices::AddressVerification::AddressVerifier::validate(m_address, addressTypeOf(m_cenType));
        emit dataChanged(index, index);
        // The address is snapped to the new type's rules and shown in that
        // type's form.
        const QModelIndex address = this->index(ROW_ADDRESS_INDEX, COLUMN_VALUE_INDEX);
        emit dataChanged(address, address);
        return true;
    }
    case ROW_ADDRESS_INDEX:
        m_address = value.canConvert<DeviceAddress>() ? value.value<DeviceAddress>() : DeviceAddress();
        break;
    default:
        m_pushButton = value.toInt();
        break;
    }
    emit dataChanged(index, index);
    return true;
}

void ScenarioItemModel::setPresence(bool presence)
{
    if (presence == m_presence)
        return;
    if (presence) {
        beginInsertRows(QModelIndex(), 1, ROWS_WHEN_PRESENT - 1);
        m_presence = true;
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), 1, ROWS_WHEN_PRESENT - 1);
        m_presence = false;
        endRemoveRows();
    }
}

Qt::ItemFlags ScenarioItemModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == COLUMN_VALUE_INDEX)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

HelpMessage ScenarioItemModel::getHelpMessage(const QModelIndex& index) const
{
    if (!index.isValid())
        return BaseMessageProvider::getHelpMessage(index);
    switch (index.row()) {
    case ROW_PRESENCE_INDEX:
        return {tr("Presence"), tr("Set whether scenario is available")};
    case ROW_CEN_TYPE_INDEX:
        return {tr("Command type"), tr("Set the command type")};
    case ROW_ADDRESS_INDEX:
        return {tr("Address"), tr("Set the KWB Address")};
    case ROW_BUTTON_NUMBER_INDEX:
        return {tr("Button number"), QString()};
    default:
        return BaseMessageProvider::getHelpMessage(index);
    }
}

} // namespace Corvane::Configurator::TableModels
