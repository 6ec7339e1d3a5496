#include "XcbAtom.h"

#include <QGuiApplication>

namespace Corvane::Sentrel {

xcb_connection_t* xcbConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t XcbAtom::of(xcb_connection_t* connection, const QByteArray& name, bool onlyIfExists)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, onlyIfExists, uint16_t(name.size()), name.constData()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace Corvane::Sentrel
