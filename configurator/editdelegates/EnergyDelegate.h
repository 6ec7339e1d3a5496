#pragma once

#include "editdelegates/BaseDeviceEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The energy page: combos of the meter's A (0 to 255), unit and energy
// type, and the economic-evaluation dialog, on top of the common cells.
class EnergyDelegate : public BaseDeviceEditDelegate
{
    Q_OBJECT

public:
    static constexpr int MAX_ADDRESS = 255;

    using BaseDeviceEditDelegate::BaseDeviceEditDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
