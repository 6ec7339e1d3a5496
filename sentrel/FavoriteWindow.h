#pragma once

#include "BaseSceneWindow.h"

namespace Corvane::Gadgets {
class FavoriteControl;
}

namespace Corvane::Sentrel {

// A small floating window showing one device, or one sub-device such as a
// command of a climate device, outside the carousel. It hosts a favourite
// control whose centre button moves the window and whose resize button
// scales it; the page controllers create, fill, place and close it.
class FavoriteWindow : public BaseSceneWindow
{
    Q_OBJECT

public:
    // subDeviceId: 0 or less for the whole device.
    FavoriteWindow(int deviceId, int subDeviceId, QWidget* parent = nullptr,
                   std::unique_ptr<Gadgets::Gestures::CursorPositionProvider> cursor = {});
    ~FavoriteWindow() override;

    Gadgets::FavoriteControl* favoriteControl() const { return m_favoriteControl; }
    int deviceId() const { return m_deviceId; }
    int subDeviceId() const { return m_subDeviceId; }

    QPointF hotSpot() const override;

public Q_SLOTS:
    // Follows a changed theme's size of the gadget, keeping the scale percent.
    void themeChanged() override;
    // A drag on the centre button moves the window; one on the resize button
    // scales it. Other elements are ignored.
    void onElementDrag(Corvane::Gadgets::SvgElement* element, QGraphicsSceneMouseEvent* event) override;

protected:
    // The scale range keeps the centre button between the favourite size
    // limits on screen.
    void updateScaleRange() override;

private:
    QSize rendererDefaultSize() const;

    Gadgets::FavoriteControl* m_favoriteControl = nullptr;
    int m_deviceId = 0;
    int m_subDeviceId = 0;
};

} // namespace Corvane::Sentrel
