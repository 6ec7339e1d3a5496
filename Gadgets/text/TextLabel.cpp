#include "text/TextLabel.h"

#include "text/LineTextEditor.h"
#include "theme/LegacyFontWeight.h"
#include "theme/TextContrast.h"
#include "theme/ThemeProvider.h"

#include "utilities/FontUtilities.h"
#include "utilities/MathTools.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPropertyAnimation>
#include <QValidator>

#include <cmath>

namespace Corvane::Gadgets {

using Corvane::Utilities::FontUtilities;
using Corvane::Utilities::MathTools;

const int TextLabel::BUFFER_PIXELS_COUNT = 16;
const int TextLabel::TEXT_SCROLLING_SLOWNESS = 16;
const qreal TextLabel::TEXT_POSITION_PERCENTAGE_START = 0.0;
const qreal TextLabel::TEXT_POSITION_PERCENTAGE_END = -1.0;
const qreal TextLabel::DROP_SHADOW_X_OFFSET = 1.0;
const qreal TextLabel::DROP_SHADOW_Y_OFFSET = 1.0;
const qreal TextLabel::DROP_SHADOW_BLUR_RADIUS = 1.0;
const qreal TextLabel::TEXT_HEIGHT_TO_DROP_SHADOW_PARAMS_RATIO = 13.044;
const QColor TextLabel::DROP_SHADOW_COLOR = QColor(0, 0, 0, 84);

namespace {

constexpr int SINGLE_LINE_FLAGS = Qt::TextSingleLine | Qt::TextShowMnemonic;
constexpr int SMALLEST_FITTED_PIXEL_SIZE = 9;

bool fuzzyEqual(const QRectF& a, const QRectF& b)
{
    return qFuzzyCompare(a.x() + 1.0, b.x() + 1.0) && qFuzzyCompare(a.y() + 1.0, b.y() + 1.0)
        && qFuzzyCompare(a.width() + 1.0, b.width() + 1.0) && qFuzzyCompare(a.height() + 1.0, b.height() + 1.0);
}

QLinearGradient objectBoundingGradient(const QGradientStops& stops)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setStops(stops);
    return gradient;
}

qreal horizontalFactor(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignLeft)
        return 0.0;
    if (alignment & Qt::AlignHCenter)
        return -0.5;
    if (alignment & Qt::AlignRight)
        return -1.0;
    return 0.0;
}

qreal verticalFactor(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignTop)
        return 0.0;
    if (alignment & Qt::AlignVCenter)
        return -0.5;
    if (alignment & Qt::AlignBottom)
        return -1.0;
    return 0.0;
}

QEvent::Type widgetEventType(QEvent::Type sceneType)
{
    switch (sceneType) {
    case QEvent::GraphicsSceneMousePress:
        return QEvent::MouseButtonPress;
    case QEvent::GraphicsSceneMouseRelease:
        return QEvent::MouseButtonRelease;
    case QEvent::GraphicsSceneMouseDoubleClick:
        return QEvent::MouseButtonDblClick;
    default:
        return QEvent::MouseMove;
    }
}

} // namespace

