#pragma once

#include "controls/SvgControlObject.h"
#include "energy/AbstractEnergyConsumptionDisplay.h"
#include "energy/EnergyDataViewConfig.h"
#include "energy/GadgetsCommon.h"

#include <QDateTime>

namespace Corvane::Gadgets {

class EnergyConsumptionDisplay;
class EnergyTimespanEdit;
class GraphicsProgressBar;
class SvgContentBackButton;
class TextLabel;

// The front face of the energy data gadget: a title line, three value
// labels, the date editor, eight buttons, the consumption display (chart or
// table), a "No data" text and the loading progress bar. It holds no energy
// data: the program pushes labelled series and formatted values in, reads the
// view configuration back and acts on the signals, which the face emits after
// every user action that changes what should be drawn.
class EnergyDataViewControl : public SvgControlObject
{
    Q_OBJECT

public:
    enum EnergyDataStatus {
        NoData = 0,
        LoadingData = 1,
        DataShown = 2,
    };
    enum ConsumptionType {
        TotalConsumption = 0,
        InstantConsumption = 1,
        AverageConsumption = 2,
    };

    static const QString BACKGROUND_ID;
    static const QString CYCLE_TIMESPAN_VIEW_BUTTON_ID;
    static const QString DECREASE_BUTTON_ID;
    static const QString INCREASE_BUTTON_ID;
    static const QString OK_BUTTON_ID;
    static const QString CYCLE_GRAPHTABLE_VIEW_BUTTON_ID;
    static const QString CYCLE_CURRENCY_BUTTON_ID;
    static const QString TARIFF_BUTTON_ID;
    static const QString CYCLE_MONTHLY_VIEW_BUTTON_ID;
    static const QString DATE_PLACEHOLDER_ID;
    static const QString TABLE_TITLE_PLACEHOLDER_ID;
    static const QString CUMULATIVE_DATA_PLACEHOLDER_ID;
    static const QString INSTANT_DATA_PLACEHOLDER_ID;
    static const QString AVERAGE_DATA_PLACEHOLDER_ID;
    static const QString STATUS_PLACEHOLDER_ID;
    static const QString HOTSPOT_ID;
    static const QString LABEL_CONTROLS_ID;
    static const QString DATE_CONTROL_ID;
    static const QString BUTTON_CONTROLS_ID;
    static const QString PROGRESS_BAR_CONTROL_ID;
    static const double DISABLED_CONTROLS_TEXT_OPACITY;

    EnergyDataViewControl(Utilities::RendererContainer* renderer, SvgControlObject* parent);

    void setItemName(const QString& name);
    void setTotalConsumption(const QString& value);
    void setInstantConsumption(const QString& value);
    void setAverageConsumption(const QString& value);
    void setMeasurementUnit(const QString& unit);
    void setCurrency(const QString& currency);
    // The units of the instant value, a rate rather than an amount: for
    // energy data (kW, m³/h) and for money (€/h).
    void setInstantUnits(const QString& unit, const QString& currency);
    void setDataType(GadgetsCommon::DataType type);
    void setMonthlyViewMode(GadgetsCommon::MonthlyViewMode mode);
    void setTimespanView(GadgetsCommon::TimespanView view);
    void setDailyViewDate(const QDateTime& date);
    void setMonthlyViewDate(const QDateTime& date);
    void setDailyViewMinDate(const QDateTime& date);
    void setMonthlyViewMinDate(const QDateTime& date);
    void setEndDate(const QDateTime& date);
    void setAnnualViewDate(GadgetsCommon::AnnualViewDate date);
    void setLastUpdated(const QDateTime& time);
    void setIsEconomicEvaluationEnabled(bool enabled);
    void enableControls(bool enabled);
    void setConsumptionDisplay(GadgetsCommon::ConsumptionDisplay display);
    void setConsumptionDisplayData(const AbstractEnergyConsumptionDisplay::Series& data);
    void setConsumptionDisplayData(const AbstractEnergyConsumptionDisplay::Series& data,
                                   GadgetsCommon::ConsumptionDisplay display);
    void setConsumptionDisplayXAxisLabel(const QString& label);
    void setConsumptionDisplayYAxisLabel(const QString& label);
    void setProgress(double progress);
    void setProgressRange(double minimum, double maximum);
    void setProgressDecimalsCount(int count);
    void rollbackProgress();

