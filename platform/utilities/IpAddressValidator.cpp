#include "utilities/IpAddressValidator.h"

#include "utilities/GeneralUtilities.h"

namespace Corvane::Utilities {

IpAddressValidator::IpAddressValidator(QChar blank, bool acceptEmpty, QObject* parent)
    : QValidator(parent)
    , m_blank(blank)
    , m_acceptEmpty(acceptEmpty)
{
}

QValidator::State IpAddressValidator::validate(QString& input, int& /*position*/) const
{
    QString compact = input;
    compact.remove(u' ');
    if (!m_blank.isNull())
        compact.remove(m_blank);
    if (compact.remove(u'.').isEmpty())
        return m_acceptEmpty ? Acceptable : Intermediate;

    QString typed = input;
    typed.remove(u' ');
    if (!m_blank.isNull())
        typed.remove(m_blank);
    const QStringList parts = typed.split(u'.');
    if (parts.size() > 4)
        return Invalid;
    for (const QString& part : parts) {
        if (part.size() > 3)
            return Invalid;
        for (const QChar c : part) {
            if (!c.isDigit() || c.unicode() > 127)
                return Invalid;
        }
        if (!part.isEmpty() && part.toInt() > 255)
            return Invalid;
    }
    QString candidate = typed;
    return GeneralUtilities::isIPAddressValid(candidate) ? Acceptable : Intermediate;
}

} // namespace Corvane::Utilities
