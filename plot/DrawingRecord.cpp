// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/DrawingRecord.h"

#include <algorithm>

void DrawingRecord::replay(Surface& s, std::size_t from, std::size_t to) const {
    to = std::min(to, calls_.size());
    from = std::min(from, to);
    for (std::size_t i = from; i-- > 0;) {
        if (calls_[i].op == Op::Pen) {
            s.selectPen(calls_[i].pen);
            break;
        }
    }
    for (std::size_t i = from; i < to; ++i) {
        const Call& c = calls_[i];
        switch (c.op) {
        case Op::Pen:
            s.selectPen(c.pen);
            break;
        case Op::MoveTo:
            s.moveTo(c.a, c.b, c.fa, c.fb);
            break;
        case Op::LineTo:
            s.lineTo(c.a, c.b, c.fa, c.fb);
            break;
        case Op::Ellipse:
            s.ellipse(c.a, c.b, c.c, c.d, c.fa, c.fb, c.fc, c.fd);
            break;
        case Op::Text:
            s.text(c.fa, c.fb, textOf(c));
            break;
        }
    }
}
