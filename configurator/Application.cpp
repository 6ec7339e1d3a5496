#include "Application.h"

#include <QFileOpenEvent>

namespace Corvane::Configurator {

Application::Application(int& argc, char** argv, const QString& key)
    : SingleInstanceApplication(argc, argv, key)
{
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        m_fileName = static_cast<QFileOpenEvent*>(event)->file();
        emit fileNameArgument(m_fileName);
        return true;
    }
    return SingleInstanceApplication::event(event);
}

} // namespace Corvane::Configurator
