// SPDX-License-Identifier: GPL-3.0-or-later
// One step of dragging the object in the presentation window at projector
// sizes, the whole update cycle through to the painted windows, against the
// floor of filling an image of the window's size: with the main window under
// the presentation, as on one screen, and beside it, as on two. Run through
// run.sh, which prints the ratios.

#include "forms/ClassroomView.h"
#include "forms/Fonts.h"
#include "forms/Presentacio.h"
#include "forms/Principal.h"
#include "plot/Plot.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <tuple>

namespace {

constexpr TColor PanelColor = RGB(242, 255, 253);

const QSize Sizes[] = {{1920, 1080}, {3840, 2160}};

TFPrincipal* Window() {
    static TFPrincipal* window = [] {
        auto* w = new TFPrincipal;
        w->show();
        return w;
    }();
    return window;
}

// Counts the presentation's paints, so that the figures are known to
// include them.
struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

void BM_FillImage(benchmark::State& state, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const QColor colour(RedOf(PanelColor), GreenOf(PanelColor), BlueOf(PanelColor));
    for (auto _ : state) {
        image.fill(colour);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void SendMouse(QWidget* view, QEvent::Type type, const QPointF& at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, at, view->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(view, &e);
}

// Sets the classroom view's choice as the user would, through the item.
void ChooseView(TFPrincipal* w, bool classroom) {
    auto* item = w->findChild<QAction*>(QStringLiteral("OpVistaClase"));
    // Through the other state: the user's explicit choice either way.
    if (item->isChecked() == classroom) {
        item->trigger();
    }
    item->trigger();
}

// `beside`: the main window out from under the presentation, as on a
// second screen, so that it is painted on every step too. `classroom`: the
// presentation shows the classroom view (the panel its own look).
void BM_DragStep(benchmark::State& state, QSize size, bool beside, bool classroom) {
    TFPrincipal* w = Window();
    ChooseView(w, classroom);
    w->findChild<QAction*>(QStringLiteral("OpCentre"))->trigger();
    w->findChild<QAction*>(QStringLiteral("OpPresentacio"))->trigger();
    auto* pres = w->findChild<TFPresentacio*>(QStringLiteral("FPresentacio"));
    pres->showNormal();
    pres->setGeometry(QRect(QPoint(0, 0), size));
    w->move(beside ? QPoint(size.width() + 10, 0) : QPoint(100, 100));
    QApplication::processEvents();
    TPresentacioDiagrama* view = pres->diagram();
    auto* lesson = w->findChild<TClassroomView*>(QStringLiteral("ClassroomView"));
    PaintCounter counter;
    view->installEventFilter(&counter);

    // The pointer goes to and fro over the concave mirror's interesting
    // stretch, one whole position a step.
    const QRectF t = view->target();
    const auto pointAt = [&](double x) {
        if (classroom) {
            const ClassroomDrawing& d = lesson->drawing();
            return QPointF(t.x() + (d.clientX(x) + 0.5) * t.width() / d.width - 0.5,
                           t.y() + (d.clientY(5) + 0.5) * t.height() / d.height - 0.5);
        }
        const double column = PlotX(Diagram, x);
        return QPointF(t.x() + (column + 0.5) * t.width() / 425 - 0.5,
                       t.y() + (PlotY(Diagram, 5) + 0.5) * t.height() / 281 - 0.5);
    };
    int x = -60, dir = 1;
    SendMouse(view, QEvent::MouseButtonPress, pointAt(LastObjectPos), Qt::LeftButton);
    for (auto _ : state) {
        x += dir;
        if (x == -5 || x == -95) {
            dir = -dir;
        }
        SendMouse(view, QEvent::MouseMove, pointAt(x), Qt::LeftButton);
        // The paints the step asked for: the presentation, the panel and the
        // results.
        QApplication::processEvents();
    }
    SendMouse(view, QEvent::MouseButtonRelease, pointAt(x), Qt::NoButton);
    state.counters["paints_per_step"] = benchmark::Counter(
        static_cast<double>(counter.paints) /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1)));
    view->removeEventFilter(&counter);
    pres->hide();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The program's start: its faces, and its large type kept as images.
    InstallFontSubstitutes();
    CacheLargeGlyphs();
    PlotUnitInit();
    // The view chosen in the benchmark is kept here, not in the user's settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // A fixed number of steps, for profiling: a whole to-and-fro is 180.
    const int steps = qEnvironmentVariableIntValue("VEXARIA_BENCH_STEPS");
    for (const QSize& s : Sizes) {
        const std::string size = std::to_string(s.width()) + "x" + std::to_string(s.height());
        benchmark::RegisterBenchmark(("BM_FillImage/" + size).c_str(), BM_FillImage, s)
            ->Unit(benchmark::kMicrosecond);
        for (const auto& [name, beside, classroom] :
             {std::tuple{"BM_DragStep/", false, false},
              std::tuple{"BM_DragStepBeside/", true, false},
              std::tuple{"BM_DragStepClassroom/", false, true}}) {
            auto* b = benchmark::RegisterBenchmark((name + size).c_str(), BM_DragStep, s, beside,
                                                   classroom);
            b->Unit(benchmark::kMicrosecond);
            if (steps > 0) {
                b->Iterations(steps);
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
