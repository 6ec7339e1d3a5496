#pragma once

#include "controls/SvgControlObject.h"

#include <QColor>
#include <QFont>
#include <QGradientStops>
#include <QMap>
#include <QPalette>
#include <QTimer>

#include <memory>

class QGraphicsDropShadowEffect;
class QGraphicsProxyWidget;
class QMouseEvent;
class QPropertyAnimation;
class QValidator;

namespace Corvane::Gadgets {

class LineTextEditor;

// The text item of the control framework: paints a string inside the text
// bounds its owner gives it, in the theme's font and colour or a vertical
// gradient, optionally with a soft shadow. A too-wide string is clipped,
// elided or scrolled as an endless marquee, depending on the mode. An
// editable label turns into a line editor on double click and reports the
// new text by signals.
class TextLabel : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal textPositionPercentage READ textPositionPercentage WRITE setTextPositionPercentage)

public:
    enum TextLabelMode {
        SingleLineClipped = 0,
        SingleLineElided = 1,
        SingleLineAutoScroll = 2,
        SingleLineHoverScroll = 3,
        SingleLineElidedHoverScroll = 4,
        MultiLineAligned = 5,
        MultiLineCentred = 6,
    };

    static const int BUFFER_PIXELS_COUNT;
    static const int TEXT_SCROLLING_SLOWNESS;
    static const qreal TEXT_POSITION_PERCENTAGE_START;
    static const qreal TEXT_POSITION_PERCENTAGE_END;
    static const qreal DROP_SHADOW_X_OFFSET;
    static const qreal DROP_SHADOW_Y_OFFSET;
    static const qreal DROP_SHADOW_BLUR_RADIUS;
    static const qreal TEXT_HEIGHT_TO_DROP_SHADOW_PARAMS_RATIO;
    // The shadow behind light text; dark text gets it in white, same alpha.
    static const QColor DROP_SHADOW_COLOR;

    TextLabel(const QString& text, SvgControlObject* parent);
    ~TextLabel() override;

    QString text() const { return m_text; }
    QString displayedText() const { return m_displayedText; }
    QRectF textBounds() const { return m_textBounds; }
    void setTextBounds(const QRectF& bounds);
    QRectF textRect() const { return m_textRect; }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment outerAlignment() const { return m_outerAlignment; }
    void setOuterAlignment(Qt::Alignment alignment);
    TextLabelMode mode() const { return m_mode; }
    void setMode(int mode);
    bool textHeightFitsToBoundsHeight() const { return m_textHeightFitsToBoundsHeight; }
    void setTextHeightFitsToBoundsHeight(bool fits);
    QFont font() const { return m_font; }
    QColor fontColor() const { return m_fontColor; }
    QGradientStops foreGradientStops() const { return m_foreGradientStops; }
    void setForeGradientStops(const QGradientStops& stops);
    bool gradientTreatsMultiAsSingleLineText() const { return m_gradientTreatsMultiAsSingleLineText; }
    void setGradientTreatsMultiAsSingleLineText(bool single);
    bool hasDropShadow() const;
    void setHasDropShadow(bool hasShadow);

    QColor editFontColor() const { return m_editFontColor; }
    void setEditFontColor(const QColor& colour);
    QGradientStops editForeGradientStops() const { return m_editForeGradientStops; }
    void setEditForeGradientStops(const QGradientStops& stops);
    QGradientStops editHighlightedTextGradientStops() const { return m_editHighlightedTextGradientStops; }
    void setEditHighlightedTextGradientStops(const QGradientStops& stops);
    QGradientStops editHighlightGradientStops() const { return m_editHighlightGradientStops; }
    void setEditHighlightGradientStops(const QGradientStops& stops);

    bool isEditable() const { return m_isEditable; }
    void setIsEditable(bool editable);
    bool isInEditState() const { return m_isInEditState; }
    void setIsInEditState(bool inEditState);
    void onStartEditing();
    // The line editor of edit mode, made on first use: most labels are never
    // edited, and an embedded widget per label makes big tables slow.
    LineTextEditor* editor();

    const QValidator* validator() const { return m_validator; }
    void setValidator(const QValidator* validator);
    bool validateAndCorrectText(QString& text) const;

    bool supportsTextScrolling() const { return m_supportsTextScrolling; }
    bool requiresTextScrolling() const { return m_requiresTextScrolling; }
    bool shouldScrollText() const;
    bool isHovering() const { return m_isHovering; }
    void setIsHovering(bool hovering);
    void startScrollAnimation(bool start);
    void checkWhetherRequiresTextScrolling();
    bool isScrollAnimationRunning() const;
    int scrollAnimationDuration() const;
    qreal textPositionPercentage() const { return m_textPositionPercentage; }
    void setTextPositionPercentage(double percentage);

    void recalculate();
    void resetTextEditorBounds();
    void postProcessAfterEditing();
    bool pointIsInBounds(const QPointF& scenePos) const;
    bool pointIsInEditorBounds(const QPointF& scenePos) const;
    std::unique_ptr<QMouseEvent> translateGraphicsMouseEvent(const QGraphicsSceneMouseEvent* event) const;
    void updateControlsPosition() {}
    void updateControlsScale() {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    void setCustomScale(qreal scale) override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void readThemeSettings(bool force) override;

public slots:
    void setText(const QString& text);
    void onEditingFinished();
    void onEditingCanceled();

signals:
    void editStarted();
    void editEnded();
    void textChanged(QString text);
    void textIsScrolling();
    void isInEditModeChanged(bool inEditMode);

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void applyModeFlags(TextLabelMode mode);
    void layOutSingleLine();
    int fittedPixelSize() const;
    void layOutMultiLine();
    void updateHovering(const QPointF& scenePos);
    void setEditorBrush(QPalette::ColorRole role, const QBrush& brush);
    void setEditorGradient(QPalette::ColorRole role, const QGradientStops& stops);
    void updateShadowColors();
    void createEditor();
    void updateDropShadowGeometry();

    QRectF m_textBounds;
    QRectF m_textRect;
    QString m_text;
    QString m_displayedText;
    QFont m_font;
    int m_themePixelSize = 0;
    int m_fittedPixelSize = 0;
    QColor m_fontColor = Qt::black;
    QGradientStops m_foreGradientStops;
    bool m_gradientTreatsMultiAsSingleLineText = false;
    Qt::Alignment m_alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    Qt::Alignment m_outerAlignment = Qt::AlignHCenter | Qt::AlignVCenter;
    QPropertyAnimation* m_scrollAnimation;
    bool m_singleLine = false;
    bool m_elide = false;
    bool m_supportsTextScrolling = false;
    bool m_requiresTextScrolling = false;
    bool m_scrollWithoutHover = false;
    bool m_textHeightFitsToBoundsHeight = false;
    bool m_anchorAtBoundsCentre = false;
    bool m_isHovering = false;
    qreal m_textPositionPercentage = 0.0;
    qreal m_scrollPeriod = 0.0;
    TextLabelMode m_mode = SingleLineElidedHoverScroll;
    QGraphicsDropShadowEffect* m_textShadow = nullptr;
    bool m_isEditable = false;
    bool m_isInEditState = false;
    LineTextEditor* m_editor = nullptr;
    QGraphicsProxyWidget* m_editorProxy = nullptr;
    QColor m_editFontColor = Qt::black;
    QGradientStops m_editForeGradientStops;
    QGradientStops m_editHighlightedTextGradientStops;
    QGradientStops m_editHighlightGradientStops;
    QGraphicsDropShadowEffect* m_editorShadow = nullptr;
    QMap<QPalette::ColorRole, QBrush> m_editorBrushes;
    const QValidator* m_validator = nullptr;
    bool m_validatorSet = false;
    QTimer m_scrollingNoticeTimer;
};

} // namespace Corvane::Gadgets
