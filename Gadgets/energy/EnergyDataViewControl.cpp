#include "energy/EnergyDataViewControl.h"

#include "controls/IconRenderer.h"
#include "controls/SvgContentBackButton.h"
#include "controls/SvgElement.h"
#include "energy/DataFaceDates.h"
#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyConsumptionTableDisplay.h"
#include "energy/EnergyDataViewTableModel.h"
#include "energy/EnergyTimespanEdit.h"
#include "energy/GraphicsProgressBar.h"
#include "models/NavigationIcon.h"
#include "text/TextLabel.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/DateUtilities.h"

#include <QSvgRenderer>

namespace Corvane::Gadgets {

using namespace GadgetsCommon;

const QString EnergyDataViewControl::BACKGROUND_ID = QStringLiteral("background");
const QString EnergyDataViewControl::CYCLE_TIMESPAN_VIEW_BUTTON_ID = QStringLiteral("cycle_timespan_view");
const QString EnergyDataViewControl::DECREASE_BUTTON_ID = QStringLiteral("decrease");
const QString EnergyDataViewControl::INCREASE_BUTTON_ID = QStringLiteral("increase");
const QString EnergyDataViewControl::OK_BUTTON_ID = QStringLiteral("ok");
const QString EnergyDataViewControl::CYCLE_GRAPHTABLE_VIEW_BUTTON_ID = QStringLiteral("cycle_graphtable_view");
const QString EnergyDataViewControl::CYCLE_CURRENCY_BUTTON_ID = QStringLiteral("cycle_currency");
const QString EnergyDataViewControl::TARIFF_BUTTON_ID = QStringLiteral("tariff");
const QString EnergyDataViewControl::CYCLE_MONTHLY_VIEW_BUTTON_ID = QStringLiteral("cycle_monthly_view");
const QString EnergyDataViewControl::DATE_PLACEHOLDER_ID = QStringLiteral("date_placeholder");
const QString EnergyDataViewControl::TABLE_TITLE_PLACEHOLDER_ID = QStringLiteral("table_title_placeholder");
const QString EnergyDataViewControl::CUMULATIVE_DATA_PLACEHOLDER_ID = QStringLiteral("cumulative_data_placeholder");
const QString EnergyDataViewControl::INSTANT_DATA_PLACEHOLDER_ID = QStringLiteral("instant_data_placeholder");
const QString EnergyDataViewControl::AVERAGE_DATA_PLACEHOLDER_ID = QStringLiteral("average_data_placeholder");
const QString EnergyDataViewControl::STATUS_PLACEHOLDER_ID = QStringLiteral("status_placeholder");
const QString EnergyDataViewControl::HOTSPOT_ID = QStringLiteral("hotspot");
const QString EnergyDataViewControl::LABEL_CONTROLS_ID = QStringLiteral("energy_labels");
const QString EnergyDataViewControl::DATE_CONTROL_ID = QStringLiteral("energy_date");
const QString EnergyDataViewControl::BUTTON_CONTROLS_ID = QStringLiteral("energy_buttons");
const QString EnergyDataViewControl::PROGRESS_BAR_CONTROL_ID = QStringLiteral("energy_progressbar");
const double EnergyDataViewControl::DISABLED_CONTROLS_TEXT_OPACITY = 0.3;

namespace {

const QMargins TextPaddings(5, 3, 5, 3);
const QMargins IconPaddings(7, 2, 7, 2);

QSizeF defaultSize(Utilities::RendererContainer* renderer)
{
    const QSvgRenderer* svg = renderer ? renderer->renderer() : nullptr;
    return svg ? QSizeF(svg->defaultSize()) : QSizeF();
}

} // namespace

EnergyDataViewControl::EnergyDataViewControl(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);
    setBounds(QRectF(QPointF(0, 0), defaultSize(renderer)));

