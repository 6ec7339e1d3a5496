#pragma once

#include "editors/BaseEditorDialog.h"

class QModelIndex;

namespace Corvane::Configurator {
namespace TableModels {
class EconomicEvalTableModel;
}
}

namespace Corvane::Configurator::Editors {

class BasePropertyEditorControl;

// The dialog of a meter's or load's economic evaluation: presence,
// currency and tariff edited on a copy.
class EconomicEvalEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    EconomicEvalEditor(bool presence, int currency, double tariff, QWidget* parent = nullptr);

    bool presence() const;
    int currency() const;
    double tariff() const;

    BasePropertyEditorControl* pane() const { return m_pane; }
    TableModels::EconomicEvalTableModel* model() const { return m_model; }

private Q_SLOTS:
    void tableSelectionChanged(const QModelIndex& current, const QModelIndex& previous);

private:
    BasePropertyEditorControl* m_pane;
    TableModels::EconomicEvalTableModel* m_model;
};

} // namespace Corvane::Configurator::Editors
