#include "label/Label.h"

#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "dropdown/SvgDropDown.h"
#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"
#include "text/LineTextEditor.h"
#include "theme/ThemeProvider.h"

#include "log/Logger.h"
#include "utilities/FontUtilities.h"
#include "utilities/MathTools.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QPixmap>
#include <QPropertyAnimation>

#include <cmath>

namespace Corvane::Gadgets {

using Corvane::Log::Logger;
using Corvane::Utilities::FontUtilities;
using Corvane::Utilities::MathTools;

const QString Label::BACKGROUND = QStringLiteral("background");
const QString Label::BACKGROUND_EDIT = QStringLiteral("background_edit");
const QString Label::TAIL_ID = QStringLiteral("tail_%1");
const QString Label::TAIL_EDIT_ID = QStringLiteral("tail_%1_edit");
const QString Label::TEXT_PLACEHOLDER_ID = QStringLiteral("text_placeholder");
const QString Label::TEXT_PLACEHOLDER_FULL_ID = QStringLiteral("text_placeholder_full");
const QString Label::BUTTON_PLACEHOLDER_ID = QStringLiteral("button_placeholder");
const QString Label::LABEL_BUTTON_REFRESH_ID = QStringLiteral("refresh");
const QString Label::LABEL_BUTTON_CLOSE_ID = QStringLiteral("close");
const QString Label::LABEL_BUTTON_REFRESH_EDIT_ID = QStringLiteral("refresh_edit");
const QString Label::LABEL_BUTTON_CLOSE_EDIT_ID = QStringLiteral("close_edit");
const QString Label::COLOR_SUFFIX_ID = QStringLiteral("color");
const QString Label::EDIT_COLOR_SUFFIX_ID = QStringLiteral("edit_color");
const QString Label::EDIT_BACKGROUND_COLOR_SUFFIX_ID = QStringLiteral("edit_background_color");
const QString Label::EDIT_SELECTION_COLOR_SUFFIX_ID = QStringLiteral("edit_selection_color");
const QString Label::EDIT_SELECTION_BACKGROUND_COLOR_SUFFIX_ID = QStringLiteral("edit_selection_background_color");
const QString Label::ROW_PREFIX_TEMPLATE = QStringLiteral("row_%1");
const QString Label::DROP_DOWN_SUFFIX = QStringLiteral("drop_down");

QList<Label*> Label::s_labels;

namespace {

constexpr int TEXT_FLAGS = Qt::TextSingleLine | Qt::TextShowMnemonic;
constexpr qreal SCROLL_GAP = 16.0;
constexpr qreal SCROLL_SLOWNESS = 16.0;
constexpr int DEFAULT_FONT_POINT_SIZE = 16;
constexpr int DEFAULT_FONT_PIXEL_SIZE = 10;
constexpr int SCROLL_NOTICE_INTERVAL = 1000;

bool hasArea(const QRectF& rect)
{
    return rect.width() > 0 && rect.height() > 0;
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

QString rowTwoId(const QString& id)
{
    return Label::ROW_PREFIX_TEMPLATE.arg(2) + SvgControl::SUFFIX_SEPARATOR + id;
}

} // namespace

Label::RowGraphicsProvider::RowGraphics::RowGraphics(SvgElement* background, SvgElement* tail,
                                                      SvgElement* backgroundEdit, SvgElement* tailEdit)
    : m_background(background)
    , m_tail(tail)
    , m_backgroundEdit(backgroundEdit)
    , m_tailEdit(tailEdit)
{
}

void Label::RowGraphicsProvider::addRow(SvgElement* background, SvgElement* tail, SvgElement* backgroundEdit,
                                        SvgElement* tailEdit)
{
    m_rows.append(RowGraphics(background, tail, backgroundEdit, tailEdit));
}

void Label::RowGraphicsProvider::setRowCount(int count)
{
    if (count < 1 || count > m_rows.size())
        return;
    m_currentRow = count - 1;
    for (int row = 0; row < m_rows.size(); ++row) {
        const RowGraphics& graphics = m_rows.at(row);
        for (SvgElement* element :
             {graphics.background(), graphics.tail(), graphics.backgroundEdit(), graphics.tailEdit()})
            element->setVisible(row == m_currentRow);
    }
}

QList<SvgElement*> Label::RowGraphicsProvider::elements() const
{
    QList<SvgElement*> all;
    for (const RowGraphics& row : m_rows)
        all << row.background() << row.tail() << row.backgroundEdit() << row.tailEdit();
    return all;
}

Label::Label(Utilities::RendererContainer* renderer, Utilities::RendererContainer* dropDownRenderer,
             Utilities::RendererContainer* dropDownItemRenderer, SvgControlObject* parent, int tailNumber)
    : SvgControlObject(renderer, parent)
    , m_font(ThemeProvider::getFontName(), DEFAULT_FONT_POINT_SIZE)
    , m_scrollAnimation(new QPropertyAnimation(this, "textPositionPercentage", this))
    , m_editor(this, [this](LineTextEditor* editor) { connectEditor(editor); })
    , m_dropDownRenderer(dropDownRenderer)
    , m_dropDownItemRenderer(dropDownItemRenderer)
{
    s_labels.append(this);
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);

