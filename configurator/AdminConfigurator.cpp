#include "AdminConfigurator.h"

#include "ActionManager.h"
#include "DefaultDevices.h"
#include "DevicePageFactory.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "DialogService.h"
#include "devices/Configuration.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/validation/ConfigurationValidator.h"
#include "editdelegates/GatewayEditDelegate.h"
#include "editdelegates/GenParamsEditDelegate.h"
#include "editdelegates/AmplifierEditDelegate.h"
#include "editdelegates/SoundSystemEditDelegate.h"
#include "log/Logger.h"
#include "tablemodels/BaseTableModel.h"
#include "tablemodels/GatewayTreeModel.h"
#include "tablemodels/GenParametersModel.h"
#include "tablemodels/AmplifiersTableModel.h"
#include "tablemodels/SoundSystemModel.h"
#include "tablemodels/ValidationListModel.h"
#include "utilities/InitSettings.h"
#include "utilities/WidgetUtilities.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QListView>
#include <QSplitter>
#include <QTextEdit>
#include <QToolBar>

namespace Corvane::Configurator {

using Devices::BaseDeviceProperties;
using Devices::Configuration;
using Log::Logger;
using Utilities::InitSettings;

namespace {

constexpr int ROW_HEIGHT = 22;

void trace(const char* text)
{
    Logger(Logger::Trace) << text;
}

} // namespace

AdminConfigurator::AdminConfigurator(QWidget* parent)
    : QWidget(parent)
    , m_devicesTree(new DevicesTree(this))
    , m_devicesTable(new DeviceTableView(this))
    , m_soundSystemTable(new DeviceTableView(this))
    , m_toolBar(new QToolBar(this))
    , m_helpEdit(new QTextEdit(this))
    , m_validationList(new QListView(this))
    , m_validationModel(new TableModels::ValidationListModel(this))
    , m_soundSystemModel(new TableModels::SoundSystemModel(&m_configuration, this))
{
    createActions();
    buildLayout();
    m_soundSystemTable->setModel(m_soundSystemModel);
    m_soundSystemTable->setItemDelegate(new EditDelegates::SoundSystemEditDelegate(m_soundSystemModel));
    if (m_soundSystemTable->selectionModel()) {
        connect(m_soundSystemTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &AdminConfigurator::soundSystemTableSelectionChanged);
        connect(m_soundSystemTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this] { showHelp(m_soundSystemTable); });
    }
    initializeDevicesTree();
    connect(m_devicesTable->horizontalHeader(), &QHeaderView::sectionResized, this,
            qOverload<>(&AdminConfigurator::saveColumnWidths));
    // Save is offered while a cell holds typed text not yet committed.
    for (DeviceTableView* table : {m_devicesTable, m_soundSystemTable})
        connect(table, &DeviceTableView::editingChanged, this, &AdminConfigurator::contextChanged);
    setStyleSheet(QStringLiteral("#devicesTable, #devicesTree, #helpEdit, #soundSystemTable { border: 1px solid rgba( ")
                  + InitSettings::borderColor() + QStringLiteral("); } "));
}

AdminConfigurator::~AdminConfigurator()
{
    clearConfiguration();
}