TextLabel::TextLabel(const QString& text, SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
    , m_scrollAnimation(new QPropertyAnimation(this, "textPositionPercentage", this))
{
    setAcceptHoverEvents(true);
    m_scrollAnimation->setLoopCount(-1);
    m_scrollAnimation->setEasingCurve(QEasingCurve::Linear);
    m_scrollAnimation->setStartValue(TEXT_POSITION_PERCENTAGE_START);
    m_scrollAnimation->setEndValue(TEXT_POSITION_PERCENTAGE_END);
    m_scrollAnimation->setDuration(TEXT_SCROLLING_SLOWNESS * BUFFER_PIXELS_COUNT);

    applyModeFlags(m_mode);
    setText(text);

    m_textShadow = new QGraphicsDropShadowEffect();
    m_textShadow->setColor(DROP_SHADOW_COLOR);
    setGraphicsEffect(m_textShadow);

    updateShadowColors();
    setHasDropShadow(false);

    m_scrollingNoticeTimer.setInterval(1000);
    connect(&m_scrollingNoticeTimer, &QTimer::timeout, this, &TextLabel::textIsScrolling);
}

TextLabel::~TextLabel()
{
    if (scene())
        scene()->removeEventFilter(this);
}

LineTextEditor* TextLabel::editor()
{
    if (!m_editor)
        createEditor();
    return m_editor;
}

// Gives the new editor everything the label was told for it so far.
void TextLabel::createEditor()
{
    m_editor = new LineTextEditor(this);
    connect(m_editor, &QLineEdit::editingFinished, this, &TextLabel::onEditingFinished);
    connect(m_editor, &LineTextEditor::cancelTextEditChanges, this, &TextLabel::onEditingCanceled);
    m_editorProxy = m_editor->proxy();
    m_editor->setIsInEditMode(false);
    m_editor->setFont(m_font);
    if (m_validatorSet)
        m_editor->setValidator(m_validator);
    QPalette palette = m_editor->palette();
    for (auto it = m_editorBrushes.cbegin(); it != m_editorBrushes.cend(); ++it) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, it.key(), it.value());
    }
    m_editor->setPalette(palette);

    m_editorShadow = new QGraphicsDropShadowEffect();
    m_editorProxy->setGraphicsEffect(m_editorShadow);
    m_editorShadow->setEnabled(m_textShadow->isEnabled());
    updateShadowColors();
    updateDropShadowGeometry();
    resetTextEditorBounds();
}

// The shadows follow the text's size on screen.
void TextLabel::updateDropShadowGeometry()
{
    const qreal unit = m_font.pixelSize() / TEXT_HEIGHT_TO_DROP_SHADOW_PARAMS_RATIO * cumulativeScale();
    for (QGraphicsDropShadowEffect* shadow : {m_textShadow, m_editorShadow}) {
        if (!shadow)
            continue;
        shadow->setOffset(unit * DROP_SHADOW_X_OFFSET, unit * DROP_SHADOW_Y_OFFSET);
        shadow->setBlurRadius(unit * DROP_SHADOW_BLUR_RADIUS);
    }
}

void TextLabel::applyModeFlags(TextLabelMode mode)
{
    m_singleLine = mode <= SingleLineElidedHoverScroll;
    m_elide = mode == SingleLineElided || mode == SingleLineElidedHoverScroll;
    m_supportsTextScrolling =
        mode == SingleLineAutoScroll || mode == SingleLineHoverScroll || mode == SingleLineElidedHoverScroll;
    m_scrollWithoutHover = mode == SingleLineAutoScroll;
    m_anchorAtBoundsCentre = mode == MultiLineCentred;
    m_textHeightFitsToBoundsHeight = false;
}

void TextLabel::setText(const QString& text)
{
    QString candidate = text;
    if (!validateAndCorrectText(candidate))
        return;
    m_text = candidate;
    readThemeSettings(false);
    recalculate();
    update();
}

void TextLabel::setTextBounds(const QRectF& bounds)
{
    if (fuzzyEqual(bounds, m_textBounds))
        return;
    m_textBounds = bounds;
    resetTextEditorBounds();
    recalculate();
    update();
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    recalculate();
    update();
}

void TextLabel::setOuterAlignment(Qt::Alignment alignment)
{
    m_outerAlignment = alignment;
    recalculate();
    update();
}

void TextLabel::setMode(int mode)
{
    if (mode < SingleLineClipped || mode > MultiLineCentred)
        return;
    m_mode = TextLabelMode(mode);
    applyModeFlags(m_mode);
    recalculate();
    startScrollAnimation(m_scrollWithoutHover);
    update();
}

void TextLabel::setTextHeightFitsToBoundsHeight(bool fits)
{
    if (fits == m_textHeightFitsToBoundsHeight)
        return;
    m_textHeightFitsToBoundsHeight = fits;
    recalculate();
    update();
}

void TextLabel::setForeGradientStops(const QGradientStops& stops)
{
    m_foreGradientStops = stops;
    updateShadowColors();
    update();
}

