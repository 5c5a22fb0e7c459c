// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Principal.h"
#include "core/Language.h"
#include "core/Random.h"
#include "core/RunError.h"
#include "diagram/Description.h"
#include "diagram/Lesson.h"
#include "forms/Accessibility.h"
#include "forms/ErrorReport.h"
#include "forms/Fonts.h"
#include "forms/GraficPanel.h"
#include "forms/LanguageSwitch.h"
#include "optics/Optics.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/WindowSteps.h"
#include "util/Shell.h"

#include <QAccessible>

namespace {

const bool SpanishNumbers = qputenv("LC_ALL", "es_ES.UTF-8"); // read by the application later

// Command, button clicked first, kind, nearest and farthest distance, button down after it.
const struct {
    const char *name, *before;
    int kind, nearest, farthest;
    const char* down;
} Commands[] = {
    {"BtPla", "BtConc", 0, 20, 79, "BtPla"},        {"BtConv", "BtConv", 1, 20, 79, "BtConv"},
    {"BtConc", "BtPla", 2, 20, 79, "BtConc"},       {"Oppla", "BtConc", 0, 20, 79, "BtConc"},
    {"OpConvex", "BtPla", 1, 20, 79, "BtPla"},      {"OpCentre", "BtConv", 2, 60, 109, "BtConv"},
    {"OpCentreFocus", "BtPla", 2, 30, 49, "BtPla"}, {"Opfocus", "BtConv", 2, 5, 24, "BtConv"},
};

// Command, typed distance, then PTipus, PSentit, PMagnif, EdPosIm, EdAugm in
// Spanish and, where given, in English.
const struct {
    const char *command, *distance, *shown, *english = {};
} Results[] = {
    {"Oppla", "40", "virtual derecha igual 40 1", "virtual upright same size 40 1"},
    {"OpConvex", "100", "virtual derecha disminuida 20 0,2", "virtual upright reduced 20 0,2"},
    {"OpCentre", "100", "real inversa disminuida -33,3333333333333 -0,333333333333333"},
    {"OpCentre", "50", "real inversa igual -50 -1"},
    {"OpCentre", "30", "real inversa aumentada -150 -5", "real inverted enlarged -150 -5"},
    {"OpCentre", "25", "virtual derecha aumentada infinito 40000",
     "virtual upright enlarged infinity 40000"},
    {"OpCentre", "10", "virtual derecha aumentada 16,6666666666667 1,66666666666667"},
    {"OpCentre", "0", "real derecha igual 0 1"},
};
const std::map<QString, QColor> Colors = {
    {"real", 0x0000db}, {"virtual", 0x72dbff}, {"derecha", 0x0068d1}, {"inversa", 0xff0000}};
// The size word's face (the substitutes for Tahoma, Courier New and Script), size and weight.
const std::map<QString, std::tuple<QString, int, bool>> Fonts = {
    {"aumentada", {"Liberation Sans", 20, true}},
    {"igual", {"Liberation Mono", 16, false}},
    {"disminuida", {"Z003", 14, false}}};

// Controls and their accessible names in Spanish and in English.
const char* const Named = "BtPla BtConv BtConc BarraDespl EdPosObj EdPosIm EdAugm Grafic";
const char* const Names[] = {"espejo plano|espejo convexo|espejo cóncavo|posición objecto|"
                             "posición objecto|Posición de la imagen|Aumento|Diagrama",
                             "plane mirror|convex mirror|concave mirror|object position|"
                             "object position|Image position|Magnification|Diagram"};

} // namespace

class PrincipalTest : public MainWindowSteps {
    Q_OBJECT
    std::unique_ptr<ReportCatcher> reports;

