// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/Surface.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// The plotting calls of one drawing, kept with their unrounded client
// coordinates, so that the same drawing can be shown again at another size
// or written to a file without being computed again (and without failing
// again where it failed the first time: the record holds what was drawn).
class DrawingRecord {
public:
    enum class Op : std::uint8_t { Pen, MoveTo, LineTo, Ellipse, Text };
    struct Call {
        Op op;
        TPen pen;                // Pen
        std::int32_t a, b, c, d; // the pixel point, the ellipse's box, or the text's index
        double fa, fb, fc, fd;   // the same, unrounded
        bool operator==(const Call&) const = default;
    };

    void clear() {
        calls_.clear();
        texts_.clear();
        ++clears_;
    }
    // Takes another drawing's calls, as a new drawing.
    void assign(const DrawingRecord& other) {
        calls_ = other.calls_;
        texts_ = other.texts_;
        ++clears_;
    }
    // Keeps the first `count` calls only, as a new drawing.
    void truncate(std::size_t count) {
        if (count < calls_.size()) {
            calls_.resize(count);
            // Texts are numbered in the order of their calls.
            texts_.resize(
                static_cast<std::size_t>(std::ranges::count(calls_, Op::Text, &Call::op)));
        }
        ++clears_;
    }
    // Appends another drawing's calls [first, last).
    void append(const DrawingRecord& other, std::size_t first, std::size_t last) {
        const std::size_t from = calls_.size();
        calls_.insert(calls_.end(), other.calls_.begin() + static_cast<std::ptrdiff_t>(first),
                      other.calls_.begin() + static_cast<std::ptrdiff_t>(last));
        // The texts go along, numbered in this record.
        for (std::size_t i = from; i < calls_.size(); ++i) {
            if (calls_[i].op == Op::Text) {
                texts_.push_back(other.texts_[static_cast<std::size_t>(calls_[i].a)]);
                calls_[i].a = static_cast<std::int32_t>(texts_.size() - 1);
            }
        }
    }
    void reserve(std::size_t calls) { calls_.reserve(calls); }
    // The pen selected last before call `at`; `before` where none was.
    TPen penAt(std::size_t at, const TPen& before) const {
        for (std::size_t i = std::min(at, calls_.size()); i-- > 0;) {
            if (calls_[i].op == Op::Pen) {
                return calls_[i].pen;
            }
        }
        return before;
    }
    void pen(const TPen& p) { calls_.push_back({Op::Pen, p, 0, 0, 0, 0, 0, 0, 0, 0}); }
    void moveTo(std::int32_t x, std::int32_t y, double fx, double fy) {
        calls_.push_back({Op::MoveTo, {}, x, y, 0, 0, fx, fy, 0, 0});
    }
    void lineTo(std::int32_t x, std::int32_t y, double fx, double fy) {
        calls_.push_back({Op::LineTo, {}, x, y, 0, 0, fx, fy, 0, 0});
    }
    void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, double fl,
                 double ft, double fr, double fb) {
        calls_.push_back({Op::Ellipse, {}, l, t, r, b, fl, ft, fr, fb});
    }
    void text(double fx, double fy, const TTextMark& mark) {
        texts_.push_back(mark);
        calls_.push_back(
            {Op::Text, {}, static_cast<std::int32_t>(texts_.size() - 1), 0, 0, 0, fx, fy, 0, 0});
    }
    // The text of a Text call.
    const TTextMark& textOf(const Call& call) const {
        return texts_[static_cast<std::size_t>(call.a)];
    }

    // Makes the same calls, in the same order, on another surface.
    void replay(Surface& s) const { replay(s, 0, calls_.size()); }
    // Makes the calls [from, to) only, having first selected the pen the
    // drawing had at `from`.
    void replay(Surface& s, std::size_t from, std::size_t to) const;

    const std::vector<Call>& calls() const { return calls_; }
    // Changes whenever the record does: a picture made from it is still
    // the record's while this is the same.
    std::uint64_t version() const { return clears_ * 0x100000000ULL + calls_.size(); }

private:
    std::vector<Call> calls_;
    std::vector<TTextMark> texts_;
    std::uint64_t clears_ = 0;
};

// A surface that draws nothing and only keeps the calls, for a drawing that
// is to be shown or written at another size only.
class DrawingRecorder : public Surface {
public:
    DrawingRecorder(DrawingRecord& record, int width, int height)
        : record_(record), width_(width), height_(height) {}

    int clientWidth() const override { return width_; }
    int clientHeight() const override { return height_; }
    void frameAndFill(int, int) override {}
    void setClip(int, int) override {}
    void selectPen(const TPen& pen) override {
        pen_ = pen;
        record_.pen(pen);
    }
    TPen pen() const override { return pen_; }
    void moveTo(std::int32_t x, std::int32_t y, double fx, double fy) override {
        record_.moveTo(x, y, fx, fy);
    }
    void lineTo(std::int32_t x, std::int32_t y, double fx, double fy) override {
        record_.lineTo(x, y, fx, fy);
    }
    void ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, double fl,
                 double ft, double fr, double fb) override {
        record_.ellipse(l, t, r, b, fl, ft, fr, fb);
    }
    void text(double fx, double fy, const TTextMark& mark) override { record_.text(fx, fy, mark); }

private:
    DrawingRecord& record_;
    int width_;
    int height_;
    TPen pen_;
};
