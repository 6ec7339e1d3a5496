#include "DialogsTheme.h"

#include "widgets/PushButton.h"

#include <QTest>

using namespace Corvane::Gadgets;

namespace {

const QString RENDERER = QStringLiteral("button_userconfiguration");
const QRgb RED = qRgb(255, 0, 0);
const QRgb GREEN = qRgb(0, 255, 0);
const QRgb BLUE = qRgb(0, 0, 255);

// The horizontal extent of the pixels of one colour in a row band.
QPair<int, int> columnsOf(const QImage& image, QRgb colour, int top, int bottom)
{
    int first = image.width();
    int last = -1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

class tst_PushButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DialogsTheme::activate(); }

    void sizeFollowsSlicesAndText()
    {
        PushButton button(QStringLiteral("Reload default"), RENDERER);
        const int textWidth = button.fontMetrics().boundingRect(button.text()).width();
        QCOMPARE(button.minimumSize(), QSize(textWidth + 2 * 10 + 4, 30 + 4));
        QCOMPARE(button.maximumSize(), button.minimumSize());
    }

    void plateSitsAtTheContentOffset_data()
    {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<int>("offset");
        QTest::newRow("released") << false << 2;
        QTest::newRow("pressed") << true << 4;
    }

    void plateSitsAtTheContentOffset()
    {
        QFETCH(bool, pressed);
        QFETCH(int, offset);
        PushButton button(QStringLiteral("OK"), RENDERER);
        button.setPalette(QPalette(Qt::black));
        if (pressed)
            QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(20, 20));
        const QImage image = DialogsTheme::grabImage(&button);
        const int plateWidth = button.width() - 4;

        QCOMPARE(qAlpha(image.pixel(offset - 1, offset - 1)), 0);
        QCOMPARE(image.pixel(offset, offset), RED);
        QCOMPARE(image.pixel(offset + 9, offset + 29), RED);
        QCOMPARE(image.pixel(offset + 10, offset), GREEN);
        QCOMPARE(image.pixel(offset + plateWidth - 1, offset), BLUE);
        QCOMPARE(columnsOf(image, BLUE, offset, offset).first, offset + plateWidth - 10);
        if (pressed)
            QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(20, 20));
    }

    void textIsCentredInTheButtonTextColour()
    {
        PushButton button(QStringLiteral("Cancel"), RENDERER);
        QPalette palette = button.palette();
        palette.setColor(QPalette::ButtonText, Qt::white);
        button.setPalette(palette);
        const QImage image = DialogsTheme::grabImage(&button);
        // White text over the red, green and blue plate: the only pixels with much red and blue.
        int first = image.width();
        int last = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qRed(pixel) > 128 && qBlue(pixel) > 128) {
                    first = qMin(first, x);
                    last = qMax(last, x);
                }
            }
        }
        QVERIFY(last > first);
        const int plateCentre = 2 + (button.width() - 4) / 2;
        QVERIFY2(qAbs((first + last) / 2 - plateCentre) <= 2,
                 qPrintable(QStringLiteral("text from %1 to %2").arg(first).arg(last)));
    }

    void unchangedTextKeepsTheSize()
    {
        PushButton button(QStringLiteral("Browse..."), RENDERER);
        button.setFixedSize(10, 10);
        button.setText(QStringLiteral("Browse..."));
        QCOMPARE(button.size(), QSize(10, 10));
        button.setText(QStringLiteral("Browse"));
        QCOMPARE(button.height(), 34);
    }

    void emptyTextGivesNoPlate()
    {
        PushButton button(QString(), RENDERER);
        button.resize(40, 40);
        const QImage image = DialogsTheme::grabImage(&button);
        QCOMPARE(columnsOf(image, RED, 0, image.height() - 1).second, -1);
    }
};

QTEST_MAIN(tst_PushButton)
#include "tst_pushbutton.moc"