    m_scrollAnimation->setLoopCount(-1);
    m_scrollAnimation->setDuration(0);
    m_scrollAnimation->setEasingCurve(QEasingCurve::Linear);
    m_scrollAnimation->setStartValue(0.0);
    m_scrollAnimation->setEndValue(-1.0);

    createElements(tailNumber);

    m_scrollTimer.setInterval(SCROLL_NOTICE_INTERVAL);
    connect(&m_scrollTimer, &QTimer::timeout, this, &Label::textIsScrolling);

    m_textPlaceholderBounds = boundsOnElement(TEXT_PLACEHOLDER_ID);
    m_fullTextPlaceholderBounds = boundsOnElement(TEXT_PLACEHOLDER_FULL_ID);

    connect(this, &Label::closeButtonClicked, this, &Label::onCancelTextEditChanges);

    setupButtons();
    layOutElements();
    setupText();
    setIsDoubleRowLabel(false);
    setButtonConfig(NoButton);
    setTextFont(m_font);
    setTextAlignment(Qt::AlignLeft);
}

Label::~Label()
{
    s_labels.removeOne(this);
    if (m_filteredScene)
        m_filteredScene->removeEventFilter(this);
}

void Label::createElements(int tailNumber)
{
    createRow(QString(), tailNumber);
    createRow(rowTwoId(QString()), tailNumber);
}

void Label::createRow(const QString& idPrefix, int tailNumber)
{
    SvgElement* background = initElement(idPrefix + BACKGROUND);
    SvgElement* backgroundEdit = initElement(idPrefix + BACKGROUND_EDIT);
    SvgElement* tail = initElement(idPrefix + TAIL_ID.arg(tailNumber));
    SvgElement* tailEdit = initElement(idPrefix + TAIL_EDIT_ID.arg(tailNumber));
    m_rows.addRow(background, tail, backgroundEdit, tailEdit);
}

// ---- Plate -----------------------------------------------------------------

void Label::setupButtons()
{
    m_buttons = {loadButton(LABEL_BUTTON_REFRESH_ID), loadButton(LABEL_BUTTON_CLOSE_ID)};
    m_editButtons = {loadButton(LABEL_BUTTON_REFRESH_EDIT_ID), loadButton(LABEL_BUTTON_CLOSE_EDIT_ID)};
}

SvgButton* Label::loadButton(const QString& id)
{
    auto* button = new SvgButton(rendererContainer(), id, this);
    button->setCustomBoundsElementId(BUTTON_PLACEHOLDER_ID);
    button->hide();
    addToChildren(button);
    return button;
}

SvgButton* Label::button(ButtonConfig config, bool edit) const
{
    const QList<SvgButton*>& buttons = edit ? m_editButtons : m_buttons;
    return config == NoButton ? nullptr : buttons.at(config);
}

void Label::manageButtonsVisibility()
{
    for (SvgButton* each : m_buttons + m_editButtons)
        each->hide();
    if (m_buttonConfig != NoButton)
        button(m_buttonConfig, m_inEditMode)->show();
}

void Label::manageEditModeInterface()
{
    m_rows.background()->setVisible(!m_inEditMode);
    m_rows.tail()->setVisible(!m_inEditMode);
    m_rows.backgroundEdit()->setVisible(m_inEditMode);
    m_rows.tailEdit()->setVisible(m_inEditMode);
    manageButtonsVisibility();
}

void Label::setButtonConfig(int config)
{
    if (config != RefreshButton && config != CloseButton && config != NoButton)
        return;
    m_previousButtonConfig = m_buttonConfig;
    m_buttonConfig = ButtonConfig(config);
    m_textBox = m_buttonConfig == NoButton ? m_fullTextPlaceholderBounds : m_textPlaceholderBounds;
    manageButtonsVisibility();
    setupText();
    update();
}

SvgDropDown* Label::row2DropDown()
{
    if (!m_dropDown)
        createRow2DropDown();
    return m_dropDown;
}

// Most labels never show a second row: the drop-down is made when first
// needed, with what the label was told for it so far.
void Label::createRow2DropDown()
{
    m_dropDown = new SvgDropDown(m_dropDownRenderer, m_dropDownItemRenderer, this);
    addToChildren(m_dropDown);
    m_dropDown->setBounds(row2DropDownBounds());
    m_dropDown->setCustomScale(customScale());
    m_dropDown->setElementsSuffix(elementsSuffix());
    if (!controlId().isEmpty())
        m_dropDown->setControlId(controlId() + SUFFIX_SEPARATOR + DROP_DOWN_SUFFIX);
    m_dropDown->setOpacity(m_textOpacity);
    m_dropDown->setVisible(m_doubleRow);
    QList<Models::DropDownItemModel*> items;
    for (const QPointer<Models::DropDownItemModel>& item : std::as_const(m_dropDownItems))
        if (item)
            items.append(item);
    m_dropDown->setItemsModels(items);
    m_dropDown->setText(m_dropDownText);
    connect(m_dropDown, &SvgDropDown::itemIconClick, this, &Label::row2DropDownItemIconClick);
    connect(m_dropDown, &SvgDropDown::itemTextChanged, this, &Label::row2DropDownItemTextChanged);
    connect(m_dropDown, &SvgDropDown::textIsScrolling, this, &Label::textIsScrolling);
    connect(m_dropDown, &SvgDropDown::isInEditModeChanged, this, &Label::isInEditModeChanged);
}

void Label::setIsDoubleRowLabel(bool doubleRow)
{
    m_doubleRow = doubleRow;
    if (doubleRow)
        row2DropDown()->setVisible(true);
    else if (m_dropDown)
        m_dropDown->setVisible(false);
    m_rows.setRowCount(doubleRow ? 2 : 1);
    setBounds(QRectF(pos(), totalBounds().size()));
    manageEditModeInterface();
}

QRectF Label::totalBounds() const
{
    QRectF total;
    for (SvgElement* element : {m_rows.background(), m_rows.tail()}) {
        const QRectF bounds = element->scaledBounds();
        if (hasArea(bounds))
            total = total.isNull() ? bounds : total.united(bounds);
    }
    return total;
}

QRectF Label::backgroundBounds() const
{
    return m_rows.background()->scaledBounds();
}

void Label::updateCachedData()
{
    SvgControlObject::updateCachedData();
    layOutElements();
    setBounds(QRectF(pos(), totalBounds().size()));
    setupText();
}

void Label::layOutElements()
{
    // Everything is placed relative to the top-left of the row-1 plate.
    const QPointF toOrigin = -boundsOnElement(BACKGROUND).topLeft();
    for (SvgElement* element : m_rows.elements())
        element->setBounds(boundsOnElement(element->fullElementId()).translated(toOrigin));
    m_textPlaceholderBounds = boundsOnElement(TEXT_PLACEHOLDER_ID).translated(toOrigin);
    m_fullTextPlaceholderBounds = boundsOnElement(TEXT_PLACEHOLDER_FULL_ID).translated(toOrigin);
    m_textBox = m_buttonConfig == NoButton ? m_fullTextPlaceholderBounds : m_textPlaceholderBounds;

    const QPointF buttonTopLeft = boundsOnElement(BUTTON_PLACEHOLDER_ID).translated(toOrigin).topLeft();
    for (SvgButton* each : m_buttons + m_editButtons) {
        const QSizeF size = boundsOnElement(each->baseId() + SvgButton::DEFAULT_SUFFIX).size();
        each->setButtonBounds(QRectF(buttonTopLeft, size));
    }
    if (m_dropDown)
        m_dropDown->setBounds(row2DropDownBounds());
}

QRectF Label::row2DropDownBounds() const
{
    return boundsOnElement(rowTwoId(TEXT_PLACEHOLDER_ID)).translated(-boundsOnElement(BACKGROUND).topLeft());
}

// ---- Second-row drop-down ----------------------------------------------------

void Label::setRow2DropDownModel(const Models::DropDownModel& model)
{
    setRow2DropDownItems(model.itemsModels());
    setRow2DropDownText(model.text());
}

void Label::setRow2DropDownText(const QString& text)
{
    m_dropDownText = text;
    if (m_dropDown)
        m_dropDown->setText(text);
}

void Label::setRow2DropDownItems(const QList<Models::DropDownItemModel*>& itemsModels)
{
    m_dropDownItems = QList<QPointer<Models::DropDownItemModel>>(itemsModels.cbegin(), itemsModels.cend());
    if (m_dropDown)
        m_dropDown->setItemsModels(itemsModels);
}

// ---- Text ------------------------------------------------------------------

void Label::setText(const QString& text)
{
    if (m_inEditMode) {
        setIsInEditMode(false);
        m_editor.leaveEditMode();
    } else {
        setIsTextScrolling(false);
    }
    QString limited = text;
    validateModifyText(limited);
    m_text = limited;
    m_editor.setText(m_text);
    setupText();
    update();
}

void Label::setMaxChars(int maxChars)
{
    if (maxChars < 1 || maxChars == m_maxChars)
        return;
    m_maxChars = maxChars;
    if (m_text.length() > m_maxChars)
        setText(m_text.left(m_maxChars));
    m_editor.setMaxLength(m_maxChars);
}

bool Label::validateModifyText(QString& text) const
{
    if (text.length() <= m_maxChars)
        return false;
    text.truncate(m_maxChars);
    return true;
}

void Label::setTextFont(const QFont& font)
{
    m_font = font;
    recalculateModifiedFont();
    update();
}

void Label::setTextHeightFitsToBoundsHeight(bool fits)
{
    m_textHeightFitsToBoundsHeight = fits;
    recalculateModifiedFont();
}

void Label::recalculateModifiedFont()
{
    m_effectiveFont = m_font;
    const int pixelSize = m_textHeightFitsToBoundsHeight
        ? FontUtilities::heightToPixelSize(m_font, m_textPlaceholderBounds.height(), QString())
        : m_fontPixelSize;
    if (pixelSize > 0) {
        m_effectiveFont.setPixelSize(pixelSize);
        m_editor.setFont(m_effectiveFont);
    }
    setupText();
}

void Label::setTextColor(const QColor& colour)
{
    if (colour == m_textColor)
        return;
    m_textColor = colour;
    setupText();
    update();
}

void Label::setTextAlignment(Qt::Alignment alignment)
{
    for (Qt::AlignmentFlag horizontal : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
        if (alignment & horizontal) {
            m_textAlignment = horizontal;
            break;
        }
    }
    m_editor.setAlignment(m_textAlignment | Qt::AlignVCenter);
}

void Label::setTextOpacity(qreal opacity)
{
    m_textOpacity = opacity;
    if (m_dropDown)
        m_dropDown->setOpacity(opacity);
    update();
}

void Label::connectEditor(LineTextEditor* editor)
{
    connect(editor, &QLineEdit::editingFinished, this, &Label::onEditingFinished);
    connect(editor, &LineTextEditor::cancelTextEditChanges, this, &Label::onCancelTextEditChanges);
}

void Label::setupText()
{
    const QFontMetricsF metrics(m_effectiveFont);
    // No text takes no room: its font is not measured, which spares loading
    // one while a new label has only its default font.
    const QRectF bounds = m_text.isEmpty() ? QRectF() : metrics.boundingRect(m_textBox, TEXT_FLAGS, m_text);
    m_scrollNeeded = bounds.width() > m_textBox.width();
    setTextAlignment(m_textAlignment);
    if (m_scrollNeeded) {
        m_shownText = metrics.elidedText(m_text, Qt::ElideRight, m_textBox.width(), TEXT_FLAGS);
        m_scrollWidth = bounds.width() + SCROLL_GAP;
        m_scrollDuration = int(SCROLL_SLOWNESS * m_scrollWidth);
    } else {
        m_shownText = m_text;
        m_scrollDuration = 0;
        m_scrollWidth = bounds.width();
    }
    m_editor.setGeometry(QRectF(qRound(m_textBox.x()), qRound(m_textBox.y()), qRound(m_textBox.width()),
                                qRound(m_textBox.height())));
}

// ---- Scrolling ---------------------------------------------------------------

void Label::setTextPositionPercentage(qreal percentage)
{
    if (std::abs(percentage - m_textPositionPercentage) <= MathTools::EPS)
        return;
    m_textPositionPercentage = std::clamp(percentage, -1.0, 0.0);
    update();
}

void Label::setIsTextScrolling(bool scrolling)
{
    const bool running = m_scrollAnimation->state() == QAbstractAnimation::Running;
    if (m_scrollNeeded) {
        if (scrolling) {
            m_scrolling = true;
            if (m_scrollAnimation->state() == QAbstractAnimation::Stopped) {
                m_scrollAnimation->setDuration(m_scrollDuration);
                m_scrollAnimation->start();
                m_scrollTimer.start();
                update();
            }
            return;
        }
        m_scrolling = false;
        if (running) {
            m_scrollAnimation->stop();
            update();
        }
    } else if (running) {
        m_scrollAnimation->stop();
    }
    m_scrollTimer.stop();
}

void Label::handleHoverEvent(const QPointF& scenePos)
{
    if (!m_scrollNeeded)
        return;
    m_pointerOverText = m_textBox.contains(mapFromScene(scenePos));
    if (!m_scrolling && m_pointerOverText)
        setIsTextScrolling(true);
    else if (m_scrolling && !m_pointerOverText)
        setIsTextScrolling(false);
}

void Label::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    handleHoverEvent(event->scenePos());
    SvgControlObject::hoverMoveEvent(event);
}

