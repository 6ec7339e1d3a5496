#pragma once

class QObject;

namespace Corvane::Devices {
class GuiProperties;
}

namespace Corvane::Sentrel {

class ClockTimer;

namespace Controllers {

// The main window's two idle timers, on the program clock: the labels hide
// after the hide-labels time-out of the user settings, and a device page
// goes back home after the home-page time-out. Time-outs are seconds (a day
// at most); 0 or less turns the timer off. While a label is being edited
// neither timer is started.
class NavigationIdleTimers
{
public:
    // The timers are children of owner, which connects their timeouts.
    explicit NavigationIdleTimers(QObject* owner);

    ClockTimer* hideLabels() const { return m_hideLabels; }
    ClockTimer* backToHome() const { return m_backToHome; }

    // Restarts the hide-labels timer and, off the home page with at least
    // two home icons to go back to, the back-to-home timer.
    void start(const Devices::GuiProperties& gui, bool onHomePage, int homeIconCount);
    void stop();
    // On the home page the labels hide again after a while; there is no
    // home to go back to.
    void restartForHomePage(const Devices::GuiProperties& gui);

    bool isLabelEditing() const { return m_labelEditing; }
    void setLabelEditing(bool editing) { m_labelEditing = editing; }

private:
    static void startFor(ClockTimer* timer, int seconds);

    ClockTimer* m_hideLabels = nullptr;
    ClockTimer* m_backToHome = nullptr;
    bool m_labelEditing = false;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
