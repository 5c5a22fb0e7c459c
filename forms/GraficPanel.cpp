#include "GraficPanel.h"

#include "ErrorReport.h"

#include <QPainter>

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
        QPainter p(&image);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        // Raised outer bevel, then the lowered inner one inside it.
        const auto bevel = [&p](QRect r, const QColor& topLeft, const QColor& bottomRight) {
            p.setPen(topLeft);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        };
        bevel(QRect(0, 0, w, h), light, dark);
        bevel(QRect(1, 1, w - 2, h - 2), dark, light);
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
