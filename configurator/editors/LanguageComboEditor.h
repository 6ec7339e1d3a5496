#pragma once

#include "utilities/Localization/LocaleData.h"

#include <QComboBox>

namespace Corvane::Configurator::Editors {

// The offered languages (display name, locale code as item data) with the
// one of the given code current, else the first.
class LanguageComboEditor : public QComboBox
{
    Q_OBJECT

public:
    // Over the main window's offered languages.
    explicit LanguageComboEditor(const QString& current, QWidget* parent = nullptr);
    LanguageComboEditor(const QString& current, const QList<Utilities::Localization::LocaleData>& locales,
                        QWidget* parent = nullptr);
};

} // namespace Corvane::Configurator::Editors
