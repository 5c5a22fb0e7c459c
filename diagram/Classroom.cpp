// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/Classroom.h"

#include "core/Language.h"
#include "core/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The mirror is drawn across most of the picture's height, its curve a
// shallow arc of this depth at its ends, as a fraction of its half height.
// Rays meet it where they cross the plane of its vertex, at the arc's point
// of that height, so that they meet at the image as the mirror formula puts
// it (the thin-mirror construction of the textbooks).
constexpr double MirrorReach = 0.85;
constexpr double MirrorSag = 0.06;

// Line widths and sizes in client pixels of the 850 × 562 picture; they
// scale with it.
constexpr int AxisWidth = 2;
constexpr int MirrorWidth = 4;
constexpr int RayWidth = 3;
constexpr int ArrowWidth = 5;
constexpr double RayHead = 16;
constexpr double ArrowHead = 20;
constexpr double Dash = 14, Gap = 9;
constexpr double MarkRadius = 6;
constexpr double LabelHeight = 26;
constexpr double NumberHeight = 17;
constexpr double WordsHeight = 24;
constexpr double TickLength = 7;

struct Pt {
    double x, y;
};
Pt operator+(Pt a, Pt b) {
    return {a.x + b.x, a.y + b.y};
}
Pt operator-(Pt a, Pt b) {
    return {a.x - b.x, a.y - b.y};
}
Pt operator*(Pt a, double k) {
    return {a.x * k, a.y * k};
}
double Length(Pt a) {
    return std::hypot(a.x, a.y);
}
Pt Unit(Pt a) {
    const double l = Length(a);
    return l > 0 ? a * (1 / l) : Pt{0, 0};
}

double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// What must be in view, in world units.
struct Content {
    double lo = 0, hi = 0; // abscissae
    double top = 0;        // the largest distance from the axis
};

bool ImageDrawn(const ImageResult& image) {
    return !image.atInfinity && std::isfinite(image.position) &&
           std::abs(image.position) <= FarthestDrawnImage;
}

Content ContentOf(const Scene& scene, const ImageResult& image) {
    Content c{std::min(scene.objectPos, 0.0), std::max(scene.objectPos, 0.0), ObjectHeight};
    const auto take = [&c](double x, double y) {
        c.lo = std::min(c.lo, x);
        c.hi = std::max(c.hi, x);
        c.top = std::max(c.top, std::abs(y));
    };
    if (scene.kind != MirrorPlane) {
        const double s = CurvatureSignOf(scene.kind);
        take(CurvatureRadius * s, 0);
        take(FocalLength * s, 0);
    }
    if (ImageDrawn(image)) {
        take(image.position, image.height);
    }
    return c;
}

double Span(double division) {
    return division * ClassroomDivisions;
}

// Does the content fit a view of this division placed at `left`, with a
// division's margin either side and room for the labels, within `room` of
// the picture (1: all of it)?
bool Fits(const Content& c, double division, double left, double aspect, double room) {
    const double margin = 1.5 * division;
    const double width = Span(division) * room;
    const double halfHeight = Span(division) * aspect / 2 * room;
    const double centre = left + Span(division) / 2;
    const double l = centre - width / 2;
    return c.lo - margin >= l - 1e-9 && c.hi + margin <= l + width + 1e-9 &&
           c.top * 1.1 + margin / 2 <= halfHeight;
}

// The left edge for a division, moved as little as it must from `start`
// and kept on a whole division, so the picture does not pan at every step.
double PlaceLeft(const Content& c, double division, double start) {
    double left = start;
    const double margin = 1.5 * division;
    if (c.lo - margin < left) {
        left = std::floor((c.lo - margin) / division) * division;
    }
    if (c.hi + margin > left + Span(division)) {
        left = std::ceil((c.hi + margin) / division) * division - Span(division);
    }
    return left;
}

// The part of a-b inside the box from `low` to `high`; false when none is.
bool ClipTo(Pt& a, Pt& b, Pt low, Pt high) {
    double t0 = 0, t1 = 1;
    const Pt d = b - a;
    const double p[4] = {-d.x, d.x, -d.y, d.y};
    const double q[4] = {a.x - low.x, high.x - a.x, a.y - low.y, high.y - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0) {
                t0 = std::max(t0, t);
            } else {
                t1 = std::min(t1, t);
            }
        }
    }
    if (t0 > t1) {
        return false;
    }
    const Pt a0 = a;
    a = a0 + d * t0;
    b = a0 + d * t1;
    return true;
}

