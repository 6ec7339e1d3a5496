#include "slider/SvgSliderControl.h"

#include "controls/PictureSize.h"
#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "controls/SvgElementFinder.h"
#include "gestures/EventConsumer.h"
#include "models/NavigationIcon.h"
#include "theme/LegacyFontWeight.h"
#include "theme/RendererContainer.h"
#include "theme/TextContrast.h"
#include "theme/ThemeProvider.h"

#include "log/Logger.h"
#include "utilities/MathTools.h"
#include "utilities/MathToolsGui.h"

#include <QBitmap>
#include <QGraphicsPathItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>
#include <limits>

namespace Corvane::Gadgets {

using Corvane::Log::Logger;
using Corvane::Utilities::MathTools;
using Corvane::Utilities::MathToolsGui;

const QString SvgSliderControl::BACKGROUND_ID = QStringLiteral("background");
const QString SvgSliderControl::SLIDER_ID = QStringLiteral("slider");
const QString SvgSliderControl::SLIDER_MASK_ID = QStringLiteral("slider_mask");
const QString SvgSliderControl::SLIDER_PATH_ID = QStringLiteral("slider_path");
const QString SvgSliderControl::THUMB_ID = QStringLiteral("thumb");
const QString SvgSliderControl::SLIDER_CONFIG_KEY = QStringLiteral("slider");

namespace {

// The value's plate reaches this share of the text's height beyond it.
constexpr qreal BACKING_SIDE_MARGIN = 0.35;
constexpr qreal BACKING_TOP_MARGIN = 0.05;
const QString BACKING_COLOR_SUFFIX = QStringLiteral("_value_backing_color");
// Share of the filled track still drawn at the minimum.
constexpr double MINIMUM_FILL = 0.01;
// Steps beyond this are not told apart (a step tiny against the range).
constexpr double MAX_STEP_INDEX = std::numeric_limits<int>::max() - 1;

int roundedStepIndex(double step)
{
    if (!std::isfinite(step))
        return 0;
    return qRound(std::clamp(step, -MAX_STEP_INDEX, MAX_STEP_INDEX));
}

} // namespace

SvgSliderControl::SvgSliderControl(Utilities::RendererContainer* renderer, SvgControlObject* parent, bool hidden)
    : SvgControlObject(renderer, parent)
{
    if (hidden)
        setVisible(false);
    createElements();
    QSvgRenderer* svg = renderer ? renderer->renderer() : nullptr;
    if (svg)
        m_sliderPath = Utilities::SvgElementFinder().findPath(svg, SLIDER_PATH_ID);
    m_maskBounds = boundsOnElement(SLIDER_MASK_ID);
    setControlId(SLIDER_CONFIG_KEY);
}

void SvgSliderControl::createElements()
{
    m_background = initElement(BACKGROUND_ID);
    m_slider = initElement(SLIDER_ID);
    m_thumb = initButton(THUMB_ID);

    m_text = new QGraphicsSimpleTextItem(this);
    m_text->setFlag(ItemStacksBehindParent, true);
    // The value hangs beside the gadget, over whatever the desktop shows: a
    // plate of the theme behind it keeps it legible on any desktop, and it
    // needs no blending, so it looks the same where the window cannot be
    // translucent. A child of the text, it follows its place, visibility and
    // opacity.
    m_textBacking = new QGraphicsPathItem(m_text);
    m_textBacking->setFlag(ItemStacksBehindParent, true);
    m_textBacking->setPen(Qt::NoPen);
    m_textBacking->setBrush(TextContrast::shadowColorFor(Qt::black));
}

// A rounded plate around the text, a little wider than high.
void SvgSliderControl::updateTextBacking()
{
    const QRectF text = m_text->boundingRect();
    QPainterPath plate;
    if (!text.isEmpty() && !m_text->text().isEmpty()) {
        const qreal height = text.height();
        const QRectF box = text.adjusted(-height * BACKING_SIDE_MARGIN, -height * BACKING_TOP_MARGIN,
                                         height * BACKING_SIDE_MARGIN, height * BACKING_TOP_MARGIN);
        plate.addRoundedRect(box, box.height() / 2, box.height() / 2);
    }
    m_textBacking->setPath(plate);
}

// Steps.

bool SvgSliderControl::hasUsableStep() const
{
    return std::isfinite(m_valueStep) && m_valueStep > 0.0;
}

double SvgSliderControl::valueInBounds(double value) const
{
    if (value < m_minValue)
        return m_minValue;
    if (value > m_maxValue)
        return m_maxValue;
    return value;
}

int SvgSliderControl::valueToStep(double value) const
{
    if (!hasUsableStep())
        return 0;
    return roundedStepIndex((valueInBounds(value) - m_minValue) / m_valueStep);
}

double SvgSliderControl::stepToValue(int step) const
{
    if (!hasUsableStep())
        return valueInBounds(m_minValue);
    return valueInBounds(step * m_valueStep + m_minValue);
}

int SvgSliderControl::stepsCount() const
{
    const double range = m_maxValue - m_minValue;
    if (MathTools::equals(range, 0.0))
        return 1;
    if (!(range > MathTools::EPS))
        return 0;
    if (!hasUsableStep())
        return 1;
    return roundedStepIndex(std::floor(std::min(range / m_valueStep, MAX_STEP_INDEX))) + 1;
}

bool SvgSliderControl::isValidStep(int step) const
{
    return step >= 0 && step < stepsCount();
}

int SvgSliderControl::nextStep() const
{
    const int current = valueToStep(m_value);
    const int count = stepsCount();
    if (count < 2 || current >= count - 1)
        return current;
    for (int step = current + 1; step < count; ++step) {
        if (!m_invalidValueSteps.contains(step))
            return step;
    }
    return count - 1;
}

int SvgSliderControl::previousStep() const
{
    const int current = valueToStep(m_value);
    if (current < 1)
        return current;
    for (int step = current - 1; step >= 0; --step) {
        if (!m_invalidValueSteps.contains(step))
            return step;
    }
    return 0;
}

int SvgSliderControl::step() const
{
    return valueToStep(m_value);
}

void SvgSliderControl::setStep(int step)
{
    if (isValidStep(step))
        setValue(stepToValue(step));
}

double SvgSliderControl::nextValue() const
{
    return stepToValue(nextStep());
}

double SvgSliderControl::previousValue() const
{
    return stepToValue(previousStep());
}

void SvgSliderControl::setNextValue()
{
    setValue(nextValue());
}

void SvgSliderControl::setPreviousValue()
{
    setValue(previousValue());
}

double SvgSliderControl::percent() const
{
    const double range = m_maxValue - m_minValue;
    if (!(range > MathTools::EPS))
        return 0.0;
    return (m_value - m_minValue) / range;
}

void SvgSliderControl::setPercent(double percent)
{
    setValue(m_minValue + percent * (m_maxValue - m_minValue));
}

void SvgSliderControl::setValueBounds(double minValue, double maxValue, double step)
{
    m_minValue = minValue;
    m_maxValue = maxValue;
    m_valueStep = step;
}

void SvgSliderControl::setValueStep(double step)
{
    m_valueStep = step;
}

void SvgSliderControl::setInvalidValueSteps(const QSet<int>& steps)
{
    m_invalidValueSteps = steps;
}

// Values a rounding error beyond a bound (the end of the track) count as on
// the bound; anything further out is ignored.
void SvgSliderControl::setValue(double value)
{
    if (!std::isfinite(value) || value < m_minValue - MathTools::EPS || value > m_maxValue + MathTools::EPS)
        return;
    const int step = valueToStep(value);
    if (m_invalidValueSteps.contains(step))
        return;
    m_value = stepToValue(step);
    updateVisuals(true);
}

// Text.

void SvgSliderControl::setValueFormat(const QString& format)
{
    if (format == m_valueFormat)
        return;
    m_valueFormat = format;
    updateVisuals(true);
}

void SvgSliderControl::setValuePrecision(int precision)
{
    if (precision == m_valuePrecision)
        return;
    if (!Models::NavigationIcon::ValueData::isValidPrecision(precision)) {
        Logger(Logger::Error) << Q_FUNC_INFO << " Precision out of range -1..6 refused: " << qint64(precision);
        return;
    }
    m_valuePrecision = precision;
    updateVisuals(true);
}

void SvgSliderControl::setTextVisible(bool visible)
{
    m_text->setVisible(visible);
    if (m_textPending && visible)
        updateTextPixmap();
}

bool SvgSliderControl::textVisible() const
{
    return m_text->isVisible();
}

void SvgSliderControl::setTextOffset(const QPointF& offset)
{
    prepareGeometryChange();
    m_textOffset = offset;
    m_text->setPos(offset.x() - m_text->boundingRect().width() / 2, offset.y());
}

QVariant SvgSliderControl::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemVisibleHasChanged && value.toBool() && m_textPending)
        updateTextPixmap();
    return SvgControlObject::itemChange(change, value);
}

