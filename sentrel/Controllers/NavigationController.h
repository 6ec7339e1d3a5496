#pragma once

#include "BaseController.h"

#include "devices/DeviceNetworkAddress.h"

#include <QMap>
#include <QPair>

namespace Corvane::Sentrel::Controllers {

// The controller of the main window's home page. It owns the page
// controllers and one gateway driver per gateway of the project, builds the
// home page of page icons and hands the carousel's clicks and keys to the
// page controllers in their order.
class NavigationController : public BaseController
{
    Q_OBJECT

public:
    explicit NavigationController(NavigationWindow* window);
    ~NavigationController() override;

    bool initialize() override;
    int controlledPageId() const override;
    void handleKeyPress(const QKeyEvent* event) override;
    void handleKeyRelease(const QKeyEvent* event) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;

    QList<BaseController*> controllers() const { return m_controllers; }
    // The controller of the page shown, or null on the home page.
    BaseController* currentController() const;
    QList<Gadgets::Models::NavigationIcon> homeIcons() const { return m_icons; }
    // Home icon id to the id of the project page it opens.
    QMap<int, int> pageMap() const { return m_pageMap; }

    void loadConfiguration(const Devices::Configuration* configuration);
    void goHome();

public Q_SLOTS:
    virtual void onRefreshAll();
    void onNavigationIconClicked(const Corvane::Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                 bool generated);
    void onHomeButtonClicked();
    void onBackButtonClicked();
    void onRequestOriginalIcons();

private:
    void createControllers();
    void connectCarousel();
    void loadServers(const Devices::Configuration* configuration);
    void loadPages(const Devices::Configuration* configuration);
    void connectToServers();
    // Deletes the drivers at once, or later when deferred (a driver may be
    // the sender of the call that got here).
    void clearDrivers(bool deferred);

    QList<BaseController*> m_controllers;
    // Each gateway of the project: its id and network address.
    QList<QPair<int, Devices::DeviceNetworkAddress>> m_servers;
    QMap<int, int> m_pageMap;
};

} // namespace Corvane::Sentrel::Controllers
