#include "editors/IpTypeEditor.h"

#include "devices/ConfigUtilities.h"

namespace Corvane::Configurator::Editors {

using Devices::ConfigUtilities;

IpTypeEditor::IpTypeEditor(int currentType, QWidget* parent)
    : QComboBox(parent)
{
    addItem(ConfigUtilities::getIpTypeString(0), 0);
    addItem(ConfigUtilities::getIpTypeString(1), 1);
    setCurrentIndex(currentType == 1 ? 1 : 0);
}

} // namespace Corvane::Configurator::Editors
