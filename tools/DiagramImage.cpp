// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DiagramImage.h"

#include "diagram/Diagram.h"
#include "plot/ImageSurface.h"

const std::vector<DiagramCase>& CharacteristicCases() {
    static const std::vector<DiagramCase> cases = {
        {QStringLiteral("plane-40"), MirrorPlane, -40},
        {QStringLiteral("convex-40"), MirrorConvex, -40},
        {QStringLiteral("concave-75"), MirrorConcave, -75},
        {QStringLiteral("concave-50"), MirrorConcave, -50},
        {QStringLiteral("concave-40"), MirrorConcave, -40},
        {QStringLiteral("concave-25"), MirrorConcave, -25},
        {QStringLiteral("concave-24"), MirrorConcave, -24},
        {QStringLiteral("concave-10"), MirrorConcave, -10},
    };
    return cases;
}

QImage RenderDiagramImage(TMirrorKind kind, double x) {
    RayColor = DefaultRayColor;
    ObjectColor = DefaultObjectColor;
    ImageColor = DefaultImageColor;
    PlotUnitInit();
    ImageSurface surface(425, 281);
    TPlotWindow W;
    PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    surface.fill(RGB(242, 255, 253));
    MirrorKind = kind;
    CurvatureSign = CurvatureSignOf(kind);
    DrawDiagram(W, x);
    return surface.image();
}
