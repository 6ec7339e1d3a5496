#include "ControlsTheme.h"

#include "controls/BackgroundScaler.h"
#include "controls/SvgContentBackButton.h"

#include <QTest>

#include <cmath>
#include <memory>

using namespace Corvane::Gadgets;

namespace {

const QRectF PLACEHOLDER(14, 54, 112, 32);

std::unique_ptr<SvgContentBackButton> backButton(const QString& iconFile)
{
    auto button = std::make_unique<SvgContentBackButton>(ControlsTheme::renderer("button"), "plate_text",
                                                         ControlsTheme::renderer("button"), QString(), nullptr);
    button->setContentBounds(PLACEHOLDER);
    button->setControlId("content");
    button->setIconRenderer(Utilities::IconRenderer(ControlsTheme::renderer(iconFile), {}));
    button->setIconElement("default");
    button->setText("Plate");
    return button;
}

bool isNear(QRgb pixel, const QColor& colour)
{
    return qAlpha(pixel) > 200 && std::abs(qRed(pixel) - colour.red()) < 12
        && std::abs(qGreen(pixel) - colour.green()) < 12 && std::abs(qBlue(pixel) - colour.blue()) < 12;
}

int countNear(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += isNear(image.pixel(x, y), colour) ? 1 : 0;
    }
    return count;
}

} // namespace

class tst_SvgContentBackButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void narrowContentHasNoMiddlePart()
    {
        Utilities::BackgroundScaler scaler(ControlsTheme::renderer("button"), "default");
        QVERIFY(scaler.isValid());
        // The plate is 24 high around a central rectangle 16 high: factor 1.
        scaler.scaleCentralContentBoundsTo(QSizeF(4, 16), true);
        QCOMPARE(scaler.totalScaledBounds(), QRectF(0, 0, 12, 24));
        scaler.scaleCentralContentBoundsTo(QSizeF(20, 16), true);
        QCOMPARE(scaler.totalScaledBounds(), QRectF(0, 0, 30, 24));
        QCOMPARE(scaler.scaledCentralContentBounds().size(), QSizeF(20, 16));
    }

    void incompletePlateIsNotUsed()
    {
        Utilities::BackgroundScaler scaler(ControlsTheme::renderer("button"), "missing");
        QVERIFY(!scaler.isValid());
        scaler.scaleCentralContentBoundsTo(QSizeF(20, 16), true);
        QVERIFY(scaler.totalScaledBounds().isEmpty());
    }

    void paddingGrowsTheContentRectangle()
    {
        auto button = backButton("plain_icon");
        const QRectF before = button->contentBounds();
        const QRectF plateBefore = button->defaultPlateBounds();
        button->setContentPadding(4);
        QCOMPARE(button->contentBounds(), before.adjusted(-4, -4, 4, 4));
        QVERIFY(button->defaultPlateBounds().contains(plateBefore.center()));
        QVERIFY(button->defaultPlateBounds().width() > plateBefore.width());
        QVERIFY(button->defaultPlateBounds().height() > plateBefore.height());
    }

    void placeholderBoundsIgnoreTextLength()
    {
        auto button = backButton("plain_icon");
        button->setBackgroundUsesActualContentBounds(false);
        const QRectF plate = button->defaultPlateBounds();
        button->setText("A much longer text than before");
        QCOMPARE(button->defaultPlateBounds(), plate);

        button->setBackgroundUsesActualContentBounds(true);
        const QRectF actual = button->defaultPlateBounds();
        button->setText("Short");
        QVERIFY(button->defaultPlateBounds().width() < actual.width());
    }

    void hoverPlateOnlyWithoutIconGlow_data()
    {
        QTest::addColumn<QString>("iconFile");
        QTest::addColumn<bool>("hoverPlate");
        QTest::newRow("icon without effect") << "plain_icon" << true;
        QTest::newRow("icon with effect") << "icon" << false;
    }

    void hoverPlateOnlyWithoutIconGlow()
    {
        QFETCH(QString, iconFile);
        QFETCH(bool, hoverPlate);
        auto button = backButton(iconFile);
        button->setAllowGlow(false);
        button->setState(SvgButton::Hover);
        const QRectF rect = button->boundingRect();
        const QImage image = ControlsTheme::paintItem(button.get(), rect.size().toSize() + QSize(1, 1), rect.topLeft());
        QCOMPARE(countNear(image, QColor("#7090b0")) > 20, hoverPlate);
    }

    void fractionalScaleLeavesNoSeam_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("1.3") << 1.3;
        QTest::newRow("1.7") << 1.7;
    }

    void fractionalScaleLeavesNoSeam()
    {
        QFETCH(qreal, scale);
        auto button = backButton("plain_icon");
        button->setText(QString());
        button->clearIcon();
        button->setContentBounds(QRectF(20, 60, 60, 16));
        const QRectF plate = button->defaultPlateBounds();
        const QRectF rect = button->boundingRect();
        const QImage image =
            ControlsTheme::paintItem(button.get(), (rect.size() * scale).toSize() + QSize(4, 4), rect.topLeft(), scale);
        const int row = int((plate.center().y() - rect.y()) * scale);
        const int first = int(std::ceil((plate.left() - rect.x()) * scale)) + 1;
        const int last = int((plate.right() - rect.x()) * scale) - 2;
        QVERIFY(last > first);
        for (int x = first; x <= last; ++x)
            QVERIFY2(qAlpha(image.pixel(x, row)) > 200, qPrintable(QString("seam at %1").arg(x)));
    }

    void pressedPlateMovesWithContent()
    {
        auto button = backButton("plain_icon");
        button->setSimulatesContentPress(true);
        const QRectF rect = button->boundingRect();
        const auto plateColumn = [&]() {
            const QImage image = ControlsTheme::paintItem(button.get(), rect.size().toSize() + QSize(4, 4), rect.topLeft());
            for (int x = 0; x < image.width(); ++x) {
                for (int y = 0; y < image.height(); ++y) {
                    if (isNear(image.pixel(x, y), QColor("#506070")))
                        return x;
                }
            }
            return -1;
        };
        const int normal = plateColumn();
        button->setState(SvgButton::Pressed);
        QCOMPARE(plateColumn(), normal + 2);
    }
};

QTEST_MAIN(tst_SvgContentBackButton)
#include "tst_svgcontentbackbutton.moc"
