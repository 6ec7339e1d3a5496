#pragma once

#include "controls/SvgControlObject.h"

#include <QColor>
#include <QEasingCurve>
#include <QGradientStops>

class QPropertyAnimation;

namespace Corvane::Gadgets {

class TextLabel;

// A painter-drawn, themed progress bar with an optional label. The label text
// comes from a format in which "%p" stands for the percentage, "%v" for the
// progress and "%m" for the maximum. The bar can animate towards a new
// progress; a progress set while the animation runs stops it and holds.
class GraphicsProgressBar : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal progress READ progress WRITE setAnimatedProgress)
    Q_PROPERTY(qreal percentage READ percentage WRITE setPercentage)
    Q_PROPERTY(qreal minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(qreal maximum READ maximum WRITE setMaximum)

public:
    static const QString BACK_COLOR_ID;
    static const QString FILL_COLOR_ID;
    static const QString BORDER_COLOR_ID;
    static const QString BORDER_WIDTH_ID;
    static const QString LABEL_SUFFIX;
    static const QString CURRENT_PERCENTAGE_SPECIFIER;
    static const QString CURRENT_PROGRESS_SPECIFIER;
    static const QString MAXIMUM_PROGRESS_SPECIFIER;

    static const QStringList& textFormatSpecifiers();

    explicit GraphicsProgressBar(SvgControlObject* parent);

    qreal progress() const { return m_progress; }
    qreal minimum() const { return m_minimum; }
    qreal maximum() const { return m_maximum; }
    qreal percentage() const;
    void setProgressInRange();
    bool isProgressInRange(qreal value) const;

    QString textFormat() const { return m_textFormat; }
    void setTextFormat(const QString& format);
    QString compileText() const;
    void recompileText();
    QString text() const;
    int decimalsCount() const { return m_decimalsCount; }
    void setDecimalsCount(int count);
    bool hasLabel() const;
    void setHasLabel(bool hasLabel);
    Qt::Alignment labelAlignment() const { return m_labelAlignment; }
    void setLabelAlignment(Qt::Alignment alignment);
    TextLabel* label() const { return m_label; }

    QGradientStops backColor() const { return m_backColor; }
    void setBackColor(const QGradientStops& stops);
    QGradientStops fillColor() const { return m_fillColor; }
    void setFillColor(const QGradientStops& stops);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& colour);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    QRectF progressBarBounds() const { return m_progressBarBounds; }
    void setProgressBarBounds(const QRectF& bounds);

    bool animatesProgress() const { return m_animatesProgress; }
    void setAnimatesProgress(bool animates) { m_animatesProgress = animates; }
    int animationTime() const { return m_animationTime; }
    void setAnimationTime(int milliseconds);
    QEasingCurve animationEasingCurve() const;
    void setAnimationEasingCurve(const QEasingCurve& curve);
    bool isAnimationRunning() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    QRectF boundingRect() const override;
    void setControlId(const QString& id) override;
    void readThemeSettings(bool force) override;

public slots:
    void setProgress(qreal progress);
    void setPercentage(qreal percentage);
    void setMinimum(qreal minimum);
    void setMaximum(qreal maximum);
    void setRange(qreal minimum, qreal maximum);

signals:
    void progressChanged(qreal progress);
    void percentageChanged(qreal percentage);

private:
    void setAnimatedProgress(qreal progress);
    void applyProgress(qreal progress);
    void positionLabel();

    QRectF m_progressBarBounds;
    double m_progress = 0.0;
    double m_minimum = 0.0;
    double m_maximum = 0.0;
    int m_decimalsCount = 0;
    QGradientStops m_backColor;
    QGradientStops m_fillColor;
    QColor m_borderColor;
    double m_borderWidth = 1.0;
    TextLabel* m_label;
    QString m_textFormat;
    bool m_textFormatHasSpecifiers = false;
    Qt::Alignment m_labelAlignment = Qt::AlignHCenter | Qt::AlignVCenter;
    QPropertyAnimation* m_progressAnimation;
    bool m_animatesProgress = false;
    int m_animationTime = 0;
};

} // namespace Corvane::Gadgets
