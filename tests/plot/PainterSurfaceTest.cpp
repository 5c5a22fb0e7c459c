// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PainterSurface.h"
#include "diagram/Diagram.h"
#include "diagram/DiagramRecord.h"
#include "plot/ImageSurface.h"
#include "plot/PictureFile.h"
#include "tests/support/GuiApplication.h"
#include "util/PictureWrite.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>

namespace {

using Case = Scene;
const Case Cases[] = {{MirrorPlane, -40},
                      {MirrorConvex, -40},
                      {MirrorConcave, -75},
                      {MirrorConcave, -24},
                      {MirrorConcave, -10}};

// The diagram as the panel draws it, with the calls kept.
struct Panel {
    ImageSurface surface{PanelWidth, PanelHeight};
    DrawingRecord record;
    explicit Panel(const Case& c) {
        RayColor = DefaultRayColor;
        ObjectColor = DefaultObjectColor;
        ImageColor = DefaultImageColor;
        PlotUnitInit();
        TPlotWindow W;
        PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
        surface.fill(PanelColor);
        surface.setRecord(&record);
        MirrorKind = c.kind;
        CurvatureSign = CurvatureSignOf(c.kind);
        DrawDiagram(W, c.objectPos);
    }
};

QImage Painted(const DrawingRecord& record, int times, bool antialiasing) {
    QImage image(PanelWidth * times, PanelHeight * times, QImage::Format_RGB32);
    image.fill(QColor(0xf2, 0xff, 0xfd));
    QPainter p(&image);
    PainterSurface s(p, QRectF(0, 0, image.width(), image.height()), PanelWidth, PanelHeight,
                     antialiasing);
    record.replay(s);
    return image;
}

enum Ink { Black, White, Ray, Object, Image, Inks };
constexpr TColor InkColours[Inks] = {RGB(0, 0, 0), RGB(255, 255, 255), DefaultRayColor,
                                     DefaultObjectColor, DefaultImageColor};

// The ink a pixel is made of, allowing for antialiased edges; Inks for none.
Ink InkAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    for (int ink = 0; ink < Inks; ++ink) {
        const TColor k = InkColours[ink];
        const int dr = qRed(c) - int(RedOf(k)), dg = qGreen(c) - int(GreenOf(k)),
                  db = qBlue(c) - int(BlueOf(k));
        if (dr * dr + dg * dg + db * db < 40 * 40)
            return Ink(ink);
    }
    return Inks;
}

// Each ink's box (left, top, right, bottom; right -1 for none); the blackest row and column.
struct Landmarks {
    std::array<std::array<int, 4>, Inks + 1> boxes;
    int axis = 0, mirror = 0;
    explicit Landmarks(const QImage& image) {
        boxes.fill({1 << 30, 1 << 30, -1, -1});
        std::vector<int> rows(image.height()), columns(image.width());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const Ink ink = InkAt(image, x, y);
                auto& b = boxes[ink];
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
                rows[y] += ink == Black;
                columns[x] += ink == Black;
            }
        }
        axis = int(std::ranges::max_element(rows) - rows.begin());
        mirror = int(std::ranges::max_element(columns) - columns.begin());
    }
};

// Panel pixel p covers [p * times, (p + 1) * times), give or take a panel pixel.
void ExpectNear(int panel, int scaled, int times, const char* what) {
    EXPECT_GE(scaled, (panel - 1) * times) << what << " at " << times;
    EXPECT_LT(scaled, (panel + 2) * times) << what << " at " << times;
}

class PanelPixels : public ::testing::TestWithParam<Case> {};

