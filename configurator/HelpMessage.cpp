#include "HelpMessage.h"

namespace Corvane::Configurator {

HelpMessage::HelpMessage(const QString& caption, const QString& text)
    : m_caption(caption)
    , m_text(text)
{
}

QString HelpMessage::toHtml() const
{
    if (m_caption.isEmpty() && m_text.isEmpty())
        return {};
    QString html = QStringLiteral("<b>") + m_caption + QStringLiteral("</b>");
    if (!m_text.isEmpty())
        html += QStringLiteral("<br>") + m_text;
    return html;
}

} // namespace Corvane::Configurator
