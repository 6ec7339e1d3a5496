#pragma once

#include <QString>

#include <functional>

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator::Editors {
class BaseEditorDialog;
}

// Saves one dialog with a help text under a file name.
using DialogSaver = std::function<void(Corvane::Configurator::Editors::BaseEditorDialog& dialog,
                                       const QString& help, const QString& name)>;

// The dialogs of the thermoregulation page, over the first devices of the
// project that open each of them.
void saveThermoregulationDialogs(const Corvane::Devices::Configuration& project, const DialogSaver& save);
