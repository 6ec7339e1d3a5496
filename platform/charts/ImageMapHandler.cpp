#include "charts/ImageMapHandler.h"

#include <QRegularExpression>

#include <cmath>

namespace Corvane::Charts {

namespace {

QString unescaped(QString text)
{
    return text.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QPolygon shapeOf(const QString& shape, const QList<int>& c)
{
    if (shape == QLatin1String("circle") && c.size() >= 3) {
        QPolygon polygon;
        for (int i = 0; i < 32; ++i) {
            const double angle = i * 2 * M_PI / 32;
            polygon << QPoint(int(std::lround(c[0] + c[2] * std::cos(angle))), int(std::lround(c[1] + c[2] * std::sin(angle))));
        }
        return polygon;
    }
    if (shape == QLatin1String("poly")) {
        QPolygon polygon;
        for (int i = 0; i + 1 < c.size(); i += 2)
            polygon << QPoint(c[i], c[i + 1]);
        return polygon;
    }
    return QPolygon();
}

} // namespace

ImageMapHandler::ImageMapHandler(const char* imageMap)
{
    static const QRegularExpression area(QStringLiteral("<area\\b([^>]*)>"), QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromUtf8(imageMap ? imageMap : "");
    for (auto it = area.globalMatch(text); it.hasNext();) {
        const Spot spot = parseArea(it.next().captured(1));
        if (spot.rect.isValid() || spot.polygon.size() >= 3)
            m_spots.append(spot);
    }
}

ImageMapHandler::Spot ImageMapHandler::parseArea(const QString& element)
{
    static const QRegularExpression attribute(QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*\"([^\"]*)\""));
    Spot spot;
    QString shape = QStringLiteral("rect");
    QList<int> coords;
    for (auto it = attribute.globalMatch(element); it.hasNext();) {
        const auto match = it.next();
        const QString key = match.captured(1).toLower();
        const QString value = unescaped(match.captured(2));
        if (key == QLatin1String("shape"))
            shape = value.toLower();
        else if (key == QLatin1String("coords")) {
            for (const QString& number : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                coords << number.trimmed().toInt();
        }
        spot.attributes.append({ key.toUtf8(), value.toUtf8() });
    }
    if (shape == QLatin1String("rect") || shape == QLatin1String("rectangle")) {
        if (coords.size() >= 4)
            spot.rect = QRect(QPoint(coords[0], coords[1]), QPoint(coords[2] - 1, coords[3] - 1)).normalized();
    } else {
        spot.polygon = shapeOf(shape, coords);
    }
    return spot;
}

bool ImageMapHandler::Spot::contains(const QPoint& point) const
{
    return rect.isValid() ? rect.contains(point) : polygon.containsPoint(point, Qt::OddEvenFill);
}

int ImageMapHandler::getHotSpot(int x, int y)
{
    m_current = -1;
    for (int i = 0; i < m_spots.size(); ++i) {
        if (m_spots.at(i).contains(QPoint(x, y))) {
            m_current = i;
            break;
        }
    }
    return m_current;
}

const char* ImageMapHandler::getValue(const char* key)
{
    if (m_current < 0 || !key)
        return nullptr;
    for (const auto& attribute : m_spots.at(m_current).attributes) {
        if (attribute.first == key)
            return attribute.second.constData();
    }
    return nullptr;
}

const char* ImageMapHandler::getKey(int index)
{
    if (m_current < 0 || index < 0 || index >= m_spots.at(m_current).attributes.size())
        return nullptr;
    return m_spots.at(m_current).attributes.at(index).first.constData();
}

const char* ImageMapHandler::getValue(int index)
{
    if (m_current < 0 || index < 0 || index >= m_spots.at(m_current).attributes.size())
        return nullptr;
    return m_spots.at(m_current).attributes.at(index).second.constData();
}

} // namespace Corvane::Charts
