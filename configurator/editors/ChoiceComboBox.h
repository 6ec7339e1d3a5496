#pragma once

#include <QComboBox>

namespace Corvane::Configurator::Editors {

// A cell's drop-down of values. The keys and the wheel move through the
// entries without choosing: typed digits select the entry whose number they
// spell ("6", "60"), Up and Down step. The user chooses by picking an entry
// in the opened list (the one it opened on too); Return, Tab and leaving
// the cell commit through the item delegate. A change the program makes
// counts as chosen.
class ChoiceComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceComboBox(QWidget* parent = nullptr);

    // Whether the user picked an entry in the opened list.
    bool picked() const { return m_picked; }

Q_SIGNALS:
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Selects the entry spelled by the digits typed so far and digit, else
    // by digit alone; false when neither spells one.
    bool selectTypedNumber(QChar digit);

    bool m_navigating = false;
    bool m_picked = false;
    QString m_typed;
};

} // namespace Corvane::Configurator::Editors