// The record replayed gives the panel's pixels; at any size, everything lands where the panel
// has it, the axis reaching the picture's very edge.
TEST_P(PanelPixels, ReplayedAndPaintedAtAnySize) {
    const Panel panel(GetParam());
    const QImage& reference = panel.surface.image();
    ImageSurface again(PanelWidth, PanelHeight);
    again.fill(PanelColor);
    panel.record.replay(again);
    EXPECT_TRUE(again.image() == reference);
    const Landmarks expected(reference);
    for (const auto& [times, antialiasing] :
         {std::pair{1, false}, {4, false}, {4, true}, {2, true}}) {
        const QImage drawn = Painted(panel.record, times, antialiasing);
        const Landmarks got(drawn);
        ExpectNear(expected.axis, got.axis, times, "axis row");
        if (GetParam().kind == MirrorPlane)
            ExpectNear(expected.mirror, got.mirror, times, "mirror column");
        for (const Ink ink : {Black, White, Object, Image}) {
            ASSERT_EQ(expected.boxes[ink][2] < 0, got.boxes[ink][2] < 0) << ink;
            for (int edge = 0; edge < 4 && expected.boxes[ink][2] >= 0; ++edge)
                ExpectNear(
                    expected.boxes[ink][edge], got.boxes[ink][edge], times,
                    ("ink " + std::to_string(ink) + " edge " + std::to_string(edge)).c_str());
        }
        for (int x = 0; x < times; ++x)
            EXPECT_EQ(InkAt(drawn, x, got.axis), Black) << "column " << x << " at " << times;
    }
}

INSTANTIATE_TEST_SUITE_P(Diagrams, PanelPixels, ::testing::ValuesIn(Cases));

