// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/DrawingRecord.h"

void DrawingRecord::replay(Surface& s) const {
    for (const Call& c : calls_) {
        switch (c.op) {
        case Op::Pen:
            s.selectPen(c.pen);
            break;
        case Op::MoveTo:
            s.moveToExact(c.a, c.b, c.fa, c.fb);
            break;
        case Op::LineTo:
            s.lineToExact(c.a, c.b, c.fa, c.fb);
            break;
        case Op::Ellipse:
            s.ellipseExact(c.a, c.b, c.c, c.d, c.fa, c.fb, c.fc, c.fd);
            break;
        }
    }
}