void Label::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    handleHoverEvent(event->scenePos());
    SvgControlObject::hoverEnterEvent(event);
}

void Label::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    handleHoverEvent(event->scenePos());
    SvgControlObject::hoverLeaveEvent(event);
}

// ---- Painting ------------------------------------------------------------------

void Label::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    SvgControlObject::paint(painter, option, widget);
    if (m_editor.isShown())
        return;
    painter->save();
    painter->setPen(m_textColor);
    painter->setFont(m_effectiveFont);
    painter->setClipRect(m_textBox);
    painter->setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter->setLayoutDirection(QApplication::layoutDirection());
    if (m_scrollNeeded && m_pointerOverText) {
        paintMarquee(painter);
    } else {
        const qreal opacity = painter->opacity();
        painter->setOpacity(opacity * m_textOpacity);
        const Qt::Alignment alignment = m_scrollNeeded ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                                       : m_textAlignment | Qt::AlignVCenter;
        painter->drawText(m_textBox, int(alignment), m_shownText);
        painter->setOpacity(opacity);
    }
    painter->restore();
}

void Label::paintMarquee(QPainter* painter) const
{
    // Two copies of the whole text a scroll width apart make an endless loop.
    const qreal direction = QApplication::layoutDirection() == Qt::RightToLeft ? -1.0 : 1.0;
    QRectF box = m_textBox;
    box.setWidth(m_scrollWidth);
    box.translate(m_scrollWidth * m_textPositionPercentage * direction, 0);
    const int alignment = Qt::AlignLeft | Qt::AlignVCenter;
    painter->drawText(box, alignment, m_text);
    box.translate(direction * m_scrollWidth, 0);
    painter->drawText(box, alignment, m_text);
}

