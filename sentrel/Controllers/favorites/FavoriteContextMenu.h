#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace Corvane::Sentrel {

class FavoriteWindow;

namespace Controllers {

// The context menu of a page controller's favourite windows: "Always on
// top", "Refresh", "Show main window", "Remove favorite" and "Quit
// application". It remembers the window it was last opened on, so that its
// entries act on that window even when the device has several favourites.
class FavoriteContextMenu : public QObject
{
    Q_OBJECT

public:
    explicit FavoriteContextMenu(QObject* parent = nullptr);
    ~FavoriteContextMenu() override;

    QMenu* menu() const { return m_menu; }
    QAction* onTopAction() const { return m_onTop; }
    QAction* refreshAction() const { return m_refresh; }
    QAction* showMainWindowAction() const { return m_showMainWindow; }
    QAction* removeAction() const { return m_remove; }
    QAction* quitAction() const { return m_quit; }

    // Remembers window and sets the entries for it: "Refresh" shown only
    // when canRefresh, "Always on top" checked as the window is. Call it
    // before the menu opens.
    void prepare(FavoriteWindow* window, bool canRefresh);
    // The window the menu was last opened on; null once it is gone.
    FavoriteWindow* window() const { return m_window; }
    // That window's device id; -1 before the menu was first opened.
    int deviceId() const { return m_deviceId; }

    void retranslate();
    // Takes the theme's "mainUI.qss" as style sheet when the theme has one,
    // on the next opening: most menus are never opened.
    void updateStyleSheet();

private:
    void applyStyleSheet();

    QMenu* m_menu = nullptr;
    QAction* m_onTop = nullptr;
    QAction* m_refresh = nullptr;
    QAction* m_showMainWindow = nullptr;
    QAction* m_remove = nullptr;
    QAction* m_quit = nullptr;
    QPointer<FavoriteWindow> m_window;
    int m_deviceId = -1;
    bool m_styleSheetStale = false;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
