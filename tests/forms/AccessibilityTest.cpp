// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a keyboard and screen-reader user meets it: the names
// and the diagram's description that assistive technology reads, the events
// that make it speak, the keys, the tab order and the focus ring.
#include "forms/Principal.h"

#include "core/Language.h"
#include "core/Random.h"
#include "diagram/Description.h"
#include "diagram/Lesson.h"
#include "forms/Accessibility.h"
#include "forms/LanguageSwitch.h"
#include "forms/Presentacio.h"
#include "optics/Optics.h"
#include "tests/support/ReportCatcher.h"
#include "util/Shell.h"

#include <QAccessible>
#include <QtTest>

namespace {

// Control, then its accessible name in Spanish and in English.
const char* const Names[][3] = {
    {"BtPla", "espejo plano", "plane mirror"},
    {"BtConv", "espejo convexo", "convex mirror"},
    {"BtConc", "espejo cóncavo", "concave mirror"},
    {"BarraDespl", "posición objecto", "object position"},
    {"EdPosObj", "posición objecto", "object position"},
    {"EdPosIm", "Posición de la imagen", "Image position"},
    {"EdAugm", "Aumento", "Magnification"},
    {"Grafic", "Diagrama", "Diagram"},
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TFPrincipal> w;
    std::unique_ptr<ReportCatcher> reports;

    template <typename T = QWidget> T* get(const char* name) { return w->findChild<T*>(name); }
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
    void type(const QString& t) {
        get<QLineEdit>("EdPosObj")->setText(t);
        QTest::keyClick(get("EdPosObj"), Qt::Key_Return);
    }

private slots:
    void init() {
        RandSeed = 12345;
        w = std::make_unique<TFPrincipal>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        reports = std::make_unique<ReportCatcher>();
    }
    void cleanup() {
        QVERIFY(reports->boxes.empty());
        w.reset();
        SwitchLanguage(LangSpanish);
    }

    void namesFollowTheLanguage() {
        for (const TLanguage language : {LangSpanish, LangEnglish, LangSpanish}) {
            SwitchLanguage(language);
            for (const auto& n : Names) {
                const QString name =
                    QAccessible::queryAccessibleInterface(get(n[0]))->text(QAccessible::Name);
                QCOMPARE(name, QString::fromUtf8(n[language == LangEnglish ? 2 : 1]));
            }
            // Numbers as the language writes them.
            QCOMPARE(description(panel()), expected());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(panel())->role(), QAccessible::Graphic);
    }

    // Every new scene, whatever made it, is described. (The events that
    // make a screen reader speak need a platform with an accessibility
    // bridge: the AT-SPI test checks them.)
    void eachChangeIsDescribed() {
        const std::pair<const char*, std::function<void()>> changes[] = {
            {"typed", [&] { type("35"); }},
            {"scroll bar",
             [&] {
                 get<QScrollBar>("BarraDespl")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
             }},
            {"button", [&] { QTest::mouseClick(get<QToolButton>("BtConc"), Qt::LeftButton); }},
            {"menu", [&] { get<QAction>("OpCentre")->trigger(); }},
        };
        for (const auto& [how, change] : changes) {
            const QString before = description(panel());
            change();
            QVERIFY2(description(panel()) != before, how);
            QCOMPARE(description(panel()), expected());
        }
    }

    // Tab from the field reaches the diagram, ringed, and then the buttons;
    // on the diagram the presentation's keys move the object.
    void keyboardAlone() {
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
    }

    void mirrorKeysAndHelp() {
        const std::tuple<const char*, const char*, TMirrorKind, const char*> keys[] = {
            {"Ctrl+3", "BtConc", MirrorConcave, nullptr},
            {"Ctrl+2", "BtConv", MirrorConvex, "OpConvex"},
            {"Ctrl+1", "BtPla", MirrorPlane, "Oppla"},
        };
        for (const auto& [key, button, kind, item] : keys) {
            QTest::keySequence(w.get(), QKeySequence(QString::fromLatin1(key)));
            QTRY_VERIFY(get<QToolButton>(button)->isChecked());
            QCOMPARE(MirrorKind, kind);
            QCOMPARE(description(panel()), expected());
            if (item)
                QCOMPARE(get<QAction>(item)->shortcut(), QKeySequence(QString::fromLatin1(key)));
        }
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

    // The presentation's diagram says what the panel says.
    void presentationDescribed() {
        QTest::mouseClick(get<QToolButton>("BtConc"), Qt::LeftButton);
        type("25");
        QTest::keyClick(w.get(), Qt::Key_F11);
        auto* pres = w->findChild<TFPresentacio*>("FPresentacio");
        QVERIFY(pres && pres->isVisible());
        QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(pres->diagram());
        QCOMPARE(std::pair(diagram->role(), diagram->text(QAccessible::Name)),
                 std::pair(QAccessible::Graphic, QStringLiteral("Diagrama")));
        QCOMPARE(diagram->text(QAccessible::Description), description(panel()));
        QVERIFY(diagram->text(QAccessible::Description).contains("en el infinito"));
        QTest::keyClick(pres, Qt::Key_Right);
        QCOMPARE(diagram->text(QAccessible::Description), description(panel()));
        QVERIFY(description(panel()).contains("a 24 delante"));
        QTest::keyClick(pres, Qt::Key_Escape);
    }

    void keySteps() {
        QCOMPARE(DiagramKeyStep(Qt::Key_A), QAbstractSlider::SliderNoAction);
        QCOMPARE(DiagramKeyStep(Qt::Key_Escape), QAbstractSlider::SliderNoAction);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
