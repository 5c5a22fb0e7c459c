// SPDX-License-Identifier: GPL-3.0-or-later
// The update cycle against the floor of what it does: filling the diagram
// panel's image, and the drawing alone. Run through run.sh, which prints
// the ratios.

#include "diagram/Diagram.h"
#include "forms/Principal.h"
#include "optics/Optics.h"
#include "plot/ImageSurface.h"
#include "plot/Plot.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr TColor PanelColor = RGB(242, 255, 253);

struct Case {
    const char* name;
    TMirrorKind kind;
    double x;
};
const Case Cases[] = {
    {"plane/-40", MirrorPlane, -40},     {"convex/-40", MirrorConvex, -40},
    {"concave/-75", MirrorConcave, -75}, {"concave/-50", MirrorConcave, -50},
    {"concave/-30", MirrorConcave, -30}, {"concave/-25", MirrorConcave, -25},
    {"concave/-24", MirrorConcave, -24}, {"concave/-10", MirrorConcave, -10},
};

TFPrincipal* Window() {
    static TFPrincipal* window = new TFPrincipal;
    return window;
}

void BM_FillPanel(benchmark::State& state) {
    ImageSurface surface(425, 281);
    for (auto _ : state) {
        surface.fill(PanelColor);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_FillPanel);

void BM_DrawingOnly(benchmark::State& state, const Case& c) {
    ImageSurface surface(425, 281);
    TPlotWindow W;
    PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    MirrorKind = c.kind;
    CurvatureSign = CurvatureSignOf(c.kind);
    for (auto _ : state) {
        surface.fill(PanelColor);
        DrawDiagram(W, c.x);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void BM_UpdateCycle(benchmark::State& state, const Case& c) {
    TFPrincipal* w = Window();
    for (auto _ : state) {
        w->Actualitzadibuix(c.kind, c.x);
    }
    // Deferred repaints of the labels are part of what a change costs.
    QApplication::processEvents();
}

// The same with the classroom view on the panel, shown each time: the
// classroom drawing made, and the paints the change asked for done. The
// object goes to and fro between the case's position and the next one, as
// in a drag: a scene repeated would be drawn once and only shown again.
void BM_UpdateClassroom(benchmark::State& state, const Case& c) {
    TFPrincipal* w = Window();
    // The diagram's menu joins the window when it first shows.
    if (!w->isVisible()) {
        w->show();
        QApplication::processEvents();
    }
    auto* item = w->findChild<QAction*>(QStringLiteral("OpVistaClase"));
    if (!item->isChecked()) {
        item->trigger();
    }
    bool next = false;
    for (auto _ : state) {
        w->Actualitzadibuix(c.kind, next ? c.x + 1 : c.x);
        next = !next;
        QApplication::processEvents();
    }
    QApplication::processEvents();
    item->trigger();
    // The other cycles are measured on the window as it was, not shown.
    w->hide();
    QApplication::processEvents();
}

// The 101 positions of the scroll bar, driven through the bar itself.
void BM_ScrollSweep(benchmark::State& state) {
    TFPrincipal* w = Window();
    auto* bar = w->findChild<QScrollBar*>(QStringLiteral("BarraDespl"));
    for (auto _ : state) {
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        for (int i = 0; i < 100; ++i) {
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }
    }
    state.counters["positions"] = 101;
}
BENCHMARK(BM_ScrollSweep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    PlotUnitInit();
    // The view chosen in the benchmark is kept here, not in the user's settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    for (const Case& c : Cases) {
        benchmark::RegisterBenchmark((std::string("BM_DrawingOnly/") + c.name).c_str(),
                                     BM_DrawingOnly, c);
        benchmark::RegisterBenchmark((std::string("BM_UpdateCycle/") + c.name).c_str(),
                                     BM_UpdateCycle, c);
        benchmark::RegisterBenchmark((std::string("BM_UpdateClassroom/") + c.name).c_str(),
                                     BM_UpdateClassroom, c);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
