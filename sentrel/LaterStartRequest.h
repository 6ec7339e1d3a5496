#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Sentrel {

// What a later start of the program, handed over to the running one, asks
// it to open: the last readable project among its arguments (switches
// passed over), reading three at most, so that even a huge list costs the
// running program a few reads.
class LaterStartRequest
{
public:
    // The absolute path of the project to open, empty when the arguments
    // (after the program path) name none; the project is kept read for the
    // switch to it. What was passed over is logged in one line.
    static QString projectToOpen(const QStringList& arguments);
};

} // namespace Corvane::Sentrel
