// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/DrawingRecord.h"
#include "plot/PictureFile.h"

#include <QImage>
#include <QRectF>
#include <QRegion>

#include <cstddef>
#include <vector>

class QPainter;

// Paints what PaintPicture paints (the round ends of wide pens to an eighth
// of a pixel), for a view that shows a drawing changing a little at a time,
// as while the object is dragged. The drawing's first
// calls that are the same as last time (the axis, the mirror and its marks,
// which the diagram draws first) stay painted in an image of the view's
// pixels; a paint copies that image and draws only the calls after them,
// and only where the picture changed need be painted at all.
class PictureLayers {
public:
    // Paints the picture into `area`, where `exposed` (a paint event's
    // region; empty for all of it) holds at least all that changed since
    // the last paint: see changedRegion. Outside it the painter's device
    // must still show the last paint.
    void paint(QPainter& painter, const PictureSource& source, const QRectF& area,
               const QRegion& exposed = {});
    // Where the picture of `source` in `area` may differ from the one last
    // painted: around the calls from the first that differs on, in both
    // drawings; all of the area when the last paint was another size, or
    // there was none.
    QRegion changedRegion(const PictureSource& source, const QRectF& area) const;
    // Lets the image go, as when the view is hidden.
    void clear();
    // How many of the drawing's calls the kept image holds.
    std::size_t keptCalls() const { return kept_.size(); }

private:
    QImage image_;
    std::vector<DrawingRecord::Call> kept_;
    std::vector<DrawingRecord::Call> shown_; // the calls of the last paint
    TColor background_ = 0;
    QSize client_;
    QRectF area_;
    qreal ratio_ = 0;
};
