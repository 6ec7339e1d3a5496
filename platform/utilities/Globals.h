#pragma once

#include <QString>

namespace Corvane::Utilities {

// Product identity shared by the programs and libraries.
class Globals
{
public:
    Globals() = delete;

    // Display name of the skin built into the Gadgets library.
    static QString defaultSkinName();
};

} // namespace Corvane::Utilities