    EnergyConsumptionDisplay* consumptionDisplayControl() const { return m_consumptionDisplay; }
    GadgetsCommon::ConsumptionDisplay consumptionDisplay() const;
    GadgetsCommon::DataType dataType() const { return m_dataType; }
    GadgetsCommon::DataType nextDataType() const;
    GadgetsCommon::MonthlyViewMode monthlyViewMode() const { return m_monthlyViewMode; }
    GadgetsCommon::MonthlyViewMode nextMonthlyViewMode() const;
    QString itemName() const { return m_itemName; }
    bool areControlsEnabled() const { return m_controlsEnabled; }
    bool isEconomicEvaluationEnabled() const { return m_economicEvaluationEnabled; }
    EnergyDataStatus energyDataStatus() const { return m_energyDataStatus; }
    QDateTime lastUpdated() const { return m_lastUpdated; }
    GadgetsCommon::TimespanView timespanView() const;
    GadgetsCommon::AnnualViewDate annualViewDate() const;
    QDateTime dailyViewDate() const;
    QDateTime monthlyViewDate() const;
    Models::EnergyDataViewConfig config() const;
    QPointF hotspot() const { return m_hotspot; }

    EnergyTimespanEdit* dateEdit() const { return m_dateEdit; }
    GraphicsProgressBar* progressBar() const { return m_progressBar; }
    TextLabel* titleLabel() const { return m_titleLabel; }
    TextLabel* statusLabel() const { return m_statusLabel; }
    TextLabel* consumptionLabel(ConsumptionType type) const;
    SvgContentBackButton* button(const QString& id) const;

    void updateCachedData() override;
    void retranslateUi() override;
    void onElementClick(SvgElement* element) override;

public slots:
    void manageCycleMonthlyViewVisibility();

signals:
    void cycleTimespanViewClicked();
    void dateChanged();
    void okClicked();
    void cycleCurrencyUnitClicked();
    void tariffClicked();
    void cycleMonthlyViewClicked();
    void titleTextChanged(QString title);
    void energyDataCacheRequested();

protected:
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    SvgContentBackButton* createButton(const QString& id, const QString& icon, const QMargins& paddings,
                                       bool textButton);
    TextLabel* createLabel(const QString& placeholder);
    void setEnergyDataStatus(EnergyDataStatus status);
    void resetConsumptionLabelText(ConsumptionType type);
    void resetAllConsumptionLabels();
    QString unitText(ConsumptionType type) const;
    void resetDisplayTitle();
    void resetAxisTitles();
    void resetHotspot();
    void manageAverageLabelVisibility();
    void applyEconomicEvaluation();
    void setButtonEnabled(SvgContentBackButton* button, bool enabled);
    void resetMonthlyButtonText();
    QString titleText() const;
    void afterStep();

    QString m_itemName;
    QString m_totalValue;
    QString m_instantValue;
    QString m_averageValue;
    QString m_measurementUnit;
    QString m_currency;
    QString m_instantUnit;
    QString m_instantCurrency;
    GadgetsCommon::DataType m_dataType = GadgetsCommon::EnergyData;
    GadgetsCommon::MonthlyViewMode m_monthlyViewMode = GadgetsCommon::MonthlyViewDays;
    QDateTime m_lastUpdated;
    bool m_economicEvaluationEnabled = true;
    bool m_controlsEnabled = true;
    EnergyDataStatus m_energyDataStatus = NoData;
    QPointF m_hotspot;

    SvgElement* m_background;
    SvgContentBackButton* m_cycleTimespanButton;
    SvgContentBackButton* m_decreaseButton;
    SvgContentBackButton* m_increaseButton;
    TextLabel* m_titleLabel;
    SvgContentBackButton* m_okButton;
    SvgContentBackButton* m_graphTableButton;
    SvgContentBackButton* m_currencyButton;
    SvgContentBackButton* m_tariffButton;
    SvgContentBackButton* m_monthlyButton;
    TextLabel* m_totalLabel;
    TextLabel* m_instantLabel;
    TextLabel* m_averageLabel;
    EnergyTimespanEdit* m_dateEdit;
    EnergyConsumptionDisplay* m_consumptionDisplay;
    TextLabel* m_statusLabel;
    GraphicsProgressBar* m_progressBar;
    QList<SvgContentBackButton*> m_buttons;
};

} // namespace Corvane::Gadgets
