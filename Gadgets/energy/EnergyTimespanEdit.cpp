#include "energy/EnergyTimespanEdit.h"

#include "energy/DataFaceDates.h"
#include "text/TextLabel.h"
#include "theme/LegacyFontWeight.h"
#include "theme/ThemeProvider.h"
#include "utilities/FontUtilities.h"
#include "widgets/DateTimeEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsSceneMouseEvent>
#include <QMouseEvent>

namespace Corvane::Gadgets {

using namespace GadgetsCommon;

const QString EnergyTimespanEdit::EDIT_SELECTION_FONT_COLOR_ID = QStringLiteral("edit_selection_font_color");
const QString EnergyTimespanEdit::EDIT_SELECTION_BACK_COLOR_ID = QStringLiteral("edit_selection_back_color");

namespace {

const QString StyleSheet = QStringLiteral("* { border: none; background: transparent; background-color: transparent; "
                                          "color: %1; selection-color: %2;selection-background-color: %3;}");

QEvent::Type widgetEventType(QEvent::Type sceneType)
{
    switch (sceneType) {
    case QEvent::GraphicsSceneMousePress:
        return QEvent::MouseButtonPress;
    case QEvent::GraphicsSceneMouseDoubleClick:
        return QEvent::MouseButtonDblClick;
    case QEvent::GraphicsSceneMouseMove:
        return QEvent::MouseMove;
    default:
        return QEvent::MouseButtonRelease;
    }
}

void setBrushInAllGroups(QWidget* widget, QPalette::ColorRole role, const QBrush& brush)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, role, brush);
    widget->setPalette(palette);
}

} // namespace

EnergyTimespanEdit::EnergyTimespanEdit(const QDateTime& endDate, SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
    , m_endDate(endDate)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);
    m_font.setFamily(ThemeProvider::getFontName());

    m_dailyEditor = createEditor(endDate);
    connect(m_dailyEditor, &QDateTimeEdit::dateTimeChanged, this, &EnergyTimespanEdit::dailyViewDateChanged);
    m_pagePerView.append(addWidget(m_dailyEditor));
    m_monthlyEditor = createEditor(endDate);
    connect(m_monthlyEditor, &QDateTimeEdit::dateTimeChanged, this, &EnergyTimespanEdit::monthlyViewDateChanged);
    m_pagePerView.append(addWidget(m_monthlyEditor));
    setFormats();
    setEndDate(endDate);

    m_annualLabel = new TextLabel(QString(), this);
    m_annualLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_pagePerView.append(addItem(m_annualLabel));
    addToChildren(m_annualLabel);

    for (QWidget* widget : std::as_const(m_widgets)) {
        QPalette palette = widget->palette();
        palette.setBrush(QPalette::All, QPalette::Window, Qt::transparent);
        palette.setBrush(QPalette::All, QPalette::Base, Qt::transparent);
        widget->setPalette(palette);
        widget->setAttribute(Qt::WA_TranslucentBackground);
        widget->setWindowFlags(widget->windowFlags() | Qt::FramelessWindowHint);
    }
    resetStyleSheet();
    setTimespanView(m_timespanView);
}

QDateTimeEdit* EnergyTimespanEdit::createEditor(const QDateTime& date)
{
    auto* editor = new DateTimeEdit(date, nullptr);
    editor->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    editor->setButtonSymbols(QAbstractSpinBox::NoButtons);
    editor->setFrame(false);
    connect(editor, &QDateTimeEdit::editingFinished, this, &EnergyTimespanEdit::onDateEditingFinished);
    m_dateEditors.append(editor);
    return editor;
}

TimespanView EnergyTimespanEdit::nextTimespanView() const
{
    return TimespanView((m_timespanView + 1) % 3);
}

TimespanView EnergyTimespanEdit::previousTimespanView() const
{
    return m_timespanView == DailyView ? AnnualView : TimespanView(m_timespanView - 1);
}

void EnergyTimespanEdit::setTimespanView(TimespanView view)
{
    if (view < DailyView || view > AnnualView)
        return;
    m_timespanView = view;
    setCurrentIndex(m_pagePerView.value(view, -1));
    if (view == AnnualView)
        m_annualLabel->setText(annualViewDateText());
}

