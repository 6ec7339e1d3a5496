#pragma once

#include "controls/SvgControlObject.h"

#include <QObject>
#include <QPointer>

namespace Corvane::Gadgets::Utilities {

// One entry of the carousel's model: the control a carousel delegate shows.
//
// Ownership: the item keeps the control it was given; a control that has a
// QObject parent belongs to that parent and is never deleted by the item.
// Otherwise the item owns it, but never deletes a control that is still in
// use: at the item's destruction a free control (no parent item, no scene)
// is deleted; a control that is still shown is handed to the graphics
// object that shows it (it becomes that object's QObject child), so it is
// deleted once that object lets it go. A control destroyed elsewhere is
// noticed and not deleted twice.
class CarouselModelItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* control READ control NOTIFY mainControlChanged)

public:
    explicit CarouselModelItem(SvgControlObject* control, QObject* parent = nullptr);
    explicit CarouselModelItem(QObject* parent = nullptr);
    ~CarouselModelItem() override;

    QObject* control() const { return m_control; }
    SvgControlObject* svgControlObject() const { return m_control; }

signals:
    // Never emitted: the control is fixed at construction.
    void mainControlChanged();

private:
    void releaseControl();

    QPointer<SvgControlObject> m_control;
};

} // namespace Corvane::Gadgets::Utilities
