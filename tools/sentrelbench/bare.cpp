// The floor of the start-up benchmark: a bare translucent frameless Qt
// window that reports its first painted frame on standard error.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <cstdio>

namespace {

class BareWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::transparent);
        if (!m_painted) {
            m_painted = true;
            std::fprintf(stderr, "first frame painted\n");
            std::fflush(stderr);
        }
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    BareWindow window;
    window.setAttribute(Qt::WA_TranslucentBackground);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.resize(320, 320);
    window.show();
    return application.exec();
}
