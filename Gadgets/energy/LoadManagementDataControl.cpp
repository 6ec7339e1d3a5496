#include "energy/LoadManagementDataControl.h"

#include "controls/IconRenderer.h"
#include "controls/SvgContentBackButton.h"
#include "controls/SvgElement.h"
#include "energy/DataFaceDates.h"
#include "models/NavigationIcon.h"
#include "theme/ThemeProvider.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace Corvane::Gadgets {

const QString LoadManagementDataControl::BACKGROUND_ID = QStringLiteral("background");
const QString LoadManagementDataControl::COUNTERS_ID = QStringLiteral("counters");
const QString LoadManagementDataControl::RESET_COUNTER1_ID = QStringLiteral("reset_counter1");
const QString LoadManagementDataControl::RESET_COUNTER2_ID = QStringLiteral("reset_counter2");
const QString LoadManagementDataControl::REFRESH_ID = QStringLiteral("refresh");
const QString LoadManagementDataControl::CYCLE_ID = QStringLiteral("cycle");
const QString LoadManagementDataControl::INSTANT_PLACEHOLDER_ID = QStringLiteral("instant_data_placeholder");
const QString LoadManagementDataControl::COUNTER1_PLACEHOLDER_ID = QStringLiteral("counter1_data_placeholder");
const QString LoadManagementDataControl::COUNTER2_PLACEHOLDER_ID = QStringLiteral("counter2_data_placeholder");
const QString LoadManagementDataControl::LAST_UPDATE_PLACEHOLDER_ID = QStringLiteral("lastupdate_placeholder");
const QString LoadManagementDataControl::NO_INFO_PLACEHOLDER_ID = QStringLiteral("noinfo_placeholder");
const QString LoadManagementDataControl::TITLE_SUFFIX = QStringLiteral("title");
const QString LoadManagementDataControl::LABELS_SUFFIX = QStringLiteral("labels");

namespace {

const int DefaultLabelsPixelSize = 10;

QString valueText(double value)
{
    return QLocale().toString(value, 'f', 2);
}

} // namespace

LoadManagementDataControl::LoadManagementDataControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
{
    // Texts of extreme values (a counter of 1e308) end at the face's edge.
    setFlag(ItemClipsChildrenToShape, true);
    resetTitle();
    m_background = initElement(BACKGROUND_ID);
    setBounds(QRectF(QPointF(0, 0), m_background->boundingRect().size()));
    // The counters' frames belong to the data: a load without statistics
    // shows only its notice on the bare panel.
    m_counterFrames = initElement(COUNTERS_ID);

    m_instantText = createText();
    m_counter1Text = createText();
    m_counter2Text = createText();
    m_lastUpdateText = createText();
    m_noticeText = new QGraphicsTextItem(this);
    m_noticeText->setTextWidth(m_background->boundingRect().width());

    m_resetCounter1Button = createButton(RESET_COUNTER1_ID, ThemeProvider::LOAD_RESET);
    m_resetCounter2Button = createButton(RESET_COUNTER2_ID, ThemeProvider::LOAD_RESET);
    m_refreshButton = createButton(REFRESH_ID, ThemeProvider::LOAD_REFRESH);
    m_cycleButton = createButton(CYCLE_ID, ThemeProvider::ENERGY_CURRENCY);

    applySupportsInfo();
    retranslateUi();
}

QGraphicsSimpleTextItem* LoadManagementDataControl::createText()
{
    return new QGraphicsSimpleTextItem(this);
}

SvgContentBackButton* LoadManagementDataControl::createButton(const QString& id, const QString& icon)
{
    auto* button = new SvgContentBackButton(rendererContainer(), id, ThemeProvider::getRendererFor(ThemeProvider::BUTTON),
                                            QString(), this);
    button->setContentBounds(boundsOnElement(id + SvgButton::CONTENT_SUFFIX));
    button->setContentPaddings(QMargins(5, 0, 5, 0));
    button->setIconRenderer(Utilities::IconRenderer(ThemeProvider::getRendererFor(icon), {}));
    button->setIconElement(Models::NavigationIcon::NORMAL_ELEMENT_ID);
    button->setBackgroundUsesActualContentBounds(false);
    button->setSimulatesContentPress(true);
    addToChildren(button);
    return button;
}

