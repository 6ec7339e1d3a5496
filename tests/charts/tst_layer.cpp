#include "charts/Layer.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

#include <limits>

using Corvane::Charts::Layer;

class tst_Layer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueLabelsReadInTheLocale_data();
    void valueLabelsReadInTheLocale();
};

void tst_Layer::valueLabelsReadInTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("label");

    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    QTest::newRow("C: two decimals at most") << QLocale::c() << 2.345 << "2.35";
    QTest::newRow("C: trailing zeros go") << QLocale::c() << 2.5 << "2.5";
    QTest::newRow("C: whole") << QLocale::c() << 3.0 << "3";
    QTest::newRow("C: no minus zero") << QLocale::c() << -0.001 << "0";
    QTest::newRow("C: infinity") << QLocale::c() << std::numeric_limits<double>::infinity() << "inf";
    QTest::newRow("German: decimal comma") << german << 2.5 << "2,5";
    QTest::newRow("German: whole thousands") << german << 1500.0 << "1.500";
    QTest::newRow("Arabic: its own zeros trimmed") << arabic << 2.5 << arabic.toString(2.5, 'f', 1);
    QTest::newRow("Arabic: whole") << arabic << 3.0 << arabic.toString(3);
    QTest::newRow("Arabic: no minus zero") << arabic << -0.001 << arabic.toString(0);
}

void tst_Layer::valueLabelsReadInTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, label);
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    QCOMPARE(Layer::valueLabel(value), label);
}

QTEST_GUILESS_MAIN(tst_Layer)
#include "tst_layer.moc"
