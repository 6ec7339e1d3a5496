#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace Corvane::Sentrel {

// The application's connection to the X server, null when the program does
// not run on X11 (or before the application exists).
xcb_connection_t* xcbConnection();

// An X server's reply, freed as XCB asks.
template<typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

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