void TextLabel::setGradientTreatsMultiAsSingleLineText(bool single)
{
    m_gradientTreatsMultiAsSingleLineText = single;
    if (!m_foreGradientStops.isEmpty())
        update();
}

// Each shadow takes the tone opposite to its text (dark text gets a light
// shadow), so that it sets the text off its ground instead of smearing it.
void TextLabel::updateShadowColors()
{
    if (!m_textShadow)
        return;
    const QColor text = m_foreGradientStops.isEmpty() ? m_fontColor : TextContrast::meanColor(m_foreGradientStops);
    m_textShadow->setColor(TextContrast::shadowColorFor(text, DROP_SHADOW_COLOR.alpha()));
    if (!m_editorShadow)
        return;
    const QColor editText =
        m_editForeGradientStops.isEmpty() ? m_editFontColor : TextContrast::meanColor(m_editForeGradientStops);
    m_editorShadow->setColor(TextContrast::shadowColorFor(editText, DROP_SHADOW_COLOR.alpha()));
}

bool TextLabel::hasDropShadow() const
{
    return m_textShadow->isEnabled();
}

void TextLabel::setHasDropShadow(bool hasShadow)
{
    m_textShadow->setEnabled(hasShadow);
    if (m_editorShadow)
        m_editorShadow->setEnabled(hasShadow);
}

void TextLabel::setEditorBrush(QPalette::ColorRole role, const QBrush& brush)
{
    m_editorBrushes.insert(role, brush);
    if (!m_editor)
        return;
    QPalette palette = m_editor->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, role, brush);
    m_editor->setPalette(palette);
}

void TextLabel::setEditorGradient(QPalette::ColorRole role, const QGradientStops& stops)
{
    setEditorBrush(role, QBrush(objectBoundingGradient(stops)));
}

void TextLabel::setEditFontColor(const QColor& colour)
{
    if (colour == m_editFontColor)
        return;
    m_editFontColor = colour;
    updateShadowColors();
    setEditorBrush(QPalette::Text, colour);
    setEditorBrush(QPalette::WindowText, colour);
    if (m_isEditable)
        update();
}

void TextLabel::setEditForeGradientStops(const QGradientStops& stops)
{
    if (stops == m_editForeGradientStops)
        return;
    m_editForeGradientStops = stops;
    updateShadowColors();
    setEditorGradient(QPalette::Text, stops);
    setEditorGradient(QPalette::WindowText, stops);
    if (m_isEditable)
        update();
}

void TextLabel::setEditHighlightedTextGradientStops(const QGradientStops& stops)
{
    if (stops == m_editHighlightedTextGradientStops)
        return;
    m_editHighlightedTextGradientStops = stops;
    setEditorGradient(QPalette::HighlightedText, stops);
    if (m_isEditable)
        update();
}

void TextLabel::setEditHighlightGradientStops(const QGradientStops& stops)
{
    if (stops == m_editHighlightGradientStops)
        return;
    m_editHighlightGradientStops = stops;
    setEditorGradient(QPalette::Highlight, stops);
    if (m_isEditable)
        update();
}

void TextLabel::setIsEditable(bool editable)
{
    if (editable == m_isEditable)
        return;
    if (m_isInEditState)
        setIsInEditState(false);
    m_isEditable = editable;
}

void TextLabel::setIsInEditState(bool inEditState)
{
    if (!m_isEditable || inEditState == m_isInEditState)
        return;
    m_isInEditState = inEditState;
    editor();
    resetTextEditorBounds();
    m_editor->setIsInEditMode(inEditState);
    if (inEditState) {
        startScrollAnimation(false);
        if (scene())
            scene()->installEventFilter(this);
    } else if (scene()) {
        scene()->removeEventFilter(this);
    }
    emit isInEditModeChanged(inEditState);
}

void TextLabel::onStartEditing()
{
    editor()->setText(m_text);
    m_editor->setAlignment(m_alignment);
    m_editor->setCursorPosition(0);
    setIsInEditState(true);
    emit editStarted();
}

