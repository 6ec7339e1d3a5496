#pragma once

#include "tablemodels/BaseModel.h"

namespace Corvane::Configurator::TableModels {

// The economic evaluation of a meter or load being edited: Presence,
// Currency and Tariff rows over the model's own copy of the values.
class EconomicEvalTableModel : public BaseModel
{
    Q_OBJECT

public:
    enum Row { PresenceRow = 0, CurrencyRow = 1, TariffRow = 2 };

    EconomicEvalTableModel(bool presence, int currency, double tariff, QObject* parent = nullptr);

    bool presence() const { return m_presence; }
    int currency() const { return m_currency; }
    double tariff() const { return m_tariff; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    bool m_presence;
    int m_currency;
    double m_tariff;
};

} // namespace Corvane::Configurator::TableModels
