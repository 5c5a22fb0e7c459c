// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram drawn again through the painter surface at projector sizes,
// against filling an image of the same size. Run through run.sh, which
// prints the ratios.

#include "diagram/DiagramRecord.h"
#include "plot/PictureFile.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const QSize Sizes[] = {{1920, 1080}, {3840, 2160}};

void BM_FillImage(benchmark::State& state, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(242, 255, 253));
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The redraw the panel, a saved picture or the presentation window makes:
// the background, then every call of the drawing, antialiased.
void BM_Redraw(benchmark::State& state, QSize size) {
    const DrawingRecord drawing = RecordDiagram(MirrorConcave, -10);
    const PictureSource source = PanelPicture(drawing);
    QImage image(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        PaintPicture(p, source, QRectF(QPointF(0, 0), QSizeF(size)));
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["calls"] = static_cast<double>(drawing.calls().size());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    for (const QSize size : Sizes) {
        const std::string name = std::to_string(size.width()) + "x" + std::to_string(size.height());
        benchmark::RegisterBenchmark(("BM_FillImage/" + name).c_str(), BM_FillImage, size)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_Redraw/" + name).c_str(), BM_Redraw, size)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
