// contactsheet: checks the icon SVGs of two theme folders and draws them side
// by side into one PNG, one row per icon, one column per state.
//
// Usage: contactsheet <theme folder> <theme folder> <output.png>
//        contactsheet --faces <theme folder> <theme folder> <output.png> [--cell=<px>] [face ...]
//
// The second form draws the control faces instead (see FaceSheet.h).
//
// Every icon file must parse, hold a non-empty "bounding_box", the five state
// drawings and "effect", with all states sharing one frame; the overlays must
// hold "bounding_box" and "default". Each problem is printed on one line and
// the exit code is 1 when there was any; the sheet is written in every case.

#include "FaceSheet.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QStringList kIcons = {
    // devices and home-page icons
    "light", "light_group", "light_system", "automation_system", "termo", "temperature_system",
    "airconditioner", "light_sensor", "light_sensor_system", "presence", "presence_sensor_system",
    "scenario", "scenario_system", "webserver", "webserver_system", "sound_system", "amplifier",
    "amplifier_group", "shutter", "shutter_group", "curtain", "curtain_group",
    // thermoregulation
    "thermo_automatic", "thermo_manual", "thermo_antifreeze", "thermo_fancoil_low",
    "thermo_fancoil_medium", "thermo_fancoil_high", "thermo_fancoil_auto", "thermo_fancoil_silent",
    "thermo_heating", "thermo_cooling", "thermo_dry", "thermo_fan", "thermo_swing_on",
    "thermo_swing_off", "celsius", "fahrenheit",
    // energy and loads
    "energy_electricity", "energy_water", "energy_gas", "energy_dhw", "energy_heating_cooling",
    "energy_system", "energy_cycle_timespan_view", "energy_table", "energy_graph", "energy_currency",
    "energy_unit", "energy_tariff", "load_management_system", "load_device_ok", "load_unplugged",
    "load_controlled", "load_uncontrolled", "load_info", "load_reset", "load_refresh",
    // commands
    "on", "off", "start", "stop", "scenario_enable", "scenario_disable", "motor_up", "motor_down",
    "motor_open", "motor_close", "shutter_up", "shutter_down", "curtain_open", "curtain_close",
    "next_track", "prev_track", "decrease", "increase", "LeftArrow", "RightArrow"};

const QStringList kOverlays = {"favorite_indicator", "error_indicator"};
const QStringList kStates = {"default", "uninitialized", "inactive", "active", "disabled"};
const QString kBoundingBox = "bounding_box";
const QString kEffect = "effect";
const QString kOverlayElement = "default";
const QString kSampleIcon = "light";

constexpr int kIcon = 48;
constexpr int kCell = 60;
constexpr int kLabelWidth = 200;
constexpr int kGap = 28;
constexpr int kColumns = 6;  // five states and the hovered default
constexpr int kHeader = 44;

// One theme folder with a renderer per SVG file.
class Theme {
public:
    explicit Theme(const QString& folder) : m_folder(folder) {}

    QString name() const { return QFileInfo(m_folder).fileName(); }

    QSvgRenderer* renderer(const QString& file)
    {
        for (auto& entry : m_renderers) {
            if (entry.first == file)
                return entry.second.get();
        }
        auto renderer = std::make_unique<QSvgRenderer>(QDir(m_folder).filePath(file + ".svg"));
        m_renderers.emplace_back(file, std::move(renderer));
        return m_renderers.back().second.get();
    }

private:
    QString m_folder;
    std::vector<std::pair<QString, std::unique_ptr<QSvgRenderer>>> m_renderers;
};

// Bounds of an element in document coordinates.
QRectF documentBounds(QSvgRenderer* renderer, const QString& id)
{
    return renderer->transformForElement(id).mapRect(renderer->boundsOnElement(id));
}

// Draws an element where it lies relative to "bounding_box", the box scaled to size x size.
void drawElement(QPainter& painter, QSvgRenderer* renderer, const QString& id, QPointF topLeft, int size)
{
    if (!renderer->isValid() || !renderer->elementExists(id) || !renderer->elementExists(kBoundingBox))
        return;
    const QRectF box = documentBounds(renderer, kBoundingBox);
    if (box.isEmpty())
        return;
    const qreal k = qMin(size / box.width(), size / box.height());
    const QRectF r = documentBounds(renderer, id);
    renderer->render(&painter, id,
                     QRectF(topLeft.x() + (r.x() - box.x()) * k, topLeft.y() + (r.y() - box.y()) * k,
                            r.width() * k, r.height() * k));
}

class Checker {
public:
    void problem(const Theme& theme, const QString& file, const QString& text)
    {
        QTextStream(stdout) << theme.name() << "/" << file << ".svg: " << text << "\n";
        ++m_count;
    }

