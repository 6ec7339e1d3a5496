#include "utilities/FontUtilities.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTest>

using Corvane::Utilities::FontUtilities;

class tst_FontUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillsHeight_data();
    void fillsHeight();
    void nothingFits_data();
    void nothingFits();
};

void tst_FontUtilities::fillsHeight_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("text");

    QTest::newRow("small") << 12.0 << "Living room";
    QTest::newRow("large") << 80.0 << "21.5 \u00B0C";
    QTest::newRow("empty text") << 30.0 << "";
}

void tst_FontUtilities::fillsHeight()
{
    QFETCH(double, height);
    QFETCH(QString, text);

    QFont font;
    const int size = FontUtilities::heightToPixelSize(font, height, text);
    QVERIFY(size > 0);
    auto heightAt = [&](int pixelSize) {
        font.setPixelSize(pixelSize);
        return QFontMetricsF(font).boundingRect(text.isEmpty() ? "Xg" : text).height();
    };
    QVERIFY(heightAt(size) <= height);
    QVERIFY(heightAt(size + 1) > height);
}

void tst_FontUtilities::nothingFits_data()
{
    QTest::addColumn<double>("height");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -4.0;
    QTest::newRow("not a number") << qQNaN();
}

void tst_FontUtilities::nothingFits()
{
    QFETCH(double, height);
    QVERIFY(FontUtilities::heightToPixelSize(QFont(), height, "text") <= 0);
}

QTEST_MAIN(tst_FontUtilities)
#include "tst_fontutilities.moc"
