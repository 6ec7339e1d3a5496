#pragma once

#include <Qt>

class QTextEdit;
class QWidget;

namespace Corvane::Utilities {

// Helpers for top-level windows.
class WidgetUtilities
{
public:
    WidgetUtilities() = delete;

    // Raises widget's window above the others. With activate the window also
    // takes the keyboard focus; with restore a minimised or hidden window is
    // shown again first.
    static void moveToTop(QWidget* widget, bool activate, bool restore);
    // Keeps a top-level widget above other windows, or stops doing so; a
    // visible widget is shown again with the new hint.
    static void setWindgetOnTop(QWidget* widget, bool onTop);
    static bool isWidgetOnTop(const QWidget* widget);
    // Keeps a frameless top-level widget out of the desktop's task bar by
    // making it a tool window.
    static void removeTaskbarIconOnLinux(QWidget* widget);

    // Lays a text edit and every paragraph of its text out in direction,
    // aligned to the paragraph's start.
    static void changeTextEditTextDirection(QTextEdit* textEdit, Qt::LayoutDirection direction);
};

} // namespace Corvane::Utilities
