#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Devices {
class Configuration;
}

namespace Corvane::Configurator::Editors {
class SoundSystemEditor;
}

namespace Corvane::Configurator::EditDelegates {

// The sound-system rows: a combo of the two types (commits on choice) and
// the sound-source dialog, whose confirmed panes are written back into the
// project's sources of the gateway.
class SoundSystemEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    explicit SoundSystemEditDelegate(QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // Brings the gateway's sources in line with the dialog's panes: panes of
    // existing devices update them in place, new panes add devices, and
    // devices without a pane are removed. Panes whose device has gone from
    // the project are skipped.
    static void updateSoundSourceDevices(const Editors::SoundSystemEditor* dialog, Devices::Configuration* project,
                                         int serverId);
};

} // namespace Corvane::Configurator::EditDelegates
