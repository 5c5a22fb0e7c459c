// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/PainterSurface.h"
#include "diagram/Diagram.h"
#include "diagram/DiagramRecord.h"
#include "plot/ImageSurface.h"
#include "plot/PictureFile.h"
#include "tests/support/GuiApplication.h"
#include "util/PictureWrite.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

namespace {

struct Case {
    TMirrorKind kind;
    double x;
};
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
        DrawDiagram(W, c.x);
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

enum Ink { Black, White, Ray, Object, Image, Other };
constexpr std::array<std::pair<Ink, TColor>, 5> Inks{{{Black, RGB(0, 0, 0)},
                                                      {White, RGB(255, 255, 255)},
                                                      {Ray, DefaultRayColor},
                                                      {Object, DefaultObjectColor},
                                                      {Image, DefaultImageColor}}};

// The ink a pixel is made of, allowing for the blending of antialiased edges.
Ink InkAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    for (const auto& [ink, colour] : Inks) {
        const int dr = qRed(c) - int(RedOf(colour)), dg = qGreen(c) - int(GreenOf(colour)),
                  db = qBlue(c) - int(BlueOf(colour));
        if (dr * dr + dg * dg + db * db < 40 * 40) {
            return ink;
        }
    }
    return Other;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

Box BoxOf(const QImage& image, Ink ink) {
    Box b;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (InkAt(image, x, y) == ink) {
                b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x),
                     std::max(b.bottom, y)};
            }
        }
    }
    return b;
}

// The row (or column) holding the most pixels of an ink.
int Densest(const QImage& image, Ink ink, bool rows) {
    const int n = rows ? image.height() : image.width();
    const int m = rows ? image.width() : image.height();
    int best = -1, bestCount = -1;
    for (int i = 0; i < n; ++i) {
        int count = 0;
        for (int j = 0; j < m; ++j) {
            count += InkAt(image, rows ? j : i, rows ? i : j) == ink;
        }
        if (count > bestCount) {
            best = i;
            bestCount = count;
        }
    }
    return best;
}

// A panel pixel p at `times` the size covers [p * times, (p + 1) * times).
void ExpectNear(int panel, int scaled, int times, int slack, const char* what) {
    EXPECT_GE(scaled, panel * times - slack * times) << what << " at " << times;
    EXPECT_LT(scaled, (panel + 1) * times + slack * times) << what << " at " << times;
}

class Landmarks : public ::testing::TestWithParam<Case> {};

