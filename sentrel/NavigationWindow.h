#pragma once

#include "BaseSceneWindow.h"

#include "devices/ConfigPage.h"
#include "utilities/Localization/LocaleData.h"

#include <QList>

class QScreen;

namespace Corvane::Devices {
class GuiProperties;
}
namespace Corvane::Gadgets {
class NavigationContainer;
class NavigationControl;
} // namespace Corvane::Gadgets

namespace Corvane::Sentrel {

class MainScene;

namespace Controllers {
class CarouselController;
class NavigationController;
class UserConfigurationController;
} // namespace Controllers

// The program's main window: the navigation gadget with its carousel. Adds
// to its base a full-screen mode, the carousel in the input chain, a scale
// range derived from the themed gadget, language switching and the
// hand-over of a later start of the program.
class NavigationWindow : public BaseSceneWindow
{
    Q_OBJECT

public:
    static QList<Utilities::Localization::LocaleData> s_locales;
    static const QString FULLSCREEN_BACKGROUND_FILE;

    explicit NavigationWindow(QWidget* parent = nullptr,
                              std::unique_ptr<Gadgets::Gestures::CursorPositionProvider> cursor = {});
    ~NavigationWindow() override;

    MainScene* mainScene() const;
    Gadgets::NavigationContainer* navigationContainer() const { return m_navigationContainer; }
    Gadgets::NavigationControl* navigationControl() const;
    Controllers::CarouselController* carouselController() const { return m_carouselController; }
    Controllers::NavigationController* navigationController() const { return m_navigationController; }
    Controllers::UserConfigurationController* userConfigurationController() const
    {
        return m_userConfigurationController;
    }

    QPointF hotSpot() const override;
    void handleResizing(QGraphicsSceneMouseEvent* event) override;
    void handleMoving() override;

    bool isInFullScreenMode() const;
    void setIsInFullScreenMode(bool on);
    void setFullScreenScaleAndOffset();
    QRectF getFullScreenBoundingRect(bool withCarousel) const;
    double getFullScreenScale(bool withCarousel) const;
    QPointF getFullScreenOffset(bool withCarousel) const;
    void setFullScreenBackground();

    void updateTranslators(const QString& language);
    void retranslateUi();
    void switchLayoutDirection(const QString& language);
    QPoint positionInCurrentScreenCenter(const QRect& rect, bool available) const;
    // Applies the user's stored size, transparency and place (each clamped
    // to its range; a place off every screen is brought back on one).
    void applyStoredSettings();
    // Moves the gadget to a stored place: the centre of the primary screen
    // when none was stored, else the place brought on screen.
    void placeOnScreen(const QPoint& stored);
    // What the gadget shows, the labels hanging below it included, in global
    // coordinates.
    QRect gadgetWithLabelsRect() const;
    // Moves the gadget with its labels inside the available area of the
    // screen nearest to its hot spot (top-left first when it is larger).
    void keepInsideAvailableArea();
    // The gadget's top-left in global coordinates, rounded half away from
    // zero; in full-screen mode the place it had before entering it.
    QPoint userPosition() const;

public Q_SLOTS:
    void setTransparency(int transparency) override;
    void setScale(int percent, bool force) override;
    void onElementClick(Corvane::Gadgets::SvgElement* element) override;
    void onElementDrag(Corvane::Gadgets::SvgElement* element, QGraphicsSceneMouseEvent* event) override;
    void handleRelease(void* pressConsumer) override;
    void handleMouseWheelEvent(QGraphicsSceneWheelEvent* event) override;
    void themeChanged() override;
    void setControlsCustomScale(qreal scale) override;
    void onAppStartRequest(const QStringList& arguments);
    void onCarouselControlResizeRequest(qreal factor, Corvane::Devices::ConfigPage::PageType pageType);
    // Applies changed user settings through the navigation controller.
    void settingsChanged(const Corvane::Devices::GuiProperties& previous);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool coversWholeWindow() const override;
    void updateScaleRange() override;
    void forwardMousePress(QGraphicsSceneMouseEvent* event, Gadgets::Gestures::EventConsumer& consumer) override;
    void forwardMouseRelease(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void forwardMouseClick(QGraphicsSceneMouseEvent* event) override;
    void forwardMouseDoubleClick(QGraphicsSceneMouseEvent* event) override;
    void forwardMousePressAndHold(QGraphicsSceneMouseEvent* event) override;
    void forwardMousePressAndMove(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                  void* pressConsumer) override;
    void forwardMouseEndPressAndMove(QGraphicsSceneMouseEvent* event) override;
    void forwardKeyPress(QKeyEvent* event) override;

private:
    // After a change of the screens: the window covers the desktop again and
    // the gadget stays where it was, inside the available area.
    void followScreenChange();
    void watchScreen(QScreen* screen);
    void fadeCarouselItemsWhereTheDesktopBlends();
    QRectF fullScreenExtent() const;
    QRect currentScreenGeometry() const;
    QSize navigationDefaultSize() const;
    Gadgets::SvgControlObject* currentCarouselControl() const;
    void raiseFavorites();
    // A click on the control's elements closes or moves the window.
    void connectElements(Gadgets::SvgControlObject* control);

    Gadgets::NavigationContainer* m_navigationContainer = nullptr;
    Controllers::CarouselController* m_carouselController = nullptr;
    Controllers::UserConfigurationController* m_userConfigurationController = nullptr;
    Controllers::NavigationController* m_navigationController = nullptr;
    QPointF m_fullScreenWrapperPos;
    QPoint m_fullScreenUserPosition;
    int m_fullScreenScalePercent = 0;
    double m_fullScreenOpacity = 1.0;
    bool m_carouselResizeInProgress = false;
    double m_carouselResizeBaseFactor = 1.0;
    bool m_raiseFavoritesWhenPainted = false;
};

} // namespace Corvane::Sentrel
