#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The temperature rows of an air conditioner being edited: Min and Max
// typed, each refused (ValueRefusal) outside the allowed temperatures or
// beyond the other, Step chosen between 0.5 and 1. A value the user did not change is not
// written back, so passing over a cell never alters it.
class ThermoregTemperatureDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    // The decimals a typed temperature keeps (16.125, say).
    static constexpr int TEMPERATURE_DECIMALS = 3;

    explicit ThermoregTemperatureDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
