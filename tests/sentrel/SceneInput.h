#pragma once

#include "BaseSceneWindow.h"

#include "controls/SvgElement.h"
#include "label/Label.h"
#include "text/LineTextEditor.h"

#include <QCursor>
#include <QGraphicsView>
#include <QTest>

// The user's hands on a scene window, as the tests give them: the pointer
// moves to a point of the window's scene and the left button goes down and
// up there, keys go to the window's view, names are typed into a label's
// editor.
namespace SceneInput {

// A scene point on which the element takes hits: the middle of its hit
// pixels, else the middle of its bounds.
inline QPointF hitPoint(Corvane::Gadgets::SvgElement* element)
{
    const QRectF area = element->sceneBoundingRect();
    QPointF sum;
    int count = 0;
    for (qreal y = area.top(); y < area.bottom(); y += 2) {
        for (qreal x = area.left(); x < area.right(); x += 2) {
            if (element->hitTest(QPointF(x, y))) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    }
    return count ? sum / count : area.center();
}

inline QPoint viewportPoint(Corvane::Sentrel::BaseSceneWindow* window, const QPointF& scenePos)
{
    const QPoint global = window->mapSceneToGlobal(scenePos).toPoint();
    QCursor::setPos(global);
    return window->view()->viewport()->mapFromGlobal(global);
}

inline void click(Corvane::Sentrel::BaseSceneWindow* window, const QPointF& scenePos)
{
    QTest::mouseClick(window->view()->viewport(), Qt::LeftButton, {}, viewportPoint(window, scenePos));
}

inline bool click(Corvane::Sentrel::BaseSceneWindow* window, Corvane::Gadgets::SvgElement* element)
{
    if (!element)
        return false;
    click(window, hitPoint(element));
    return true;
}

inline void pressKey(Corvane::Sentrel::BaseSceneWindow* window, Qt::Key key)
{
    QTest::keyClick(window->view()->viewport(), key);
}

// A double click on the label's name opens its editor; the old name is
// selected and deleted, the new one typed (an empty name types nothing) and
// Return ends the edit. False when no editor opened.
inline bool rename(Corvane::Sentrel::BaseSceneWindow* window, Corvane::Gadgets::Label* label, const QString& name)
{
    const QRectF box = label->textBox();
    const QPoint at = viewportPoint(window, label->mapToScene(box.center()));
    QWidget* viewport = window->view()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    if (!label->isInEditMode())
        return false;
    Corvane::Gadgets::LineTextEditor* editor = label->textEditor();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
    return true;
}

} // namespace SceneInput
