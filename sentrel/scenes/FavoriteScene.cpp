#include "scenes/FavoriteScene.h"

#include "hosting/FavoriteQMLWrapper.h"

namespace Corvane::Sentrel {

FavoriteScene::FavoriteScene()
    : m_favorite(new Gadgets::Utilities::FavoriteQMLWrapper)
{
    m_favorite->setSize(QSizeF(1000, 1000));
}

Gadgets::Utilities::BaseQMLWrapper* FavoriteScene::root() const
{
    return m_favorite;
}

} // namespace Corvane::Sentrel
