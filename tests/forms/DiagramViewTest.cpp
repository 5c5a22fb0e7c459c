// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram view repaints only the tiles a step crosses: what the screen
// shows after each step is what painting the whole view shows.
#include "forms/DiagramView.h"
#include "diagram/Classroom.h"
#include "tests/support/WindowSteps.h"

class DiagramViewTest : public QObject {
    Q_OBJECT

private slots:
    // Classroom steps move the labels O and I and the words of a far image;
    // the panel's steps move wide arrows and dotted rays.
    void eachStepShowsTheWholePicture() {
        TDiagramView view(nullptr);
        view.setObjectName(QStringLiteral("Vista"));
        view.resize(700, 470);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // A scene, and whether in the classroom view.
        const std::pair<Scene, bool> steps[] = {
            {{MirrorConcave, -60}, true},   {{MirrorConcave, -52}, true},
            {{MirrorConcave, -41}, true},   {{MirrorConcave, -31}, true},
            {{MirrorConcave, -20}, true},   {{MirrorConcave, -20.2}, true},
            {{MirrorConcave, -20.3}, true}, {{MirrorConcave, -19.5}, true},
            {{MirrorConvex, -40}, true},    {{MirrorConvex, -12}, true},
            {{MirrorConcave, -60}, false},  {{MirrorConcave, -24}, false},
            {{MirrorConcave, -10}, false},  {{MirrorPlane, -70}, false},
            {{MirrorPlane, -20}, false},
        };
        std::optional<ClassroomView> scale;
        for (const auto& [scene, classroom] : steps) {
            const ImageResult image = ComputeImage(scene);
            SceneDrawing drawing;
            if (classroom) {
                ClassroomDrawing d = DrawClassroomScene(scene, image, scale);
                scale = d.view;
                drawing = std::move(d.drawing);
            } else {
                drawing = DrawScene(scene, image);
            }
            view.setDrawing(drawing);
            QCoreApplication::processEvents();
            const std::optional<QPoint> at = ScreenDiffers(&view);
            QVERIFY2(!at, qPrintable(QStringLiteral("%1 at %2: differs at %3, %4")
                                         .arg(scene.kind)
                                         .arg(scene.objectPos)
                                         .arg(at ? at->x() : 0)
                                         .arg(at ? at->y() : 0)));
        }
    }
};

QTEST_MAIN(DiagramViewTest)
#include "DiagramViewTest.moc"
