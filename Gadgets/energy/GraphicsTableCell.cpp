#include "energy/GraphicsTableCell.h"

#include "energy/TablePaintData.h"
#include "text/TextLabel.h"
#include "utilities/MathTools.h"

#include <QPainter>
#include <QPen>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

const double GraphicsTableCell::BORDER_WIDTH_DEFAULT = 1.0;
const QMarginsF GraphicsTableCell::EDIT_STATE_BACK_COLOR_MARGINS_DEFAULT(4.0515, 1.778, 4.0515, 1.778);

GraphicsTableCell::GraphicsTableCell(SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
    , m_textLabel(new TextLabel(QString(), this))
{
    addToChildrensList(m_textLabel);
    m_textLabel->setTextHeightFitsToBoundsHeight(true);
    connect(m_textLabel, &TextLabel::textChanged, this, &GraphicsTableCell::textChanged);
}

QString GraphicsTableCell::text() const
{
    return m_textLabel->text();
}

void GraphicsTableCell::setText(const QString& text)
{
    if (text != m_textLabel->text())
        m_textLabel->setText(text);
}

Qt::Alignment GraphicsTableCell::textAlignment() const
{
    return m_textLabel->alignment();
}

void GraphicsTableCell::setTextAlignment(const Qt::Alignment& alignment)
{
    if (alignment != m_textLabel->alignment())
        m_textLabel->setAlignment(alignment);
}

QGradientStops GraphicsTableCell::foreGradientStops() const
{
    return m_textLabel->foreGradientStops();
}

void GraphicsTableCell::setForeGradientStops(const QGradientStops& stops)
{
    m_textLabel->setForeGradientStops(stops);
    update();
}

QColor GraphicsTableCell::editForeColor() const
{
    return m_textLabel->editFontColor();
}

void GraphicsTableCell::setEditForeColor(const QColor& colour)
{
    m_textLabel->setEditFontColor(colour);
}

bool GraphicsTableCell::isEditable() const
{
    return m_textLabel->isEditable();
}

void GraphicsTableCell::setIsEditable(bool editable)
{
    m_textLabel->setIsEditable(editable);
}

const QValidator* GraphicsTableCell::validator() const
{
    return m_textLabel->validator();
}

void GraphicsTableCell::setValidator(const QValidator* validator)
{
    m_textLabel->setValidator(validator);
}

void GraphicsTableCell::setBackGradientStops(const QGradientStops& stops)
{
    m_backGradientStops = stops;
    update();
}

void GraphicsTableCell::setEditBackGradientStops(const QGradientStops& stops)
{
    m_editBackGradientStops = stops;
    update();
}

void GraphicsTableCell::setBorderColor(const QColor& colour)
{
    if (colour == m_borderColor)
        return;
    m_borderColor = colour;
    update();
}

void GraphicsTableCell::setBorderWidth(double width)
{
    if (width < 0.0 || MathTools::equals(width, m_borderWidth))
        return;
    m_borderWidth = width;
    update();
}

void GraphicsTableCell::setEditBackPaddings(const QMarginsF& paddings)
{
    m_editBackPaddings = paddings;
    update();
}

QRectF GraphicsTableCell::textBounds() const
{
    return boundingRect().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
}

QRectF GraphicsTableCell::editBackBounds() const
{
    return boundingRect().adjusted(m_editBackPaddings.left() + m_borderWidth, m_editBackPaddings.top() + m_borderWidth,
                                   -(m_editBackPaddings.right() + m_borderWidth),
                                   -(m_editBackPaddings.bottom() + m_borderWidth));
}

void GraphicsTableCell::resetTextBounds()
{
    m_textLabel->setTextBounds(editBackBounds());
}

QRectF GraphicsTableCell::borderRect() const
{
    const QRectF r = boundingRect();
    const double half = qMin(r.width(), r.height()) / 2.0;
    const double inset = m_borderWidth > half ? half / 2.0 : m_borderWidth / 2.0;
    return r.adjusted(inset, inset, -inset, -inset);
}

void GraphicsTableCell::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    resetTextBounds();
}

void GraphicsTableCell::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QRectF r = boundingRect();
    if (r.width() > 0.0 && r.height() > 0.0) {
        if (!m_backGradientStops.isEmpty())
            painter->fillRect(r, Models::TablePaintData::stopsToBrush(m_backGradientStops));
        if (!m_editBackGradientStops.isEmpty())
            painter->fillRect(editBackBounds(), Models::TablePaintData::stopsToBrush(m_editBackGradientStops));
        if (m_borderWidth > 0.0 && m_borderColor.isValid()) {
            painter->save();
            // A border wider than the cell must not spill onto its neighbours.
            painter->setClipRect(r, Qt::IntersectClip);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(QBrush(m_borderColor), m_borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter->drawRect(borderRect());
            painter->restore();
        }
    }
    SvgControlObject::paint(painter, option, widget);
}

} // namespace Corvane::Gadgets
