#include "editdelegates/BoolPropertyEditorDelegate.h"

#include "editors/YesNoEditor.h"

namespace Corvane::Configurator::EditDelegates {

BoolPropertyEditorDelegate::BoolPropertyEditorDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QWidget* BoolPropertyEditorDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                  const QModelIndex& index) const
{
    auto* editor = new Editors::YesNoEditor(index.data(Qt::EditRole).toBool(), parent);
    connect(editor, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
    return editor;
}

void BoolPropertyEditorDelegate::setEditorData(QWidget*, const QModelIndex&) const
{
}

void BoolPropertyEditorDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                              const QModelIndex& index) const
{
    if (auto* yesNo = qobject_cast<Editors::YesNoEditor*>(editor))
        model->setData(index, yesNo->currentData(Qt::UserRole), Qt::EditRole);
}

} // namespace Corvane::Configurator::EditDelegates
