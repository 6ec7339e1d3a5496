#pragma once

#include <QString>

class QWidget;

namespace Corvane::Configurator::EditDelegates {

// The description length limit of the program settings, applied where a
// description is typed: a longer text is cut only when the user agrees.
class DescriptionLimit
{
public:
    DescriptionLimit() = delete;

    // The text to store: text itself when within the limit, else its first
    // characters when the user accepts the cut (asked over parent), or a
    // null string when the user declines.
    static QString confirmed(QWidget* parent, const QString& text);
};

} // namespace Corvane::Configurator::EditDelegates