// ---- Buttons and theme ---------------------------------------------------------

void Label::onElementClick(SvgElement* element)
{
    if (element == m_buttons.at(RefreshButton) || element == m_editButtons.at(RefreshButton)) {
        Logger(Logger::Trace) << "Label: \"" << m_text << "\", refresh button clicked";
        emit refreshButtonClicked();
    } else if (element == m_buttons.at(CloseButton) || element == m_editButtons.at(CloseButton)) {
        Logger(Logger::Trace) << "Label: \"" << m_text << "\", close button clicked";
        emit closeButtonClicked();
    }
    SvgControlObject::onElementClick(element);
}

void Label::onElementDoubleClick(SvgElement* element)
{
    if (element == m_rows.background() || element == m_rows.backgroundEdit())
        m_editor.editor()->proxy()->show();
    SvgControlObject::onElementDoubleClick(element);
}

void Label::setControlId(const QString& id)
{
    SvgControlObject::setControlId(id);
    if (m_dropDown)
        m_dropDown->setControlId(id + SUFFIX_SEPARATOR + DROP_DOWN_SUFFIX);
}

void Label::readThemeSettings(bool force)
{
    if (!force && m_fontPixelSize != 0)
        return;
    const QString prefix = controlId() + SUFFIX_SEPARATOR;
    m_fontPixelSize = ThemeProvider::getInt(controlId() + FONT_SIZE_SUFFIX_ID, DEFAULT_FONT_PIXEL_SIZE);
    recalculateModifiedFont();
    setTextColor(ThemeProvider::getColor(prefix + COLOR_SUFFIX_ID, Qt::white));
    applyEditorPalette();
}

