#include "CatalogueTranslator.h"
#include "DialogsTheme.h"
#include "LogCapture.h"
#include "ZipBuilder.h"

#include "dialogs/SkinBrowser.h"
#include "dialogs/UserConfigurationAreaDialog.h"
#include "widgets/BoolComboBox.h"
#include "widgets/ComboBox.h"
#include "widgets/PushButton.h"
#include "widgets/Slider.h"
#include "widgets/SliderControl.h"
#include "widgets/TemperatureUnitComboBox.h"
#include "windows/CustomTitleBar.h"

#include "utilities/Localization/LanguageSettings.h"
#include "utilities/PathProvider.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTranslator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Corvane::Gadgets;
using Corvane::Utilities::PathProvider;
using Corvane::Utilities::Localization::LanguageSettings;
using Corvane::Utilities::Localization::LocaleData;

namespace {

const QList<LocaleData> LOCALES = {
    LocaleData(LanguageSettings::DEFAULT_LOCALE, QStringLiteral("English")),
    LocaleData(QStringLiteral("it_IT"), QStringLiteral("Italiano")),
    LocaleData(LanguageSettings::ARABIC_LOCALE, QStringLiteral("Arabic")),
};

// The values an owner fills in, and the other value of each setting.
struct Settings
{
    QString language;
    int dimension;
    int transparency;
    int hideLabels;
    int goHomepage;
    TemperatureUnit unit;
    QString skin;
};

Settings readBack(const UserConfigurationAreaDialog& dialog)
{
    return {dialog.language(),          dialog.dimension(),       dialog.transparency(), dialog.hideLabelsTimeout(),
            dialog.goHomepageTimeout(), dialog.temperatureUnit(), dialog.skin()};
}

// Every text twice as long, as some languages' are.
class LongTexts : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text + u' ' + text;
    }
    bool isEmpty() const override { return false; }
};

bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

