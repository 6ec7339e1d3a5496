#pragma once

#include "devices/DeviceAddress.h"
#include "editors/BaseEditorDialog.h"

#include <QList>
#include <QStringList>

class QScrollArea;
class QVBoxLayout;

namespace Corvane::Devices {
class BaseDeviceProperties;
class Configuration;
}

namespace Corvane::Configurator::Editors {

class SoundSourceDeviceEditor;

// The sound sources of one gateway's sound system, one pane per source,
// each editing a copy. Add and Remove change only the dialog, within the
// gateway's maximum; the project is brought in line by the caller after
// Confirm, which is refused while two sources share an A. Sources beyond
// the maximum get no pane: the dialog says which when it opens, since
// confirming it removes them.
class SoundSystemEditor : public BaseEditorDialog
{
    Q_OBJECT

public:
    SoundSystemEditor(const Devices::Configuration* project, int serverId, QWidget* parent = nullptr);

    const QList<SoundSourceDeviceEditor*>& deviceEditors() const { return m_editors; }
    SoundSourceDeviceEditor* selectedEditor() const { return m_selected; }
    int maximum() const { return m_maximum; }
    int addressType() const { return m_addressType; }
    // Descriptions of the sources beyond the maximum (no pane).
    const QStringList& droppedSources() const { return m_droppedSources; }

    void addEditor(const Devices::BaseDeviceProperties* device);
    void removeEditor(SoundSourceDeviceEditor* editor);
    void selectEditor(SoundSourceDeviceEditor* editor);
    void updateEditorTitles();

public Q_SLOTS:
    void onEditorSelected();

protected:
    void onAddClicked() override;
    void onRemoveClicked() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void warnAboutDroppedSources();

private:
    void initializeTypeTable(const Devices::Configuration* project);
    void addEditor(const Devices::DeviceAddress& address, const QString& description, int type, int deviceId);
    // The A shared by two panes, or -1.
    int duplicateArea() const;
    static QString title(int position);

    QList<SoundSourceDeviceEditor*> m_editors;
    QVBoxLayout* m_paneLayout = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    int m_maximum = 0;
    int m_addressType = 13;
    int m_serverId;
    SoundSourceDeviceEditor* m_selected = nullptr;
    QStringList m_droppedSources;
    bool m_warned = false;
};

} // namespace Corvane::Configurator::Editors
