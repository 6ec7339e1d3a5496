#pragma once

#include "controls/SvgControlObject.h"
#include "energy/GadgetsCommon.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QList>

class QDateTimeEdit;
class QGraphicsProxyWidget;
class QWidget;

namespace Corvane::Gadgets {

class TextLabel;

// The date field of the energy face: an editable day (daily view), an
// editable month (monthly view) or the name of a twelve-month period (annual
// view). Day and month are real date editors embedded through proxy widgets,
// so the user can type a date; the control keeps every date between the
// minimum of its view and the common end date, steps the shown date for the
// face's arrows and reports every change by a signal.
class EnergyTimespanEdit : public SvgControlObject
{
    Q_OBJECT

public:
    // One page of the control: the item shown or hidden, and the embedded
    // widget when the page is one.
    struct StackedItem
    {
        int index;
        QGraphicsItem* item;
        QWidget* widget;
    };

    static const QString EDIT_SELECTION_FONT_COLOR_ID;
    static const QString EDIT_SELECTION_BACK_COLOR_ID;

    EnergyTimespanEdit(const QDateTime& endDate, SvgControlObject* parent);

    GadgetsCommon::TimespanView timespanView() const { return m_timespanView; }
    GadgetsCommon::TimespanView nextTimespanView() const;
    GadgetsCommon::TimespanView previousTimespanView() const;
    void setTimespanView(GadgetsCommon::TimespanView view);
    void setNextTimespanView();
    void setPreviousTimespanView();

    QDateTime dailyViewDate() const;
    QDateTime monthlyViewDate() const;
    void setDailyViewDate(const QDateTime& date);
    void setMonthlyViewDate(const QDateTime& date);
    GadgetsCommon::AnnualViewDate annualViewDate() const { return m_annualViewDate; }
    void setAnnualViewDate(GadgetsCommon::AnnualViewDate date);
    void setAnnualTimePeriod(GadgetsCommon::AnnualViewDate date);
    QString annualViewDateText() const;
    QString startDateText() const;

    QDateTime dailyViewMinDate() const { return m_dailyViewMinDate; }
    QDateTime monthlyViewMinDate() const { return m_monthlyViewMinDate; }
    QDateTime endDate() const { return m_endDate; }
    void setDailyViewMinDate(const QDateTime& date);
    void setMonthlyViewMinDate(const QDateTime& date);
    void setEndDate(const QDateTime& date);
    QDateTime minimumDate(GadgetsCommon::TimespanView view) const;

    QDateTimeEdit* dateTimeEdit(GadgetsCommon::TimespanView view) const;
    bool timespanView(GadgetsCommon::TimespanView& view, const QDateTimeEdit* editor) const;
    QGraphicsProxyWidget* proxy(GadgetsCommon::TimespanView view) const;
    TextLabel* annualLabel() const { return m_annualLabel; }

    QDate validateDate(const QDate& date, GadgetsCommon::TimespanView view) const;
    QDate validateDate(const QDate& date) const;
    void validateDate(GadgetsCommon::TimespanView view);
    void validateDate(QDateTimeEdit* editor);
    void previousDate();
    void nextDate();
    void advanceDate(int steps);

    int addWidget(QWidget* widget);
    int addItem(QGraphicsItem* item);
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    QGraphicsItem* visibleControl() const;

    QFont font() const { return m_font; }
    void setFont(const QFont& font);
    void setFontSize(int pixelSize);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& colour);
    void setHighlightedTextColor(const QColor& colour, bool selectedText);
    void setFormats();
    void resetStyleSheet();
    static QString colorToCssColor(const QColor& colour);

    void setBounds(const QRectF& rect) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void retranslateUi() override;
    void setControlId(const QString& id) override;
    void readThemeSettings(bool force) override;

public slots:
    void onDateEditingFinished();

signals:
    void dailyViewDateChanged(QDateTime date);
    void monthlyViewDateChanged(QDateTime date);
    void annualViewDateChanged(Corvane::Gadgets::GadgetsCommon::AnnualViewDate date);

protected:
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QDateTimeEdit* createEditor(const QDateTime& date);
    QDateTimeEdit* visibleEditor() const;
    QGraphicsProxyWidget* proxyOf(const QWidget* widget) const;
    void updateWidgetsGeometry();
    void giveFocus(QDateTimeEdit* editor, QGraphicsSceneMouseEvent* event, const QPointF& local);
    void takeFocus(QDateTimeEdit* editor);

    QDateTimeEdit* m_dailyEditor;
    QDateTimeEdit* m_monthlyEditor;
    TextLabel* m_annualLabel;
    QList<StackedItem> m_stack;
    QList<int> m_pagePerView;
    int m_currentIndex = -1;
    int m_lastIndex = -1;
    GadgetsCommon::TimespanView m_timespanView = GadgetsCommon::DailyView;
    QDateTime m_endDate;
    GadgetsCommon::AnnualViewDate m_annualViewDate = GadgetsCommon::LastTwelveMonths;
    QList<QWidget*> m_widgets;
    QList<QDateTimeEdit*> m_dateEditors;
    QColor m_fontColor = Qt::white;
    QColor m_selectionTextColor;
    QColor m_selectionBackColor;
    QFont m_font;
    bool m_themeSettingsRead = false;
    QDateTime m_dailyViewMinDate;
    QDateTime m_monthlyViewMinDate;
};

} // namespace Corvane::Gadgets
