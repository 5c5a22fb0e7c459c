// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Presentacio.h"
#include "core/Random.h"
#include "diagram/Diagram.h"
#include "forms/GraficPanel.h"
#include "optics/Optics.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/WindowSteps.h"

#include <span>

namespace {

const QColor ObjectQColor(10, 15, 200);
const QColor PanelQColor(242, 255, 253);

// The main window's results control and the presentation's copy of it.
const std::pair<const char*, const char*> Copies[] = {
    {"EdPosObj", "PresPosObj"}, {"EdPosIm", "PresPosIm"},  {"EdAugm", "PresAugm"},
    {"PTipus", "PresTipus"},    {"PSentit", "PresSentit"}, {"PMagnif", "PresMagnif"},
};

// Ways to open the presentation and to leave it.
const char* const Ways[] = {"menu, Escape", "F11, F11", "double clicks on the arrow",
                            "double clicks elsewhere, on the results"};

// Drags on the panel or on the presentation at a size: the press, the world points the pointer
// goes through and the object's place at each. Not -50 on the arrow: there the ray through the
// centre runs down it.
const QList<QPointF> Steps{{-60, 5}, {-45, 5}, {-30, 5}, {-25, 5}},
    Beyond = Steps + QList<QPointF>{{-109, 20}, {97, 20}};
const struct {
    const char* name;
    QSize size;
    QPointF start;
    QList<QPointF> path;
    QList<int> object;
} Drags[] = {
    {"panel", {}, {-60, 5}, Beyond, {-60, -45, -30, -25, -100, 0}},
    {"panel, off the arrow", {}, {53, 40}, {{55, 40}, {-30, 30}}, {-60, -30}},
    {"wide", {1280, 720}, {-60, 5}, Steps, {-60, -45, -30, -25}},
    {"tall", {700, 900}, {-60, 5}, Steps, {-60, -45, -30, -25}},
};

} // namespace

class PresentacioTest : public MainWindowSteps {
    Q_OBJECT
    std::unique_ptr<ReportCatcher> reports;

    TGraficPanel* panel() { return get<TGraficPanel>("Grafic"); }
    QAction* item() { return get<QAction>("OpPresentacio"); }
    // The presentation over the main window, not full screen.
    void cover() {
        open();
        pres()->showNormal();
        pres()->setGeometry(0, 0, 1280, 900);
        QTRY_VERIFY(!w->updatesEnabled());
    }
    // A world point on the main panel and on the presentation's diagram.
    static QPoint panelPoint(double x, double y) { return {PlotX(Diagram, x), PlotY(Diagram, y)}; }
    QPoint presPoint(double x, double y) {
        const QRectF t = pres()->diagram()->target();
        const double sx = t.width() / 425, sy = t.height() / 281;
        return QPointF(t.x() + (PlotX(Diagram, x) + 0.5) * sx - 0.5,
                       t.y() + (PlotY(Diagram, y) + 0.5) * sy - 0.5)
            .toPoint();
    }
    void open() { QVERIFY(present() && pres()->isVisible()); }
    // Every result the presentation shows is the one the main window shows.
    void sameTexts() {
        QVERIFY(pres());
        for (const auto& [mine, copy] : Copies)
            QCOMPARE(pres()->findChild<QLabel*>(copy)->text(), text(mine));
        // The three words in the main window's colours, face and alignment.
        const auto look = [](const QLabel* l) {
            return std::tuple(l->palette().color(QPalette::WindowText),
                              l->palette().color(QPalette::Window), l->font().family(),
                              l->alignment());
        };
        for (const auto& [mine, copy] : std::span(Copies).last(3))
            QCOMPARE(look(pres()->findChild<QLabel*>(copy)), look(get<QLabel>(mine)));
        const char* buttons[] = {"BtPla", "BtConv", "BtConc"};
        QCOMPARE(pres()->findChild<QLabel*>("PresEspejo")->text(),
                 get(buttons[MirrorKind])->toolTip());
    }
    // The object arrow is drawn on the presentation at abscissa x.
    bool presentationShowsObjectAt(double x) {
        return pres()->diagram()->grab().toImage().pixelColor(presPoint(x, 5)) == ObjectQColor;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        PanelLookIn(dir); // ClassroomViewTest has the classroom view
    }
    void init() {
        RandSeed = 12345;
        start();
        reports = std::make_unique<ReportCatcher>();
    }
    void cleanup() {
        QVERIFY(reports->boxes.empty());
        w.reset();
    }

