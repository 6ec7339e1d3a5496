#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The value cells of a scheduled-scenario item: combos for presence,
// command type, CEN PLUS address and button number (each commits on
// choice), the address dialog for a CEN address. A CEN command still
// without an address is tinted red.
class ScenarioItemEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    static const QColor MISSING_ADDRESS_TINT;

    explicit ScenarioItemEditDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The item's command type (0 CEN, 1 CEN PLUS).
    static int getCenType(const QModelIndex& index);
    // Parentless combos: "No"/"Yes", "CEN"/"CEN PLUS", and the addresses
    // of values (current chosen, else the first).
    static QComboBox* getPresenceEditor(bool presence);
    static QComboBox* getCenEditCombo(int cenType);
    static QComboBox* getEditorCombo(const QList<int>& values, int current);
    static QComboBox* getEditorCombo(int min, int max, int current);

private:
    QWidget* createComboEditor(QWidget* parent, const QModelIndex& index) const;
};

} // namespace Corvane::Configurator::EditDelegates
