#pragma once

#include "devices/DeviceAddress.h"
#include "devices/ScheduledScenarioItem.h"
#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

// A copy of one scheduled-scenario item as caption/value rows: Presence,
// then, while present, Command type, Address and Button number.
class ScenarioItemModel : public BaseModel
{
    Q_OBJECT

public:
    static constexpr int ROW_PRESENCE_INDEX = 0;
    static constexpr int ROW_CEN_TYPE_INDEX = 1;
    static constexpr int ROW_ADDRESS_INDEX = 2;
    static constexpr int ROW_BUTTON_NUMBER_INDEX = 3;
    static constexpr int COLUMN_LABEL_INDEX = 0;
    static constexpr int COLUMN_VALUE_INDEX = 1;

    explicit ScenarioItemModel(const Devices::ScheduledScenarioItem& item, QObject* parent = nullptr);

    bool presence() const { return m_presence; }
    int cenType() const { return m_cenType; }
    int pushButton() const { return m_pushButton; }
    Devices::DeviceAddress address() const { return m_address; }
    Devices::ScheduledScenarioItem createItem() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Column 1 only, whatever the role. A new command type snaps the
    // address to that type's rules (reported as a change of its row).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    void setPresence(bool presence);
    QVariant value(int row, int role) const;

    bool m_presence;
    int m_cenType;
    int m_pushButton;
    Devices::DeviceAddress m_address;
};

} // namespace Corvane::Configurator::TableModels
