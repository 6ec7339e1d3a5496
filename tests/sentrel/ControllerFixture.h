#pragma once

#include "RecordingOpenDriver.h"
#include "SentrelFixture.h"
#include "simulation/ManualClock.h"

#include "devices/Configuration.h"
#include "devices/WebServerDeviceProperties.h"
#include "models/NavigationIcon.h"

#include <memory>

// A page controller without a window, on an empty project with one gateway
// whose driver records the requests, on a manual clock. The test class
// derives from it, calls setUpController() from init() and
// tearDownController() from cleanup(), and adds devices with addToGateway().
template <typename Controller>
class ControllerFixture
{
protected:
    void setUpController()
    {
        m_settings = std::make_unique<SentrelFixture>();
        m_clock = std::make_unique<Corvane::Sentrel::ManualClock>();
        Corvane::Sentrel::Clock::setProgramClock(m_clock.get());
        m_project.reset(Corvane::Devices::Configuration::empty());
        m_gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
        m_controller = std::make_unique<Controller>(nullptr);
        m_driver.clearSent();
        m_driver.setMonitorConnected(true);
    }
    void tearDownController()
    {
        m_controller.reset();
        Corvane::Sentrel::Clock::setProgramClock(nullptr);
        m_clock.reset();
        m_project.reset();
        m_settings.reset();
    }

    // Adds the device to the gateway and loads the project, with the
    // recording driver, into the controller again. Returns the device's id.
    int addToGateway(Corvane::Devices::BaseDeviceProperties* properties)
    {
        const int id = m_project->addDevice(m_gateway, properties);
        m_controller->loadDevices(m_project.get());
        m_controller->setDrivers({{m_gateway, &m_driver}});
        return id;
    }
    Corvane::Gadgets::Models::NavigationIcon icon(int id) const
    {
        return m_controller->getIconByIndex(m_controller->indexOfIcon(id));
    }

    std::unique_ptr<SentrelFixture> m_settings;
    std::unique_ptr<Corvane::Sentrel::ManualClock> m_clock;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<Controller> m_controller;
    RecordingOpenDriver m_driver;
    int m_gateway = 0;
};
