#pragma once

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Sentrel::Controllers {

class NavigationController;

// The navigation controller's home page: one icon for each project page
// whose controller has devices, in the controllers' order, its page map
// (home icon id to project page id), the icons shown on the carousel and
// their tooltips, which are the pages' descriptions.
class HomePageIcons
{
public:
    explicit HomePageIcons(NavigationController& controller);

    // Loads each page controller's devices and hands it the drivers, adding
    // the home icons of its pages.
    void load(const Devices::Configuration* configuration);
    // Shows the home icons on the carousel with labels that cannot be
    // renamed, without sliders, back button, selection or central content.
    void show();
    // The tooltips again from the pages' descriptions; the carousel follows
    // on the home page.
    void retranslateTooltips();

private:
    NavigationController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers
