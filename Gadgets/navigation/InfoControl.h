#pragma once

#include "animation/OpacityAlternator.h"
#include "animation/OpacityAnimation.h"
#include "controls/SvgControlObject.h"

namespace Corvane::Gadgets {

class SvgButton;
class SvgContentButton;
class SvgElement;
class TextLabel;

// The back face of the navigation gadget: the product family and version,
// a "Configure" button and a flip button that turns the gadget back. The
// background is a grip: pressing and holding or dragging it moves the
// gadget's window (through elementDrag). The flip button fades in and out
// as the navigation container reports the pointer entering and leaving the
// gadget (hoverEntered, connected to onHoverEntered).
class InfoControl : public SvgControlObject
{
    Q_OBJECT
    Q_PROPERTY(qreal floatingIconsOpacity READ floatingIconsOpacity WRITE setFloatingIconsOpacity)

public:
    static const QString BACKGROUND_ID;
    static const QString BUTTON_CONFIGURE_ID;
    static const QString BUTTON_FLIP_ID;
    static const QString TEXT_PLACEHOLDER_ID;
    static const QString MOVE_INDICATOR_ID;
    static const QString CONFIGURE_CONFIG_KEY;
    static const QString VERSION_KEY;

    explicit InfoControl(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);

    SvgElement* background() const { return m_background; }
    SvgContentButton* configureButton() const { return m_configureButton; }
    SvgButton* flipButton() const { return m_flipButton; }
    TextLabel* versionLabel() const { return m_versionLabel; }
    SvgElement* moveIndicator() const { return m_moveIndicator; }

    bool isInFullScreenMode() const { return m_isInFullScreenMode; }
    void setIsInFullScreenMode(bool fullScreen);
    bool isMoving() const { return m_isMoving; }

    qreal floatingIconsOpacity() const { return m_opacityAlternator.itemsOpacity(); }
    void setFloatingIconsOpacity(qreal opacity);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void retranslateUi() override;
    void onElementClick(SvgElement* element) override;

public slots:
    // The pointer came onto the gadget or left it: the floating buttons
    // fade in or out.
    void onHoverEntered(bool hasEntered);

signals:
    void flipButtonClicked();
    void configButtonClicked();

protected:
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;

private:
    void createElements();
    void createConfigureButton();
    void createVersionLabel();
    void setMoving(bool moving);
    void applyMoveVisual();

    SvgElement* m_background = nullptr;
    SvgContentButton* m_configureButton = nullptr;
    SvgButton* m_flipButton = nullptr;
    // Before the animation: building it reads floatingIconsOpacity().
    Utilities::OpacityAlternator m_opacityAlternator;
    Utilities::OpacityAnimation m_opacityAnimation;
    TextLabel* m_versionLabel = nullptr;
    SvgElement* m_moveIndicator = nullptr;
    bool m_isInFullScreenMode = false;
    bool m_isMoving = false;
};

} // namespace Corvane::Gadgets
