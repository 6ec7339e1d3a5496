#include "ControlsTheme.h"

#include "controls/SvgContentButton.h"
#include "controls/SvgControlObject.h"
#include "gestures/EventConsumer.h"

#include <QTest>

#include <cmath>
#include <memory>

using namespace Corvane::Gadgets;

namespace {

// cb_content_placeholder in the document; the button item sits at (10, 50).
const QRectF PLACEHOLDER(14, 54, 112, 32);

bool isNear(QRgb pixel, const QColor& colour, int tolerance = 40)
{
    return qAlpha(pixel) > 200 && std::abs(qRed(pixel) - colour.red()) < tolerance
        && std::abs(qGreen(pixel) - colour.green()) < tolerance && std::abs(qBlue(pixel) - colour.blue()) < tolerance;
}

QRect areaOf(const QImage& image, const QColor& colour)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isNear(image.pixel(x, y), colour))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

bool isFinite(const QRectF& rect)
{
    return std::isfinite(rect.x()) && std::isfinite(rect.y()) && std::isfinite(rect.width())
        && std::isfinite(rect.height());
}

std::unique_ptr<SvgContentButton> iconButton(const QString& iconFile = "icon")
{
    auto button = std::make_unique<SvgContentButton>(ControlsTheme::renderer("button"), "cb", nullptr);
    button->setContentBounds(PLACEHOLDER);
    button->setIconRenderer(Utilities::IconRenderer(ControlsTheme::renderer(iconFile), {}));
    button->setIconElement("default");
    return button;
}

const QColor ICON_COLOUR("#e0a000");

} // namespace

