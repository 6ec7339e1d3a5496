#pragma once

#include "controls/SvgControlObject.h"

#include <QObject>
#include <QPointer>

namespace Corvane::Gadgets::Utilities {

// One entry of the carousel's model: the control a carousel delegate shows.
//
// The item only points to the control and never deletes it: whoever created
// the control owns it, and may show it in any number of successive models.
// A control destroyed elsewhere reads as no control.
class CarouselModelItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* control READ control NOTIFY mainControlChanged)

public:
    explicit CarouselModelItem(SvgControlObject* control, QObject* parent = nullptr);
    explicit CarouselModelItem(QObject* parent = nullptr);

    QObject* control() const { return m_control; }
    SvgControlObject* svgControlObject() const { return m_control; }

signals:
    // Never emitted: the control is fixed at construction.
    void mainControlChanged();

private:
    QPointer<SvgControlObject> m_control;
};

} // namespace Corvane::Gadgets::Utilities
