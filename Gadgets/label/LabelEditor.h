#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMargins>
#include <QPair>
#include <QPalette>
#include <QPointer>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class QGraphicsItem;

namespace Corvane::Gadgets {

class LineTextEditor;

// The line edit in which a label's text is edited, made when it is first
// needed: most labels are never edited, and each line edit lays its text
// out again on every change. Until then it keeps what the label tells it,
// and the editor is made with all of it.
class LabelEditor
{
public:
    // A line edit's own limit, for an editor told none.
    static constexpr int DEFAULT_MAX_LENGTH = 32767;

    // made is called once with the new editor, for the label to connect it.
    LabelEditor(QGraphicsItem* label, std::function<void(LineTextEditor*)> made);

    bool isMade() const { return !m_editor.isNull(); }
    // The editor, made now if it was not yet.
    LineTextEditor* editor() const;
    // Whether the editor shows (in edit mode, or shown on a double click).
    bool isShown() const;

    // The editor's text: the label's while nobody edits it.
    QString text() const;
    void setText(const QString& text);
    void setMaxLength(int length);
    void setFont(const QFont& font);
    void setAlignment(Qt::Alignment alignment);
    // The editor's place in the label.
    QRectF geometry() const;
    void setGeometry(const QRectF& geometry);
    void setColors(const QList<QPair<QPalette::ColorRole, QColor>>& colors);
    void setContentsMargins(const QMargins& margins);
    // Hides the editor and lets the keyboard go; an editor not made is hidden.
    void leaveEditMode();
    Qt::CursorShape cursorShape() const;

private:
    void applyColors() const;

    QGraphicsItem* m_label;
    std::function<void(LineTextEditor*)> m_made;
    mutable QPointer<LineTextEditor> m_editor;
    QString m_text;
    int m_maxLength = DEFAULT_MAX_LENGTH;
    std::optional<QFont> m_font;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QRectF m_geometry;
    QList<QPair<QPalette::ColorRole, QColor>> m_colors;
    QMargins m_margins;
};

} // namespace Corvane::Gadgets
