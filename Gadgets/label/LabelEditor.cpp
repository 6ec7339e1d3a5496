#include "label/LabelEditor.h"

#include "text/LineTextEditor.h"

#include <QGraphicsProxyWidget>

namespace Corvane::Gadgets {

LabelEditor::LabelEditor(QGraphicsItem* label, std::function<void(LineTextEditor*)> made)
    : m_label(label)
    , m_made(std::move(made))
{
}

LineTextEditor* LabelEditor::editor() const
{
    if (m_editor)
        return m_editor;
    auto* editor = new LineTextEditor(m_text, m_label);
    m_editor = editor;
    // The editor covers exactly the text box, however small the font.
    editor->proxy()->setMinimumSize(1, 1);
    editor->setIsInEditMode(false);
    editor->setMaxLength(m_maxLength);
    if (m_font)
        editor->setFont(*m_font);
    editor->setAlignment(m_alignment);
    editor->setContentsMargins(m_margins);
    applyColors();
    editor->proxy()->setGeometry(m_geometry);
    m_made(editor);
    return editor;
}

bool LabelEditor::isShown() const
{
    return m_editor && m_editor->proxy()->isVisible();
}

QString LabelEditor::text() const
{
    return m_editor ? m_editor->text() : m_text;
}

void LabelEditor::setText(const QString& text)
{
    m_text = text;
    if (m_editor)
        m_editor->setText(text);
}

void LabelEditor::setMaxLength(int length)
{
    m_maxLength = length;
    if (m_editor)
        m_editor->setMaxLength(length);
}

void LabelEditor::setFont(const QFont& font)
{
    m_font = font;
    if (m_editor)
        m_editor->setFont(font);
}

void LabelEditor::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    if (m_editor)
        m_editor->setAlignment(alignment);
}

QRectF LabelEditor::geometry() const
{
    return m_editor ? m_editor->proxy()->geometry() : m_geometry;
}

void LabelEditor::setGeometry(const QRectF& geometry)
{
    m_geometry = geometry;
    if (m_editor)
        m_editor->proxy()->setGeometry(geometry);
}

void LabelEditor::setColors(const QList<QPair<QPalette::ColorRole, QColor>>& colors)
{
    m_colors = colors;
    if (m_editor)
        applyColors();
}

void LabelEditor::applyColors() const
{
    QPalette palette = m_editor->palette();
    for (const auto& [role, colour] : m_colors) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, colour);
    }
    m_editor->setPalette(palette);
}

void LabelEditor::setContentsMargins(const QMargins& margins)
{
    m_margins = margins;
    if (m_editor)
        m_editor->setContentsMargins(margins);
}

void LabelEditor::leaveEditMode()
{
    if (m_editor)
        m_editor->setIsInEditMode(false);
}

Qt::CursorShape LabelEditor::cursorShape() const
{
    return m_editor ? m_editor->cursor().shape() : Qt::IBeamCursor;
}

} // namespace Corvane::Gadgets
