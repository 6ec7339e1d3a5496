#include "utilities/WidgetUtilities.h"

#include <QWidget>

namespace Corvane::Utilities {

void WidgetUtilities::moveToTop(QWidget* widget, bool activate, bool restore)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    if (restore) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }
    window->raise();
    if (activate)
        window->activateWindow();
}

} // namespace Corvane::Utilities
