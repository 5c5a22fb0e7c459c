// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/GraficPanel.h"

#include "forms/ErrorReport.h"
#include "plot/PainterSurface.h"

#include <QPainter>
#include <QtMath>

TGraficPanel::TGraficPanel(QWidget* parent) : QWidget(parent) {
    // The image covers every pixel of the panel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TGraficPanel::~TGraficPanel() = default;

ImageSurface& TGraficPanel::surface() {
    bringUpToDate();
    if (!surface_) {
        surface_ = std::make_unique<ImageSurface>(width(), height());
        surface_->setRecord(&record_);
    }
    return *surface_;
}

void TGraficPanel::repaintBackground() {
    ImageSurface& s = surface();
    record_.clear();
    paintBackground(s.image(), 1.0);
    s.touch(s.image().rect());
    update();
}

void TGraficPanel::showDrawing(const SceneDrawing& drawing) {
    if (covered_) {
        pending_ = drawing;
        return;
    }
    pending_.reset();
    draw(drawing);
}

void TGraficPanel::setCovered(bool covered) {
    covered_ = covered;
    if (!covered) {
        bringUpToDate();
    }
}

void TGraficPanel::bringUpToDate() {
    if (pending_) {
        // Taken out first: drawing asks for the surface, which comes here.
        const SceneDrawing drawing = std::move(*pending_);
        pending_.reset();
        draw(drawing);
    }
}

const DrawingRecord& TGraficPanel::drawing() const {
    // Reading the panel is seeing it: the panel is never const itself.
    const_cast<TGraficPanel*>(this)->bringUpToDate();
    return record_;
}

void TGraficPanel::draw(const SceneDrawing& drawing) {
    ImageSurface& s = surface();
    const auto [envFirst, envLast] = drawing.environment();
    const auto& calls = drawing.record.calls();
    QRect changed;
    // Nothing drawn on the panel since the last drawing, which had the
    // whole of the same environment.
    bool reuse = false;
    if (environment_.isNull() || !(environmentKey_ == drawing.environmentKey) ||
        environmentPalette_ != palette()) {
        repaintBackground();
        s.setRecord(nullptr);
        drawing.record.replay(s, envFirst, envLast);
        environment_ = s.image().copy();
        environmentKey_ = drawing.environmentKey;
        environmentPalette_ = palette();
        changed = s.image().rect();
    } else {
        // Only the pixels drawn over the environment since it was whole are
        // put back: a step of the object costs its own drawing, not the
        // panel's.
        changed = s.restoreTouched(environment_);
        reuse = record_.version() == shownVersion_ && envFirst == 0 && envLast > 0 &&
                envLast == shownEnvironment_ && drawing.failedAt > DrawStep::Environment;
        // The surface ends the environment as drawing it would have left it.
        for (std::size_t i = envLast; i-- > envFirst;) {
            if (calls[i].op == DrawingRecord::Op::MoveTo ||
                calls[i].op == DrawingRecord::Op::LineTo) {
                s.moveTo(calls[i].a, calls[i].b);
                break;
            }
        }
    }
    s.forgetTouched();
    s.setRecord(nullptr);
    const auto [first, last] = drawing.moving();
    drawing.record.replay(s, first, last);
    if (first == last && envLast > envFirst) {
        // Nothing moved on: the pen is still the environment's.
        drawing.record.replay(s, envLast, envLast);
    }
    s.setRecord(&record_);
    if (reuse) {
        // The record already begins with this environment's calls.
        record_.truncate(envLast);
        record_.append(drawing.record, envLast, calls.size());
    } else {
        record_.assign(drawing.record);
    }
    shownVersion_ = record_.version();
    shownEnvironment_ = drawing.failedAt > DrawStep::Environment ? envLast : 0;
    // The moving layers' pixels stay counted as touched, to be put back on
    // the next step.
    update(changed | s.touched());
}

void TGraficPanel::paintBackground(QImage& image, qreal ratio) const {
    image.fill(palette().color(QPalette::Window));
    const int w = qRound(image.width() / ratio);
    const int h = qRound(image.height() / ratio);
    if (w < 4 || h < 4) {
        return;
    }
    // A frame lit from the top left, raised outside and lowered inside, each
    // line a pixel of the panel wide: top and left edges first, then the
    // bottom and right edges over their corners.
    QPainter p(&image);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const auto line = [&](int x0, int y0, int x1, int y1, const QColor& c) {
        p.fillRect(QRectF(x0 * ratio, y0 * ratio, (x1 - x0 + 1) * ratio, (y1 - y0 + 1) * ratio), c);
    };
    const auto bevel = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const int l = inset, t = inset, r = w - 1 - inset, b = h - 1 - inset;
        line(l, t, r, t, topLeft);
        line(l, t, l, b, topLeft);
        line(l, b, r, b, bottomRight);
        line(r, t, r, b, bottomRight);
    };
    bevel(0, light, dark);
    bevel(1, dark, light);
}

QImage TGraficPanel::picture(qreal ratio) const {
    drawing();
    if (!surface_) {
        return {};
    }
    if (ratio == 1.0) {
        return surface_->image();
    }
    if (!sharp_.isNull() && sharpRatio_ == ratio && sharpVersion_ == record_.version()) {
        return sharp_;
    }
    const int w = surface_->image().width();
    const int h = surface_->image().height();
    QImage image(qCeil(w * ratio), qCeil(h * ratio), QImage::Format_RGB32);
    paintBackground(image, ratio);
    {
        QPainter p(&image);
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
        bringUpToDate();
        QPainter p(this);
        if (surface_) {
            const qreal ratio = devicePixelRatioF();
            p.drawImage(0, 0, ratio == 1.0 ? surface_->image() : picture(ratio));
        } else {
            p.fillRect(rect(), palette().color(QPalette::Window));
        }
    });
}
