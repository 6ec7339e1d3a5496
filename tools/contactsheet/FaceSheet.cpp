#include "FaceSheet.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QStringList kFaces = {"button", "button_userconfiguration", "scroller", "scroll_decrease", "scroll_increase",
                            "window_frame", "slider", "tooltip", "favorite_label", "dropdown", "dropdown_favorite",
                            "dropdown_on", "dropdown_on_favorite", "command_control", "command_control_2",
                            "favorite_command_control", "favorite_command_control_2", "navigation", "info",
                            "configure", "favorite", "non_transparent_background"};

const QStringList kStates = {"default", "hover", "pressed", "disabled"};
const QStringList kColumns = {"whole", "default", "hover", "pressed", "disabled", "edit / even", "row 2",
                              "masks", "layout", "stretched"};

constexpr int kLabelWidth = 230;
constexpr int kHeader = 30;
constexpr qreal kMaxZoom = 4.0;

enum Column { Whole, Default, Hover, Pressed, Disabled, EditOrEven, RowTwo, Masks, Layout, Stretched };

// One face file: its renderer and what its XML says about the ids.
struct FaceFile {
    QString theme;
    QString name;
    std::unique_ptr<QSvgRenderer> renderer;
    QStringList topIds;  // children of the root, in document order
    QHash<QString, QString> fills;
    QStringList problems;

    bool has(const QString& id) const { return renderer->elementExists(id); }
    QRectF bounds(const QString& id) const
    {
        return renderer->transformForElement(id).mapRect(renderer->boundsOnElement(id));
    }
    bool hasEvenSet() const { return topIds.contains("even_1_default"); }
};

void readStructure(FaceFile& face, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        face.problems << "cannot be read";
        return;
    }
    QXmlStreamReader xml(&file);
    QHash<QString, int> seen;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement())
            --depth;
        if (!xml.isStartElement())
            continue;
        ++depth;
        const QString id = xml.attributes().value("id").toString();
        if (id.isEmpty())
            continue;
        if (++seen[id] == 2)
            face.problems << "duplicate id " + id;
        face.fills.insert(id, xml.attributes().value("fill").toString());
        if (depth == 2)
            face.topIds << id;
    }
    if (xml.hasError())
        face.problems << "XML error: " + xml.errorString();
}

// State ids end in one of the button states ("close_hover"); "default" alone is
// the normal look of a drop-down entry icon.
bool splitStateId(const QString& id, QString* base, QString* state)
{
    for (const QString& s : kStates) {
        if (id == s || id.endsWith("_" + s)) {
            *state = s;
            *base = id.left(qMax(0, id.size() - s.size() - 1));
            return true;
        }
    }
    return false;
}

// Back plates name their state first ("hover_left"); the hovered look is drawn
// over the normal one.
bool isPlateOfOtherState(const QString& id, const QString& state)
{
    for (const QString& s : kStates.mid(1)) {
        if (id.startsWith(s + "_"))
            return s != state;
    }
    return false;
}

bool isMask(const QString& id) { return id.endsWith("_mask"); }
bool isMark(const QString& id)
{
    return id.contains("placeholder") || id.endsWith("central_content_bounds") || id == "slider_path" ||
           id == "bounding_box" || id == "hotspot";
}
// Shown only while the gadget is moved: drawn in the layout view alone.
bool isMoveIndicator(const QString& id) { return id == "move_indicator"; }
bool isEdit(const QString& id) { return id.contains("_edit") || id == "active"; }
bool isRowTwo(const QString& id) { return id.startsWith("row_2_"); }
bool isEven(const QString& id) { return id.startsWith("even_") || id.startsWith("expand_indicator_even_"); }

void checkButtons(FaceFile& face)
{
    for (const QString& id : face.topIds) {
        if (isMask(id) && face.fills.value(id) != "#000000")
            face.problems << id + " is not filled pure black";
        QString base, state;
        if (!splitStateId(id, &base, &state) || state != "default" || base.isEmpty())
            continue;
        const QRectF frame = face.bounds(id);
        for (const QString& other : kStates.mid(1)) {
            const QString otherId = base + "_" + other;
            if (face.has(otherId) && face.bounds(otherId) != frame)
                face.problems << otherId + " does not share the frame of " + id;
        }
        const QString mask = base + "_mask";
        if (face.has(mask) && !frame.adjusted(-1, -1, 1, 1).contains(face.bounds(mask)))
            face.problems << mask + " reaches outside " + id;
    }
}