void TextLabel::onEditingFinished()
{
    if (!m_isInEditState)
        return;
    const QString edited = m_editor->text();
    setText(edited);
    postProcessAfterEditing();
    emit editEnded();
    emit textChanged(edited);
}

void TextLabel::onEditingCanceled()
{
    if (!m_isInEditState)
        return;
    postProcessAfterEditing();
    emit editEnded();
}

void TextLabel::postProcessAfterEditing()
{
    setIsInEditState(false);
    setCursor(cursor());
    if (shouldScrollText())
        startScrollAnimation(true);
}

void TextLabel::setValidator(const QValidator* validator)
{
    m_validator = validator;
    m_validatorSet = true;
    if (m_editor)
        m_editor->setValidator(validator);
    QString candidate = m_text;
    if (!validateAndCorrectText(candidate))
        candidate = QString();
    if (candidate != m_text)
        setText(candidate);
}

bool TextLabel::validateAndCorrectText(QString& text) const
{
    if (!m_validator)
        return true;
    int position = -1;
    switch (m_validator->validate(text, position)) {
    case QValidator::Invalid:
        return false;
    case QValidator::Acceptable:
        return true;
    case QValidator::Intermediate:
        break;
    }
    m_validator->fixup(text);
    return m_validator->validate(text, position) == QValidator::Acceptable;
}

bool TextLabel::shouldScrollText() const
{
    return m_supportsTextScrolling && m_requiresTextScrolling && (m_scrollWithoutHover || m_isHovering);
}

void TextLabel::setIsHovering(bool hovering)
{
    if (hovering == m_isHovering)
        return;
    m_isHovering = hovering;
    startScrollAnimation(hovering);
}

void TextLabel::startScrollAnimation(bool start)
{
    if (start) {
        if (m_scrollAnimation->state() == QAbstractAnimation::Stopped) {
            m_scrollAnimation->start();
            update();
            m_scrollingNoticeTimer.start();
        }
        return;
    }
    m_scrollingNoticeTimer.stop();
    if (m_scrollAnimation->state() == QAbstractAnimation::Running) {
        m_scrollAnimation->stop();
        update();
    }
}

bool TextLabel::isScrollAnimationRunning() const
{
    return m_scrollAnimation->state() == QAbstractAnimation::Running;
}

int TextLabel::scrollAnimationDuration() const
{
    return m_scrollAnimation->duration();
}

void TextLabel::checkWhetherRequiresTextScrolling()
{
    m_requiresTextScrolling = m_textRect.width() > m_textBounds.width();
    if (!m_requiresTextScrolling)
        return;
    m_scrollPeriod = m_textRect.width() + BUFFER_PIXELS_COUNT;
    m_scrollAnimation->setDuration(qRound(TEXT_SCROLLING_SLOWNESS * m_scrollPeriod));
}

void TextLabel::setTextPositionPercentage(double percentage)
{
    if (std::abs(percentage - m_textPositionPercentage) <= MathTools::EPS)
        return;
    m_textPositionPercentage = std::clamp(percentage, TEXT_POSITION_PERCENTAGE_END, TEXT_POSITION_PERCENTAGE_START);
    update();
}

void TextLabel::recalculate()
{
    if (m_textBounds.width() <= 0 || m_textBounds.height() <= 0)
        return;
    if (m_singleLine)
        layOutSingleLine();
    else
        layOutMultiLine();
}

// The largest pixel size at which the text fits the height of its bounds
// and, down to a smallest readable size, their width as well.
int TextLabel::fittedPixelSize() const
{
    int size = FontUtilities::heightToPixelSize(m_font, m_textBounds.height(), m_text);
    QFont font = m_font;
    while (size > SMALLEST_FITTED_PIXEL_SIZE) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(m_text) <= m_textBounds.width())
            break;
        --size;
    }
    return size;
}

