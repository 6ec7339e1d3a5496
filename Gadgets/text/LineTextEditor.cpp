#include "text/LineTextEditor.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace Corvane::Gadgets {

LineTextEditor::LineTextEditor(const QString& text, QGraphicsItem* parentItem)
    : QLineEdit(text)
{
    setupUi(parentItem);
}

LineTextEditor::LineTextEditor(QGraphicsItem* parentItem)
    : QLineEdit()
{
    setupUi(parentItem);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(".+")), this));
}

// The proxy deletes itself when its widget goes, and deletes its widget when
// it goes first; nothing is left to free here.
LineTextEditor::~LineTextEditor() = default;

void LineTextEditor::setupUi(QGraphicsItem* parentItem)
{
    if (m_proxy)
        return;
    m_proxy = new QGraphicsProxyWidget(parentItem, Qt::WindowFlags());
    // Hidden before it is embedded: a visible widget would be shown by the
    // embedding, which makes it a native window that is never mapped.
    hide();
    m_proxy->setWidget(this);

    setContentsMargins(0, 0, 0, 0);
    setTextMargins(0, 0, 0, 0);
    setFrame(false);
    QPalette transparent = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        transparent.setBrush(group, QPalette::Window, Qt::transparent);
        transparent.setBrush(group, QPalette::Base, Qt::transparent);
    }
    setPalette(transparent);
    setAttribute(Qt::WA_TranslucentBackground);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::cursorPositionChanged, this, &LineTextEditor::onCursorPositionChanged);
}

void LineTextEditor::setScale(double scale)
{
    m_proxy->setScale(scale);
}

void LineTextEditor::setIsInEditMode(bool inEditMode)
{
    if (inEditMode) {
        m_proxy->setVisible(true);
        setVisible(true);
        if (m_proxy->scene() && !m_keyboardGrabbed) {
            m_proxy->grabKeyboard();
            m_keyboardGrabbed = true;
        }
        m_proxy->setFocus(Qt::MouseFocusReason);
        setFocus(Qt::MouseFocusReason);
    } else {
        if (m_keyboardGrabbed && m_proxy->scene())
            m_proxy->ungrabKeyboard();
        m_keyboardGrabbed = false;
        clearFocus();
        m_proxy->clearFocus();
        setVisible(false);
        m_proxy->setVisible(false);
    }
}

void LineTextEditor::handleMousePressEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void LineTextEditor::handleMouseMoveEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
}

void LineTextEditor::handleMouseDoubleClickEvent(QMouseEvent* event)
{
    mouseDoubleClickEvent(event);
}

void LineTextEditor::onCursorPositionChanged(int, int)
{
    setFocus(Qt::MouseFocusReason);
}

void LineTextEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    while (isUndoAvailable())
        undo();
    emit cancelTextEditChanges();
}

} // namespace Corvane::Gadgets