    // Opened and left twice, the focus back to the main window, the object never moved.
    void opensAndLeaves_data() { TableRows(Ways); }
    void opensAndLeaves() {
        QFETCH(int, row);
        QVERIFY(!pres());
        QVERIFY(get<QMenu>("MenuDiagrama")->actions().contains(item()));
        QCOMPARE(item()->shortcut(), QKeySequence(Qt::Key_F11));
        type("40");
        for (int time = 0; time < 2; ++time) {
            if (row == 0)
                item()->trigger();
            else if (row == 1)
                QTest::keyClick(w.get(), Qt::Key_F11);
            else
                QTest::mouseDClick(panel(), Qt::LeftButton, {},
                                   row == 2 ? panelPoint(-40, 5) : QPoint(300, 40));
            QVERIFY(pres() && pres()->isVisible() && pres()->isFullScreen() && pres()->isWindow());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(pres()));
            at(-40);
            if (row < 2)
                QTest::keyClick(pres(), row == 0 ? Qt::Key_Escape : Qt::Key_F11);
            else if (row == 2)
                QTest::mouseDClick(pres()->diagram(), Qt::LeftButton, {}, presPoint(-40, 5));
            else
                QTest::mouseDClick(pres()->findChild<QWidget*>("PresDades"), Qt::LeftButton, {},
                                   QPoint(5, 5));
            QVERIFY(!pres()->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w.get()));
            at(-40);
        }
        QCOMPARE(w->findChildren<TFPresentacio*>().size(), 1);
    }

    // A drag on either diagram updates everything at each step, held to the bar's range;
    // a press off the arrow takes it only past the drag distance.
    void drags_data() { TableRows(Drags); }
    void drags() {
        QFETCH(int, row);
        const auto& [name, size, start, path, object] = Drags[row];
        get<QAction>("OpCentre")->trigger();
        type("60");
        QWidget* view = panel();
        if (size.isValid()) {
            open();
            resize(pres(), size);
            view = pres()->diagram();
            // As large as the window allows, the panel's proportions kept.
            const QRectF t = pres()->diagram()->target();
            QVERIFY(std::abs(t.width() / t.height() - 425.0 / 281) < 0.01);
            QVERIFY(t.width() > 0.75 * size.width() || t.height() > 0.6 * size.height());
        }
        const auto point = [&](QPointF p) {
            return size.isValid() ? presPoint(p.x(), p.y()) : panelPoint(p.x(), p.y());
        };
        QTest::mousePress(view, Qt::LeftButton, {}, point(start));
        for (int i = 0; i < path.size(); ++i) {
            QTest::mouseMove(view, point(path[i]));
            const int x = object[i];
            at(x);
            QApplication::processEvents();
            if (size.isValid()) {
                sameTexts();
                QVERIFY(presentationShowsObjectAt(x));
                // Painted only where it changed, it shows what painting it all shows.
                QVERIFY(!ScreenDiffers(pres()->diagram()));
            } else if (x > -100 && x < 0) {
                QCOMPARE(panel()->picture(1.0).pixelColor(panelPoint(x, 5)), ObjectQColor);
            }
        }
        const int x = object.last();
        QTest::mouseRelease(view, Qt::LeftButton, {}, point(path.last()));
        QVERIFY(!size.isValid() || !presentationShowsObjectAt(-60));
        // Released, the pointer no longer moves it.
        QTest::mouseMove(view, point({-50, 5}));
        at(x);
        if (size.isValid())
            QTest::keyClick(pres(), Qt::Key_Escape);
        // The main panel shows the same update, and the arrow left its start.
        const QImage& drawn = panel()->surface().image();
        QVERIFY(drawn.pixelColor(panelPoint(-60, 5)) != ObjectQColor);
        QVERIFY(x <= -100 || x >= 0 || drawn.pixelColor(panelPoint(x, 5)) == ObjectQColor);
    }

    // Every way of changing the scene reaches the presentation, which catches up
    // when shown again; a distance out of the bar's range stays until a drag.
    void followsUpdatesCoversAndTakesTheArrow() {
        open();
        sameTexts();
        for (const QString step :
             {"BtPla", "BtConv", "BtConc", "Oppla", "OpConvex", "OpCentreFocus", "Opfocus",
              "OpCentre", "bar+1", "bar-10", "PageUp", "25", "$1E", "-20", "150"}) {
            if (step.startsWith("bar"))
                bar()->triggerAction(step == "bar+1" ? QAbstractSlider::SliderSingleStepAdd
                                                     : QAbstractSlider::SliderPageStepSub);
            else if (step == "PageUp")
                QTest::keyClick(pres(), Qt::Key_PageUp);
            else
                step[0].isLetter() ? command(step) : type(step);
            sameTexts();
        }
        QTest::keyClick(pres(), Qt::Key_Escape);
        open();
        resize(pres(), {900, 600});
        QTest::mouseDClick(pres()->diagram(), Qt::LeftButton, {}, QPoint(50, 50));
        at(-150);
        open();
        QWidget* view = pres()->diagram();
        QTest::mousePress(view, Qt::LeftButton, {}, presPoint(-60, 30));
        QTest::mouseMove(view, presPoint(-90, 30));
        QTest::mouseRelease(view, Qt::LeftButton, {}, presPoint(-90, 30));
        at(-90);
        sameTexts();
        // The picture is the drawing the panel shows, the scene's one.
        QCOMPARE(pres()->diagram()->source().drawing->calls(), panel()->drawing().calls());
        QTest::keyClick(pres(), Qt::Key_Escape);
        get<QAction>("OpConvex")->trigger();
        QVERIFY(pres()->findChild<QLabel*>("PresPosIm")->text() != text("EdPosIm"));
        open();
        sameTexts();
        // The results in large type beside the diagram, not over it; that each
        // fits its box in every language is ClassroomViewTest's.
        resize(pres(), {1920, 1080});
        type("7");
        for (const auto& [mine, copy] : Copies)
            QVERIFY2(QFontInfo(pres()->findChild<QLabel*>(copy)->font()).pixelSize() >= 20, copy);
        QVERIFY(!pres()->diagram()->geometry().intersects(
            pres()->findChild<QWidget*>("PresDades")->geometry()));
        QTest::keyClick(pres(), Qt::Key_Escape);
        // Under the full-screen presentation the main window's controls follow
        // but it is painted only when it shows again.
        w->move(100, 100);
        cover();
        QVERIFY(pres()->updatesEnabled() && pres()->diagram()->updatesEnabled());
        type("30");
        QCOMPARE(text("EdPosObj"), QStringLiteral("30"));
        sameTexts();
        // Moved off the main window: painted again at once.
        pres()->setGeometry(700, 600, 500, 400);
        QTRY_VERIFY(w->updatesEnabled());
        pres()->setGeometry(0, 0, 1280, 900);
        QTRY_VERIFY(!w->updatesEnabled());
        QTest::keyClick(pres(), Qt::Key_Escape);
        QVERIFY(!pres()->isVisible() && w->updatesEnabled());
        QCOMPARE(w->grab().toImage().pixelColor(panel()->mapTo(w.get(), panelPoint(-30, 5))),
                 ObjectQColor);
        // The covered panel's picture waits too, then is the last update's.
        const QImage live = panel()->picture(1.0);
        cover();
        for (const char* x : {"45", "60", "30"})
            type(x);
        QCOMPARE(panel()->picture(1.0), live);
        type("45");
        QTest::keyClick(pres(), Qt::Key_Escape);
        const QImage& drawn = panel()->surface().image();
        QCOMPARE(drawn.pixelColor(panelPoint(-45, 5)), ObjectQColor);
        QCOMPARE(drawn.pixelColor(panelPoint(-30, 5)), PanelQColor);
        // The resize cursor over the arrow, or the arrow coming under the pointer, and while
        // dragging; the wheel on either diagram, a notch a bar step (half notches add up), and the
        // presentation's keys, no further than the ends.
        type("40");
        const auto shapeAt = [](QWidget* view, QPoint p) {
            QTest::mouseMove(view, p);
            return view->cursor().shape();
        };
        for (const auto& [p, shape] : {std::pair{panelPoint(-40, 5), Qt::SizeHorCursor},
                                       {panelPoint(-70, 30), Qt::ArrowCursor},
                                       {panelPoint(-34, 5), Qt::ArrowCursor}})
            QCOMPARE(shapeAt(panel(), p), shape);
        type("34");
        QCOMPARE(panel()->cursor().shape(), Qt::SizeHorCursor);
        open();
        resize(pres(), {1280, 720});
        // Offscreen windows are not stacked: the main window moved from under the pointer.
        w->move(1400, 800);
        view = pres()->diagram();
        QCOMPARE(shapeAt(view, presPoint(-34, 8)), Qt::SizeHorCursor);
        QCOMPARE(shapeAt(view, presPoint(-60, 8)), Qt::ArrowCursor);
        QTest::mousePress(view, Qt::LeftButton, {}, presPoint(-34, 8));
        QCOMPARE(shapeAt(view, presPoint(-50, 40)), Qt::SizeHorCursor);
        QTest::mouseRelease(view, Qt::LeftButton, {}, presPoint(-50, 40));
        QTest::keyClick(pres(), Qt::Key_Escape);
        type("40");
        const auto wheel = [](QWidget* target, int delta) {
            const QPointF p(200, 100);
            QWheelEvent e(p, target->mapToGlobal(p), QPoint(), {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &e);
        };
        const std::pair<int, int> turns[] = {{-120, -39}, {120, -40}, {120, -41},
                                             {-240, -39}, {-60, -39}, {-60, -38}};
        for (const auto& [delta, x] : turns) {
            wheel(panel(), delta);
            at(x);
        }
        open();
        wheel(pres()->diagram(), -120);
        at(-37);
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Right, -36},    {Qt::Key_Left, -37},     {Qt::Key_Left, -38},
            {Qt::Key_Up, -37},       {Qt::Key_Down, -38},     {Qt::Key_PageUp, -28},
            {Qt::Key_PageDown, -38}, {Qt::Key_PageDown, -48}, {Qt::Key_Home, -100},
            {Qt::Key_Left, -100},    {Qt::Key_End, 0},        {Qt::Key_Right, 0}};
        for (const auto& [key, x] : keys) {
            QTest::keyClick(pres(), key);
            at(x);
        }
        sameTexts();
        QVERIFY(pres()->isVisible());
    }
};

QTEST_MAIN(PresentacioTest)
#include "PresentacioTest.moc"
