// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program's windows for its README and software-centre
// page, made from the program itself so that they show what it is today.
//   screenshot <main|presentation> <file.png> <plane|convex|concave> <distance>
//              [--classroom] [--lang CODE] [--size WxH] [--width W]
// The window shows the mirror with the object at that distance in front of
// it; --classroom checks Diagrama > Vista de clase; --size gives the
// presentation's size (1920x1080 unless given); --width scales the picture
// down to that width. Run it on the offscreen platform with a settings
// folder of its own (XDG_CONFIG_HOME), so that no choice of the user shows.

#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "core/Random.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/Principal.h"
#include "forms/ProgramWindows.h"
#include "optics/Optics.h"
#include "plot/Plot.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

int Fail(const char* message, const char* what = "") {
    std::fprintf(stderr, "screenshot: %s%s\n", message, what);
    return 2;
}

std::optional<QSize> SizeOf(const char* text) {
    int w = 0, h = 0;
    char end = 0;
    if (std::sscanf(text, "%dx%d%c", &w, &h, &end) != 2 || w < 1 || h < 1 || w > 8000 || h > 8000) {
        return std::nullopt;
    }
    return QSize(w, h);
}

// Lets queued paints and layouts happen.
void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        return Fail("usage: screenshot <main|presentation> <file.png> <mirror> <distance> "
                    "[--classroom] [--lang CODE] [--size WxH] [--width W]");
    }
    const QString window = args[1];
    const QString file = args[2];
    static constexpr const char* Mirrors[] = {"plane", "convex", "concave"};
    std::optional<TMirrorKind> kind;
    for (TMirrorKind k = 0; k < 3; ++k) {
        if (args[3] == QLatin1String(Mirrors[k])) {
            kind = k;
        }
    }
    bool whole = false;
    const int distance = args[4].toInt(&whole);
    if (!kind || !whole || (window != "main" && window != "presentation")) {
        return Fail("bad window, mirror or distance");
    }
    bool classroom = false;
    std::optional<TLanguage> language;
    QSize size(1920, 1080);
    int width = 0;
    for (int i = 5; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--classroom") {
            classroom = true;
        } else if (a == "--lang" && hasValue) {
            language = LanguageFromCode(args[++i]);
            if (!language) {
                return Fail("no such language: ", argv[i]);
            }
        } else if (a == "--size" && hasValue) {
            const std::optional<QSize> s = SizeOf(argv[++i]);
            if (!s) {
                return Fail("bad size: ", argv[i]);
            }
            size = *s;
        } else if (a == "--width" && hasValue) {
            width = args[++i].toInt(&whole);
            if (!whole || width < 1 || width > 8000) {
                return Fail("bad width: ", argv[i]);
            }
        } else {
            return Fail("unknown option: ", argv[i]);
        }
    }

    InstallFontSubstitutes();
    StartLanguage = language ? language : std::optional<TLanguage>(LangSpanish);
    PlotUnitInit();
    Randomize();
    TProgramWindows windows;
    TFPrincipal& w = windows.principal();
    w.show();
    Settle();
    // The mirror's button down, as a click on it leaves it, then the object
    // where it is wanted.
    static constexpr const char* Buttons[] = {"BtPla", "BtConv", "BtConc"};
    if (auto* button = w.findChild<QAbstractButton*>(QLatin1String(Buttons[*kind]))) {
        button->click();
    }
    if (auto* item = w.findChild<QAction*>(QStringLiteral("OpVistaClase"))) {
        if (item->isChecked() != classroom) {
            item->trigger();
        }
    }
    w.Actualitzadibuix(*kind, -static_cast<double>(distance));
    Settle();

    QWidget* shot = &w;
    if (window == "presentation") {
        auto* item = w.findChild<QAction*>(QStringLiteral("OpPresentacio"));
        if (!item) {
            return Fail("no presentation item");
        }
        item->trigger();
        shot = w.findChild<QWidget*>(QStringLiteral("FPresentacio"));
        if (!shot) {
            return Fail("no presentation window");
        }
        shot->showNormal();
        shot->resize(size);
        Settle();
    }
    QImage picture = shot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (width > 0 && width != picture.width()) {
        picture = picture.scaledToWidth(width, Qt::SmoothTransformation);
    }
    if (!picture.save(file, "PNG")) {
        return Fail("cannot write ", argv[2]);
    }
    return 0;
}
