#pragma once

#include "devices/DeviceAddress.h"
#include "editors/BaseEditorDialog.h"
#include "tablemodels/BaseAddressTreeModel.h"

#include <QPointer>

class QModelIndex;
class QTreeView;

namespace Corvane::Configurator::Editors {

// The dialog of a bus address: its fields as a small tree, each edited with
// a combo of the values the address rules allow.
class AddressEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    explicit AddressEditor(QWidget* parent = nullptr);

    void setModel(TableModels::BaseAddressTreeModel* model);
    TableModels::BaseAddressTreeModel* model() const { return m_model; }
    QTreeView* treeView() const { return m_treeView; }

    // The edited address; the empty address without a model.
    Devices::DeviceAddress createAddress() const;
    // The model's second result; -1 without a model.
    int additionalParameter() const;

public Q_SLOTS:
    void treeSelectionChanged(const QModelIndex& current, const QModelIndex& previous);

protected:
    // The value of the first field is being edited: digits typed at once
    // go into it.
    void focusFirstField() override;

private:
    QTreeView* m_treeView;
    QPointer<TableModels::BaseAddressTreeModel> m_model;
};

} // namespace Corvane::Configurator::Editors
