// Renders the carousel beside a gadget into PNG pictures for a visual check:
//     gadgets_carousel_gallery [output folder]
// Each built-in theme gives <theme>_carousel.png: six data-panel sized
// controls around a 320-pixel gadget, facing right and turned by 45 degrees.

#include "GalleryHelpers.h"
#include "carousel/CarouselGeometry.h"
#include "carousel/CarouselView.h"
#include "hosting/BaseQMLWrapper.h"
#include "hosting/CarouselModelItem.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

using namespace Corvane::Gadgets;
using Utilities::BaseQMLWrapper;
using Utilities::CarouselModelItem;

namespace {

void paintElement(QPainter* painter, const QString& rendererName, const QRectF& bounds)
{
    if (QSvgRenderer* renderer = ThemeProvider::getRendererFor(rendererName)->renderer())
        renderer->render(painter, QStringLiteral("background"), bounds);
}

// A 260 x 180 data panel: the theme's info plate with a number on it.
class Plate : public SvgControlObject
{
public:
    explicit Plate(int number)
        : SvgControlObject(nullptr)
        , m_number(number)
    {
        setBounds(QRectF(0, 0, 260, 180));
    }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        paintElement(painter, ThemeProvider::INFO, boundingRect());
        // Outlined, to read on light and dark plates alike.
        QFont font;
        font.setPixelSize(72);
        font.setBold(true);
        QPainterPath text;
        text.addText(0, 0, font, QString::number(m_number));
        text.translate(boundingRect().center() - text.boundingRect().center());
        painter->setPen(QPen(QColor(20, 30, 50), 6));
        painter->setBrush(Qt::white);
        painter->drawPath(text);
    }

private:
    int m_number;
};

// The round gadget the carousel stands beside.
class Gadget : public QGraphicsItem
{
public:
    QRectF boundingRect() const override { return QRectF(340, 340, 320, 320); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        paintElement(painter, ThemeProvider::NAVIGATION, boundingRect());
    }
};

QImage renderCarousel(qreal angleToCenter)
{
    QGraphicsScene scene;
    QObject owner;
    auto* host = new BaseQMLWrapper;
    host->setSize(QSizeF(1000, 1000));
    scene.addItem(host);
    auto* gadget = new Gadget;
    gadget->setParentItem(host);

    auto* view = new CarouselView(host);
    view->setZValue(1);
    view->setHostSize(host->size());
    view->setGadgetRadius(160);
    QList<CarouselModelItem*> items;
    for (int number = 1; number <= 6; ++number) {
        auto* plate = new Plate(number);
        plate->setParent(&owner);
        items.append(new CarouselModelItem(plate, &owner));
    }
    view->setModel(items);
    view->rotateCarousel(angleToCenter);

    QImage image = GalleryHelpers::renderScene(scene, QRectF(0, 0, 1000, 1000), QColor(90, 110, 130));
    // The path the plates travel along, over them.
    QPainter painter(&image);
    painter.setRenderHints(GalleryHelpers::RENDER_HINTS);
    painter.setPen(QPen(Qt::yellow, 2, Qt::DashLine));
    painter.drawPath(view->sceneTransform().map(CarouselGeometry::path(view->pathRect())));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    GalleryHelpers::renderEachBuiltInTheme(argc, argv, [](const QString& prefix, const QColor&) {
        const QImage right = renderCarousel(0);
        const QImage turned = renderCarousel(45);
        QImage both(right.width() * 2, right.height(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&both);
        painter.drawImage(0, 0, right);
        painter.drawImage(right.width(), 0, turned);
        painter.end();
        GalleryHelpers::saveImage(both, prefix + QStringLiteral("_carousel.png"));
    });
    return 0;
}
