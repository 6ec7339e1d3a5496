#pragma once

#include <QComboBox>

namespace Corvane::Configurator::Editors {

// "No" (data 0) and "Yes" (data 1) with their icons; value picks the item.
class YesNoEditor : public QComboBox
{
    Q_OBJECT

public:
    explicit YesNoEditor(bool value, QWidget* parent = nullptr);
};

} // namespace Corvane::Configurator::Editors