void Label::applyEditorPalette()
{
    const QString prefix = controlId() + SUFFIX_SEPARATOR;
    m_editor.setColors({
        {QPalette::Text, ThemeProvider::getColor(prefix + EDIT_COLOR_SUFFIX_ID, Qt::black)},
        {QPalette::Base, ThemeProvider::getColor(prefix + EDIT_BACKGROUND_COLOR_SUFFIX_ID, Qt::white)},
        {QPalette::HighlightedText, ThemeProvider::getColor(prefix + EDIT_SELECTION_COLOR_SUFFIX_ID, Qt::white)},
        {QPalette::Highlight, ThemeProvider::getColor(prefix + EDIT_SELECTION_BACKGROUND_COLOR_SUFFIX_ID, Qt::black)}});
}

// ---- Editing -----------------------------------------------------------------

Label* Label::isThereLabelInEditMode()
{
    for (Label* label : std::as_const(s_labels)) {
        if (label->m_inEditMode)
            return label;
    }
    return nullptr;
}

void Label::setIsReadOnly(bool readOnly)
{
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    if (readOnly)
        exitEditMode();
}

QString Label::editedText() const
{
    return m_editor.text();
}

void Label::setTextEditorContentsMargins(const QMargins& margins)
{
    m_editor.setContentsMargins(margins);
}