    static std::uint32_t seedBefore(std::uint32_t draw) { return (draw - 1u) * 0xD94FA8CDu; }
    QColor color(const char* name) { return get(name)->palette().color(QPalette::WindowText); }
    QString down() {
        QString d;
        for (const char* b : {"BtPla", "BtConv", "BtConc"})
            d += get<QToolButton>(b)->isChecked() ? b : "";
        return d;
    }
    QWidget* panel() { return get("Grafic"); }
    QString description(QWidget* view) {
        return QAccessible::queryAccessibleInterface(view)->text(QAccessible::Description);
    }
    QString expected() {
        const LessonState& s = w->lesson()->state();
        return DescribeScene(s.scene, s.image, Language);
    }
    QWidget* ring() {
        auto* r = get("MarcaFoco");
        return r && r->isVisible() ? r : nullptr;
    }
    // The reports caught since the last look, each a critical box with OK alone under the title.
    void said(const QStringList& texts, const QString& title = ApplicationTitle()) {
        QStringList shown;
        for (const Box& b : std::exchange(reports->boxes, {})) {
            shown << b.text;
            QCOMPARE(std::tuple(b.title, b.icon, b.buttons),
                     std::tuple(title, QMessageBox::Critical,
                                QMessageBox::StandardButtons(QMessageBox::Ok)));
        }
        QCOMPARE(shown, texts);
    }

private slots:
    void initTestCase() {
        QCOMPARE(Language, LangCatalan); // until the window's creation
        InstallFontSubstitutes();        // as the program's start does
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
    }
    void init() {
        RandSeed = seedBefore(0xFFFFFFFFu);
        start();
        reports = std::make_unique<ReportCatcher>();
    }
    void cleanup() {
        QVERIFY(reports->boxes.empty()); // each test takes the reports it expects
        w.reset();
    }

    void commandsDrawAtRandomPositions_data() { TableRows(Commands); }
    void commandsDrawAtRandomPositions() {
        QFETCH(int, row);
        const auto& c = Commands[row];
        command(c.before);
        for (const auto& [draw, distance] : {std::pair{0u, c.nearest}, {0xFFFFFFFFu, c.farthest}}) {
            RandSeed = seedBefore(draw);
            command(c.name);
            QCOMPARE(int(MirrorKind), c.kind);
            at(-distance);
            QCOMPARE(down(), c.down);
        }
    }

