// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/GraficPanel.h"

#include "forms/ErrorReport.h"
#include "plot/PainterSurface.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

TGraficPanel::TGraficPanel(QWidget* parent) : QWidget(parent) {
    // The image covers every pixel of the panel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TGraficPanel::~TGraficPanel() = default;

ImageSurface& TGraficPanel::surface() {
    catchUp();
    return madeSurface();
}

ImageSurface& TGraficPanel::madeSurface() {
    if (!surface_) {
        surface_ = std::make_unique<ImageSurface>(width(), height());
        surface_->setRecord(&record_);
    }
    return *surface_;
}

void TGraficPanel::repaintBackground() {
    record_.clear();
    // A held drawing is not drawn first: this one takes its place.
    ImageSurface& s = madeSurface();
    const QColor window = palette().color(QPalette::Window);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    // Kept whether held or not: a drawing already begun when a hold starts
    // is drawn again from here when it ends.
    start_ = {window, light, dark, s.pen(), s.currentPoint()};
    erased_ = true;
    if (held_) {
        stale_ = true;
    } else {
        paintBackground(window, light, dark);
    }
    update();
}

void TGraficPanel::paintBackground(const QColor& window, const QColor& lightColor,
                                   const QColor& darkColor) {
    QImage& image = surface_->image();
    image.fill(window);
    const int w = image.width();
    const int h = image.height();
    if (w >= 4 && h >= 4) {
        // Written straight into the pixels: this runs on every scroll step,
        // and a painter for eight one-pixel lines would cost more than the
        // fill itself.
        const QRgb light = lightColor.rgb();
        const QRgb dark = darkColor.rgb();
        // One detach for the eight lines: scanLine() detaches on every call.
        QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
        const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        const auto row = [pixels, stride](int y, int x0, int x1, QRgb c) {
            std::fill(pixels + y * stride + x0, pixels + y * stride + x1 + 1, c);
        };
        const auto column = [pixels, stride](int x, int y0, int y1, QRgb c) {
            for (int y = y0; y <= y1; ++y) {
                pixels[y * stride + x] = c;
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
}

void TGraficPanel::holdPixels(bool held) {
    if (held == held_) {
        return;
    }
    held_ = held;
    madeSurface().holdPixels(held);
    if (held) {
        // Whatever is drawn from now on, before the next erasing, is drawn
        // with what the record already holds when the hold ends.
        stale_ = erased_;
    } else {
        catchUp();
    }
}

void TGraficPanel::catchUp() {
    if (!stale_ || !surface_) {
        return;
    }
    // While held, whatever is drawn next leaves the image behind again.
    stale_ = held_;
    // Drawn as it would have been at the time, from the same start: the
    // surface then ends with the pen and point the drawing left it with.
    ImageSurface& s = *surface_;
    s.holdPixels(false);
    s.setRecord(nullptr);
    paintBackground(start_.window, start_.light, start_.dark);
    s.selectPen(start_.pen);
    s.moveTo(start_.at.x(), start_.at.y());
    record_.replay(s);
    s.setRecord(&record_);
    s.holdPixels(held_);
}

TColor TGraficPanel::backgroundColor() const {
    const QColor c = palette().color(QPalette::Window);
    return RGB(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()),
               static_cast<unsigned>(c.blue()));
}

QImage TGraficPanel::picture(qreal ratio) const {
    if (!surface_) {
        return {};
    }
    // Not a change of what the panel shows: the held drawing made visible.
    const_cast<TGraficPanel*>(this)->catchUp();
    if (ratio == 1.0) {
        return surface_->image();
    }
    if (!sharp_.isNull() && sharpRatio_ == ratio && sharpVersion_ == record_.version()) {
        return sharp_;
    }
    const QImage& logical = surface_->image();
    const int w = logical.width();
    const int h = logical.height();
    QImage image(qCeil(w * ratio), qCeil(h * ratio), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    {
        QPainter p(&image);
        // The bevels as the panel's one-pixel lines, each as wide as a
        // pixel of the panel at this ratio.
        const auto line = [&](double x0, double y0, double x1, double y1, const QColor& c) {
            p.fillRect(QRectF(x0 * ratio, y0 * ratio, (x1 - x0 + 1) * ratio, (y1 - y0 + 1) * ratio),
                       c);
        };
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const auto bevel = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
            const int l = inset, t = inset, r = w - 1 - inset, b = h - 1 - inset;
            line(l, t, r, t, topLeft);
            line(l, t, l, b, topLeft);
            line(l, b, r, b, bottomRight);
            line(r, t, r, b, bottomRight);
        };
        if (w >= 4 && h >= 4) {
            bevel(0, light, dark);
            bevel(1, dark, light);
        }
        PainterSurface sharp(p, QRectF(0, 0, w * ratio, h * ratio), w, h);
        record_.replay(sharp);
    }
    image.setDevicePixelRatio(ratio);
    sharp_ = image;
    sharpRatio_ = ratio;
    sharpVersion_ = record_.version();
    return sharp_;
}

void TGraficPanel::paintEvent(QPaintEvent* /*event*/) {
    RunHandler([this] {
        catchUp();
        QPainter p(this);
        if (surface_) {
            const qreal ratio = devicePixelRatioF();
            if (ratio == 1.0) {
                p.drawImage(0, 0, surface_->image());
            } else {
                p.drawImage(0, 0, picture(ratio));
            }
        } else {
            p.fillRect(rect(), palette().color(QPalette::Window));
        }
    });
}
