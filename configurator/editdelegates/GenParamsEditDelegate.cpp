#include "editdelegates/GenParamsEditDelegate.h"

#include "editors/LanguageComboEditor.h"
#include "tablemodels/GenParametersModel.h"
#include "widgets/TemperatureUnitComboBox.h"

namespace Corvane::Configurator::EditDelegates {

using TableModels::GenParametersModel;

GenParamsEditDelegate::GenParamsEditDelegate(QObject* parent)
    : BaseEditDelegate(parent)
{
}

QSize GenParamsEditDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() == GenParametersModel::COLUMN_LABEL_INDEX)
        return {200, option.rect.height()};
    return BaseEditDelegate::sizeHint(option, index);
}

QWidget* GenParamsEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    const auto* model = qobject_cast<const GenParametersModel*>(index.model());
    const GenParametersModel::FieldType field = model ? model->getFieldType(index) : GenParametersModel::NoField;
    QComboBox* combo = nullptr;
    if (field == GenParametersModel::LanguageField) {
        combo = new Editors::LanguageComboEditor(index.data(Qt::EditRole).toString());
        if (combo->count() == 0) {
            delete combo;
            return nullptr;
        }
    } else if (field == GenParametersModel::TemperatureField) {
        combo = new Gadgets::TemperatureUnitComboBox;
        combo->setCurrentIndex(index.data(Qt::EditRole).toInt() == 1 ? 1 : 0);
    } else {
        return BaseEditDelegate::createEditor(parent, option, index);
    }
    combo->setParent(parent);
    connect(combo, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
    return combo;
}

void GenParamsEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The combos are built on the current value.
    if (qobject_cast<QComboBox*>(editor))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void GenParamsEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, combo->currentData(Qt::UserRole), Qt::EditRole);
        return;
    }
    BaseEditDelegate::setModelData(editor, model, index);
}

} // namespace Corvane::Configurator::EditDelegates
