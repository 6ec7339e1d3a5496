#pragma once

#include <QString>

class QDomDocument;

namespace Corvane::Utilities {

// Reading of XML files into DOM documents.
class XmlReader
{
public:
    XmlReader() = delete;

    // Parses the file at path into document; false (document untouched)
    // when the file cannot be read or is not well-formed XML.
    static bool loadDocument(const QString& path, QDomDocument& document);
};

} // namespace Corvane::Utilities
