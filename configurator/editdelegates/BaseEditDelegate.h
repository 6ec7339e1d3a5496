#pragma once

#include <QStyledItemDelegate>

class QComboBox;

namespace Corvane::Configurator::Editors {
class BaseEditorDialog;
}

namespace Corvane::Configurator::EditDelegates {

// Base of the editor's item delegates: places dialog editors over the
// window and combo editors on their cell, with a list as wide as its
// entries; commits a combo on choice (endEditing) and a dialog editor when
// it closes. A cell whose text is cut shows it whole as its tooltip.
class BaseEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit BaseEditDelegate(QObject* parent = nullptr);

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // A parentless ChoiceComboBox of min..max (text and data the number)
    // with current selected (the first item when current is outside).
    static QComboBox* getEditorCombo(int min, int max, int current);

    // Qt commits an open editor whenever the current cell changes, so a
    // combo that merely opened on a cell must not write: a stored value
    // outside its list would become the entry it opened on. The delegate
    // remembers the opening entry and writes only a choice: another entry,
    // or any entry the user picked in the list.
    static void rememberOpeningEntry(QComboBox* combo);
    static bool choseAnotherEntry(const QComboBox* combo);

    // Commits and closes combo once its value is chosen: a ChoiceComboBox
    // when the user chooses, another combo on any change of its entry.
    void endEditingOnChoice(QComboBox* combo) const;

public Q_SLOTS:
    // Commits and closes the combo that sent it.
    void endEditing();

protected:
    // A dialog editor ends editing only through its own closing signal: the
    // item delegate's filter would commit and close it once more as it hides,
    // by then no longer an editor of the view.
    bool eventFilter(QObject* object, QEvent* event) override;

    // Makes dialog the editor of its cell: when it closes, however, it is
    // committed (setModelData reads accepted()) and closed.
    Editors::BaseEditorDialog* adoptDialogEditor(Editors::BaseEditorDialog* dialog) const;

private Q_SLOTS:
    void onDialogClosed();

private:
    void commitAndClose(QComboBox* combo);
    // Whether the item's text is wider than the place the style gives it.
    static bool isTextCut(const QStyleOptionViewItem& item);
};

} // namespace Corvane::Configurator::EditDelegates
