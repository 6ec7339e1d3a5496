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

void WidgetUtilities::setWindgetOnTop(QWidget* widget, bool onTop)
{
    if (!widget || isWidgetOnTop(widget) == onTop)
        return;
    const bool visible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        widget->show();
}

bool WidgetUtilities::isWidgetOnTop(const QWidget* widget)
{
    return widget && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void WidgetUtilities::removeTaskbarIconOnLinux(QWidget* widget)
{
    if (!widget)
        return;
    const bool visible = widget->isVisible();
    widget->setWindowFlags(widget->windowFlags() | Qt::Tool);
    if (visible)
        widget->show();
}

} // namespace Corvane::Utilities
