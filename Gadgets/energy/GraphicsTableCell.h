#pragma once

#include "controls/SvgControlObject.h"

#include <QColor>
#include <QGradientStops>
#include <QMarginsF>

class QValidator;

namespace Corvane::Gadgets {

class TextLabel;

// One cell or header section of a graphics table: paints its fill, the fill
// of its edit field and a border kept inside the cell, and shows (and, when
// editable, edits) its text through a label.
class GraphicsTableCell : public SvgControlObject
{
    Q_OBJECT

public:
    static const double BORDER_WIDTH_DEFAULT;
    static const QMarginsF EDIT_STATE_BACK_COLOR_MARGINS_DEFAULT;

    explicit GraphicsTableCell(SvgControlObject* parent);

    TextLabel* label() const { return m_textLabel; }
    QString text() const;
    void setText(const QString& text);
    Qt::Alignment textAlignment() const;
    void setTextAlignment(const Qt::Alignment& alignment);
    QGradientStops foreGradientStops() const;
    void setForeGradientStops(const QGradientStops& stops);
    QColor editForeColor() const;
    void setEditForeColor(const QColor& colour);
    bool isEditable() const;
    void setIsEditable(bool editable);
    const QValidator* validator() const;
    void setValidator(const QValidator* validator);

    QGradientStops backGradientStops() const { return m_backGradientStops; }
    void setBackGradientStops(const QGradientStops& stops);
    QGradientStops editBackGradientStops() const { return m_editBackGradientStops; }
    void setEditBackGradientStops(const QGradientStops& stops);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& colour);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    QMarginsF editBackPaddings() const { return m_editBackPaddings; }
    void setEditBackPaddings(const QMarginsF& paddings);

    QRectF textBounds() const;
    QRectF editBackBounds() const;
    void resetTextBounds();
    // The rectangle the border is stroked along (its pen lies inside the cell).
    QRectF borderRect() const;

    void setBounds(const QRectF& rect) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void textChanged(QString changedText);

private:
    double m_borderWidth = BORDER_WIDTH_DEFAULT;
    QGradientStops m_backGradientStops;
    QGradientStops m_editBackGradientStops;
    QMarginsF m_editBackPaddings = EDIT_STATE_BACK_COLOR_MARGINS_DEFAULT;
    QColor m_borderColor;
    TextLabel* m_textLabel;
};

} // namespace Corvane::Gadgets
