#include "editors/DeviceTypeEditor.h"

#include "devices/ConfigUtilities.h"
#include "devices/StringConsts.h"

#include <QIcon>

namespace Corvane::Configurator::Editors {

using Devices::ConfigUtilities;

DeviceTypeEditor::DeviceTypeEditor(const QList<int>& allowedTypes, int currentType, QWidget* parent)
    : QComboBox(parent)
{
    for (int type : allowedTypes) {
        const QIcon icon = ConfigUtilities::hasIconForDevice(type) ? QIcon(ConfigUtilities::getDeviceIconPath(type)) : QIcon();
        addItem(icon, Devices::StringConsts::getDeviceTypeString(type), type);
    }
    const int current = findData(currentType);
    if (current >= 0)
        setCurrentIndex(current);
}

} // namespace Corvane::Configurator::Editors
