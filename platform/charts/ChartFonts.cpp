#include "charts/ChartFonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>

#include <cmath>

namespace Corvane::Charts {

namespace {

QStringList familiesOfFile(const QString& path)
{
    static QHash<QString, QStringList> loaded;
    const auto found = loaded.constFind(path);
    if (found != loaded.constEnd())
        return *found;
    QStringList families;
    if (QFileInfo(path).isFile()) {
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0)
            families = QFontDatabase::applicationFontFamilies(id);
    }
    loaded.insert(path, families);
    return families;
}

} // namespace

QStringList ChartFonts::families(const QString& fontName)
{
    QStringList result;
    const QStringList files = fontName.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& file : files) {
        for (const QString& family : familiesOfFile(file.trimmed())) {
            if (!result.contains(family))
                result << family;
        }
    }
    return result;
}

QFont ChartFonts::font(const QString& fontName, double pointSize)
{
    QFont font = QGuiApplication::instance() ? QGuiApplication::font() : QFont();
    const QStringList fontFamilies = families(fontName);
    if (!fontFamilies.isEmpty())
        font.setFamilies(fontFamilies);
    font.setPointSizeF(std::isfinite(pointSize) ? std::max(1.0, pointSize) : 1.0);
    return font;
}

} // namespace Corvane::Charts