// Laying a text out needs its font loaded, which takes milliseconds the
// first time: a text not shown (its slider hidden, or itself) is laid out
// when it shows.
void SvgSliderControl::updateTextPixmap()
{
    m_textPending = !m_text->isVisible();
    if (m_textPending)
        return;
    QString text;
    if (!m_valueFormat.isEmpty()) {
        const QLocale locale;
        const QString number = m_valuePrecision < 0 ? locale.toString(m_value, 'g', 6)
                                                    : locale.toString(m_value, 'f', m_valuePrecision);
        text = m_valueFormat.contains(QLatin1String("%1")) ? m_valueFormat.arg(number, 0, QLatin1Char(' '))
                                                           : m_valueFormat;
    }

    QFont font;
    if (!m_fontFamily.isEmpty())
        font.setFamily(m_fontFamily);
    if (m_fontSize > 0)
        font.setPixelSize(m_fontSize);
    font.setWeight(Utilities::LegacyFontWeight::toQt(m_fontWeight));

    // Bottom to top over the text's own box; a theme without stops gets
    // plain black text.
    QLinearGradient gradient(QPointF(0, 1), QPointF(0, 0));
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    if (m_textColorStops.isEmpty())
        gradient.setStops({{0.0, Qt::black}, {1.0, Qt::black}});
    else
        gradient.setStops(m_textColorStops);

    // Each value, bound, format and precision given tells the text again,
    // mostly as it is: then its place and plate stay as they are too.
    const QBrush brush(gradient);
    if (text == m_text->text() && font == m_text->font() && brush == m_text->brush())
        return;
    const qreal oldWidth = m_text->boundingRect().width();
    // Laying the text out is the costly part, and a new value seldom brings
    // a new font.
    if (font != m_text->font())
        m_text->setFont(font);
    m_text->setBrush(brush);
    m_text->setText(text);
    const qreal newWidth = m_text->boundingRect().width();
    m_text->setX(m_text->x() + oldWidth / 2 - newWidth / 2);
    updateTextBacking();
}

