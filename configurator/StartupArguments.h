#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Configurator {

// What the command line asks of a start: the log mode and the project file
// to open.
struct StartupArguments
{
    int logMode = 1;
    QString fileToOpen;

    bool operator==(const StartupArguments&) const = default;

    // Log switches are compared in lower case, a later one winning. Any
    // other argument after the program's own path that names an existing
    // file becomes the file to open (made absolute), the last one winning.
    static StartupArguments parse(const QStringList& arguments);
};

} // namespace Corvane::Configurator
