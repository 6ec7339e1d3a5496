#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The rows of the economic-evaluation dialog: a yes/no combo, the currency
// combo and the tariff spin box.
class EconomicEvalDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    // Enough decimals that passing over the cell never rounds a tariff.
    static constexpr int TARIFF_DECIMALS = 6;

    explicit EconomicEvalDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
