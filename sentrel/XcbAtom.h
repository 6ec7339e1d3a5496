#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

namespace Corvane::Sentrel {

// The X server's atom of a name, for the few X calls the scene windows make.
class XcbAtom
{
public:
    XcbAtom() = delete;

    // XCB_ATOM_NONE when the server does not answer or, with onlyIfExists,
    // when no client has made the atom yet.
    static xcb_atom_t of(xcb_connection_t* connection, const QByteArray& name, bool onlyIfExists = false);
};

} // namespace Corvane::Sentrel