// A wide pen's round ends are discs of its width centred on the line's
// ends, wherever those fall between pixels and wherever the painter is
// moved to.
TEST(PainterSurface, RoundEndsAreDiscsCentredOnTheLinesEnds) {
    NeedApplication();
    const QColor ink(200, 30, 90);
    for (const double left : {-37.3, 0.0, 12.45, 12.55, 100.875, 7.0625}) {
        for (const QPoint moved : {QPoint(0, 0), QPoint(3, -2), QPoint(-11, 5), QPoint(40, 12)}) {
            SCOPED_TRACE(left);
            SCOPED_TRACE(moved.x());
            const QRectF target(left, -4.3 + left / 7, 200, 100); // 2.5 a client pixel
            QImage drawn(220, 120, QImage::Format_RGB32), expected(drawn.size(), drawn.format());
            drawn.fill(Qt::white);
            expected.fill(Qt::white);
            {
                QPainter p(&drawn);
                p.translate(moved);
                PainterSurface s(p, target, 80, 40);
                s.selectPen(TPen{LineStyle::Solid, RGB(200, 30, 90), 3});
                s.moveTo(0, 0, 10.3, 20.7);
                s.lineTo(0, 0, 50.6, 25.1);
            }
            QPainter p(&expected);
            p.translate(moved);
            p.setRenderHint(QPainter::Antialiasing);
            p.setClipRect(target);
            const QPointF a = ClientToDevice(target, 2.5, 2.5, 10.3, 20.7);
            const QPointF b = ClientToDevice(target, 2.5, 2.5, 50.6, 25.1);
            p.setPen(QPen(ink, 7.5, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(a, b);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(a, 3.75, 3.75);
            p.drawEllipse(b, 3.75, 3.75);
            p.end();
            EXPECT_TRUE(drawn == expected);
        }
    }
}

// Pen widths scale with the picture, at least one device pixel; dots are
// three panel pixels on and off from the line's start, half a panel pixel
// in; a wide pen draws solid.
TEST(PainterSurface, PenWidthsAndDots) {
    const struct {
        TPen pen;
        double times;
        int thickness, from;
        std::string row; // the middle row's pixels from `from` on
    } rows[] = {
        {{LineStyle::Solid, 0, 1}, 4, 4, 0, ""},
        {{LineStyle::Solid, 0, 3}, 4, 12, 0, ""},
        {{LineStyle::Solid, 0, 1}, 0.5, 1, 0, ""},
        {{LineStyle::Dot, 0, 1}, 4, 4, 2, "############............############............"},
        {{LineStyle::Dot, 0, 2}, 4, 8, 4, std::string(150, '#')}};
    for (const auto& r : rows) {
        // One horizontal line across a 40 x 5 client area, on white.
        QImage image(int(40 * r.times), int(5 * r.times), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            PainterSurface s(p, QRectF(0, 0, image.width(), image.height()), 40, 5, false);
            s.selectPen(r.pen);
            s.moveTo(0, 2, 0, 2);
            s.lineTo(40, 2, 40, 2);
        }
        std::string row;
        int thickness = 0;
        for (int x = r.from; x < r.from + int(r.row.size()); ++x)
            row += image.pixel(x, int(2.5 * r.times)) == qRgb(255, 255, 255) ? '.' : '#';
        for (int y = 0; y < image.height(); ++y)
            thickness += image.pixel(image.width() / 2, y) != qRgb(255, 255, 255);
        EXPECT_EQ(std::pair(thickness, row), std::pair(r.thickness, r.row))
            << int(r.pen.style) << " " << r.pen.width << " at " << r.times;
    }
}

// Lines counted by their group's stroke and dashes (the outer group holds the background).
TEST(PictureFile, SvgHoldsTheDiagramAsLinesWithDottedContinuations) {
    NeedApplication();
    const DrawingRecord record = RecordDiagram(MirrorConcave, -10);
    const QString svg = SvgPicture(PanelPicture(record), {1700, 1124});
    const QRegularExpression group(R"re(<g ([^>]*)>(.*?)</g>)re",
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression stroke(R"re( stroke="([^"]*)")re");
    const QRegularExpression dotted(R"re(stroke-dasharray="[0-9])re");
    const QRegularExpression shape(R"re(<(?:polyline|path)\b([^>]*)>)re");
    const QRegularExpression points(R"re( points="([^"]*)")re");
    std::map<std::pair<QString, bool>, int> lines; // by stroke and dottedness
    int axis = 0, arc = 0, marks = 0;
    for (const auto& g : group.globalMatch(svg)) {
        const QString colour = stroke.match(g.captured(1)).captured(1);
        marks += int(g.captured(2).count(QLatin1String("<ellipse")));
        for (const auto& line : shape.globalMatch(g.captured(2))) {
            const QStringList xy =
                points.match(line.captured(1)).captured(1).split(' ', Qt::SkipEmptyParts);
            ++lines[{colour, dotted.match(g.captured(1)).hasMatch()}];
            axis += colour == "#000000" && xy.size() == 2 &&
                    xy[0].section(',', 0, 0).toDouble() <= 2 &&
                    xy[1].section(',', 0, 0).toDouble() >= 1700;
            arc += colour == "#000000" && xy.size() > 100;
        }
    }
    EXPECT_EQ(std::tuple(axis, arc, marks), std::tuple(1, 1, 2));
    EXPECT_EQ((lines[{"#64fa96", false}]), 4); // rays 1 to 4
    EXPECT_EQ((lines[{"#64fa96", true}]), 2);  // their dotted continuations
    EXPECT_EQ((lines[{"#0a0fc8", false}]), 3); // object arrow: shaft and two strokes
    EXPECT_EQ((lines[{"#6496ff", false}]), 3); // image arrow
}

// The format by extension in any case; a PNG of the size asked, the axis across; a PDF page.
TEST(PictureFile, EachFormatAsAsked) {
    const std::pair<const char*, std::optional<PictureFormat>> names[] = {
        {"a.png", PictureFormat::Png},
        {"dir.x/A.SVG", PictureFormat::Svg},
        {"a.b.Pdf", PictureFormat::Pdf},
        {"a.jpg", std::nullopt},
        {"png", std::nullopt}};
    for (const auto& [name, format] : names)
        EXPECT_EQ(PictureFormatOf(name), format) << name;
    NeedApplication();
    QTemporaryDir dir;
    const DrawingRecord record = RecordDiagram(MirrorPlane, -40);
    QFile pdf(dir.filePath("d.pdf"));
    ASSERT_EQ(WritePicture(PanelPicture(record), pdf.fileName(), PictureFormat::Pdf, {1700, 1124}),
              "");
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(R"(/Type\s*/Page\b)")),
              1);
    for (const QSize size : {QSize(1700, 1124), QSize(640, 640), QSize(200, 50)}) {
        const QString name = dir.filePath("d.png");
        ASSERT_EQ(WritePicture(PanelPicture(record), name, PictureFormat::Png, size), "");
        const QImage image(name);
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), qRgb(242, 255, 253));
        const QRectF fit = FitClient(PanelPicture(record), QRectF(QPointF(0, 0), QSizeF(size)));
        int dark = 0;
        for (int x = int(fit.left()) + 2; x < int(fit.right()) - 2; ++x)
            dark += qGray(image.pixel(x, int(fit.top() + fit.height() * 141 / 281))) < 128;
        EXPECT_GT(dark, int(fit.width()) * 3 / 4) << size.width() << "x" << size.height();
    }
}

} // namespace
