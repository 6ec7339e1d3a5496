#pragma once

namespace Corvane::Sentrel::Controllers {

class NavigationController;

// Connects the navigation controller to what it listens to: the gateway
// discovery, the page controllers' requests to save the settings or quit,
// the user settings dialog, and the carousel's, its container's and its
// labels' input.
class NavigationWiring
{
public:
    static void connect(NavigationController& controller);

private:
    static void connectControllers(NavigationController& controller);
    static void connectUserConfiguration(NavigationController& controller);
    static void connectCarousel(NavigationController& controller);
    static void connectContainer(NavigationController& controller);
    static void connectLabels(NavigationController& controller);
};

} // namespace Corvane::Sentrel::Controllers
