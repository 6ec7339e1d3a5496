#pragma once

#include "scenes/Scene.h"

namespace Corvane::Gadgets::Utilities {
class FavoriteQMLWrapper;
}

namespace Corvane::Sentrel {

// A favourite window's scene: the favourite wrapper ("favorite",
// 1000 x 1000) hosting a favourite control.
class FavoriteScene : public Scene
{
public:
    FavoriteScene();

    Gadgets::Utilities::BaseQMLWrapper* root() const override;

private:
    Gadgets::Utilities::FavoriteQMLWrapper* m_favorite;
};

} // namespace Corvane::Sentrel
