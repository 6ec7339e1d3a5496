#include "models/DropDownItemModel.h"
#include "models/NavigationIcon.h"
#include "theme/ThemeProvider.h"

#include "LogCapture.h"
#include "SceneTestHelpers.h"

#include <QTest>

using Corvane::Gadgets::ThemeProvider;
using Corvane::Gadgets::Models::DropDownItemModel;
using Corvane::Gadgets::Models::DropDownModel;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::Gadgets::Utilities::IconRenderer;

class tst_NavigationIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void idsFromTheSharedCounter();
    void isEmpty_data();
    void isEmpty();
    void themeFileConstructorTakesTheSharedRenderer();
    void valueDataLifecycle();
    void copiesOwnTheirValueData();
    void precision_data();
    void precision();
    void elementIdForState_data();
    void elementIdForState();
    void dropDownModelParts();
};

void tst_NavigationIcon::initTestCase()
{
    SceneTestHelpers::useTheme(QStringLiteral(":/TalveraTheme"));
}

void tst_NavigationIcon::cleanupTestCase()
{
    ThemeProvider::clear();
}

void tst_NavigationIcon::idsFromTheSharedCounter()
{
    const NavigationIcon first(ThemeProvider::LIGHTS, "Hall");
    const NavigationIcon second(IconRenderer(), "Kitchen");
    QVERIFY(first.id() > 0);
    QCOMPARE(second.id(), first.id() + 1);

    const NavigationIcon kept(ThemeProvider::LIGHTS, NavigationIcon::Active, "Porch", 7);
    QCOMPARE(kept.id(), 7);
    const NavigationIcon next(ThemeProvider::LIGHTS, "Garden");
    QCOMPARE(next.id(), second.id() + 1);
}

void tst_NavigationIcon::isEmpty_data()
{
    QTest::addColumn<NavigationIcon>("icon");
    QTest::addColumn<bool>("empty");

    NavigationIcon withEmptyTooltip;
    withEmptyTooltip.setTooltip(QStringLiteral(""));
    NavigationIcon withRenderer;
    withRenderer.setRenderer(IconRenderer(ThemeProvider::getRendererFor(ThemeProvider::LIGHTS), {}));

    QTest::newRow("default") << NavigationIcon() << true;
    QTest::newRow("empty, non-null tooltip") << withEmptyTooltip << false;
    QTest::newRow("renderer only") << withRenderer << false;
    QTest::newRow("id only") << NavigationIcon(IconRenderer(), QString(), 12) << false;
}

void tst_NavigationIcon::isEmpty()
{
    QFETCH(NavigationIcon, icon);
    QFETCH(bool, empty);
    QCOMPARE(icon.isEmpty(), empty);
}

void tst_NavigationIcon::themeFileConstructorTakesTheSharedRenderer()
{
    const NavigationIcon icon(ThemeProvider::SHUTTER, NavigationIcon::Inactive, "Blind");
    QCOMPARE(icon.renderer().main(), ThemeProvider::getRendererFor(ThemeProvider::SHUTTER));
    QVERIFY(icon.renderer().overlays().isEmpty());
    QCOMPARE(icon.state(), NavigationIcon::Inactive);
    QCOMPARE(icon.tooltip(), QString("Blind"));
    QVERIFY(icon.text().isNull());
    QVERIFY(!icon.willExpand());
    QVERIFY(!icon.supportsExtendedInfo());
    QCOMPARE(NavigationIcon(ThemeProvider::SHUTTER, "Blind").state(), NavigationIcon::Normal);
}

void tst_NavigationIcon::valueDataLifecycle()
{
    NavigationIcon icon(ThemeProvider::LIGHTS, "Dimmer");
    icon.setValue(50);
    icon.setValuePrecision(2);
    icon.setValueFormat("%1 K");
    QVERIFY(!icon.hasValueData());
    QCOMPARE(icon.value(), 0.0);
    QCOMPARE(icon.minValue(), 0.0);
    QCOMPARE(icon.maxValue(), 0.0);
    QCOMPARE(icon.valueStep(), 0.0);
    QVERIFY(icon.invalidValueSteps().isEmpty());
    QVERIFY(icon.valueFormat().isNull());
    QCOMPARE(icon.valuePrecision(), -1);

    icon.setSupportsValue(true);
    QVERIFY(icon.supportsValue());
    QCOMPARE(icon.value(), 0.0);
    QCOMPARE(icon.minValue(), 0.0);
    QCOMPARE(icon.maxValue(), 100.0);
    QCOMPARE(icon.valueStep(), 1.0);
    QCOMPARE(icon.valueFormat(), QString("%1%"));
    QCOMPARE(icon.valuePrecision(), -1);

    icon.setValue(40);
    icon.setInvalidValueSteps({3, 4});
    icon.setSupportsValue(false);
    QVERIFY(!icon.supportsValue());
    QCOMPARE(icon.value(), 40.0);
    icon.setSupportsValue(true);
    QCOMPARE(icon.value(), 40.0);
    QCOMPARE(icon.invalidValueSteps(), QSet<int>({3, 4}));

    icon.clearValueData();
    QVERIFY(!icon.hasValueData());
    QCOMPARE(icon.value(), 0.0);
}

