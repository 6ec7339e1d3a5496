#include "XcbAtom.h"

#include <cstdlib>
#include <memory>

namespace Corvane::Sentrel {

xcb_atom_t XcbAtom::of(xcb_connection_t* connection, const QByteArray& name, bool onlyIfExists)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, onlyIfExists, uint16_t(name.size()), name.constData()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace Corvane::Sentrel
