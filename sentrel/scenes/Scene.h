#pragma once

#include <QList>
#include <QSizeF>

namespace Corvane::Gadgets::Utilities {
class BaseQMLWrapper;
class CarouselModelItem;
} // namespace Corvane::Gadgets::Utilities

namespace Corvane::Sentrel {

// The item tree that a scene window shows: a root wrapper hosting one
// control, sized 1000 x 1000 until the window gives it its default size.
// The window puts the root into its graphics scene, which then owns it.
class Scene
{
public:
    virtual ~Scene() = default;

    virtual Gadgets::Utilities::BaseQMLWrapper* root() const = 0;
    // Gives the root its size; what is laid out around the root follows.
    virtual void setRootSize(const QSizeF& size);
    // The items the scene's carousel shows; scenes without one ignore them.
    virtual void setCarouselModel(const QList<Gadgets::Utilities::CarouselModelItem*>& items);
};

} // namespace Corvane::Sentrel
