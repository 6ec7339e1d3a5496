#pragma once

#include <QString>
#include <QXmlStreamReader>

namespace Corvane::Devices::Serialization {

// Bounds and checked conversions shared by the XML readers, so that a
// damaged or hostile file ends in a readable error instead of absurd values.
class XmlReadLimits
{
public:
    static const qint64 MAX_FILE_SIZE;
    static const int MAX_TEXT_CHARS;
    static const int MAX_LIST_ITEMS;
    static const int MAX_ITEMS;

    XmlReadLimits() = delete;

    // The attribute as an int, defaultValue when absent; raises an error on
    // the reader when it is not a number.
    static int intAttribute(QXmlStreamReader& xml, const QString& name, int defaultValue);
    static double doubleAttribute(QXmlStreamReader& xml, const QString& name, double defaultValue);
    static bool boolAttribute(QXmlStreamReader& xml, const QString& name, bool defaultValue);
    // Raises an error when the text is longer than MAX_TEXT_CHARS.
    static QString textAttribute(QXmlStreamReader& xml, const QString& name,
                                 const QString& defaultValue = QString());
    // The element's text as an int (for list items).
    static int intElementText(QXmlStreamReader& xml);
    // Reads the file into memory; false with error when it is missing,
    // unreadable or larger than MAX_FILE_SIZE.
    static bool readFile(const QString& path, QByteArray& data, QString* error);
    // Logs why the data of path could not be read and sets error to
    // failureText (QT_TRANSLATE_NOOP in "Devices", %1 the path, %2 the reason).
    static void reportReadFailure(const QString& path, const QString& reason, const char* failureText,
                                  QString* error);
};

} // namespace Corvane::Devices::Serialization