void AdminConfigurator::createActions()
{
    struct Entry
    {
        const QString& key;
        const char* icon;
        QKeySequence shortcut;
        void (AdminConfigurator::*slot)();
    };
    const Entry entries[] = {
        {ActionManager::DEVICES_ADD_ACTION, ":/Images/add.png", QKeySequence(Qt::Key_Insert), &AdminConfigurator::addDevice},
        {ActionManager::DEVICES_REMOVE_ACTION, ":/Images/delete.png", QKeySequence(QKeySequence::Delete),
         &AdminConfigurator::removeDevice},
        {ActionManager::DEVICES_REMOVE_ALL_ACTION, ":/Images/deleteAll.png", QKeySequence(),
         &AdminConfigurator::removeAllDevices},
        {ActionManager::DEVICES_MOVE_UP_ACTION, ":/Images/nav_up_blue.png", QKeySequence(Qt::CTRL | Qt::Key_Up),
         &AdminConfigurator::moveUp},
        {ActionManager::DEVICES_MOVE_DOWN_ACTION, ":/Images/nav_down_blue.png", QKeySequence(Qt::CTRL | Qt::Key_Down),
         &AdminConfigurator::moveDown},
    };
    m_toolBar->setMovable(false);
    for (const Entry& entry : entries) {
        QAction* action = ActionManager::createAction(entry.key, QIcon(QString::fromLatin1(entry.icon)), this);
        if (!action)
            continue;
        connect(action, &QAction::triggered, this, entry.slot);
        m_toolBar->addAction(action);
        // The keys act where the devices are: in the tree and the table
        // (Delete in the help pane or the validation list removes nothing).
        action->setShortcut(entry.shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_devicesTree->addAction(action);
        m_devicesTable->addAction(action);
    }
    setActionTexts();
}

void AdminConfigurator::setActionTexts()
{
    const QList<QPair<QString, QString>> texts{
        {ActionManager::DEVICES_ADD_ACTION, tr("Add")},
        {ActionManager::DEVICES_REMOVE_ACTION, tr("Remove")},
        {ActionManager::DEVICES_REMOVE_ALL_ACTION, tr("Remove All")},
        {ActionManager::DEVICES_MOVE_UP_ACTION, tr("Move Up")},
        {ActionManager::DEVICES_MOVE_DOWN_ACTION, tr("Move Down")},
    };
    for (const auto& [key, text] : texts) {
        if (QAction* action = ActionManager::getActionByKey(key)) {
            action->setText(text);
            action->setStatusTip(text);
        }
    }
}

void AdminConfigurator::buildLayout()
{
    auto* layout = new QGridLayout(this);
    QMargins margins = layout->contentsMargins();
    margins.setBottom(0);
    layout->setContentsMargins(margins);

    auto* mainSplitter = new QSplitter(Qt::Vertical, this);
    auto* horizontalSplitter = new QSplitter(Qt::Horizontal, mainSplitter);
    auto* rightSplitter = new QSplitter(Qt::Vertical, horizontalSplitter);
    for (QSplitter* splitter : {mainSplitter, horizontalSplitter, rightSplitter})
        splitter->setChildrenCollapsible(false);

    m_devicesTree->setObjectName(QStringLiteral("devicesTree"));
    m_devicesTree->setMinimumWidth(100);
    horizontalSplitter->addWidget(m_devicesTree);
    horizontalSplitter->addWidget(rightSplitter);

    m_soundSystemTable->setObjectName(QStringLiteral("soundSystemTable"));
    m_soundSystemTable->setFixedHeight(46);
    m_soundSystemTable->horizontalHeader()->hide();
    m_soundSystemTable->verticalHeader()->hide();
    m_soundSystemTable->verticalHeader()->setDefaultSectionSize(ROW_HEIGHT);
    m_soundSystemTable->horizontalHeader()->setStretchLastSection(true);
    m_soundSystemTable->hide();

    m_devicesTable->setObjectName(QStringLiteral("devicesTable"));
    m_devicesTable->horizontalHeader()->setDefaultSectionSize(130);
    m_devicesTable->verticalHeader()->hide();
    m_devicesTable->verticalHeader()->setDefaultSectionSize(ROW_HEIGHT);

    m_toolBar->setFixedHeight(32);
    m_helpEdit->setObjectName(QStringLiteral("helpEdit"));
    m_helpEdit->setMaximumHeight(100);
    m_helpEdit->setReadOnly(true);

    rightSplitter->addWidget(m_soundSystemTable);
    rightSplitter->addWidget(m_devicesTable);
    rightSplitter->addWidget(m_toolBar);
    rightSplitter->addWidget(m_helpEdit);

    m_validationList->setObjectName(QStringLiteral("validationList"));
    m_validationList->setModel(m_validationModel);
    // Every row is one line with an icon: no need to measure each.
    m_validationList->setUniformItemSizes(true);
    mainSplitter->addWidget(horizontalSplitter);
    mainSplitter->addWidget(m_validationList);
    horizontalSplitter->setSizes({250, 750});
    mainSplitter->setSizes({700, 120});
    layout->addWidget(mainSplitter, 0, 0);
}

void AdminConfigurator::setConfiguration(Configuration* configuration)
{
    if (configuration == m_configuration)
        return;
    clearConfiguration();
    m_configuration = configuration;
    if (m_configuration)
        m_configuration->setObserver(this);
    m_devicesTree->setConfiguration(m_configuration);
    initializeDevicesTree();
    expandTreeNodes();
    updateDevicesTable();
    validate();
    showCurrentHelp();
    emit contextChanged();
}

void AdminConfigurator::clearConfiguration()
{
    clearModel(m_devicesTable);
    clearModel(m_devicesTree);
    m_devicesTree->setConfiguration(nullptr);
    delete m_configuration;
    m_configuration = nullptr;
    m_validationModel->setValidationItems({});
}

void AdminConfigurator::clearModel(QAbstractItemView* view)
{
    if (view->selectionModel() && view->currentIndex().isValid())
        view->closePersistentEditor(view->currentIndex());
    QAbstractItemModel* oldModel = view->model();
    QItemSelectionModel* oldSelection = view->selectionModel();
    view->setModel(nullptr);
    delete oldModel;
    delete oldSelection;
}

QMap<int, QString> AdminConfigurator::serverDescriptions() const
{
    QMap<int, QString> servers;
    if (m_configuration) {
        for (const Devices::WebServerDeviceProperties* server : m_configuration->webServers())
            servers.insert(server->id(), server->description());
    }
    return servers;
}

void AdminConfigurator::initializeDevicesTree()
{
    clearModel(m_devicesTable);
    clearModel(m_devicesTree);
    if (!m_configuration)
        return;
    m_devicesTree->setModel(new DevicesTreeModel(serverDescriptions(), m_devicesTree));
    m_devicesTree->hideColumn(DevicesTreeModel::TYPE_COLUMN);
    m_devicesTree->hideColumn(DevicesTreeModel::SERVER_COLUMN);
    connect(m_devicesTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AdminConfigurator::devicesTreeSelectionChanged);
}

void AdminConfigurator::expandTreeNodes()
{
    const QAbstractItemModel* model = m_devicesTree->model();
    if (!model)
        return;
    const QModelIndex gadget = model->index(0, 0);
    const QModelIndex plants = model->index(1, 0, gadget);
    m_devicesTree->expand(gadget);
    m_devicesTree->expand(plants);
    m_devicesTree->expand(model->index(0, 0, plants));
}

void AdminConfigurator::selectTreeNode(DevicesTreeModel::NodeType node, int serverId)
{
    const QModelIndex index = m_devicesTree->findIndex(node, serverId);
    if (index.isValid())
        m_devicesTree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void AdminConfigurator::showHelp(const QAbstractItemView* view)
{
    const auto* model = qobject_cast<const TableModels::BaseModel*>(view->model());
    if (model && view->selectionModel())
        m_helpEdit->setHtml(model->getHelpMessage(view->selectionModel()->currentIndex()).toHtml());
}

void AdminConfigurator::showCurrentHelp()
{
    m_helpEdit->clear();
    if (m_devicesTable->selectionModel() && m_devicesTable->currentIndex().isValid())
        showHelp(m_devicesTable);
    else if (m_devicesTree->selectionModel() && m_devicesTree->currentIndex().isValid())
        showHelp(m_devicesTree);
}

void AdminConfigurator::devicesTreeSelectionChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The table still shows the previous page: its open editor writes there.
    commitOpenEditors();
    saveColumnWidths(m_devicesTree->nodeTypeAtIndex(previous));
    Q_UNUSED(current)
    updateDevicesTable();
    restoreColumnWidths();
    m_devicesTable->horizontalHeader()->setStretchLastSection(true);
    showHelp(m_devicesTree);
    trace("Devices tree selection was changed");
    emit contextChanged();
}

void AdminConfigurator::devicesTableSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    showHelp(m_devicesTable);
    trace("Devices table selection was changed");
    emit contextChanged();
}

