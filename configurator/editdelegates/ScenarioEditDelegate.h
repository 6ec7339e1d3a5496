#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The scenarios page: the Parameters cell opens the dialog of the
// scenario's kind (address and scenario number, address and level, or the
// scheduled items); Description and Type are the common cells.
class ScenarioEditDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Writes a confirmed dialog's result: the address first, then the
    // scenario number or level; or the four scheduled items.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
