#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The rows of the economic-evaluation dialog: a yes/no combo, the currency
// combo and the tariff's line editor. A typed tariff outside the allowed
// range, or no number, is refused (ValueRefusal).
class EconomicEvalDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    // The decimals a typed tariff keeps.
    static constexpr int TARIFF_DECIMALS = 6;

    explicit EconomicEvalDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
