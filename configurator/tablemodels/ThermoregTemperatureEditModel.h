#pragma once

#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

// The temperature range and set-point step of an air conditioner being
// edited: Min, Max and Step rows.
class ThermoregTemperatureEditModel : public BaseModel
{
    Q_OBJECT

public:
    static constexpr int ROW_TEMP_MIN_INDEX = 0;
    static constexpr int ROW_TEMP_MAX_INDEX = 1;
    static constexpr int ROW_STEP_INDEX = 2;

    ThermoregTemperatureEditModel(double minTemp, double maxTemp, double step, QObject* parent = nullptr);

    double minTemp() const { return m_minTemp; }
    double maxTemp() const { return m_maxTemp; }
    double step() const { return m_step; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Refuses a value that is not a number.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    QString caption(int row) const;

    double m_minTemp;
    double m_maxTemp;
    double m_step;
};

} // namespace Corvane::Configurator::TableModels