bool Label::ptIsInTextBounds(const QPointF& scenePos) const
{
    return m_textBox.contains(mapFromScene(scenePos));
}

std::unique_ptr<QMouseEvent> Label::translateGraphicsMouseEvent(const QGraphicsSceneMouseEvent* event) const
{
    const QPointF local = mapFromScene(event->scenePos());
    const QPointF rounded(qRound(local.x()), qRound(local.y()));
    return std::make_unique<QMouseEvent>(widgetEventType(event->type()),
                                         rounded - m_editor.geometry().topLeft(), rounded, event->button(),
                                         event->buttons(), event->modifiers());
}

void Label::layOutEditorText()
{
    // A line edit places aligned text while it paints; paint the editor once
    // off-screen so that a press right after it appears finds the characters
    // where they will be shown.
    LineTextEditor* editor = m_editor.editor();
    QPixmap scratch(editor->size());
    editor->render(&scratch);
}

void Label::refreshCursor()
{
    if (cursor().shape() != m_editor.cursorShape())
        setCursor(cursor());
}

bool Label::isPointerOverTextInView() const
{
    if (!scene() || scene()->views().isEmpty())
        return false;
    QGraphicsView* view = scene()->views().constFirst();
    return ptIsInTextBounds(view->mapToScene(view->mapFromGlobal(QCursor::pos())));
}

