// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Presentacio.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "diagram/Diagram.h"
#include "forms/GraficPanel.h"
#include "forms/ObjectHandle.h"
#include "forms/Principal.h"
#include "forms/USobre.h"
#include "optics/Optics.h"
#include "tests/support/ReportCatcher.h"

#include <QtTest>

#include <memory>

namespace {

const QColor ObjectQColor(10, 15, 200);
const QColor PanelQColor(242, 255, 253);

// The main window's results control and the presentation's copy of it.
const std::pair<const char*, const char*> Copies[] = {
    {"EdPosObj", "PresPosObj"}, {"EdPosIm", "PresPosIm"},  {"EdAugm", "PresAugm"},
    {"PTipus", "PresTipus"},    {"PSentit", "PresSentit"}, {"PMagnif", "PresMagnif"},
};

} // namespace

class PresentacioTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TFPrincipal> w;
    std::unique_ptr<ReportCatcher> reports;
    QTemporaryDir dir;

    template <typename T = QWidget> T* get(const char* name) { return w->findChild<T*>(name); }
    QString field(const char* name) {
        if (auto* e = get<QLineEdit>(name))
            return e->text();
        return get<QLabel>(name)->text();
    }
    QScrollBar* bar() { return get<QScrollBar>("BarraDespl"); }
    TGraficPanel* panel() { return get<TGraficPanel>("Grafic"); }
    TFPresentacio* pres() { return w->findChild<TFPresentacio*>("FPresentacio"); }
    QAction* item() { return get<QAction>("OpPresentacio"); }
    void type(const QString& t) {
        get<QLineEdit>("EdPosObj")->setText(t);
        QTest::keyClick(get("EdPosObj"), Qt::Key_Return);
    }
    // The object where the scroll bar and the field say it is.
    void at(double object, int barPos, const QString& distance) {
        QCOMPARE(std::tuple(LastObjectPos, bar()->value(), field("EdPosObj")),
                 std::tuple(object, barPos, distance));
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
    void open() {
        item()->trigger();
        QVERIFY(pres() && pres()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(pres()));
    }
    void resizePresentation(QSize size) {
        pres()->showNormal();
        pres()->resize(size);
        QTRY_COMPARE(pres()->size(), size);
        QApplication::processEvents();
    }
    // Every result the presentation shows is the one the main window shows.
    void sameTexts() {
        QVERIFY(pres());
        for (const auto& [mine, copy] : Copies) {
            QCOMPARE(pres()->findChild<QLabel*>(copy)->text(), field(mine));
        }
        for (const char* word : {"PTipus", "PSentit", "PMagnif"}) {
            const auto* from = get<QLabel>(word);
            const auto* to =
                pres()->findChild<QLabel*>(QStringLiteral("Pres") + QString(word).mid(1));
            QCOMPARE(to->palette().color(QPalette::WindowText),
                     from->palette().color(QPalette::WindowText));
            QCOMPARE(to->palette().color(QPalette::Window),
                     from->palette().color(QPalette::Window));
            QCOMPARE(to->font().family(), from->font().family());
            QCOMPARE(to->alignment(), from->alignment());
        }
        const char* buttons[] = {"BtPla", "BtConv", "BtConc"};
        QCOMPARE(pres()->findChild<QLabel*>("PresEspejo")->text(),
                 get(buttons[MirrorKind])->toolTip());
    }
    // The object arrow is drawn on the presentation at abscissa x.
    bool presentationShowsObjectAt(double x) {
        const QImage image = pres()->diagram()->grab().toImage();
        const QPoint p = presPoint(x, 5);
        return image.pixelColor(p) == ObjectQColor;
    }

    // What the screen shows of the presentation's diagram, painted only
    // where it changed, is what painting it all shows.
    bool screenShowsTheWholePicture() {
        QWidget* view = pres()->diagram();
        const QPoint at = view->mapTo(pres(), QPoint(0, 0));
        const QImage shown =
            pres()
                ->screen()
                ->grabWindow(pres()->winId(), at.x(), at.y(), view->width(), view->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage whole = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shown.size() != whole.size()) {
            return false;
        }
        for (int y = 0; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = whole.pixel(x, y);
                // A line drawn in pieces may be a few levels off at its
                // antialiased edges.
                if (std::abs(qRed(a) - qRed(b)) > 6 || std::abs(qGreen(a) - qGreen(b)) > 6 ||
                    std::abs(qBlue(a) - qBlue(b)) > 6) {
                    qWarning("the screen differs at %d, %d", x, y);
                    return false;
                }
            }
        }
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid() && QDir::setCurrent(dir.path())); }
    void init() {
        FSobre = nullptr;
        RandSeed = 12345;
        w = std::make_unique<TFPrincipal>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        reports = std::make_unique<ReportCatcher>();
    }
    void cleanup() {
        QVERIFY(reports->boxes.empty());
        reports.reset();
        w.reset();
    }

    void builtOnFirstUseFromTheDiagramMenu() {
        QVERIFY(!pres());
        auto* menu = get<QMenu>("MenuDiagrama");
        QVERIFY(menu && item());
        QVERIFY(menu->actions().contains(item()));
        QCOMPARE(item()->text(), QStringLiteral("Presentación"));
        QCOMPARE(item()->shortcut(), QKeySequence(Qt::Key_F11));
        // After the tools menu.
        const auto menus = get<QMenuBar>("MenuMirvex")->actions();
        QCOMPARE(menus.last(), menu->menuAction());
        open();
        QCOMPARE(pres()->objectName(), QStringLiteral("FPresentacio"));
        QVERIFY(pres()->isFullScreen());
        QVERIFY(pres()->isWindow());
    }

    // Opened by the menu or F11, left by Escape or F11, the focus back on
    // the main window; opened again, the same window.
    void opensAndLeaves_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<int>("leaveKey");
        QTest::newRow("menu, Escape") << true << int(Qt::Key_Escape);
        QTest::newRow("F11, F11") << false << int(Qt::Key_F11);
    }
    void opensAndLeaves() {
        QFETCH(bool, byMenu);
        QFETCH(int, leaveKey);
        for (int time = 0; time < 2; ++time) {
            if (byMenu) {
                item()->trigger();
            } else {
                QTest::keyClick(w.get(), Qt::Key_F11);
            }
            QVERIFY(pres() && pres()->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(pres()));
            QTest::keyClick(pres(), Qt::Key(leaveKey));
            QVERIFY(!pres()->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w.get()));
        }
        QCOMPARE(w->findChildren<TFPresentacio*>().size(), 1);
    }

    void doubleClicksOpenAndLeaveWithoutMovingTheObject() {
        type("40");
        // On the object arrow itself, and elsewhere on the panel.
        for (const QPoint p : {panelPoint(-40, 5), QPoint(300, 40)}) {
            QTest::mouseDClick(panel(), Qt::LeftButton, {}, p);
            QVERIFY(pres() && pres()->isVisible());
            at(-40, 60, "40");
            QTest::mouseDClick(pres()->diagram(), Qt::LeftButton, {}, presPoint(-40, 5));
            QVERIFY(!pres()->isVisible());
            at(-40, 60, "40");
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w.get()));
        }
        // On the results, too.
        QTest::mouseDClick(panel(), Qt::LeftButton, {}, QPoint(60, 60));
        QTest::mouseDClick(pres()->findChild<QWidget*>("PresDades"), Qt::LeftButton, {},
                           QPoint(5, 5));
        QVERIFY(!pres()->isVisible());
    }

    void dragOnThePanelMovesTheObjectThroughTheScrollBarsUpdate() {
        get<QAction>("OpCentre")->trigger();
        type("40");
        const QImage before = panel()->picture(1.0);
        QTest::mousePress(panel(), Qt::LeftButton, {}, panelPoint(-40, 5));
        at(-40, 60, "40"); // a press alone moves nothing
        // Every step of the drag is an update: field, bar, results, diagram.
        for (const int x : {-45, -60, -70}) {
            QTest::mouseMove(panel(), panelPoint(x, 5));
            at(x, 100 + x, QString::number(-x));
            QCOMPARE(field("EdPosIm"), FloatToStr(ImagePos));
            QCOMPARE(field("EdAugm"), FloatToStr(Magnification));
            QCOMPARE(panel()->picture(1.0).pixelColor(panelPoint(x, 5)), ObjectQColor);
        }
        QTest::mouseRelease(panel(), Qt::LeftButton, {}, panelPoint(-70, 5));
        at(-70, 30, "70");
        QCOMPARE(field("PTipus"), QStringLiteral("real"));
        QCOMPARE(field("PSentit"), QStringLiteral("inversa"));
        // 1/70 + 1/image = 1/25, in front of the mirror.
        QVERIFY(std::abs(ImagePos + 70.0 * 25 / 45) < 1e-9);
        QCOMPARE(field("EdPosIm"), FloatToStr(ImagePos));
        QVERIFY(panel()->picture(1.0) != before);
        QVERIFY(panel()->picture(1.0).pixelColor(panelPoint(-40, 5)) != ObjectQColor);
        // Beyond the bar's range the object stops at its ends.
        QTest::mousePress(panel(), Qt::LeftButton, {}, panelPoint(-70, 5));
        QTest::mouseMove(panel(), QPoint(2, 100));
        at(-100, 0, "100");
        QTest::mouseMove(panel(), QPoint(420, 100));
        at(0, 100, "0");
        QTest::mouseRelease(panel(), Qt::LeftButton, {}, QPoint(420, 100));
        // The pointer no longer moves it once released.
        QTest::mouseMove(panel(), panelPoint(-50, 5));
        at(0, 100, "0");
    }

    void aDragFromAnywhereStartsPastTheDragDistance() {
        type("40");
        const QPoint start(330, 60);
        QTest::mousePress(panel(), Qt::LeftButton, {}, start);
        QTest::mouseMove(panel(), start + QPoint(QApplication::startDragDistance() / 2, 0));
        at(-40, 60, "40");
        QTest::mouseMove(panel(), panelPoint(-30, 30));
        at(-30, 70, "30");
        QTest::mouseRelease(panel(), Qt::LeftButton, {}, panelPoint(-30, 30));
    }

    void dragInThePresentationAtTwoSizes_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(1280, 720);
        QTest::newRow("tall") << QSize(700, 900);
    }
    void dragInThePresentationAtTwoSizes() {
        QFETCH(QSize, size);
        get<QAction>("OpCentre")->trigger();
        type("60");
        open();
        resizePresentation(size);
        const QRectF t = pres()->diagram()->target();
        // As large as the window allows, the panel's proportions kept.
        QVERIFY(std::abs(t.width() / t.height() - 425.0 / 281) < 0.01);
        QVERIFY(t.width() > 0.75 * size.width() || t.height() > 0.6 * size.height());
        QVERIFY(presentationShowsObjectAt(-60));
        QWidget* view = pres()->diagram();
        QTest::mousePress(view, Qt::LeftButton, {}, presPoint(-60, 5));
        // Not -50: there the ray through the centre runs down the arrow.
        for (const int x : {-45, -30, -25}) {
            QTest::mouseMove(view, presPoint(x, 5));
            at(x, 100 + x, QString::number(-x));
            sameTexts();
            QApplication::processEvents();
            QVERIFY(presentationShowsObjectAt(x));
            QVERIFY(screenShowsTheWholePicture());
        }
        QTest::mouseRelease(view, Qt::LeftButton, {}, presPoint(-25, 5));
        QCOMPARE(field("EdPosIm"), QStringLiteral("infinito"));
        QCOMPARE(pres()->findChild<QLabel*>("PresPosIm")->text(), QStringLiteral("infinito"));
        QVERIFY(!presentationShowsObjectAt(-60));
        // The main panel shows the same update.
        QCOMPARE(panel()->picture(1.0).pixelColor(panelPoint(-25, 5)), ObjectQColor);
    }

    // Under the full-screen presentation the main window is not painted,
    // as no one sees it; its controls still follow, and it is painted again
    // when it shows.
    void theCoveredMainWindowWaitsToBePainted() {
        w->move(100, 100);
        open();
        pres()->showNormal();
        pres()->setGeometry(0, 0, 1280, 900);
        QTRY_VERIFY(!w->updatesEnabled());
        QVERIFY(pres()->updatesEnabled() && pres()->diagram()->updatesEnabled());
        type("30");
        QCOMPARE(field("EdPosObj"), QStringLiteral("30"));
        sameTexts();
        // Moved off the main window: painted again at once.
        pres()->setGeometry(700, 600, 500, 400);
        QTRY_VERIFY(w->updatesEnabled());
        pres()->setGeometry(0, 0, 1280, 900);
        QTRY_VERIFY(!w->updatesEnabled());
        QTest::keyClick(pres(), Qt::Key_Escape);
        QVERIFY(!pres()->isVisible());
        QVERIFY(w->updatesEnabled());
        QVERIFY(w->grab().toImage().pixelColor(w->findChild<TGraficPanel*>("Grafic")->mapTo(
                    w.get(), panelPoint(-30, 5))) == ObjectQColor);
        // Under the presentation the panel's picture waits too, and is the
        // last update's, as the panel would have drawn it then.
        const QImage live = panel()->picture(1.0);
        open();
        pres()->showNormal();
        pres()->setGeometry(0, 0, 1280, 900);
        QTRY_VERIFY(!w->updatesEnabled());
        for (const char* x : {"45", "60", "30"}) {
            type(x);
        }
        QCOMPARE(panel()->picture(1.0), live);
        type("45");
        QTest::keyClick(pres(), Qt::Key_Escape);
        const QImage& drawn = panel()->surface().image();
        QCOMPARE(drawn.pixelColor(panelPoint(-45, 5)), ObjectQColor);
        QCOMPARE(drawn.pixelColor(panelPoint(-30, 5)), PanelQColor);
    }

    void wheelOnThePanelStepsLikeTheBar() {
        type("40");
        const auto wheel = [this](QWidget* target, QPoint delta) {
            const QPointF p(200, 100);
            QWheelEvent e(p, target->mapToGlobal(p), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &e);
        };
        wheel(panel(), {0, -120});
        at(-39, 61, "39");
        wheel(panel(), {0, 120});
        wheel(panel(), {0, 120});
        at(-41, 59, "41");
        wheel(panel(), {0, -240});
        at(-39, 61, "39");
        // Half notches add up.
        wheel(panel(), {0, -60});
        at(-39, 61, "39");
        wheel(panel(), {0, -60});
        at(-38, 62, "38");
        // The bar turns the same way.
        const int before = bar()->value();
        wheel(bar(), {0, -120});
        QVERIFY(bar()->value() > before);
        // In the presentation.
        open();
        wheel(pres()->diagram(), {0, -120});
        QVERIFY(LastObjectPos > -38);
        sameTexts();
    }

    void keysInThePresentation() {
        type("40");
        open();
        // Each key and where it leaves the object: a bar step for the
        // arrows, a page for Page Up and Down, the ends for Home and End,
        // and no further than the ends.
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Right, -39},    {Qt::Key_Left, -40},     {Qt::Key_Left, -41},
            {Qt::Key_Up, -40},       {Qt::Key_Down, -41},     {Qt::Key_PageUp, -31},
            {Qt::Key_PageDown, -41}, {Qt::Key_PageDown, -51}, {Qt::Key_Home, -100},
            {Qt::Key_Left, -100},    {Qt::Key_End, 0},        {Qt::Key_Right, 0}};
        for (const auto& [key, x] : steps) {
            QTest::keyClick(pres(), key);
            at(x, 100 + x, QString::number(-x));
        }
        sameTexts();
        QVERIFY(pres()->isVisible());
    }

    void thePresentationFollowsEveryKindOfUpdate() {
        open();
        sameTexts();
        const auto click = [this](const char* name) {
            QTest::mouseClick(get<QToolButton>(name), Qt::LeftButton);
        };
        for (const char* b : {"BtPla", "BtConv", "BtConc"}) {
            click(b);
            sameTexts();
        }
        for (const char* a : {"Oppla", "OpConvex", "OpCentre", "OpCentreFocus", "Opfocus"}) {
            get<QAction>(a)->trigger();
            sameTexts();
        }
        bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        sameTexts();
        bar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        sameTexts();
        for (const char* typed : {"25", "$1E", "-20", "150"}) {
            type(typed);
            sameTexts();
        }
        QTest::keyClick(pres(), Qt::Key_PageUp);
        sameTexts();
        QWidget* view = pres()->diagram();
        QTest::mousePress(view, Qt::LeftButton, {}, presPoint(-80, 30));
        QTest::mouseMove(view, presPoint(-35, 30));
        QTest::mouseRelease(view, Qt::LeftButton, {}, presPoint(-35, 30));
        at(-35, 65, "35");
        sameTexts();
        // The picture is the drawing the panel shows, the scene's one.
        QCOMPARE(pres()->diagram()->source().drawing->calls(), panel()->drawing().calls());
        // Hidden, it is left alone; shown again, it has caught up.
        QTest::keyClick(pres(), Qt::Key_Escape);
        get<QAction>("OpConvex")->trigger();
        QVERIFY(pres()->findChild<QLabel*>("PresPosIm")->text() != field("EdPosIm"));
        open();
        sameTexts();
    }

    void aTypedPositionOutsideTheBarIsKeptUntilADrag() {
        get<QAction>("OpCentre")->trigger();
        open();
        type("150");
        at(-150, 0, "150");
        sameTexts();
        // Leaving and coming back, resizing: nothing moves it.
        QTest::keyClick(pres(), Qt::Key_Escape);
        open();
        resizePresentation({900, 600});
        at(-150, 0, "150");
        QTest::mouseDClick(pres()->diagram(), Qt::LeftButton, {}, QPoint(50, 50));
        at(-150, 0, "150");
        type("-20");
        at(20, 100, "-20");
        // A drag takes it.
        open();
        QWidget* view = pres()->diagram();
        QTest::mousePress(view, Qt::LeftButton, {}, presPoint(-60, 30));
        QTest::mouseMove(view, presPoint(-90, 30));
        QTest::mouseRelease(view, Qt::LeftButton, {}, presPoint(-90, 30));
        at(-90, 10, "90");
        sameTexts();
    }

    void theCursorShowsTheArrowCanBeTaken() {
        type("40");
        QTest::mouseMove(panel(), panelPoint(-40, 5));
        QCOMPARE(panel()->cursor().shape(), Qt::SizeHorCursor);
        QTest::mouseMove(panel(), panelPoint(-70, 30));
        QCOMPARE(panel()->cursor().shape(), Qt::ArrowCursor);
        // The arrow comes to a pointer that stays.
        QTest::mouseMove(panel(), panelPoint(-34, 5));
        QCOMPARE(panel()->cursor().shape(), Qt::ArrowCursor);
        type("34");
        QCOMPARE(panel()->cursor().shape(), Qt::SizeHorCursor);
        open();
        resizePresentation({1280, 720});
        // The offscreen platform stacks no windows: the pointer must not
        // find the main window under the presentation.
        w->move(1400, 800);
        QWidget* view = pres()->diagram();
        QTest::mouseMove(view, presPoint(-34, 8));
        QCOMPARE(view->cursor().shape(), Qt::SizeHorCursor);
        QTest::mouseMove(view, presPoint(-60, 8));
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
        // While dragging it stays the resize cursor, wherever the pointer is.
        QTest::mousePress(view, Qt::LeftButton, {}, presPoint(-34, 8));
        QTest::mouseMove(view, presPoint(-50, 40));
        QCOMPARE(view->cursor().shape(), Qt::SizeHorCursor);
        QTest::mouseRelease(view, Qt::LeftButton, {}, presPoint(-50, 40));
    }

    void resultsInLargeType() {
        open();
        resizePresentation({1920, 1080});
        for (const auto& [mine, copy] : Copies) {
            const auto* label = pres()->findChild<QLabel*>(copy);
            QVERIFY2(QFontInfo(label->font()).pixelSize() >= 20, copy);
            QVERIFY(label->isVisible());
            // Nothing cut off.
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
                         label->contentsRect().width(),
                     copy);
            QVERIFY(pres()->rect().contains(label->mapTo(pres(), label->rect().bottomRight())));
        }
        type("7");
        const auto* augm = pres()->findChild<QLabel*>("PresAugm");
        QVERIFY(QFontMetrics(augm->font()).horizontalAdvance(augm->text()) <=
                augm->contentsRect().width());
        // The diagram and the results do not overlap.
        QVERIFY(!pres()->diagram()->geometry().intersects(
            pres()->findChild<QWidget*>("PresDades")->geometry()));
    }
};

QTEST_MAIN(PresentacioTest)
#include "PresentacioTest.moc"
