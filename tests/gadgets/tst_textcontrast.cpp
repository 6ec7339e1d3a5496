#include "theme/TextContrast.h"

#include <QTest>

using Corvane::Gadgets::TextContrast;

class tst_TextContrast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<qreal>("ratio");
        // Reference values of the accessibility guidelines' formula.
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("equal colours") << QColor("#a666d9") << QColor("#a666d9") << 1.0;
        QTest::newRow("mid grey on white") << QColor("#777777") << QColor(Qt::white) << 4.48;
        QTest::newRow("grey 102 on black") << QColor(102, 102, 102) << QColor(Qt::black) << 3.66;
        QTest::newRow("violet on pale violet") << QColor("#a666d9") << QColor("#fbfafd") << 3.66;
        QTest::newRow("alpha is ignored") << QColor(0, 0, 0, 10) << QColor(Qt::white) << 21.0;
    }

    void contrastRatio()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(qreal, ratio);
        QVERIFY2(qAbs(TextContrast::contrastRatio(first, second) - ratio) < 0.01,
                 qPrintable(QString::number(TextContrast::contrastRatio(first, second))));
    }

    void luminanceRunsFromBlackToWhite()
    {
        QCOMPARE(TextContrast::relativeLuminance(Qt::black), 0.0);
        QVERIFY(qAbs(TextContrast::relativeLuminance(Qt::white) - 1.0) < 1e-9);
        // Green weighs most, blue least.
        QVERIFY(TextContrast::relativeLuminance(Qt::green) > TextContrast::relativeLuminance(Qt::red));
        QVERIFY(TextContrast::relativeLuminance(Qt::red) > TextContrast::relativeLuminance(Qt::blue));
    }

    void meanColorOfStops()
    {
        QCOMPARE(TextContrast::meanColor({}), QColor());
        const QColor mean = TextContrast::meanColor({{0.0, QColor(0, 0, 0)}, {1.0, QColor(200, 100, 50)}});
        QCOMPARE(mean.red(), 100);
        QCOMPARE(mean.green(), 50);
        QCOMPARE(mean.blue(), 25);
    }

    void shadowIsOppositeToTheText_data()
    {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("shadow");
        QTest::newRow("white text") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("pale grey text") << QColor("#d6d6d6") << QColor(Qt::black);
        QTest::newRow("dark text") << QColor("#3b3645") << QColor(Qt::white);
        QTest::newRow("violet text") << QColor("#a666d9") << QColor(Qt::black);
        QTest::newRow("dark violet text") << QColor("#6f35a5") << QColor(Qt::white);
    }

    void shadowIsOppositeToTheText()
    {
        QFETCH(QColor, text);
        QFETCH(QColor, shadow);
        QCOMPARE(TextContrast::shadowColorFor(text), shadow);
        QColor translucent = shadow;
        translucent.setAlpha(84);
        QCOMPARE(TextContrast::shadowColorFor(text, 84), translucent);
    }
};

QTEST_MAIN(tst_TextContrast)
#include "tst_textcontrast.moc"
