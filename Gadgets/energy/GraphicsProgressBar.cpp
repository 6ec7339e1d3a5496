#include "energy/GraphicsProgressBar.h"

#include "energy/TablePaintData.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"
#include "utilities/MathTools.h"

#include <QLocale>
#include <QPainter>
#include <QPropertyAnimation>

#include <cmath>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

const QString GraphicsProgressBar::BACK_COLOR_ID = QStringLiteral("back_color");
const QString GraphicsProgressBar::FILL_COLOR_ID = QStringLiteral("fill_color");
const QString GraphicsProgressBar::BORDER_COLOR_ID = QStringLiteral("border_color");
const QString GraphicsProgressBar::BORDER_WIDTH_ID = QStringLiteral("border_width");
const QString GraphicsProgressBar::LABEL_SUFFIX = QStringLiteral("label");
const QString GraphicsProgressBar::CURRENT_PERCENTAGE_SPECIFIER = QStringLiteral("%p");
const QString GraphicsProgressBar::CURRENT_PROGRESS_SPECIFIER = QStringLiteral("%v");
const QString GraphicsProgressBar::MAXIMUM_PROGRESS_SPECIFIER = QStringLiteral("%m");

namespace {

const int LongestAnimationTime = 5000;

bool sameCoordinate(double a, double b)
{
    return qFuzzyCompare(1.0 + a, 1.0 + b) || std::abs(a - b) <= 1e-12 * qMax(std::abs(a), std::abs(b));
}

bool sameRect(const QRectF& a, const QRectF& b)
{
    return sameCoordinate(a.x(), b.x()) && sameCoordinate(a.y(), b.y()) && sameCoordinate(a.width(), b.width())
        && sameCoordinate(a.height(), b.height());
}

bool hasPositiveSize(const QRectF& rect)
{
    return rect.width() > 0.0 && rect.height() > 0.0;
}

} // namespace

const QStringList& GraphicsProgressBar::textFormatSpecifiers()
{
    static const QStringList specifiers{CURRENT_PERCENTAGE_SPECIFIER, CURRENT_PROGRESS_SPECIFIER,
                                        MAXIMUM_PROGRESS_SPECIFIER};
    return specifiers;
}

GraphicsProgressBar::GraphicsProgressBar(SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
    , m_label(new TextLabel(QString(), this))
    , m_progressAnimation(new QPropertyAnimation(this, "progress", this))
{
    addToChildrensList(m_label);
    m_label->setMode(TextLabel::MultiLineAligned);
    m_label->hide();
    m_progressAnimation->setLoopCount(1);
}

qreal GraphicsProgressBar::percentage() const
{
    const double range = m_maximum - m_minimum;
    if (MathTools::equals(range, 0.0))
        return 0.0;
    return (m_progress - m_minimum) / range;
}

bool GraphicsProgressBar::isProgressInRange(qreal value) const
{
    return m_minimum <= value && value <= m_maximum;
}

void GraphicsProgressBar::setProgressInRange()
{
    setProgress(qBound(m_minimum, m_progress, m_maximum));
}

void GraphicsProgressBar::setProgress(qreal progress)
{
    if (!isProgressInRange(progress))
        return;
    // A value set from outside wins over a running animation, so the bar
    // ends on it and not on the animation's older target.
    if (isAnimationRunning()) {
        m_progressAnimation->stop();
        applyProgress(progress);
        return;
    }
    const double range = m_maximum - m_minimum;
    if (m_animatesProgress && m_animationTime >= 1 && range > MathTools::EPS) {
        m_progressAnimation->setStartValue(m_progress);
        m_progressAnimation->setEndValue(progress);
        m_progressAnimation->setDuration(qRound(m_animationTime * std::abs(progress - m_progress) / range));
        m_progressAnimation->start();
        return;
    }
    applyProgress(progress);
}

void GraphicsProgressBar::setAnimatedProgress(qreal progress)
{
    if (isProgressInRange(progress))
        applyProgress(progress);
}

void GraphicsProgressBar::applyProgress(qreal progress)
{
    m_progress = progress;
    recompileText();
    positionLabel();
    update();
    emit progressChanged(progress);
    emit percentageChanged(percentage());
}

void GraphicsProgressBar::setPercentage(qreal percentage)
{
    if (!(percentage >= 0.0 && percentage <= 1.0))
        return;
    setProgress(m_minimum + percentage * (m_maximum - m_minimum));
    update();
    emit percentageChanged(percentage);
}

void GraphicsProgressBar::setRange(qreal minimum, qreal maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !(maximum >= minimum))
        return;
    m_minimum = minimum;
    m_maximum = maximum;
    setProgressInRange();
}