void SvgSliderControl::readThemeSettings(bool force)
{
    if (!force && m_fontSize != 0)
        return;
    m_fontFamily = ThemeProvider::getFontName();
    m_textColorStops.clear();
    ThemeProvider::getGradientColorStops(SLIDER_CONFIG_KEY + FONT_COLOR_SUFFIX_ID, m_textColorStops);
    // The plate sets the text off the desktop: the theme's colour, or else
    // the tone opposite to the text (dark text gets a light plate).
    const QColor text = m_textColorStops.isEmpty() ? QColor(Qt::black) : TextContrast::meanColor(m_textColorStops);
    m_textBacking->setBrush(
        ThemeProvider::getColor(SLIDER_CONFIG_KEY + BACKING_COLOR_SUFFIX, TextContrast::shadowColorFor(text)));
    m_fontSize = getFontSize();
    m_fontWeight = getFontWeight();
    updateVisuals(true);
}

// Drawing.

void SvgSliderControl::setImageVisible(bool visible)
{
    m_imageVisible = visible;
    m_background->setVisible(visible);
    m_slider->setVisible(visible);
    m_thumb->setVisible(visible);
    if (visible)
        updateVisuals(false);
    update();
}

void SvgSliderControl::setSliderOpacity(double opacity)
{
    m_background->setOpacity(opacity);
    m_slider->setOpacity(opacity);
    m_thumb->setOpacity(opacity);
    m_text->setOpacity(opacity);
}

void SvgSliderControl::setSliderTextOpacity(double opacity)
{
    m_text->setOpacity(opacity);
}

qreal SvgSliderControl::pathX(double percent) const
{
    if (m_sliderPath.isEmpty())
        return 0.0;
    return m_sliderPath.pointAtPercent(std::clamp(percent, 0.0, 1.0)).x();
}

