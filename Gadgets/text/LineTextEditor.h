#pragma once

#include <QLineEdit>

class QGraphicsItem;
class QGraphicsProxyWidget;

namespace Corvane::Gadgets {

// A transparent, frameless line edit placed in a graphics scene through a
// proxy item that is a child of the edited item. Escape undoes every change
// and reports the cancellation; Return, Enter or loss of focus finish the
// edit through editingFinished().
//
// Destroying either the proxy or the editor frees both, once.
class LineTextEditor : public QLineEdit
{
    Q_OBJECT

public:
    LineTextEditor(const QString& text, QGraphicsItem* parentItem);
    // An editor that accepts no empty text.
    explicit LineTextEditor(QGraphicsItem* parentItem);
    ~LineTextEditor() override;

    void setupUi(QGraphicsItem* parentItem);
    QGraphicsProxyWidget* proxy() const { return m_proxy; }
    void setScale(double scale);
    // Shows the editor with the keyboard and focus, or hides it and lets go.
    void setIsInEditMode(bool inEditMode);
    bool hasKeyboardGrab() const { return m_keyboardGrabbed; }

    void handleMousePressEvent(QMouseEvent* event);
    void handleMouseMoveEvent(QMouseEvent* event);
    void handleMouseDoubleClickEvent(QMouseEvent* event);

signals:
    void cancelTextEditChanges();

public slots:
    void onCursorPositionChanged(int oldPosition, int newPosition);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGraphicsProxyWidget* m_proxy = nullptr;
    bool m_keyboardGrabbed = false;
};

} // namespace Corvane::Gadgets
