#pragma once

#include "scenes/Scene.h"

namespace Corvane::Gadgets {
class CarouselView;
}
namespace Corvane::Gadgets::Utilities {
class NavigationQMLWrapper;
}

namespace Corvane::Sentrel {

// The main window's scene: the navigation wrapper ("wrapper", 1000 x 1000)
// hosting the navigation gadget, with the carousel view ("currentView")
// above it, bound to the wrapper's carousel properties.
class MainScene : public Scene
{
public:
    MainScene();

    Gadgets::Utilities::BaseQMLWrapper* root() const override;
    Gadgets::Utilities::NavigationQMLWrapper* wrapper() const { return m_wrapper; }
    Gadgets::CarouselView* currentView() const { return m_currentView; }
    void setRootSize(const QSizeF& size) override;
    void setCarouselModel(const QList<Gadgets::Utilities::CarouselModelItem*>& items) override;

private:
    Gadgets::Utilities::NavigationQMLWrapper* m_wrapper;
    Gadgets::CarouselView* m_currentView;
};

} // namespace Corvane::Sentrel
