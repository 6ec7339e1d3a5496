#include "editors/YesNoEditor.h"

#include "devices/ConfigUtilities.h"

#include <QIcon>

namespace Corvane::Configurator::Editors {

using Devices::ConfigUtilities;

YesNoEditor::YesNoEditor(bool value, QWidget* parent)
    : QComboBox(parent)
{
    addItem(QIcon(ConfigUtilities::getBoolIconPath(0)), ConfigUtilities::getFalseString(), 0);
    addItem(QIcon(ConfigUtilities::getBoolIconPath(1)), ConfigUtilities::getTrueString(), 1);
    setCurrentIndex(value ? 1 : 0);
}

} // namespace Corvane::Configurator::Editors
