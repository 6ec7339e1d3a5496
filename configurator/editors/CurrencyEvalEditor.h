#pragma once

#include <QComboBox>

namespace Corvane::Configurator::Editors {

// The currencies of the economic evaluation, in declaration order.
class CurrencyEvalEditor : public QComboBox
{
    Q_OBJECT

public:
    explicit CurrencyEvalEditor(int current, QWidget* parent = nullptr);
};

} // namespace Corvane::Configurator::Editors