void Label::setIsInEditMode(bool inEditMode)
{
    if (inEditMode == m_inEditMode)
        return;
    m_inEditMode = inEditMode;
    ButtonConfig config = m_previousButtonConfig;
    if (inEditMode) {
        setIsTextScrolling(false);
        clearFocus();
        if (scene()) {
            scene()->installEventFilter(this);
            m_filteredScene = scene();
        }
        config = CloseButton;
    } else {
        setFocus(Qt::OtherFocusReason);
        if (m_filteredScene)
            m_filteredScene->removeEventFilter(this);
        m_filteredScene = nullptr;
    }
    setButtonConfig(config);
    manageEditModeInterface();
    if (scene() && !scene()->views().isEmpty()) {
        setupText();
        m_pointerOverText = isPointerOverTextInView();
        setIsTextScrolling(m_pointerOverText);
    }
    Logger(Logger::Trace) << "Label: \"" << m_text << "\" " << (inEditMode ? "entered" : "exited") << " edit mode";
    emit isInEditModeChanged(inEditMode);
}

void Label::exitEditMode()
{
    setIsInEditMode(false);
    m_editor.leaveEditMode();
    refreshCursor();
    if (m_scrollNeeded && m_pointerOverText)
        setIsTextScrolling(true);
}

void Label::cancelTextEditChanges()
{
    m_editor.setText(m_text);
}

void Label::onCancelTextEditChanges()
{
    cancelTextEditChanges();
    setIsInEditMode(false);
    m_editor.leaveEditMode();
    refreshCursor();
}

void Label::onEditingFinished()
{
    // The editor also finishes when it loses the focus on leaving edit mode.
    if (!m_inEditMode)
        return;
    applyTextEditChanges();
    if (m_textChangeAccepted)
        exitEditMode();
}

void Label::applyTextEditChanges()
{
    const QString edited = m_editor.text();
    // Each new name gets its own answer: an earlier refusal must not keep
    // the label in edit mode for a later, unchanged name.
    m_textChangeAccepted = true;
    if (edited == m_text)
        return;
    emit textChanged(m_textChangeAccepted);
    if (!m_textChangeAccepted)
        return;
    // The receiver may have given the label the name it took instead of
    // the one typed (setText puts it into the editor as well).
    const QString taken = m_editor.text();
    Logger(Logger::Trace) << "Label: \"" << m_text << "\", text changed to: \"" << taken << "\"";
    setText(taken);
}

