#pragma once

#include "widgets/ComboBox.h"

namespace Corvane::Gadgets {

// A "Yes" / "No" choice.
class BoolComboBox : public ComboBox
{
    Q_OBJECT

public:
    explicit BoolComboBox(QWidget* parent = nullptr);

    bool value() const;
    void retranslateUi();

public slots:
    // Selects the value and emits valueChanged() when it differs.
    void setValue(bool value);

signals:
    void valueChanged(bool value);
};

} // namespace Corvane::Gadgets
