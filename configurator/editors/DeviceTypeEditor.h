#pragma once

#include <QComboBox>
#include <QList>

namespace Corvane::Configurator::Editors {

// The device types a device may take, with their names and icons; the item
// data is the type number.
class DeviceTypeEditor : public QComboBox
{
    Q_OBJECT

public:
    DeviceTypeEditor(const QList<int>& allowedTypes, int currentType, QWidget* parent = nullptr);
};

} // namespace Corvane::Configurator::Editors
