// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/GraficPanel.h"

#include "forms/ErrorReport.h"

#include <QPainter>

#include <algorithm>

TGraficPanel::TGraficPanel(QWidget* parent) : QWidget(parent) {
    // The image covers every pixel of the panel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TGraficPanel::~TGraficPanel() = default;

ImageSurface& TGraficPanel::surface() {
    if (!surface_) {
        surface_ = std::make_unique<ImageSurface>(width(), height());
    }
    return *surface_;
}

void TGraficPanel::repaintBackground() {
    QImage& image = surface().image();
    image.fill(palette().color(QPalette::Window));
    const int w = image.width();
    const int h = image.height();
    if (w >= 4 && h >= 4) {
        // Written straight into the pixels: this runs on every scroll step,
        // and a painter for eight one-pixel lines would cost more than the
        // fill itself.
        const QRgb light = palette().color(QPalette::Light).rgb();
        const QRgb dark = palette().color(QPalette::Dark).rgb();
        const auto row = [&image](int y, int x0, int x1, QRgb c) {
            std::fill(reinterpret_cast<QRgb*>(image.scanLine(y)) + x0,
                      reinterpret_cast<QRgb*>(image.scanLine(y)) + x1 + 1, c);
        };
        const auto column = [&image](int x, int y0, int y1, QRgb c) {
            for (int y = y0; y <= y1; ++y) {
                reinterpret_cast<QRgb*>(image.scanLine(y))[x] = c;
            }
        };
        // A frame lit from the top left: top and left edges first, then the
        // bottom and right edges over their corners.
        const auto bevel = [&](int inset, QRgb topLeft, QRgb bottomRight) {
            const int l = inset, t = inset, r = w - 1 - inset, b = h - 1 - inset;
            row(t, l, r, topLeft);
            column(l, t, b, topLeft);
            row(b, l, r, bottomRight);
            column(r, t, b, bottomRight);
        };
        bevel(0, light, dark); // raised outer bevel
        bevel(1, dark, light); // lowered inner bevel
    }
    update();
}

void TGraficPanel::paintEvent(QPaintEvent* /*event*/) {
    RunHandler([this] {
        QPainter p(this);
        if (surface_) {
            p.drawImage(0, 0, surface_->image());
        } else {
            p.fillRect(rect(), palette().color(QPalette::Window));
        }
    });
}
