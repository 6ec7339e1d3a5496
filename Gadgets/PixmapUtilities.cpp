#include "PixmapUtilities.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QMutexLocker>
#include <QPainter>

QMutex PixmapUtilities::m_mutex;
QGraphicsScene* PixmapUtilities::m_scene = nullptr;
QGraphicsDropShadowEffect* PixmapUtilities::m_shadow = nullptr;
QGraphicsPixmapItem* PixmapUtilities::m_pixmapItem = nullptr;

void PixmapUtilities::initializeShadow()
{
    if (m_scene)
        return;
    // Created once and kept for the life of the process.
    m_scene = new QGraphicsScene;
    m_shadow = new QGraphicsDropShadowEffect;
    m_pixmapItem = new QGraphicsPixmapItem;
    m_scene->addItem(m_pixmapItem);
    m_pixmapItem->setGraphicsEffect(m_shadow);
}

QPixmap PixmapUtilities::dropShadow(const QPixmap& source, const QColor& color, int blurRadius)
{
    if (source.isNull())
        return source;
    QMutexLocker locker(&m_mutex);
    initializeShadow();

    const QRectF sourceRect(0, 0, source.width(), source.height());
    m_scene->setSceneRect(sourceRect);
    m_pixmapItem->setPixmap(source);
    m_shadow->setColor(color);
    m_shadow->setBlurRadius(blurRadius);
    m_shadow->setOffset(1.0, 1.0);

    QPixmap result(source.size());
    result.fill(Qt::transparent);
    QPainter painter(&result);
    m_scene->render(&painter, QRectF(result.rect()), sourceRect, Qt::KeepAspectRatio);
    painter.drawPixmap(0, 0, source);
    painter.end();
    return result;
}
