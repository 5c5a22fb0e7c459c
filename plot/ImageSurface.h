// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/DrawingRecord.h"
#include "plot/Surface.h"

#include <QImage>
#include <QRect>

#include <limits>
#include <vector>

// A surface that paints an off-screen image of a window's client area,
// antialiasing off. One-pixel lines are rasterised here so that the end
// point is left out and the dotted pattern is 3 on, 3 off; a pen wider than
// one pixel draws solid whatever its style.
class ImageSurface : public Surface {
public:
    ImageSurface(int width, int height);

    using Surface::ellipse;
    using Surface::lineTo;
    using Surface::moveTo;
    int clientWidth() const override { return image_.width(); }
    int clientHeight() const override { return image_.height(); }
    void frameAndFill(int w, int h) override;
    void setClip(int w, int h) override;
    void selectPen(const TPen& pen) override {
        pen_ = pen;
        if (record_) {
            record_->pen(pen);
        }
    }
    TPen pen() const override { return pen_; }
    void moveTo(std::int32_t x, std::int32_t y, double fx, double fy) override;
    void lineTo(std::int32_t x, std::int32_t y, double fx, double fy) override;
    void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 double fLeft, double fTop, double fRight, double fBottom) override;

    // Every later pen, move, line and ellipse is also kept there (none when
    // null), so that the picture can be drawn again at another resolution.
    void setRecord(DrawingRecord* record) { record_ = record; }

    // Fills the whole image with one colour (the panel's background).
    void fill(TColor color);
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    // The pixels painted are counted row by row, so that a caller who keeps
    // the pixels under a drawing can put back only those: a step of a moving
    // object then costs about its own lines, not the whole image.
    // The smallest rectangle holding every pixel painted since they were
    // last put back or forgotten.
    QRect touched() const;
    // Puts back the pixels painted from `kept`, an image of the same size,
    // and returns the rectangle they covered.
    QRect restoreTouched(const QImage& kept);
    // The image as it is now counts as untouched.
    void forgetTouched();
    // Counts pixels changed from outside (the image written directly) as painted.
    void touch(const QRect& r);

private:
    void thinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);
    void wideLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);
    void smallEllipse(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b);
    // The first pixel of the image, ready to be written.
    QRgb* pixels();
    // A range of rows or columns; first > last where it is empty.
    struct Span {
        int first = std::numeric_limits<int>::max();
        int last = -1;
        void add(int from, int to) {
            first = std::min(first, from);
            last = std::max(last, to);
        }
    };
    // Counts the columns [from, to] of the rows [top, bottom], inside the
    // image, as painted.
    void mark(int top, int bottom, int from, int to) {
        for (int y = top; y <= bottom; ++y) {
            touched_[static_cast<std::size_t>(y)].add(from, to);
        }
        rows_.add(top, bottom);
        columns_.add(from, to);
    }
    // The same for the rows [top, bottom] of that rectangle, where it meets `within`.
    void touch(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
               const QRect& within);

    QImage image_;
    TPen pen_;
    int clipW_;
    int clipH_;
    std::int32_t curX_ = 0;
    std::int32_t curY_ = 0;
    DrawingRecord* record_ = nullptr;
    QRgb* pixels_ = nullptr;
    // The columns painted in each row, and the rows and columns of them all.
    std::vector<Span> touched_;
    Span rows_;
    Span columns_;
};
