// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PainterSurface.h"
#include "diagram/DiagramRecord.h"
#include "plot/ImageSurface.h"
#include "tests/support/GuiApplication.h"
#include "util/PictureWrite.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>

namespace {

// A picture of `size` on `background` with what `draw` paints on it.
template <class Draw> QImage Drawn(QSize size, QColor background, const Draw& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    draw(p);
    p.end();
    return image;
}

enum Ink { Black, White, Ray, Object, Image, Inks };

// The ink a pixel is made of, allowing for antialiased edges; Inks for none.
Ink InkAt(const QImage& image, int x, int y) {
    constexpr TColor inks[Inks] = {RGB(0, 0, 0), RGB(255, 255, 255), DefaultRayColor,
                                   DefaultObjectColor, DefaultImageColor};
    const auto near = [c = image.pixel(x, y)](TColor k) {
        const int r = qRed(c) - int(RedOf(k)), g = qGreen(c) - int(GreenOf(k)),
                  b = qBlue(c) - int(BlueOf(k));
        return r * r + g * g + b * b < 40 * 40;
    };
    return Ink(std::ranges::find_if(inks, near) - inks);
}

// Where the drawing lies: the blackest row and column, and the box of each ink drawn.
std::map<std::string, int> Landmarks(const QImage& image) {
    std::array<QRect, Inks + 1> boxes;
    std::vector<int> rows(image.height()), columns(image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Ink ink = InkAt(image, x, y);
            boxes[ink] |= QRect(x, y, 1, 1);
            rows[y] += ink == Black;
            columns[x] += ink == Black;
        }
    std::map<std::string, int> at{
        {"axis row", int(std::ranges::max_element(rows) - rows.begin())},
        {"mirror column", int(std::ranges::max_element(columns) - columns.begin())}};
    for (const Ink ink : {Black, White, Object, Image}) {
        int edges[4];
        boxes[ink].getCoords(&edges[0], &edges[1], &edges[2], &edges[3]);
        for (int e = 0; e < 4 && !boxes[ink].isNull(); ++e)
            at["ink " + std::to_string(ink) + " " + "ltrb"[e]] = edges[e];
    }
    return at;
}

// The record the panel keeps replayed gives the panel's pixels; at any size, everything lands
// where the panel has it, give or take a panel pixel, the axis reaching the picture's very edge.
TEST(PainterSurface, PanelReplayedAndPaintedAtAnySize) {
    for (const Scene scene :
         {Scene{MirrorPlane, -40}, Scene{MirrorConvex, -40}, Scene{MirrorConcave, -75},
          Scene{MirrorConcave, -24}, Scene{MirrorConcave, -10}}) {
        SCOPED_TRACE(testing::Message() << int(scene.kind) << " at " << scene.objectPos);
        ImageSurface panel(PanelWidth, PanelHeight), again(PanelWidth, PanelHeight);
        DrawingRecord record;
        panel.fill(PanelColor);
        panel.setRecord(&record);
        RecordDiagram(scene.kind, scene.objectPos).replay(panel);
        again.fill(PanelColor);
        record.replay(again);
        EXPECT_TRUE(again.image() == panel.image());
        const auto expected = Landmarks(panel.image());
        for (const auto& [times, antialiasing] :
             {std::pair{1, false}, {4, false}, {4, true}, {2, true}}) {
            SCOPED_TRACE(testing::Message() << "at " << times << ", antialiasing " << antialiasing);
            const QSize size = QSize(PanelWidth, PanelHeight) * times;
            const QImage drawn = Drawn(size, ToQColor(PanelColor), [&, aa = antialiasing](auto& p) {
                PainterSurface s(p, QRectF(QPointF(), size), PanelWidth, PanelHeight, aa);
                record.replay(s);
            });
            auto got = Landmarks(drawn);
            ASSERT_EQ(got.size(), expected.size());
            for (const auto& [name, at] : expected) {
                ASSERT_TRUE(got.contains(name)) << name;
                // Panel pixel p covers [p * times, (p + 1) * times).
                const bool near = got[name] >= (at - 1) * times && got[name] < (at + 2) * times;
                EXPECT_TRUE(near || (name == "mirror column" && scene.kind != MirrorPlane))
                    << name << ": " << got[name] << " for " << at << " on the panel";
            }
            for (int x = 0; x < times; ++x)
                EXPECT_EQ(InkAt(drawn, x, got["axis row"]), Black) << "column " << x;
        }
    }
}

// A wide pen's round ends are discs of its width centred on the line's ends, wherever those
// fall between pixels and wherever the painter is moved to. Pen widths scale with the picture,
// at least one device pixel; dots are three panel pixels on and off from the line's start, half
// a panel pixel in; a wide pen draws solid.
TEST(PainterSurface, PenWidthsDotsAndRoundEnds) {
    NeedApplication();
    const QColor ink(200, 30, 90);
    for (const double left : {-37.3, 0.0, 12.45, 12.55, 100.875, 7.0625})
        for (const QPoint moved : {QPoint(0, 0), QPoint(3, -2), QPoint(-11, 5), QPoint(40, 12)}) {
            SCOPED_TRACE(testing::Message() << left << ", moved " << moved.x());
            const QRectF target(left, -4.3 + left / 7, 200, 100); // 2.5 a client pixel
            const QImage drawn = Drawn({220, 120}, Qt::white, [&](QPainter& p) {
                p.translate(moved);
                PainterSurface s(p, target, 80, 40);
                s.selectPen(TPen{LineStyle::Solid, RGB(200, 30, 90), 3});
                s.moveTo(0, 0, 10.3, 20.7);
                s.lineTo(0, 0, 50.6, 25.1);
            });
            const QImage expected = Drawn({220, 120}, Qt::white, [&](QPainter& p) {
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
            });
            EXPECT_TRUE(drawn == expected);
        }
    // The pen, the picture's pixels to a client pixel, the line's thickness, and the middle row's
    // pixels from a column on.
    const std::tuple<TPen, double, int, int, std::string> rows[] = {
        {{LineStyle::Solid, 0, 1}, 4, 4, 0, ""},
        {{LineStyle::Solid, 0, 3}, 4, 12, 0, ""},
        {{LineStyle::Solid, 0, 1}, 0.5, 1, 0, ""},
        {{LineStyle::Dot, 0, 1}, 4, 4, 2, "############............############............"},
        {{LineStyle::Dot, 0, 2}, 4, 8, 4, std::string(150, '#')}};
    for (const auto& [pen, times, thickness, from, row] : rows) {
        // One horizontal line across a 40 x 5 client area, on white.
        const QSize size(int(40 * times), int(5 * times));
        const QImage image = Drawn(size, Qt::white, [&](QPainter& p) {
            PainterSurface s(p, QRectF(QPointF(), size), 40, 5, false);
            s.selectPen(pen);
            s.moveTo(0, 2, 0, 2);
            s.lineTo(40, 2, 40, 2);
        });
        std::string got;
        int width = 0;
        for (int x = from; x < from + int(row.size()); ++x)
            got += image.pixel(x, int(2.5 * times)) == qRgb(255, 255, 255) ? '.' : '#';
        for (int y = 0; y < image.height(); ++y)
            width += image.pixel(image.width() / 2, y) != qRgb(255, 255, 255);
        EXPECT_EQ(std::pair(width, got), std::pair(thickness, row))
            << int(pen.style) << " " << pen.width << " at " << times;
    }
}

// The format by extension in any case; a PNG of the size asked, the axis across; a PDF page.
// An SVG's lines counted by their group's stroke and dashes (the outer group holds the
// background): the axis across, the mirror's arc and two marks; four rays, two of them dotted
// on beyond the mirror; the object's and the image's arrows of a shaft and two strokes each.
TEST(PictureFile, EachFormatAsAsked) {
    QStringList formats;
    for (const char* name : {"a.png", "dir.x/A.SVG", "a.b.Pdf", "a.jpg", "png"})
        formats << QStringList{"png", "svg", "pdf",
                               "none"}[int(PictureFormatOf(name).value_or(PictureFormat(3)))];
    EXPECT_EQ(formats.join(' '), "png svg pdf none none");
    NeedApplication();
    const DrawingRecord concave = RecordDiagram(MirrorConcave, -10);
    const QString svg = SvgPicture(PanelPicture(concave), {1700, 1124});
    const QRegularExpression stroke(R"re( stroke="([^"]*)")re");
    const QRegularExpression dotted(R"re(stroke-dasharray="[0-9])re");
    const QRegularExpression shape(R"re(<(?:polyline|path)\b(?:[^>]* points="([^"]*)")?)re");
    std::map<QString, int> count; // lines by stroke and dots; the axis, the arc, the marks
    for (const QString& g : svg.split(QLatin1String("<g ")).mid(1)) {
        const QString head = g.left(g.indexOf('>')), colour = stroke.match(head).captured(1);
        count["marks"] += int(g.count(QLatin1String("<ellipse")));
        for (const auto& line : shape.globalMatch(g)) {
            const QStringList xy = line.captured(1).split(' ', Qt::SkipEmptyParts);
            ++count[colour + (dotted.match(head).hasMatch() ? " dotted" : "")];
            count["axis"] += colour == "#000000" && xy.size() == 2 &&
                             xy[0].section(',', 0, 0).toDouble() <= 2 &&
                             xy[1].section(',', 0, 0).toDouble() >= 1700;
            count["arc"] += colour == "#000000" && xy.size() > 100;
        }
    }
    EXPECT_EQ(std::tuple(count["axis"], count["arc"], count["marks"], count["#64fa96"],
                         count["#64fa96 dotted"], count["#0a0fc8"], count["#6496ff"]),
              std::tuple(1, 1, 2, 4, 2, 3, 3));
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