void TextLabel::layOutSingleLine()
{
    m_textRect = QFontMetricsF(m_font).boundingRect(m_textBounds, SINGLE_LINE_FLAGS, m_text);
    if (m_textHeightFitsToBoundsHeight) {
        const int fitted = fittedPixelSize();
        if (fitted > 0) {
            m_fittedPixelSize = fitted;
            m_font.setPixelSize(fitted);
            m_textRect = QFontMetricsF(m_font).boundingRect(m_textBounds, SINGLE_LINE_FLAGS, m_text);
        }
    } else if (m_themePixelSize > 0) {
        m_font.setPixelSize(m_themePixelSize);
    }
    if (m_editor)
        m_editor->setFont(m_font);

    m_textRect.moveTop(m_textBounds.y() + (m_textBounds.height() - m_textRect.height()) / 2);
    m_textRect.moveLeft(m_textBounds.x());
    setBounds(m_textBounds);
    m_displayedText = m_elide
        ? QFontMetricsF(m_font).elidedText(m_text, Qt::ElideRight, m_textBounds.width(), SINGLE_LINE_FLAGS)
        : m_text;
    if (m_supportsTextScrolling)
        checkWhetherRequiresTextScrolling();
}

void TextLabel::layOutMultiLine()
{
    const QRectF measured = QFontMetricsF(m_font).boundingRect(m_textBounds, Qt::TextShowMnemonic, m_text);
    m_textRect = QRectF(qRound(measured.x()), qRound(measured.y()), qRound(measured.width()), qRound(measured.height()));
    QPointF anchor = m_textBounds.topLeft();
    QSizeF extent(m_textRect.width() - m_textBounds.width(), m_textRect.height() - m_textBounds.height());
    if (m_anchorAtBoundsCentre) {
        anchor = m_textBounds.center();
        extent = m_textRect.size();
    }
    m_textRect.moveTopLeft(anchor + QPointF(extent.width() * horizontalFactor(m_outerAlignment),
                                            extent.height() * verticalFactor(m_outerAlignment)));
    setBounds(m_textRect);
    m_displayedText = m_text;
    m_textPositionPercentage = 0.0;
}

void TextLabel::readThemeSettings(bool force)
{
    if (!force && m_themePixelSize != 0)
        return;
    m_font.setFamily(ThemeProvider::getFontName());
    m_themePixelSize = ThemeProvider::getInt(controlId() + FONT_SIZE_SUFFIX_ID, 10);
    m_fittedPixelSize = m_themePixelSize;
    if (m_themePixelSize > 0)
        m_font.setPixelSize(m_themePixelSize);
    m_font.setWeight(Utilities::LegacyFontWeight::toQt(ThemeProvider::getInt(controlId() + FONT_WEIGHT_SUFFIX_ID, 50)));
    m_fontColor = ThemeProvider::getColor(controlId() + FONT_COLOR_SUFFIX_ID, Qt::black);
    updateShadowColors();
    recalculate();
    update();
}

void TextLabel::resetTextEditorBounds()
{
    if (!m_editorProxy)
        return;
    m_editorProxy->setPos(0, 0);
    m_editorProxy->resize(qRound(m_textBounds.width()), qRound(m_textBounds.height()));
}

bool TextLabel::pointIsInBounds(const QPointF& scenePos) const
{
    return boundingRect().contains(mapFromScene(scenePos));
}

bool TextLabel::pointIsInEditorBounds(const QPointF& scenePos) const
{
    const QPointF local = mapFromScene(scenePos);
    return m_editorProxy->geometry().toRect().contains(QPoint(qRound(local.x()), qRound(local.y())));
}

std::unique_ptr<QMouseEvent> TextLabel::translateGraphicsMouseEvent(const QGraphicsSceneMouseEvent* event) const
{
    const QPointF local = mapFromScene(event->scenePos());
    const QPointF rounded(qRound(local.x()), qRound(local.y()));
    return std::make_unique<QMouseEvent>(widgetEventType(event->type()), rounded - m_editorProxy->pos(), rounded,
                                         event->button(), event->buttons(), event->modifiers());
}

