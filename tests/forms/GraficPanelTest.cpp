// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram panel showing one scene after another, the environment's
// pixels kept from the last drawing of the same environment.
#include "forms/GraficPanel.h"

#include <QtTest>
#include <QtWidgets>

class GraficPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever came before, the picture is the one the scene gives drawn
    // on a freshly erased panel, and the pen is the one it leaves.
    void eachSceneIsDrawnAsOnAFreshPanel() {
        struct Step {
            Scene scene;
            TPen pen;            // the pen the drawing starts with
            bool erased = false; // the panel erased and drawn on by hand before
        };
        const TPen solidRed{LineStyle::Solid, RGB(255, 0, 0), 3};
        const Step steps[] = {
            {{MirrorConcave, -60}, InitialPen}, {{MirrorConcave, -59}, TPen{}},
            {{MirrorConcave, -24}, TPen{}},     {{MirrorConvex, -40}, TPen{}},
            {{MirrorConvex, 0}, TPen{}},        {{MirrorConcave, -1e12}, TPen{}},
            {{MirrorConcave, -30}, solidRed},   {{MirrorConcave, -31}, TPen{}},
            {{MirrorPlane, -40}, TPen{}},       {{MirrorPlane, -41}, TPen{}},
            {{MirrorPlane, -42}, TPen{}, true},
        };
        TGraficPanel panel;
        panel.resize(PanelWidth, PanelHeight);
        for (const Step& step : steps) {
            DiagramStyle style;
            style.pen = step.pen;
            const SceneDrawing drawing = DrawScene(step.scene, ComputeImage(step.scene), style);
            if (step.erased) {
                panel.repaintBackground();
                panel.surface().moveTo(10, 10);
                panel.surface().lineTo(400, 200);
            }
            panel.showDrawing(drawing);

            TGraficPanel fresh;
            fresh.resize(PanelWidth, PanelHeight);
            fresh.repaintBackground();
            drawing.record.replay(fresh.surface());
            const QByteArray what = QByteArray::number(step.scene.kind) + " " +
                                    QByteArray::number(step.scene.objectPos);
            QVERIFY2(panel.picture(1.0) == fresh.picture(1.0), what);
            QVERIFY2(panel.surface().pen() == drawing.pen, what);
            QCOMPARE(panel.drawing().calls(), drawing.record.calls());
        }
    }
};

QTEST_MAIN(GraficPanelTest)
#include "GraficPanelTest.moc"