    m_background = initElement(BACKGROUND_ID);
    m_cycleTimespanButton = createButton(CYCLE_TIMESPAN_VIEW_BUTTON_ID, ThemeProvider::ENERGY_CYCLE_TIMESPAN_VIEW,
                                         TextPaddings, false);
    m_decreaseButton = createButton(DECREASE_BUTTON_ID, ThemeProvider::DECREASE, QMargins(), false);
    m_increaseButton = createButton(INCREASE_BUTTON_ID, ThemeProvider::INCREASE, QMargins(), false);
    m_titleLabel = createLabel(TABLE_TITLE_PLACEHOLDER_ID);
    m_okButton = createButton(OK_BUTTON_ID, QString(), TextPaddings, true);
    m_graphTableButton = createButton(CYCLE_GRAPHTABLE_VIEW_BUTTON_ID, ThemeProvider::ENERGY_TABLE, IconPaddings, false);
    m_currencyButton = createButton(CYCLE_CURRENCY_BUTTON_ID, ThemeProvider::ENERGY_CURRENCY, IconPaddings, false);
    m_tariffButton = createButton(TARIFF_BUTTON_ID, ThemeProvider::ENERGY_TARIFF, IconPaddings, false);
    m_monthlyButton = createButton(CYCLE_MONTHLY_VIEW_BUTTON_ID, QString(), TextPaddings, true);
    m_totalLabel = createLabel(CUMULATIVE_DATA_PLACEHOLDER_ID);
    m_instantLabel = createLabel(INSTANT_DATA_PLACEHOLDER_ID);
    m_averageLabel = createLabel(AVERAGE_DATA_PLACEHOLDER_ID);

    m_dateEdit = new EnergyTimespanEdit(QDateTime::currentDateTime(), this);
    m_dateEdit->setControlId(DATE_CONTROL_ID);
    m_dateEdit->setBounds(boundsOnElement(DATE_PLACEHOLDER_ID));
    addToChildren(m_dateEdit);

    m_consumptionDisplay = new EnergyConsumptionDisplay(renderer, this);
    addToChildrensList(m_consumptionDisplay);

    m_statusLabel = new TextLabel(QString(), this);
    m_statusLabel->setTextBounds(boundsOnElement(STATUS_PLACEHOLDER_ID));
    m_statusLabel->setControlId(LABEL_CONTROLS_ID);
    m_statusLabel->setMode(TextLabel::MultiLineAligned);
    addToChildrensList(m_statusLabel);

    m_progressBar = new GraphicsProgressBar(this);
    m_progressBar->setDecimalsCount(0);
    m_progressBar->setProgressBarBounds(boundsOnElement(STATUS_PLACEHOLDER_ID));
    m_progressBar->setControlId(PROGRESS_BAR_CONTROL_ID);
    m_progressBar->setHasLabel(true);
    m_progressBar->setLabelAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    addToChildrensList(m_progressBar);

    connect(m_dateEdit, &EnergyTimespanEdit::monthlyViewDateChanged, this,
            &EnergyDataViewControl::manageCycleMonthlyViewVisibility);
    connect(m_dateEdit, &EnergyTimespanEdit::dailyViewDateChanged, this, &EnergyDataViewControl::dateChanged);
    connect(m_dateEdit, &EnergyTimespanEdit::monthlyViewDateChanged, this, &EnergyDataViewControl::dateChanged);
    connect(m_dateEdit, &EnergyTimespanEdit::annualViewDateChanged, this, &EnergyDataViewControl::dateChanged);

    setConsumptionDisplay(m_consumptionDisplay->display());
    setDataType(EnergyData);
    manageAverageLabelVisibility();
    setMonthlyViewMode(MonthlyViewDays);
    manageCycleMonthlyViewVisibility();
    resetDisplayTitle();
    setIsEconomicEvaluationEnabled(true);
    resetAxisTitles();
    resetHotspot();
    retranslateUi();
    setConsumptionDisplayData({});
}

