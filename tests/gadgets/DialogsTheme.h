#pragma once

#include "SceneTestHelpers.h"

#include <QImage>
#include <QWidget>

// Test helpers around the small theme compiled into each window and dialog
// test as ":/DialogsTheme".
namespace DialogsTheme {

inline const QString Folder = QStringLiteral(":/DialogsTheme");

inline void activate(const QString& folder = Folder)
{
    SceneTestHelpers::useTheme(folder);
}

// Paints a widget and its children on a transparent ground.
inline QImage grabImage(QWidget* widget)
{
    widget->ensurePolished();
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace DialogsTheme
