#pragma once

#include <QString>
#include <QXmlStreamReader>

namespace Corvane::Devices::Serialization {

// The error keeping and item counting the XML readers share: the first
// fault of a read is kept and raised on the reader, so every loop stops
// there, and a file holding more than XmlReadLimits::MAX_ITEMS items fails
// instead of filling the memory.
//
// Message texts are passed untranslated (QT_TRANSLATE_NOOP in the "Devices"
// context) and translated only when a read fails.
class XmlReadGuard
{
public:
    XmlReadGuard(QXmlStreamReader& xml, const char* tooManyItemsText);

    // Sets the reader to data and forgets the count and error of a previous read.
    void start(const QByteArray& data);
    // Reads up to the root element; fails when the file is empty, not XML
    // or its root is not rootName.
    bool enterRoot(const QString& rootName, const char* wrongRootText);
    // Reads past the root's end, which also catches truncated files and
    // trailing junk; true when the whole file was read without a fault.
    bool finish();
    // Counts one more item; fails when the file holds too many.
    bool countItem();
    // Keeps message unless an earlier fault was kept, and stops the reader.
    void fail(const QString& message);

    bool hasFailed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

private:
    QXmlStreamReader& m_xml;
    const char* m_tooManyItemsText;
    int m_items = 0;
    QString m_error;
    // Nothing but white space (and a byte order mark) was given.
    bool m_blank = false;
};

} // namespace Corvane::Devices::Serialization
