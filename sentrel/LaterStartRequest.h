#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Sentrel {

// What a later start of the program, handed over to the running one, asks
// it to open. Only the last acceptable project among the arguments counts:
// a start naming projects many times over switches once. The arguments are
// looked at from the last one back, each distinct text once, and only up to
// the project found, so that even a huge list costs the running program
// next to nothing.
class LaterStartRequest
{
public:
    // The absolute path of the project to open, empty when the arguments
    // (after the program path) name none; switches are passed over, every
    // other argument looked at and refused is logged with its reason.
    static QString projectToOpen(const QStringList& arguments);

private:
    // Why argument cannot be opened as a project, empty when it can.
    static QString refusalOf(const QString& argument);
};

} // namespace Corvane::Sentrel
