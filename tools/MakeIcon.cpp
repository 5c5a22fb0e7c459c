// Turns the program's picture into the files the desktop wants: an icon
// file for the about box and a PNG for the desktop menu.
//   make_icon <picture> <output.ico> <output.png>

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_icon <picture> <output.ico> <output.png>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the image format plugins need it
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read the picture %s\n", argv[1]);
        return 1;
    }
    // One image per icon file: a second write would corrupt it.
    for (const auto& [path, format] : {std::pair{argv[2], "ico"}, std::pair{argv[3], "png"}}) {
        QImageWriter writer(QString::fromLocal8Bit(path), format);
        if (!writer.write(picture)) {
            std::fprintf(stderr, "cannot write %s: %s\n", path, qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
