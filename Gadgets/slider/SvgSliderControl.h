#pragma once

#include "controls/SvgControlObject.h"

#include <QColor>
#include <QGradientStops>
#include <QPainterPath>
#include <QRegion>
#include <QSet>

class QGraphicsPathItem;
class QGraphicsSimpleTextItem;

namespace Corvane::Gadgets {

class SvgButton;
class SvgElement;

// The themed horizontal value slider: an empty track ("background"), a
// filled track ("slider") clipped to the value, a thumb running along
// "slider_path" and a value text under it.
//
// The value is always one step of the grid minimum + n * step within the
// bounds, never one of the steps declared invalid. A press on the track
// moves the value there and reports it at once; a drag of the thumb
// reports once, at release. The setters never report.
//
// Degenerate data (an icon without slider data gives 0, 0, 0) is defined:
// a step of 0 or less makes the minimum the only step, and a range that is
// empty or inverted reads as 0 percent.
class SvgSliderControl : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString BACKGROUND_ID;
    static const QString SLIDER_ID;
    static const QString SLIDER_MASK_ID;
    static const QString SLIDER_PATH_ID;
    static const QString THUMB_ID;
    static const QString SLIDER_CONFIG_KEY;

    // A value text not shown (the slider hidden, or the text) is laid out
    // when it shows: a slider made hidden does not lay it out until then.
    SvgSliderControl(Utilities::RendererContainer* renderer, SvgControlObject* parent, bool hidden = false);

    double value() const { return m_value; }
    double minValue() const { return m_minValue; }
    double maxValue() const { return m_maxValue; }
    double valueStep() const { return m_valueStep; }
    // Stores the bounds; the value stays where it is.
    void setValueBounds(double minValue, double maxValue, double step);
    void setValueStep(double step);
    // Snaps to the nearest step; a value outside the bounds or on an invalid
    // step is ignored.
    void setValue(double value);
    void setNextValue();
    void setPreviousValue();
    double nextValue() const;
    double previousValue() const;
    int step() const;
    void setStep(int step);
    double percent() const;
    void setPercent(double percent);
    int stepsCount() const;
    bool isValidStep(int step) const;
    QSet<int> invalidValueSteps() const { return m_invalidValueSteps; }
    void setInvalidValueSteps(const QSet<int>& steps);

    QString valueFormat() const { return m_valueFormat; }
    void setValueFormat(const QString& format);
    int valuePrecision() const { return m_valuePrecision; }
    // A precision outside -1..6 is refused and leaves the stored one.
    void setValuePrecision(int precision);

    void setTextVisible(bool visible);
    bool textVisible() const;
    void setImageVisible(bool visible);
    bool imageVisible() const { return m_imageVisible; }
    void setSliderOpacity(double opacity);
    void setSliderTextOpacity(double opacity);
    // Places the value text with the middle of its top edge at offset.
    void setTextOffset(const QPointF& offset);
    QPointF textOffset() const { return m_textOffset; }

    QRectF totalSliderOnlyBounds() const;
    QRectF totalSliderPlusTextBounds() const;

    SvgElement* background() const { return m_background; }
    SvgElement* filledTrack() const { return m_slider; }
    SvgButton* thumb() const { return m_thumb; }
    QGraphicsSimpleTextItem* textItem() const { return m_text; }

    void setCustomScale(qreal scale) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void updateCachedData() override;
    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    QRectF boundingRect() const override;

signals:
    void valueChanged();

protected:
    using SvgControlObject::mouseReleaseEvent;

    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;
    void readThemeSettings(bool force) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void createElements();
    bool hasUsableStep() const;
    double valueInBounds(double value) const;
    int valueToStep(double value) const;
    double stepToValue(int step) const;
    int nextStep() const;
    int previousStep() const;
    QPoint designPoint(const QPointF& scenePos) const;
    void moveCloseToPoint(const QPointF& point);
    QRegion getMaskRegion();
    void updateVisuals(bool withText);
    void updateTextPixmap();
    void updateTextBacking();
    qreal pathX(double percent) const;

    SvgElement* m_background = nullptr;
    SvgElement* m_slider = nullptr;
    SvgButton* m_thumb = nullptr;
    QGraphicsSimpleTextItem* m_text = nullptr;
    QGraphicsPathItem* m_textBacking = nullptr;
    bool m_textPending = false;
    QRectF m_maskBounds;
    QRegion m_maskRegion;
    QPainterPath m_sliderPath;
    QPointF m_textOffset;
    QGradientStops m_textColorStops;
    int m_fontSize = 0;
    int m_fontWeight = 0;
    QString m_fontFamily;
    double m_value = 0.0;
    double m_minValue = 0.0;
    double m_maxValue = 100.0;
    double m_valueStep = 1.0;
    QSet<int> m_invalidValueSteps;
    QString m_valueFormat = QStringLiteral("%1%");
    int m_valuePrecision = -1;
    bool m_valueChangedByDrag = false;
    bool m_imageVisible = true;
};

} // namespace Corvane::Gadgets
