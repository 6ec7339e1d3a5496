#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace Corvane::Configurator::EditDelegates {

// The description limit of the program settings, for every description the
// editor writes: a longer text is cut to the limit only after the user
// agreed to it.
class DescriptionLimit
{
public:
    DescriptionLimit() = delete;

    // The text to store: text itself within the limit; beyond it, after
    // a warning that asks (parent's window), its first allowed characters,
    // or nothing when the user cancels.
    static std::optional<QString> textToStore(const QString& text, QWidget* parent);
};

} // namespace Corvane::Configurator::EditDelegates
