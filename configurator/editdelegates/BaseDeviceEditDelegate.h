#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator {
namespace TableModels {
class BaseTableModel;
}
}

namespace Corvane::Configurator::EditDelegates {

// Delegate of the device tables: tints the rows of devices that the last
// validation marked, gives the common columns their widths and edits
// Description (within the description limit) and Type. project is asked for
// the validation marks; it may be null.
class BaseDeviceEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    static const QColor ERROR_TINT;

    explicit BaseDeviceEditDelegate(const Devices::Configuration* project, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // Whether the row of index shows a device that the last validation marked.
    bool isRowMarked(const QModelIndex& index) const;

protected:
    static TableModels::BaseTableModel* model(const QModelIndex& index);
    const Devices::Configuration* project() const { return m_project; }

private:
    void setDescription(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const;

    const Devices::Configuration* m_project;
};

} // namespace Corvane::Configurator::EditDelegates
