#include "CompositorWatch.h"

#include "XcbAtom.h"

#include <QCoreApplication>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace Corvane::Sentrel {

CompositorWatch* CompositorWatch::instance()
{
    static CompositorWatch* watch = new CompositorWatch;
    return watch;
}

CompositorWatch::CompositorWatch()
    : QObject(qApp)
{
    xcb_connection_t* connection = xcbConnection();
    if (!connection)
        return;
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return;
    // The version must be asked before the extension's requests are made.
    std::free(xcb_xfixes_query_version_reply(connection, xcb_xfixes_query_version(connection, 1, 0), nullptr));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // The compositing manager of the first screen, as WindowShape asks.
    m_selection = XcbAtom::of(connection, "_NET_WM_CM_S0");
    if (m_selection == XCB_ATOM_NONE || !screen)
        return;
    m_firstEvent = xfixes->first_event;
    xcb_xfixes_select_selection_input(connection, screen->root, m_selection,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
                                          | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

CompositorWatch::~CompositorWatch()
{
    if (m_selection)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CompositorWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (!m_selection || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != m_firstEvent + XCB_XFIXES_SELECTION_NOTIFY)
        return false;
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (notify->selection == m_selection)
        QMetaObject::invokeMethod(this, &CompositorWatch::changed, Qt::QueuedConnection);
    // Qt follows other selections (the clipboard) through the same events.
    return false;
}

} // namespace Corvane::Sentrel