SvgContentBackButton* EnergyDataViewControl::createButton(const QString& id, const QString& icon,
                                                          const QMargins& paddings, bool textButton)
{
    auto* button = new SvgContentBackButton(rendererContainer(), id, ThemeProvider::getRendererFor(ThemeProvider::BUTTON),
                                            QString(), this);
    button->setContentBounds(boundsOnElement(id + SvgButton::CONTENT_SUFFIX));
    if (!icon.isEmpty())
        button->setIconRenderer(Utilities::IconRenderer(ThemeProvider::getRendererFor(icon), {}));
    button->setIconElement(Models::NavigationIcon::NORMAL_ELEMENT_ID);
    if (!paddings.isNull())
        button->setContentPaddings(paddings);
    if (textButton) {
        button->setControlId(BUTTON_CONTROLS_ID);
        button->setTextOpacity(1.0, DISABLED_CONTROLS_TEXT_OPACITY);
    }
    button->setBackgroundUsesActualContentBounds(false);
    button->setSimulatesContentPress(true);
    addToChildren(button);
    m_buttons.append(button);
    return button;
}

TextLabel* EnergyDataViewControl::createLabel(const QString& placeholder)
{
    auto* label = new TextLabel(QString(), this);
    label->setTextBounds(boundsOnElement(placeholder));
    label->setControlId(LABEL_CONTROLS_ID);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addToChildren(label);
    return label;
}

SvgContentBackButton* EnergyDataViewControl::button(const QString& id) const
{
    for (SvgContentBackButton* button : m_buttons) {
        if (button->baseId() == id)
            return button;
    }
    return nullptr;
}

TextLabel* EnergyDataViewControl::consumptionLabel(ConsumptionType type) const
{
    switch (type) {
    case TotalConsumption:
        return m_totalLabel;
    case InstantConsumption:
        return m_instantLabel;
    case AverageConsumption:
        return m_averageLabel;
    }
    return nullptr;
}

QString EnergyDataViewControl::titleText() const
{
    return tr("Energy data: %1").arg(m_itemName);
}

void EnergyDataViewControl::setItemName(const QString& name)
{
    m_itemName = name;
    emit titleTextChanged(titleText());
}

void EnergyDataViewControl::setTotalConsumption(const QString& value)
{
    m_totalValue = value;
    resetConsumptionLabelText(TotalConsumption);
}

void EnergyDataViewControl::setInstantConsumption(const QString& value)
{
    m_instantValue = value;
    resetConsumptionLabelText(InstantConsumption);
}

void EnergyDataViewControl::setAverageConsumption(const QString& value)
{
    m_averageValue = value;
    resetConsumptionLabelText(AverageConsumption);
}

void EnergyDataViewControl::setMeasurementUnit(const QString& unit)
{
    m_measurementUnit = unit;
    resetAxisTitles();
    resetAllConsumptionLabels();
}

void EnergyDataViewControl::setCurrency(const QString& currency)
{
    m_currency = currency;
    resetAxisTitles();
    resetAllConsumptionLabels();
}

void EnergyDataViewControl::setInstantUnits(const QString& unit, const QString& currency)
{
    m_instantUnit = unit;
    m_instantCurrency = currency;
    resetConsumptionLabelText(InstantConsumption);
}

void EnergyDataViewControl::setDataType(DataType type)
{
    m_dataType = type;
    const QString icon = type == EnergyData ? ThemeProvider::ENERGY_CURRENCY : ThemeProvider::ENERGY_UNIT;
    m_currencyButton->setIconRenderer(Utilities::IconRenderer(ThemeProvider::getRendererFor(icon), {}));
    m_consumptionDisplay->tableDisplay()->model()->setShowsMoney(type == MoneyData);
    resetAxisTitles();
}

void EnergyDataViewControl::setMonthlyViewMode(MonthlyViewMode mode)
{
    m_monthlyViewMode = mode;
    resetMonthlyButtonText();
    resetAxisTitles();
}

