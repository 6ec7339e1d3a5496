#pragma once

#include <QAbstractItemView>
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
    auto* editor = view->viewport()->findChild<Editor*>();
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

// Clicks the push button of that object name ("confirmButton",
// "cancelButton").
inline void press(QWidget* dialog, const QString& button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace ConfiguratorTest
