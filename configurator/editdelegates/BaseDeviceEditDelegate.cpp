#include "editdelegates/BaseDeviceEditDelegate.h"

#include "devices/BaseDeviceProperties.h"
#include "devices/Configuration.h"
#include "editdelegates/DescriptionLimit.h"
#include "editors/AddressEditor.h"
#include "editors/DeviceTypeEditor.h"
#include "log/Logger.h"
#include "tablemodels/BaseTableModel.h"
#include "utilities/InitSettings.h"

#include <QLineEdit>
#include <QPainter>

namespace Corvane::Configurator::EditDelegates {

using Devices::BaseDeviceProperties;
using Log::Logger;
using TableModels::BaseTableModel;
using TableModels::Column;

const QColor BaseDeviceEditDelegate::ERROR_TINT(255, 0, 0, 100);

BaseDeviceEditDelegate::BaseDeviceEditDelegate(const Devices::Configuration* project, QObject* parent)
    : BaseEditDelegate(parent)
    , m_project(project)
{
}

BaseTableModel* BaseDeviceEditDelegate::model(const QModelIndex& index)
{
    return qobject_cast<BaseTableModel*>(const_cast<QAbstractItemModel*>(index.model()));
}

bool BaseDeviceEditDelegate::isRowMarked(const QModelIndex& index) const
{
    const BaseTableModel* tableModel = model(index);
    const BaseDeviceProperties* device = tableModel ? tableModel->device(index.row()) : nullptr;
    return device && m_project && !m_project->deviceErrors(device->id()).isEmpty();
}

void BaseDeviceEditDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    BaseEditDelegate::paint(painter, option, index);
    if (isRowMarked(index))
        painter->fillRect(option.rect, ERROR_TINT);
}

QSize BaseDeviceEditDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const BaseTableModel* tableModel = model(index);
    if (tableModel) {
        const int column = index.column();
        if (column == tableModel->columnIndex(Column::Type))
            return {180, option.rect.height()};
        if (column == tableModel->columnIndex(Column::Description))
            return {150, option.rect.height()};
        if (column == tableModel->columnIndex(Column::Address))
            return {120, option.rect.height()};
        if (column == tableModel->columnIndex(Column::Pul))
            return {80, option.rect.height()};
    }
    return BaseEditDelegate::sizeHint(option, index);
}

QWidget* BaseDeviceEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const
{
    const BaseTableModel* tableModel = model(index);
    BaseDeviceProperties* device = tableModel ? tableModel->device(index.row()) : nullptr;
    if (device && index.column() == tableModel->columnIndex(Column::Type)) {
        QList<BaseDeviceProperties::DeviceType> types;
        device->getAllowedTypes(types);
        auto* editor = new Editors::DeviceTypeEditor(types, device->deviceType(), parent);
        connect(editor, &QComboBox::currentIndexChanged, this, &BaseEditDelegate::endEditing);
        Logger(Logger::Trace) << "Type editor created for device " << device->description();
        return editor;
    }
    return BaseEditDelegate::createEditor(parent, option, index);
}

void BaseDeviceEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const BaseTableModel* tableModel = model(index);
    if (tableModel && index.column() == tableModel->columnIndex(Column::Type))
        return;
    BaseEditDelegate::setEditorData(editor, index);
}

void BaseDeviceEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    const BaseTableModel* tableModel = model(index);
    if (!tableModel) {
        BaseEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    const int column = index.column();
    if (column == tableModel->columnIndex(Column::Description)) {
        setDescription(editor, itemModel, index);
    } else if (column == tableModel->columnIndex(Column::Type)) {
        if (auto* typeEditor = qobject_cast<Editors::DeviceTypeEditor*>(editor))
            itemModel->setData(index, typeEditor->currentData(Qt::UserRole), Qt::EditRole);
    } else if (column == tableModel->columnIndex(Column::Address)) {
        auto* dialog = qobject_cast<Editors::AddressEditor*>(editor);
        if (dialog && dialog->accepted())
            itemModel->setData(index, QVariant::fromValue(dialog->createAddress()), Qt::EditRole);
    } else {
        BaseEditDelegate::setModelData(editor, itemModel, index);
    }
}

void BaseDeviceEditDelegate::setDescription(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    const auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (!lineEdit) {
        BaseEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    const QString text = lineEdit->text();
    if (text.size() <= Utilities::InitSettings::maxDescriptionChars()) {
        BaseEditDelegate::setModelData(editor, itemModel, index);
        return;
    }
    if (const std::optional<QString> stored = DescriptionLimit::textToStore(text, editor))
        itemModel->setData(index, *stored, Qt::EditRole);
}

} // namespace Corvane::Configurator::EditDelegates
