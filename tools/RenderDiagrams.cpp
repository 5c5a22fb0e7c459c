// Writes the diagrams of the characteristic cases to PNG files, drawn by the
// program's own drawing code, so they can be looked at without a display.
//   render_diagrams <output folder>

#include "Diagram.h"
#include "ImageSurface.h"
#include "Optics.h"
#include "RunError.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_diagrams <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    struct Case {
        const char* name;
        TMirrorKind kind;
        double x;
    } cases[] = {
        {"plane-40", MirrorPlane, -40},     {"convex-40", MirrorConvex, -40},
        {"concave-75", MirrorConcave, -75}, {"concave-50", MirrorConcave, -50},
        {"concave-30", MirrorConcave, -30}, {"concave-25", MirrorConcave, -25},
        {"concave-24", MirrorConcave, -24}, {"concave-10", MirrorConcave, -10},
    };
    RayColor = DefaultRayColor;
    ObjectColor = DefaultObjectColor;
    ImageColor = DefaultImageColor;
    PlotUnitInit();
    for (const Case& c : cases) {
        ImageSurface surface(425, 281);
        TPlotWindow W;
        PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
        surface.fill(RGB(242, 255, 253));
        MirrorKind = c.kind;
        CurvatureSign = IntPower(-1, c.kind == MirrorConcave ? 1 : 0);
        try {
            DrawDiagram(W, c.x);
        } catch (const RunError& e) {
            std::fprintf(stderr, "%s: %s\n", c.name, e.what());
            return 1;
        }
        const QString file = out.filePath(QString::fromLatin1(c.name) + QStringLiteral(".png"));
        if (!surface.image().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
