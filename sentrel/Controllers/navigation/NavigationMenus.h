#pragma once

#include "models/NavigationIcon.h"

#include <QCoreApplication>

#include <memory>

class QAction;
class QMenu;
class QObject;
class QSystemTrayIcon;
class QWidget;

namespace Corvane::Sentrel {
class BaseSceneWindow;
}

namespace Corvane::Sentrel::Controllers {

class NavigationController;

// The main window's context menu and the tray icon's menu of the navigation
// controller: their entries in order, their translated texts, and which
// entries the context menu shows for the icon under the pointer. The menus
// exist whether or not the desktop has a system tray, so they can be
// examined without one.
class NavigationMenus
{
    Q_DECLARE_TR_FUNCTIONS(Corvane::Sentrel::Controllers::NavigationController)

public:
    // The context menu is a child of window; the tray menu has no parent.
    NavigationMenus(NavigationController* controller, QWidget* window);
    ~NavigationMenus();

    QMenu* contextMenu() const { return m_contextMenu; }
    QMenu* trayMenu() const { return m_trayMenu.get(); }

    QAction* onTopAction() const { return m_onTop; }
    QAction* refreshAllAction() const { return m_refreshAll; }
    QAction* refreshCurrentAction() const { return m_refreshCurrent; }
    QAction* fullScreenAction() const { return m_fullScreen; }
    QAction* hideAction() const { return m_hide; }
    QAction* quitAction() const { return m_quit; }

    QAction* trayApplicationAction() const { return m_trayApplication; }
    QAction* trayShowHideAction() const { return m_trayShowHide; }
    QAction* trayAutostartAction() const { return m_trayAutostart; }
    QAction* trayUpdateAction() const { return m_trayUpdate; }
    QAction* trayQuitAction() const { return m_trayQuit; }

    void setContextMenuTexts(bool inFullScreenMode);
    void setTrayContextMenuTexts();
    // Shows the refresh entries: "current" only for a refreshable device
    // under the pointer, "all" then also on the home page or when the page's
    // controller can refresh.
    void setRefreshVisibility(bool refreshCurrent, bool refreshAll);

    // The tray icon with the tray menu, owned by parent, for a desktop that
    // has a system tray.
    QSystemTrayIcon* createTrayIcon(QObject* parent) const;

    // The program's scene windows other than the main one: its favourites.
    static QList<BaseSceneWindow*> favoriteWindows(const QWidget* mainWindow);
    // Hides a shown main window, shows a hidden one.
    static void toggleVisible(BaseSceneWindow* mainWindow);
    // Brings the favourites, then the main window, to the top, shown.
    static void moveWindowsToTop(BaseSceneWindow* mainWindow);
    // Raises and activates the favourites, then shows, raises and activates
    // the main window.
    static void raiseWindows(BaseSceneWindow* mainWindow);

    // The carousel icon the context menu was last opened on.
    Gadgets::Models::NavigationIcon menuIcon() const { return m_menuIcon; }
    void setMenuIcon(const Gadgets::Models::NavigationIcon& icon) { m_menuIcon = icon; }

private:
    void buildContextMenu(NavigationController* controller);
    void buildTrayMenu(NavigationController* controller);

    QMenu* m_contextMenu = nullptr;
    QAction* m_onTop = nullptr;
    QAction* m_refreshAll = nullptr;
    QAction* m_refreshCurrent = nullptr;
    QAction* m_fullScreen = nullptr;
    QAction* m_hide = nullptr;
    QAction* m_quit = nullptr;

    Gadgets::Models::NavigationIcon m_menuIcon;

    std::unique_ptr<QMenu> m_trayMenu;
    QAction* m_trayApplication = nullptr;
    QAction* m_trayShowHide = nullptr;
    QAction* m_trayAutostart = nullptr;
    QAction* m_trayUpdate = nullptr;
    QAction* m_trayQuit = nullptr;
};

} // namespace Corvane::Sentrel::Controllers
