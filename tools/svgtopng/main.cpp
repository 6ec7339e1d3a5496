#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

// svgtopng <width>[x<height>] <out folder> <file.svg>...: each SVG becomes
// "<out folder>/<base name>.png", scaled into the size, transparent around.
int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream err(stderr);
    if (arguments.size() < 4) {
        err << "usage: svgtopng <width>[x<height>] <out folder> <file.svg>...\n";
        return 2;
    }
    const QStringList size = arguments.at(1).split(u'x');
    const int width = size.value(0).toInt();
    const int height = size.size() > 1 ? size.at(1).toInt() : width;
    if (width <= 0 || height <= 0) {
        err << "bad size " << arguments.at(1) << '\n';
        return 2;
    }
    int failures = 0;
    for (const QString& path : arguments.mid(3)) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) {
            err << "cannot read " << path << '\n';
            ++failures;
            continue;
        }
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString out = arguments.at(2) + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".png");
        if (!image.save(out)) {
            err << "cannot write " << out << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
