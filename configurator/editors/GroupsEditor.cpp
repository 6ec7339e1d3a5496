#include "editors/GroupsEditor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

namespace {

constexpr int MAX_GROUP = 255;

} // namespace

GroupsEditor::GroupsEditor(const QList<int>& groups, QWidget* parent)
    : BaseEditorDialog(false, parent)
{
    setSizeHint(QSize(200, 380));
    auto* form = new QFormLayout;
    contentLayout()->addLayout(form);
    const bool useGroups = !groups.isEmpty() && groups.size() <= ROWS;
    for (int row = 0; row < ROWS; ++row) {
        auto* combo = new QComboBox(this);
        for (int value = 0; value <= MAX_GROUP; ++value)
            combo->addItem(QString::number(value), value);
        const int group = useGroups ? groups.value(row, 0) : 0;
        combo->setCurrentIndex(group >= 0 && group <= MAX_GROUP ? group : 0);
        form->addRow(QObject::tr("Group ") + QString::number(row + 1), combo);
        m_combos.append(combo);
    }
}

void GroupsEditor::getSelectedGroups(QList<int>& groups) const
{
    for (const QComboBox* combo : m_combos) {
        const int group = combo->currentData().toInt();
        if (combo->currentIndex() != 0 && !groups.contains(group))
            groups.append(group);
    }
}

} // namespace Corvane::Configurator::Editors
