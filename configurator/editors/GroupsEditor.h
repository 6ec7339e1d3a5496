#pragma once

#include "editors/BaseEditorDialog.h"

#include <QList>

class QComboBox;

namespace Corvane::Configurator::Editors {

// Chooses up to ten groups (1..255; 0 in a row means no group).
class GroupsEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    static constexpr int ROWS = 10;

    explicit GroupsEditor(const QList<int>& groups, QWidget* parent = nullptr);

    // Appends the chosen groups in row order, each once.
    void getSelectedGroups(QList<int>& groups) const;
    QComboBox* combo(int row) const { return m_combos.value(row); }

private:
    QList<QComboBox*> m_combos;
};

} // namespace Corvane::Configurator::Editors
