#pragma once

#include <QString>

namespace Corvane::Sentrel {

class Application;
class NavigationWindow;

// Makes path the temporary project of the user settings when it is a
// regular file holding a readable project; returns whether it did.
bool setTempConfigFile(const QString& path);

// Asks once whether a changed active project should replace the project the
// user works with; false only when the user cancels (the program then ends).
bool shouldShowMainWindow();

// The end of the desktop session reaches the window's controller: the
// session manager's save request writes the pending settings, and SIGTERM
// (a logout, a shutdown) quits as "Quit application" does, the settings
// written first.
void connectSessionEnd(Application& application, NavigationWindow& window);

} // namespace Corvane::Sentrel
