// The device name plate on the built-in themes: text layout and marquee,
// buttons, rows, theme values and in-place renaming with the listener's veto.

#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "dropdown/SvgDropDown.h"
#include "dropdown/SvgDropDownItem.h"
#include "dropdown/SvgDropDownPanel.h"
#include "label/Label.h"
#include "models/DropDownItemModel.h"
#include "models/DropDownModel.h"
#include "text/LineTextEditor.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

#include <QFontMetricsF>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;
using Corvane::Gadgets::Models::DropDownItemModel;

namespace {

const QString LONG_NAME = QStringLiteral("Living room ceiling lights along the east wall");
const QString SHORT_NAME = QStringLiteral("Hall");

void useTheme(const QString& folder)
{
    ThemeProvider::clear();
    ThemeProvider::DefaultThemeFolder = folder;
    ThemeProvider::setThemeFile(QString());
}

std::unique_ptr<QGraphicsSceneMouseEvent> mouseEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneMouseEvent>(type);
    event->setScenePos(scenePos);
    event->setButton(Qt::LeftButton);
    event->setButtons(Qt::LeftButton);
    event->setAccepted(false);
    return event;
}

std::unique_ptr<QGraphicsSceneHoverEvent> hoverEvent(QEvent::Type type, const QPointF& scenePos)
{
    auto event = std::make_unique<QGraphicsSceneHoverEvent>(type);
    event->setScenePos(scenePos);
    return event;
}

QImage paintLabel(Label* label)
{
    QImage image(label->boundingRect().size().toSize() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    label->paint(&painter, &option, nullptr);
    return image;
}

bool hasOpaquePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// A carousel-style label with tail 1 in a scene, positioned away from the origin.
struct Fixture
{
    explicit Fixture(const QString& controlId = QStringLiteral("label_navigation"), int tail = 1,
                     const QString& renderer = ThemeProvider::TOOLTIP)
    {
        label = new Label(ThemeProvider::getRendererFor(renderer), ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN),
                          ThemeProvider::getRendererFor(ThemeProvider::DROPDOWN_ON), nullptr, tail);
        scene.addItem(label);
        label->setControlId(controlId);
        label->setPos(40, 30);
    }

    QPointF textScenePos(qreal fractionX) const
    {
        const QRectF box = label->textBox();
        return label->mapToScene(QPointF(box.x() + box.width() * fractionX, box.center().y()));
    }

    QGraphicsScene scene;
    Label* label = nullptr;
};

} // namespace

