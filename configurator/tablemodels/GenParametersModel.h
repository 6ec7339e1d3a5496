#pragma once

#include "tablemodels/BaseTreeModel.h"

namespace Corvane::Devices {
class GuiProperties;
}

namespace Corvane::Configurator::TableModels {

// The general parameters of a project: the language and the temperature
// unit the control program runs with, written at once into the project.
class GenParametersModel : public BaseTreeModel
{
    Q_OBJECT

public:
    static constexpr int COLUMN_LABEL_INDEX = 0;
    static constexpr int COLUMN_VALUE_INDEX = 1;
    enum FieldType { NoField = 0, LanguageField = 1, TemperatureField = 2 };

    explicit GenParametersModel(Devices::GuiProperties& properties, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

    FieldType getFieldType(const QModelIndex& index) const;

private:
    void setupModelData();
    QString languageName() const;

    Devices::GuiProperties& m_properties;
    DeviceTreeItem* m_language = nullptr;
    DeviceTreeItem* m_temperature = nullptr;
};

} // namespace Corvane::Configurator::TableModels
