#include "editors/ThermoregAdvancedEditor.h"

#include "devices/ThermoregulationDeviceProperties.h"
#include "editdelegates/BoolPropertyEditorDelegate.h"
#include "editdelegates/ThermoregTemperatureDelegate.h"
#include "editors/BasePropertyEditorControl.h"
#include "tablemodels/ThermoregFanModel.h"
#include "tablemodels/ThermoregModeModel.h"
#include "tablemodels/ThermoregSwingModel.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"

#include <QTableView>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

using namespace TableModels;

namespace {

enum Pane { TemperaturePane = 0, ModePane = 1, FanPane = 2, SwingPane = 3 };

constexpr int CAPTION_WIDTH = 200;

} // namespace

ThermoregAdvancedEditor::ThermoregAdvancedEditor(const Devices::ThermoregulationDeviceProperties* device,
                                                 QWidget* parent)
    : BaseEditorDialog(false, parent)
{
    setSizeHint(QSize(350, 620));
    if (device)
        init(*device);
}

void ThermoregAdvancedEditor::init(const Devices::ThermoregulationDeviceProperties& device)
{
    setMinimumSize(350, 620);
    contentLayout()->setSpacing(0);
    m_temperatureModel = new ThermoregTemperatureEditModel(device.minTemperature(), device.maxTemperature(),
                                                           device.step(), this);
    m_modesModel = new ThermoregModeModel(device.airConditioningModes(), this);
    m_fanModel = new ThermoregFanModel(device.fanSettings(), this);
    m_swingModel = new ThermoregSwingModel(device.airConditionerSwings(), device.swingPresence(), this);

    addPane(tr("Temperature"), m_temperatureModel, new EditDelegates::ThermoregTemperatureDelegate(this));
    addPane(tr("Mode"), m_modesModel, new EditDelegates::BoolPropertyEditorDelegate(this));
    addPane(tr("Fan speed"), m_fanModel, new EditDelegates::BoolPropertyEditorDelegate(this));
    addPane(tr("Swing"), m_swingModel, new EditDelegates::BoolPropertyEditorDelegate(this));

    connect(m_panes.at(TemperaturePane)->table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ThermoregAdvancedEditor::temperatureEditorSelectionChanged);
    connect(m_panes.at(ModePane)->table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ThermoregAdvancedEditor::modeEditorSelectionChanged);
    connect(m_panes.at(FanPane)->table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ThermoregAdvancedEditor::fanEditorSelectionChanged);
    connect(m_panes.at(SwingPane)->table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ThermoregAdvancedEditor::swingEditorSelectionChanged);
    contentLayout()->addStretch(100);
}

BasePropertyEditorControl* ThermoregAdvancedEditor::addPane(const QString& title, BaseModel* model,
                                                            QAbstractItemDelegate* delegate)
{
    auto* pane = new BasePropertyEditorControl(title, this);
    pane->table()->setModel(model);
    pane->table()->setItemDelegate(delegate);
    pane->table()->setColumnWidth(0, CAPTION_WIDTH);
    m_panes.append(pane);
    contentLayout()->addWidget(pane);
    return pane;
}

void ThermoregAdvancedEditor::showHelpOfCurrent(int pane)
{
    const QTableView* table = m_panes.at(pane)->table();
    const auto* model = qobject_cast<const BaseModel*>(table->model());
    if (model)
        displayHelpMessage(model->getHelpMessage(table->selectionModel()->currentIndex()).toHtml());
}

void ThermoregAdvancedEditor::temperatureEditorSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    showHelpOfCurrent(TemperaturePane);
}

void ThermoregAdvancedEditor::modeEditorSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    showHelpOfCurrent(ModePane);
}

void ThermoregAdvancedEditor::fanEditorSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    showHelpOfCurrent(FanPane);
}

void ThermoregAdvancedEditor::swingEditorSelectionChanged(const QItemSelection&, const QItemSelection&)
{
    showHelpOfCurrent(SwingPane);
}

} // namespace Corvane::Configurator::Editors
