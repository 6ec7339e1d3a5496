#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace ConfiguratorTest {

// Opens the editor of cell in view as a user would (the cell made current,
// then edited) and returns it once shown; null when the view made no
// editor of that class.
template<typename Editor>
Editor* openEditor(QAbstractItemView* view, const QModelIndex& cell)
{
    view->setCurrentIndex(cell);
    view->edit(cell);
    // The cell's own editor: one closed before may still wait for deletion.
    auto* editor = qobject_cast<Editor*>(view->indexWidget(cell));
    if (!editor)
        return nullptr;
    if (editor->isWindow() && !QTest::qWaitForWindowExposed(editor))
        return nullptr;
    return editor;
}

// Whether the view has closed (and so deleted) its editor of that class.
template<typename Editor>
bool editorClosed(const QAbstractItemView* view)
{
    return !view->viewport()->findChild<Editor*>();
}

// Opens the combo editor of cell and chooses the entry holding value, as a
// user picking it from the list; false when there is no such combo or
// entry, or the choice did not close the editor.
inline bool chooseInCombo(QAbstractItemView* view, const QModelIndex& cell, const QVariant& value)
{
    auto* combo = openEditor<QComboBox>(view, cell);
    const int entry = combo ? combo->findData(value) : -1;
    if (entry < 0)
        return false;
    combo->setCurrentIndex(entry);
    return QTest::qWaitFor([view] { return editorClosed<QComboBox>(view); });
}

// Opens combo's list and clicks its entry, as a user picking it; false
// when the list did not show.
inline bool pickInList(QComboBox* combo, int entry)
{
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    if (!QTest::qWaitForWindowExposed(list->window()))
        return false;
    const QModelIndex index = list->model()->index(entry, combo->modelColumn(), combo->rootModelIndex());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    return true;
}

// Clicks the push button of that object name ("confirmButton",
// "cancelButton").
inline void press(QWidget* dialog, const QString& button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace ConfiguratorTest
