#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The sensors page: the sensor address dialog on top of the common cells.
class SensorEditDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
