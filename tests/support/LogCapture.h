#pragma once

#include "log/Logger.h"

#include <QStringList>

// Collects the log lines written while it lives, with every severity shown.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QStringList lines() const { return m_lines; }
    QStringList errors() const { return m_errors; }
    QStringList warnings() const { return m_warnings; }
    bool contains(const QString& text) const;
    void clear();

private:
    QStringList m_lines;
    QStringList m_errors;
    QStringList m_warnings;
    Corvane::Log::Logger::LineObserver m_previous;
    int m_previousMode;
};