TEST_P(Landmarks, LandWhereThePanelDrawsThemAtAnySize) {
    const Panel panel(GetParam());
    const QImage& reference = panel.surface.image();
    const Box black = BoxOf(reference, Black);
    const Box object = BoxOf(reference, Object);
    const Box image = BoxOf(reference, Image);
    const int axis = Densest(reference, Black, true);
    const int mirrorColumn = Densest(reference, Black, false);
    for (const auto& [times, antialiasing] : {std::pair{1, false}, {4, true}, {2, true}}) {
        const QImage drawn = Painted(panel.record, times, antialiasing);
        ExpectNear(axis, Densest(drawn, Black, true), times, 1, "axis row");
        // The mirror is the black beside the axis.
        ExpectNear(black.top, BoxOf(drawn, Black).top, times, 1, "mirror top");
        ExpectNear(black.bottom, BoxOf(drawn, Black).bottom, times, 1, "mirror bottom");
        if (GetParam().kind == MirrorPlane) {
            ExpectNear(mirrorColumn, Densest(drawn, Black, false), times, 1, "mirror column");
        }
        const Box o = BoxOf(drawn, Object);
        ExpectNear(object.top, o.top, times, 1, "object tip");
        ExpectNear(object.left, o.left, times, 1, "object head, left");
        ExpectNear(object.right, o.right, times, 1, "object head, right");
        if (image.right >= 0) {
            const Box i = BoxOf(drawn, Image);
            ExpectNear(image.top, i.top, times, 1, "image arrow top");
            ExpectNear(image.bottom, i.bottom, times, 1, "image arrow bottom");
            ExpectNear(image.left, i.left, times, 1, "image head, left");
        }
        if (GetParam().kind != MirrorPlane) {
            // The marks are the only white: discs at the centre and the focus.
            const Box w = BoxOf(reference, White), d = BoxOf(drawn, White);
            ASSERT_GE(w.right, 0);
            ExpectNear(w.left, d.left, times, 1, "leftmost mark");
            ExpectNear(w.right, d.right, times, 1, "rightmost mark");
            ExpectNear(w.top, d.top, times, 1, "marks' top");
            ExpectNear(w.bottom, d.bottom, times, 1, "marks' bottom");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Diagrams, Landmarks, ::testing::ValuesIn(Cases));

// The axis starts in the panel's first column, which it covers whole: so
// does every picture of it, to its very edge.
TEST(PainterSurface, TheAxisCoversItsFirstColumnAtAnySize) {
    const Panel panel(Cases[4]);
    for (const auto& [times, antialiasing] : {std::pair{1, false}, {4, false}, {4, true}}) {
        const QImage drawn = Painted(panel.record, times, antialiasing);
        const int axis = Densest(drawn, Black, true);
        for (int x = 0; x < times; ++x) {
            EXPECT_EQ(InkAt(drawn, x, axis), Black) << "column " << x << " at " << times;
        }
    }
}

// A wide pen's round ends land where the line ends, wherever that falls
// between pixels and wherever the painter is moved to, in the pen's colour:
// exactly, or copied from a disc drawn before to well under a pixel.
TEST(PainterSurface, RoundEndsAreDiscsCentredOnTheLinesEnds) {
    NeedApplication();
    const QColor ink(200, 30, 90);
    for (const double left : {-37.3, 0.0, 12.45, 12.55, 100.875, 7.0625}) {
        for (const QPoint moved : {QPoint(0, 0), QPoint(3, -2), QPoint(-11, 5), QPoint(40, 12)}) {
            SCOPED_TRACE(left);
            SCOPED_TRACE(moved.x());
            const QRectF target(left, -4.3 + left / 7, 200, 100);
            const double scale = 2.5; // 80 by 40 client pixels
            QImage drawn(220, 120, QImage::Format_RGB32), expected(drawn.size(), drawn.format());
            drawn.fill(Qt::white);
            expected.fill(Qt::white);
            {
                QPainter p(&drawn);
                p.translate(moved);
                PainterSurface s(p, target, 80, 40);
                s.selectPen(TPen{LineStyle::Solid, RGB(200, 30, 90), 3});
                s.moveToExact(0, 0, 10.3, 20.7);
                s.lineToExact(0, 0, 50.6, 25.1);
            }
            {
                QPainter p(&expected);
                p.translate(moved);
                p.setRenderHint(QPainter::Antialiasing);
                p.setClipRect(target);
                const QPointF a = ClientToDevice(target, scale, scale, 10.3, 20.7);
                const QPointF b = ClientToDevice(target, scale, scale, 50.6, 25.1);
                p.setPen(QPen(ink, 3 * scale, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(a, b);
                p.setPen(Qt::NoPen);
                p.setBrush(ink);
                p.drawEllipse(a, 1.5 * scale, 1.5 * scale);
                p.drawEllipse(b, 1.5 * scale, 1.5 * scale);
            }
            int largest = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const QRgb d = drawn.pixel(x, y), e = expected.pixel(x, y);
                    largest =
                        std::max({largest, std::abs(qRed(d) - qRed(e)),
                                  std::abs(qGreen(d) - qGreen(e)), std::abs(qBlue(d) - qBlue(e))});
                }
            }
            EXPECT_EQ(largest, 0);
        }
    }
}

TEST(DrawingRecord, ReplayedOnAFreshImageGivesThePanelsPixels) {
    for (const Case& c : Cases) {
        const Panel panel(c);
        ImageSurface again(PanelWidth, PanelHeight);
        again.fill(PanelColor);
        panel.record.replay(again);
        EXPECT_EQ(again.image(), panel.surface.image()) << int(c.kind) << " " << c.x;
    }
}

// One horizontal line with a pen, on a white picture `times` the size of a
// 40 x 5 client area; returns the pixels of its middle row as '#' and '.'.
std::string LineRow(const TPen& pen, double times, int* thickness = nullptr) {
    QImage image(int(40 * times), int(5 * times), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        PainterSurface s(p, QRectF(0, 0, image.width(), image.height()), 40, 5, false);
        s.selectPen(pen);
        s.moveToExact(0, 2, 0, 2);
        s.lineToExact(40, 2, 40, 2);
    }
    std::string row;
    const int y = int(2.5 * times);
    for (int x = 0; x < image.width(); ++x) {
        row += image.pixel(x, y) == qRgb(255, 255, 255) ? '.' : '#';
    }
    if (thickness) {
        *thickness = 0;
        for (int yy = 0; yy < image.height(); ++yy) {
            *thickness += image.pixel(image.width() / 2, yy) != qRgb(255, 255, 255);
        }
    }
    return row;
}

TEST(PainterSurface, PenWidthsScaleWithThePictureWithAFloorOfOneDevicePixel) {
    int thickness = 0;
    LineRow({LineStyle::Solid, 0, 1}, 4, &thickness);
    EXPECT_EQ(thickness, 4);
    LineRow({LineStyle::Solid, 0, 3}, 4, &thickness);
    EXPECT_EQ(thickness, 12);
    LineRow({LineStyle::Solid, 0, 1}, 0.5, &thickness);
    EXPECT_EQ(thickness, 1);
}

TEST(PainterSurface, DotsAreThreePanelPixelsOnAndOffAndWidePensDrawSolid) {
    const std::string dotted = LineRow({LineStyle::Dot, 0, 1}, 4);
    // From the line's start (half a panel pixel in): 12 on, 12 off.
    EXPECT_EQ(dotted.substr(2, 48), std::string(12, '#') + std::string(12, '.') +
                                        std::string(12, '#') + std::string(12, '.'));
    const std::string wide = LineRow({LineStyle::Dot, 0, 2}, 4);
    EXPECT_EQ(wide.substr(4, 150), std::string(150, '#'));
}

// The SVG's drawing elements, with the stroke of the group each is in.
struct SvgShape {
    QString element, stroke, dashes;
    int points = 0;
    double minX = 1e9, maxX = -1e9;
};

std::vector<SvgShape> ParseSvg(const QByteArray& svg) {
    std::vector<SvgShape> shapes;
    QXmlStreamReader xml(svg);
    std::vector<std::pair<QString, QString>> groups;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto a = xml.attributes();
            if (xml.name() == QLatin1String("g")) {
                groups.emplace_back(a.value("stroke").toString(),
                                    a.value("stroke-dasharray").toString());
            } else if (xml.name() == QLatin1String("polyline") ||
                       xml.name() == QLatin1String("ellipse") ||
                       xml.name() == QLatin1String("path")) {
                SvgShape s{xml.name().toString(), groups.empty() ? "" : groups.back().first,
                           groups.empty() ? "" : groups.back().second};
                for (const QString& p :
                     a.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
                    const double x = p.section(',', 0, 0).toDouble();
                    s.minX = std::min(s.minX, x);
                    s.maxX = std::max(s.maxX, x);
                    ++s.points;
                }
                shapes.push_back(s);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g") && !groups.empty()) {
            groups.pop_back();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return shapes;
}

TEST(PictureFile, SvgHoldsTheDiagramAsLinesWithDottedContinuations) {
    NeedApplication();
    const DrawingRecord record = RecordDiagram(MirrorConcave, -10);
    const std::vector<SvgShape> shapes = ParseSvg(SvgPicture(PanelPicture(record), {1700, 1124}));
    std::map<std::pair<QString, bool>, int> lines; // by stroke and dottedness
    int axis = 0, arc = 0, marks = 0;
    for (const SvgShape& s : shapes) {
        if (s.element == "ellipse") {
            ++marks;
            continue;
        }
        ++lines[{s.stroke, !s.dashes.isEmpty() && s.dashes != "none"}];
        axis += s.stroke == "#000000" && s.points == 2 && s.minX <= 2 && s.maxX >= 1700;
        arc += s.stroke == "#000000" && s.points > 100;
    }
    EXPECT_EQ(axis, 1);
    EXPECT_EQ(arc, 1);
    EXPECT_EQ(marks, 2);
    EXPECT_EQ((lines[{"#64fa96", false}]), 4); // rays 1 to 4
    EXPECT_EQ((lines[{"#64fa96", true}]), 2);  // their dotted continuations
    EXPECT_EQ((lines[{"#0a0fc8", false}]), 3); // object arrow: shaft and two strokes
    EXPECT_EQ((lines[{"#6496ff", false}]), 3); // image arrow
}

// The page's drawing operators, inflated.
QByteArray PdfContent(const QByteArray& pdf) {
    QByteArray all;
    for (qsizetype at = 0; (at = pdf.indexOf("stream", at)) >= 0;) {
        qsizetype start = at + 6;
        if (pdf.mid(start, 2) == "\r\n") {
            start += 2;
        } else if (pdf.at(start) == '\n') {
            ++start;
        }
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0) {
            break;
        }
        QByteArray z = pdf.mid(start, end - start);
        QByteArray sized(4, '\0');
        sized[0] = char(0x01); // a generous guess of the inflated size
        const QByteArray inflated = qUncompress(sized + z);
        all += inflated.isEmpty() ? z : inflated;
        at = end + 9;
    }
    return all;
}

TEST(PictureFile, PdfIsOnePageOfLinesWithNoPicture) {
    NeedApplication();
    QTemporaryDir dir;
    const QString name = dir.filePath("d.pdf");
    const DrawingRecord record = RecordDiagram(MirrorConcave, -10);
    ASSERT_EQ(WritePicture(PanelPicture(record), name, PictureFormat::Pdf, {1700, 1124}), "");
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              1);
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    EXPECT_FALSE(pdf.contains("/Subtype/Image"));
    const QByteArray content = PdfContent(pdf);
    // The mirror's arc alone is hundreds of line segments.
    EXPECT_GT(content.count(" l\n"), 250);
}

TEST(PictureFile, PngHasTheAskedSizeAndThePanelsColour) {
    NeedApplication();
    QTemporaryDir dir;
    const DrawingRecord record = RecordDiagram(MirrorPlane, -40);
    for (const QSize size : {QSize(1700, 1124), QSize(640, 640), QSize(200, 50)}) {
        const QString name = dir.filePath("d.png");
        ASSERT_EQ(WritePicture(PanelPicture(record), name, PictureFormat::Png, size), "");
        const QImage image(name);
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.pixel(size.width() - 1, size.height() - 1), qRgb(242, 255, 253));
        // The axis crosses the picture's middle from side to side.
        const QRectF fit = FitClient(PanelPicture(record), QRectF(QPointF(0, 0), QSizeF(size)));
        int dark = 0;
        for (int x = int(fit.left()) + 2; x < int(fit.right()) - 2; ++x) {
            dark += qGray(image.pixel(x, int(fit.top() + fit.height() * 141 / 281))) < 128;
        }
        EXPECT_GT(dark, int(fit.width()) * 3 / 4) << size.width() << "x" << size.height();
    }
}

TEST(PictureFile, AFailedWriteSaysWhyAndLeavesNoFile) {
    NeedApplication();
    QTemporaryDir dir;
    const DrawingRecord record = RecordDiagram(MirrorPlane, -40);
    const QString missing = dir.filePath("no/such/folder/d.png");
    EXPECT_NE(WritePicture(PanelPicture(record), missing, PictureFormat::Png, {100, 60}), "");
    EXPECT_FALSE(QFile::exists(missing));
    QDir(dir.path()).mkdir("taken.svg");
    EXPECT_NE(WritePicture(PanelPicture(record), dir.filePath("taken.svg"), PictureFormat::Svg,
                           {100, 60}),
              "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(PictureFile, FormatComesFromTheExtension) {
    EXPECT_EQ(PictureFormatOf("a.png"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf("dir.x/A.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("a.b.Pdf"), PictureFormat::Pdf);
    EXPECT_EQ(PictureFormatOf("a.jpg"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("png"), std::nullopt);
}

} // namespace