// Buttons that take turns in the same place: a label shows refresh normally and
// close while editing; a drop-down shows expand while closed and collapse while
// open; the carousel shows home alone or the home/back pair. The "edit" column
// shows the second of each pair.
struct Alternatives {
    QStringList shown;
    QStringList other;
};

const QHash<QString, Alternatives> kAlternatives = {
    {"tooltip", {{"refresh", "refresh_edit"}, {"close", "close_edit"}}},
    {"favorite_label", {{"refresh", "refresh_edit"}, {"close", "close_edit"}}},
    {"dropdown", {{"expand"}, {"collapse"}}},
    {"dropdown_favorite", {{"expand"}, {"collapse"}}},
    {"navigation", {{"home"}, {"home_split", "back_split"}}}};

bool isHiddenAlternative(const FaceFile& face, const QString& base, Column column)
{
    const Alternatives alternatives = kAlternatives.value(face.name);
    return (column == EditOrEven ? alternatives.shown : alternatives.other).contains(base);
}

// Which ids a column draws, in document order.
QStringList idsForColumn(const FaceFile& face, Column column)
{
    QStringList ids;
    const bool split = face.hasEvenSet();
    const bool hasEdit = std::any_of(face.topIds.begin(), face.topIds.end(), isEdit);
    for (const QString& id : face.topIds) {
        if (column == Masks) {
            if (isMask(id) && !(split && isEven(id)))
                ids << id;
            continue;
        }
        if (isMask(id) || isMark(id) || (isMoveIndicator(id) && column != Layout))
            continue;
        QString base, own;
        const bool hasState = splitStateId(id, &base, &own);
        const bool wantEdit = column == EditOrEven && !split && hasEdit;
        const bool wantEven = column == EditOrEven && split;
        if (isEdit(id) != wantEdit || isRowTwo(id) != (column == RowTwo) || (split && isEven(id) != wantEven))
            continue;
        const QString state = column >= Default && column <= Disabled ? kStates[column - Default] : "default";
        if (isPlateOfOtherState(id, state) || (hasState && isHiddenAlternative(face, base, column)))
            continue;
        if (!hasState) {
            ids << id;
            continue;
        }
        const QString wanted = base.isEmpty() ? state : base + "_" + state;
        if (own == state || (own == "default" && !face.has(wanted)))
            ids << id;
    }
    return ids;
}

class Sheet {
public:
    // Shows extent (by default the document) fitted into cell.
    Sheet(QPainter& painter, const FaceFile& face, QRectF cell, QRectF extent = QRectF())
        : m_painter(painter), m_face(face), m_cell(cell)
    {
        if (extent.isEmpty())
            extent = QRectF(QPointF(), face.renderer->defaultSize());
        m_zoom = qMin(kMaxZoom, qMin(cell.width() / extent.width(), cell.height() / extent.height()));
        m_origin = cell.center() - extent.center() * m_zoom;
    }

    QRectF map(const QRectF& r) const
    {
        return QRectF(m_origin + r.topLeft() * m_zoom, r.size() * m_zoom);
    }

    void whole() { m_face.renderer->render(&m_painter, map(QRectF(QPointF(), m_face.renderer->defaultSize()))); }

    void ids(const QStringList& ids)
    {
        for (const QString& id : ids)
            m_face.renderer->render(&m_painter, id, map(m_face.bounds(id)));
    }

    void outlines(const QStringList& ids, const QColor& color)
    {
        m_painter.save();
        m_painter.setPen(QPen(color, 1));
        m_painter.setBrush(Qt::NoBrush);
        for (const QString& id : ids)
            m_painter.drawRect(map(m_face.bounds(id)));
        m_painter.restore();
    }