void EnergyDataViewControl::resetMonthlyButtonText()
{
    m_monthlyButton->setText(m_monthlyViewMode == MonthlyViewDays ? tr("Hours") : tr("Days"));
}

void EnergyDataViewControl::setTimespanView(TimespanView view)
{
    m_dateEdit->setTimespanView(view);
    manageAverageLabelVisibility();
    manageCycleMonthlyViewVisibility();
    resetDisplayTitle();
    resetAxisTitles();
}

void EnergyDataViewControl::setDailyViewDate(const QDateTime& date)
{
    m_dateEdit->setDailyViewDate(date);
    resetDisplayTitle();
}

void EnergyDataViewControl::setMonthlyViewDate(const QDateTime& date)
{
    m_dateEdit->setMonthlyViewDate(date);
    resetDisplayTitle();
}

void EnergyDataViewControl::setDailyViewMinDate(const QDateTime& date)
{
    m_dateEdit->setDailyViewMinDate(date);
    resetDisplayTitle();
}

void EnergyDataViewControl::setMonthlyViewMinDate(const QDateTime& date)
{
    m_dateEdit->setMonthlyViewMinDate(date);
    resetDisplayTitle();
}

void EnergyDataViewControl::setEndDate(const QDateTime& date)
{
    m_dateEdit->setEndDate(date);
    // Which months are recent follows the end date.
    manageCycleMonthlyViewVisibility();
    resetDisplayTitle();
}

void EnergyDataViewControl::setAnnualViewDate(AnnualViewDate date)
{
    m_dateEdit->setAnnualViewDate(date);
    resetDisplayTitle();
}

void EnergyDataViewControl::setLastUpdated(const QDateTime& time)
{
    m_lastUpdated = time;
    resetDisplayTitle();
}

void EnergyDataViewControl::setIsEconomicEvaluationEnabled(bool enabled)
{
    m_economicEvaluationEnabled = enabled;
    applyEconomicEvaluation();
}

void EnergyDataViewControl::setButtonEnabled(SvgContentBackButton* button, bool enabled)
{
    button->setState(enabled ? SvgButton::Normal : SvgButton::Disabled);
    button->setIconElement(enabled ? Models::NavigationIcon::NORMAL_ELEMENT_ID
                                   : Models::NavigationIcon::DISABLED_ELEMENT_ID);
}

// While the controls are disabled (a request is under way) the currency and
// tariff buttons stay disabled too, so no click can cut the loading short.
void EnergyDataViewControl::applyEconomicEvaluation()
{
    const bool enabled = m_economicEvaluationEnabled && m_controlsEnabled;
    setButtonEnabled(m_currencyButton, enabled);
    setButtonEnabled(m_tariffButton, enabled);
}

void EnergyDataViewControl::enableControls(bool enabled)
{
    if (enabled == m_controlsEnabled)
        return;
    m_controlsEnabled = enabled;
    for (SvgContentBackButton* button : std::as_const(m_buttons))
        setButtonEnabled(button, enabled);
    m_dateEdit->setEnabled(enabled);
    if (enabled)
        applyEconomicEvaluation();
}

void EnergyDataViewControl::setConsumptionDisplay(ConsumptionDisplay display)
{
    m_consumptionDisplay->setDisplay(display);
    const QString icon = m_consumptionDisplay->display() == ChartDisplay ? ThemeProvider::ENERGY_TABLE
                                                                         : ThemeProvider::ENERGY_GRAPH;
    m_graphTableButton->setIconRenderer(Utilities::IconRenderer(ThemeProvider::getRendererFor(icon), {}));
}

void EnergyDataViewControl::setConsumptionDisplayData(const AbstractEnergyConsumptionDisplay::Series& data)
{
    setEnergyDataStatus(data.isEmpty() ? NoData : DataShown);
    m_consumptionDisplay->setData(data);
}