class tst_UserConfigurationAreaDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_work;
    QString m_skinA;
    QString m_skinB;

    void fill(UserConfigurationAreaDialog& dialog)
    {
        dialog.loadSkins(m_work.filePath("skins"));
        dialog.setLanguage(QStringLiteral("it_IT"), LOCALES);
        dialog.setDimension(40);
        dialog.setTransparency(70);
        dialog.setHideLabelsTimeout(5);
        dialog.setGoHomepageTimeout(60);
        dialog.setSkin(m_skinA);
        dialog.setTemperatureUnit(Fahrenheit);
        dialog.setLaunchAtStartup(false);
    }

    void editEverything(UserConfigurationAreaDialog& dialog)
    {
        dialog.findChild<ComboBox*>("changeLanguageChoice")->setCurrentIndex(0);
        dialog.findChild<SliderControl*>("sliderDimension")->slider()->setValue(90);
        dialog.findChild<SliderControl*>("sliderTransparency")->slider()->setValue(10);
        dialog.findChild<ComboBox*>("hideLabelsChoice")->setCurrentIndex(0);
        dialog.findChild<ComboBox*>("goHomepageChoice")->setCurrentIndex(1);
        dialog.findChild<TemperatureUnitComboBox*>("temperatureUnitChoice")->setCurrentIndex(0);
        dialog.findChild<SkinBrowser*>()->setSkin(m_skinB);
        dialog.findChild<BoolComboBox*>("launchAtStartupChoice")->setCurrentIndex(0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_work.filePath("config")));
        qputenv("CORVANE_DATA_DIR", QFile::encodeName(m_work.filePath("data")));
        QVERIFY(QDir().mkpath(m_work.filePath("config")));
        QVERIFY(QDir().mkpath(m_work.filePath("data")));
        QVERIFY(QDir().mkpath(m_work.filePath("skins")));
        m_skinA = m_work.filePath("skins/a.zip");
        m_skinB = m_work.filePath("skins/b.zip");
        for (const QString& path : {m_skinA, m_skinB})
            QVERIFY(ZipBuilder().addFolder(DialogsTheme::Folder).write(path));
        DialogsTheme::activate();
    }

    void buildsTheNamedWindow()
    {
        UserConfigurationAreaDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("mainConfigWindow"));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QCOMPARE(dialog.minimumSize(), QSize(750, 540));
        QCOMPARE(dialog.titleBar()->title(), QStringLiteral("User configuration area"));
        QVERIFY(dialog.styleSheet().contains(QStringLiteral("#content")));
        for (const char* name : {"browse", "reload", "ok", "cancel"})
            QVERIFY2(dialog.findChild<PushButton*>(name), name);
        for (const char* name : {"changeLanguageChoice", "hideLabelsChoice", "goHomepageChoice",
                                 "temperatureUnitChoice", "launchAtStartupChoice"}) {
            ComboBox* choice = dialog.findChild<ComboBox*>(name);
            QVERIFY2(choice && choice->ignoreWheel, name);
        }
        QCOMPARE(dialog.findChild<ComboBox*>("hideLabelsChoice")->itemText(0), QStringLiteral("Never"));
        QCOMPARE(dialog.findChild<ComboBox*>("goHomepageChoice")->count(), 8);
        dialog.show();
        QVERIFY(!dialog.titleBar()->minimizeButton()->isVisible());
        QVERIFY(dialog.titleBar()->closeButton()->isVisible());
    }

    void okReturnsTheEditedValues()
    {
        UserConfigurationAreaDialog dialog;
        fill(dialog);
        dialog.show();
        editEverything(dialog);
        QSignalSpy closed(&dialog, &BaseWindow::dialogClosed);
        QSignalSpy dimensions(&dialog, &UserConfigurationAreaDialog::dimensionChanged);
        dialog.findChild<PushButton*>("ok")->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(dimensions.count(), 0);
        QVERIFY(!dialog.cancelled);
        const Settings values = readBack(dialog);
        QCOMPARE(values.language, LanguageSettings::DEFAULT_LOCALE);
        QCOMPARE(values.dimension, 90);
        QCOMPARE(values.transparency, 10);
        QCOMPARE(values.hideLabels, -1);
        QCOMPARE(values.goHomepage, 3);
        QCOMPARE(values.unit, Celsius);
        QCOMPARE(values.skin, m_skinB);
        QVERIFY(dialog.launchAtStartup());
    }

    void otherClosingRestoresEveryValue_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel") << QStringLiteral("cancel");
        QTest::newRow("escape") << QStringLiteral("escape");
        QTest::newRow("close button") << QStringLiteral("close button");
    }

    void otherClosingRestoresEveryValue()
    {
        QFETCH(QString, how);
        UserConfigurationAreaDialog dialog;
        fill(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QSignalSpy transparencies(&dialog, &UserConfigurationAreaDialog::transparencyChanged);
        editEverything(dialog);
        QCOMPARE(transparencies.count(), 1);
        QCOMPARE(transparencies.takeFirst().first().toInt(), 10);

        QSignalSpy languages(&dialog, &UserConfigurationAreaDialog::languageChanged);
        QSignalSpy dimensions(&dialog, &UserConfigurationAreaDialog::dimensionChanged);
        QSignalSpy hideLabels(&dialog, &UserConfigurationAreaDialog::hideLabelsTimeoutChanged);
        QSignalSpy goHomepage(&dialog, &UserConfigurationAreaDialog::goHomepageTimeoutChanged);
        QSignalSpy units(&dialog, &UserConfigurationAreaDialog::temperatureUnitChanged);
        QSignalSpy skins(&dialog, &UserConfigurationAreaDialog::skinChanged);
        QSignalSpy closed(&dialog, &BaseWindow::dialogClosed);
        if (how == QStringLiteral("cancel"))
            dialog.findChild<PushButton*>("cancel")->click();
        else if (how == QStringLiteral("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.titleBar()->closeButton()->click();

        QCOMPARE(closed.count(), 1);
        QVERIFY(dialog.cancelled);
        const Settings values = readBack(dialog);
        QCOMPARE(values.language, QStringLiteral("it_IT"));
        QCOMPARE(values.dimension, 40);
        QCOMPARE(values.transparency, 70);
        QCOMPARE(values.hideLabels, 5);
        QCOMPARE(values.goHomepage, 60);
        QCOMPARE(values.unit, Fahrenheit);
        QCOMPARE(values.skin, m_skinA);
        // Every preview is undone by a signal carrying the owner's value.
        QCOMPARE(languages.last().first().toString(), QStringLiteral("it_IT"));
        QCOMPARE(dimensions.last().first().toInt(), 40);
        QCOMPARE(transparencies.last().first().toInt(), 70);
        QCOMPARE(hideLabels.last().first().toInt(), 5);
        QCOMPARE(goHomepage.last().first().toInt(), 60);
        QCOMPARE(units.last().first().value<TemperatureUnit>(), Fahrenheit);
        QCOMPARE(skins.last().first().toString(), m_skinA);
    }

    void unchangedSettingsEmitNothingOnCancel()
    {
        UserConfigurationAreaDialog dialog;
        fill(dialog);
        dialog.show();
        QSignalSpy dimensions(&dialog, &UserConfigurationAreaDialog::dimensionChanged);
        QSignalSpy skins(&dialog, &UserConfigurationAreaDialog::skinChanged);
        dialog.findChild<PushButton*>("cancel")->click();
        QCOMPARE(dimensions.count(), 0);
        QCOMPARE(skins.count(), 0);
    }

    // Each setter that changes a value reports and logs the change once.
    void settersReportEachChangeOnce()
    {
        UserConfigurationAreaDialog dialog;
        fill(dialog);
        QSignalSpy dimensions(&dialog, &UserConfigurationAreaDialog::dimensionChanged);
        QSignalSpy transparencies(&dialog, &UserConfigurationAreaDialog::transparencyChanged);
        QSignalSpy hideLabels(&dialog, &UserConfigurationAreaDialog::hideLabelsTimeoutChanged);
        QSignalSpy goHomepage(&dialog, &UserConfigurationAreaDialog::goHomepageTimeoutChanged);
        LogCapture log;
        dialog.setDimension(55);
        dialog.setTransparency(30);
        dialog.setHideLabelsTimeout(-1);
        dialog.setGoHomepageTimeout(-1);
        QCOMPARE(dimensions.count(), 1);
        QCOMPARE(dimensions.first().first().toInt(), 55);
        QCOMPARE(transparencies.count(), 1);
        QCOMPARE(hideLabels.count(), 1);
        QCOMPARE(goHomepage.count(), 1);
        QCOMPARE(log.lines().filter(QStringLiteral("Hide labels timeout changed")).size(), 1);
        QCOMPARE(log.lines().filter(QStringLiteral("Go homepage timeout changed")).size(), 1);
        QCOMPARE(log.lines().filter(QStringLiteral("Dimension changed")).size(), 1);
    }

    void valuesWithoutAPlaceAreIgnored()
    {
        UserConfigurationAreaDialog dialog;
        fill(dialog);
        QSignalSpy dimensions(&dialog, &UserConfigurationAreaDialog::dimensionChanged);
        QSignalSpy hideLabels(&dialog, &UserConfigurationAreaDialog::hideLabelsTimeoutChanged);
        LogCapture log;
        dialog.setDimension(150);
        dialog.setDimension(40);
        dialog.setHideLabelsTimeout(7);
        QCOMPARE(dimensions.count(), 0);
        QCOMPARE(hideLabels.count(), 0);
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(dialog.dimension(), 40);
        QCOMPARE(dialog.hideLabelsTimeout(), 5);

        dialog.setHideLabelsTimeout(-1);
        QCOMPARE(dialog.findChild<ComboBox*>("hideLabelsChoice")->currentText(), QStringLiteral("Never"));
        QVERIFY(log.contains(QStringLiteral("User Configuration, Hide labels timeout changed to: \"-1\"")));
    }

    void unknownSkinRestoresTheShownSkin()
    {
        UserConfigurationAreaDialog dialog;
        fill(dialog);
        // The browser keeps showing skin A, so a cancel returns to skin A.
        dialog.setSkin(m_work.filePath("skins/missing.zip"));
        QCOMPARE(dialog.skin(), m_skinA);
        dialog.findChild<SkinBrowser*>()->setSkin(m_skinB);
        dialog.close();
        QCOMPARE(dialog.skin(), m_skinA);
    }

    void projectPathDisplay()
    {
        UserConfigurationAreaDialog dialog;
        QLineEdit* field = dialog.findChild<QLineEdit*>("projectFilePath");
        QVERIFY(field->isReadOnly());
        QVERIFY(!dialog.setProjectFilePath(QString()));
        QVERIFY(field->text().isEmpty());

        QVERIFY(touch(PathProvider::configPrjFullName()));
        QVERIFY(dialog.setProjectFilePath(QString()));
        QCOMPARE(field->text(), QStringLiteral("Default"));

        QVERIFY(touch(PathProvider::demoProjectFullName()));
        QVERIFY(dialog.setProjectFilePath(PathProvider::demoProjectFullName()));
        QCOMPARE(field->text(), QStringLiteral("Demo"));

        QVERIFY(!dialog.setProjectFilePath(m_work.filePath("absent.vtprj")));
        QCOMPARE(field->text(), QStringLiteral("Demo"));

        const QString longPath = m_work.filePath(QString(120, u'x') + ".vtprj");
        QVERIFY(touch(longPath));
        field->resize(100, field->height());
        QVERIFY(dialog.setProjectFilePath(longPath));
        QCOMPARE(field->text(), longPath);
        QCOMPARE(field->toolTip(), longPath);
        QVERIFY(dialog.setProjectFilePath(PathProvider::demoProjectFullName()));
        QVERIFY(field->toolTip().isEmpty());
    }

    void demoModeActsOncePerChange()
    {
        QVERIFY(touch(PathProvider::demoProjectFullName()));
        UserConfigurationAreaDialog dialog;
        PushButton* browse = dialog.findChild<PushButton*>("browse");
        PushButton* reload = dialog.findChild<PushButton*>("reload");
        dialog.setIsInDemoMode(true);
        QVERIFY(!browse->isEnabled() && !reload->isEnabled());
        QCOMPARE(dialog.projectFilePath(), PathProvider::demoProjectFullName());
        dialog.findChild<QLineEdit*>("projectFilePath")->setText(QStringLiteral("edited"));
        dialog.setIsInDemoMode(true);
        QCOMPARE(dialog.findChild<QLineEdit*>("projectFilePath")->text(), QStringLiteral("edited"));
        dialog.setIsInDemoMode(false);
        QVERIFY(browse->isEnabled() && reload->isEnabled());
        QCOMPARE(dialog.findChild<QLineEdit*>("projectFilePath")->text(), QStringLiteral("edited"));
    }

    void fullScreenModeDisablesTheSliders()
    {
        UserConfigurationAreaDialog dialog;
        dialog.setFullScreenMode(true);
        QVERIFY(!dialog.findChild<SliderControl*>("sliderDimension")->isEnabled());
        QVERIFY(!dialog.findChild<SliderControl*>("sliderTransparency")->isEnabled());
        dialog.setFullScreenMode(false);
        QVERIFY(dialog.findChild<SliderControl*>("sliderDimension")->isEnabled());
    }

    void transparencyShowsWhetherItCanApply_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("sliderEnabled");
        QTest::newRow("translucent desktop") << true << false << true;
        QTest::newRow("translucent desktop, full screen") << true << true << false;
        QTest::newRow("no translucent windows") << false << false << false;
        QTest::newRow("no translucent windows, full screen") << false << true << false;
    }

    // Where the desktop shows no translucent windows, the transparency
    // slider and its caption are disabled, with the reason as their tooltip,
    // and leaving full-screen mode does not bring the slider back.
    void transparencyShowsWhetherItCanApply()
    {
        QFETCH(bool, available);
        QFETCH(bool, fullScreen);
        QFETCH(bool, sliderEnabled);
        UserConfigurationAreaDialog dialog;
        dialog.setFullScreenMode(!fullScreen);
        dialog.setTransparencyAvailable(available);
        dialog.setFullScreenMode(fullScreen);
        auto* slider = dialog.findChild<SliderControl*>("sliderTransparency");
        auto* caption = dialog.findChild<QLabel*>("widgetTransparency");
        QVERIFY(slider && caption);
        QCOMPARE(slider->isEnabled(), sliderEnabled);
        QCOMPARE(caption->isEnabled(), available);
        QCOMPARE(caption->toolTip().isEmpty(), available);
        QCOMPARE(slider->toolTip(), caption->toolTip());
        QCOMPARE(dialog.findChild<SliderControl*>("sliderDimension")->isEnabled(), !fullScreen);
    }

    void unavailableSettingsLookDisabled_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::newRow("Default") << QStringLiteral(":/CorvaneTheme");
        QTest::newRow("Essential") << QStringLiteral(":/TalveraTheme");
    }

    // A disabled slider or caption of the built-in themes does not look like
    // one the user can change.
    void unavailableSettingsLookDisabled()
    {
        QFETCH(QString, theme);
        SceneTestHelpers::useTheme(theme);
        UserConfigurationAreaDialog dialog;
        dialog.resize(dialog.minimumSize());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* slider = dialog.findChild<SliderControl*>("sliderTransparency");
        auto* caption = dialog.findChild<QLabel*>("widgetTransparency");
        const QImage sliderBefore = DialogsTheme::grabImage(slider);
        const QImage captionBefore = DialogsTheme::grabImage(caption);
        dialog.setTransparencyAvailable(false);
        QVERIFY(DialogsTheme::grabImage(slider) != sliderBefore);
        QVERIFY(DialogsTheme::grabImage(caption) != captionBefore);
        DialogsTheme::activate();
    }

    void arabicMirrorsTheLayout()
    {
        UserConfigurationAreaDialog dialog;
        dialog.setLanguage(LanguageSettings::ARABIC_LOCALE, LOCALES);
        QCOMPARE(dialog.layoutDirection(), Qt::RightToLeft);
        QCOMPARE(dialog.findChild<SkinBrowser*>()->layoutDirection(), Qt::LeftToRight);
        dialog.setLanguage(QStringLiteral("it_IT"), LOCALES);
        QCOMPARE(dialog.layoutDirection(), Qt::LeftToRight);
        QCOMPARE(dialog.language(), QStringLiteral("it_IT"));
    }

    void combosTakeTheWidestWidth()
    {
        UserConfigurationAreaDialog dialog;
        dialog.setLanguage(LanguageSettings::DEFAULT_LOCALE, LOCALES);
        dialog.adjustComboboxesToTheWidestOne();
        int widest = 0;
        const QList<ComboBox*> choices = dialog.findChildren<ComboBox*>();
        for (ComboBox* choice : choices)
            widest = qMax(widest, choice->maxItemTextWidth());
        for (ComboBox* choice : choices)
            QCOMPARE(choice->minimumWidth(), widest + 13);
    }

    void longTextsAreNotCutOff_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("left to right") << LanguageSettings::DEFAULT_LOCALE;
        QTest::newRow("right to left") << LanguageSettings::ARABIC_LOCALE;
    }

    // The preferences scroll only up and down: longer texts widen their
    // column and the dialog instead of being cut off at its edge.
    void longTextsAreNotCutOff()
    {
        QFETCH(QString, language);
        LongTexts longTexts;
        QCoreApplication::installTranslator(&longTexts);
        const auto removeTranslator = qScopeGuard([&longTexts] { QCoreApplication::removeTranslator(&longTexts); });
        UserConfigurationAreaDialog dialog;
        dialog.setLanguage(language, LOCALES);
        dialog.resize(dialog.minimumSize());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.adjustComboboxesToTheWidestOne();
        QCoreApplication::sendPostedEvents();
        const QWidget* viewport = dialog.findChild<QScrollArea*>("preferencesScrollArea")->viewport();
        const QWidget* container = dialog.findChild<QWidget*>("preferencesContainer");
        for (const QWidget* widget : container->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            const int left = widget->mapTo(viewport, QPoint(0, 0)).x();
            QVERIFY2(left >= 0 && left + widget->width() <= viewport->width(),
                     qPrintable(widget->objectName() + u' ' + widget->metaObject()->className()));
        }
    }

    // Every caption, button and fixed choice shows its text through the
    // Gadgets catalogue, so that a translation of it is shown.
    void everyTextComesFromTheCatalogue()
    {
        CatalogueTranslator catalogue;
        QVERIFY(catalogue.addCatalogue(QStringLiteral("Gadgets_de_DE.ts")));
        QCoreApplication::installTranslator(&catalogue);
        UserConfigurationAreaDialog dialog;
        dialog.setProjectFilePath(QString());
        QCoreApplication::removeTranslator(&catalogue);

        QStringList english{dialog.windowTitle()};
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->objectName() != u"skinName" && label->objectName() != u"skinNumber")
                english.append(label->text());
        }
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            english.append(button->text());
        for (const ComboBox* choice : dialog.findChildren<ComboBox*>()) {
            for (int i = 0; i < choice->count(); ++i)
                english.append(choice->itemText(i));
        }
        static const QRegularExpression letter(QStringLiteral("\\p{L}"));
        english.removeIf([](const QString& text) {
            return !text.contains(letter) || CatalogueTranslator::isMarked(text);
        });
        QVERIFY2(english.isEmpty(), qPrintable(english.join(u'\n')));
    }
};

QTEST_MAIN(tst_UserConfigurationAreaDialog)
#include "tst_userconfigurationareadialog.moc"
