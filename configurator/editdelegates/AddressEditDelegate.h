#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The combos of an address tree's fields, listing the values the address
// rules allow; a choice commits at once.
class AddressEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    explicit AddressEditDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // A parentless combo of values (address texts and icons), current chosen.
    static QComboBox* getEditorCombo(const QList<int>& values, int current);
    // The same for levels.
    static QComboBox* getLevelEditCombo(const QList<int>& values, int current);
};

} // namespace Corvane::Configurator::EditDelegates
