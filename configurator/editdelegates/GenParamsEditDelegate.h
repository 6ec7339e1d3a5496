#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The general parameters' combos: language and temperature unit, each
// written as soon as it is chosen.
class GenParamsEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    explicit GenParamsEditDelegate(QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace Corvane::Configurator::EditDelegates