    // Every complete three-slice bar, its middle stretched to four times its
    // width: fitted to the cell, then at the scales 1.7 and 1.0 (seams show
    // best at fractional scales).
    void stretched()
    {
        for (const QString& id : m_face.topIds) {
            if (!id.endsWith("_left"))
                continue;
            const QString prefix = id.chopped(5);
            if (!m_face.has(prefix + "_middle") || !m_face.has(prefix + "_right"))
                continue;
            const QRectF left = m_face.bounds(prefix + "_left");
            const QRectF middle = m_face.bounds(prefix + "_middle");
            const QRectF right = m_face.bounds(prefix + "_right");
            const qreal extra = middle.width() * 3;
            const qreal total = left.width() + middle.width() + extra + right.width();
            const qreal fit = qMin(kMaxZoom, (m_cell.width() - 8) / total);
            const QList<QPair<qreal, qreal>> rows{{fit, 0.3}, {1.7, 0.65}, {1.0, 0.88}};
            for (const auto& [zoom, place] : rows) {
                const QPointF at(m_cell.left() + 4, m_cell.top() + m_cell.height() * place -
                                                        middle.height() * zoom / 2 - middle.top() * zoom);
                auto draw = [&](const QString& slice, QRectF r) {
                    r = QRectF(at + QPointF(r.left() - left.left(), r.top()) * zoom, r.size() * zoom);
                    m_face.renderer->render(&m_painter, prefix + "_" + slice, r);
                };
                draw("middle", middle.adjusted(0, 0, extra, 0));
                draw("left", left);
                draw("right", right.translated(extra, 0));
            }
        }
    }

private:
    QPainter& m_painter;
    const FaceFile& m_face;
    QRectF m_cell;
    qreal m_zoom = 1.0;
    QPointF m_origin;
};

void drawRow(QPainter& painter, const FaceFile& face, int y, int cellSize)
{
    painter.drawText(QPointF(8, y + cellSize / 2 - 6), face.name);
    painter.drawText(QPointF(8, y + cellSize / 2 + 10), face.theme);
    for (int c = 0; c < kColumns.size(); ++c) {
        const QRectF cell(kLabelWidth + c * cellSize, y, cellSize - 4, cellSize - 4);
        painter.fillRect(cell, c == Masks ? QColor(0xf4, 0xf4, 0xf4) : QColor(0xa9, 0xae, 0xb6));
        Sheet sheet(painter, face, cell.adjusted(4, 4, -4, -4));
        const auto column = Column(c);
        if (column == Whole)
            sheet.whole();
        else if (column == Stretched)
            sheet.stretched();
        else if (column == Layout) {
            // Placeholders may lie outside the document (rings, labels): show them all.
            QStringList marks;
            QRectF extent(QPointF(), face.renderer->defaultSize());
            for (const QString& id : face.topIds) {
                if (isMark(id) && id != "bounding_box" && id != "slider_path") {
                    marks << id;
                    extent |= face.bounds(id);
                }
            }
            Sheet layout(painter, face, cell.adjusted(4, 4, -4, -4), extent);
            layout.ids(idsForColumn(face, Layout));
            layout.outlines(marks, Qt::red);
        } else
            sheet.ids(idsForColumn(face, column));
    }
}

} // namespace

int drawFaceSheet(const QString& themeA, const QString& themeB, const QString& output, const QStringList& only,
                  int cellSize)
{
    std::vector<FaceFile> faces;
    for (const QString& name : kFaces) {
        if (!only.isEmpty() && !only.contains(name))
            continue;
        for (const QString& folder : {themeA, themeB}) {
            FaceFile face;
            face.theme = QFileInfo(folder).fileName();
            face.name = name;
            const QString path = QDir(folder).filePath(name + ".svg");
            face.renderer = std::make_unique<QSvgRenderer>(path);
            if (!face.renderer->isValid())
                face.problems << "missing or not a valid SVG";
            else {
                readStructure(face, path);
                checkButtons(face);
            }
            faces.push_back(std::move(face));
        }
    }

    QImage sheet(kLabelWidth + int(kColumns.size()) * cellSize + 8, kHeader + int(faces.size()) * cellSize + 8,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xe8, 0xe9, 0xec));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    for (int c = 0; c < kColumns.size(); ++c)
        painter.drawText(QPointF(kLabelWidth + c * cellSize, 20), kColumns[c]);

    int problems = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const FaceFile& face = faces[i];
        for (const QString& text : face.problems)
            QTextStream(stdout) << face.theme << "/" << face.name << ".svg: " << text << "\n";
        problems += int(face.problems.size());
        if (face.renderer->isValid())
            drawRow(painter, face, kHeader + int(i) * cellSize, cellSize);
    }
    painter.end();
    if (!sheet.save(output))
        QTextStream(stdout) << "cannot write " << output << "\n";
    return problems;
}