// A drawing in client pixels through a plotting surface, lines cut to the
// client area so that no far point can overflow a pixel.
class Sketch {
public:
    Sketch(Surface& s, int width, int height) : s_(s), w_(width), h_(height) {}

    // Square ends: round ones cost the raster engine a disc at every end,
    // and the dashes have many.
    void pen(TColor colour, int width) {
        s_.selectPen(TPen{LineStyle::Solid, colour, width, true});
    }
    // The part of a-b inside the client area; false when none is.
    bool clip(Pt& a, Pt& b) const { return ClipTo(a, b, {0, 0}, {double(w_), double(h_)}); }
    void line(Pt a, Pt b) {
        if (!clip(a, b)) {
            return;
        }
        s_.moveTo(Round(a.x), Round(a.y), a.x, a.y);
        s_.lineTo(Round(b.x), Round(b.y), b.x, b.y);
    }
    void dashed(Pt a, Pt b) {
        if (!clip(a, b)) {
            return;
        }
        const double length = Length(b - a);
        const Pt u = Unit(b - a);
        for (double at = 0; at < length; at += Dash + Gap) {
            line(a + u * at, a + u * std::min(at + Dash, length));
        }
    }
    void polyline(const std::vector<Pt>& points) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            line(points[i - 1], points[i]);
        }
    }
    // An open head at `tip` for a line going in direction `u`.
    void head(Pt tip, Pt u, double size) {
        const double angle = 0.45;
        const Pt back = u * -size;
        const auto turn = [](Pt v, double a) {
            return Pt{v.x * std::cos(a) - v.y * std::sin(a), v.x * std::sin(a) + v.y * std::cos(a)};
        };
        line(tip, tip + turn(back, angle));
        line(tip, tip + turn(back, -angle));
    }
    void disc(Pt c, double r) {
        s_.ellipse(Round(c.x - r), Round(c.y - r), Round(c.x + r + 1), Round(c.y + r + 1), c.x - r,
                   c.y - r, c.x + r + 1, c.y + r + 1);
    }
    void text(Pt at, const QString& text, TColor colour, double height, TTextMark::Align align,
              TTextMark::VAlign valign, bool bold = false) {
        s_.text(at.x, at.y, TTextMark{text, height, colour, align, valign, bold});
    }
    int width() const { return w_; }
    int height() const { return h_; }

private:
    static std::int32_t Round(double v) {
        return static_cast<std::int32_t>(std::lround(std::clamp(v, -1e6, 1e6)));
    }
    Surface& s_;
    int w_, h_;
};

// The world as the view puts it in the client area.
struct Frame {
    double k;    // client pixels a world unit
    double left; // world abscissa of the left edge
    double mid;  // client row of the axis
    Pt at(Pt w) const { return {(w.x - left) * k, mid - w.y * k}; }
    Pt dir(Pt w) const { return Unit(Pt{w.x, -w.y}); }
};

class Sketch;
double MirrorHalf(const Frame& fr, const Sketch& k);

// The mirror as drawn: its half height and the abscissa of its arc.
struct MirrorShape {
    TMirrorKind kind;
    double half;
    double arcX(double y) const {
        return kind == MirrorPlane
                   ? 0
                   : CurvatureSignOf(kind) * MirrorSag * half * (y / half) * (y / half);
    }
};

// Where the line from p in direction u meets the mirror: its height where
// it crosses the vertex's plane, within the mirror drawn.
std::optional<Pt> MirrorHit(const MirrorShape& m, Pt p, Pt u) {
    if (std::abs(u.x) < 1e-12) {
        return std::nullopt;
    }
    const double y = p.y + u.y * (-p.x / u.x);
    if (std::abs(y) > m.half) {
        return std::nullopt;
    }
    return Pt{m.arcX(y), y};
}

// One principal ray: from the object's tip to the mirror, then on.
struct PrincipalRay {
    Pt hit;
    Pt in;  // direction of the incident light
    Pt out; // direction of the reflected light
    int colour;
};