void AdminConfigurator::soundSystemTableSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    showHelp(m_soundSystemTable);
}

void AdminConfigurator::updateDevicesTable()
{
    updateDevicesTable(m_devicesTree->selectedNodeType(), m_devicesTree->selectedServerId());
}

void AdminConfigurator::updateDevicesTable(DevicesTreeModel::NodeType node, int serverId)
{
    if (!m_configuration)
        return;
    clearModel(m_devicesTable);
    m_soundSystemTable->hide();
    if (node == DevicesTreeModel::NodePlant) {
        auto* model = new TableModels::GatewayTreeModel(m_configuration->getWebServerById(serverId));
        m_devicesTable->setModel(model);
        m_devicesTable->setItemDelegate(new EditDelegates::GatewayEditDelegate(m_configuration, model));
        m_devicesTable->horizontalHeader()->hide();
        m_devicesTable->setRootIndex(QModelIndex());
        connect(model, &TableModels::GatewayTreeModel::serverDescChanged, this, &AdminConfigurator::serverDescChanged);
    } else if (node == DevicesTreeModel::NodeGeneralParams) {
        auto* model = new TableModels::GenParametersModel(m_configuration->guiProperties());
        m_devicesTable->setModel(model);
        m_devicesTable->setItemDelegate(new EditDelegates::GenParamsEditDelegate(model));
        m_devicesTable->horizontalHeader()->hide();
        m_devicesTable->setRootIndex(QModelIndex());
    } else if (node == DevicesTreeModel::NodeSoundSystem) {
        showSoundSystemPage(serverId);
    } else if (DefaultDevices::isFamilyNode(node)) {
        QList<BaseDeviceProperties*> devices;
        m_configuration->getDevicesByGroup(devices, DefaultDevices::deviceGroupFromNode(node), serverId, true);
        const DevicePageFactory::Page page = DevicePageFactory::create(node, devices, m_configuration);
        m_devicesTable->setModel(page.model);
        m_devicesTable->setItemDelegate(page.delegate);
        m_devicesTable->horizontalHeader()->show();
    }
    if (m_devicesTable->selectionModel()) {
        connect(m_devicesTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &AdminConfigurator::devicesTableSelectionChanged);
        // The help is that of the current cell: moving within a row changes
        // no selection of whole rows.
        connect(m_devicesTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this] { showHelp(m_devicesTable); });
    }
}

