// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program's windows for its README and software-centre
// page, made from the program itself so that they show what it is today.
//   screenshot <main|presentation> <file.png> <plane|convex|concave> <distance>
//              [--classroom] [--lang CODE] [--size WxH] [--width W]
//   screenshot practice <file.png> <level> <seed> [--lang CODE] [--width W]
// The window shows the mirror with the object at that distance in front of
// it; --classroom checks Diagrama > Vista de clase. The practice window
// shows the first exercise of the level (as --level names it) and seed,
// answered, checked and shown to the image. --size gives the
// presentation's size (1920x1080 unless given); --width scales the picture
// down to that width. Run it on the offscreen platform with a settings
// folder of its own (XDG_CONFIG_HOME), so that no choice of the user shows.

#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "core/Random.h"
#include "diagram/Exercise.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/Principal.h"
#include "forms/ProgramWindows.h"
#include "optics/Optics.h"
#include "plot/Plot.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

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

// The window as drawn, scaled down to `width` if given.
bool Save(QWidget* shot, int width, const QString& file) {
    QImage picture = shot->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (width > 0 && width != picture.width()) {
        picture = picture.scaledToWidth(width, Qt::SmoothTransformation);
    }
    return picture.save(file, "PNG");
}

// Lets queued paints and layouts happen.
void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

// Opens Ejercicios > Practicar..., picks the level and the seed, answers
// the first exercise as a pupil might (not all of it right), checks it and
// steps through to the image. Returns the window, or null.
QWidget* Practise(QWidget& main, ExerciseLevel level, int seed) {
    auto* item = main.findChild<QAction*>(QStringLiteral("OpPracticar"));
    if (!item) {
        return nullptr;
    }
    item->trigger();
    Settle();
    auto* practice = main.findChild<QWidget*>(QStringLiteral("FEjercicio"));
    auto* levels = practice ? practice->findChild<QComboBox*>(QStringLiteral("EjNivel")) : nullptr;
    auto* seeds = practice ? practice->findChild<QSpinBox*>(QStringLiteral("EjSemilla")) : nullptr;
    if (!levels || !seeds) {
        return nullptr;
    }
    levels->setCurrentIndex(static_cast<int>(level));
    emit levels->activated(levels->currentIndex());
    seeds->setValue(seed);
    const std::pair<const char*, int> choices[] = {
        {"EjTipo", 0}, {"EjSentido", 1}, {"EjTamano", 0}};
    for (const auto& [name, index] : choices) {
        if (auto* c = practice->findChild<QComboBox*>(QLatin1String(name))) {
            c->setCurrentIndex(index);
        }
    }
    const std::pair<const char*, const char*> typed[] = {{"EjPosicion", "-60"},
                                                         {"EjAumento", "-2"}};
    for (const auto& [name, text] : typed) {
        if (auto* e = practice->findChild<QLineEdit*>(QLatin1String(name))) {
            e->setText(QLatin1String(text));
        }
    }
    auto* check = practice->findChild<QPushButton*>(QStringLiteral("EjComprobar"));
    auto* step = practice->findChild<QPushButton*>(QStringLiteral("EjPaso"));
    if (!check || !step) {
        return nullptr;
    }
    check->click();
    for (int i = 0; i < 10 && step->isEnabled(); ++i) {
        step->click();
    }
    Settle();
    return practice;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        return Fail(
            "usage: screenshot <main|presentation> <file.png> <mirror> <distance> "
            "[--classroom] [--lang CODE] [--size WxH] [--width W]\n"
            "       screenshot practice <file.png> <level> <seed> [--lang CODE] [--width W]");
    }
    const QString window = args[1];
    const QString file = args[2];
    const bool practice = window == "practice";
    static constexpr const char* Mirrors[] = {"plane", "convex", "concave"};
    std::optional<TMirrorKind> kind;
    for (TMirrorKind k = 0; k < 3; ++k) {
        if (args[3] == QLatin1String(Mirrors[k])) {
            kind = k;
        }
    }
    const std::optional<ExerciseLevel> level = ExerciseLevelFromCode(args[3]);
    bool whole = false;
    const int distance = args[4].toInt(&whole);
    if (practice ? !level || !whole || distance < 0
                 : !kind || !whole || (window != "main" && window != "presentation")) {
        return Fail("bad window, mirror or distance, or level or seed");
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
    if (practice) {
        QWidget* shot = Practise(w, *level, distance);
        if (!shot) {
            return Fail("no practice window");
        }
        return Save(shot, width, file) ? 0 : Fail("cannot write ", argv[2]);
    }
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
    return Save(shot, width, file) ? 0 : Fail("cannot write ", argv[2]);
}
