#include "editors/SoundSourceDeviceEditor.h"

#include "editdelegates/SoundSourceEditDelegate.h"
#include "tablemodels/SoundSourceDeviceModel.h"

#include <QTableView>

namespace Corvane::Configurator::Editors {

using TableModels::SoundSourceDeviceModel;

SoundSourceDeviceEditor::SoundSourceDeviceEditor(const Devices::DeviceAddress& address, const QString& description,
                                                 Devices::BaseDeviceProperties::DeviceType type, int originalDeviceId,
                                                 int addressType, const QString& title, QWidget* parent)
    : BasePropertyEditorControl(title, parent)
    , m_model(new SoundSourceDeviceModel(address, description, type, originalDeviceId, addressType, this))
{
    table()->setModel(m_model);
    table()->setItemDelegate(new EditDelegates::SoundSourceEditDelegate(table()));
    updateTableHeight();
    connect(table()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &SoundSourceDeviceEditor::currentIndexChanged);
    connect(table(), &QTableView::clicked, this, &SoundSourceDeviceEditor::selected);
}

int SoundSourceDeviceEditor::originalDeviceId() const
{
    return m_model->originalDeviceId();
}

Devices::BaseDeviceProperties::DeviceType SoundSourceDeviceEditor::deviceType() const
{
    return m_model->deviceType();
}

QString SoundSourceDeviceEditor::description() const
{
    return m_model->description();
}

Devices::DeviceAddress SoundSourceDeviceEditor::address() const
{
    return m_model->address();
}

void SoundSourceDeviceEditor::currentIndexChanged(const QModelIndex& current, const QModelIndex&)
{
    emit helpMessageChanged(m_model->getHelpMessage(current).toHtml());
    emit selected();
}

void SoundSourceDeviceEditor::onShowButtonClicked()
{
    BasePropertyEditorControl::onShowButtonClicked();
    emit selected();
}

} // namespace Corvane::Configurator::Editors
