#include "ControlsTheme.h"

#include "text/LineTextEditor.h"
#include "text/TextLabel.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsProxyWidget>
#include <QFontMetricsF>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

const QString LONG_TEXT = QStringLiteral("A label text much longer than its narrow bounds");

void sendScenePress(QGraphicsScene& scene, const QPointF& scenePos)
{
    QCoreApplication::sendEvent(&scene, SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, scenePos).get());
}

void doubleClick(TextLabel& label, const QPointF& scenePos)
{
    label.handleMouseDoubleClick(SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseDoubleClick, scenePos).get());
}

void hover(TextLabel& label, QEvent::Type type, const QPointF& scenePos)
{
    const auto event = SceneTestHelpers::hoverEvent(type, scenePos);
    if (type == QEvent::GraphicsSceneHoverEnter)
        label.handleHoverEnterEvent(event.get());
    else
        label.handleHoverLeaveEvent(event.get());
}

// An editable label on (0, 0, 100, 20), owned by scene.
TextLabel* addEditableLabel(QGraphicsScene& scene, const QString& text)
{
    auto* label = new TextLabel(text, nullptr);
    scene.addItem(label);
    label->setTextBounds(QRectF(0, 0, 100, 20));
    label->setIsEditable(true);
    return label;
}

} // namespace

