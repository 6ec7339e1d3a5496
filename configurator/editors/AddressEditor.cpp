#include "editors/AddressEditor.h"

#include "editdelegates/AddressEditDelegate.h"
#include "tablemodels/BaseAddressTreeModel.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

using TableModels::BaseAddressTreeModel;

AddressEditor::AddressEditor(QWidget* parent)
    : BaseEditorDialog(false, parent)
    , m_treeView(new QTreeView(this))
{
    setSizeHint(QSize(300, 400));
    setMinimumSize(300, 400);
    m_treeView->header()->hide();
    m_treeView->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_treeView->setItemDelegate(new EditDelegates::AddressEditDelegate(m_treeView));
    m_treeView->setIndentation(0);
    m_treeView->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked
                                | QAbstractItemView::EditKeyPressed);
    m_treeView->setStyleSheet(QStringLiteral(
        "QTreeView::item:selected {  color: black; } QTreeView::item { min-height: 20; background: white; "
        "border-width: 0  0  1  1; border-style: solid; border-color: rgb(230,228,231); left: 6; } "
        "QTreeView::item:has-children { margin: 0 0 0 0; font: bold; background: qlineargradient(x1: 0.5, y1: 0, "
        "x2: 0.5, y2: 1, stop: 0 white, stop: 1 rgb( 235, 225, 198 )); } QTreeView::item:first { margin: 0 0 0 0; "
        "background: qlineargradient(x1: 0, y1: 0.5, x2: 1, y2: 0.5, stop: 0 rgb( 251,249,252 ), stop: 1 rgb( "
        "225, 220, 224 )); }"));
    contentLayout()->addWidget(m_treeView);
}

void AddressEditor::setModel(BaseAddressTreeModel* model)
{
    m_model = model;
    m_treeView->setModel(model);
    if (!model)
        return;
    m_treeView->setFirstColumnSpanned(0, QModelIndex(), true);
    m_treeView->expand(model->index(0, 0));
    m_treeView->resizeColumnToContents(BaseAddressTreeModel::CaptionColumn);
    // A row shown later (the interface address on the local bus) may have
    // the longest caption.
    connect(model, &QAbstractItemModel::rowsInserted, m_treeView,
            [this] { m_treeView->resizeColumnToContents(BaseAddressTreeModel::CaptionColumn); });
    for (int column : {BaseAddressTreeModel::ValueColumn, BaseAddressTreeModel::FieldTypeColumn,
                       BaseAddressTreeModel::IconColumn})
        m_treeView->setColumnHidden(column, true);
    connect(m_treeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AddressEditor::treeSelectionChanged);
}

void AddressEditor::focusFirstField()
{
    m_treeView->setFocus(Qt::TabFocusReason);
    if (m_model && !m_treeView->currentIndex().isValid())
        m_treeView->setCurrentIndex(m_model->index(0, BaseAddressTreeModel::TextColumn, m_model->index(0, 0)));
}

void AddressEditor::treeSelectionChanged(const QModelIndex& current, const QModelIndex&)
{
    if (m_model)
        displayHelpMessage(m_model->getHelpMessage(current).toHtml());
}

Devices::DeviceAddress AddressEditor::createAddress() const
{
    return m_model ? m_model->createAddress() : Devices::DeviceAddress();
}

int AddressEditor::additionalParameter() const
{
    return m_model ? m_model->additionalParameter() : -1;
}

} // namespace Corvane::Configurator::Editors
