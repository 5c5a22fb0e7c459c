#include "Principal.h"
#include "ErrorReport.h"
#include "GraficPanel.h"
#include "Language.h"
#include "Optics.h"
#include "Random.h"
#include "ReportCatcher.h"
#include "Shell.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <array>
#include <memory>

namespace {

// The seed whose next step gives `after`: 0 makes the next Random(n) return
// 0, 0xFFFFFFFF makes it return n - 1.
std::uint32_t SeedBefore(std::uint32_t after) {
    return (after - 1u) * 0xD94FA8CDu; // the inverse of 134775813 modulo 2^32
}

// Mirror (menu item), typed distance, then the results panel as shown.
struct ResultRow {
    const char *mirror, *distance, *kind, *orientation, *size, *position, *magnification;
};
const ResultRow ResultRows[] = {
    {"Oppla", "40", "virtual", "derecha", "igual", "40", "1"},
    {"Oppla", "0", "real", "derecha", "igual", "0", "1"},
    {"OpConvex", "100", "virtual", "derecha", "disminuida", "20", "0.2"},
    {"OpConvex", "25", "virtual", "derecha", "disminuida", "12.5", "0.5"},
    {"OpConvex", "0", "real", "derecha", "igual", "0", "1"},
    {"OpCentre", "100", "real", "inversa", "disminuida", "-33.3333333333333", "-0.333333333333333"},
    {"OpCentre", "75", "real", "inversa", "disminuida", "-37.5", "-0.5"},
    {"OpCentre", "50", "real", "inversa", "igual", "-50", "-1"},
    {"OpCentre", "30", "real", "inversa", "aumentada", "-150", "-5"},
    {"OpCentre", "25", "virtual", "derecha", "aumentada", "infinito", "40000"},
    {"OpCentre", "10", "virtual", "derecha", "aumentada", "16.6666666666667", "1.66666666666667"},
    {"OpCentre", "5", "virtual", "derecha", "aumentada", "6.25", "1.25"},
    {"OpCentre", "0", "real", "derecha", "igual", "0", "1"},
};

} // namespace

class PrincipalTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFPrincipal> w;

    template <typename T = QWidget> T* get(const QString& name) {
        T* child = w->findChild<T*>(name);
        if (!child) {
            qFatal("no control %s", qPrintable(name));
        }
        return child;
    }
    QScrollBar* bar() { return get<QScrollBar>("BarraDespl"); }
    QLineEdit* field() { return get<QLineEdit>("EdPosObj"); }
    QString text(const char* name) {
        auto* label = w->findChild<QLabel*>(name);
        return label ? label->text() : get<QLineEdit>(name)->text();
    }
    // A button is clicked, a menu item chosen.
    void command(const QString& name) {
        if (auto* b = w->findChild<QToolButton*>(name)) {
            QTest::mouseClick(b, Qt::LeftButton);
        } else {
            get<QAction>(name)->trigger();
        }
    }
    void typePosition(const QString& t, Qt::Key key = Qt::Key_Return) {
        field()->setText(t);
        QTest::keyClick(field(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    std::array<bool, 3> buttons() {
        return {get<QToolButton>("BtPla")->isChecked(), get<QToolButton>("BtConv")->isChecked(),
                get<QToolButton>("BtConc")->isChecked()};
    }
    QImage panelPicture() { return get("Grafic")->grab().toImage(); }
    // Runs the event loop as the program does; a guard ends it with 1.
    int exec(const std::function<void()>& action) {
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QTimer::singleShot(0, action);
        return QApplication::exec();
    }

private slots:
    void initTestCase() {
        // Only the main window's creation sets the language.
        QCOMPARE(Language, LangCatalan);
    }
    void init() {
        SetShellOpenHook([](const ShellRequest&) { return true; });
        w = std::make_unique<TFPrincipal>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() {
        w.reset();
        SetShellOpenHook({});
    }

    void creationDrawsAPlaneMirrorAndSetsTheLanguage() {
        QCOMPARE(Language, LangSpanish);
        QCOMPARE(FPrincipal, w.get());
        QCOMPARE(MirrorKind, MirrorPlane);
        QVERIFY(LastObjectPos <= -20 && LastObjectPos >= -79);
        QCOMPARE(bar()->value(), int(LastObjectPos) + 100);
        QCOMPARE(field()->text(), QString::number(-int(LastObjectPos)));
        QCOMPARE(buttons(), (std::array{true, false, false}));
        QCOMPARE(text("PTipus"), QStringLiteral("virtual"));
    }

    void windowLayout() {
        QCOMPARE(w->objectName(), QStringLiteral("FPrincipal"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Vexaria"));
        QCOMPARE(w->pos(), QPoint(280, 202)); // of the frame
        QCOMPARE(w->size(), QSize(676, 423));
        QCOMPARE(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                                     Qt::WindowCloseButtonHint),
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        const std::pair<const char*, QRect> controls[] = {
            {"BtsMiralls", {57, 8, 137, 49}},     {"BtPla", {8, 8, 32, 32}},
            {"BtConv", {52, 8, 32, 32}},          {"BtConc", {98, 8, 32, 32}},
            {"Grafic", {16, 64, 425, 281}},       {"BarraDespl", {32, 354, 225, 17}},
            {"Label1", {272, 360, 92, 16}},       {"EdPosObj", {376, 354, 65, 22}},
            {"DadesImatge", {456, 72, 201, 257}}, {"Label2", {64, 8, 81, 23}},
            {"Label3", {16, 40, 169, 16}},        {"PTipus", {16, 56, 169, 25}},
            {"Label4", {16, 80, 169, 16}},        {"PSentit", {16, 96, 169, 25}},
            {"Label6", {16, 120, 169, 16}},       {"PMagnif", {16, 136, 169, 25}},
            {"Shape1", {8, 176, 185, 73}},        {"Label7", {16, 192, 65, 16}},
            {"EdPosIm", {86, 184, 60, 22}},       {"Label8", {16, 224, 64, 16}},
            {"EdAugm", {86, 218, 60, 22}},
        };
        w->resize(900, 600); // controls keep their places
        for (const auto& [name, geometry] : controls) {
            QCOMPARE(get(name)->geometry(), geometry);
        }
        QCOMPARE(get<QToolButton>("BtConc")->toolTip(), QString::fromUtf8("espejo cóncavo"));
        QCOMPARE(get<QLabel>("Label6")->text(), QString::fromUtf8("aumento / disminución"));
        QCOMPARE(get<QLabel>("Label1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        const QFont title = get("Label2")->font();
        QCOMPARE(title.family(), QStringLiteral("Tahoma"));
        QVERIFY(title.pixelSize() == 19 && title.bold() && title.underline());
        QCOMPARE(w->font().pixelSize(), 13);
        QVERIFY(field()->font().bold());

        // Colours as they reach the screen.
        const QImage shot = w->grab().toImage();
        const std::tuple<const char*, QPoint, QColor> colours[] = {
            {"Label1", {1, 1}, QColor(0, 255, 0)},
            {"Grafic", {3, 3}, QColor(242, 255, 253)},
            {"DadesImatge", {5, 5}, QColor(128, 128, 255)},
            {"Shape1", {90, 5}, QColor(186, 7, 137)},
            {"EdPosObj", {60, 11}, QColor(217, 255, 255)},
            {"EdAugm", {55, 11}, QColor(255, 235, 215)},
            {"PTipus", {84, 3}, QColor(255, 255, 215)},
            {"PMagnif", {3, 12}, QColor(255, 255, 0)},
            {"BtsMiralls", {3, 3}, QColor(100, 200, 250)},
        };
        for (const auto& [name, at, colour] : colours) {
            QCOMPARE(shot.pixelColor(get(name)->mapTo(w.get(), at)), colour);
        }

        QStringList tabOrder;
        QWidget* f = bar();
        do {
            if (f->focusPolicy() & Qt::TabFocus) {
                tabOrder << f->objectName();
            }
            f = f->nextInFocusChain();
        } while (f != bar());
        QCOMPARE(tabOrder, (QStringList{"BarraDespl", "EdPosObj", "EdPosIm", "EdAugm"}));
    }

    void menu() {
        QCOMPARE(w->menuBar()->objectName(), QStringLiteral("MenuMirvex"));
        // Each menu with its items in order, as "name caption".
        const auto items = [](QWidget* m) {
            QStringList n;
            for (QAction* a : m->actions()) {
                n << (a->menu() ? a->menu()->objectName() + ' ' + a->menu()->title()
                                : a->objectName() + ' ' + a->text());
            }
            return n.join(", ");
        };
        QCOMPARE(items(w->menuBar()), "Elements Elemento, Info Info, ToolsMenuItem Utilidades");
        QCOMPARE(items(get("Elements")), "Miralls Espejos, N1 , OpSurt Salir");
        QCOMPARE(items(get("Miralls")),
                 QString::fromUtf8("Oppla Plano, OpConvex Convexo, OpConc Cóncavo, sep , "
                                   "OpTMiralls Teoría"));
        QCOMPARE(items(get("OpConc")),
                 QString::fromUtf8("OpCentre Imagen más allá del centro, "
                                   "OpCentreFocus Imagen entre el centro y el foco, "
                                   "Opfocus Imagen entre el foco y el espejo"));
        QCOMPARE(items(get("Info")), "OpHlp Info, OpQ Respecto a...");
        QVERIFY(get<QAction>("sep")->isSeparator() && get<QAction>("N1")->isSeparator());
    }

    void commandsDrawAtRandomPositions_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("nearest");
        QTest::addColumn<int>("farthest");
        QTest::newRow("BtPla") << 0 << 20 << 79;
        QTest::newRow("BtConv") << 1 << 20 << 79;
        QTest::newRow("BtConc") << 2 << 20 << 79;
        QTest::newRow("Oppla") << 0 << 20 << 79;
        QTest::newRow("OpConvex") << 1 << 20 << 79;
        QTest::newRow("OpCentre") << 2 << 60 << 109;
        QTest::newRow("OpCentreFocus") << 2 << 30 << 49;
        QTest::newRow("Opfocus") << 2 << 5 << 24;
    }
    void commandsDrawAtRandomPositions() {
        QFETCH(int, kind);
        QFETCH(int, nearest);
        QFETCH(int, farthest);
        const QString name = QTest::currentDataTag();
        // The ends of the range, from seeds that make the draw 0 and n - 1.
        for (const auto& [after, distance] : {std::pair{0u, nearest}, {0xFFFFFFFFu, farthest}}) {
            RandSeed = SeedBefore(after);
            command(name);
            QCOMPARE(int(MirrorKind), kind);
            QCOMPARE(LastObjectPos, double(-distance));
            QCOMPARE(bar()->value(), std::max(0, 100 - distance));
            QCOMPARE(field()->text(), QString::number(distance));
        }
        Randomize();
        for (int i = 0; i < 40; ++i) {
            command(name);
            QVERIFY(LastObjectPos <= -nearest && LastObjectPos >= -farthest);
        }
    }

    void buttonsFollowClicksNotMenus() {
        const std::tuple<const char*, std::array<bool, 3>, int> steps[] = {
            {"BtConc", {false, false, true}, 2}, {"BtConc", {false, false, true}, 2},
            {"Oppla", {false, false, true}, 0},  {"OpConvex", {false, false, true}, 1},
            {"BtConv", {false, true, false}, 1}, {"OpCentre", {false, true, false}, 2},
            {"BtPla", {true, false, false}, 0},  {"Opfocus", {true, false, false}, 2},
        };
        for (const auto& [name, after, kind] : steps) {
            command(name);
            QCOMPARE(buttons(), after);
            QCOMPARE(int(MirrorKind), kind);
        }
    }

    void resultsPanel_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(ResultRows)); ++i) {
            QTest::addRow("%s %s", ResultRows[i].mirror, ResultRows[i].distance) << i;
        }
    }
    void resultsPanel() {
        QFETCH(int, row);
        const ResultRow& r = ResultRows[row];
        command(r.mirror);
        typePosition(r.distance);
        QCOMPARE(LastObjectPos, -QByteArray(r.distance).toDouble());

        auto* tipus = get<QLabel>("PTipus");
        const bool real = QLatin1String(r.kind) == "real";
        QCOMPARE(tipus->text(), r.kind);
        QCOMPARE(tipus->alignment(), (real ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        QCOMPARE(tipus->palette().color(QPalette::WindowText),
                 real ? QColor(0, 0, 219) : QColor(114, 219, 255));
        auto* sentit = get<QLabel>("PSentit");
        QCOMPARE(sentit->text(), r.orientation);
        QCOMPARE(sentit->palette().color(QPalette::WindowText),
                 QLatin1String(r.orientation) == "inversa" ? QColor(255, 0, 0)
                                                           : QColor(0, 104, 209));
        const std::tuple<const char*, const char*, int, bool> sizes[] = {
            {"aumentada", "Tahoma", 20, true},
            {"igual", "Courier New", 16, false},
            {"disminuida", "Script", 14, false},
        };
        auto* magnif = get<QLabel>("PMagnif");
        QCOMPARE(magnif->text(), r.size);
        for (const auto& [caption, face, points, bold] : sizes) {
            if (magnif->text() == caption) {
                QCOMPARE(magnif->font().family(), face);
                QCOMPARE(magnif->font().pointSize(), points);
                QCOMPARE(magnif->font().bold(), bold);
            }
        }
        QCOMPARE(text("EdPosIm"), r.position);
        QCOMPARE(text("EdAugm"), r.magnification);
        QCOMPARE(get<QLineEdit>("EdPosIm")->cursorPosition(), 0); // long numbers show their start
    }

    void acceptedPositions_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("object");
        QTest::addColumn<int>("barPosition");
        QTest::addColumn<QString>("shown");
        const int ret = Qt::Key_Return;
        QTest::newRow("decimal") << "40" << ret << -40.0 << 60 << "40";
        QTest::newRow("keypad enter") << "40" << int(Qt::Key_Enter) << -40.0 << 60 << "40";
        QTest::newRow("blanks, sign") << "  +33" << ret << -33.0 << 67 << "33";
        QTest::newRow("hex") << "$28" << ret << -40.0 << 60 << "40";
        QTest::newRow("beyond the bar") << "150" << ret << -150.0 << 0 << "150";
        QTest::newRow("behind the mirror") << "-20" << ret << 20.0 << 100 << "-20";
        QTest::newRow("hex negative") << "$FFFFFFFF" << ret << 1.0 << 100 << "-1";
        QTest::newRow("on the mirror") << "0" << ret << 0.0 << 100 << "0";
    }
    void acceptedPositions() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(double, object);
        QFETCH(int, barPosition);
        QFETCH(QString, shown);
        ReportCatcher reports;
        typePosition(typed, Qt::Key(key));
        QCOMPARE(LastObjectPos, object);
        QCOMPARE(bar()->value(), barPosition);
        QCOMPARE(field()->text(), shown);
        QVERIFY(reports.boxes.empty());
        // Other keys do nothing.
        typePosition("12", Qt::Key_Tab);
        QCOMPARE(LastObjectPos, object);
    }

    void refusedPositions_data() {
        QTest::addColumn<QString>("typed");
        for (const char* t : {"", " ", "abc", "+", "-", "40 ", "4 0", "1.5", "2147483648",
                              "-2147483649", "$", "-$10", "$123456789", "$G", "0x10", "posición"}) {
            QTest::addRow("'%s'", t) << QString::fromUtf8(t);
        }
    }
    void refusedPositions() {
        QFETCH(QString, typed);
        typePosition("40");
        const QString tipus = text("PTipus");
        const QImage picture = panelPicture();
        ReportCatcher reports;
        typePosition(typed);
        QTRY_COMPARE(int(reports.boxes.size()), 1);
        const Box& box = reports.boxes.front();
        QCOMPARE(box.text, QStringLiteral("'%1' is not a valid integer value.").arg(typed));
        QCOMPARE(box.title, ApplicationTitle());
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::Ok);
        // Nothing changed, and the field keeps the text for correction.
        QCOMPARE(LastObjectPos, -40.0);
        QCOMPARE(bar()->value(), 60);
        QCOMPARE(text("PTipus"), tipus);
        QCOMPARE(field()->text(), typed);
        QCOMPARE(panelPicture(), picture);
    }

    void scrollBar() {
        typePosition("50");
        QScrollBar* b = bar();
        const int mid = b->height() / 2;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 4, mid)); // right arrow
        QCOMPARE(LastObjectPos, -49.0);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, mid)); // left arrow, twice
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, mid));
        QCOMPARE(LastObjectPos, -51.0);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 24, mid)); // trough
        QCOMPARE(LastObjectPos, -41.0);
        QCOMPARE(b->value(), 59);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_End);
        QCOMPARE(LastObjectPos, 0.0);
        QTest::keyClick(b, Qt::Key_Home);
        QCOMPARE(LastObjectPos, -100.0);
        QCOMPARE(field()->text(), QStringLiteral("100"));
        // Dragging the thumb draws while it moves and where it is left.
        b->setSliderDown(true);
        b->setSliderPosition(30);
        QCOMPARE(LastObjectPos, -70.0);
        b->setSliderPosition(35);
        QCOMPARE(field()->text(), QStringLiteral("65"));
        b->setSliderDown(false);
        QCOMPARE(LastObjectPos, -65.0);
        QCOMPARE(b->value(), 35);
    }

    void farPositionIsReportedOnceAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("barPosition");
        QTest::newRow("far in front") << "2000000000" << 0;
        QTest::newRow("far behind") << "-2147483648" << 100;
    }
    void farPositionIsReportedOnceAndTheProgramGoesOn() {
        QFETCH(QString, typed);
        QFETCH(int, barPosition);
        ReportCatcher reports;
        typePosition(typed);
        QTRY_COMPARE(int(reports.boxes.size()), 1);
        QCOMPARE(reports.boxes.front().text, QStringLiteral("Invalid floating point operation."));
        QCOMPARE(bar()->value(), barPosition);
        // The object stands at -v even for the most negative v.
        QCOMPARE(LastObjectPos, -typed.toDouble());
        // Repaints show the picture as far as it was drawn and report nothing.
        const QImage picture = panelPicture();
        QCOMPARE(picture.pixelColor(3, 3), QColor(242, 255, 253));
        for (int i = 0; i < 5; ++i) {
            w->repaint();
            get("Grafic")->repaint();
            QTest::qWait(10);
        }
        QCOMPARE(int(reports.boxes.size()), 1);
        QCOMPARE(panelPicture(), picture);
        // The next command draws normally.
        command("BtConc");
        typePosition("50");
        QCOMPARE(text("EdPosIm"), QStringLiteral("-50"));
        QCOMPARE(int(reports.boxes.size()), 1);
    }

    void panelShowsTheLastPicture() {
        typePosition("40");
        const QImage drawn = get<TGraficPanel>("Grafic")->surface().image();
        QCOMPARE(panelPicture().convertToFormat(drawn.format()), drawn);
        // Repainted to the panel's colour before the axis was drawn.
        QCOMPARE(drawn.pixelColor(3, 3), QColor(242, 255, 253));
        QCOMPARE(drawn.pixelColor(10, PlotY(Diagram, 0)), QColor(0, 0, 0));
        // The object arrow at -40 is gone once the object moves.
        const QPoint shaft(PlotX(Diagram, -40), PlotY(Diagram, 5));
        QCOMPARE(drawn.pixelColor(shaft), QColor(10, 15, 200));
        typePosition("90");
        QCOMPARE(panelPicture().pixelColor(shaft), QColor(242, 255, 253));
    }

    void helpAsksTheDesktopForTheDocument() {
        QStringList asked;
        SetShellOpenHook([&asked](const ShellRequest& request) {
            asked << request.path + '|' + request.params + '|' + request.dir;
            return false; // a failure is not reported
        });
        ReportCatcher reports;
        get<QAction>("OpHlp")->trigger();
        QTest::qWait(20);
        QCOMPARE(asked, QStringList{"mirvex.pdf||"});
        QVERIFY(reports.boxes.empty());
    }

    void theoryItemDoesNothing() {
        const QImage picture = panelPicture();
        const double before = LastObjectPos;
        get<QAction>("OpTMiralls")->trigger();
        QCOMPARE(LastObjectPos, before);
        QCOMPARE(panelPicture(), picture);
    }

    void salirEndsTheProgramAtOnceWithZero() {
        struct CloseCounter : QObject {
            int closes = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                closes += e->type() == QEvent::Close;
                return false;
            }
        } counter;
        w->installEventFilter(&counter);
        QCOMPARE(exec([this] { get<QAction>("OpSurt")->trigger(); }), 0);
        QCOMPARE(counter.closes, 0);
        QVERIFY(w->isVisible());
        w->removeEventFilter(&counter);
    }

    void closingTheMainWindowEndsTheProgramWithZero() {
        QWidget other; // stands for the about box or the tools editor
        other.show();
        QCOMPARE(exec([this] { w->close(); }), 0);
        QVERIFY(other.isVisible());
    }
};

QTEST_MAIN(PrincipalTest)
#include "PrincipalTest.moc"
