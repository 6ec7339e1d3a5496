#pragma once

#include "SceneTestHelpers.h"
#include "controls/SvgControl.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

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
