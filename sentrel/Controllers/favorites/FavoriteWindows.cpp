#include "FavoriteWindows.h"

#include "FavoriteWindow.h"

#include "favorite/FavoriteControl.h"
#include "hosting/BaseQMLWrapper.h"
#include "utilities/InitSettings.h"
#include "utilities/WidgetUtilities.h"

#include <algorithm>
#include <cmath>

namespace Corvane::Sentrel::Controllers {

using Devices::UserDeviceSettings;

namespace {

// Rounds to the nearest integer, halves away from zero.
int roundAway(double value)
{
    return int(std::lround(value));
}

int nearDesktop(int coordinate)
{
    constexpr int limit = 1 << 20;
    return std::clamp(coordinate, -limit, limit);
}

} // namespace

QList<FavoriteWindow*> FavoriteWindows::takeAll()
{
    QList<FavoriteWindow*> windows;
    windows.swap(m_windows);
    return windows;
}

QList<FavoriteWindow*> FavoriteWindows::of(int deviceId) const
{
    QList<FavoriteWindow*> windows;
    for (FavoriteWindow* window : m_windows)
        if (window->deviceId() == deviceId)
            windows.append(window);
    return windows;
}

bool FavoriteWindows::has(int deviceId, int subDeviceId) const
{
    return std::any_of(m_windows.cbegin(), m_windows.cend(), [=](const FavoriteWindow* window) {
        return window->deviceId() == deviceId && showsSubDevice(window, subDeviceId);
    });
}

FavoriteWindow* FavoriteWindows::withControl(const QObject* control) const
{
    for (FavoriteWindow* window : m_windows)
        if (window->favoriteControl() == control)
            return window;
    return nullptr;
}

void FavoriteWindows::setName(int deviceId, int subDeviceId, const QString& name) const
{
    for (FavoriteWindow* window : of(deviceId)) {
        if (showsSubDevice(window, subDeviceId)) {
            window->favoriteControl()->setLabelText(name);
            window->setWindowTitle(name);
        }
    }
}

void FavoriteWindows::themeChanged() const
{
    for (FavoriteWindow* window : m_windows) {
        window->themeChanged();
        window->favoriteControl()->updateCachedData();
        window->favoriteControl()->update();
    }
}

void FavoriteWindows::setTransparency(int transparency) const
{
    for (FavoriteWindow* window : m_windows)
        window->setTransparency(transparency);
}

bool FavoriteWindows::showsSubDevice(const FavoriteWindow* window, int subDeviceId)
{
    const int shown = window->subDeviceId();
    return (shown <= 0 && subDeviceId <= 0) || (shown > 0 && shown == subDeviceId);
}

Gadgets::FavoriteControl* FavoriteWindows::controlOf(const FavoriteWindow* window)
{
    return window->favoriteControl();
}

UserDeviceSettings::Favorite FavoriteWindows::settingsOf(FavoriteWindow* window, int pageType)
{
    const QPointF position = window->mapSceneToGlobal(window->wrapper()->scenePos());
    return UserDeviceSettings::Favorite(window->deviceId(), window->subDeviceId(), pageType, roundAway(position.x()),
                                        roundAway(position.y()), window->scalePercent(),
                                        Corvane::Utilities::WidgetUtilities::isWidgetOnTop(window), 1.0);
}

void FavoriteWindows::place(FavoriteWindow* window, const QPoint& point, bool placeHotSpot)
{
    if (!placeHotSpot) {
        window->moveOnScreen(point);
        return;
    }
    const QPointF hotSpot = window->hotSpot();
    const double scale = window->currentScale();
    window->moveTo(QPoint(point.x() - roundAway(roundAway(hotSpot.x()) * scale),
                          point.y() - roundAway(roundAway(hotSpot.y()) * scale)));
}

int FavoriteWindows::storedScalePercent(double scale)
{
    if (std::isnan(scale))
        return int(100 * Corvane::Utilities::InitSettings::DEFAULT_FAVORITE_SCALE);
    return int(std::clamp(scale, 0.0, 100.0));
}

QPoint FavoriteWindows::storedPosition(const UserDeviceSettings::Favorite& favorite)
{
    return QPoint(nearDesktop(favorite.x), nearDesktop(favorite.y));
}

} // namespace Corvane::Sentrel::Controllers
