#pragma once

#include "theme/ThemeProvider.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>

#include <memory>

// Helpers shared by the tests that drive controls in a graphics scene.
namespace SceneTestHelpers {

// Makes folder the built-in theme and drops every cached renderer and value.
inline void useTheme(const QString& folder)
{
    Corvane::Gadgets::ThemeProvider::clear();
    Corvane::Gadgets::ThemeProvider::DefaultThemeFolder = folder;
    Corvane::Gadgets::ThemeProvider::setThemeFile(QString());
}

// A left-button mouse event at a scene position, not yet accepted.
inline std::unique_ptr<QGraphicsSceneMouseEvent> mouseEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneMouseEvent>(type);
    event->setScenePos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setButtons(Qt::LeftButton);
    event->setAccepted(false);
    return event;
}

inline std::unique_ptr<QGraphicsSceneHoverEvent> hoverEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneHoverEvent>(type);
    event->setScenePos(scenePos);
    return event;
}

} // namespace SceneTestHelpers