void Label::manageEditMode(const QPointF& scenePos)
{
    const bool inText = ptIsInTextBounds(scenePos);
    if (inText == m_inEditMode)
        return;
    if (!inText && !m_editor.text().isEmpty()) {
        onEditingFinished();
        return;
    }
    if (inText)
        m_editor.editor()->setIsInEditMode(true);
    else
        m_editor.leaveEditMode();
    setIsInEditMode(inText);
}

bool Label::isEditModeLeaveEvent(QEvent* event)
{
    if (!m_inEditMode || !m_editor.text().isEmpty())
        return false;
    event->accept();
    LineTextEditor* editor = m_editor.editor();
    if (!editor->hasFocus())
        editor->setFocus(Qt::OtherFocusReason);
    return true;
}

void Label::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    Label* target = isThereLabelInEditMode();
    if (target && target != this && target->scene() != scene()) {
        // An edit in another window ends before this label reacts.
        target->onEditingFinished();
        if (target->isInEditMode())
            target->onCancelTextEditChanges();
        target = nullptr;
    }
    if (!target)
        target = this;
    event->accept();
    target->handleSingleLabelMouseDoubleClickEvent(event);
    const bool handled = event->isAccepted();
    SvgControlObject::mouseDoubleClickEvent(event);
    if (handled)
        event->accept();
}

void Label::handleSingleLabelMouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    if (!m_textBox.contains(mapFromScene(event->scenePos()))) {
        event->ignore();
        isEditModeLeaveEvent(event);
        return;
    }
    std::unique_ptr<QMouseEvent> mouse = translateGraphicsMouseEvent(event);
    if (m_inEditMode) {
        m_editor.editor()->handleMouseDoubleClickEvent(mouse.get());
    } else if (!m_readOnly) {
        manageEditMode(event->scenePos());
        if (!m_scrollNeeded && m_previousButtonConfig == NoButton) {
            // The text box has just shrunk beside the close button; keep the
            // caret on the character under the pointer.
            const qreal shrink = m_textPlaceholderBounds.width() - m_fullTextPlaceholderBounds.width();
            qreal dx = 0.0;
            if (m_textAlignment & Qt::AlignRight)
                dx = shrink;
            else if (m_textAlignment & Qt::AlignHCenter)
                dx = shrink / 2;
            const QPointF shift(int(dx), 0);
            mouse = std::make_unique<QMouseEvent>(mouse->type(), mouse->position() + shift,
                                                  mouse->globalPosition() + shift, mouse->button(), mouse->buttons(),
                                                  mouse->modifiers());
        }
        layOutEditorText();
        m_editor.editor()->handleMousePressEvent(mouse.get());
        refreshCursor();
    }
    event->accept();
}

bool Label::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_inEditMode || watched != m_filteredScene)
        return SvgControlObject::eventFilter(watched, event);
    if (event->type() == QEvent::GraphicsSceneMousePress) {
        auto* press = static_cast<QGraphicsSceneMouseEvent*>(event);
        if (m_editButtons.at(CloseButton)->isVisible() && m_editButtons.at(CloseButton)->hitTest(press->scenePos())) {
            emit closeButtonClicked();
        } else if (m_editButtons.at(RefreshButton)->isVisible()
                   && m_editButtons.at(RefreshButton)->hitTest(press->scenePos())) {
            emit refreshButtonClicked();
        } else if (!isEditModeLeaveEvent(event)) {
            manageEditMode(press->scenePos());
            m_editor.editor()->handleMousePressEvent(translateGraphicsMouseEvent(press).get());
        }
        return true;
    }
    if (event->type() == QEvent::GraphicsSceneMouseMove)
        m_editor.editor()->handleMouseMoveEvent(
            translateGraphicsMouseEvent(static_cast<QGraphicsSceneMouseEvent*>(event)).get());
    return false;
}

} // namespace Corvane::Gadgets
