#pragma once

#include "controls/SvgControlObject.h"
#include "frame/SvgWindowFrame.h"

#include <QDateTime>

namespace Corvane::Gadgets {

namespace Utilities {
class FlipAnimator;
}
class EnergyDataTariffControl;
class EnergyDataViewControl;

// The whole energy data gadget: the data view face in a front frame and the
// tariff face in a back frame, turned over by a flip when the user presses
// the tariff button or OK on the back. Move and resize gestures on a frame
// move and scale the container, or are passed on to its owner when that is
// switched off.
class EnergyDataContainer : public SvgControlObject
{
    Q_OBJECT

public:
    static const QString TITLE_ID;

    explicit EnergyDataContainer(SvgControlObject* parent = nullptr);

    SvgWindowFrame* energyDataViewFrame() const { return m_viewFrame; }
    SvgWindowFrame* energyDataTariffFrame() const { return m_tariffFrame; }
    EnergyDataViewControl* energyDataViewControl() const;
    EnergyDataTariffControl* energyDataTariffControl() const;
    Utilities::FlipAnimator* flipAnimator() const { return m_flipAnimator; }

    bool isResizeEnabled() const { return m_resizeEnabled; }
    void setIsResizeEnabled(bool enabled) { m_resizeEnabled = enabled; }
    bool isMoveEnabled() const { return m_moveEnabled; }
    void setIsMoveEnabled(bool enabled) { m_moveEnabled = enabled; }
    void setResizeOrigin(SvgWindowFrame::ResizeOrigin origin);
    void setIsResizeHandleVisible(bool visible);
    bool isResizeHandleVisible() const;
    void setItemName(const QString& name);
    void setDailyViewMinDate(const QDateTime& date);
    void setMonthlyViewMinDate(const QDateTime& date);
    void setEndDate(const QDateTime& date);
    QPointF hotspot() const;

    void setCustomScale(qreal scale) override;

public slots:
    void setTitleText(const QString& text);
    void onTariffClicked();
    void onOKClicked();
    void onResizeRequested(qreal factor);
    void onMoveRequested(QPointF offset);

signals:
    void cycleTimespanViewClicked();
    void dateChanged();
    void energyDataViewOkClicked();
    void cycleCurrencyUnitClicked();
    void cycleMonthlyViewClicked();
    void energyDataCacheRequested();
    void titleTextChanged(QString title);
    void closeClicked();
    void resizeRequested(qreal factor);
    void resizeFinished();
    void moveRequested(QPointF offset);

protected:
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;

private:
    SvgWindowFrame* createFrame(SvgControlObject* face);
    void fitToShownFace();
    void endGestures();

    EnergyDataViewControl* m_viewControl;
    SvgWindowFrame* m_viewFrame;
    EnergyDataTariffControl* m_tariffControl;
    SvgWindowFrame* m_tariffFrame;
    Utilities::FlipAnimator* m_flipAnimator;
    bool m_resizeEnabled = true;
    bool m_moveEnabled = true;
    bool m_resizing = false;
    qreal m_scaleAtResizeStart = 1.0;
    bool m_moving = false;
    QPointF m_positionAtMoveStart;
};

} // namespace Corvane::Gadgets
