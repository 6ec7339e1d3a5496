#pragma once

#include "tablemodels/BaseTreeModel.h"

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator::TableModels {

// The sound system of one gateway as two caption/value rows: its Type
// (edited here) and its Sources (a count; edited in the sound-source
// dialog). It reads the project through the administration view's own
// project pointer, so it always works on the project open now.
class SoundSystemModel : public BaseTreeModel
{
    Q_OBJECT

public:
    enum FieldType { NoField = 0, TypeField = 1, SourcesField = 2 };

    static constexpr int COLUMN_LABEL_INDEX = 0;
    static constexpr int COLUMN_VALUE_INDEX = 1;

    explicit SoundSystemModel(Devices::Configuration** project, QObject* parent = nullptr);

    Devices::Configuration* config() const { return m_project ? *m_project : nullptr; }
    void setCurrentServerId(int serverId);
    int currentServerId() const { return m_serverId; }

    int getFieldType(const QModelIndex& index) const;
    // The sources shown: at most the gateway's maximum.
    int getSoundSourcesCount() const;
    void retranslate();

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    HelpMessage getHelpMessage(const QModelIndex& index) const override;

private:
    QVariant value(int field, int role) const;

    Devices::Configuration** m_project;
    int m_serverId;
    DeviceTreeItem* m_typeItem;
    DeviceTreeItem* m_sourcesItem;
};

} // namespace Corvane::Configurator::TableModels
