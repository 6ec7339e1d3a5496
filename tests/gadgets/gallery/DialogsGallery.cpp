// Renders the user settings dialog, the skin browser and the splash screen
// into PNG pictures for a visual check; run by hand:
//   dialogs_gallery <output folder> [--show <seconds>]
// With --show the filled dialog also stays on screen for that long, for a
// screenshot of a real window.

#include "ZipBuilder.h"

#include "dialogs/SkinBrowser.h"
#include "dialogs/UserConfigurationAreaDialog.h"
#include "theme/ThemeEngineHandler.h"
#include "theme/ThemeProvider.h"
#include "windows/SplashScreen.h"

#include "utilities/Localization/LanguageSettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

using namespace Corvane::Gadgets;
using Corvane::Utilities::Localization::LanguageSettings;
using Corvane::Utilities::Localization::LocaleData;

namespace {

// A copy of a built-in theme folder, with the small carousel picture of the
// gallery's fixture where the theme has none yet.
QString themeCopy(const QString& theme, const QString& work)
{
    const QString folder = work + u'/' + QFileInfo(theme).fileName();
    QDir().mkpath(folder);
    for (const QString& name : QDir(theme).entryList(QDir::Files))
        QFile::copy(theme + u'/' + name, folder + u'/' + name);
    if (!QFile::exists(folder + "/navigation.svg"))
        QFile::copy(":/DialogsTheme/navigation.svg", folder + "/navigation.svg");
    return folder;
}

void save(QWidget* widget, const QString& path)
{
    widget->grab().save(path);
}

UserConfigurationAreaDialog* filledDialog(const QString& locale, const QString& skins)
{
    auto* dialog = new UserConfigurationAreaDialog;
    dialog->loadSkins(skins);
    dialog->setLanguage(locale, {LocaleData(LanguageSettings::DEFAULT_LOCALE, "English"),
                                 LocaleData("it_IT", "Italiano"),
                                 LocaleData(LanguageSettings::ARABIC_LOCALE, QString::fromUtf8("العربية"))});
    dialog->setDimension(40);
    dialog->setTransparency(70);
    dialog->setHideLabelsTimeout(5);
    dialog->setGoHomepageTimeout(60);
    dialog->setTemperatureUnit(Celsius);
    dialog->setLaunchAtStartup(true);
    dialog->resize(750, 540);
    dialog->adjustComboboxesToTheWidestOne();
    return dialog;
}

// Keeps a window on screen for a screenshot of the real window.
void showFor(QWidget* window, int seconds)
{
    if (seconds <= 0)
        return;
    window->move(20, 20);
    window->show();
    QTimer::singleShot(seconds * 1000, qApp, &QApplication::quit);
    qApp->exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Configurator");
    QCoreApplication::setApplicationVersion("2.0.93");
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const int showSeconds = argc > 3 && QByteArray(argv[2]) == "--show" ? QByteArray(argv[3]).toInt() : 0;
    QDir().mkpath(out);
    QTemporaryDir work;

    ThemeProvider::initResources();
    ThemeEngineHandler themeFiles;
    // Each built-in theme offers the other one as a skin zip.
    const QString skinsOf[] = {work.path() + "/skins-corvane", work.path() + "/skins-talvera"};
    QDir().mkpath(skinsOf[0]);
    QDir().mkpath(skinsOf[1]);
    ZipBuilder().addFolder(themeCopy(":/TalveraTheme", work.path())).write(skinsOf[0] + "/Essential.zip");
    ZipBuilder().addFolder(themeCopy(":/CorvaneTheme", work.path())).write(skinsOf[1] + "/Default.zip");
    // A skin the browser does not offer, to show how it says so.
    const QByteArray outside = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink'>"
                               "<image width='10' height='10' xlink:href='/etc/hostname'/></svg>";
    for (const QString& skins : skinsOf)
        ZipBuilder().addFolder(themeCopy(":/CorvaneTheme", work.path()), {"navigation.svg"})
            .add("navigation.svg", outside)
            .write(skins + "/Outside.zip");
    for (const QString theme : {":/CorvaneTheme", ":/TalveraTheme"}) {
        const QString name = QFileInfo(theme).fileName();
        const QString skins = skinsOf[theme == QString(":/CorvaneTheme") ? 0 : 1];
        ThemeProvider::clear();
        ThemeProvider::DefaultThemeFolder = themeCopy(theme, work.path());
        ThemeProvider::setThemeFile(QString());
        for (const QString& locale : {LanguageSettings::DEFAULT_LOCALE, LanguageSettings::ARABIC_LOCALE}) {
            UserConfigurationAreaDialog* dialog = filledDialog(locale, skins);
            dialog->show();
            app.processEvents();
            save(dialog, out + "/dialog-" + name + (locale == LanguageSettings::ARABIC_LOCALE ? "-ar" : "") + ".png");
            if (locale == LanguageSettings::DEFAULT_LOCALE)
                showFor(dialog, showSeconds);
            dialog->close();
            delete dialog;
        }
        SkinBrowser browser;
        browser.setStyleSheet("background: black; color: white;");
        browser.addSkins(skins);
        browser.nextSkin();
        browser.resize(browser.sizeHint());
        save(&browser, out + "/skinbrowser-" + name + ".png");
    }

    SplashScreen splash;
    QPixmap picture(500, 320);
    picture.fill(QColor(30, 30, 36));
    splash.setPixmap(picture);
    save(&splash, out + "/splash.png");
    showFor(&splash, showSeconds);
    return 0;
}