void GraphicsProgressBar::setMinimum(qreal minimum)
{
    if (!std::isfinite(minimum) || !(minimum <= m_maximum))
        return;
    m_minimum = minimum;
    setProgressInRange();
}

void GraphicsProgressBar::setMaximum(qreal maximum)
{
    if (!std::isfinite(maximum) || !(maximum >= m_minimum))
        return;
    m_maximum = maximum;
    setProgressInRange();
}

void GraphicsProgressBar::setTextFormat(const QString& format)
{
    if (format == m_textFormat)
        return;
    m_textFormat = format;
    m_textFormatHasSpecifiers = std::any_of(textFormatSpecifiers().cbegin(), textFormatSpecifiers().cend(),
                                            [&](const QString& specifier) { return format.contains(specifier); });
    recompileText();
}

QString GraphicsProgressBar::compileText() const
{
    QString text = m_textFormat;
    if (!m_textFormatHasSpecifiers)
        return text;
    const QLocale locale;
    text.replace(CURRENT_PERCENTAGE_SPECIFIER, locale.toString(percentage() * 100.0, 'f', m_decimalsCount));
    text.replace(CURRENT_PROGRESS_SPECIFIER, locale.toString(m_progress, 'f', m_decimalsCount));
    text.replace(MAXIMUM_PROGRESS_SPECIFIER, locale.toString(m_maximum, 'f', m_decimalsCount));
    return text;
}

void GraphicsProgressBar::recompileText()
{
    m_label->setText(compileText());
}

QString GraphicsProgressBar::text() const
{
    return m_label->text();
}

void GraphicsProgressBar::setDecimalsCount(int count)
{
    if (count < 0 || count == m_decimalsCount)
        return;
    m_decimalsCount = count;
    recompileText();
}

bool GraphicsProgressBar::hasLabel() const
{
    return m_label->isVisible();
}

void GraphicsProgressBar::setHasLabel(bool hasLabel)
{
    prepareGeometryChange();
    m_label->setVisible(hasLabel);
}

void GraphicsProgressBar::setLabelAlignment(Qt::Alignment alignment)
{
    if (alignment == m_labelAlignment)
        return;
    m_labelAlignment = alignment;
    positionLabel();
}

void GraphicsProgressBar::positionLabel()
{
    const QRectF bounds = scaledBounds();
    Qt::Alignment horizontal;
    double dx = 0.0;
    if (m_labelAlignment & Qt::AlignLeft) {
        horizontal = Qt::AlignRight;
        dx = -bounds.width();
    } else if (m_labelAlignment & Qt::AlignHCenter) {
        horizontal = Qt::AlignHCenter;
    } else if (m_labelAlignment & Qt::AlignRight) {
        horizontal = Qt::AlignLeft;
        dx = bounds.width();
    }
    Qt::Alignment vertical;
    double dy = 0.0;
    if (m_labelAlignment & Qt::AlignTop) {
        vertical = Qt::AlignBottom;
        dy = -bounds.height();
    } else if (m_labelAlignment & Qt::AlignVCenter) {
        vertical = Qt::AlignVCenter;
    } else if (m_labelAlignment & Qt::AlignBottom) {
        vertical = Qt::AlignTop;
        dy = bounds.height();
    }
    prepareGeometryChange();
    m_label->setTextBounds(QRectF(dx, dy, bounds.width(), bounds.height()));
    m_label->setOuterAlignment(horizontal | vertical);
    m_label->setAlignment(horizontal | vertical);
}

