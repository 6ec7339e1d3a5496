#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

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

    // The rectangle spanning every screen of the desktop: their available
    // areas (without panels) when available is set, else their full areas.
    static QRect desktopGeometry(bool available);

    // Screen helpers, pure functions over the screens' rectangles (in
    // global coordinates, which may be negative left of or above the
    // primary screen).
    // The screen holding point, else the screen nearest to it; -1 without
    // screens.
    static int screenIndexAt(const QList<QRect>& screens, const QPoint& point);
    // Whether point lies in the available area of the screen screenIndexAt
    // gives for it.
    static bool isPointOnScreen(const QList<QRect>& screens, const QList<QRect>& availableAreas,
                                const QPoint& point);
    // point when it is on screen, else point clamped into the available area
    // of the screen screenIndexAt gives for it.
    static QPoint nearestPointOnScreen(const QList<QRect>& screens, const QList<QRect>& availableAreas,
                                       const QPoint& point);
    // The rectangles of the application's screens, full or available.
    static QList<QRect> screenGeometries(bool available);
    // Lays a text edit and every paragraph of its text out in direction,
    // aligned to the paragraph's start.
    static void changeTextEditTextDirection(QTextEdit* textEdit, Qt::LayoutDirection direction);
};

} // namespace Corvane::Utilities