void tst_NavigationIcon::copiesOwnTheirValueData()
{
    NavigationIcon original(ThemeProvider::LIGHTS, "Dimmer");
    original.setSupportsValue(true);
    original.setValue(30);

    NavigationIcon copy(original);
    copy.setValue(70);
    QCOMPARE(original.value(), 30.0);
    QCOMPARE(copy.value(), 70.0);
    QCOMPARE(copy.id(), original.id());

    NavigationIcon assigned(ThemeProvider::SHUTTER, "Blind");
    assigned.setSupportsValue(true);
    assigned.setValue(5);
    assigned = original;
    assigned.setValue(90);
    QCOMPARE(original.value(), 30.0);
    QCOMPARE(assigned.value(), 90.0);

    NavigationIcon& self = assigned;
    assigned = self;
    QCOMPARE(assigned.value(), 90.0);

    assigned = NavigationIcon();
    QVERIFY(!assigned.hasValueData());
    QCOMPARE(original.value(), 30.0);
}

void tst_NavigationIcon::precision_data()
{
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("refusalLogged");

    QTest::newRow("within range") << QList<int>{2} << 2 << false;
    QTest::newRow("back to unspecified") << QList<int>{3, -1} << -1 << false;
    QTest::newRow("largest") << QList<int>{6} << 6 << false;
    QTest::newRow("too large is refused") << QList<int>{2, 8} << 2 << true;
    QTest::newRow("too small is refused") << QList<int>{-2} << -1 << true;
    QTest::newRow("a refusal does not lock it") << QList<int>{8, 4, 1} << 1 << true;
}

void tst_NavigationIcon::precision()
{
    QFETCH(QList<int>, requests);
    QFETCH(int, expected);
    QFETCH(bool, refusalLogged);

    LogCapture log;
    NavigationIcon icon(ThemeProvider::LIGHTS, "Dimmer");
    icon.setSupportsValue(true);
    for (int precision : requests)
        icon.setValuePrecision(precision);
    QCOMPARE(icon.valuePrecision(), expected);
    QCOMPARE(log.contains("Precision out of range"), refusalLogged);
}

void tst_NavigationIcon::elementIdForState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("elementId");

    QTest::newRow("normal") << 0 << "default";
    QTest::newRow("uninitialized") << 1 << "uninitialized";
    QTest::newRow("inactive") << 2 << "inactive";
    QTest::newRow("active") << 3 << "active";
    QTest::newRow("disabled") << 4 << "disabled";
    QTest::newRow("unknown") << 9 << "default";
    QTest::newRow("negative") << -1 << "default";
}

void tst_NavigationIcon::elementIdForState()
{
    QFETCH(int, state);
    QFETCH(QString, elementId);
    QCOMPARE(NavigationIcon::getElementIdForState(NavigationIcon::State(state)), elementId);
}

void tst_NavigationIcon::dropDownModelParts()
{
    DropDownItemModel radio(1, "Radio");
    DropDownItemModel cd(2, "CD");
    NavigationIcon icon(ThemeProvider::SOUND, "Amplifier");
    icon.setSupportsExtendedInfo(true);
    icon.setDropDownModel(DropDownModel({&radio}, "Source"));
    icon.setDropDownItemsModels({&radio, &cd});
    QCOMPARE(icon.dropDownModel(), DropDownModel({&radio, &cd}, "Source"));
    icon.setDropDownText("Input");
    QCOMPARE(icon.dropDownModel(), DropDownModel({&radio, &cd}, "Input"));

    const NavigationIcon copy = icon;
    QCOMPARE(copy.dropDownModel().itemsModels().first(), &radio);
}

QTEST_MAIN(tst_NavigationIcon)
#include "tst_navigationicon.moc"
