#include "navigation/CursorWidget.h"

#include "utilities/InputMaskUpdater.h"
#include "utilities/WidgetUtilities.h"

#include <QCursor>
#include <QGraphicsDropShadowEffect>
#include <QPainter>

namespace Corvane::Gadgets::Utilities {

const int CursorWidget::FOLLOW_INTERVAL_MS = 20;

namespace {

const qreal SHADOW_BLUR_RADIUS = 5.0;
const QPointF SHADOW_OFFSET(2.0, 2.0);

} // namespace

CursorWidget::CursorWidget(const QPixmap& pixmap, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_pixmap(pixmap)
{
    setAttribute(Qt::WA_TranslucentBackground);
    resize(m_pixmap.deviceIndependentSize().toSize());
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(SHADOW_BLUR_RADIUS);
    shadow->setOffset(SHADOW_OFFSET);
    setGraphicsEffect(shadow);
    // Without a compositing manager the window system shows a translucent
    // window's transparent pixels black: the window takes the shape of what
    // it draws, icon and shadow. With one the shape changes nothing, as
    // every pixel left out is fully transparent.
    setMask(Corvane::Utilities::InputMaskUpdater::visibleRegion(grab().toImage()));
    Corvane::Utilities::WidgetUtilities::setWindgetOnTop(this, true);
    m_timer.setInterval(FOLLOW_INTERVAL_MS);
    connect(&m_timer, &QTimer::timeout, this, &CursorWidget::timerTick);
}

void CursorWidget::setCorrectPos()
{
    move(QCursor::pos() - QPoint(width() / 2, height() / 2));
}

void CursorWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setCorrectPos();
    m_timer.start();
}

void CursorWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_timer.stop();
}

void CursorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void CursorWidget::timerTick()
{
    setCorrectPos();
}

} // namespace Corvane::Gadgets::Utilities