std::vector<PrincipalRay> PrincipalRays(const Scene& scene, const ImageResult& image,
                                        const MirrorShape& m) {
    const TMirrorKind kind = scene.kind;
    const Pt tip{scene.objectPos, ObjectHeight};
    std::vector<PrincipalRay> rays;
    // Towards (real) or away from (virtual) the image, where it is drawn;
    // else the principal ray's own way out.
    const Pt imageTip{image.position, image.height};
    const auto out = [&](Pt hit, Pt own) {
        if (!ImageDrawn(image) || Length(imageTip - hit) < 1e-9) {
            return Unit(own);
        }
        return image.kind == ImageVirtual ? Unit(hit - imageTip) : Unit(imageTip - hit);
    };
    const auto add = [&](Pt hit, Pt in, Pt own, int colour) {
        rays.push_back({hit, Unit(hit - tip), out(hit, own), colour});
        (void)in;
    };
    // In the colour of the ray it stands in for.
    const auto vertexRay = [&](int colour) {
        const Pt in = Unit(Pt{0, 0} - tip);
        add({0, 0}, in, {-in.x, in.y}, colour);
    };
    if (kind == MirrorPlane) {
        if (auto hit = MirrorHit(m, tip, {1, 0})) {
            add(*hit, {1, 0}, {-1, 0}, 0);
        }
        vertexRay(2);
        return rays;
    }
    const double s = CurvatureSignOf(kind);
    const Pt f{FocalLength * s, 0}, c{CurvatureRadius * s, 0};
    // Parallel to the axis, then through the focus (concave) or as if from
    // it (convex).
    if (auto hit = MirrorHit(m, tip, {1, 0})) {
        add(*hit, {1, 0}, (Pt{0, hit->y} - f) * s, 0);
    }
    // The light travels towards the mirror along the line through a point;
    // none when the line stands upright.
    const auto along = [&tip](Pt through) -> std::optional<Pt> {
        Pt u = Unit(through - tip);
        if (std::abs(u.x) < 1e-9) {
            return std::nullopt;
        }
        return u.x < 0 ? u * -1 : u;
    };
    int missing = -1;
    // Along the line through the focus, then parallel to the axis.
    if (auto u = along(f); u && MirrorHit(m, tip, *u)) {
        add(*MirrorHit(m, tip, *u), *u, {-1, 0}, 1);
    } else {
        missing = 1;
    }
    // Along the line through the centre, then back on itself.
    if (auto u = along(c); u && MirrorHit(m, tip, *u)) {
        add(*MirrorHit(m, tip, *u), *u, *u * -1, 2);
    } else {
        missing = 2;
    }
    // At the centre or the focus one of those stands upright and never
    // meets the mirror: the ray to the vertex takes its place.
    if (missing >= 0) {
        vertexRay(missing);
    }
    return rays;
}

double MirrorHalf(const Frame& fr, const Sketch& k) {
    return MirrorReach * k.height() / 2 / fr.k;
}

// The numbers' spacing on the axis: readable, from the ladder, a whole
// number of ticks.
double LadderAtLeast(double value) {
    for (double n : ClassroomLadder) {
        if (n >= value) {
            return n;
        }
    }
    return ClassroomLadder.back() * std::ceil(value / ClassroomLadder.back());
}

void Environment(Sketch& k, const Frame& fr, const Scene& scene, const ClassroomView& view) {
    const ClassroomPalette& p = ClassroomColors;
    const double right = view.left + Span(view.division);
    k.pen(p.ink, AxisWidth);
    k.line(fr.at({view.left, 0}), fr.at({right, 0}));
    // Ticks every 10 units where they stand apart, numbers where they read.
    const double tick = LadderAtLeast(std::max(10.0, 12 / fr.k));
    const double number = LadderAtLeast(std::max(tick, 85 / fr.k));
    k.pen(p.scale, AxisWidth);
    const double s = scene.kind == MirrorPlane ? 0 : CurvatureSignOf(scene.kind);
    // C and F are written under their marks, where a number would be.
    const auto underMark = [&](double x) {
        return s != 0 && (std::abs(fr.at({x, 0}).x - fr.at({CurvatureRadius * s, 0}).x) < 40 ||
                          std::abs(fr.at({x, 0}).x - fr.at({FocalLength * s, 0}).x) < 40);
    };
    for (double x = std::ceil(view.left / tick) * tick; x <= right; x += tick) {
        const bool numbered = std::fmod(std::abs(x), number) < 1e-6 && !underMark(x);
        const Pt at = fr.at({x, 0});
        k.line(at + Pt{0, -(numbered ? 1.6 : 1) * TickLength},
               at + Pt{0, (numbered ? 1.6 : 1) * TickLength});
        if (numbered && std::abs(x) > 1e-6) {
            k.text(at + Pt{0, 1.6 * TickLength + 3}, PositionForPeople(x, Language), p.scale,
                   NumberHeight, TTextMark::Centre, TTextMark::Top);
        }
    }
    k.pen(p.ink, MirrorWidth);
    const MirrorShape m{scene.kind, MirrorHalf(fr, k)};
    std::vector<Pt> arc;
    for (int i = 0; i <= 32; ++i) {
        const double y = m.half * (2.0 * i / 32 - 1);
        arc.push_back(fr.at({m.arcX(y), y}));
    }
    k.polyline(arc);
    if (scene.kind == MirrorPlane) {
        return;
    }
    k.pen(p.ink, AxisWidth);
    const struct {
        double x;
        const char* label;
    } marks[] = {{CurvatureRadius * s, "C"}, {FocalLength * s, "F"}};
    for (const auto& m : marks) {
        const Pt at = fr.at({m.x, 0});
        k.disc(at, MarkRadius);
        k.text(at + Pt{0, MarkRadius + 4}, QLatin1String(m.label), p.ink, LabelHeight,
               TTextMark::Centre, TTextMark::Top, true);
    }
}

