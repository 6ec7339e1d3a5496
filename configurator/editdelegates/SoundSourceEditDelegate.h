#pragma once

#include "editdelegates/BaseEditDelegate.h"

namespace Corvane::Configurator::EditDelegates {

// The value cells of a sound source in its dialog: a combo of the allowed
// A values, the description (within the description limit) and a combo
// of the source types; the combos commit on choice.
class SoundSourceEditDelegate : public BaseEditDelegate
{
    Q_OBJECT

public:
    explicit SoundSourceEditDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // A parentless combo of the A values (current chosen, else the first).
    static QComboBox* getEditorCombo(const QList<int>& values, int current);
};

} // namespace Corvane::Configurator::EditDelegates
