#include "XmlReadGuard.h"

#include "XmlReadLimits.h"

#include <QCoreApplication>

namespace Corvane::Devices::Serialization {

XmlReadGuard::XmlReadGuard(QXmlStreamReader& xml, const char* tooManyItemsText)
    : m_xml(xml)
    , m_tooManyItemsText(tooManyItemsText)
{
}

void XmlReadGuard::start(const QByteArray& data)
{
    m_xml.clear();
    m_xml.addData(data);
    m_items = 0;
    m_error.clear();
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    m_blank = (data.startsWith(byteOrderMark) ? data.mid(byteOrderMark.size()) : data).trimmed().isEmpty();
}

bool XmlReadGuard::enterRoot(const QString& rootName, const char* wrongRootText)
{
    if (!m_xml.readNextStartElement()) {
        // An empty file is reported as such, not as the parser's
        // "Premature end of document."
        const bool parserError = m_xml.hasError() && !m_blank;
        fail(parserError ? m_xml.errorString() : QCoreApplication::translate("Devices", "The file is empty."));
        return false;
    }
    if (m_xml.name() != rootName) {
        fail(QCoreApplication::translate("Devices", wrongRootText));
        return false;
    }
    return true;
}

bool XmlReadGuard::finish()
{
    while (!m_xml.hasError() && !m_xml.atEnd())
        m_xml.readNext();
    if (m_xml.hasError())
        fail(m_xml.errorString());
    return !hasFailed();
}

bool XmlReadGuard::countItem()
{
    if (++m_items > XmlReadLimits::MAX_ITEMS) {
        fail(QCoreApplication::translate("Devices", m_tooManyItemsText));
        return false;
    }
    return true;
}

void XmlReadGuard::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    if (!m_xml.hasError())
        m_xml.raiseError(message);
}

} // namespace Corvane::Devices::Serialization
