#pragma once

#include "controls/SvgControlObject.h"

#include <QEasingCurve>
#include <QList>
#include <QPropertyAnimation>
#include <QRectF>
#include <QSet>

namespace Corvane::Gadgets {

class Label;
class SvgSliderControl;

namespace Models {
class DropDownItemModel;
class DropDownModel;
}

// The ring of name plates around the carousel: one Label per segment and,
// under each, a value slider for devices that carry a level.
//
// Where each label and slider sits is read from placeholder elements of the
// carousel's SVG, one set per expanded state. Opening a command ring moves
// the labels outwards and closing it moves them back, animated through the
// "expandProgress" property (0 shows the previous layout, 1 the current one).
//
// Every per-index operation ignores an index outside the list; the signals
// of the labels and sliders are relayed with their index in front.
class NavigationLabels : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal expandProgress READ expandProgress WRITE setExpandProgress)

public:
    enum ExpandedState {
        Collapsed = 0,
        Expanded = 1,
        Expanded2 = 2,
    };
    Q_ENUM(ExpandedState)

    static const QString TOOLTIP_PLACEHOLDER;
    static const QString TOOLTIP_EXPANDED_PLACEHOLDER;
    static const QString TOOLTIP_EXPANDED_2_PLACEHOLDER;
    static const QString SLIDER_PLACEHOLDER;
    static const QString SLIDER_EXPANDED_PLACEHOLDER;
    static const QString SLIDER_EXPANDED_2_PLACEHOLDER;
    static const QString LABEL_KEY;

    // renderer is the carousel's SVG, which holds the placeholders.
    explicit NavigationLabels(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);

    int count() const { return m_labels.size(); }
    Label* labelAt(int index) const;
    SvgSliderControl* sliderAt(int index) const;

    void setText(int index, const QString& text);
    QString textAt(int index) const;
    QString editedTextAt(int index) const;
    void setVisibleAt(int index, bool visible);
    void setTextOpacityAt(int index, qreal opacity);
    void setSupportsExtendedMode(int index, bool supported);
    void setExtendedModeDropDownModel(int index, const Models::DropDownModel& model);
    void setExtendedModeDropDownText(int index, const QString& text);
    void setExtendedModeDropDownItems(int index, const QList<Models::DropDownItemModel*>& items);

    void setSliderVisible(int index, bool visible);
    void setSliderImageVisible(int index, bool visible);
    void setSliderTextVisible(int index, bool visible);
    void setSliderValue(int index, qreal value);
    void setSliderValueBounds(int index, qreal minValue, qreal maxValue, qreal step);
    void setSliderValueStep(int index, qreal step);
    void setSliderInvalidValueSteps(int index, const QSet<int>& steps);
    void setSliderValueFormat(int index, const QString& format);
    void setSliderValuePrecision(int index, int precision);
    qreal sliderValue(int index) const;
    // Key-driven steps; only while the slider's bar shows.
    void moveSliderUp(int index);
    void moveSliderDown(int index);
    // Reports the slider's value, as when a key-driven change is released.
    void applyCurrentValue(int index);

    void setTextOpacity(qreal opacity);
    void showAllSliders();
    void hideAllSliders();
    void hideAllSlidersTexts();
    void hideAllSlidersImages();
    void setCanEditLabels(bool canEdit);
    void setLabelsRefreshButtonsVisible(bool visible);
    bool isEditing() const;

    ExpandedState expandedState() const { return m_expandedState; }
    ExpandedState previousExpandedState() const { return m_previousExpandedState; }
    void setExpandedState(ExpandedState state);
    qreal expandProgress() const { return m_expandProgress; }
    void setExpandProgress(qreal progress);
    void startExpandAnimation(const QEasingCurve& easing, int duration);
    QPropertyAnimation* expandAnimation() { return &m_expandAnimation; }

    // The layout of the current state, in the labels' parent coordinates.
    QList<QRectF> labelRects() const { return m_labelRects; }
    QList<QRectF> sliderRects() const { return m_sliderRects; }
    QList<QRectF> sliderValueRects() const { return m_sliderValueRects; }
    // What every label and slider, shown or not, covers in this control's
    // coordinates once laid out for state, with the texts they hold now.
    QRectF reachInState(ExpandedState state) const;

    void setCustomScale(qreal scale) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void updateCachedData() override;

signals:
    void sliderValueChanged(int index);
    void labelRefreshClicked(int index);
    void labelTextChanged(int index, bool& canRename);
    void labelEditStart(int index);
    void labelEditEnd(int index);
    void labelTextScrolling();
    void row2DropDownItemIconClick(int labelIndex, int itemIndex,
                                   const Corvane::Gadgets::Models::DropDownItemModel* model);
    void row2DropDownItemTextChanged(int labelIndex, int itemIndex,
                                     const Corvane::Gadgets::Models::DropDownItemModel* model, QString text);

private slots:
    void onSliderValueChanged();
    void onLabelRefreshClicked();
    void onLabelTextChanged(bool& canRename);
    void onLabelEditingChanged(bool inEditMode);
    void onRow2DropDownItemIconClick(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model);
    void onRow2DropDownItemTextChanged(int itemIndex, const Corvane::Gadgets::Models::DropDownItemModel* model,
                                       QString text);

private:
    void createLabels();
    void createSliders();
    bool isValidIndex(int index) const { return index >= 0 && index < m_labels.size(); }
    int labelIndexOfSender() const;
    // A placeholder of the given state; a missing variant falls back to the
    // collapsed one, so a theme gap never throws a label to the origin.
    QRectF placeholderBounds(const QString& stateTemplate, const QString& collapsedTemplate, int index) const;
    void setBoundsForState(ExpandedState state, QList<QRectF>& labelRects, QList<QRectF>& sliderRects,
                           QList<QRectF>& sliderValueRects, int index);
    void computeRects(ExpandedState state, int index, QRectF& labelRect, QRectF& sliderRect,
                      QRectF& sliderValueRect) const;
    void recomputeIndex(int index);
    void recomputeAll();

    QList<QRectF> m_previousLabelRects;
    QList<QRectF> m_labelRects;
    QList<QRectF> m_previousSliderRects;
    QList<QRectF> m_sliderRects;
    QList<QRectF> m_previousSliderValueRects;
    QList<QRectF> m_sliderValueRects;
    QList<Label*> m_labels;
    QList<SvgSliderControl*> m_sliders;
    ExpandedState m_previousExpandedState = Collapsed;
    ExpandedState m_expandedState = Collapsed;
    QPropertyAnimation m_expandAnimation;
    qreal m_expandProgress = 1.0;
};

} // namespace Corvane::Gadgets