void GraphicsProgressBar::setBackColor(const QGradientStops& stops)
{
    m_backColor = stops;
    update();
}

void GraphicsProgressBar::setFillColor(const QGradientStops& stops)
{
    m_fillColor = stops;
    update();
}

void GraphicsProgressBar::setBorderColor(const QColor& colour)
{
    if (colour == m_borderColor)
        return;
    m_borderColor = colour;
    update();
}

void GraphicsProgressBar::setBorderWidth(double width)
{
    if (width < 0.0 || MathTools::equals(width, m_borderWidth))
        return;
    m_borderWidth = width;
    update();
}

void GraphicsProgressBar::setProgressBarBounds(const QRectF& bounds)
{
    if (sameRect(bounds, m_progressBarBounds))
        return;
    m_progressBarBounds = bounds;
    setBounds(bounds);
    positionLabel();
    update();
}

void GraphicsProgressBar::setAnimationTime(int milliseconds)
{
    if (milliseconds <= 0 || milliseconds > LongestAnimationTime || milliseconds == m_animationTime)
        return;
    m_animationTime = milliseconds;
}

QEasingCurve GraphicsProgressBar::animationEasingCurve() const
{
    return m_progressAnimation->easingCurve();
}

void GraphicsProgressBar::setAnimationEasingCurve(const QEasingCurve& curve)
{
    m_progressAnimation->setEasingCurve(curve);
}

bool GraphicsProgressBar::isAnimationRunning() const
{
    return m_progressAnimation->state() == QAbstractAnimation::Running;
}

void GraphicsProgressBar::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QRectF bounds = SvgControl::boundingRect();
    if (hasPositiveSize(bounds)) {
        if (!m_backColor.isEmpty())
            painter->fillRect(bounds, Models::TablePaintData::stopsToBrush(m_backColor));
        if (!m_fillColor.isEmpty()) {
            const QRectF filled(bounds.x(), bounds.y(), qBound(0.0, percentage(), 1.0) * bounds.width(),
                                bounds.height());
            painter->fillRect(filled, Models::TablePaintData::stopsToBrush(m_fillColor));
        }
        if (m_borderWidth > 0.0 && m_borderColor.isValid()) {
            painter->save();
            painter->setClipRect(bounds, Qt::IntersectClip);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(QBrush(m_borderColor), m_borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            const double inset = qMin(m_borderWidth, qMin(bounds.width(), bounds.height()) / 2.0) / 2.0;
            painter->drawRect(bounds.adjusted(inset, inset, -inset, -inset));
            painter->restore();
        }
    }
    SvgControlObject::paint(painter, option, widget);
}

QRectF GraphicsProgressBar::boundingRect() const
{
    QRectF rect = SvgControl::boundingRect();
    if (m_label->isVisible()) {
        const QRectF labelRect = m_label->mapRectToParent(m_label->boundingRect());
        if (hasPositiveSize(labelRect))
            rect = rect.united(labelRect);
    }
    return rect;
}

void GraphicsProgressBar::setControlId(const QString& id)
{
    SvgControlObject::setControlId(id);
    if (!id.isEmpty())
        m_label->setControlId(id + SUFFIX_SEPARATOR + LABEL_SUFFIX);
}

void GraphicsProgressBar::readThemeSettings(bool force)
{
    if (!force)
        return;
    const QString prefix = controlId() + SUFFIX_SEPARATOR;
    QGradientStops stops;
    if (ThemeProvider::getGradientColorStops(prefix + BACK_COLOR_ID, stops))
        setBackColor(stops);
    if (ThemeProvider::getGradientColorStops(prefix + FILL_COLOR_ID, stops))
        setFillColor(stops);
    setBorderColor(ThemeProvider::getColor(prefix + BORDER_COLOR_ID, Qt::transparent));
    setBorderWidth(ThemeProvider::getReal(prefix + BORDER_WIDTH_ID, 1.0));
    if (ThemeProvider::getGradientColorStops(prefix + LABEL_SUFFIX + FONT_COLOR_SUFFIX_ID, stops))
        m_label->setForeGradientStops(stops);
}

} // namespace Corvane::Gadgets