void EnergyDataViewControl::setConsumptionDisplayData(const AbstractEnergyConsumptionDisplay::Series& data,
                                                      ConsumptionDisplay display)
{
    m_consumptionDisplay->setData(data, display);
    setEnergyDataStatus(data.isEmpty() ? NoData : DataShown);
}

void EnergyDataViewControl::setConsumptionDisplayXAxisLabel(const QString& label)
{
    m_consumptionDisplay->setXAxisLabel(label);
}

void EnergyDataViewControl::setConsumptionDisplayYAxisLabel(const QString& label)
{
    m_consumptionDisplay->setYAxisLabel(label);
}

void EnergyDataViewControl::setProgress(double progress)
{
    setEnergyDataStatus(LoadingData);
    m_progressBar->setProgress(progress);
}

void EnergyDataViewControl::setProgressRange(double minimum, double maximum)
{
    m_progressBar->setRange(minimum, maximum);
}

void EnergyDataViewControl::setProgressDecimalsCount(int count)
{
    m_progressBar->setDecimalsCount(count);
}

void EnergyDataViewControl::rollbackProgress()
{
    if (m_energyDataStatus == LoadingData)
        emit energyDataCacheRequested();
}

void EnergyDataViewControl::setEnergyDataStatus(EnergyDataStatus status)
{
    m_energyDataStatus = status;
    m_statusLabel->setVisible(status == NoData);
    m_progressBar->setVisible(status == LoadingData);
    m_consumptionDisplay->setVisibility(status == DataShown);
}

ConsumptionDisplay EnergyDataViewControl::consumptionDisplay() const
{
    return m_consumptionDisplay->display();
}

DataType EnergyDataViewControl::nextDataType() const
{
    return DataType((m_dataType + 1) % 2);
}

MonthlyViewMode EnergyDataViewControl::nextMonthlyViewMode() const
{
    return MonthlyViewMode((m_monthlyViewMode + 1) % 2);
}

TimespanView EnergyDataViewControl::timespanView() const
{
    return m_dateEdit->timespanView();
}

AnnualViewDate EnergyDataViewControl::annualViewDate() const
{
    return m_dateEdit->annualViewDate();
}

QDateTime EnergyDataViewControl::dailyViewDate() const
{
    return m_dateEdit->dailyViewDate();
}

QDateTime EnergyDataViewControl::monthlyViewDate() const
{
    return m_dateEdit->monthlyViewDate();
}

Models::EnergyDataViewConfig EnergyDataViewControl::config() const
{
    return Models::EnergyDataViewConfig(timespanView(), dailyViewDate().date(), monthlyViewDate().date(),
                                        annualViewDate());
}

void EnergyDataViewControl::resetConsumptionLabelText(ConsumptionType type)
{
    QString format;
    QString value;
    switch (type) {
    case TotalConsumption:
        format = tr("Tot: %1 %2");
        value = m_totalValue;
        break;
    case InstantConsumption:
        format = tr("Inst: %1 %2");
        value = m_instantValue;
        break;
    case AverageConsumption:
        format = tr("Avg: %1 %2");
        value = m_averageValue;
        break;
    }
    consumptionLabel(type)->setText(format.arg(value, value.isEmpty() ? QString() : unitText(type)));
}

QString EnergyDataViewControl::unitText(ConsumptionType type) const
{
    if (type == InstantConsumption)
        return m_dataType == EnergyData ? m_instantUnit : m_instantCurrency;
    return m_dataType == EnergyData ? m_measurementUnit : m_currency;
}

void EnergyDataViewControl::resetAllConsumptionLabels()
{
    resetConsumptionLabelText(TotalConsumption);
    resetConsumptionLabelText(InstantConsumption);
    resetConsumptionLabelText(AverageConsumption);
}

void EnergyDataViewControl::resetDisplayTitle()
{
    if (!m_lastUpdated.isValid()) {
        m_titleLabel->setText(QString());
        return;
    }
    const QString format = timespanView() == AnnualView ? tr("%1 updated to %2") : tr("Data %1 updated to %2");
    m_titleLabel->setText(format.arg(m_dateEdit->startDateText(), DataFaceDates::momentText(m_lastUpdated)));
}

