// Build tool: draws the program's own icon into the files a desktop's icon theme wants, one PNG per size
// (hicolor/<n>x<n>/apps/<id>.png) and a scalable SVG (hicolor/scalable/apps/<id>.svg).
// Usage: clavito_icon_export <output folder> <application id>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include "resources/ClavitoIcon.h"

namespace {
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// Whole pixels stay whole at every size: the icon is pixel art.
bool WritePng(const QImage& icon, const QDir& root, const QString& name, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const auto mode = size < icon.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
    return root.mkpath(folder) && icon.scaled(size, size, Qt::IgnoreAspectRatio, mode)
                                      .save(root.filePath(folder + u'/' + name + ".png"));
}

// One rectangle per run of equal opaque pixels in a row.
bool WriteSvg(const QImage& icon, const QDir& root, const QString& name) {
    QFile file(root.filePath(QStringLiteral("scalable/apps/") + name + ".svg"));
    if (!root.mkpath(QStringLiteral("scalable/apps")) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << icon.width() << ' ' << icon.height()
        << "\" width=\"256\" height=\"256\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width();) {
            const QRgb colour = icon.pixel(x, y);
            int end = x + 1;
            while (end < icon.width() && icon.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(colour).name() << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    return out.status() == QTextStream::Ok && file.flush();
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: clavito_icon_export <output folder> <application id>\n", stderr);
        return 2;
    }
    const QImage icon = QImage(ClavitoIconXpm).convertToFormat(QImage::Format_ARGB32);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = !icon.isNull() && root.mkpath(QStringLiteral(".")) && WriteSvg(icon, root, name);
    for (const int size : kSizes)
        written = written && WritePng(icon, root, name, size);
    if (!written)
        std::fprintf(stderr, "clavito_icon_export: cannot write the icons into %s\n", argv[1]);
    return written ? 0 : 1;
}
