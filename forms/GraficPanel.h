// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Diagram.h"
#include "plot/DrawingRecord.h"
#include "plot/ImageSurface.h"

#include <QWidget>

#include <memory>
#include <optional>

// The diagram panel. The diagram is drawn into an off-screen image of the
// panel's client area, and the panel only shows that image: a repaint of the
// window brings back the picture last drawn without drawing it again, so a
// drawing that fails is reported once, not on every repaint.
//
// The plotting calls of the drawing since the last erasing are kept too, so
// that on a screen with more pixels than the panel's size (a device pixel
// ratio above 1) the panel shows the same drawing made again at the
// screen's resolution, and so that it can be saved, copied and printed at
// any size.
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
    // Erases the picture and draws a scene on it. The environment's pixels
    // are those of the last drawing with the same environment, kept.
    void showDrawing(const SceneDrawing& drawing);
    // Another view lies over the whole panel and paints every pixel of it.
    // Meanwhile a new drawing is only kept, and drawn once the panel is
    // uncovered, painted or read: then it is as if every drawing had been
    // made in turn.
    void setCovered(bool covered);
    // Draws the drawing kept while covered, if any.
    void bringUpToDate();

    // The drawing on the panel since it was last erased.
    const DrawingRecord& drawing() const;
    // The panel as shown at a device pixel ratio: background, bevels and the
    // drawing made again at that resolution. At 1 it is the image itself.
    QImage picture(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The background and bevels at a device pixel ratio.
    void paintBackground(QImage& image, qreal ratio) const;
    void draw(const SceneDrawing& drawing);

    std::unique_ptr<ImageSurface> surface_;
    DrawingRecord record_;
    // The background with the last environment drawn on it, and what it was
    // drawn from.
    QImage environment_;
    SceneDrawing::Key environmentKey_;
    QPalette environmentPalette_;
    // The last picture made at a ratio above 1, and what it was made from.
    mutable QImage sharp_;
    mutable std::uint64_t sharpVersion_ = 0;
    mutable qreal sharpRatio_ = 0;
    // The record as the last drawing left it, and where its environment ended.
    std::uint64_t shownVersion_ = 0;
    std::size_t shownEnvironment_ = 0;
    bool covered_ = false;
    std::optional<SceneDrawing> pending_;
};