void EnergyDataViewControl::resetAxisTitles()
{
    QString x;
    switch (timespanView()) {
    case DailyView:
        x = tr("Hours");
        break;
    case MonthlyView:
        x = m_monthlyViewMode == MonthlyViewDays ? tr("Days") : tr("Hours");
        break;
    case AnnualView:
        x = tr("Month");
        break;
    }
    m_consumptionDisplay->setXAxisLabel(x);
    m_consumptionDisplay->setYAxisLabel(m_dataType == EnergyData ? m_measurementUnit : m_currency);
}

void EnergyDataViewControl::resetHotspot()
{
    const QRectF bounds = boundsOnElement(HOTSPOT_ID);
    if (bounds.width() > 0.0 && bounds.height() > 0.0)
        m_hotspot = bounds.center();
    else
        m_hotspot = QRectF(QPointF(0, 0), defaultSize(rendererContainer())).center();
}

void EnergyDataViewControl::manageAverageLabelVisibility()
{
    m_averageLabel->setVisible(timespanView() == MonthlyView);
}

void EnergyDataViewControl::manageCycleMonthlyViewVisibility()
{
    // Recent by the date of whoever sets the editor's end date (a meter's
    // gateway), not by the computer's.
    const bool visible = timespanView() == MonthlyView
        && Corvane::Utilities::DateUtilities::isDateInLastYear(monthlyViewDate().date(), m_dateEdit->endDate().date());
    if (visible != m_monthlyButton->isVisible())
        m_monthlyButton->setVisible(visible);
    if (!visible && m_monthlyViewMode == MonthlyViewHours)
        setMonthlyViewMode(MonthlyViewDays);
}

void EnergyDataViewControl::updateCachedData()
{
    SvgControlObject::updateCachedData();
    setBounds(QRectF(QPointF(0, 0), defaultSize(rendererContainer())));
    resetHotspot();
}

void EnergyDataViewControl::retranslateUi()
{
    SvgControlObject::retranslateUi();
    emit titleTextChanged(titleText());
    m_okButton->setText(tr("OK"));
    resetMonthlyButtonText();
    resetDisplayTitle();
    resetAxisTitles();
    resetAllConsumptionLabels();
    m_statusLabel->setText(tr("No data"));
    m_progressBar->setTextFormat(tr("Loading data %p%. Please wait..."));
}

void EnergyDataViewControl::afterStep()
{
    manageCycleMonthlyViewVisibility();
    resetDisplayTitle();
    emit dateChanged();
}

void EnergyDataViewControl::onElementClick(SvgElement* element)
{
    if (element == m_cycleTimespanButton) {
        setTimespanView(m_dateEdit->nextTimespanView());
        emit cycleTimespanViewClicked();
    } else if (element == m_decreaseButton) {
        m_dateEdit->previousDate();
        afterStep();
    } else if (element == m_increaseButton) {
        m_dateEdit->nextDate();
        afterStep();
    } else if (element == m_okButton) {
        emit okClicked();
    } else if (element == m_graphTableButton) {
        setConsumptionDisplay(m_consumptionDisplay->nextDisplay());
    } else if (element == m_currencyButton) {
        setDataType(nextDataType());
        emit cycleCurrencyUnitClicked();
    } else if (element == m_tariffButton) {
        emit tariffClicked();
    } else if (element == m_monthlyButton) {
        setMonthlyViewMode(nextMonthlyViewMode());
        emit cycleMonthlyViewClicked();
    }
    SvgControlObject::onElementClick(element);
}

void EnergyDataViewControl::mouseClickEvent(QGraphicsSceneMouseEvent* event)
{
    m_dateEdit->handleMouseClick(event);
    SvgControlObject::mouseClickEvent(event);
}

} // namespace Corvane::Gadgets
