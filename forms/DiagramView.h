// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Diagram.h"
#include "plot/PictureFile.h"

#include <QHash>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <vector>

// A scene's drawing as large as the view allows, its proportions kept, on
// its own background (the panel's colour, or the classroom view's white).
// The environment, which stays while the object moves, is painted once per
// size into a kept image; a new drawing repaints only around what moved.
class TDiagramView : public QWidget {
    Q_OBJECT
public:
    explicit TDiagramView(QWidget* parent);

    void setDrawing(const SceneDrawing& drawing);
    const PictureSource& source() const { return source_; }
    // Where the drawing's client area lands in the view.
    QRectF target() const;
    // A point of the view in the drawing's client pixels.
    QPointF toClient(const QPointF& at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // One flag a tile, row by row: bytes, which are set, merged and read
    // whole where bits would be one at a time.
    using Tiles = std::vector<std::uint8_t>;
    // Marks the tiles of the view under the object, rays and image of the
    // drawing.
    void markMoving(Tiles& tiles) const;
    const Tiles& movingTiles();
    QRegion TileRegion(const Tiles& tiles) const;
    // A text mark's size in client pixels, measured once.
    QSizeF textSize(const TTextMark& mark) const;

    SceneDrawing drawing_;
    PictureSource source_;
    QImage environment_;
    // The tiles of the drawing shown, at the size they were marked for.
    Tiles tiles_;
    QSize tilesSize_;
    mutable QHash<QString, QSizeF> textSizes_;
};
