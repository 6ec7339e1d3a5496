#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The lighting and automation pages: the address dialog, the PUL combo and
// the groups dialog on top of the common cells.
class ActuatorEditDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    static constexpr int ADDRESS_TYPE = 1;

    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
