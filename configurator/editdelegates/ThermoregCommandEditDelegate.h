#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The cells of a favourite command being edited: the description (within
// the description limit) and the address, whose A is chosen from the
// values of the command address rules.
class ThermoregCommandEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    explicit ThermoregCommandEditDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // A parentless combo of area values (their texts, the value as data);
    // the last item holding current is chosen, else the first.
    static QComboBox* getEditorCombo(const QList<int>& values, int current);
    // The A combo of an address cell (its edit role holds the address),
    // committing on choice through delegate.
    static QComboBox* createAddressEditor(const BaseEditDelegate* delegate, QWidget* parent, int addressType,
                                          const QModelIndex& index);
    // Writes the chosen A into a copy of the cell's address.
    static void writeAddress(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index);
};

} // namespace Corvane::Configurator::EditDelegates
