#include "tablemodels/GenParametersModel.h"

#include "DeviceTreeItem.h"
#include "MainWindow.h"
#include "devices/ConfigUtilities.h"
#include "devices/GuiProperties.h"
#include "log/Logger.h"

namespace Corvane::Configurator::TableModels {

GenParametersModel::GenParametersModel(Devices::GuiProperties& properties, QObject* parent)
    : BaseTreeModel(parent)
    , m_properties(properties)
{
    setupModelData();
}

void GenParametersModel::setupModelData()
{
    rootNode()->setData(QList<QVariant>{QStringLiteral("Root node"), -1});
    m_language = new DeviceTreeItem({tr("Language")}, rootNode());
    m_temperature = new DeviceTreeItem({tr("Temperature")}, rootNode());
    rootNode()->appendChild(m_language);
    rootNode()->appendChild(m_temperature);
}

GenParametersModel::FieldType GenParametersModel::getFieldType(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return NoField;
    const DeviceTreeItem* row = itemAt(index);
    if (row == m_language)
        return LanguageField;
    if (row == m_temperature)
        return TemperatureField;
    return NoField;
}

QString GenParametersModel::languageName() const
{
    for (const Utilities::Localization::LocaleData& locale : MainWindow::locales()) {
        if (locale.locale() == m_properties.language())
            return locale.displayName();
    }
    return {};
}

QVariant GenParametersModel::data(const QModelIndex& index, int role) const
{
    const FieldType field = getFieldType(index);
    if (field == NoField)
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::UserRole)
        return {};
    if (index.column() == COLUMN_LABEL_INDEX)
        return itemAt(index)->data(COLUMN_LABEL_INDEX);
    if (role == Qt::DisplayRole)
        return field == LanguageField ? languageName()
                                      : Devices::ConfigUtilities::getTemperatureString(m_properties.temperatureUnit());
    return field == LanguageField ? QVariant(m_properties.language()) : QVariant(m_properties.temperatureUnit());
}

bool GenParametersModel::setData(const QModelIndex& index, const QVariant& value, int)
{
    const FieldType field = getFieldType(index);
    if (field == NoField)
        return false;
    if (field == LanguageField) {
        m_properties.setLanguage(value.toString());
        Log::Logger(Log::Logger::Trace) << "Language changed of the project";
    } else {
        m_properties.setTemperatureUnit(value.toInt());
        Log::Logger(Log::Logger::Trace) << "Temperature unit changed of the project";
    }
    emit dataChanged(index, index);
    return true;
}

HelpMessage GenParametersModel::getHelpMessage(const QModelIndex& index) const
{
    switch (getFieldType(index)) {
    case LanguageField: return {tr("Language"), tr("Set the language of the application")};
    case TemperatureField: return {tr("Temperature"), tr("Set the temperature unit that will be displayed")};
    default: return BaseTreeModel::getHelpMessage(index);
    }
}

} // namespace Corvane::Configurator::TableModels
