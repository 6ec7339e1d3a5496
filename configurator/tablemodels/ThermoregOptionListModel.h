#pragma once

#include "tablemodels/BaseModel.h"

#include <QList>

namespace Corvane::Configurator::TableModels {

// Rows of options an air conditioner may offer (modes, fan speeds): each
// row shows whether its option's value is in the edited list, as yes or no.
class ThermoregOptionListModel : public BaseModel
{
    Q_OBJECT

public:
    struct Option
    {
        QString caption;
        int value;
    };

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // True adds the row's value once; false removes every occurrence.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    // The value of row; 0 for a row outside the model.
    int modeByIndex(int row) const;

protected:
    ThermoregOptionListModel(const QList<Option>& options, const QList<int>& values, QObject* parent);

    QList<int> values() const { return m_values; }

private:
    QList<Option> m_options;
    QList<int> m_values;
};

} // namespace Corvane::Configurator::TableModels
