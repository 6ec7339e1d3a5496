#include "energy/EnergyDataContainer.h"

#include "animation/FlipAnimator.h"
#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataViewControl.h"
#include "text/TextLabel.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QSvgRenderer>

namespace Corvane::Gadgets {

const QString EnergyDataContainer::TITLE_ID = QStringLiteral("energy_title");

namespace {

QRectF documentRect(Utilities::RendererContainer* renderer)
{
    const QSvgRenderer* svg = renderer ? renderer->renderer() : nullptr;
    return QRectF(QPointF(0, 0), svg ? QSizeF(svg->defaultSize()) : QSizeF());
}

} // namespace

EnergyDataContainer::EnergyDataContainer(SvgControlObject* parent)
    : SvgControlObject(nullptr, parent)
{
    setFlag(ItemHasNoContents, true);
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);

    Utilities::RendererContainer* viewRenderer = ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_VIEW);
    m_viewControl = new EnergyDataViewControl(viewRenderer, this);
    m_viewControl->setBounds(documentRect(viewRenderer));
    m_viewFrame = createFrame(m_viewControl);

    connect(m_viewControl, &EnergyDataViewControl::titleTextChanged, this, &EnergyDataContainer::titleTextChanged);
    connect(m_viewControl, &EnergyDataViewControl::cycleTimespanViewClicked, this,
            &EnergyDataContainer::cycleTimespanViewClicked);
    connect(m_viewControl, &EnergyDataViewControl::dateChanged, this, &EnergyDataContainer::dateChanged);
    connect(m_viewControl, &EnergyDataViewControl::cycleCurrencyUnitClicked, this,
            &EnergyDataContainer::cycleCurrencyUnitClicked);
    connect(m_viewControl, &EnergyDataViewControl::cycleMonthlyViewClicked, this,
            &EnergyDataContainer::cycleMonthlyViewClicked);
    connect(m_viewControl, &EnergyDataViewControl::energyDataCacheRequested, this,
            &EnergyDataContainer::energyDataCacheRequested);
    connect(m_viewControl, &EnergyDataViewControl::okClicked, this, &EnergyDataContainer::energyDataViewOkClicked);

    Utilities::RendererContainer* tariffRenderer = ThemeProvider::getRendererFor(ThemeProvider::ENERGY_DATA_TARIFF);
    m_tariffControl = new EnergyDataTariffControl(tariffRenderer, this);
    m_tariffControl->setBounds(documentRect(tariffRenderer));
    m_tariffFrame = createFrame(m_tariffControl);

    m_flipAnimator = new Utilities::FlipAnimator(this);
    m_flipAnimator->setItems({m_viewFrame}, {m_tariffFrame});
    connect(m_viewControl, &EnergyDataViewControl::tariffClicked, this, &EnergyDataContainer::onTariffClicked);
    connect(m_tariffControl, &EnergyDataTariffControl::okClicked, this, &EnergyDataContainer::onOKClicked);
    m_flipAnimator->setAutoCenter(true);
    m_flipAnimator->setup(false);

    // The faces differ in size: the container is as large as the face shown,
    // so that its window and its place beside the gadget follow the turn.
    connect(m_flipAnimator, &Utilities::FlipAnimator::faceShown, this, [this] { fitToShownFace(); });
    fitToShownFace();
}

void EnergyDataContainer::fitToShownFace()
{
    const SvgWindowFrame* shown = m_tariffFrame->isVisibleTo(this) ? m_tariffFrame : m_viewFrame;
    setBounds(QRectF(pos(), shown->scaledBounds().size()));
}

SvgWindowFrame* EnergyDataContainer::createFrame(SvgControlObject* face)
{
    auto* frame = new SvgWindowFrame(face, ThemeProvider::getRendererFor(ThemeProvider::WINDOW_FRAME), this);
    addToChildren(frame);
    frame->setIsMoveEnabled(false);
    frame->setIsResizeEnabled(false);
    frame->title()->setControlId(TITLE_ID);
    connect(frame, &SvgWindowFrame::closeClicked, this, &EnergyDataContainer::closeClicked);
    connect(frame, &SvgWindowFrame::resizeRequested, this, &EnergyDataContainer::onResizeRequested);
    connect(frame, &SvgWindowFrame::resizeFinished, this, &EnergyDataContainer::resizeFinished);
    connect(frame, &SvgWindowFrame::moveRequested, this, &EnergyDataContainer::onMoveRequested);
    return frame;
}

EnergyDataViewControl* EnergyDataContainer::energyDataViewControl() const
{
    return qobject_cast<EnergyDataViewControl*>(m_viewFrame->mainControl());
}

EnergyDataTariffControl* EnergyDataContainer::energyDataTariffControl() const
{
    return qobject_cast<EnergyDataTariffControl*>(m_tariffFrame->mainControl());
}

void EnergyDataContainer::setResizeOrigin(SvgWindowFrame::ResizeOrigin origin)
{
    m_viewFrame->setResizeOrigin(origin);
    m_tariffFrame->setResizeOrigin(origin);
}

void EnergyDataContainer::setIsResizeHandleVisible(bool visible)
{
    m_viewFrame->setIsResizeHandleVisible(visible);
    m_tariffFrame->setIsResizeHandleVisible(visible);
}

bool EnergyDataContainer::isResizeHandleVisible() const
{
    return m_viewFrame->isResizeHandleVisible();
}

void EnergyDataContainer::setTitleText(const QString& text)
{
    m_viewFrame->setTitleText(text);
    m_tariffFrame->setTitleText(text);
}

void EnergyDataContainer::setItemName(const QString& name)
{
    m_viewControl->setItemName(name);
    m_tariffControl->setItemName(name);
}

void EnergyDataContainer::setDailyViewMinDate(const QDateTime& date)
{
    m_viewControl->setDailyViewMinDate(date);
}

void EnergyDataContainer::setMonthlyViewMinDate(const QDateTime& date)
{
    m_viewControl->setMonthlyViewMinDate(date);
}

void EnergyDataContainer::setEndDate(const QDateTime& date)
{
    m_viewControl->setEndDate(date);
}

QPointF EnergyDataContainer::hotspot() const
{
    return m_viewControl->hotspot();
}

void EnergyDataContainer::onTariffClicked()
{
    m_flipAnimator->setup(true);
    m_flipAnimator->goFrontToBack();
}

void EnergyDataContainer::onOKClicked()
{
    m_flipAnimator->setup(true);
    m_flipAnimator->goBackToFront();
}

void EnergyDataContainer::onResizeRequested(qreal factor)
{
    if (!m_resizeEnabled) {
        emit resizeRequested(factor);
        return;
    }
    if (!m_resizing) {
        m_scaleAtResizeStart = scale();
        m_resizing = true;
    }
    setScale(m_scaleAtResizeStart * factor);
}

void EnergyDataContainer::onMoveRequested(QPointF offset)
{
    if (!m_moveEnabled) {
        emit moveRequested(offset);
        return;
    }
    if (!m_moving) {
        m_positionAtMoveStart = scenePos();
        m_moving = true;
    }
    const QPointF target = m_positionAtMoveStart + offset;
    setPos(parentItem() ? parentItem()->mapFromScene(target) : target);
}

void EnergyDataContainer::endGestures()
{
    m_resizing = false;
    m_moving = false;
}

void EnergyDataContainer::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    endGestures();
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

void EnergyDataContainer::setCustomScale(qreal scale)
{
    SvgControlObject::setCustomScale(scale);
    m_flipAnimator->setup(true);
    emit customScaleChanged(scale);
}

} // namespace Corvane::Gadgets
