#include "editors/LanguageComboEditor.h"

#include "MainWindow.h"

namespace Corvane::Configurator::Editors {

LanguageComboEditor::LanguageComboEditor(const QString& current, QWidget* parent)
    : LanguageComboEditor(current, MainWindow::locales(), parent)
{
}

LanguageComboEditor::LanguageComboEditor(const QString& current,
                                         const QList<Utilities::Localization::LocaleData>& locales, QWidget* parent)
    : QComboBox(parent)
{
    for (const Utilities::Localization::LocaleData& locale : locales)
        addItem(locale.displayName(), locale.locale());
    const int position = findData(current);
    if (position > 0)
        setCurrentIndex(position);
}

} // namespace Corvane::Configurator::Editors
