#pragma once

#include "ActionRules.h"
#include "DevicesTreeModel.h"
#include "devices/BaseObserver.h"

#include <QItemSelection>
#include <QWidget>

class QAbstractItemView;
class QListView;
class QTextEdit;
class QToolBar;

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator {

class DeviceTableView;
class DevicesTree;

namespace TableModels {
class SoundSystemModel;
class ValidationListModel;
}

// The editor of one project: the pages tree, the table of the selected
// page with its device actions and help, and the validation list. Owns the
// open project and observes it: every change validates it again and
// reports contextChanged().
class AdminConfigurator : public QWidget, public Devices::BaseObserver
{
    Q_OBJECT

public:
    explicit AdminConfigurator(QWidget* parent = nullptr);
    ~AdminConfigurator() override;

    Devices::Configuration* configuration() const { return m_configuration; }
    // Takes the project (deleting the previous one); null leaves none.
    void setConfiguration(Devices::Configuration* configuration);
    void clearConfiguration();

    QSize sizeHint() const override { return {50, 600}; }
    void registerChange(const Devices::ChangeArgs& args, Devices::BaseObservable* source) override;

    void retranslateUi();
    void validate();
    void selectDevice(int id);
    void updateDevicesTable();
    void updateDevicesTable(DevicesTreeModel::NodeType node, int serverId);
    void saveColumnWidths(DevicesTreeModel::NodeType node);
    void restoreColumnWidths(DevicesTreeModel::NodeType node);
    void restoreColumnWidths();
    bool devicesCountExceeded(DevicesTreeModel::NodeType node) const;
    int getNextUnselectedDeviceId() const;

    // Writes what is typed into an open cell editor into the project, so
    // that a command reading the project sees it. Every command of the view
    // calls it first: rebuilding a table closes its editor unwritten.
    void commitOpenEditors();

    // What the enable rules of the actions read of the view.
    ActionContext actionContext() const;

    DevicesTree* devicesTree() const { return m_devicesTree; }
    DeviceTableView* devicesTable() const { return m_devicesTable; }
    DeviceTableView* soundSystemTable() const { return m_soundSystemTable; }
    QTextEdit* helpEdit() const { return m_helpEdit; }
    QListView* validationList() const { return m_validationList; }
    TableModels::ValidationListModel* validationModel() const { return m_validationModel; }
    TableModels::SoundSystemModel* soundSystemModel() const { return m_soundSystemModel; }

Q_SIGNALS:
    void contextChanged();

public Q_SLOTS:
    void addDevice();
    void removeDevice();
    void removeAllDevices();
    void moveUp();
    void moveDown();
    void serverDescChanged();
    void saveColumnWidths();
    void devicesTreeSelectionChanged(const QModelIndex& current, const QModelIndex& previous);
    void devicesTableSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void soundSystemTableSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

protected:
    void changeEvent(QEvent* event) override;

private:
    void createActions();
    void setActionTexts();
    void buildLayout();
    void initializeDevicesTree();
    void expandTreeNodes();
    void selectTreeNode(DevicesTreeModel::NodeType node, int serverId);
    void clearModel(QAbstractItemView* view);
    void showSoundSystemPage(int serverId);
    void showHelp(const QAbstractItemView* view);
    // The help of the current cell, or of the current page, or none.
    void showCurrentHelp();
    QMap<int, QString> serverDescriptions() const;
    bool confirm(const QString& text) const;
    void moveSelected(bool up);

    DevicesTree* m_devicesTree;
    DeviceTableView* m_devicesTable;
    DeviceTableView* m_soundSystemTable;
    QToolBar* m_toolBar;
    QTextEdit* m_helpEdit;
    QListView* m_validationList;
    TableModels::ValidationListModel* m_validationModel;
    TableModels::SoundSystemModel* m_soundSystemModel;
    Devices::Configuration* m_configuration = nullptr;
};

} // namespace Corvane::Configurator
