#pragma once

#include <QString>

namespace Corvane::Sentrel {

// What the X11 desktop's window manager does with the program's windows.
class DesktopWindowManager
{
public:
    // The running window manager's name (_NET_SUPPORTING_WM_CHECK), empty
    // when none tells it or the desktop is not X11.
    static QString name();
    // Whether a window manager of that name shows every window it manages
    // away from where the window was put, whatever its position hints and
    // type: Weston's XWayland manager frames each window with a shadow
    // margin and places the frame. A window that must cover the desktop is
    // then left unmanaged.
    static bool movesManagedWindows(const QString& name);
};

} // namespace Corvane::Sentrel