class tst_SvgContentButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void simulatedPressShiftsContent()
    {
        auto button = iconButton();
        const QRectF plain = button->boundingRect();
        button->setSimulatesContentPress(true);
        QCOMPARE(button->boundingRect().size(), plain.size() + QSizeF(2, 2));

        const QRect normal = areaOf(ControlsTheme::paintItem(button.get(), QSize(140, 60)), ICON_COLOUR);
        button->setState(SvgButton::Pressed);
        const QRect pressed = areaOf(ControlsTheme::paintItem(button.get(), QSize(140, 60)), ICON_COLOUR);
        QVERIFY(!normal.isEmpty());
        QCOMPARE(pressed.topLeft(), normal.topLeft() + QPoint(2, 2));
    }

    void glowOnlyOnHoverWhenAllowed_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("allowGlow");
        QTest::addColumn<bool>("glow");
        QTest::newRow("hover, allowed") << int(SvgButton::Hover) << true << true;
        QTest::newRow("hover, not allowed") << int(SvgButton::Hover) << false << false;
        QTest::newRow("normal, allowed") << int(SvgButton::Normal) << true << false;
    }

    void glowOnlyOnHoverWhenAllowed()
    {
        QFETCH(int, state);
        QFETCH(bool, allowGlow);
        QFETCH(bool, glow);
        auto button = iconButton();
        button->setAllowGlow(allowGlow);
        button->setState(SvgButton::ButtonState(state));
        const QImage image = ControlsTheme::paintItem(button.get(), QSize(140, 60));
        // The content centre is (60, 20); icon and glow are fitted by 2/3 to
        // radii of about 10.7 and 15.3, so 13 units right lies on the glow only.
        QCOMPARE(isNear(image.pixel(73, 20), QColor("#f0e0a0"), 60), glow);
        QVERIFY(!isNear(image.pixel(60, 20), QColor("#c8d8f8"), 10));
    }

    void textSitsBesideTheIcon()
    {
        auto button = iconButton();
        button->setControlId("content");
        button->setText("Kitchen");
        const QImage image = ControlsTheme::paintItem(button.get(), QSize(140, 60));
        const QRect icon = areaOf(image, ICON_COLOUR);
        const QRect text = areaOf(image, QColor(0x20, 0x20, 0x20));
        QVERIFY(!icon.isEmpty() && !text.isEmpty());
        QVERIFY2(text.left() > icon.right() + 2, qPrintable(QString("icon ends at %1, text starts at %2")
                                                                .arg(icon.right()).arg(text.left())));
    }

    void totalContentBoundsCountGlowWhenAsked()
    {
        auto button = iconButton();
        QVERIFY(button->actualTotalContentBounds(true).contains(button->actualTotalContentBounds(false)));
        QVERIFY(button->actualTotalContentBounds(true).width() > button->actualTotalContentBounds(false).width());
    }

    void suffixedIconElement()
    {
        auto button = iconButton();
        button->setElementsSuffix("big");
        const QImage image = ControlsTheme::paintItem(button.get(), QSize(140, 60));
        QVERIFY(!areaOf(image, QColor("#a000e0")).isEmpty());
        QVERIFY(areaOf(image, ICON_COLOUR).isEmpty());
    }

    void suffixedThemeKeys_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("fontSize");
        QTest::newRow("key with suffix") << "big" << 20;
        QTest::newRow("no such key") << "other" << 12;
        QTest::newRow("no suffix") << "" << 12;
    }

    void suffixedThemeKeys()
    {
        QFETCH(QString, suffix);
        QFETCH(int, fontSize);
        SvgContentButton button(ControlsTheme::renderer("button"), "cb", nullptr);
        button.setControlId("content");
        button.setElementsSuffix(suffix);
        QCOMPARE(button.fontSize(), fontSize);
        QCOMPARE(button.fontColor(), QColor(0x20, 0x20, 0x20));
    }

    void textColours_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::newRow("one colour") << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("gradient") << QColor(Qt::red) << QColor(Qt::blue);
    }

    void textColours()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        const QImage image =
            SvgContentButton::createTextPixmap("HHHH", QString(), 40, first, second, QFont::Bold, 1.0, QSizeF(-1, -1))
                .toImage();
        QVERIFY(!image.isNull());
        int topBlue = -1;
        int bottomBlue = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) < 250)
                    continue;
                if (topBlue < 0)
                    topBlue = qBlue(pixel);
                bottomBlue = qBlue(pixel);
            }
        }
        QCOMPARE(topBlue < 80, true);
        QCOMPARE(bottomBlue > 80, first != second);
    }

    void fittedTextPixmapStaysInPlaceholder()
    {
        SvgContentButton button(ControlsTheme::renderer("button"), "cb", nullptr);
        button.setContentBounds(PLACEHOLDER);
        button.setControlId("content");
        button.setFitTextInPlaceholderBounds(true);
        button.setText("A text far too long to fit into the placeholder of this button");
        QVERIFY(!button.textPixmap().isNull());
        QVERIFY(button.textPixmap().width() <= PLACEHOLDER.width());
    }

    void degenerateBoundingBoxDrawsUnscaled()
    {
        // zero_icon's bounding_box is 0 units wide: nothing may divide by it.
        auto button = iconButton("zero_icon");
        button->setText("Zero");
        QVERIFY(isFinite(button->boundingRect()));
        QVERIFY(isFinite(button->actualTotalContentBounds(true)));
        QVERIFY(isFinite(button->scaledIconBounds()));
        const QImage image = ControlsTheme::paintItem(button.get(), QSize(140, 60));
        const QSize painted = areaOf(image, QColor("#e02020")).size();
        QVERIFY(std::abs(painted.width() - 24) <= 1 && std::abs(painted.height() - 24) <= 1);
    }

    void automaticMaskFollowsContent()
    {
        SvgControlObject owner(ControlsTheme::renderer("button"));
        SvgContentButton* button = owner.initContentButton("cb");
        button->setContentBounds(PLACEHOLDER);
        button->setText("OK");
        QVERIFY(!button->hasMaskElement());
        QVERIFY(button->hitTest(PLACEHOLDER.center()));
        QVERIFY(!button->hitTest(PLACEHOLDER.topLeft() + QPointF(1, 1)));

        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, PLACEHOLDER.center());
        owner.handleMousePress(press.get(), consumer);
        QVERIFY(press->isAccepted());
    }

    void overlaysArePaintedOverTheIcon()
    {
        auto button = iconButton();
        button->setIconRenderer(Utilities::IconRenderer(ControlsTheme::renderer("icon"), {ControlsTheme::renderer("overlay")}));
        const QImage image = ControlsTheme::paintItem(button.get(), QSize(140, 60));
        QVERIFY(!areaOf(image, QColor("#ff2020")).isEmpty());
    }
};

QTEST_MAIN(tst_SvgContentButton)
#include "tst_svgcontentbutton.moc"
