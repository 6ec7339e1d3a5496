#include "scenes/MainScene.h"

#include "carousel/CarouselView.h"
#include "hosting/NavigationQMLWrapper.h"

namespace Corvane::Sentrel {

MainScene::MainScene()
    : m_wrapper(new Gadgets::Utilities::NavigationQMLWrapper)
    , m_currentView(new Gadgets::CarouselView)
{
    m_wrapper->setSize(QSizeF(1000, 1000));
    m_wrapper->setPos(0, 0);
    m_wrapper->setCurrentView(m_currentView);
}

Gadgets::Utilities::BaseQMLWrapper* MainScene::root() const
{
    return m_wrapper;
}

void MainScene::setRootSize(const QSizeF& size)
{
    Scene::setRootSize(size);
    m_currentView->setHostSize(size);
}

void MainScene::setCarouselModel(const QList<Gadgets::Utilities::CarouselModelItem*>& items)
{
    m_currentView->setModel(items);
}

} // namespace Corvane::Sentrel
