#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The amplifiers table: the Address cell opens the multimedia address
// dialog under the sound system's amplifier rules.
class AmplifierEditDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
