#pragma once

#include "Controllers/base/BaseController.h"

#include "devices/UserDeviceSettings.h"

#include <QList>
#include <QMap>

namespace Corvane::Gadgets {
class SvgControlObject;
}

namespace Corvane::Sentrel {

class BaseSceneWindow;

namespace Controllers {

// The base of the page controllers whose devices show as data windows
// rather than command icons (webservers, energy meters, loads). Each device
// may have one data control in the carousel and one beside its favourite
// window; the subclasses make them and enter them into the two maps, which
// own them. The carousel controls are made on first need, when the carousel
// first shows (createDataControls): they are heavy, and most sessions never
// open a data page. This class shows the carousel as the list of those controls in
// the page's device order, keeps the carousel and the icon selection in
// step, places a favourite's data window beside the favourite on screen,
// and keeps both kinds of control in step with translation, theme changes
// and closing favourites.
//
// Placing, scaling and storing work on the controls as the maps hold them
// (the root controls of the favourite windows' scenes), also where a
// subclass's look-ups answer a control inside them.
class BaseDataControlsController : public BaseController
{
    Q_OBJECT

public:
    using DataControlMap = QMap<int, Gadgets::SvgControlObject*>;

    explicit BaseDataControlsController(NavigationWindow* window);
    ~BaseDataControlsController() override;

    // The carousel data controls by device id (owned).
    DataControlMap& dataControls() { return m_dataControls; }
    const DataControlMap& dataControls() const { return m_dataControls; }
    // The data controls shown beside favourite windows by device id (owned).
    DataControlMap& favoriteDataControls() { return m_favoriteDataControls; }
    const DataControlMap& favoriteDataControls() const { return m_favoriteDataControls; }

    virtual Gadgets::SvgControlObject* favoriteDataControl(int deviceId) const;
    virtual Gadgets::SvgControlObject* dataControl(int deviceId) const;
    // The carousel control first, then the favourite one, each when present.
    virtual QList<Gadgets::SvgControlObject*> controls(int deviceId) const;
    // The device whose carousel control this is, else whose favourite
    // control it is (the smallest id where one control stands under
    // several); -1 for a control of neither map.
    virtual int getDeviceIdFromDataControl(const Gadgets::SvgControlObject* control) const;
    virtual void showCarousel();
    virtual void collectCarouselControls(QList<Gadgets::SvgControlObject*>& controls) const;

    // Follows the icons the user reordered on this page; false (not taken)
    // on another page.
    bool handleIconsReordered() override;
    void updateControlsCache() override;

    void handleFullScreenExit() override;
    void pageChanged() override;
    void retranslateUi() override;
    void handleCarouselIndexChanged(int index) override;
    void handleCarouselMovementEnded() override;

    // The user's carousel scale for this page.
    double carouselScale() const;

    // Favourite windows. A device's favourite data control is a root
    // control of its favourite window's scene: stored with the window (its
    // scale), restored with it, and deleted when the window closes.
    Devices::UserDeviceSettings::Favorite getFavoriteSettings(FavoriteWindow* window) const override;
    // Restores the stored scale of the favourite's data control; one not
    // made yet takes it when it is (restoreDataControlScale).
    void loadSettingsForFavorite(const Devices::UserDeviceSettings::Favorite& favorite) override;
    void handleFavoriteClose(FavoriteWindow* window) override;
    // Places the device's favourite data control beside the favourite
    // control of its window (see DataWindowPlacement).
    void positionDataWindow(BaseSceneWindow* window, int deviceId);
    // Moves the device's favourite data control the least that brings it
    // inside the screen's available area, as after it changed its size.
    void keepDataWindowOnScreen(BaseSceneWindow* window, int deviceId);

    // Deletes every data control of both maps.
    void clearControls();
    // Makes the carousel data controls of the devices that have none yet.
    void createDataControls();

public Q_SLOTS:
    // Hides the sending data control (connected to favourite data
    // controls' close signals); it stays in its map.
    void hideFavoriteDataControl();
    void onCarouselControlResizeRequest(qreal scale);

protected:
    // A new carousel data control for the device, showing its present state;
    // null for a page without one.
    virtual Gadgets::SvgControlObject* createDataControl(Devices::BaseDevice* device);
    // The device's favourite data control, made after its favourite was
    // restored, takes the scale stored with the favourite.
    void restoreDataControlScale(int deviceId);

private:
    void selectIconAtCarouselIndex(int index);
    // The available area of the screen holding the window's hot spot.
    static QRect screenAreaOf(const BaseSceneWindow* window);

    DataControlMap m_dataControls;
    DataControlMap m_favoriteDataControls;
    // Stored scales of favourite data controls not made yet, by device id.
    QMap<int, double> m_storedDataControlScales;
};

} // namespace Controllers
} // namespace Corvane::Sentrel
