#include "theme/LegacyFontWeight.h"

#include <QTest>

using Corvane::Gadgets::Utilities::LegacyFontWeight;

class tst_LegacyFontWeight : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toQt_data();
    void toQt();
    void isMonotonic();
};

void tst_LegacyFontWeight::toQt_data()
{
    QTest::addColumn<int>("legacy");
    QTest::addColumn<int>("qt");

    QTest::newRow("thin") << 0 << int(QFont::Thin);
    QTest::newRow("light") << 25 << int(QFont::Light);
    QTest::newRow("normal") << 50 << int(QFont::Normal);
    QTest::newRow("demibold") << 63 << int(QFont::DemiBold);
    QTest::newRow("bold") << 75 << int(QFont::Bold);
    QTest::newRow("black") << 87 << int(QFont::Black);
    QTest::newRow("between normal and medium") << 54 << 457;
    QTest::newRow("below range") << -20 << int(QFont::Thin);
    QTest::newRow("above range") << 500 << 1000;
}

void tst_LegacyFontWeight::toQt()
{
    QFETCH(int, legacy);
    QFETCH(int, qt);
    QCOMPARE(int(LegacyFontWeight::toQt(legacy)), qt);
}

void tst_LegacyFontWeight::isMonotonic()
{
    for (int weight = 1; weight <= 99; ++weight)
        QVERIFY2(LegacyFontWeight::toQt(weight) >= LegacyFontWeight::toQt(weight - 1), qPrintable(QString::number(weight)));
}

QTEST_APPLESS_MAIN(tst_LegacyFontWeight)
#include "tst_legacyfontweight.moc"
