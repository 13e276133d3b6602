// Renders every SVG below a source folder into a PNG of the same relative path
// below a target folder, at the SVG's own width and height. Run by the build.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: skin_render <svg folder> <png folder>\n";
        return 2;
    }
    const QDir source(args.at(1));
    const QDir target(args.at(2));
    int failures = 0;
    QDirIterator it(source.absolutePath(), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString svgPath = it.next();
        const QString relative = source.relativeFilePath(svgPath);
        const QString pngPath = target.absoluteFilePath(relative.left(relative.size() - 4) + QStringLiteral(".png"));
        QSvgRenderer renderer(svgPath);
        const QSize size = renderer.defaultSize();
        if (!renderer.isValid() || size.isEmpty()) {
            err << "skin_render: cannot read " << svgPath << "\n";
            ++failures;
            continue;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter);
        }
        QDir().mkpath(QFileInfo(pngPath).absolutePath());
        if (!image.save(pngPath, "PNG")) {
            err << "skin_render: cannot write " << pngPath << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