void AdminConfigurator::showSoundSystemPage(int serverId)
{
    m_soundSystemModel->setCurrentServerId(serverId);
    m_soundSystemTable->show();
    QList<BaseDeviceProperties*> amplifiers;
    m_configuration->getDevicesByGroup(amplifiers, BaseDeviceProperties::Amplifiers, serverId, true);
    auto* model = new TableModels::AmplifiersTableModel(amplifiers, m_configuration, serverId);
    m_devicesTable->setModel(model);
    m_devicesTable->setItemDelegate(new EditDelegates::AmplifierEditDelegate(m_configuration, model));
    m_devicesTable->horizontalHeader()->show();
}

void AdminConfigurator::saveColumnWidths()
{
    saveColumnWidths(m_devicesTree->selectedNodeType());
}

void AdminConfigurator::saveColumnWidths(DevicesTreeModel::NodeType node)
{
    // Reading a width lays out a pending stretch of the last column, which
    // reports a resize and so saves again: the widths are read before the
    // saved ones are replaced, so that the two never mix.
    QList<int> columns;
    if (const QAbstractItemModel* model = m_devicesTable->model()) {
        for (int column = 0; column < model->columnCount(); ++column)
            columns.append(m_devicesTable->columnWidth(column));
    }
    QMultiMap<int, int>& widths = InitSettings::configuratorColumnWidths();
    widths.remove(node);
    for (int width : std::as_const(columns))
        widths.insert(node, width);
}

void AdminConfigurator::restoreColumnWidths()
{
    restoreColumnWidths(m_devicesTree->selectedNodeType());
}

