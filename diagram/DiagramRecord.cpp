// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram/DiagramRecord.h"

#include "diagram/Diagram.h"

DrawingRecord RecordDiagram(TMirrorKind kind, double x) {
    RayColor = DefaultRayColor;
    ObjectColor = DefaultObjectColor;
    ImageColor = DefaultImageColor;
    PlotUnitInit();
    DrawingRecord record;
    DrawingRecorder surface(record, PanelWidth, PanelHeight);
    TPlotWindow W;
    PlotInit(W, surface, WorldXMin, WorldYMin, WorldXMax, WorldYMax);
    MirrorKind = kind;
    CurvatureSign = CurvatureSignOf(kind);
    DrawDiagram(W, x);
    return record;
}
