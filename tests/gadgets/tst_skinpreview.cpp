#include "DialogsTheme.h"

#include "dialogs/SkinPreview.h"

#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

// Rows of the image that hold any visible pixel.
QPair<int, int> visibleRows(const QImage& image, int top, int bottom)
{
    int first = -1;
    int last = -1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class tst_SkinPreview : public QObject
{
    Q_OBJECT

private slots:
    void init() { DialogsTheme::activate(); }

    void builtInThemeIsSkinZero()
    {
        SkinPreview preview;
        QCOMPARE(preview.skinCount(), 1);
        QCOMPARE(preview.currentIndex(), 0);
        QVERIFY(preview.skinFolderName().isEmpty());
        QCOMPARE(SkinPreview::SYSTEMS.first(), QStringLiteral("scenario_system.svg"));
        QCOMPARE(preview.sizeHint(), QSize(160, 2 * 160 + 5));
        QCOMPARE(preview.minimumSizeHint(), QSize(160, 160));
    }

    void wideSkinIsScaledAndCentred()
    {
        // The fixture's nine elements span 320 x 160: drawn at half size,
        // 40 px below the top of the 160 x 160 square.
        SkinPreview preview;
        preview.setHasMirrorReflection(false);
        const QImage image = DialogsTheme::grabImage(&preview);
        QCOMPARE(image.size(), QSize(160, 160));
        QCOMPARE(visibleRows(image, 0, 159), qMakePair(40, 119));
        QCOMPARE(image.pixelColor(80, 41), QColor(0x20, 0x40, 0x80));
        // Segment 1's icon (a yellow circle) sits centred in its placeholder
        // (90, 80, 40, 40), which lands on (25, 70, 20, 20).
        QCOMPARE(image.pixelColor(35, 80), QColor(0xff, 0xcc, 0x00));
    }

    void reflectionFadesBelowThePicture()
    {
        SkinPreview preview;
        preview.resize(preview.sizeHint());
        const QImage image = DialogsTheme::grabImage(&preview);
        QCOMPARE(image.size(), QSize(160, 325));
        const int reflectionTop = 165;
        // The reflection's first row mirrors the picture's last visible row.
        const QPair<int, int> rows = visibleRows(image, reflectionTop, image.height() - 1);
        QCOMPARE(rows.first, reflectionTop + 40);
        QVERIFY(rows.second < reflectionTop + int(0.66 * 160));
        const int topAlpha = qAlpha(image.pixel(80, reflectionTop + 40));
        QVERIFY2(topAlpha > 40 && topAlpha < 128, qPrintable(QString::number(topAlpha)));
    }

    void skinWithoutPreviewElementsIsLeftOut()
    {
        SkinPreview preview;
        QSvgRenderer empty(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                                      "<rect id='other' width='10' height='10'/></svg>"));
        preview.addSkin(QStringLiteral("Empty"), QStringLiteral("/skins/empty.zip"), &empty, {});
        QCOMPARE(preview.skinCount(), 1);
    }

    void skinOfLoadedRenderersIsAddedWithoutSelection()
    {
        SkinPreview preview;
        QSvgRenderer exact(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='160' height='160'>"
                                      "<rect id='background' width='160' height='160' fill='red'/></svg>"));
        QSignalSpy changes(&preview, &SkinPreview::skinChanged);
        preview.addSkin(QStringLiteral("Exact"), QStringLiteral("/skins/exact.zip"), &exact, {});
        QCOMPARE(preview.skinCount(), 2);
        QCOMPARE(changes.count(), 0);
        preview.setSkin(QStringLiteral("/skins/exact.zip"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(preview.skinName(), QStringLiteral("Exact"));
        preview.setHasMirrorReflection(false);
        QCOMPARE(DialogsTheme::grabImage(&preview).pixelColor(0, 0), QColor(Qt::red));
    }

    void previewSizeRefusesNegativeSizes()
    {
        SkinPreview preview;
        preview.setPreviewSize(QSize(-1, 50));
        QCOMPARE(preview.previewSize(), SkinPreview::SIZE_PREVIEW_DEFAULT);
        preview.setPreviewSize(QSize(80, 80));
        QCOMPARE(preview.previewSize(), QSize(80, 80));
    }
};

QTEST_MAIN(tst_SkinPreview)
#include "tst_skinpreview.moc"