    void resultsPanel_data() { TableRows(Results); }
    void resultsPanel() {
        QFETCH(int, row);
        const auto& r = Results[row];
        // A language switched to after an update and before one, both ways.
        for (const char* step : {"es+", "en", "en+", "es", "es+"}) {
            const bool english = step[1] == 'n';
            if (english && !r.english)
                continue;
            SwitchLanguage(english ? LangEnglish : LangSpanish);
            if (step[2]) {
                command(r.command);
                type(r.distance);
            }
            const QStringList all{text("PTipus"), text("PSentit"), text("PMagnif"), text("EdPosIm"),
                                  text("EdAugm")};
            QCOMPARE(all.join(' '), QString::fromUtf8(english ? r.english : r.shown));
        }
        const QStringList shown{text("PTipus"), text("PSentit"), text("PMagnif")};
        QCOMPARE(get<QLabel>("PTipus")->alignment(),
                 (shown[0] == "real" ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        QCOMPARE(std::pair(color("PTipus"), color("PSentit")),
                 std::pair(Colors.at(shown[0]), Colors.at(shown[1])));
        const QFont f = get("PMagnif")->font();
        // Where two foundries make the face, the family names its maker too.
        QCOMPARE(std::tuple(QFontInfo(f).family().section(" [", 0, 0), f.pointSize(), f.bold()),
                 Fonts.at(shown[2]));
        QCOMPARE(get<QLineEdit>("EdPosIm")->cursorPosition(), 0); // long numbers show their start
    }

    // Refused texts (which are refused is the parser's table) leave everything as it was, the
    // text kept for correction; far distances fail to draw, one report each, and repaints do
    // not draw again.
    void positionControlsErrorsAndTheProgramsEnd() {
        QCOMPARE(std::tuple(Language, MirrorKind, down(), w->windowTitle()),
                 std::tuple(LangSpanish, MirrorPlane, QString("BtPla"), QString("Vexaria")));
        at(-79);
        for (const QString typed : {"", "\t40", "40 ", "abc"}) { // nothing trimmed first
            type("40");
            type(typed);
            said({"'" + typed + "' is not a valid integer value."});
            at(-40, typed);
        }
        const std::pair<const char*, double> typings[] = {
            {"$28", 40},         {"  +33", 33},     {"150", 150},
            {"2000000000", 2e9}, {"$FFFFFFFF", -1}, {"-2147483648", INT_MIN},
            {"50", 50}};
        for (const auto& [typed, v] : typings) {
            type(typed, Qt::Key_Enter);
            w->repaint();
            at(-v);
        }
        type("12", Qt::Key_Tab); // only Enter takes the text
        QCOMPARE(LastObjectPos, -50.0);
        said(QStringList(2, "Invalid floating point operation."));
        QTest::mouseClick(bar(), Qt::LeftButton, {}, {bar()->width() - 4, 8}); // right arrow
        at(-49);
        QTest::mouseClick(bar(), Qt::LeftButton, {}, {bar()->width() - 24, 8}); // trough
        at(-39);
        bar()->setSliderDown(true); // the thumb draws while dragged and where it is left
        bar()->setSliderPosition(30);
        QCOMPARE(LastObjectPos, -70.0);
        LastObjectPos = 0; // the release draws again
        bar()->setSliderDown(false);
        at(-70);
        // A held Enter repeats its release on X11: only the real release counts.
        get<QLineEdit>("EdPosObj")->setText("30");
        for (const bool repeat : {true, true, false}) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, {}, repeat);
            QApplication::sendEvent(get("EdPosObj"), &release);
            QCOMPARE(LastObjectPos, repeat ? -70.0 : -30.0);
        }
        // An error escaping a handler is reported with a "." added; the event loop goes on.
        for (const char* message : {"Invalid floating point operation", "Done.", ""})
            RunHandler([message] { throw RunError(message); });
        int runs = 0;
        QTimer::singleShot(0, [] { RunHandler([] { throw 42; }); });
        QTimer::singleShot(0, [&runs] { RunHandler([&runs] { ++runs; }); });
        QTRY_COMPARE(runs, 1);
        said({"Invalid floating point operation.", "Done..", ".", "Unknown error."},
             "test_principal");
        // The title: the program's base name up to its first dot, the rest lowered.
        const std::pair<const char*, const char*> titles[] = {{"/usr/bin/mirvex", "mirvex"},
                                                              {"/opt/x/MIRVEX.EXE", "Mirvex"},
                                                              {"/a.b/MirVex.tar.gz", "Mirvex"},
                                                              {"/home/u/ÉCOLE", "École"},
                                                              {"/home/u/.hidden", ""}};
        for (const auto& [path, title] : titles)
            QCOMPARE(ApplicationTitleFromPath(QString::fromUtf8(path)), QString::fromUtf8(title));
        // "Salir" and closing the window end the program with 0.
        QTimer::singleShot(5000, w.get(), [] { QCoreApplication::exit(1); }); // a guard
        QTimer::singleShot(0, get<QAction>("OpSurt"), &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(w->isVisible()); // Salir does not close the window first
        QWidget other;           // stands for the about box or the tools editor
        other.show();
        QTimer::singleShot(0, w.get(), &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

    // The panel's bevel: a raised outer one and a lowered inner one, bottom and right over the
    // corners.
    void panelBevelAboutBoxAndFreshDrawings() {
        const QImage shot = panel()->grab().toImage();
        const int r = shot.width() - 1, b = shot.height() - 1;
        const QPalette& c = panel()->palette();
        const QRgb light = c.color(QPalette::Light).rgb(), dark = c.color(QPalette::Dark).rgb(),
                   inside = c.color(QPalette::Window).rgb();
        const std::tuple<int, int, QRgb> pixels[] = {
            {0, 0, light},     {r / 2, 0, light},     {0, b / 2, light},     {r, 0, dark},
            {0, b, dark},      {r / 2, b, dark},      {r, b / 2, dark},      {r, b, dark},
            {1, 1, dark},      {r / 2, 1, dark},      {1, b / 2, dark},      {r - 1, 1, light},
            {1, b - 1, light}, {r / 2, b - 1, light}, {r - 1, b / 2, light}, {r - 1, b - 1, light},
            {2, 2, inside},    {r - 2, b - 2, inside}};
        for (const auto& [x, y, rgb] : pixels)
            QVERIFY2(shot.pixel(x, y) == rgb, qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        // Showing fills the about box, and "Respecto a..." opens it.
        TFSobre about;
        FSobre = &about;
        w->hide();
        w->show();
        QCOMPARE(about.windowTitle(), QStringLiteral("Sobre test_principal"));
        QCOMPARE(about.findChild<QLabel*>("Comments")->text(), QStringLiteral("Vexaria"));
        QVERIFY(!about.isVisible());
        command("OpQ");
        QVERIFY(about.isVisible());
        QVERIFY(Put("mirvex.ico", "not an icon")); // a bad icon is reported
        TFSobre fresh;
        FSobre = &fresh;
        w->hide();
        w->show();
        said({"Icon image is not valid."});
        // Whatever came before, the picture is the one the scene gives drawn
        // on a freshly erased panel, and the pen is the one it leaves.
        // A scene, the pen its drawing starts with, and whether the panel was erased and drawn on
        // by hand before.
        const TPen solidRed{LineStyle::Solid, RGB(255, 0, 0), 3};
        const std::tuple<Scene, TPen, bool> steps[] = {
            {{MirrorConcave, -60}, InitialPen, false}, {{MirrorConcave, -59}, TPen{}, false},
            {{MirrorConcave, -24}, TPen{}, false},     {{MirrorConvex, -40}, TPen{}, false},
            {{MirrorConvex, 0}, TPen{}, false},        {{MirrorConcave, -1e12}, TPen{}, false},
            {{MirrorConcave, -30}, solidRed, false},   {{MirrorConcave, -31}, TPen{}, false},
            {{MirrorPlane, -40}, TPen{}, false},       {{MirrorPlane, -41}, TPen{}, false},
            {{MirrorPlane, -42}, TPen{}, true},
        };
        TGraficPanel panel;
        panel.resize(PanelWidth, PanelHeight);
        for (const auto& [scene, pen, erased] : steps) {
            DiagramStyle style;
            style.pen = pen;
            const SceneDrawing drawing = DrawScene(scene, ComputeImage(scene), style);
            if (erased) {
                panel.repaintBackground();
                panel.surface().moveTo(10, 10);
                panel.surface().lineTo(400, 200);
            }
            panel.showDrawing(drawing);
            TGraficPanel fresh;
            fresh.resize(PanelWidth, PanelHeight);
            fresh.repaintBackground();
            drawing.record.replay(fresh.surface());
            const QByteArray what =
                QByteArray::number(scene.kind) + " " + QByteArray::number(scene.objectPos);
            QVERIFY2(panel.picture(1.0) == fresh.picture(1.0), what);
            QVERIFY2(panel.surface().pen() == drawing.pen, what);
            QCOMPARE(panel.drawing().calls(), drawing.record.calls());
        }
    }

    // The names and description assistive technology reads, in the language shown, numbers as
    // it writes them; every new scene, whatever made it, described (what makes a screen reader
    // speak is the AT-SPI test's), the presentation's diagram saying what the panel says.
    void assistiveTechnologyAndTheKeyboardAlone() {
        for (const TLanguage language : {LangSpanish, LangEnglish, LangSpanish}) {
            SwitchLanguage(language);
            QStringList names;
            for (const QString& control : QString(Named).split(' '))
                names
                    << QAccessible::queryAccessibleInterface(get(control))->text(QAccessible::Name);
            QCOMPARE(names, QString(Names[language == LangEnglish]).split('|'));
            QCOMPARE(description(panel()), expected());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(panel())->role(), QAccessible::Graphic);
        const std::tuple<const char*, const char*, TMirrorKind, const char*> mirrorKeys[] = {
            {"Ctrl+3", "BtConc", MirrorConcave, nullptr},
            {"Ctrl+2", "BtConv", MirrorConvex, "OpConvex"},
            {"Ctrl+1", "BtPla", MirrorPlane, "Oppla"},
        };
        for (const auto& [key, button, kind, item] : mirrorKeys) {
            QTest::keySequence(w.get(), QKeySequence(QString::fromLatin1(key)));
            QTRY_VERIFY(get<QToolButton>(button)->isChecked());
            QCOMPARE(MirrorKind, kind);
            QCOMPARE(description(panel()), expected());
            if (item)
                QCOMPARE(get<QAction>(item)->shortcut(), QKeySequence(QString::fromLatin1(key)));
        }
        const std::pair<const char*, std::function<void()>> changes[] = {
            {"typed", [&] { type("35"); }},
            {"scroll bar", [&] { bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); }},
            {"button", [&] { command("BtConc"); }},
            {"menu", [&] { command("OpCentre"); }},
        };
        for (const auto& [how, change] : changes) {
            const QString before = description(panel());
            change();
            QVERIFY2(description(panel()) != before, how);
            QCOMPARE(description(panel()), expected());
        }
        type("25");
        QTest::keyClick(w.get(), Qt::Key_F11);
        QVERIFY(pres() && pres()->isVisible());
        QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(pres()->diagram());
        QCOMPARE(std::pair(diagram->role(), diagram->text(QAccessible::Name)),
                 std::pair(QAccessible::Graphic, QStringLiteral("Diagrama")));
        QCOMPARE(diagram->text(QAccessible::Description), description(panel()));
        QVERIFY(diagram->text(QAccessible::Description).contains("en el infinito"));
        QTest::keyClick(pres(), Qt::Key_Right);
        QCOMPARE(diagram->text(QAccessible::Description), description(panel()));
        QVERIFY(description(panel()).contains("a 24 delante"));
        QTest::keyClick(pres(), Qt::Key_Escape);
        // Tab from the field reaches the diagram, ringed, and then the buttons;
        // on the diagram the presentation's keys move the object.
        QVERIFY(!ring()); // nothing drawn over the window until the keyboard moves the focus
        get("EdPosObj")->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), panel());
        QVERIFY(ring());
        QCOMPARE(ring()->geometry(),
                 QRect(panel()->mapTo(w.get(), QPoint(-3, -3)), panel()->size() + QSize(6, 6)));
        type("40");
        panel()->setFocus(Qt::TabFocusReason);
        const std::pair<Qt::Key, double> keys[] = {
            {Qt::Key_Right, -39}, {Qt::Key_Up, -38},     {Qt::Key_Left, -39},
            {Qt::Key_Down, -40},  {Qt::Key_PageUp, -30}, {Qt::Key_PageDown, -40},
            {Qt::Key_End, 0},     {Qt::Key_Home, -100},
        };
        for (const auto& [key, at] : keys) {
            QTest::keyClick(panel(), key);
            QCOMPARE(LastObjectPos, at);
        }
        QCOMPARE(description(panel()), expected());
        QTest::keyClick(panel(), Qt::Key_Right, Qt::ShiftModifier); // not a step
        QCOMPARE(LastObjectPos, -100);
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Escape})
            QCOMPARE(DiagramKeyStep(key), QAbstractSlider::SliderNoAction);
        for (const char* button :
             {"BtPla", "BtConv", "BtConc", "EdPosIm", "EdAugm", "BarraDespl"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), get(button));
            QCOMPARE(ring()->geometry().center(),
                     get(button)->mapTo(w.get(), get(button)->rect().center()));
        }
        // A click takes the ring away.
        QTest::mouseClick(get("EdPosObj"), Qt::LeftButton);
        QVERIFY(!ring());
        // F1 the help, F10 the first menu.
        QList<ShellRequest> asked;
        SetShellOpenHook([&asked](const ShellRequest& r) { return asked << r, true; });
        QTest::keyClick(w.get(), Qt::Key_F1);
        SetShellOpenHook({});
        QCOMPARE(asked, (QList<ShellRequest>{{"mirvex.pdf", "", ""}}));
        QTest::keyClick(w.get(), Qt::Key_F10);
        auto* first = get<QMenu>("Elements");
        QTRY_VERIFY(first->isVisible());
        first->close();
    }
};

QTEST_MAIN(PrincipalTest)
#include "PrincipalTest.moc"
