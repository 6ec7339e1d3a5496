#pragma once

#include <QString>

namespace Corvane::Sentrel {

// Makes path the temporary project of the user settings when it is a
// regular file holding a readable project; returns whether it did.
bool setTempConfigFile(const QString& path);

// Asks once whether a changed active project should replace the project the
// user works with; false only when the user cancels (the program then ends).
bool shouldShowMainWindow();

} // namespace Corvane::Sentrel
