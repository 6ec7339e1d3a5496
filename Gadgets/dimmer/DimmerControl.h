#pragma once

#include "controls/SvgControlObject.h"

#include <QList>

class QGraphicsScene;
class QGraphicsSceneWheelEvent;

namespace Corvane::Gadgets {

class SvgButton;
class SvgElement;

// A stand-alone dimmer face: a background, "on" and "off" buttons and a row
// of level elements "value_%1" (numbered 0 to 100, each with its
// "value_%1_mask"), of which the current level is painted while the dimmer
// is on. Pressing a level element sets the level, pressing "on" or "off"
// switches; both are reported by signals. The theme that wants it supplies
// the SVG.
class DimmerControl : public SvgControlObject
{
    Q_OBJECT

public:
    enum DimmerState {
        Off = 0,
        On = 1,
    };
    Q_ENUM(DimmerState)

    static const QString BACKGROUND_ID;
    static const QString ON_BUTTON_ID;
    static const QString OFF_BUTTON_ID;
    static const QString DIMMER_ELEMENT;
    static const QString DIMMER_ELEMENT_MASK;

    DimmerControl(Utilities::RendererContainer* renderer, QGraphicsScene* scene, SvgControlObject* parent);

    int percentage() const;
    DimmerState state() const { return m_state; }
    // The current level: 1 for the first level element, 0 for none.
    int level() const { return m_level; }
    int stepsCount() const { return m_steps; }
    QList<SvgButton*> levelElements() const { return m_levelElements; }
    SvgButton* onButton() const { return m_onButton; }
    SvgButton* offButton() const { return m_offButton; }

    // Conversions between a level of steps and a percentage, truncated
    // towards zero; 0 for values out of range or an unusable number of steps.
    int toHundredPercentScale(int level, int steps) const;
    int toCustomPercentScale(int percentage, int steps) const;

    // The owner places the dimmer in its scene itself.
    void addToScene(QGraphicsScene*) override {}
    void removeFromScene(QGraphicsScene*) override {}
    void onElementPress(SvgElement* element) override;

public slots:
    void setPercentage(int percentage);
    void setState(Corvane::Gadgets::DimmerControl::DimmerState state);

signals:
    void percentageChanged(int percentage);
    void stateChanged(Corvane::Gadgets::DimmerControl::DimmerState state);

protected:
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

private:
    void createElements();
    void setLevel(int level, int percentage);

    QList<SvgButton*> m_levelElements;
    SvgButton* m_currentElement = nullptr;
    int m_steps = 0;
    SvgElement* m_background = nullptr;
    SvgButton* m_onButton = nullptr;
    SvgButton* m_offButton = nullptr;
    int m_level = 1;
    DimmerState m_state = On;
};

} // namespace Corvane::Gadgets
