#pragma once

#include <QObject>

namespace Corvane::Configurator {

// Asks for the automatic update check (the utilities decide whether one is
// due) each time the main window is shown.
class ApplicationUpdateController : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

public Q_SLOTS:
    void startApplicationUpdate();

Q_SIGNALS:
    void applicationUpdateStarted();
};

} // namespace Corvane::Configurator
