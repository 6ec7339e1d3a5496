#include "utilities/HandOverChoice.h"

#include "log/Logger.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>

namespace Corvane::Utilities {

using Log::Logger;

HandOverChoice::HandOverChoice(const QStringList& arguments, const QStringList& switches)
    : m_handedOver(std::max<qsizetype>(arguments.size() - 1, 0))
{
    QSet<QString> examined;
    qsizetype i = arguments.size() - 1;
    for (; i >= 1 && m_candidates.size() < MAX_READS && examined.size() < MAX_EXAMINED; --i) {
        const QString& argument = arguments.at(i);
        if (switches.contains(argument, Qt::CaseInsensitive)) {
            ++m_switches;
            continue;
        }
        const QString path = QDir::cleanPath(argument);
        if (examined.contains(path)) {
            ++m_repeats;
            continue;
        }
        examined.insert(path);
        const QString reason = refusalOf(argument);
        if (reason.isEmpty())
            m_candidates.append(argument);
        else
            m_refusals.append(argument + QStringLiteral(": ") + reason);
    }
    // Arguments 1 to i were not looked at.
    m_leftUnread = std::max<qsizetype>(i, 0);
}

QString HandOverChoice::choose(const Reader& read)
{
    QString chosen;
    qsizetype reads = 0;
    for (const QString& candidate : std::as_const(m_candidates)) {
        ++reads;
        QString error;
        if (read(candidate, &error)) {
            chosen = candidate;
            break;
        }
        m_refusals.append(candidate + QStringLiteral(": ") + (error.isEmpty() ? QStringLiteral("not readable") : error));
    }
    m_leftUnread += m_candidates.size() - reads;
    logPassedOver(chosen);
    return chosen;
}

QString HandOverChoice::refusalOf(const QString& argument)
{
    // A relative path means the later start's folder, which the running
    // instance does not know.
    if (!QDir::isAbsolutePath(argument))
        return QStringLiteral("not an absolute path");
    // Anything else (a folder, a pipe, a device) could block or never end.
    if (!QFileInfo(argument).isFile())
        return QStringLiteral("not an existing regular file");
    return QString();
}

void HandOverChoice::logPassedOver(const QString& chosen) const
{
    if (m_switches + m_repeats + m_refusals.size() + m_leftUnread == 0)
        return;
    QString refusals;
    if (!m_refusals.isEmpty()) {
        refusals = QStringLiteral(" (") + m_refusals.mid(0, MAX_REFUSALS_NAMED).join(QStringLiteral("; "));
        if (m_refusals.size() > MAX_REFUSALS_NAMED)
            refusals += QStringLiteral("; and %1 more").arg(m_refusals.size() - MAX_REFUSALS_NAMED);
        refusals += ')';
    }
    Logger(m_refusals.isEmpty() ? Logger::Trace : Logger::Warning)
        << "A later start handed over " << qint64(m_handedOver) << " arguments, chosen: "
        << (chosen.isEmpty() ? QStringLiteral("none") : chosen) << "; passed over: switches " << qint64(m_switches)
        << ", repeats " << qint64(m_repeats) << ", refused " << qint64(m_refusals.size()) << refusals
        << ", left unread " << qint64(m_leftUnread);
}

} // namespace Corvane::Utilities
