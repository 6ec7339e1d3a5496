// Writes the user settings and the autostart entry over and over until it
// is killed; the settings tests kill it at random moments.
#include "Application.h"
#include "Settings.h"

#include "devices/GuiProperties.h"

#include <QUuid>

#include <cstdio>

int main(int argc, char** argv)
{
    Corvane::Sentrel::Application application(argc, argv,
                                              QStringLiteral("CorvaneTest.") + QUuid::createUuid().toString());
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    // No project: nothing to load, no message to show.
    Corvane::Sentrel::Settings::setNoConfigurationModeOn();
    Corvane::Devices::GuiProperties& gui = Corvane::Sentrel::Settings::guiProperties();
    for (int i = 0;; ++i) {
        gui.setDimension(i % 101);
        gui.setSkin(QString(1000 + i % 500, QChar(u'a' + i % 26)));
        if (!Corvane::Sentrel::Settings::saveUserConfiguration())
            return 1;
        Corvane::Sentrel::Application::setRunAtStartup(i % 2 == 0);
        if (i == 0) {
            std::puts("writing");
            std::fflush(stdout);
        }
    }
}
