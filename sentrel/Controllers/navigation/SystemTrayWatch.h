#pragma once

#include <QObject>

#include <functional>

namespace Corvane::Sentrel {

class ClockTimer;

namespace Controllers {

// Tells once that the desktop has a system tray: at once when it has one,
// else as soon as one appears (a tray started after the program, the usual
// order with "Launch at startup"), looking every CHECK_INTERVAL_MS on the
// program clock.
class SystemTrayWatch : public QObject
{
    Q_OBJECT

public:
    using Availability = std::function<bool()>;

    static constexpr int CHECK_INTERVAL_MS = 5000;

    // An empty availability asks QSystemTrayIcon.
    explicit SystemTrayWatch(Availability availability, QObject* parent = nullptr);

    // Looks now and, without a tray, keeps looking until one appears.
    void start();

Q_SIGNALS:
    void trayAvailable();

private:
    void check();

    Availability m_availability;
    ClockTimer* m_timer = nullptr;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
