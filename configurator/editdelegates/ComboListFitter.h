#pragma once

#include <QObject>

class QComboBox;

namespace Corvane::Configurator::EditDelegates {

// Makes the list of a combo as wide as its widest entry each time it shows,
// however narrow the combo's cell, so that no entry is cut. A child of the
// combo.
class ComboListFitter : public QObject
{
    Q_OBJECT

public:
    explicit ComboListFitter(QComboBox* combo);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void fit() const;

    QComboBox* m_combo;
};

} // namespace Corvane::Configurator::EditDelegates
