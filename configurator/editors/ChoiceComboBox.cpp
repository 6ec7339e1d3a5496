#include "editors/ChoiceComboBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

namespace Corvane::Configurator::Editors {

ChoiceComboBox::ChoiceComboBox(QWidget* parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_navigating)
            emit chosen();
    });
    // A pick in the list activates even the entry already shown.
    connect(this, &QComboBox::activated, this, [this] {
        if (m_navigating)
            return;
        m_picked = true;
        emit chosen();
    });
}

void ChoiceComboBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isDigit() && selectTypedNumber(text.at(0)))
        return;
    m_typed.clear();
    const QScopedValueRollback<bool> navigating(m_navigating, true);
    QComboBox::keyPressEvent(event);
}

void ChoiceComboBox::wheelEvent(QWheelEvent* event)
{
    m_typed.clear();
    const QScopedValueRollback<bool> navigating(m_navigating, true);
    QComboBox::wheelEvent(event);
}

bool ChoiceComboBox::selectTypedNumber(QChar digit)
{
    for (const QString& typed : {m_typed + digit, QString(digit)}) {
        int entry = findText(typed, Qt::MatchExactly);
        if (entry < 0)
            entry = findText(typed, Qt::MatchStartsWith);
        if (entry >= 0) {
            m_typed = typed;
            const QScopedValueRollback<bool> navigating(m_navigating, true);
            setCurrentIndex(entry);
            return true;
        }
    }
    return false;
}

} // namespace Corvane::Configurator::Editors
