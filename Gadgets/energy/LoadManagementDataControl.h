#pragma once

#include "controls/SvgControlObject.h"

#include <QDateTime>
#include <QMap>

class QGraphicsSimpleTextItem;
class QGraphicsTextItem;

namespace Corvane::Gadgets {

class SvgContentBackButton;

// The face of the load-management gadget: the instant consumption of one
// load, two energy counters with their start dates, the time of the last
// update and four buttons (reset counter 1 and 2, refresh, unit/currency);
// or, for a load without consumption statistics, a single notice.
class LoadManagementDataControl : public SvgControlObject
{
    Q_OBJECT

public:
    enum Counter {
        FirstCounter = 0,
        SecondCounter = 1,
    };

    struct CounterData
    {
        QDateTime updateTime;
        double value = 0.0;
        QString unit;
    };

    static const QString BACKGROUND_ID;
    // The frames of the two counters, shown with the data.
    static const QString COUNTERS_ID;
    static const QString RESET_COUNTER1_ID;
    static const QString RESET_COUNTER2_ID;
    static const QString REFRESH_ID;
    static const QString CYCLE_ID;
    static const QString INSTANT_PLACEHOLDER_ID;
    static const QString COUNTER1_PLACEHOLDER_ID;
    static const QString COUNTER2_PLACEHOLDER_ID;
    static const QString LAST_UPDATE_PLACEHOLDER_ID;
    static const QString NO_INFO_PLACEHOLDER_ID;
    static const QString TITLE_SUFFIX;
    static const QString LABELS_SUFFIX;

    LoadManagementDataControl(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);

    void setTitle(const QString& itemName);
    QString title() const { return m_title; }
    void setInstantData(double value, const QString& unit);
    void setUpdateTime(const QDateTime& time);
    void setCounterData(Counter counter, const QDateTime& updateTime, double value, const QString& unit);
    // The counter as never set: no start, unit or value.
    void clearCounterData(Counter counter);
    bool supportsInfo() const { return m_supportsInfo; }
    void setSupportsInfo(bool supports);
    // Shows the unit/currency button; turning economic evaluation off also
    // clears the show-economic-evaluation choice.
    void setIsEconomicEvaluationEnabled(bool enabled);
    // The user's choice of currency values, which the program reads back; it
    // changes nothing drawn here.
    void setShowEconomicEvaluation(bool show) { m_showEconomicEvaluation = show; }
    bool showEconomicEvaluation() const { return m_showEconomicEvaluation; }
    bool cycleState() const { return m_cycleState; }
    QString titleControlId() const;
    QString labelsControlId() const;
    QPointF hotSpot() const;

    QGraphicsSimpleTextItem* instantText() const { return m_instantText; }
    QGraphicsSimpleTextItem* counterText(Counter counter) const;
    QGraphicsSimpleTextItem* lastUpdateText() const { return m_lastUpdateText; }
    QGraphicsTextItem* noticeText() const { return m_noticeText; }
    SvgContentBackButton* button(const QString& id) const;

    void retranslateUi() override;
    void onElementClick(SvgElement* element) override;
    void totalOffsetChanged() override;
    void readThemeSettings(bool reread) override;

signals:
    void resetCounter1Clicked();
    void resetCounter2Clicked();
    void refreshClicked();
    void cycleClicked();
    void titleTextChanged(QString title);

private:
    SvgContentBackButton* createButton(const QString& id, const QString& icon);
    QGraphicsSimpleTextItem* createText();
    void placeTexts();
    void applySupportsInfo();
    void resetTitle();
    void resetInstantText();
    void resetUpdateTimeText();
    void resetCounterText(Counter counter);
    void resetCycleIcon();
    QList<QGraphicsItem*> dataItems() const;
    void applyCycleVisibility();

    SvgElement* m_background;
    SvgElement* m_counterFrames;
    QGraphicsSimpleTextItem* m_instantText;
    QGraphicsSimpleTextItem* m_counter1Text;
    QGraphicsSimpleTextItem* m_counter2Text;
    QGraphicsSimpleTextItem* m_lastUpdateText;
    QGraphicsTextItem* m_noticeText;
    SvgContentBackButton* m_resetCounter1Button;
    SvgContentBackButton* m_resetCounter2Button;
    SvgContentBackButton* m_refreshButton;
    SvgContentBackButton* m_cycleButton;
    bool m_cycleState = true;
    QString m_title;
    QDateTime m_updateTime;
    double m_value = 0.0;
    QString m_unit;
    QMap<Counter, CounterData> m_counters;
    bool m_supportsInfo = true;
    bool m_economicEvaluationEnabled = true;
    bool m_showEconomicEvaluation = false;
};

} // namespace Corvane::Gadgets
