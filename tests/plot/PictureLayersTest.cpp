// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PictureLayers.h"
#include "diagram/DiagramRecord.h"
#include "tests/support/GuiApplication.h"

#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

struct Step {
    TMirrorKind kind;
    double x;
};

// A drag across the concave mirror's focus, a change of mirror, and back.
const Step Steps[] = {{MirrorConcave, -60}, {MirrorConcave, -59}, {MirrorConcave, -58},
                      {MirrorConcave, -30}, {MirrorConcave, -25}, {MirrorConcave, -24},
                      {MirrorConcave, -24}, {MirrorConvex, -24},  {MirrorConvex, -80},
                      {MirrorPlane, -80},   {MirrorPlane, -10},   {MirrorConcave, -10}};

struct View {
    QSize size;
    qreal ratio;
};

QImage Fresh(const View& v) {
    QImage image(v.size * v.ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(v.ratio);
    image.fill(Qt::magenta);
    return image;
}

long Area(const QRegion& r) {
    long a = 0;
    for (const QRect& rect : r) {
        a += long(rect.width()) * rect.height();
    }
    return a;
}

// The largest difference of a colour channel between two pictures. A line
// drawn in pieces, one for each rectangle painted, can come out a few levels
// different at its antialiased edges; a line left out or drawn twice over
// its edges is tens of levels off.
int LargestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return 256;
    }
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(p[x]) - qRed(q[x])),
                                std::abs(qGreen(p[x]) - qGreen(q[x])),
                                std::abs(qBlue(p[x]) - qBlue(q[x]))});
        }
    }
    return largest;
}

class Layers : public ::testing::TestWithParam<View> {};

// Painted only where it changed, over what the last paint left, the view
// shows what painting it whole shows, at every step.
TEST_P(Layers, PaintingOnlyTheChangedRegionShowsTheWholePicture) {
    NeedApplication();
    const View v = GetParam();
    const QRectF area(QPointF(0, 0), QSizeF(v.size));
    DrawingRecord drawing;
    const PictureSource source = PanelPicture(drawing);
    PictureLayers layers;
    QImage screen = Fresh(v);
    long painted = 0;
    for (const Step& s : Steps) {
        drawing = RecordDiagram(s.kind, s.x);
        const QRegion changed = layers.changedRegion(source, area);
        // As a window would: no paint where nothing changed.
        if (!changed.isEmpty()) {
            QPainter p(&screen);
            p.setClipRegion(changed);
            layers.paint(p, source, area, changed);
        }
        QImage whole = Fresh(v);
        {
            QPainter p(&whole);
            PaintPicture(p, source, area);
        }
        ASSERT_LE(LargestDifference(screen, whole), 6) << "mirror " << int(s.kind) << " at " << s.x;
        painted += Area(changed);
    }
    // Most steps move only the rays and the arrows: of the twelve, the
    // first and the changes of mirror paint it all. (On a small view the
    // squares the changes are counted in cover most of it anyway.)
    if (v.size.width() >= 900) {
        EXPECT_LT(painted, 7 * v.size.width() * v.size.height());
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Layers,
                         ::testing::Values(View{{1920, 1080}, 1}, View{{700, 900}, 1},
                                           View{{960, 540}, 2}, View{{425, 281}, 1.5}));

TEST(PictureLayers, SaysWhatChangedAndKeepsWhatDidNot) {
    NeedApplication();
    const QRectF area(0, 0, 1280, 720);
    DrawingRecord drawing = RecordDiagram(MirrorConcave, -60);
    const PictureSource source = PanelPicture(drawing);
    PictureLayers layers;
    // Nothing painted yet: all of it.
    EXPECT_EQ(layers.changedRegion(source, area), QRegion(0, 0, 1280, 720));
    QImage screen(1280, 720, QImage::Format_RGB32);
    const auto paint = [&] {
        QPainter p(&screen);
        layers.paint(p, source, area, layers.changedRegion(source, area));
    };
    paint();
    EXPECT_TRUE(layers.changedRegion(source, area).isEmpty());
    EXPECT_EQ(layers.changedRegion(source, QRectF(0, 0, 1000, 720)), QRegion(0, 0, 1000, 720));

    // One step of the object: the image keeps the axis, the mirror and its
    // marks, and a small part of the view is to be painted.
    drawing = RecordDiagram(MirrorConcave, -59);
    const QRegion step = layers.changedRegion(source, area);
    EXPECT_GT(Area(step), 0);
    EXPECT_LT(Area(step), 1280 * 720 / 3);
    paint();
    EXPECT_GT(layers.keptCalls(), 0u);
    EXPECT_LT(layers.keptCalls(), drawing.calls().size());

    // Another background is another picture.
    PictureSource other = source;
    other.background = RGB(255, 255, 255);
    EXPECT_EQ(layers.changedRegion(other, area), QRegion(0, 0, 1280, 720));
}

// Where the painter cannot copy pixels one for one (a vector file, a
// rotated painter) it paints as PaintPicture does.
TEST(PictureLayers, ATransformedPainterGetsTheWholePicture) {
    NeedApplication();
    DrawingRecord drawing = RecordDiagram(MirrorConvex, -40);
    const PictureSource source = PanelPicture(drawing);
    PictureLayers layers;
    QImage a(800, 800, QImage::Format_RGB32), b(800, 800, QImage::Format_RGB32);
    a.fill(Qt::black);
    b.fill(Qt::black);
    const QRectF area(100, 100, 425.5, 281.25);
    for (QImage* image : {&a, &b}) {
        QPainter p(image);
        p.translate(400, 0);
        p.rotate(30);
        if (image == &a) {
            layers.paint(p, source, area);
        } else {
            PaintPicture(p, source, area);
        }
    }
    EXPECT_EQ(a, b);
    EXPECT_EQ(layers.keptCalls(), 0u);
}

} // namespace