bool TextLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_isInEditState || watched != scene())
        return SvgControlObject::eventFilter(watched, event);
    if (event->type() == QEvent::GraphicsSceneMousePress) {
        auto* press = static_cast<QGraphicsSceneMouseEvent*>(event);
        if (pointIsInEditorBounds(press->scenePos())) {
            m_editor->handleMousePressEvent(translateGraphicsMouseEvent(press).get());
            return true;
        }
        QString edited = m_editor->text();
        if (!validateAndCorrectText(edited))
            return false;
        if (edited != m_editor->text())
            m_editor->setText(edited);
        onEditingFinished();
        return true;
    }
    if (event->type() == QEvent::GraphicsSceneMouseMove)
        m_editor->handleMouseMoveEvent(translateGraphicsMouseEvent(static_cast<QGraphicsSceneMouseEvent*>(event)).get());
    return false;
}

void TextLabel::setCustomScale(qreal scale)
{
    SvgControlObject::setCustomScale(scale);
    updateControlsScale();
}

void TextLabel::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    updateControlsPosition();
}

void TextLabel::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    updateControlsPosition();
}

void TextLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    SvgControlObject::paint(painter, option, widget);
    if (m_isInEditState)
        return;
    painter->save();
    painter->setFont(m_font);

    if (m_foreGradientStops.isEmpty()) {
        painter->setPen(m_fontColor);
    } else {
        QLinearGradient gradient = objectBoundingGradient(m_foreGradientStops);
        if (m_gradientTreatsMultiAsSingleLineText) {
            const QRectF local = m_textRect.translated(-scaledBounds().topLeft());
            gradient = QLinearGradient(local.topLeft(), local.bottomLeft());
            gradient.setStops(m_foreGradientStops);
        }
        QPen pen = painter->pen();
        pen.setBrush(gradient);
        painter->setPen(pen);
    }

    if (m_textShadow->isEnabled())
        updateDropShadowGeometry();
    painter->setRenderHints(QPainter::TextAntialiasing | QPainter::Antialiasing);

    const QRectF rect = boundingRect();
    // Within the clip of its ancestors (a scroll area), never instead of it.
    painter->setClipRect(rect, Qt::IntersectClip);
    const Qt::LayoutDirection direction = QApplication::layoutDirection();
    if (shouldScrollText()) {
        const qreal sign = direction == Qt::RightToLeft ? -1.0 : 1.0;
        QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
        option.setTextDirection(direction);
        option.setWrapMode(QTextOption::NoWrap);
        const qreal first = rect.x() + m_scrollPeriod * m_textPositionPercentage * sign;
        painter->drawText(QRectF(first, rect.y(), m_scrollPeriod, rect.height()), m_text, option);
        painter->drawText(QRectF(first + sign * m_scrollPeriod, rect.y(), m_scrollPeriod, rect.height()), m_text,
                          option);
    } else {
        const Qt::Alignment alignment = m_supportsTextScrolling && m_requiresTextScrolling
            ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
            : m_alignment;
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(direction);
        painter->drawText(rect, m_displayedText, option);
    }
    painter->restore();
}

void TextLabel::updateHovering(const QPointF& scenePos)
{
    if (m_supportsTextScrolling && m_requiresTextScrolling && !m_scrollWithoutHover)
        setIsHovering(pointIsInBounds(scenePos));
}

void TextLabel::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverMoveEvent(event);
    updateHovering(event->scenePos());
}

void TextLabel::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverEnterEvent(event);
    updateHovering(event->scenePos());
}

void TextLabel::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverLeaveEvent(event);
    updateHovering(event->scenePos());
}

void TextLabel::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    const bool inside = pointIsInBounds(event->scenePos());
    if (m_isEditable && !m_isInEditState && inside) {
        event->accept();
        onStartEditing();
    } else if (m_isInEditState && !inside) {
        event->accept();
        onEditingFinished();
    } else {
        SvgControlObject::mouseDoubleClickEvent(event);
    }
}

void TextLabel::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_isInEditState && !pointIsInBounds(event->scenePos())) {
        event->accept();
        onEditingFinished();
        return;
    }
    SvgControlObject::mousePressEvent(event);
}

void TextLabel::keyPressEvent(QKeyEvent* event)
{
    if (!m_isInEditState)
        SvgControlObject::keyPressEvent(event);
}

} // namespace Corvane::Gadgets
