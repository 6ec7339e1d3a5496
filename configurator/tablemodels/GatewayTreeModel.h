#pragma once

#include "tablemodels/BaseTreeModel.h"

#include <array>

namespace Corvane::Devices {
class WebServerDeviceProperties;
}

namespace Corvane::Configurator::TableModels {

// The settings of one gateway as a caption/value list, edited in place:
// description, address type, IP address or univocal code (the address type
// decides which of the two is listed), PravikNet password and viewer flag.
class GatewayTreeModel : public BaseTreeModel
{
    Q_OBJECT

public:
    enum FieldType {
        NoField = 0,
        Description = 1,
        AddressType = 2,
        IpAddress = 3,
        UnivocalCode = 4,
        Password = 5,
        Viewer = 6,
    };

    static constexpr int COLUMN_VALUE_INDEX = 1;

    explicit GatewayTreeModel(Devices::WebServerDeviceProperties* webServer, QObject* parent = nullptr);
    ~GatewayTreeModel() override;

    int serverId() const;
    FieldType getFieldType(const QModelIndex& index) const;
    // The row of a listed field, -1 when it is not listed.
    int rowOf(FieldType field) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

Q_SIGNALS:
    void serverDescChanged();

private Q_SLOTS:
    void onDataChanged();

private:
    void setupModelData();
    // Lists the address row that the address type asks for, with row
    // signals, so that views and persistent indexes follow.
    void showHideItems();
    void showItem(FieldType field);
    void hideItem(FieldType field);
    DeviceTreeItem* item(FieldType field) const { return m_items.at(field - 1); }
    QVariant value(FieldType field, int role) const;
    static QString caption(FieldType field);

    Devices::WebServerDeviceProperties* m_webServer;
    std::array<DeviceTreeItem*, 6> m_items{};
};

} // namespace Corvane::Configurator::TableModels
