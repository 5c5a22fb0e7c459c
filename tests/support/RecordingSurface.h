// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Surface.h"

#include <cstdint>
#include <vector>

// A surface that keeps every call, in pixel coordinates, with the pen in
// force: tests read the exact sequence a drawing produced.
class RecordingSurface : public Surface {
public:
    enum class Op { FrameAndFill, Clip, MoveTo, LineTo, Ellipse };
    struct Call {
        Op op;
        std::int32_t a = 0, b = 0, c = 0, d = 0;
        TPen pen;
        bool operator==(const Call&) const = default;
    };

    RecordingSurface(int width = 425, int height = 281) : width_(width), height_(height) {}

    int clientWidth() const override { return width_; }
    int clientHeight() const override { return height_; }
    void frameAndFill(int w, int h) override { add(Op::FrameAndFill, 0, 0, w, h); }
    void setClip(int w, int h) override { add(Op::Clip, 0, 0, w, h); }
    void selectPen(const TPen& pen) override { pen_ = pen, ++penSelections; }
    TPen pen() const override { return pen_; }
    void moveTo(std::int32_t x, std::int32_t y, double, double) override { add(Op::MoveTo, x, y); }
    void lineTo(std::int32_t x, std::int32_t y, double, double) override { add(Op::LineTo, x, y); }
    void ellipse(int l, int t, int r, int b, double, double, double, double) override {
        add(Op::Ellipse, l, t, r, b);
    }

    std::vector<Call> calls;
    int penSelections = 0;

private:
    void add(Op op, std::int32_t a, std::int32_t b, std::int32_t c = 0, std::int32_t d = 0) {
        calls.push_back({op, a, b, c, d, pen_});
    }
    int width_;
    int height_;
    TPen pen_;
};
