#pragma once

#include "devices/UserDeviceSettings.h"

#include <QList>
#include <QPoint>

class QObject;

namespace Corvane::Gadgets {
class FavoriteControl;
}

namespace Corvane::Sentrel {

class FavoriteWindow;

namespace Controllers {

// The open favourite windows of one page controller, in opening order: the
// look-ups by device and sub-device, the fan-out of changes to their
// controls, and how a window is placed and stored in the user settings.
// The windows are not owned: the controller releases them as they close.
class FavoriteWindows
{
public:
    QList<FavoriteWindow*> all() const { return m_windows; }
    void append(FavoriteWindow* window) { m_windows.append(window); }
    // False when the window is not in the list.
    bool remove(FavoriteWindow* window) { return m_windows.removeOne(window); }
    // Empties the list, handing its windows over.
    QList<FavoriteWindow*> takeAll();

    QList<FavoriteWindow*> of(int deviceId) const;
    // Whether a window shows that item; every sub-device id of 0 or less
    // names the whole device.
    bool has(int deviceId, int subDeviceId) const;
    // The window whose favourite control is control, or null.
    FavoriteWindow* withControl(const QObject* control) const;
    // Calls change with the favourite control of each window of the device.
    template<typename Change>
    void changeControls(int deviceId, Change change) const
    {
        for (FavoriteWindow* window : of(deviceId))
            change(controlOf(window));
    }
    // Label text and window title of the device's windows showing that
    // sub-device.
    void setName(int deviceId, int subDeviceId, const QString& name) const;
    // Every window redrawn in the theme now in use.
    void themeChanged() const;
    void setTransparency(int transparency) const;

    // The window's place (its top-left, rounded) and size as stored.
    static Devices::UserDeviceSettings::Favorite settingsOf(FavoriteWindow* window, int pageType);
    // With placeHotSpot the control's hot spot lands on point, otherwise the
    // window's top-left, kept on a screen.
    static void place(FavoriteWindow* window, const QPoint& point, bool placeHotSpot);
    // A stored scale as the window's percent: clamped to 0..100 before the
    // conversion; no number gives the default.
    static int storedScalePercent(double scale);
    // A stored place, brought near the desktop when far beyond any, so that
    // placing the window cannot overflow.
    static QPoint storedPosition(const Devices::UserDeviceSettings::Favorite& favorite);

private:
    static bool showsSubDevice(const FavoriteWindow* window, int subDeviceId);
    static Gadgets::FavoriteControl* controlOf(const FavoriteWindow* window);

    QList<FavoriteWindow*> m_windows;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