void EnergyTimespanEdit::setNextTimespanView()
{
    setTimespanView(nextTimespanView());
}

void EnergyTimespanEdit::setPreviousTimespanView()
{
    setTimespanView(previousTimespanView());
}

QDateTime EnergyTimespanEdit::dailyViewDate() const
{
    return m_dailyEditor->dateTime();
}

QDateTime EnergyTimespanEdit::monthlyViewDate() const
{
    return m_monthlyEditor->dateTime();
}

void EnergyTimespanEdit::setDailyViewDate(const QDateTime& date)
{
    m_dailyEditor->setDateTime(date);
}

void EnergyTimespanEdit::setMonthlyViewDate(const QDateTime& date)
{
    m_monthlyEditor->setDateTime(date);
}

void EnergyTimespanEdit::setAnnualViewDate(AnnualViewDate date)
{
    setAnnualTimePeriod(date);
    emit annualViewDateChanged(date);
}

void EnergyTimespanEdit::setAnnualTimePeriod(AnnualViewDate date)
{
    if (date != PreviousTwelveMonths && date != LastTwelveMonths)
        return;
    m_annualViewDate = date;
    m_annualLabel->setText(annualViewDateText());
}

QString EnergyTimespanEdit::annualViewDateText() const
{
    switch (m_annualViewDate) {
    case LastTwelveMonths:
        return tr("Last 12 months");
    case PreviousTwelveMonths:
        return tr("Previous 12 months");
    }
    return {};
}

QString EnergyTimespanEdit::startDateText() const
{
    switch (m_timespanView) {
    case DailyView:
        return m_dailyEditor->text();
    case MonthlyView:
        return m_monthlyEditor->text();
    case AnnualView:
        return annualViewDateText();
    }
    return {};
}

void EnergyTimespanEdit::setDailyViewMinDate(const QDateTime& date)
{
    if (!date.isValid() || date == m_dailyViewMinDate)
        return;
    m_dailyViewMinDate = date;
    validateDate(DailyView);
}

void EnergyTimespanEdit::setMonthlyViewMinDate(const QDateTime& date)
{
    if (!date.isValid() || date == m_monthlyViewMinDate)
        return;
    m_monthlyViewMinDate = date;
    validateDate(MonthlyView);
}

void EnergyTimespanEdit::setEndDate(const QDateTime& date)
{
    if (!date.isValid() || date == m_endDate)
        return;
    m_endDate = date;
}

QDateTime EnergyTimespanEdit::minimumDate(TimespanView view) const
{
    if (view == DailyView)
        return m_dailyViewMinDate;
    if (view == MonthlyView)
        return m_monthlyViewMinDate;
    return {};
}

QDateTimeEdit* EnergyTimespanEdit::dateTimeEdit(TimespanView view) const
{
    if (view == DailyView)
        return m_dailyEditor;
    if (view == MonthlyView)
        return m_monthlyEditor;
    return nullptr;
}

bool EnergyTimespanEdit::timespanView(TimespanView& view, const QDateTimeEdit* editor) const
{
    if (editor && editor == m_dailyEditor) {
        view = DailyView;
        return true;
    }
    if (editor && editor == m_monthlyEditor) {
        view = MonthlyView;
        return true;
    }
    return false;
}

QGraphicsProxyWidget* EnergyTimespanEdit::proxy(TimespanView view) const
{
    return proxyOf(dateTimeEdit(view));
}

QGraphicsProxyWidget* EnergyTimespanEdit::proxyOf(const QWidget* widget) const
{
    for (const StackedItem& page : m_stack) {
        if (widget && page.widget == widget)
            return static_cast<QGraphicsProxyWidget*>(page.item);
    }
    return nullptr;
}

QDate EnergyTimespanEdit::validateDate(const QDate& date, TimespanView view) const
{
    const QDate minimum = minimumDate(view).date();
    if (minimum.isValid() && date < minimum)
        return minimum;
    const QDate end = m_endDate.date();
    return end.isValid() && end < date ? end : date;
}

QDate EnergyTimespanEdit::validateDate(const QDate& date) const
{
    return validateDate(date, m_timespanView);
}