void Arrow(Sketch& k, Pt foot, Pt tip, bool dashed) {
    if (Length(tip - foot) < 1) {
        return;
    }
    if (dashed) {
        k.dashed(foot, tip);
    } else {
        k.line(foot, tip);
    }
    k.head(tip, Unit(tip - foot), ArrowHead);
}

// One principal ray in client pixels: from the object's tip to the mirror,
// then on.
struct RayPath {
    int colour;
    Pt tip, hit, in, out;
};

std::vector<RayPath> RayPaths(const Sketch& k, const Frame& fr, const Scene& scene,
                              const ImageResult& image) {
    std::vector<RayPath> paths;
    // An object on or behind the mirror sends no light towards it.
    if (scene.objectPos >= 0) {
        return paths;
    }
    const MirrorShape m{scene.kind, MirrorHalf(fr, k)};
    const Pt tip = fr.at({scene.objectPos, ObjectHeight});
    for (const PrincipalRay& r : PrincipalRays(scene, image, m)) {
        paths.push_back({r.colour, tip, fr.at(r.hit), fr.dir(r.in), fr.dir(r.out)});
    }
    return paths;
}

bool Diverging(const ImageResult& image) {
    return !image.atInfinity && image.position > 0;
}

// Far enough to leave any picture.
double Far(const Sketch& k) {
    return 4.0 * (k.width() + k.height());
}

void Rays(Sketch& k, const std::vector<RayPath>& paths, bool diverging,
          const std::function<void()>& eachRay) {
    for (const RayPath& r : paths) {
        eachRay();
        k.pen(ClassroomColors.rays[static_cast<std::size_t>(r.colour)], RayWidth);
        k.line(r.tip, r.hit);
        if (Length(r.hit - r.tip) > 3 * RayHead) {
            k.head(r.tip + (r.hit - r.tip) * 0.55, r.in, RayHead);
        }
        Pt a = r.hit, b = r.hit + r.out * Far(k);
        k.line(a, b);
        if (k.clip(a, b) && Length(b - a) > 3 * RayHead) {
            k.head(a + r.out * std::min(0.45 * Length(b - a), 160.0), r.out, RayHead);
        }
        if (diverging) {
            // Where the reflected light seems to come from.
            k.dashed(r.hit, r.hit - r.out * Far(k));
        }
    }
}

// A letter's label: where it is anchored and how it hangs from there.
struct LabelPlace {
    Pt at;
    TTextMark::Align align;
    TTextMark::VAlign valign;
};

using Segment = std::pair<Pt, Pt>;