class tst_TextLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void themeValuesFollowTheControlId()
    {
        TextLabel label("Hall", nullptr);
        label.setControlId("label");
        QCOMPARE(label.font().pixelSize(), 13);
        QCOMPARE(label.font().weight(), QFont::Bold);
        QCOMPARE(label.fontColor(), QColor(0x10, 0x20, 0x40));
    }

    // A shadow in the text's own tone would smear it: dark text gets a light one.
    void shadowsSetTheTextOff_data()
    {
        QTest::addColumn<QString>("controlId");
        QTest::addColumn<QGradientStops>("gradient");
        QTest::addColumn<QColor>("editText");
        QTest::addColumn<QColor>("shadow");
        QTest::addColumn<QColor>("editorShadow");
        const QColor light(255, 255, 255, 84);
        const QColor dark(0, 0, 0, 84);
        QTest::newRow("dark text") << "label" << QGradientStops() << QColor(Qt::black) << light << light;
        QTest::newRow("light text") << "title" << QGradientStops() << QColor(Qt::white) << dark << dark;
        QTest::newRow("light gradient over a dark colour")
            << "label" << QGradientStops{{0.0, QColor("#ffffff")}, {1.0, QColor("#d6d6d6")}} << QColor("#3b3645")
            << dark << light;
    }

    void shadowsSetTheTextOff()
    {
        QFETCH(QString, controlId);
        QFETCH(QGradientStops, gradient);
        QFETCH(QColor, editText);
        QFETCH(QColor, shadow);
        QFETCH(QColor, editorShadow);
        TextLabel label("Hall", nullptr);
        label.setControlId(controlId);
        label.setForeGradientStops(gradient);
        label.setEditFontColor(editText);
        label.setHasDropShadow(true);
        const auto* textShadow = qobject_cast<QGraphicsDropShadowEffect*>(label.graphicsEffect());
        const auto* editShadow = qobject_cast<QGraphicsDropShadowEffect*>(label.editor()->proxy()->graphicsEffect());
        QVERIFY(textShadow && editShadow);
        QCOMPARE(textShadow->color(), shadow);
        QCOMPARE(editShadow->color(), editorShadow);
    }

    void positionPercentageIsClamped_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("stored");
        QTest::newRow("above the start") << 0.5 << 0.0;
        QTest::newRow("below the end") << -2.0 << -1.0;
        QTest::newRow("inside") << -0.25 << -0.25;
    }

    void positionPercentageIsClamped()
    {
        QFETCH(double, value);
        QFETCH(double, stored);
        TextLabel label("Hall", nullptr);
        label.setTextPositionPercentage(value);
        QCOMPARE(label.textPositionPercentage(), stored);
    }

    void elidedAtRestScrollingWhileHovered()
    {
        TextLabel label(LONG_TEXT, nullptr);
        label.setTextBounds(QRectF(10, 10, 80, 20));
        QVERIFY(label.displayedText().endsWith(QChar(0x2026)));
        QVERIFY(label.requiresTextScrolling());
        QVERIFY(!label.shouldScrollText());
        const int period = qRound(label.textRect().width() + TextLabel::BUFFER_PIXELS_COUNT);
        QCOMPARE(label.scrollAnimationDuration(), qRound(TextLabel::TEXT_SCROLLING_SLOWNESS * (label.textRect().width() + 16)));
        QVERIFY(period > 80);

        hover(label, QEvent::GraphicsSceneHoverEnter, QPointF(50, 20));
        QVERIFY(label.shouldScrollText());
        QVERIFY(label.isScrollAnimationRunning());
        hover(label, QEvent::GraphicsSceneHoverLeave, QPointF(200, 200));
        QVERIFY(!label.isScrollAnimationRunning());
    }

    void marqueeDirectionFollowsTheLayout_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("shift");
        QTest::newRow("left to right moves left") << int(Qt::LeftToRight) << -10;
        QTest::newRow("right to left moves right") << int(Qt::RightToLeft) << 10;
    }

    void marqueeDirectionFollowsTheLayout()
    {
        QFETCH(int, direction);
        QFETCH(int, shift);
        QApplication::setLayoutDirection(Qt::LayoutDirection(direction));
        TextLabel label(LONG_TEXT, nullptr);
        label.setMode(TextLabel::SingleLineAutoScroll);
        label.setTextBounds(QRectF(0, 0, 120, 20));
        label.startScrollAnimation(false);
        const qreal period = label.textRect().width() + TextLabel::BUFFER_PIXELS_COUNT;
        const auto paintAt = [&label](qreal percentage) {
            label.setTextPositionPercentage(percentage);
            return ControlsTheme::paintItem(&label, QSize(120, 20));
        };
        const QImage before = paintAt(-0.2);
        const QImage after = paintAt(-0.2 - 10.0 / period);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        int differences = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 20; x < 100; ++x)
                differences += qAlpha(after.pixel(x + shift, y)) != qAlpha(before.pixel(x, y)) ? 1 : 0;
        }
        QVERIFY2(differences < 20, qPrintable(QString::number(differences)));
    }

    void fittingTextNeverScrolls_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("hover scroll") << int(TextLabel::SingleLineHoverScroll);
        QTest::newRow("elided hover scroll") << int(TextLabel::SingleLineElidedHoverScroll);
    }

    void fittingTextNeverScrolls()
    {
        QFETCH(int, mode);
        TextLabel label("Hi", nullptr);
        label.setMode(mode);
        label.setTextBounds(QRectF(0, 0, 200, 20));
        hover(label, QEvent::GraphicsSceneHoverEnter, QPointF(50, 10));
        QVERIFY(!label.shouldScrollText());
        QVERIFY(!label.isScrollAnimationRunning());
        QCOMPARE(label.displayedText(), QString("Hi"));
    }

    void autoScrollNotifiesEverySecond()
    {
        TextLabel label("Hi", nullptr);
        label.setTextBounds(QRectF(0, 0, 200, 20));
        QSignalSpy notices(&label, &TextLabel::textIsScrolling);
        label.setMode(TextLabel::SingleLineAutoScroll);
        QVERIFY(label.isScrollAnimationRunning());
        QTRY_COMPARE_WITH_TIMEOUT(notices.count(), 1, 1500);
        label.setMode(TextLabel::SingleLineClipped);
        QVERIFY(!label.isScrollAnimationRunning());
    }

    void modeChangeClearsHeightFit()
    {
        TextLabel label("Hall", nullptr);
        label.setTextHeightFitsToBoundsHeight(true);
        label.setMode(TextLabel::SingleLineElided);
        QVERIFY(!label.textHeightFitsToBoundsHeight());
        label.setMode(42);
        QCOMPARE(label.mode(), TextLabel::SingleLineElided);
    }

    void multiLineAnchoring_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("outerAlignment");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("aligned top left") << int(TextLabel::MultiLineAligned) << int(Qt::AlignLeft | Qt::AlignTop) << "topLeft";
        QTest::newRow("centred") << int(TextLabel::MultiLineCentred) << int(Qt::AlignHCenter | Qt::AlignVCenter) << "centre";
    }

    void multiLineAnchoring()
    {
        QFETCH(int, mode);
        QFETCH(int, outerAlignment);
        QFETCH(QString, anchor);
        TextLabel label("First line\nSecond line", nullptr);
        label.setMode(mode);
        label.setOuterAlignment(Qt::Alignment(outerAlignment));
        label.setTextBounds(QRectF(100, 100, 40, 40));
        const QRectF bounds = label.scaledBounds();
        if (anchor == "topLeft")
            QCOMPARE(bounds.topLeft(), QPointF(100, 100));
        else
            QVERIFY(QLineF(bounds.center(), QPointF(120, 120)).length() < 1.0);
        QVERIFY(bounds.height() > 20);
    }

    void commitEmitsEditEndedBeforeTextChanged()
    {
        QGraphicsScene scene;
        TextLabel* label = addEditableLabel(scene, "Hall");
        QStringList order;
        connect(label, &TextLabel::editEnded, this, [&order] { order << "editEnded"; });
        connect(label, &TextLabel::textChanged, this, [&order](const QString& text) { order << "textChanged:" + text; });
        QSignalSpy started(label, &TextLabel::editStarted);

        doubleClick(*label, QPointF(50, 10));
        QCOMPARE(started.count(), 1);
        QVERIFY(label->isInEditState());
        label->editor()->setText("Kitchen");
        sendScenePress(scene, QPointF(300, 300));

        QVERIFY(!label->isInEditState());
        QCOMPARE(label->text(), QString("Kitchen"));
        QCOMPARE(order, QStringList({"editEnded", "textChanged:Kitchen"}));
    }

    void pressInsideTheEditorKeepsEditing()
    {
        QGraphicsScene scene;
        TextLabel* label = addEditableLabel(scene, "Hall");
        doubleClick(*label, QPointF(50, 10));
        sendScenePress(scene, QPointF(50, 10));
        QVERIFY(label->isInEditState());
    }

    void escapeCancelsTheEdit()
    {
        QGraphicsScene scene;
        TextLabel* label = addEditableLabel(scene, "Hall");
        QSignalSpy ended(label, &TextLabel::editEnded);
        QSignalSpy changed(label, &TextLabel::textChanged);
        doubleClick(*label, QPointF(50, 10));
        QTest::keyClicks(label->editor(), "way");
        QTest::keyClick(label->editor(), Qt::Key_Escape);
        QVERIFY(!label->isInEditState());
        QCOMPARE(label->text(), QString("Hall"));
        QCOMPARE(label->editor()->text(), QString("Hall"));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(changed.count(), 0);
    }

    void pressOutsideCommitsEvenAnEmptyText()
    {
        QGraphicsScene scene;
        TextLabel* label = addEditableLabel(scene, "Hall");
        doubleClick(*label, QPointF(50, 10));
        label->editor()->clear();
        sendScenePress(scene, QPointF(300, 300));
        QCOMPARE(label->text(), QString());
    }

    void rejectedTextKeepsEditing()
    {
        QGraphicsScene scene;
        TextLabel* label = addEditableLabel(scene, "abc");
        QRegularExpressionValidator lowerCase(QRegularExpression("[a-z]+"));
        label->setValidator(&lowerCase);
        doubleClick(*label, QPointF(50, 10));
        label->editor()->setText("ABC");
        sendScenePress(scene, QPointF(300, 300));
        QVERIFY(label->isInEditState());
        QCOMPARE(label->text(), QString("abc"));
    }

    void notEditableNeverEntersEditState()
    {
        TextLabel label("Hall", nullptr);
        QSignalSpy changed(&label, &TextLabel::isInEditModeChanged);
        label.setIsInEditState(true);
        QVERIFY(!label.isInEditState());
        QCOMPARE(changed.count(), 0);
    }

    void validatorReplacesRejectedText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty text accepted") << "[a-z]*" << "ABC" << "";
        QTest::newRow("empty text rejected too") << "[a-z]+" << "ABC" << "ABC";
        QTest::newRow("text accepted") << "[a-z]+" << "abc" << "abc";
    }

    void validatorReplacesRejectedText()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QString, result);
        TextLabel label(text, nullptr);
        QRegularExpressionValidator validator{QRegularExpression(pattern)};
        label.setValidator(&validator);
        QCOMPARE(label.text(), result);
    }

    // A fitted text takes the height of its bounds unless it would then be
    // wider than they are.
    void heightFitAlsoFitsTheWidth()
    {
        TextLabel shortText("12", nullptr);
        shortText.setTextHeightFitsToBoundsHeight(true);
        shortText.setTextBounds(QRectF(0, 0, 200, 20));
        TextLabel longText("EUR/kWh and more", nullptr);
        longText.setTextHeightFitsToBoundsHeight(true);
        longText.setTextBounds(QRectF(0, 0, 60, 20));
        QVERIFY(longText.font().pixelSize() < shortText.font().pixelSize());
        QVERIFY(QFontMetricsF(longText.font()).horizontalAdvance(longText.text()) <= 60.0
                || longText.font().pixelSize() == 9);
    }

    // A label inside a clipping parent (a scroll area's content) paints
    // within that clip, not over it.
    void paintingStaysInsideAClippingParent()
    {
        QGraphicsScene scene;
        auto* clip = new QGraphicsRectItem(0, 0, 100, 10);
        clip->setPen(Qt::NoPen);
        clip->setFlag(QGraphicsItem::ItemClipsChildrenToShape, true);
        scene.addItem(clip);
        auto* label = new TextLabel("Clipped", nullptr);
        label->setParentItem(clip);
        label->setTextBounds(QRectF(0, 0, 100, 40));
        QImage image(100, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        scene.render(&painter, QRectF(image.rect()), QRectF(0, 0, 100, 40));
        painter.end();
        for (int y = 11; y < 40; ++y) {
            for (int x = 0; x < 100; ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        }
    }
};

QTEST_MAIN(tst_TextLabel)
#include "tst_textlabel.moc"