SvgContentBackButton* LoadManagementDataControl::button(const QString& id) const
{
    for (SvgContentBackButton* candidate : {m_resetCounter1Button, m_resetCounter2Button, m_refreshButton, m_cycleButton}) {
        if (candidate->baseId() == id)
            return candidate;
    }
    return nullptr;
}

QGraphicsSimpleTextItem* LoadManagementDataControl::counterText(Counter counter) const
{
    return counter == FirstCounter ? m_counter1Text : m_counter2Text;
}

QString LoadManagementDataControl::titleControlId() const
{
    return controlId() + SUFFIX_SEPARATOR + TITLE_SUFFIX;
}

QString LoadManagementDataControl::labelsControlId() const
{
    return controlId() + SUFFIX_SEPARATOR + LABELS_SUFFIX;
}

QPointF LoadManagementDataControl::hotSpot() const
{
    const QSvgRenderer* svg = svgRenderer();
    return svg ? QRectF(QPointF(0, 0), QSizeF(svg->defaultSize())).center() : QPointF();
}

void LoadManagementDataControl::setTitle(const QString& itemName)
{
    if (itemName == m_title)
        return;
    m_title = itemName;
    resetTitle();
}

void LoadManagementDataControl::resetTitle()
{
    emit titleTextChanged(tr("Load data: %1").arg(m_title));
}

void LoadManagementDataControl::setInstantData(double value, const QString& unit)
{
    m_value = value;
    m_unit = unit;
    resetInstantText();
}

void LoadManagementDataControl::resetInstantText()
{
    const QString value = m_unit.isEmpty() ? QString() : valueText(m_value);
    m_instantText->setText(tr("Instant consumption: %1 %2").arg(value, m_unit));
}

void LoadManagementDataControl::setUpdateTime(const QDateTime& time)
{
    m_updateTime = time;
    resetUpdateTimeText();
}

void LoadManagementDataControl::resetUpdateTimeText()
{
    m_lastUpdateText->setText(tr("Updated %1").arg(DataFaceDates::momentText(m_updateTime)));
}

void LoadManagementDataControl::setCounterData(Counter counter, const QDateTime& updateTime, double value,
                                               const QString& unit)
{
    const Counter which = counter == FirstCounter ? FirstCounter : SecondCounter;
    m_counters.insert(which, CounterData{updateTime, value, unit});
    resetCounterText(which);
}

void LoadManagementDataControl::clearCounterData(Counter counter)
{
    const Counter which = counter == FirstCounter ? FirstCounter : SecondCounter;
    m_counters.remove(which);
    resetCounterText(which);
}

void LoadManagementDataControl::resetCounterText(Counter counter)
{
    const bool known = m_counters.contains(counter);
    const CounterData data = m_counters.value(counter);
    const QString from = tr("From %1").arg(DataFaceDates::momentText(data.updateTime));
    const QString number = counter == FirstCounter ? QStringLiteral("1") : QStringLiteral("2");
    const QString line2 = tr("Counter %1 (%2): %3").arg(number, data.unit, known ? valueText(data.value) : QString());
    counterText(counter)->setText(from + QChar(QChar::LineSeparator) + line2);
}

void LoadManagementDataControl::setSupportsInfo(bool supports)
{
    if (supports == m_supportsInfo)
        return;
    m_supportsInfo = supports;
    applySupportsInfo();
}

QList<QGraphicsItem*> LoadManagementDataControl::dataItems() const
{
    return {m_counterFrames,       m_instantText,          m_counter1Text,    m_counter2Text, m_lastUpdateText,
            m_resetCounter1Button, m_resetCounter2Button, m_refreshButton, m_cycleButton};
}

