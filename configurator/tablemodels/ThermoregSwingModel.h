#pragma once

#include "tablemodels/BaseModel.h"

#include <QList>

namespace Corvane::Configurator::TableModels {

// The swing of an air conditioner being edited: whether it has one
// (Presence, editable) and the On and Off settings that follow from it
// (shown only).
class ThermoregSwingModel : public BaseModel
{
    Q_OBJECT

public:
    static constexpr int ROW_PRESENCE_INDEX = 0;
    static constexpr int ROW_ON_INDEX = 1;
    static constexpr int ROW_OFF_INDEX = 2;

    ThermoregSwingModel(const QList<int>& swingSettings, bool presence, QObject* parent = nullptr);

    bool presence() const { return m_presence; }
    QList<int> swingSettings() const { return m_settings; }
    // The setting of row 1 or 2; 1 (On) for any other row.
    static int modeByIndex(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    QString caption(int row) const;

    QList<int> m_settings;
    bool m_presence;
};

} // namespace Corvane::Configurator::TableModels
