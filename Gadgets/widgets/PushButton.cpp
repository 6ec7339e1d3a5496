#include "widgets/PushButton.h"

#include "controls/PictureSize.h"
#include "controls/SvgControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QPainter>
#include <QSvgRenderer>

namespace Corvane::Gadgets {

namespace {

const QString LEFT_SLICE = QStringLiteral("default_left");
const QString MIDDLE_SLICE = QStringLiteral("default_middle");
const QString RIGHT_SLICE = QStringLiteral("default_right");

// Bounds of an element in document coordinates; empty when it is missing.
QRectF sliceBounds(QSvgRenderer* renderer, const QString& elementId)
{
    return renderer->elementExists(elementId) ? SvgControl::boundsOnElement(elementId, renderer) : QRectF();
}

} // namespace

const QPoint PushButton::PRESSED_OFFSET = QPoint(2, 2);

PushButton::PushButton(const QString& text, const QString& rendererName, QWidget* parent)
    : QPushButton(parent)
    , m_rendererName(rendererName)
{
    setText(text);
    connect(this, &QPushButton::pressed, this, &PushButton::onPressed);
    connect(this, &QPushButton::released, this, &PushButton::onReleased);
}

void PushButton::setText(const QString& text)
{
    if (text == QPushButton::text())
        return;
    QPushButton::setText(text);

    QSvgRenderer* renderer = ThemeProvider::getRendererFor(m_rendererName)->renderer();
    const QRectF left = sliceBounds(renderer, LEFT_SLICE);
    const int height = int(left.height());
    const int width = int(fontMetrics().boundingRect(text).width() + 2 * left.width());
    m_buttonSize = QSize(width, height);
    setFixedSize(width + 4, height + 4);
    paintButtonPixmap();
}

void PushButton::paintButtonPixmap()
{
    if (m_buttonSize.isEmpty()) {
        m_buttonPixmap = QPixmap();
        return;
    }
    QSvgRenderer* renderer = ThemeProvider::getRendererFor(m_rendererName)->renderer();
    const int leftWidth = int(sliceBounds(renderer, LEFT_SLICE).width());
    const int rightWidth = int(sliceBounds(renderer, RIGHT_SLICE).width());
    const int width = m_buttonSize.width();
    const int height = m_buttonSize.height();

    m_buttonPixmap = Utilities::PictureSize::render(
        m_buttonSize, Utilities::PictureSize::sourceOf(renderer), Qt::transparent, [&](QPainter& painter) {
            renderer->render(&painter, MIDDLE_SLICE, QRectF(leftWidth, 0, width - leftWidth - rightWidth, height));
            renderer->render(&painter, LEFT_SLICE, QRectF(0, 0, leftWidth, height));
            renderer->render(&painter, RIGHT_SLICE, QRectF(width - rightWidth, 0, rightWidth, height));
        });
}

void PushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(m_contentOffset, m_buttonPixmap);

    const QRect textRect = fontMetrics().boundingRect(text());
    const int x = m_buttonSize.width() / 2 + m_contentOffset.x() - (textRect.left() + textRect.right()) / 2;
    const int y = m_buttonSize.height() / 2 + m_contentOffset.y() - (textRect.top() + textRect.bottom()) / 2;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(QPoint(x, y), text());
}

void PushButton::onPressed()
{
    m_contentOffset = 2 * PRESSED_OFFSET;
    repaint();
}

void PushButton::onReleased()
{
    m_contentOffset = PRESSED_OFFSET;
    repaint();
}

} // namespace Corvane::Gadgets
