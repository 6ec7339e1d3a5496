// The skinned floor of the start-up benchmark: a translucent frameless Qt
// window that draws what any skinned gadget must, the navigation background
// of the built-in theme and one line of text, and reports its first painted
// frame on standard error as Sentrel does.
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

#include <cstdio>

using namespace Corvane;

namespace {

class FloorWindow : public QWidget
{
public:
    explicit FloorWindow(QSvgRenderer* background)
        : m_background(background)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_background->render(&painter, QStringLiteral("background"), rect());
        painter.setFont(QFont(Gadgets::ThemeProvider::getFontName(), 12));
        painter.setPen(QColor(0x40, 0x30, 0x58));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Lighting"));
        if (!m_painted) {
            m_painted = true;
            std::fprintf(stderr, "first frame painted\n");
            std::fflush(stderr);
        }
    }

private:
    QSvgRenderer* m_background;
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    Gadgets::ThemeProvider::initResources();
    Gadgets::ThemeProvider::DefaultThemeFolder = QStringLiteral(":/TalveraTheme");
    QApplication application(argc, argv);
    Gadgets::ThemeProvider::setThemeFile(QString());
    QSvgRenderer* background = Gadgets::ThemeProvider::getRendererFor(Gadgets::ThemeProvider::NAVIGATION)->renderer();
    if (!background->elementExists(QStringLiteral("background"))) {
        std::fprintf(stderr, "the theme has no navigation background\n");
        return 1;
    }
    FloorWindow window(background);
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.resize(320, 320);
    window.show();
    return application.exec();
}
