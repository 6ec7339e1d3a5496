#pragma once

#include "SceneTestHelpers.h"
#include "controls/SvgControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

// Test helpers around the fixture theme compiled into each control test.
namespace ControlsTheme {

inline void activate()
{
    SceneTestHelpers::useTheme(QStringLiteral(":/ControlsTheme"));
}

inline Corvane::Gadgets::Utilities::RendererContainer* renderer(const QString& name)
{
    return Corvane::Gadgets::ThemeProvider::getRendererFor(name);
}

// A press, click or release at a scene position, not yet accepted.
inline QGraphicsSceneMouseEvent* mouseEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto* event = new QGraphicsSceneMouseEvent(type);
    event->setScenePos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setButtons(Qt::LeftButton);
    event->setAccepted(false);
    return event;
}

inline QGraphicsSceneHoverEvent* hoverEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto* event = new QGraphicsSceneHoverEvent(type);
    event->setScenePos(scenePos);
    return event;
}

// Paints item (and nothing else) at its own item coordinates into an image of size.
inline QImage paintItem(QGraphicsItem* item, const QSize& size, const QPointF& origin = QPointF(), qreal scale = 1.0)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(-origin);
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, nullptr);
    return image;
}

} // namespace ControlsTheme