void SvgSliderControl::updateVisuals(bool withText)
{
    if (!m_slider || !m_thumb)
        return;
    if (m_imageVisible) {
        double fill = percent();
        if (MathTools::equals(fill, 0.0))
            fill += MINIMUM_FILL;
        const QRectF track = m_slider->scaledBounds();
        // In the track's own coordinates: it paints from its top-left.
        const QRect clip(0, 0, qRound(fill * track.width()), qRound(track.height()));
        m_slider->setVisible(!clip.isEmpty());
        m_slider->setPaintClipRegion(clip.isEmpty() ? QRegion() : QRegion(clip));
        m_slider->update();

        const QRectF thumb = m_thumb->scaledBounds();
        const qreal x = (pathX(percent()) - pathX(0.0)) - thumb.width() / 2 + track.x();
        m_thumb->setBounds(QRectF(x, thumb.y(), thumb.width(), thumb.height()));
    }
    if (withText)
        updateTextPixmap();
    update();
}

QRectF SvgSliderControl::totalSliderOnlyBounds() const
{
    const QRectF background = m_background->scaledBounds();
    const QRectF thumb = m_thumb->scaledBounds();
    return QRectF(background.x() - thumb.width() / 2, background.center().y() - thumb.height() / 2,
                  background.width() + thumb.width(), thumb.height());
}

QRectF SvgSliderControl::totalSliderPlusTextBounds() const
{
    return totalSliderOnlyBounds().united(QRectF(m_textOffset, QSizeF(-1, -1)));
}

QRectF SvgSliderControl::boundingRect() const
{
    return totalSliderPlusTextBounds();
}

// Pointer.

QPoint SvgSliderControl::designPoint(const QPointF& scenePos) const
{
    const QPointF local = mapFromScene(scenePos);
    return QPoint(qRound(local.x()), qRound(local.y()));
}

void SvgSliderControl::moveCloseToPoint(const QPointF& point)
{
    const double fraction = MathToolsGui::guessPercentAtPathPoint(m_sliderPath, point);
    setValue(m_minValue + fraction * (m_maxValue - m_minValue));
}

QRegion SvgSliderControl::getMaskRegion()
{
    if (!m_maskRegion.isEmpty())
        return m_maskRegion;
    QSvgRenderer* renderer = svgRenderer();
    const QSize size(qRound(m_maskBounds.right()), qRound(m_maskBounds.bottom()));
    if (!renderer || size.isEmpty() || m_maskBounds.isEmpty())
        return m_maskRegion;
    const QPixmap pixmap = Utilities::PictureSize::render(size, Utilities::PictureSize::sourceOf(renderer), Qt::white,
                                                          [&](QPainter& painter) {
                                                              renderer->render(&painter, SLIDER_MASK_ID, m_maskBounds);
                                                          });
    m_maskRegion = Utilities::PictureSize::regionFor(QRegion(pixmap.createMaskFromColor(Qt::black, Qt::MaskOutColor)),
                                                     pixmap.size(), size);
    return m_maskRegion;
}

void SvgSliderControl::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    if (!isVisible() || !isEnabled() || event->isAccepted())
        return;
    if (m_imageVisible) {
        const QPoint point = designPoint(event->scenePos());
        if (getMaskRegion().contains(point) && !m_thumb->hitTest(event->scenePos())) {
            // The track takes the press, so that nothing beneath starts a
            // gesture of its own.
            consumer.setConsumer(this);
            event->accept();
            moveCloseToPoint(point);
            emit valueChanged();
        }
    }
    SvgControlObject::handleMousePress(event, consumer);
}

void SvgSliderControl::mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                              void* pressConsumer)
{
    if (isConsumer(pressConsumer, m_thumb)) {
        m_valueChangedByDrag = true;
        moveCloseToPoint(designPoint(event->scenePos()));
        update();
    }
    SvgControlObject::mousePressAndMoveEvent(pressScenePos, event, pressConsumer);
}

void SvgSliderControl::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (m_valueChangedByDrag) {
        m_valueChangedByDrag = false;
        emit valueChanged();
    }
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

// Geometry changes.

void SvgSliderControl::setCustomScale(qreal scale)
{
    SvgControlObject::setCustomScale(scale);
    m_maskRegion = QRegion();
    updateVisuals(true);
}

void SvgSliderControl::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    m_maskRegion = QRegion();
    updateVisuals(false);
}

void SvgSliderControl::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    m_maskRegion = QRegion();
    updateVisuals(false);
}

void SvgSliderControl::updateCachedData()
{
    SvgControlObject::updateCachedData();
    m_maskRegion = QRegion();
    updateVisuals(true);
}

} // namespace Corvane::Gadgets