    // Every id must exist with non-empty bounds; the first `framed` ids must share their bounds.
    void checkFile(Theme& theme, const QString& file, const QStringList& ids, int framed)
    {
        QSvgRenderer* renderer = theme.renderer(file);
        if (!renderer->isValid()) {
            problem(theme, file, "missing or not a valid SVG");
            return;
        }
        if (!renderer->elementExists(kBoundingBox))
            problem(theme, file, "no element " + kBoundingBox);
        else if (documentBounds(renderer, kBoundingBox).isEmpty())
            problem(theme, file, kBoundingBox + " has empty bounds");
        QRectF frame;
        for (int i = 0; i < ids.size(); ++i) {
            const QString& id = ids[i];
            if (!renderer->elementExists(id)) {
                problem(theme, file, "no element " + id);
                continue;
            }
            const QRectF bounds = documentBounds(renderer, id);
            if (bounds.isEmpty())
                problem(theme, file, id + " has empty bounds");
            else if (i < framed && frame.isNull())
                frame = bounds;
            else if (i < framed && bounds != frame)
                problem(theme, file, id + " does not share the frame of " + ids.first());
        }
    }

    int count() const { return m_count; }

private:
    int m_count = 0;
};

// Draws the grey cell at topLeft and returns where the icon centred in it goes.
QPointF drawCell(QPainter& painter, QPointF topLeft)
{
    painter.fillRect(QRectF(topLeft, QSizeF(kCell - 4, kCell - 4)), QColor(0xa9, 0xae, 0xb6));
    return topLeft + QPointF((kCell - 4 - kIcon) / 2.0, (kCell - 4 - kIcon) / 2.0);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() >= 5 && arguments[1] == "--faces") {
        QStringList faces = arguments.mid(5);
        int cell = 150;
        if (!faces.isEmpty() && faces.first().startsWith("--cell="))
            cell = qBound(60, faces.takeFirst().mid(7).toInt(), 600);
        const int problems = drawFaceSheet(arguments[2], arguments[3], arguments[4], faces, cell);
        if (problems > 0)
            std::fprintf(stderr, "%d problem(s)\n", problems);
        return problems > 0 ? 1 : 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: contactsheet <theme folder> <theme folder> <output.png>\n"
                             "       contactsheet --faces <theme folder> <theme folder> <output.png>"
                             " [--cell=<px>] [face ...]\n");
        return 2;
    }
    Theme themes[2] = {Theme(QString::fromLocal8Bit(argv[1])), Theme(QString::fromLocal8Bit(argv[2]))};

    Checker checker;
    for (Theme& theme : themes) {
        for (const QString& icon : kIcons)
            checker.checkFile(theme, icon, kStates + QStringList{kEffect}, int(kStates.size()));
        for (const QString& overlay : kOverlays)
            checker.checkFile(theme, overlay, {kOverlayElement}, 0);
    }

    const int blockWidth = kColumns * kCell;
    const int width = kLabelWidth + 2 * blockWidth + kGap + 8;
    const int rows = int(kIcons.size()) + 1;
    QImage sheet(width, kHeader + rows * kCell + 8, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xe8, 0xe9, 0xec));

    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);

    const QStringList columns = kStates + QStringList{"hover"};
    for (int t = 0; t < 2; ++t) {
        const int x0 = kLabelWidth + t * (blockWidth + kGap);
        painter.drawText(QPointF(x0, 16), themes[t].name());
        for (int c = 0; c < kColumns; ++c)
            painter.drawText(QPointF(x0 + c * kCell, 36), columns[c].left(9));
    }

    for (int row = 0; row < kIcons.size(); ++row) {
        const QString& icon = kIcons[row];
        const int y = kHeader + row * kCell;
        painter.drawText(QPointF(8, y + kCell / 2), icon);
        for (int t = 0; t < 2; ++t) {
            QSvgRenderer* renderer = themes[t].renderer(icon);
            const int x0 = kLabelWidth + t * (blockWidth + kGap);
            for (int c = 0; c < kColumns; ++c) {
                const QPointF at = drawCell(painter, QPointF(x0 + c * kCell, y));
                if (c == kColumns - 1)
                    drawElement(painter, renderer, kEffect, at, kIcon);
                drawElement(painter, renderer, kStates[c < kStates.size() ? c : 0], at, kIcon);
            }
        }
    }

    // The overlays over a sample icon: favourite, error, both, both over the active
    // state, and each badge alone.
    const int y = kHeader + int(kIcons.size()) * kCell;
    painter.drawText(QPointF(8, y + kCell / 2), "overlays on " + kSampleIcon);
    for (int t = 0; t < 2; ++t) {
        const int x0 = kLabelWidth + t * (blockWidth + kGap);
        QSvgRenderer* icon = themes[t].renderer(kSampleIcon);
        QSvgRenderer* favorite = themes[t].renderer(kOverlays[0]);
        QSvgRenderer* error = themes[t].renderer(kOverlays[1]);
        const QList<QList<QSvgRenderer*>> overlaySets = {
            {favorite}, {error}, {favorite, error}, {favorite, error}, {favorite}, {error}};
        for (int c = 0; c < kColumns; ++c) {
            const QPointF at = drawCell(painter, QPointF(x0 + c * kCell, y));
            if (c < 4)
                drawElement(painter, icon, c == 3 ? "active" : "default", at, kIcon);
            for (QSvgRenderer* overlay : overlaySets[c])
                drawElement(painter, overlay, kOverlayElement, at, kIcon);
        }
    }
    painter.end();

    const QString output = QString::fromLocal8Bit(argv[3]);
    if (!sheet.save(output)) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 2;
    }
    if (checker.count() > 0) {
        std::fprintf(stderr, "%d problem(s)\n", checker.count());
        return 1;
    }
    return 0;
}
