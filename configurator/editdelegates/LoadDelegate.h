#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The load page: combos of the load's A (0 to 63) and central unit
// presence, and the economic-evaluation dialog, on top of the common cells.
class LoadDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    static constexpr int MAX_ADDRESS = 63;

    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
