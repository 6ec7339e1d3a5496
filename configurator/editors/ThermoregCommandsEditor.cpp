#include "editors/ThermoregCommandsEditor.h"

#include "DialogService.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "editdelegates/ThermoregulationOffCmdDelegate.h"
#include "editors/ThermoregulationCommandEditor.h"
#include "tablemodels/ThermoregulationOffCmdModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

using Devices::DeviceAddress;
using Devices::ThermoregulationCommandProperties;
using Devices::ThermoregulationDeviceProperties;
using TableModels::ThermoregulationOffCmdModel;

namespace {

constexpr int ROW_HEIGHT = 22;

} // namespace

ThermoregCommandsEditor::ThermoregCommandsEditor(const ThermoregulationDeviceProperties* device, QWidget* parent)
    : BaseEditorDialog(true, parent)
{
    if (!device)
        return;
    m_addressType = ThermoregulationDeviceProperties::COMMAND_ADDRESS_TYPE;
    contentLayout()->setSpacing(0);
    setMinimumSize(320, 550);
    setSizeHint(QSize(320, 550));

    m_panes = new QWidget;
    m_panes->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Maximum);
    m_panesLayout = new QVBoxLayout(m_panes);
    m_panesLayout->setContentsMargins(0, 0, 0, 0);
    m_panesLayout->setSpacing(0);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidget(m_panes);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    initializeOffCommandEditor(*device);
    contentLayout()->addWidget(m_scrollArea);
    for (const ThermoregulationCommandProperties* command : device->commands())
        addEditor(*command);
    updateEditorTitles();
}

void ThermoregCommandsEditor::initializeOffCommandEditor(const ThermoregulationDeviceProperties& device)
{
    m_offModel = new ThermoregulationOffCmdModel(device.offCommand().address(), device.showOffCommand(), this);
    connect(m_offModel, &ThermoregulationOffCmdModel::presenceChanged, this,
            &ThermoregCommandsEditor::onOffCmdPresenceChanged);
    m_offView = new QTableView(this);
    m_offView->setModel(m_offModel);
    m_offView->setItemDelegate(new EditDelegates::ThermoregulationOffCmdDelegate(m_offView));
    m_offView->horizontalHeader()->hide();
    m_offView->verticalHeader()->hide();
    m_offView->verticalHeader()->setDefaultSectionSize(ROW_HEIGHT);
    m_offView->horizontalHeader()->setStretchLastSection(true);
    m_offView->setMaximumHeight(m_offModel->rowCount() * m_offView->rowHeight(0) + 2);
    m_offView->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    m_offView->resizeColumnToContents(0);
    connect(m_offView, &QTableView::clicked, this, &ThermoregCommandsEditor::offCommandEditorClicked);
    contentLayout()->addWidget(m_offView);
}

ThermoregulationCommandEditor* ThermoregCommandsEditor::getEditor(int id) const
{
    for (ThermoregulationCommandEditor* editor : m_editors) {
        if (editor->originalId() == id)
            return editor;
    }
    return nullptr;
}

int ThermoregCommandsEditor::commandsCount() const
{
    return int(m_editors.size()) + (offCommandPresence() ? 1 : 0);
}

bool ThermoregCommandsEditor::offCommandPresence() const
{
    return m_offModel && m_offModel->presence();
}

DeviceAddress ThermoregCommandsEditor::offCmdAddress() const
{
    return m_offModel ? m_offModel->address() : DeviceAddress();
}

void ThermoregCommandsEditor::addEditor(const ThermoregulationCommandProperties& command)
{
    const QString title = tr("Favorite command %1").arg(m_editors.size() + 1);
    auto* editor = new ThermoregulationCommandEditor(command.address(), command.description(), command.id(),
                                                     m_addressType, title, m_panes);
    m_editors.append(editor);
    connect(editor, &BasePropertyEditorControl::helpMessageChanged, this, &BaseEditorDialog::displayHelpMessage);
    connect(editor, &ThermoregulationCommandEditor::selected, this, &ThermoregCommandsEditor::onEditorSelected);
    m_panesLayout->addWidget(editor);
    selectEditor(editor);
}

void ThermoregCommandsEditor::removeEditor(ThermoregulationCommandEditor* editor)
{
    if (!editor)
        return;
    disconnect(editor, nullptr, this, nullptr);
    m_panesLayout->removeWidget(editor);
    const int position = int(m_editors.indexOf(editor));
    const int count = int(m_editors.size());
    m_editors.removeAt(position);
    if (m_selected == editor)
        m_selected = nullptr;
    if (m_editors.isEmpty())
        selectEditor(nullptr);
    else
        selectEditor(m_editors.at(position == count - 1 ? count - 2 : position));
    updateEditorTitles();
    delete editor;
}

void ThermoregCommandsEditor::selectEditor(ThermoregulationCommandEditor* editor)
{
    if (m_selected)
        m_selected->expandButton()->setProperty("selected", false);
    if (editor)
        editor->expandButton()->setProperty("selected", true);
    m_selected = editor;
    // Re-applying the style sheet lets the rule of a selected title take effect.
    setStyleSheet(styleSheet());
}

void ThermoregCommandsEditor::updateEditorTitles()
{
    for (int i = 0; i < m_editors.size(); ++i)
        m_editors.at(i)->setTitle(tr("Favorite command %1").arg(i + 1));
}

void ThermoregCommandsEditor::onEditorSelected()
{
    if (auto* editor = qobject_cast<ThermoregulationCommandEditor*>(sender()))
        selectEditor(editor);
}

void ThermoregCommandsEditor::showLimitReached()
{
    DialogService::instance()->message(this, QMessageBox::Information, QApplication::applicationName(),
                                       tr("Maximum number of commands is %1")
                                           .arg(ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT),
                                       QMessageBox::Ok, QMessageBox::Ok);
}

void ThermoregCommandsEditor::onAddClicked()
{
    if (!m_offModel)
        return;
    if (commandsCount() >= ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT) {
        showLimitReached();
        return;
    }
    const ThermoregulationCommandProperties command(
        DeviceAddress(1, DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE),
        tr("Command"), ThermoregulationCommandProperties::EMPTY_ID);
    addEditor(command);
}

void ThermoregCommandsEditor::onRemoveClicked()
{
    if (m_selected)
        removeEditor(m_selected);
}

void ThermoregCommandsEditor::onOffCmdPresenceChanged()
{
    if (!offCommandPresence() || commandsCount() <= ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT)
        return;
    showLimitReached();
    m_offModel->setPresence(false);
}

void ThermoregCommandsEditor::offCommandEditorClicked(const QModelIndex& index)
{
    displayHelpMessage(m_offModel->getHelpMessage(index).toHtml());
}

} // namespace Corvane::Configurator::Editors
