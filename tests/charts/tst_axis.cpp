#include "charts/Axis.h"

#include <QLocale>
#include <QScopeGuard>
#include <QTest>

using Corvane::Charts::Axis;

class tst_Axis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tickLabelsReadInTheLocale_data();
    void tickLabelsReadInTheLocale();
};

void tst_Axis::tickLabelsReadInTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("label");

    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("C") << QLocale::c() << 0.8 << "0.8";
    QTest::newRow("C, whole") << QLocale::c() << 2.0 << "2";
    QTest::newRow("German: decimal comma") << german << 0.8 << "0,8";
    QTest::newRow("German: thousands point") << german << 1500.0 << "1.500";
    QTest::newRow("German, negative") << german << -0.25 << "-0,25";
}

void tst_Axis::tickLabelsReadInTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, label);
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    QCOMPARE(Axis::tickLabel(value), label);
}

QTEST_GUILESS_MAIN(tst_Axis)
#include "tst_axis.moc"