void EnergyTimespanEdit::validateDate(TimespanView view)
{
    QDateTimeEdit* editor = dateTimeEdit(view);
    if (!editor)
        return;
    const QDate date = editor->date();
    const QDate valid = validateDate(date, view);
    if (valid != date)
        editor->setDate(valid);
}

void EnergyTimespanEdit::validateDate(QDateTimeEdit* editor)
{
    TimespanView view = DailyView;
    if (timespanView(view, editor))
        validateDate(view);
}

void EnergyTimespanEdit::previousDate()
{
    advanceDate(-1);
}

void EnergyTimespanEdit::nextDate()
{
    advanceDate(1);
}

void EnergyTimespanEdit::advanceDate(int steps)
{
    switch (m_timespanView) {
    case DailyView:
        m_dailyEditor->setDate(validateDate(m_dailyEditor->date().addDays(steps)));
        break;
    case MonthlyView:
        m_monthlyEditor->setDate(validateDate(m_monthlyEditor->date().addMonths(steps)));
        break;
    case AnnualView:
        setAnnualTimePeriod(AnnualViewDate(((steps + m_annualViewDate + 2) % 2 + 2) % 2));
        break;
    }
}

int EnergyTimespanEdit::addWidget(QWidget* widget)
{
    const int index = ++m_lastIndex;
    m_widgets.append(widget);
    auto* proxy = new QGraphicsProxyWidget(this);
    proxy->setWidget(widget);
    m_stack.append({index, proxy, widget});
    return index;
}

int EnergyTimespanEdit::addItem(QGraphicsItem* item)
{
    const int index = ++m_lastIndex;
    m_stack.append({index, item, nullptr});
    return index;
}

void EnergyTimespanEdit::setCurrentIndex(int index)
{
    if (index < 0 || index == m_currentIndex || index > m_lastIndex)
        return;
    m_currentIndex = index;
    for (const StackedItem& page : std::as_const(m_stack))
        page.item->setVisible(page.index == index);
    updateWidgetsGeometry();
}

QGraphicsItem* EnergyTimespanEdit::visibleControl() const
{
    for (const StackedItem& page : m_stack) {
        if (page.index == m_currentIndex)
            return page.item;
    }
    return nullptr;
}

void EnergyTimespanEdit::updateWidgetsGeometry()
{
    const QRect rect = QRectF(QPointF(0, 0), SvgControl::boundingRect().size()).toAlignedRect();
    for (const StackedItem& page : std::as_const(m_stack)) {
        if (page.widget)
            static_cast<QGraphicsProxyWidget*>(page.item)->setGeometry(rect);
    }
}

void EnergyTimespanEdit::setFont(const QFont& font)
{
    m_font = font;
    for (QWidget* widget : std::as_const(m_widgets))
        widget->setFont(font);
}

void EnergyTimespanEdit::setFontSize(int pixelSize)
{
    if (pixelSize <= 0)
        return;
    m_font.setPixelSize(pixelSize);
    for (QWidget* widget : std::as_const(m_widgets)) {
        QFont font = widget->font();
        font.setPixelSize(pixelSize);
        widget->setFont(font);
    }
}

void EnergyTimespanEdit::setFontColor(const QColor& colour)
{
    m_fontColor = colour;
    for (QWidget* widget : std::as_const(m_widgets)) {
        setBrushInAllGroups(widget, QPalette::Text, colour);
        setBrushInAllGroups(widget, QPalette::WindowText, colour);
    }
    resetStyleSheet();
}

void EnergyTimespanEdit::setHighlightedTextColor(const QColor& colour, bool selectedText)
{
    if (selectedText)
        m_selectionTextColor = colour;
    else
        m_selectionBackColor = colour;
    for (QDateTimeEdit* editor : std::as_const(m_dateEditors))
        setBrushInAllGroups(editor, selectedText ? QPalette::HighlightedText : QPalette::Highlight, colour);
    resetStyleSheet();
}

void EnergyTimespanEdit::setFormats()
{
    m_dailyEditor->setDisplayFormat(DataFaceDates::dayFormat());
    m_monthlyEditor->setDisplayFormat(DataFaceDates::monthFormat());
}

