#pragma once

#include "tablemodels/BaseTableModel.h"

namespace Corvane::Configurator::TableModels {

// The scenarios page: Description, Type and Parameters. The Parameters
// section (where the base map puts Address) shows and edits what the
// scenario's kind needs: the command address and number (1002), the
// address and level (1003) or the four scheduled items (9002).
class ScenariosTableModel : public BaseTableModel
{
    Q_OBJECT

public:
    using BaseTableModel::BaseTableModel;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // In Parameters: a ScheduledScenarioUpdater for a scheduled scenario,
    // else a DeviceAddress stored as it is (PUL and groups included).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    bool isParameters(const QModelIndex& index) const;
};

} // namespace Corvane::Configurator::TableModels