// What a letter must keep clear of: the rays, the axis, the mirror, and the
// centre's and focus's marks with their letters.
std::vector<Segment> Obstacles(const Sketch& k, const Frame& fr, const Scene& scene,
                               const std::vector<RayPath>& paths, bool diverging) {
    const double half = MirrorHalf(fr, k);
    std::vector<Segment> lines{{{0, fr.mid}, {double(k.width()), fr.mid}},
                               {fr.at({0, half}), fr.at({0, -half})}};
    if (scene.kind != MirrorPlane) {
        for (const double x : {FocalLength, CurvatureRadius}) {
            const Pt mark = fr.at({x * CurvatureSignOf(scene.kind), 0});
            lines.push_back(
                {mark - Pt{0, MarkRadius + 2}, mark + Pt{0, MarkRadius + 4 + LabelHeight}});
        }
    }
    for (const RayPath& r : paths) {
        lines.push_back({r.tip, r.hit});
        lines.push_back({r.hit, r.hit + r.out * Far(k)});
        if (diverging) {
            lines.push_back({r.hit, r.hit - r.out * Far(k)});
        }
    }
    return lines;
}

// Of the places offered, the first whose letter none of the lines crosses,
// else the one fewest cross; a place off the picture comes last.
LabelPlace ClearPlace(const Sketch& k, const std::vector<Segment>& lines,
                      std::initializer_list<LabelPlace> places) {
    const double h = LabelHeight, w = 0.75 * LabelHeight;
    const auto crossings = [&](const LabelPlace& p) {
        const double left = p.at.x - w * static_cast<int>(p.align) / 2.0,
                     top = p.at.y - h * static_cast<int>(p.valign) / 2.0;
        if (left < 0 || top < 0 || left + w > k.width() || top + h > k.height()) {
            return std::size_t{1000};
        }
        return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](auto l) {
            return ClipTo(l.first, l.second, {left, top}, {left + w, top + h});
        }));
    };
    // Each place counted once; a clear one ends the search.
    const LabelPlace* best = places.begin();
    std::size_t fewest = crossings(*best);
    for (const LabelPlace* p = best + 1; p != places.end() && fewest > 0; ++p) {
        if (const std::size_t n = crossings(*p); n < fewest) {
            best = p;
            fewest = n;
        }
    }
    return *best;
}

} // namespace

double RelativeLuminance(TColor color) {
    return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) +
           0.0722 * Linear(BlueOf(color));
}

