#pragma once

#include <QByteArray>
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace Corvane::Charts {

// Reads an image map as BaseChart::getHTMLImageMap writes it (HTML area
// elements; shape "rect", "circle" or "poly" with their coords) and finds the
// hot spot under a point. Attribute values are returned unescaped.
class ImageMapHandler
{
public:
    explicit ImageMapHandler(const char* imageMap);

    // The index of the first hot spot containing (x, y), or -1; it becomes
    // the current hot spot.
    int getHotSpot(int x, int y);
    // The value of an attribute of the current hot spot ("title", "path",
    // ...); null when there is no current hot spot or no such attribute.
    const char* getValue(const char* key);
    // The n-th attribute of the current hot spot, null beyond the last.
    const char* getKey(int index);
    const char* getValue(int index);
    int count() const { return int(m_spots.size()); }

private:
    struct Spot
    {
        bool contains(const QPoint& point) const;

        QRect rect;
        QPolygon polygon;
        QList<QPair<QByteArray, QByteArray>> attributes;
    };

    static Spot parseArea(const QString& element);

    QList<Spot> m_spots;
    int m_current = -1;
};

} // namespace Corvane::Charts