void AdminConfigurator::restoreColumnWidths(DevicesTreeModel::NodeType node)
{
    const QAbstractItemModel* model = m_devicesTable->model();
    if (!model || model->columnCount() == 0)
        return;
    const int count = model->columnCount();
    const QList<int> saved = InitSettings::configuratorColumnWidths().values(node);
    // Resizing reports each section; keep the saved widths while restoring.
    const QSignalBlocker blocker(m_devicesTable->horizontalHeader());
    if (saved.isEmpty()) {
        // Each column as wide as its title, the rest of the area the cells
        // have (inside the frame and beside the row header) shared out
        // equally, so that titles are not cut and no scroll bar is needed
        // while they fit.
        const QHeaderView* header = m_devicesTable->horizontalHeader();
        QList<int> titles;
        int needed = 0;
        for (int column = 0; column < count; ++column) {
            titles.append(header->sectionSizeHint(column));
            needed += titles.constLast();
        }
        const int spare = qMax(0, m_devicesTable->viewport()->width() - needed) / count;
        for (int column = 0; column < count; ++column)
            m_devicesTable->setColumnWidth(column, titles.at(column) + spare);
    } else if (saved.size() == count) {
        for (int column = 0; column < count; ++column)
            m_devicesTable->setColumnWidth(column, saved.at(count - 1 - column));
    }
}

bool AdminConfigurator::devicesCountExceeded(DevicesTreeModel::NodeType node) const
{
    if (!m_configuration) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": no configuration object";
        return false;
    }
    QList<BaseDeviceProperties*> devices;
    const auto group = DefaultDevices::deviceGroupFromNode(node);
    if (group == BaseDeviceProperties::WebServers)
        return m_configuration->webServers().size() >= InitSettings::maxDevicesPerType();
    m_configuration->getDevicesByGroup(devices, group, -1, true);
    return devices.size() >= InitSettings::maxDevicesPerType();
}

