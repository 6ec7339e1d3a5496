#pragma once

#include "devices/BaseDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "editors/BasePropertyEditorControl.h"

class QModelIndex;

namespace Corvane::Configurator {
namespace TableModels {
class SoundSourceDeviceModel;
}
}

namespace Corvane::Configurator::Editors {

// The pane of one sound source in the sound-source dialog, editing a copy
// of its address, description and type. A click on its title or a cell,
// or a move of its current cell, reports selected().
class SoundSourceDeviceEditor : public BasePropertyEditorControl
{
    Q_OBJECT

public:
    SoundSourceDeviceEditor(const Devices::DeviceAddress& address, const QString& description,
                            Devices::BaseDeviceProperties::DeviceType type, int originalDeviceId, int addressType,
                            const QString& title, QWidget* parent = nullptr);

    int originalDeviceId() const;
    Devices::BaseDeviceProperties::DeviceType deviceType() const;
    QString description() const;
    Devices::DeviceAddress address() const;
    TableModels::SoundSourceDeviceModel* model() const { return m_model; }

Q_SIGNALS:
    void selected();

public Q_SLOTS:
    void currentIndexChanged(const QModelIndex& current, const QModelIndex& previous);

protected Q_SLOTS:
    void onShowButtonClicked() override;

private:
    TableModels::SoundSourceDeviceModel* m_model;
};

} // namespace Corvane::Configurator::Editors
