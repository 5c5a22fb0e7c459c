// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/ImageSurface.h"

#include <QWidget>

#include <memory>

// The diagram panel. The diagram is drawn into an off-screen image of the
// panel's client area, and the panel only shows that image: a repaint of the
// window brings back the picture last drawn without drawing it again, so a
// drawing that fails is reported once, not on every repaint.
class TGraficPanel : public QWidget {
    Q_OBJECT
public:
    explicit TGraficPanel(QWidget* parent = nullptr);
    ~TGraficPanel() override;

    // The drawing surface of the client area, made at the panel's size on
    // first use and kept for the rest of the panel's life, as a window's
    // device context would be.
    ImageSurface& surface();
    // Erases the picture to the panel's colour and bevels (raised outer,
    // lowered inner) and asks for the panel to be shown again.
    void repaintBackground();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<ImageSurface> surface_;
};