QString EnergyTimespanEdit::colorToCssColor(const QColor& colour)
{
    return QStringLiteral("rgba( %1, %2, %3, %4 )")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

void EnergyTimespanEdit::resetStyleSheet()
{
    const QString sheet = StyleSheet.arg(colorToCssColor(m_fontColor), colorToCssColor(m_selectionTextColor),
                                         colorToCssColor(m_selectionBackColor));
    for (QWidget* widget : std::as_const(m_widgets))
        widget->setStyleSheet(sheet);
}

void EnergyTimespanEdit::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    m_annualLabel->setTextBounds(QRectF(QPointF(0, 0), rect.size()));
    updateWidgetsGeometry();
}

void EnergyTimespanEdit::setOffset(const QPointF& offset)
{
    SvgControlObject::setOffset(offset);
    updateWidgetsGeometry();
}

void EnergyTimespanEdit::parentOffsetChanged()
{
    SvgControlObject::parentOffsetChanged();
    updateWidgetsGeometry();
}

void EnergyTimespanEdit::retranslateUi()
{
    SvgControlObject::retranslateUi();
    setFormats();
    m_annualLabel->setText(annualViewDateText());
}

void EnergyTimespanEdit::setControlId(const QString& id)
{
    m_annualLabel->setControlId(id);
    SvgControlObject::setControlId(id);
}

void EnergyTimespanEdit::readThemeSettings(bool force)
{
    if (!force && m_themeSettingsRead)
        return;
    QFont font = m_dailyEditor->font();
    font.setFamily(ThemeProvider::getFontName());
    font.setPixelSize(getFontSize());
    font.setWeight(Utilities::LegacyFontWeight::toQt(getFontWeight()));
    const int fitted = Corvane::Utilities::FontUtilities::heightToPixelSize(font, SvgControl::boundingRect().height(),
                                                                            QString());
    if (fitted >= 1)
        font.setPixelSize(fitted);
    setFont(font);
    const QString prefix = controlId() + SUFFIX_SEPARATOR;
    setFontColor(ThemeProvider::getColor(controlId() + FONT_COLOR_SUFFIX_ID, Qt::white));
    setHighlightedTextColor(ThemeProvider::getColor(prefix + EDIT_SELECTION_FONT_COLOR_ID, Qt::white), true);
    setHighlightedTextColor(ThemeProvider::getColor(prefix + EDIT_SELECTION_BACK_COLOR_ID, Qt::transparent), false);
    m_themeSettingsRead = true;
}

QDateTimeEdit* EnergyTimespanEdit::visibleEditor() const
{
    for (QDateTimeEdit* editor : m_dateEditors) {
        const QGraphicsProxyWidget* page = proxyOf(editor);
        if (page && page->isVisible())
            return editor;
    }
    return nullptr;
}

void EnergyTimespanEdit::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    QDateTimeEdit* editor = visibleEditor();
    if (!editor)
        return;
    const QPointF local = mapFromScene(event->scenePos());
    if (boundingRect().contains(local))
        giveFocus(editor, event, local);
    else
        takeFocus(editor);
}

// Keyboard focus goes through the proxy item: an embedded widget has no
// window of its own to grab the keyboard with.
void EnergyTimespanEdit::giveFocus(QDateTimeEdit* editor, QGraphicsSceneMouseEvent* event, const QPointF& local)
{
    QGraphicsProxyWidget* page = proxyOf(editor);
    page->setFocus(Qt::MouseFocusReason);
    const QPointF point(qRound(local.x()), qRound(local.y()));
    QMouseEvent mouse(widgetEventType(event->type()), point, event->scenePos(), event->screenPos(), event->button(),
                      event->buttons(), event->modifiers());
    QApplication::sendEvent(editor, &mouse);
    editor->setFocus(Qt::MouseFocusReason);
}

void EnergyTimespanEdit::takeFocus(QDateTimeEdit* editor)
{
    if (QGraphicsProxyWidget* page = proxyOf(editor); page && page->hasFocus())
        page->clearFocus();
    if (editor->hasFocus())
        editor->clearFocus();
}

void EnergyTimespanEdit::onDateEditingFinished()
{
    auto* editor = qobject_cast<QDateTimeEdit*>(sender());
    if (!editor || !m_dateEditors.contains(editor))
        return;
    takeFocus(editor);
    validateDate(editor);
}

} // namespace Corvane::Gadgets
