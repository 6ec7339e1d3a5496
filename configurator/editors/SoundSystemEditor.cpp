#include "editors/SoundSystemEditor.h"

#include "DialogService.h"
#include "devices/BaseDeviceProperties.h"
#include "devices/ConfigUtilities.h"
#include "devices/Configuration.h"
#include "devices/Utilities.h"
#include "editors/SoundSourceDeviceEditor.h"
#include "tablemodels/SoundSourceDeviceModel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace Corvane::Configurator::Editors {

using Devices::BaseDeviceProperties;

namespace {

constexpr int BASIC_SOURCE_ADDRESS_TYPE = 13;
constexpr int ALL_AREAS_SOURCE_ADDRESS_TYPE = 14;

} // namespace

SoundSystemEditor::SoundSystemEditor(const Devices::Configuration* project, int serverId, QWidget* parent)
    : BaseEditorDialog(true, parent)
    , m_serverId(serverId)
{
    if (!project)
        return;
    setMinimumSize(310, 500);
    m_addressType = project->soundSystemType(serverId) == 0 ? BASIC_SOURCE_ADDRESS_TYPE : ALL_AREAS_SOURCE_ADDRESS_TYPE;
    contentLayout()->setSpacing(0);
    initializeTypeTable(project);
    m_maximum = project->maxSoundSourcesCount(serverId);

    auto* container = new QWidget;
    container->setSizePolicy(container->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    m_paneLayout = new QVBoxLayout(container);
    m_paneLayout->setContentsMargins(0, 0, 0, 0);
    m_paneLayout->setSpacing(0);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidget(container);
    contentLayout()->addWidget(m_scrollArea);

    QList<BaseDeviceProperties*> sources;
    project->getDevicesByGroup(sources, BaseDeviceProperties::SoundSources, serverId, true);
    for (int i = 0; i < sources.size(); ++i) {
        if (i < m_maximum)
            addEditor(sources.at(i));
        else
            m_droppedSources.append(sources.at(i)->description());
    }
}

void SoundSystemEditor::initializeTypeTable(const Devices::Configuration* project)
{
    auto* table = new QTableWidget(1, 2, this);
    table->setEnabled(false);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMaximumHeight(21);
    table->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    table->setItem(0, 0, new QTableWidgetItem(tr("Type")));
    table->setItem(0, 1, new QTableWidgetItem(
                             Devices::ConfigUtilities::getSoundSystemTypeString(project->soundSystemType(m_serverId))));
    contentLayout()->addWidget(table);
}

QString SoundSystemEditor::title(int position)
{
    return tr("Sound source %1").arg(position + 1);
}

void SoundSystemEditor::addEditor(const BaseDeviceProperties* device)
{
    addEditor(device->address(), device->description(), device->deviceType(), device->id());
}

void SoundSystemEditor::addEditor(const Devices::DeviceAddress& address, const QString& description, int type,
                                  int deviceId)
{
    auto* editor = new SoundSourceDeviceEditor(address, description, type, deviceId, m_addressType,
                                               title(int(m_editors.size())));
    m_editors.append(editor);
    connect(editor, &SoundSourceDeviceEditor::helpMessageChanged, this, &BaseEditorDialog::displayHelpMessage);
    connect(editor, &SoundSourceDeviceEditor::selected, this, &SoundSystemEditor::onEditorSelected);
    m_paneLayout->addWidget(editor);
    selectEditor(editor);
}

void SoundSystemEditor::selectEditor(SoundSourceDeviceEditor* editor)
{
    const auto mark = [](SoundSourceDeviceEditor* pane, bool selected) {
        QPushButton* button = pane->expandButton();
        button->setProperty("selected", selected);
        // The look depends on the property: polish the button again.
        button->style()->unpolish(button);
        button->style()->polish(button);
    };
    if (m_selected && m_editors.contains(m_selected))
        mark(m_selected, false);
    if (editor)
        mark(editor, true);
    m_selected = editor;
}

void SoundSystemEditor::onEditorSelected()
{
    if (auto* editor = qobject_cast<SoundSourceDeviceEditor*>(sender()))
        selectEditor(editor);
}

void SoundSystemEditor::onAddClicked()
{
    if (!m_paneLayout)
        return;
    if (m_editors.size() >= m_maximum) {
        DialogService::instance()->message(this, QMessageBox::Information, QApplication::applicationName(),
                                           tr("Maximum number of sound sources is %1").arg(m_maximum),
                                           QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    addEditor(TableModels::SoundSourceDeviceModel::newSourceAddress(), tr("Sound source"),
              TableModels::SoundSourceDeviceModel::NEW_SOURCE_TYPE, Devices::Utilities::emtpyDeviceId());
    // Show the new pane once the layout has placed it.
    QTimer::singleShot(0, m_scrollArea, [scrollBar = m_scrollArea->verticalScrollBar()] {
        scrollBar->setValue(scrollBar->maximum());
    });
}

void SoundSystemEditor::onRemoveClicked()
{
    if (m_selected)
        removeEditor(m_selected);
}

void SoundSystemEditor::removeEditor(SoundSourceDeviceEditor* editor)
{
    const int position = int(m_editors.indexOf(editor));
    if (position < 0)
        return;
    disconnect(editor, nullptr, this, nullptr);
    m_paneLayout->removeWidget(editor);
    m_editors.removeAt(position);
    if (m_selected == editor)
        m_selected = nullptr;
    selectEditor(m_editors.isEmpty() ? nullptr : m_editors.at(qMin(position, int(m_editors.size()) - 1)));
    updateEditorTitles();
    delete editor;
}

void SoundSystemEditor::updateEditorTitles()
{
    for (int i = 0; i < m_editors.size(); ++i)
        m_editors.at(i)->setTitle(title(i));
}

int SoundSystemEditor::duplicateArea() const
{
    QList<int> seen;
    for (const SoundSourceDeviceEditor* editor : m_editors) {
        const int area = editor->address().area();
        if (seen.contains(area))
            return area;
        seen.append(area);
    }
    return -1;
}

void SoundSystemEditor::closeEvent(QCloseEvent* event)
{
    const int area = accepted() ? duplicateArea() : -1;
    if (area >= 0) {
        DialogService::instance()->message(this, QMessageBox::Warning, QApplication::applicationName(),
                                           tr("There is more than one source with address \"%1\"").arg(area),
                                           QMessageBox::Ok, QMessageBox::Ok);
        event->ignore();
        return;
    }
    BaseEditorDialog::closeEvent(event);
}

void SoundSystemEditor::showEvent(QShowEvent* event)
{
    BaseEditorDialog::showEvent(event);
    if (!m_droppedSources.isEmpty() && !m_warned) {
        m_warned = true;
        // Once the dialog is on screen, above it.
        QTimer::singleShot(0, this, &SoundSystemEditor::warnAboutDroppedSources);
    }
}

void SoundSystemEditor::warnAboutDroppedSources()
{
    const int count = int(m_editors.size() + m_droppedSources.size());
    DialogService::instance()->message(
        this, QMessageBox::Warning, QApplication::applicationName(),
        tr("This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; "
           "confirming this dialog removes the others from the project:\n%3")
            .arg(count)
            .arg(m_maximum)
            .arg(m_droppedSources.join(u'\n')),
        QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace Corvane::Configurator::Editors
