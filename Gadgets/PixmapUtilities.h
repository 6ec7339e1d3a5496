#pragma once

#include <QColor>
#include <QMutex>
#include <QPixmap>

class QGraphicsDropShadowEffect;
class QGraphicsPixmapItem;
class QGraphicsScene;

// Pixmap helpers. The drop shadow renders through one shared off-screen
// graphics scene; calls are serialised by a lock, but graphics scenes and
// pixmaps belong to the GUI thread, so call it from there only.
class PixmapUtilities
{
public:
    PixmapUtilities() = delete;

    // A copy of source with a soft shadow, offset by one pixel right and
    // down, behind its opaque pixels. The result has the source's size: the
    // shadow is cut at the source's rectangle.
    static QPixmap dropShadow(const QPixmap& source, const QColor& color, int blurRadius);

private:
    static void initializeShadow();

    static QMutex m_mutex;
    static QGraphicsScene* m_scene;
    static QGraphicsDropShadowEffect* m_shadow;
    static QGraphicsPixmapItem* m_pixmapItem;
};
