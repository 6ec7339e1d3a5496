#pragma once

#include <QString>

namespace Corvane::Configurator {

// The help shown beside a table for one cell: a caption and a text.
class HelpMessage
{
public:
    HelpMessage() = default;
    HelpMessage(const QString& caption, const QString& text);

    const QString& caption() const { return m_caption; }
    const QString& text() const { return m_text; }

    // "<b>caption</b><br>text", without the break and text when the text is
    // empty, and empty when both are. Caption and text are inserted as they
    // are, so they may carry markup of their own.
    QString toHtml() const;

private:
    QString m_caption;
    QString m_text;
};

} // namespace Corvane::Configurator