bool AdminConfigurator::confirm(const QString& text) const
{
    return DialogService::instance()->message(window(), QMessageBox::Question, QApplication::applicationName(), text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void AdminConfigurator::addDevice()
{
    commitOpenEditors();
    const DevicesTreeModel::NodeType node = m_devicesTree->selectedNodeType();
    const int serverId = m_devicesTree->selectedServerId();
    if (!m_configuration)
        return;
    if (devicesCountExceeded(node)) {
        DialogService::instance()->message(window(), QMessageBox::Information, QApplication::applicationName(),
                                           tr("Maximum allowed devices per page is %1").arg(InitSettings::maxDevicesPerType()),
                                           QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    saveColumnWidths();
    if (node == DevicesTreeModel::NodePlantList) {
        m_configuration->addDevice(DefaultDevices::createWebServer());
        initializeDevicesTree();
        expandTreeNodes();
        selectTreeNode(DevicesTreeModel::NodePlantList, -1);
    } else if (BaseDeviceProperties* device = DefaultDevices::createDevice(node)) {
        const int id = m_configuration->addDevice(serverId, device);
        updateDevicesTable(node, serverId);
        // The saved widths first: the fresh header reports its default
        // widths as it lays out the selected row, and they would be saved.
        restoreColumnWidths();
        selectDevice(id);
    }
    emit contextChanged();
    trace("Device successfully added");
}

void AdminConfigurator::removeDevice()
{
    trace("Remove was requested");
    if (!m_configuration)
        return;
    // The question names the device as typed.
    commitOpenEditors();
    const DevicesTreeModel::NodeType node = m_devicesTree->selectedNodeType();
    const bool plantMode = node == DevicesTreeModel::NodePlant;
    QList<int> ids;
    if (plantMode)
        ids.append(m_devicesTree->selectedServerId());
    else
        m_devicesTable->selectedDevices(ids);
    if (ids.isEmpty()) {
        Logger(Logger::Warning) << Q_FUNC_INFO << ": no device to remove was found";
        return;
    }
    QString question = tr("Are you sure you want to delete selected devices?");
    if (ids.size() == 1) {
        if (const BaseDeviceProperties* device = m_configuration->getDeviceById(ids.constFirst()))
            question = tr("Are you sure you want to delete \"%1\" device?").arg(device->description());
    }
    if (!confirm(question)) {
        trace("Remove of device cancelled from user");
        return;
    }
    saveColumnWidths();
    const int nextId = getNextUnselectedDeviceId();
    if (plantMode) {
        clearModel(m_devicesTable);
        clearModel(m_devicesTree);
    }
    for (int id : std::as_const(ids)) {
        if (!plantMode)
            m_devicesTable->removeDevice(id);
        m_configuration->removeDevice(id);
    }
    if (plantMode) {
        initializeDevicesTree();
        expandTreeNodes();
        if (nextId >= 0)
            selectTreeNode(DevicesTreeModel::NodePlant, nextId);
    }
    updateDevicesTable();
    restoreColumnWidths();
    if (!plantMode)
        selectDevice(nextId);
    registerChange(Devices::ChangeArgs(), nullptr);
    trace("Remove of device was successful");
}

void AdminConfigurator::removeAllDevices()
{
    trace("Remove all devices was requested");
    if (!m_configuration)
        return;
    commitOpenEditors();
    if (!confirm(tr("Are you sure you want to delete all devices?"))) {
        trace("Remove of all devices cancelled from user");
        return;
    }
    saveColumnWidths();
    const DevicesTreeModel::NodeType node = m_devicesTree->selectedNodeType();
    QList<int> ids;
    if (node == DevicesTreeModel::NodePlantList) {
        for (const auto* server : m_configuration->webServers())
            ids.append(server->id());
    } else {
        QList<BaseDeviceProperties*> devices;
        m_configuration->getDevicesByGroup(devices, DefaultDevices::deviceGroupFromNode(node),
                                           m_devicesTree->selectedServerId(), true);
        for (const BaseDeviceProperties* device : std::as_const(devices))
            ids.append(device->id());
    }
    for (int id : std::as_const(ids)) {
        m_devicesTable->removeDevice(id);
        m_configuration->removeDevice(id);
    }
    if (node == DevicesTreeModel::NodePlantList) {
        initializeDevicesTree();
        expandTreeNodes();
        selectTreeNode(DevicesTreeModel::NodePlantList, -1);
    }
    updateDevicesTable();
    restoreColumnWidths();
    registerChange(Devices::ChangeArgs(), nullptr);
    trace("Remove all devices was successful");
}

int AdminConfigurator::getNextUnselectedDeviceId() const
{
    if (!m_configuration)
        return -1;
    if (m_devicesTree->selectedNodeType() == DevicesTreeModel::NodePlant) {
        const QList<Devices::WebServerDeviceProperties*> servers = m_configuration->webServers();
        const int selected = m_devicesTree->selectedServerId();
        if (selected < 0 || servers.size() < 2)
            return -1;
        int position = 0;
        for (int i = 0; i < servers.size(); ++i) {
            if (servers.at(i)->id() == selected)
                position = i;
        }
        return servers.at(position == servers.size() - 1 ? position - 1 : position + 1)->id();
    }
    QList<int> selected;
    m_devicesTable->selectedDevices(selected);
    const QList<BaseDeviceProperties*> devices = m_devicesTable->devices();
    if (selected.isEmpty() || devices.isEmpty())
        return -1;
    int lastRow = -1;
    for (int row = 0; row < devices.size(); ++row) {
        if (devices.at(row)->id() == selected.constLast())
            lastRow = row;
    }
    if (lastRow >= 0 && lastRow < devices.size() - 1)
        return devices.at(lastRow + 1)->id();
    for (int row = int(devices.size()) - 1; row >= 0; --row) {
        if (!selected.contains(devices.at(row)->id()))
            return devices.at(row)->id();
    }
    return -1;
}

void AdminConfigurator::selectDevice(int id)
{
    if (!m_configuration)
        return;
    const BaseDeviceProperties* device = m_configuration->getDeviceById(id);
    if (!device)
        return;
    if (device->deviceGroup() == BaseDeviceProperties::WebServers) {
        selectTreeNode(DevicesTreeModel::NodePlant, id);
        return;
    }
    const QList<BaseDeviceProperties*> devices = m_devicesTable->devices();
    for (int row = 0; row < devices.size(); ++row) {
        if (devices.at(row)->id() == id) {
            m_devicesTable->selectionModel()->setCurrentIndex(m_devicesTable->model()->index(row, 0),
                                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            return;
        }
    }
}

void AdminConfigurator::moveUp()
{
    moveSelected(true);
}

void AdminConfigurator::moveDown()
{
    moveSelected(false);
}

void AdminConfigurator::moveSelected(bool up)
{
    if (!m_configuration)
        return;
    commitOpenEditors();
    QList<int> selected;
    m_devicesTable->selectedDevices(selected);
    QList<BaseDeviceProperties*> rows = m_devicesTable->devices();
    if (selected.isEmpty() || rows.size() < 2)
        return;
    const int endId = up ? rows.constFirst()->id() : rows.constLast()->id();
    if (selected.contains(endId))
        return;
    QList<int> movedRows;
    const int count = int(rows.size());
    for (int step = 0; step < count - 1; ++step) {
        const int row = up ? step + 1 : count - 2 - step;
        const int target = up ? row - 1 : row + 1;
        if (!selected.contains(rows.at(row)->id()))
            continue;
        m_configuration->moveDevice(rows.at(row)->id(), rows.at(target)->id());
        rows.swapItemsAt(row, target);
        movedRows.append(target);
    }
    updateDevicesTable();
    restoreColumnWidths();
    for (int row : std::as_const(movedRows)) {
        m_devicesTable->selectionModel()->select(m_devicesTable->model()->index(row, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (!movedRows.isEmpty())
        m_devicesTable->selectionModel()->setCurrentIndex(m_devicesTable->model()->index(movedRows.constLast(), 0),
                                                          QItemSelectionModel::NoUpdate);
    emit contextChanged();
}

void AdminConfigurator::serverDescChanged()
{
    if (auto* model = qobject_cast<DevicesTreeModel*>(m_devicesTree->model()))
        model->updateDescriptions(serverDescriptions());
    trace("Webserver description was changed");
}

void AdminConfigurator::validate()
{
    QList<Devices::Validation::ValidationItem> items;
    if (m_configuration) {
        Devices::Validation::ConfigurationValidator::validate(m_configuration, items, InitSettings::maxDevicesPerType());
        m_configuration->clearDevicesErrors();
        for (const auto& item : std::as_const(items))
            m_configuration->addDevicesWithError(item.deviceIds(), item.errorType());
    }
    m_validationModel->setValidationItems(items);
    m_devicesTree->viewport()->update();
    m_devicesTable->viewport()->update();
    m_soundSystemTable->viewport()->update();
}

void AdminConfigurator::registerChange(const Devices::ChangeArgs&, Devices::BaseObservable*)
{
    validate();
    emit contextChanged();
}

void AdminConfigurator::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The help text's paragraphs follow the window's direction.
    if (event->type() == QEvent::LayoutDirectionChange)
        Utilities::WidgetUtilities::changeTextEditTextDirection(m_helpEdit, layoutDirection());
}

void AdminConfigurator::retranslateUi()
{
    commitOpenEditors();
    m_soundSystemModel->retranslate();
    const DevicesTreeModel::NodeType node = m_devicesTree->selectedNodeType();
    const int serverId = m_devicesTree->selectedServerId();
    initializeDevicesTree();
    expandTreeNodes();
    setActionTexts();
    Utilities::WidgetUtilities::changeTextEditTextDirection(m_helpEdit, QApplication::layoutDirection());
    selectTreeNode(node, serverId);
    updateDevicesTable(node, serverId);
    validate();
    restoreColumnWidths(node);
}

void AdminConfigurator::commitOpenEditors()
{
    m_devicesTable->commitOpenEditor();
    m_soundSystemTable->commitOpenEditor();
}

ActionContext AdminConfigurator::actionContext() const
{
    ActionContext context;
    context.hasProject = m_configuration;
    // Text typed into an open cell editor is a change too: Save commits it.
    context.hasChanges = m_configuration
        && (m_configuration->hasChanges() || m_devicesTable->isEditing() || m_soundSystemTable->isEditing());
    context.webServerCount = m_configuration ? int(m_configuration->webServers().size()) : 0;
    context.node = m_devicesTree->selectedNodeType();
    for (const BaseDeviceProperties* device : m_devicesTable->devices())
        context.rowIds.append(device->id());
    m_devicesTable->selectedDevices(context.selectedIds);
    return context;
}

} // namespace Corvane::Configurator