class tst_Label : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<const DropDownItemModel*>(); }
    void init() { useTheme(QStringLiteral(":/TalveraTheme")); }
    void cleanupTestCase() { ThemeProvider::clear(); }

    void textLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scrollNeeded");
        QTest::newRow("narrow") << SHORT_NAME << false;
        QTest::newRow("wide") << LONG_NAME << true;
    }

    void textLayout()
    {
        QFETCH(QString, text);
        QFETCH(bool, scrollNeeded);
        Fixture fixture;
        fixture.label->setText(text);
        const QRectF box = fixture.label->textBox();
        const qreal width =
            QFontMetricsF(fixture.label->effectiveFont()).boundingRect(box, Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();

        QCOMPARE(fixture.label->effectiveFont().pixelSize(), 10);
        QCOMPARE(fixture.label->isScrollNeeded(), scrollNeeded);
        if (scrollNeeded) {
            QVERIFY(fixture.label->shownText().endsWith(QChar(0x2026)));
            QCOMPARE(fixture.label->scrollWidth(), width + 16.0);
            QCOMPARE(fixture.label->scrollDuration(), int(16.0 * (width + 16.0)));
        } else {
            QCOMPARE(fixture.label->shownText(), text);
            QCOMPARE(fixture.label->scrollDuration(), 0);
        }
        QCOMPARE(fixture.label->textEditor()->proxy()->geometry(), QRectF(box.toRect()));
    }

    void hoverScrollsAWideText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("narrow") << SHORT_NAME << false;
        QTest::newRow("wide") << LONG_NAME << true;
    }

    void hoverScrollsAWideText()
    {
        QFETCH(QString, text);
        QFETCH(bool, scrolls);
        Fixture fixture;
        fixture.label->setText(text);
        QSignalSpy scrolling(fixture.label, &Label::textIsScrolling);

        fixture.label->handleHoverEnterEvent(hoverEvent(QEvent::GraphicsSceneHoverEnter, fixture.textScenePos(0.5)).get());
        QCOMPARE(fixture.label->isTextScrolling(), scrolls);
        if (scrolls)
            QTRY_VERIFY_WITH_TIMEOUT(!scrolling.isEmpty(), 3000);

        fixture.label->handleHoverLeaveEvent(
            hoverEvent(QEvent::GraphicsSceneHoverLeave, fixture.label->mapToScene(QPointF(-50, -50))).get());
        QVERIFY(!fixture.label->isTextScrolling());
    }

    void textPositionPercentageIsClamped_data()
    {
        QTest::addColumn<qreal>("value");
        QTest::addColumn<qreal>("stored");
        QTest::newRow("above the range") << 0.5 << 0.0;
        QTest::newRow("below the range") << -2.0 << -1.0;
        QTest::newRow("inside") << -0.25 << -0.25;
    }

    void textPositionPercentageIsClamped()
    {
        QFETCH(qreal, value);
        QFETCH(qreal, stored);
        Fixture fixture;
        fixture.label->setTextPositionPercentage(-0.5);
        fixture.label->setTextPositionPercentage(value);
        QCOMPARE(fixture.label->textPositionPercentage(), stored);
    }

    void buttonConfig_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("expectedConfig");
        QTest::addColumn<QString>("visibleButton");
        QTest::addColumn<QString>("textBoxId");
        QTest::newRow("refresh") << 0 << 0 << "refresh" << "text_placeholder";
        QTest::newRow("close") << 1 << 1 << "close" << "text_placeholder";
        QTest::newRow("none") << 2 << 2 << "" << "text_placeholder_full";
        QTest::newRow("out of range") << 3 << 0 << "refresh" << "text_placeholder";
    }

    void buttonConfig()
    {
        QFETCH(int, config);
        QFETCH(int, expectedConfig);
        QFETCH(QString, visibleButton);
        QFETCH(QString, textBoxId);
        Fixture fixture;
        fixture.label->setButtonConfig(Label::RefreshButton);
        fixture.label->setButtonConfig(config);

        QCOMPARE(int(fixture.label->buttonConfig()), expectedConfig);
        QCOMPARE(fixture.label->textBox(), fixture.label->boundsOnElement(textBoxId));
        QStringList visible;
        for (QGraphicsItem* child : fixture.label->childItems()) {
            auto* button = dynamic_cast<SvgButton*>(child);
            if (button && button->isVisible())
                visible << button->baseId();
        }
        QCOMPARE(visible, visibleButton.isEmpty() ? QStringList() : QStringList{visibleButton});
    }

    void buttonsReportClicks_data()
    {
        QTest::addColumn<int>("config");
        QTest::newRow("refresh") << int(Label::RefreshButton);
        QTest::newRow("close") << int(Label::CloseButton);
    }

    void buttonsReportClicks()
    {
        QFETCH(int, config);
        Fixture fixture;
        fixture.label->setButtonConfig(config);
        QSignalSpy refresh(fixture.label, &Label::refreshButtonClicked);
        QSignalSpy close(fixture.label, &Label::closeButtonClicked);
        SvgButton* button = fixture.label->button(Label::ButtonConfig(config), false);
        fixture.label->handleMouseClick(
            mouseEvent(QEvent::GraphicsSceneMouseRelease, button->mapToScene(button->boundingRect().center())).get());
        QCOMPARE(refresh.size(), config == Label::RefreshButton ? 1 : 0);
        QCOMPARE(close.size(), config == Label::CloseButton ? 1 : 0);
    }

    void labelWithoutTailLaysOutAndPaints()
    {
        Fixture fixture(QStringLiteral("label_favorite"), -1, ThemeProvider::FAVORITE_LABEL);
        fixture.label->setText(SHORT_NAME);
        QCOMPARE(fixture.label->totalBounds(), fixture.label->backgroundBounds());
        QCOMPARE(fixture.label->boundingRect().size(), fixture.label->backgroundBounds().size());
        QCOMPARE(fixture.label->effectiveFont().pixelSize(), 12);
        fixture.label->updateCachedData();
        QCOMPARE(fixture.label->pos(), QPointF(40, 30));
        QVERIFY(hasOpaquePixel(paintLabel(fixture.label)));
    }

    void doubleRowShowsTheDropDown()
    {
        Fixture fixture;
        const QSizeF singleSize = fixture.label->boundingRect().size();
        QVERIFY(!fixture.label->row2DropDown()->isVisible());

        fixture.label->setIsDoubleRowLabel(true);
        QVERIFY(fixture.label->row2DropDown()->isVisible());
        QCOMPARE(fixture.label->rows().rowCount(), 2);
        QVERIFY(fixture.label->rows().background()->isVisible());
        QCOMPARE(fixture.label->rows().background()->elementId(), QStringLiteral("row_2_background"));
        const QRectF row2 = fixture.label->boundsOnElement(QStringLiteral("row_2_background"))
                                .united(fixture.label->boundsOnElement(QStringLiteral("row_2_tail_1")));
        QCOMPARE(fixture.label->boundingRect().size(), row2.size());
        QVERIFY(fixture.label->boundingRect().height() > singleSize.height());
        QCOMPARE(fixture.label->row2DropDown()->scaledBounds(),
                 fixture.label->boundsOnElement(QStringLiteral("row_2_text_placeholder")));
        QCOMPARE(fixture.label->row2DropDown()->controlId(), QStringLiteral("label_navigation_drop_down"));

        fixture.label->setIsDoubleRowLabel(false);
        QCOMPARE(fixture.label->boundingRect().size(), singleSize);
        QVERIFY(!fixture.label->row2DropDown()->isVisible());
    }

    void dropDownEventsAreRelayed()
    {
        Fixture fixture;
        fixture.label->setIsDoubleRowLabel(true);
        DropDownItemModel radio(3, QStringLiteral("Radio"));
        fixture.label->setRow2DropDownModel(Models::DropDownModel({&radio}, QStringLiteral("Source")));
        SvgDropDown* dropDown = fixture.label->row2DropDown();
        QSignalSpy icon(fixture.label, &Label::row2DropDownItemIconClick);
        QSignalSpy renamed(fixture.label, &Label::row2DropDownItemTextChanged);

        dropDown->setExpanded(true);
        SvgDropDownItem* item = dropDown->panel()->items().constFirst();
        item->onElementClick(item->iconButton());
        item->textLabel()->onStartEditing();
        item->textLabel()->editor()->setText(QStringLiteral("Web radio"));
        item->textLabel()->onEditingFinished();
        QCOMPARE(icon.size(), 1);
        QCOMPARE(icon.at(0).at(1).value<const DropDownItemModel*>(), &radio);
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(renamed.at(0).at(2).toString(), QStringLiteral("Web radio"));
    }

    void themeValues_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("controlId");
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<int>("tail");
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("Corvane navigation") << ":/CorvaneTheme" << "label_navigation" << ThemeProvider::TOOLTIP << 3 << 10;
        QTest::newRow("Corvane favourite") << ":/CorvaneTheme" << "label_favorite" << ThemeProvider::FAVORITE_LABEL << -1 << 12;
        QTest::newRow("Talvera navigation") << ":/TalveraTheme" << "label_navigation" << ThemeProvider::TOOLTIP << 5 << 10;
        QTest::newRow("Talvera favourite") << ":/TalveraTheme" << "label_favorite" << ThemeProvider::FAVORITE_LABEL << -1 << 12;
    }

    void themeValues()
    {
        QFETCH(QString, folder);
        QFETCH(QString, controlId);
        QFETCH(QString, renderer);
        QFETCH(int, tail);
        QFETCH(int, pixelSize);
        useTheme(folder);
        Fixture fixture(controlId, tail, renderer);
        QCOMPARE(fixture.label->effectiveFont().pixelSize(), pixelSize);
        QCOMPARE(fixture.label->textColor(), ThemeProvider::getColor(controlId + "_color", Qt::red));
        const QPalette palette = fixture.label->textEditor()->palette();
        QCOMPARE(palette.color(QPalette::Active, QPalette::Text), ThemeProvider::getColor(controlId + "_edit_color", Qt::red));
        QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
                 ThemeProvider::getColor(controlId + "_edit_selection_background_color", Qt::red));
        if (tail > 0)
            QVERIFY(fixture.label->rows().tail()->scaledBounds().width() > 0);
    }
};

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
