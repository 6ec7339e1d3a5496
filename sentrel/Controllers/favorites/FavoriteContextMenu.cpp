#include "FavoriteContextMenu.h"

#include "FavoriteWindow.h"

#include "theme/ThemeProvider.h"
#include "utilities/WidgetUtilities.h"

#include <QMenu>

namespace Corvane::Sentrel::Controllers {

FavoriteContextMenu::FavoriteContextMenu(QObject* parent)
    : QObject(parent)
    , m_menu(new QMenu)
{
    m_menu->setObjectName(QStringLiteral("contextMenu"));
    m_onTop = m_menu->addAction(QString());
    m_onTop->setCheckable(true);
    m_refresh = m_menu->addAction(QString());
    m_showMainWindow = m_menu->addAction(QString());
    m_menu->addSeparator();
    m_remove = m_menu->addAction(QString());
    m_quit = m_menu->addAction(QString());
    retranslate();
}

FavoriteContextMenu::~FavoriteContextMenu()
{
    delete m_menu;
}

void FavoriteContextMenu::prepare(FavoriteWindow* window, bool canRefresh)
{
    m_window = window;
    m_deviceId = window ? window->deviceId() : -1;
    m_refresh->setVisible(canRefresh);
    m_onTop->setChecked(Corvane::Utilities::WidgetUtilities::isWidgetOnTop(window));
    if (m_styleSheetStale)
        applyStyleSheet();
}

void FavoriteContextMenu::retranslate()
{
    m_onTop->setText(tr("Always on top"));
    m_refresh->setText(tr("Refresh"));
    m_showMainWindow->setText(tr("Show main window"));
    m_remove->setText(tr("Remove favorite"));
    m_quit->setText(tr("Quit application"));
}

void FavoriteContextMenu::updateStyleSheet()
{
    m_styleSheetStale = true;
}

void FavoriteContextMenu::applyStyleSheet()
{
    m_styleSheetStale = false;
    QString styleSheet;
    if (Gadgets::ThemeProvider::fileContentsToString(QStringLiteral("mainUI.qss"), styleSheet))
        m_menu->setStyleSheet(styleSheet);
}

} // namespace Corvane::Sentrel::Controllers
