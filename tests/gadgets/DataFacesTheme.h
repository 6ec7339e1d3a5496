#pragma once

#include "theme/ThemeProvider.h"

#include <QColor>
#include <QGradientStops>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QStringList>
#include <QSvgRenderer>

#include <cmath>

// What the built-in themes owe the energy, tariff, load-management and
// webserver faces: their element ids, their theme.ini keys and text colours
// that read clearly on the ground they are drawn on.
namespace DataFacesTheme {

enum class Kind { Color, Gradient, Size, Weight, Real };

inline QList<QPair<QString, QStringList>> faces()
{
    const QStringList energyButtons{"cycle_timespan_view", "decrease", "increase", "ok", "cycle_graphtable_view",
                                    "cycle_currency", "tariff", "cycle_monthly_view"};
    QStringList view{"background", "hotspot", "date_placeholder", "table_title_placeholder",
                     "cumulative_data_placeholder", "instant_data_placeholder", "average_data_placeholder",
                     "status_placeholder", "chart_placeholder", "table_placeholder"};
    for (const QString& button : energyButtons)
        view << button + "_content_placeholder";
    return {{"energy_data_view", view},
            {"energy_data_tariff", {"background", "ok_content_placeholder", "table_placeholder"}},
            {"load_management_view",
             {"background", "reset_counter1_content_placeholder", "reset_counter2_content_placeholder",
              "refresh_content_placeholder", "cycle_content_placeholder", "instant_data_placeholder",
              "counter1_data_placeholder", "counter2_data_placeholder", "lastupdate_placeholder",
              "noinfo_placeholder"}},
            {"webserver_view", {"background", "time_placeholder", "date_placeholder", "labels_placeholder"}}};
}

inline QList<QPair<QString, Kind>> keys()
{
    QList<QPair<QString, Kind>> keys{{"energy_chart_grid_color", Kind::Color},
                                     {"energy_chart_odd_bars_color", Kind::Gradient},
                                     {"energy_chart_even_bars_color", Kind::Gradient},
                                     {"energy_chart_axes_values_color", Kind::Gradient},
                                     {"energy_chart_font_size", Kind::Size},
                                     {"energy_buttons_second_font_color", Kind::Color},
                                     {"energy_date_edit_selection_font_color", Kind::Color},
                                     {"energy_date_edit_selection_back_color", Kind::Color},
                                     {"energy_progressbar_back_color", Kind::Gradient},
                                     {"energy_progressbar_fill_color", Kind::Gradient},
                                     {"energy_progressbar_border_color", Kind::Color},
                                     {"energy_progressbar_border_width", Kind::Real},
                                     {"energy_progressbar_label_font_color", Kind::Gradient},
                                     {"load_labels_font_color", Kind::Color},
                                     {"load_labels_font_size", Kind::Size}};
    for (const QString& text : QStringList{"energy_labels", "energy_buttons", "energy_date", "energy_progressbar_label",
                                            "webserver_label"}) {
        const QString prefix(text);
        if (prefix != "energy_progressbar_label")
            keys << qMakePair(prefix + "_font_color", Kind::Color);
        keys << qMakePair(prefix + "_font_size", Kind::Size) << qMakePair(prefix + "_font_weight", Kind::Weight);
    }
    for (const QString& table : QStringList{"energy_view_table_", "energy_tariff_table_"}) {
        for (const QString& key : QStringList{"border_color", "read_write_cells_edit_font_color"})
            keys << qMakePair(table + key, Kind::Color);
        for (const QString& key : QStringList{"column_head_font_color", "column_head_back_color", "odd_rows_back_color",
                                   "even_rows_back_color", "read_only_cells_font_color",
                                   "read_write_cells_font_color", "odd_rows_read_write_cells_back_color",
                                   "even_rows_read_write_cells_back_color"})
            keys << qMakePair(table + key, Kind::Gradient);
    }
    return keys;
}

// A text colour key (plain or gradient) over a ground: either elements of a
// face SVG under a placeholder, or another theme.ini key.
struct Text
{
    QString name;
    QString key;
    QString renderer;
    QStringList ground;
    QString box;
    QString groundKey;
};

inline QList<Text> texts()
{
    QList<Text> texts{
        {"energy labels", "energy_labels_font_color", "energy_data_view", {"background"}, "table_title_placeholder", {}},
        {"energy value labels", "energy_labels_font_color", "energy_data_view", {"background"},
         "cumulative_data_placeholder", {}},
        {"energy status", "energy_labels_font_color", "energy_data_view", {"background"}, "status_placeholder", {}},
        {"energy date", "energy_date_font_color", "energy_data_view", {"background"}, "date_placeholder", {}},
        {"energy chart axes", "energy_chart_axes_values_color", "energy_data_view", {"background"},
         "chart_placeholder", {}},
        {"loading label", "energy_progressbar_label_font_color", "energy_data_view", {"background"},
         "chart_placeholder", {}},
        {"energy date selection", "energy_date_edit_selection_font_color", {}, {}, {},
         "energy_date_edit_selection_back_color"},
        {"load texts", "load_labels_font_color", "load_management_view", {"background"}, "counter1_data_placeholder",
         {}},
        {"load notice", "load_labels_font_color", "load_management_view", {"background"}, "noinfo_placeholder", {}},
        {"webserver time", "webserver_label_font_color", "webserver_view", {"background"}, "time_placeholder", {}},
        {"webserver rows", "webserver_label_font_color", "webserver_view", {"background"}, "labels_placeholder", {}}};
    for (const QString& table : QStringList{"energy_view_table_", "energy_tariff_table_"}) {
        texts << Text{table + "head", table + "column_head_font_color", {}, {}, {}, table + "column_head_back_color"}
              << Text{table + "odd rows", table + "read_only_cells_font_color", {}, {}, {}, table + "odd_rows_back_color"}
              << Text{table + "even rows", table + "read_only_cells_font_color", {}, {}, {},
                      table + "even_rows_back_color"}
              << Text{table + "odd fields", table + "read_write_cells_font_color", {}, {}, {},
                      table + "odd_rows_read_write_cells_back_color"}
              << Text{table + "edited field", table + "read_write_cells_edit_font_color", {}, {}, {},
                      table + "even_rows_read_write_cells_back_color"};
    }
    return texts;
}

inline double luminance(const QColor& colour)
{
    auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

inline double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every colour of a key: the colour itself or each stop of a gradient.
inline QList<QColor> colours(const QString& key)
{
    QGradientStops stops;
    if (Corvane::Gadgets::ThemeProvider::getGradientColorStops(key, stops)) {
        QList<QColor> result;
        for (const auto& stop : stops)
            result << stop.second;
        return result;
    }
    return {Corvane::Gadgets::ThemeProvider::getColor(key, Qt::transparent)};
}

// The lightest and the darkest pixel of the ground under a placeholder.
inline QList<QColor> groundColours(const QString& folder, const Text& text)
{
    if (!text.groundKey.isEmpty())
        return colours(text.groundKey);
    QSvgRenderer svg(folder + "/" + text.renderer + ".svg");
    const QRectF box = svg.transformForElement(text.box).mapRect(svg.boundsOnElement(text.box));
    QImage image(svg.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const QString& element : text.ground)
        svg.render(&painter, element, svg.transformForElement(element).mapRect(svg.boundsOnElement(element)));
    painter.end();
    QColor lightest(Qt::black);
    QColor darkest(Qt::white);
    // The ground under the text, inside the rim the placeholder may touch.
    const QRect area = box.adjusted(3, 3, -3, -3).toAlignedRect().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (luminance(pixel) > luminance(lightest))
                lightest = pixel;
            if (luminance(pixel) < luminance(darkest))
                darkest = pixel;
        }
    }
    return {lightest, darkest};
}

} // namespace DataFacesTheme
