#pragma once

#include <QString>

namespace Corvane::Devices {

// Texts as an XML file can hold them.
class XmlText
{
public:
    XmlText() = delete;

    // text without the characters XML 1.0 does not allow (control
    // characters other than tab and line breaks, lone surrogates,
    // U+FFFE and U+FFFF), which a writer would otherwise drop with the rest
    // of the value.
    static QString sanitized(const QString& text);
};

} // namespace Corvane::Devices
