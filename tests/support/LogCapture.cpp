#include "LogCapture.h"

using Corvane::Log::Logger;

LogCapture::LogCapture()
    : m_previousMode(Logger::mode())
{
    Logger::initialize(Logger::Verbose, QString());
    m_previous = Logger::setLineObserver([this](Logger::Severity severity, const QString& line) {
        m_lines.append(line);
        if (severity == Logger::Error)
            m_errors.append(line);
        else if (severity == Logger::Warning)
            m_warnings.append(line);
    });
}

LogCapture::~LogCapture()
{
    Logger::setLineObserver(m_previous);
    Logger::initialize(m_previousMode, QString());
}

bool LogCapture::contains(const QString& text) const
{
    for (const QString& line : m_lines) {
        if (line.contains(text))
            return true;
    }
    return false;
}

void LogCapture::clear()
{
    m_lines.clear();
    m_errors.clear();
    m_warnings.clear();
}
