// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the program's icon from its one SVG drawing, so
// that the desktop's icons, the about box's icon file and the window icon
// cannot drift apart.
//   make_icon <icon.svg> <mirvex.ico> <theme folder>
//       writes the about box's icon file (32 x 32) and
//       <theme folder>/hicolor/<N>x<N>/apps/vexaria.png for the desktop
//   make_icon --window <icon.svg> <picture.xpm>
//       writes the window icon compiled into the program
//   make_icon --check <icon.svg> <picture.xpm>
//       fails when the window icon is not the drawing at its size

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kIconFileSide = 32;
constexpr int kThemeSides[] = {16, 24, 32, 48, 64, 128, 256};

QImage Draw(QSvgRenderer& svg, int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// XPM knows only opaque and transparent: the drawing's soft edges are
// rounded to whichever is nearer.
QImage TwoLevelAlpha(QImage image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xff000000u) : 0u;
        }
    }
    return image;
}

bool Write(const QImage& image, const QString& path, const char* format) {
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// Qt names the picture's array "dummy"; the file keeps the program's name.
int WriteWindowIcon(const QImage& image, const QString& path) {
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    if (!image.save(&text, "xpm")) {
        std::fprintf(stderr, "cannot draw the window icon\n");
        return 1;
    }
    QByteArray xpm = text.data();
    xpm.replace("static char *dummy[]", "static const char *mirvex[]");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xpm) != xpm.size() || !file.flush()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}

int WriteAll(QSvgRenderer& svg, const QString& iconFile, const QString& folder) {
    // One image per icon file: the about box shows exactly this one.
    if (!Write(Draw(svg, kIconFileSide), iconFile, "ico")) {
        return 1;
    }
    for (const int side : kThemeSides) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(side);
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "cannot make the folder %s\n", qPrintable(dir));
            return 1;
        }
        if (!Write(Draw(svg, side), dir + QStringLiteral("/vexaria.png"), "png")) {
            return 1;
        }
    }
    return 0;
}

int Check(QSvgRenderer& svg, const QString& path) {
    const QImage picture(path);
    if (picture.isNull() || picture.width() != picture.height()) {
        std::fprintf(stderr, "%s is not a square picture\n", qPrintable(path));
        return 1;
    }
    const QImage drawn = TwoLevelAlpha(Draw(svg, picture.width()));
    const QImage held = picture.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < held.height(); ++y) {
        for (int x = 0; x < held.width(); ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = held.pixel(x, y);
            // Transparent pixels are equal whatever colour they carry.
            if (a != b && (qAlpha(a) != 0 || qAlpha(b) != 0)) {
                ++differing;
            }
        }
    }
    if (differing > 0) {
        std::fprintf(stderr, "%s differs from the drawing in %d pixels\n", qPrintable(path),
                     differing);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool window = argc == 4 && std::strcmp(argv[1], "--window") == 0;
    const bool check = argc == 4 && std::strcmp(argv[1], "--check") == 0;
    const bool all = argc == 4 && !window && !check && std::strncmp(argv[1], "--", 2) != 0;
    if (!all && !window && !check) {
        std::fprintf(stderr, "usage: make_icon <icon.svg> <mirvex.ico> <theme folder>\n"
                             "       make_icon --window <icon.svg> <picture.xpm>\n"
                             "       make_icon --check <icon.svg> <picture.xpm>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the image format plugins need it
    const char* source = all ? argv[1] : argv[2];
    const QString target = QString::fromLocal8Bit(argv[3]);
    QSvgRenderer svg(QString::fromLocal8Bit(source));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read the drawing %s\n", source);
        return 1;
    }
    if (check) {
        return Check(svg, target);
    }
    if (window) {
        return WriteWindowIcon(TwoLevelAlpha(Draw(svg, kIconFileSide)), target);
    }
    return WriteAll(svg, QString::fromLocal8Bit(argv[2]), target);
}