void LoadManagementDataControl::applySupportsInfo()
{
    for (QGraphicsItem* item : dataItems())
        item->setVisible(m_supportsInfo);
    m_noticeText->setVisible(!m_supportsInfo);
    applyCycleVisibility();
}

// The currency/unit button switches the values shown: it shows with them,
// and only for a load whose money can be reckoned.
void LoadManagementDataControl::applyCycleVisibility()
{
    m_cycleButton->setVisible(m_supportsInfo && m_economicEvaluationEnabled);
}

void LoadManagementDataControl::setIsEconomicEvaluationEnabled(bool enabled)
{
    if (!enabled)
        m_showEconomicEvaluation = false;
    m_economicEvaluationEnabled = enabled;
    applyCycleVisibility();
}

void LoadManagementDataControl::resetCycleIcon()
{
    const QString icon = m_cycleState ? ThemeProvider::ENERGY_CURRENCY : ThemeProvider::ENERGY_UNIT;
    m_cycleButton->setIconRenderer(Utilities::IconRenderer(ThemeProvider::getRendererFor(icon), {}));
}

void LoadManagementDataControl::onElementClick(SvgElement* element)
{
    if (element == m_resetCounter1Button) {
        emit resetCounter1Clicked();
    } else if (element == m_resetCounter2Button) {
        emit resetCounter2Clicked();
    } else if (element == m_refreshButton) {
        emit refreshClicked();
    } else if (element == m_cycleButton) {
        m_cycleState = !m_cycleState;
        resetCycleIcon();
        emit cycleClicked();
    }
    SvgControlObject::onElementClick(element);
}

void LoadManagementDataControl::placeTexts()
{
    m_instantText->setPos(boundsOnElement(INSTANT_PLACEHOLDER_ID).topLeft());
    m_counter1Text->setPos(boundsOnElement(COUNTER1_PLACEHOLDER_ID).topLeft());
    m_counter2Text->setPos(boundsOnElement(COUNTER2_PLACEHOLDER_ID).topLeft());
    m_lastUpdateText->setPos(boundsOnElement(LAST_UPDATE_PLACEHOLDER_ID).topLeft());
    const QPointF centre = boundsOnElement(NO_INFO_PLACEHOLDER_ID).center();
    const QRectF notice = m_noticeText->boundingRect();
    m_noticeText->setPos(centre - QPointF(notice.width() / 2.0, notice.height() / 2.0));
}

void LoadManagementDataControl::totalOffsetChanged()
{
    placeTexts();
}

void LoadManagementDataControl::retranslateUi()
{
    SvgControlObject::retranslateUi();
    m_noticeText->setPlainText(tr("Energy consumption statistics not supported!"));
    QTextCursor cursor(m_noticeText->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);
    resetTitle();
    resetUpdateTimeText();
    resetInstantText();
    resetCounterText(FirstCounter);
    resetCounterText(SecondCounter);
    placeTexts();
}

void LoadManagementDataControl::readThemeSettings(bool reread)
{
    SvgControlObject::readThemeSettings(reread);
    if (!reread)
        return;
    QFont font;
    font.setPixelSize(qMax(1, ThemeProvider::getInt(labelsControlId() + FONT_SIZE_SUFFIX_ID, DefaultLabelsPixelSize)));
    const QColor colour = ThemeProvider::getColor(labelsControlId() + FONT_COLOR_SUFFIX_ID, Qt::transparent);
    for (QGraphicsSimpleTextItem* text : {m_instantText, m_counter1Text, m_counter2Text, m_lastUpdateText}) {
        text->setFont(font);
        text->setBrush(colour);
    }
    m_noticeText->setDefaultTextColor(colour);
    m_noticeText->setFont(font);
    placeTexts();
}

} // namespace Corvane::Gadgets
