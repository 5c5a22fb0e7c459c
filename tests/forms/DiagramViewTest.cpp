// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram view repaints only the tiles a step crosses: what the screen
// shows after each step is what painting the whole view shows.
#include "forms/DiagramView.h"
#include "diagram/Classroom.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdlib>
#include <optional>

class DiagramViewTest : public QObject {
    Q_OBJECT

    // The first pixel where the screen differs from a whole paint by more
    // than an antialiased edge drawn in pieces may, or none.
    static std::optional<QPoint> Difference(TDiagramView& view) {
        const QImage shown = view.screen()
                                 ->grabWindow(view.winId(), 0, 0, view.width(), view.height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shown.size() != whole.size())
            return QPoint(-1, -1);
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                for (const int shift : {0, 8, 16})
                    if (std::abs(int(shown.pixel(x, y) >> shift & 0xff) -
                                 int(whole.pixel(x, y) >> shift & 0xff)) > 6)
                        return QPoint(x, y);
        return std::nullopt;
    }

private slots:
    // Classroom steps move the labels O and I and the words of a far image;
    // the panel's steps move wide arrows and dotted rays.
    void eachStepShowsTheWholePicture() {
        TDiagramView view(nullptr);
        view.setObjectName(QStringLiteral("Vista"));
        view.resize(700, 470);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const struct {
            Scene scene;
            bool classroom;
        } steps[] = {
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
            const std::optional<QPoint> at = Difference(view);
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
