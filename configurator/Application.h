#pragma once

#include "utilities/SingleInstanceApplication.h"

namespace Corvane::Configurator {

// The editor's application: one instance per user session; files handed to
// it by the desktop (file-open events) are reported by fileNameArgument().
class Application : public Utilities::SingleInstanceApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv, const QString& key);

    // The file of the last file-open event, empty when none came.
    QString fileName() const { return m_fileName; }

    bool event(QEvent* event) override;

Q_SIGNALS:
    void fileNameArgument(const QString& fileName);

private:
    QString m_fileName;
};

} // namespace Corvane::Configurator
