#pragma once

class QPoint;

namespace Corvane::Gadgets {
class SvgElement;
}

namespace Corvane::Sentrel {

class FavoriteWindow;

namespace Controllers {

class BaseController;

// What a page controller's favourite windows do on their own icons and
// context menu: close, ask the device's state again, stay on top or not,
// bring the main window up. The context menu opens on the window clicked,
// and its entries act on that window.
class FavoriteWindowActions
{
public:
    explicit FavoriteWindowActions(BaseController& controller);

    // Makes the context menu once, its entries connected to the controller.
    void createContextMenu();
    // Opens the context menu at pos of window, "Refresh" only for a device
    // that can be refreshed; not while the window is being moved.
    void openContextMenu(FavoriteWindow* window, const QPoint& pos);
    // The close icon closes the window, the refresh icon refreshes it.
    void elementClicked(FavoriteWindow* window, const Gadgets::SvgElement* element);
    // Asks the state of the window's device.
    void refresh(const FavoriteWindow* window);
    // The window's on-top state is turned over and saved.
    void toggleOnTop(FavoriteWindow* window);
    void showMainWindow();

private:
    BaseController& m_controller;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
