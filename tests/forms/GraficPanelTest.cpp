// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram panel holding its pixels while nobody can see it.
#include "forms/GraficPanel.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

class GraficPanelTest : public QObject {
    Q_OBJECT

    struct Step {
        bool held;
        std::function<void(TGraficPanel&)> act;
    };

    static void Erase(TGraficPanel& p) { p.repaintBackground(); }
    static void Line(TGraficPanel& p, int x, TColor colour, int width) {
        ImageSurface& s = p.surface();
        s.selectPen(TPen{LineStyle::Solid, colour, width});
        s.moveToExact(x, 20, x, 20);
        s.lineToExact(x + 200, 200, x + 200, 200.5);
    }

private slots:
    // Whatever is drawn under a hold, begun before it or not, erased under
    // it or not, the image is what drawing it all at once gives, as soon
    // as anything looks at it or the hold ends.
    void aHeldDrawingIsTheDrawingItWouldHaveBeen_data() {
        QTest::addColumn<int>("scenario");
        QTest::newRow("erased and drawn under the hold") << 0;
        QTest::newRow("begun before, finished under") << 1;
        QTest::newRow("two drawings under it, the last shown") << 2;
        QTest::newRow("pen left from before the erasing") << 3;
    }

    void aHeldDrawingIsTheDrawingItWouldHaveBeen() {
        QFETCH(int, scenario);
        const auto line = [](int x, TColor c, int w) {
            return [=](TGraficPanel& p) { Line(p, x, c, w); };
        };
        const auto pen = [](TColor c) {
            return [=](TGraficPanel& p) { p.surface().selectPen(TPen{LineStyle::Dot, c, 1}); };
        };
        // A line on from where the last one ended, in the pen last chosen.
        const auto tail = [](TGraficPanel& p) {
            const QPoint at = p.surface().currentPoint();
            p.surface().lineToExact(at.x() - 150, 250, at.x() - 150, 250);
        };
        std::vector<std::function<void(TGraficPanel&)>> before, under;
        switch (scenario) {
        case 0:
            under = {Erase, line(10, RGB(0, 0, 255), 3), line(90, RGB(255, 0, 0), 1)};
            break;
        case 1:
            before = {Erase, line(10, RGB(0, 0, 255), 3)};
            under = {line(90, RGB(255, 0, 0), 1)};
            break;
        case 2:
            under = {Erase, line(10, RGB(0, 0, 255), 3), Erase, line(150, RGB(0, 128, 0), 2)};
            break;
        case 3:
            before = {Erase, line(10, RGB(0, 0, 255), 3), pen(RGB(255, 0, 255)), Erase};
            under = {tail, pen(RGB(0, 160, 0)), tail};
            break;
        }
        TGraficPanel live, held;
        for (TGraficPanel* p : {&live, &held}) {
            p->resize(425, 281);
            p->surface();
        }
        for (const auto& act : before) {
            act(live);
            act(held);
        }
        held.holdPixels(true);
        const QImage shownBefore = held.surface().image().copy();
        for (const auto& act : under) {
            act(live);
            act(held);
        }
        // Looked at under the hold: drawn then.
        QCOMPARE(held.picture(1.0), live.picture(1.0));
        QVERIFY(held.picture(1.0) != shownBefore || under.empty());
        // More under the same hold, then the hold let go.
        line(300, RGB(90, 90, 90), 1)(live);
        line(300, RGB(90, 90, 90), 1)(held);
        held.holdPixels(false);
        QCOMPARE(held.surface().image(), live.surface().image());
        QCOMPARE(held.surface().pen(), live.surface().pen());
        QCOMPARE(held.surface().currentPoint(), live.surface().currentPoint());
    }
};

QTEST_MAIN(GraficPanelTest)
#include "GraficPanelTest.moc"
