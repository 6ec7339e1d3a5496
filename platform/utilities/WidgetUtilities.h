#pragma once

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
};

} // namespace Corvane::Utilities
