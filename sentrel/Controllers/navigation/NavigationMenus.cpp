#include "NavigationMenus.h"

#include "BaseSceneWindow.h"
#include "NavigationController.h"

#include "utilities/Globals.h"
#include "utilities/WidgetUtilities.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace Corvane::Sentrel::Controllers {

NavigationMenus::NavigationMenus(NavigationController* controller, QWidget* window)
    : m_contextMenu(new QMenu(window))
    , m_trayMenu(std::make_unique<QMenu>())
{
    buildContextMenu(controller);
    buildTrayMenu(controller);
}

NavigationMenus::~NavigationMenus() = default;

void NavigationMenus::buildContextMenu(NavigationController* controller)
{
    m_contextMenu->setObjectName(QStringLiteral("contextMenu"));
    m_onTop = m_contextMenu->addAction(QString(), controller, &NavigationController::onSetOnTop);
    m_onTop->setCheckable(true);
    m_refreshAll = m_contextMenu->addAction(QString(), controller, &NavigationController::onRefreshAll);
    m_refreshCurrent = m_contextMenu->addAction(QString(), controller, &NavigationController::onRefreshCurrent);
    m_fullScreen = m_contextMenu->addAction(QString(), controller, &NavigationController::onFullScreen);
    m_contextMenu->addSeparator();
    m_hide = m_contextMenu->addAction(QString(), controller, &NavigationController::onClose);
    m_quit = m_contextMenu->addAction(QString(), controller, &NavigationController::onQuit);
    QObject::connect(m_contextMenu, &QMenu::aboutToShow, controller, &NavigationController::stopTimers);
    QObject::connect(m_contextMenu, &QMenu::aboutToHide, controller, &NavigationController::startTimers);
    setContextMenuTexts(false);
}

void NavigationMenus::buildTrayMenu(NavigationController* controller)
{
    m_trayApplication = m_trayMenu->addAction(Utilities::Globals::sentrelAppName(), controller,
                                              &NavigationController::onTrayActivate);
    m_trayMenu->addSeparator();
    m_trayShowHide = m_trayMenu->addAction(QString(), controller, &NavigationController::onTrayShowMain);
    m_trayAutostart = m_trayMenu->addAction(QString(), controller, &NavigationController::onTrayLaunchAtStartup);
    m_trayAutostart->setCheckable(true);
    m_trayUpdate = m_trayMenu->addAction(QString(), controller, &NavigationController::onTrayCheckForUpdate);
    m_trayMenu->addSeparator();
    m_trayQuit = m_trayMenu->addAction(QString(), controller, &NavigationController::onTrayQuit);
    QObject::connect(m_trayMenu.get(), &QMenu::aboutToShow, controller, &NavigationController::onTrayAboutToShow);
    setTrayContextMenuTexts();
}

void NavigationMenus::setContextMenuTexts(bool inFullScreenMode)
{
    m_onTop->setText(tr("Always on top"));
    m_refreshAll->setText(tr("Refresh all items"));
    m_refreshCurrent->setText(tr("Refresh current item"));
    m_fullScreen->setText(inFullScreenMode ? tr("Exit full screen mode") : tr("Full screen mode"));
    m_hide->setText(tr("Hide main window"));
    m_quit->setText(tr("Quit application"));
}

void NavigationMenus::setTrayContextMenuTexts()
{
    m_trayShowHide->setText(tr("Show/Hide main window"));
    m_trayAutostart->setText(tr("Launch at startup"));
    m_trayUpdate->setText(tr("Check for update..."));
    m_trayQuit->setText(tr("Quit application"));
}

void NavigationMenus::setRefreshVisibility(bool refreshCurrent, bool refreshAll)
{
    m_refreshCurrent->setVisible(refreshCurrent);
    m_refreshAll->setVisible(refreshCurrent || refreshAll);
}

QSystemTrayIcon* NavigationMenus::createTrayIcon(QObject* parent) const
{
    auto* trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/Images/Sentrel.png")), parent);
    trayIcon->setContextMenu(m_trayMenu.get());
    trayIcon->setToolTip(Utilities::Globals::sentrelAppName());
    trayIcon->setVisible(true);
    return trayIcon;
}

QList<BaseSceneWindow*> NavigationMenus::favoriteWindows(const QWidget* mainWindow)
{
    QList<BaseSceneWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<BaseSceneWindow*>(widget);
        if (window && window != mainWindow)
            windows.append(window);
    }
    return windows;
}

void NavigationMenus::toggleVisible(BaseSceneWindow* mainWindow)
{
    if (!mainWindow)
        return;
    if (mainWindow->isVisible())
        mainWindow->hide();
    else
        mainWindow->showTo();
}

void NavigationMenus::moveWindowsToTop(BaseSceneWindow* mainWindow)
{
    for (BaseSceneWindow* favorite : favoriteWindows(mainWindow))
        Utilities::WidgetUtilities::moveToTop(favorite, false, true);
    if (mainWindow)
        Utilities::WidgetUtilities::moveToTop(mainWindow, false, true);
}

void NavigationMenus::raiseWindows(BaseSceneWindow* mainWindow)
{
    for (BaseSceneWindow* favorite : favoriteWindows(mainWindow)) {
        favorite->raise();
        favorite->activateWindow();
    }
    if (mainWindow) {
        mainWindow->showTo();
        mainWindow->raise();
        mainWindow->activateWindow();
    }
}

} // namespace Corvane::Sentrel::Controllers