double ContrastRatio(TColor a, TColor b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::span<const PaletteUse> ClassroomPaletteUses() {
    const ClassroomPalette& p = ClassroomColors;
    static const PaletteUse uses[] = {
        {"ink", p.ink, true},
        {"scale", p.scale, true},
        {"object", p.object, true},
        {"image", p.image, true},
        {"ray parallel", p.rays[0], false},
        {"ray focus", p.rays[1], false},
        {"ray centre", p.rays[2], false},
    };
    return uses;
}

ClassroomView ChooseClassroomView(const Scene& scene, const ImageResult& image, int width,
                                  int height, const std::optional<ClassroomView>& previous) {
    const Content c = ContentOf(scene, image);
    const double aspect = static_cast<double>(std::max(height, 1)) / std::max(width, 1);
    const auto viewOf = [&](double division, double start) {
        return ClassroomView{division, PlaceLeft(c, division, start)};
    };
    std::optional<ClassroomView> best;
    for (double d : ClassroomLadder) {
        const ClassroomView v = viewOf(d, -13 * d);
        if (Fits(c, v.division, v.left, aspect, 1)) {
            best = v;
            break;
        }
    }
    if (!best) {
        // Only a typed position far out: the largest scale, the object cut.
        return viewOf(ClassroomLadder.back(), -13 * ClassroomLadder.back());
    }
    if (previous) {
        if (Fits(c, previous->division, previous->left, aspect, 1)) {
            // Smaller only when the next smaller fits with room to spare.
            const bool roomy = Fits(c, best->division, best->left, aspect, 0.8);
            if (best->division == previous->division || !roomy) {
                return *previous;
            }
        } else if (best->division == previous->division) {
            return viewOf(best->division, previous->left);
        }
    }
    return *best;
}

double ClassroomDrawing::clientX(double x) const {
    return (x - view.left) * width / Span(view.division);
}

double ClassroomDrawing::clientY(double y) const {
    return height / 2.0 - y * width / Span(view.division);
}

double ClassroomDrawing::worldX(double column) const {
    return view.left + column * Span(view.division) / width;
}

QString FarImageWords(const ImageResult& image) {
    if (image.atInfinity) {
        return QCoreApplication::translate("Classroom", "imagen en el %1")
            .arg(LangCaption(LangInfinity));
    }
    if (!ImageDrawn(image)) {
        return QCoreApplication::translate("Classroom", "imagen a %1, fuera del dibujo")
            .arg(PositionForPeople(image.position, Language));
    }
    return {};
}

ClassroomDrawing DrawClassroomScene(const Scene& scene, const ImageResult& image,
                                    const std::optional<ClassroomView>& previous, int width,
                                    int height, const SceneDrawing* last) {
    ClassroomDrawing cd;
    cd.width = std::max(width, 1);
    cd.height = std::max(height, 1);
    cd.view = ChooseClassroomView(scene, image, cd.width, cd.height, previous);
    SceneDrawing& d = cd.drawing;
    d.environmentKey = {scene.kind, TPen{}, cd.width, cd.height, cd.view.division, cd.view.left};
    d.record.reserve(256);
    DrawingRecorder surface(d.record, cd.width, cd.height);
    Sketch k(surface, cd.width, cd.height);
    const Frame fr{cd.width / Span(cd.view.division), cd.view.left, cd.height / 2.0};
    const auto begin = [&d](DrawStep step) {
        d.starts[static_cast<std::size_t>(step)] = d.record.calls().size();
    };
    const ClassroomPalette& p = ClassroomColors;
    begin(DrawStep::Environment);
    // The scale's numbers are whole: the same in every language.
    if (last != nullptr && last->environmentKey == d.environmentKey && !last->failed()) {
        const auto [first, end] = last->environment();
        d.record.append(last->record, first, end);
    } else {
        Environment(k, fr, scene, cd.view);
    }
    begin(DrawStep::Object);
    const std::vector<RayPath> paths = RayPaths(k, fr, scene, image);
    const bool diverging = Diverging(image);
    const std::vector<Segment> obstacles = Obstacles(k, fr, scene, paths, diverging);
    const Pt objectTip = fr.at({scene.objectPos, ObjectHeight});
    const Pt objectMid = fr.at({scene.objectPos, ObjectHeight / 2});
    k.pen(p.object, ArrowWidth);
    Arrow(k, fr.at({scene.objectPos, 0}), objectTip, false);
    // Beside the shaft, where no ray goes as they all leave from the tip,
    // unless one passes there: then over the tip.
    const LabelPlace o = ClearPlace(k, obstacles,
                                    {{objectMid + Pt{-10, 0}, TTextMark::Right, TTextMark::Middle},
                                     {objectTip + Pt{-6, -4}, TTextMark::Right, TTextMark::Bottom},
                                     {objectTip + Pt{6, -4}, TTextMark::Left, TTextMark::Bottom},
                                     {objectMid + Pt{10, 0}, TTextMark::Left, TTextMark::Middle}});
    k.text(o.at, QStringLiteral("O"), p.object, LabelHeight, o.align, o.valign, true);
    begin(DrawStep::Rays);
    Rays(k, paths, diverging, [&] { cd.rayStarts.push_back(d.record.calls().size()); });
    begin(DrawStep::Image);
    if (ImageDrawn(image)) {
        const Pt foot = fr.at({image.position, 0}), tip = fr.at({image.position, image.height});
        const Pt mid = (foot + tip) * 0.5;
        k.pen(p.image, ArrowWidth);
        Arrow(k, foot, tip, image.kind == ImageVirtual);
        // The rays meet at the tip: beside the shaft is clearer.
        const bool upright = tip.y <= foot.y;
        const LabelPlace i =
            ClearPlace(k, obstacles,
                       {{mid + Pt{-12, 0}, TTextMark::Right, TTextMark::Middle},
                        {mid + Pt{12, 0}, TTextMark::Left, TTextMark::Middle},
                        {tip + Pt{0, upright ? -6.0 : 6.0}, TTextMark::Centre,
                         upright ? TTextMark::Bottom : TTextMark::Top},
                        {tip + Pt{12, 0}, TTextMark::Left, TTextMark::Middle},
                        // Over the axis from an inverted image, clear of the scale's numbers.
                        {foot + Pt{0, upright ? 0.0 : -TickLength - 4}, TTextMark::Centre,
                         upright ? TTextMark::Middle : TTextMark::Bottom}});
        k.text(i.at, QStringLiteral("I"), p.image, LabelHeight, i.align, i.valign, true);
    } else {
        k.text({16, 12}, FarImageWords(image), p.ink, WordsHeight, TTextMark::Left, TTextMark::Top,
               true);
    }
    begin(DrawStep::Done);
    d.pen = surface.pen();
    return cd;
}
