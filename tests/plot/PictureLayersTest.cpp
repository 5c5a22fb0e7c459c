// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PictureLayers.h"
#include "diagram/Diagram.h"
#include "diagram/DiagramRecord.h"
#include "plot/PainterSurface.h"
#include "plot/Plot.h"
#include "tests/support/GuiApplication.h"

#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Step {
    TMirrorKind kind;
    double x;
};

// A drag across the concave mirror's focus, a change of mirror, and back.
// The ray through the centre leaves at -50 and the dotted rays come at -24,
// so that lines change in number as well as place.
const Step Steps[] = {{MirrorConcave, -60}, {MirrorConcave, -59}, {MirrorConcave, -58},
                      {MirrorConcave, -51}, {MirrorConcave, -50}, {MirrorConcave, -49},
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
        // Painted whole, as on a first showing; and as PaintPicture paints
        // it, but for the round ends, copied to an eighth of a pixel.
        QImage whole = Fresh(v), exact = Fresh(v);
        {
            QPainter p(&whole);
            PictureLayers().paint(p, source, area);
        }
        {
            QPainter p(&exact);
            PaintPicture(p, source, area);
        }
        ASSERT_LE(LargestDifference(screen, whole), 6) << "mirror " << int(s.kind) << " at " << s.x;
        ASSERT_LE(LargestDifference(whole, exact), 32);
        painted += Area(changed);
    }
    // Most steps move only the rays and the arrows: of the fifteen, the
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

// A drag step repaints around what moved, not around every line drawn
// after it: the ray reflected through the focus stays where it was, and of
// the ray parallel to the axis only the end at the object moved.
TEST(PictureLayers, ADragStepLeavesOutTheLinesThatDidNotMove) {
    NeedApplication();
    const QRectF area(0, 0, 1920, 1080);
    DrawingRecord drawing = RecordDiagram(MirrorConcave, -60);
    const PictureSource source = PanelPicture(drawing);
    PictureLayers layers;
    QImage screen(1920, 1080, QImage::Format_RGB32);
    {
        QPainter p(&screen);
        layers.paint(p, source, area);
    }
    drawing = RecordDiagram(MirrorConcave, -59);
    const QRegion step = layers.changedRegion(source, area);

    DrawingRecord scratch;
    DrawingRecorder recorder(scratch, PanelWidth, PanelHeight);
    TPlotWindow w;
    PlotInit(w, recorder, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    const QRectF target = FitClient(source, area);
    const double s = target.width() / PanelWidth;
    const auto at = [&](double x, double y) {
        return ClientToDevice(target, s, s, PlotX(w, x), PlotY(w, y)).toPoint();
    };
    // Where the mirror, 1 below its top, meets the ray parallel to the axis.
    const double m = -(CurvatureRadius -
                       std::sqrt(CurvatureRadius * CurvatureRadius - ObjectHeight * ObjectHeight));
    const double throughFocus = ObjectHeight * (1 - (-95 - m) / (-FocalLength - m));
    EXPECT_FALSE(step.contains(at(-95, throughFocus)));
    EXPECT_FALSE(step.contains(at(-25, ObjectHeight)));
    EXPECT_TRUE(step.contains(at(-59, ObjectHeight)));
    EXPECT_TRUE(step.contains(at(-60, ObjectHeight / 2)));
}

// A line moved along itself repaints around its ends only, a dotted one
// (whose dots start at its start) all along; either way the view then shows
// the new drawing.
TEST(PictureLayers, ALineMovedAlongItselfRepaintsWhatItsEndsLeftAndTook) {
    NeedApplication();
    struct Line {
        LineStyle style;
        int width;
        double x0, y0, x1, y1;
    };
    struct Case {
        const char* what;
        Line was, now;
        bool middleRepainted;
    };
    const Case cases[] = {
        {"start on",
         {LineStyle::Solid, 1, 20, 140, 400, 140},
         {LineStyle::Solid, 1, 60, 140, 400, 140},
         false},
        {"start back",
         {LineStyle::Solid, 1, 60, 140, 400, 140},
         {LineStyle::Solid, 1, 20, 140, 400, 140},
         false},
        {"end back",
         {LineStyle::Solid, 3, 20, 20, 400, 260},
         {LineStyle::Solid, 3, 20, 20, 300, 20 + 280.0 * 240 / 380},
         false},
        {"both on",
         {LineStyle::Solid, 1, 20, 140, 300, 140},
         {LineStyle::Solid, 1, 120, 140, 400, 140},
         false},
        {"turned round",
         {LineStyle::Solid, 1, 20, 140, 400, 140},
         {LineStyle::Solid, 1, 400, 140, 20, 140},
         true},
        {"dotted",
         {LineStyle::Dot, 1, 20, 140, 400, 140},
         {LineStyle::Dot, 1, 60, 140, 400, 140},
         true},
        {"other pen",
         {LineStyle::Solid, 1, 20, 140, 400, 140},
         {LineStyle::Solid, 2, 60, 140, 400, 140},
         true},
    };
    const QRectF area(0, 0, 1700, 1124); // four times the panel
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrawingRecord drawing;
        const auto record = [&drawing](const Line& l) {
            drawing.clear();
            drawing.pen(TPen{LineStyle::Solid, RGB(0, 0, 0), 1});
            drawing.moveTo(0, 270, 0, 270);
            drawing.lineTo(424, 270, 424, 270);
            drawing.pen(TPen{l.style, RGB(0, 128, 0), l.width});
            drawing.moveTo(int(l.x0), int(l.y0), l.x0, l.y0);
            drawing.lineTo(int(l.x1), int(l.y1), l.x1, l.y1);
        };
        const PictureSource source = PanelPicture(drawing);
        PictureLayers layers;
        QImage screen(area.size().toSize(), QImage::Format_RGB32);
        record(c.was);
        {
            QPainter p(&screen);
            layers.paint(p, source, area);
        }
        record(c.now);
        const QRegion changed = layers.changedRegion(source, area);
        {
            QPainter p(&screen);
            p.setClipRegion(changed);
            layers.paint(p, source, area, changed);
        }
        QImage whole(screen.size(), QImage::Format_RGB32);
        {
            QPainter p(&whole);
            PaintPicture(p, source, area);
        }
        EXPECT_LE(LargestDifference(screen, whole), 6);
        // Halfway between where both lines are drawn, well away from the
        // ends of either.
        const double x = (std::max(c.was.x0, c.now.x0) + std::min(c.was.x1, c.now.x1)) / 2;
        const double t = (x - c.now.x0) / (c.now.x1 - c.now.x0);
        const QPointF middle(c.now.x0 + t * (c.now.x1 - c.now.x0),
                             c.now.y0 + t * (c.now.y1 - c.now.y0));
        EXPECT_EQ(changed.contains(((middle + QPointF(0.5, 0.5)) * 4).toPoint()),
                  c.middleRepainted);
    }
}

} // namespace
