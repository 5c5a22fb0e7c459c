// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Ejercicio.h"
#include "core/NumberText.h"
#include "forms/HojaEjercicios.h"
#include "forms/LanguageSwitch.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/WindowSteps.h"

// The practice window driven through its controls, as a pupil does.
class EjercicioTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TFEjercicio> w;
    std::unique_ptr<ReportCatcher> reports;

    template <typename T = QWidget> T* get(const char* name) { return w->findChild<T*>(name); }
    QString text(const char* name) { return get(name)->property("text").toString(); }
    QStringList texts(std::initializer_list<const char*> names) {
        QStringList t;
        for (const char* name : names)
            t << text(name);
        return t;
    }
    void choose(const char* name, int index) {
        auto* c = get<QComboBox>(name);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(c, Qt::Key_Down);
        QCOMPARE(c->currentIndex(), index);
    }
    void type(const char* name, const QString& t) {
        get<QLineEdit>(name)->clear();
        QTest::keyClicks(get(name), t);
    }
    void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    // The right answers to the exercise shown; the numbers as typed.
    void answerRight(const QString& position, const QString& magnification) {
        const ImageResult image = ComputeImage(w->scene());
        choose("EjTipo", image.kind == ImageVirtual ? 1 : 0);
        choose("EjSentido", image.inverted() ? 1 : 0);
        choose("EjTamano", image.size);
        type("EjPosicion", position);
        type("EjAumento", magnification);
    }
    std::size_t shownCalls() {
        return get<TExerciseView>("EjDiagrama")->drawing().record.calls().size();
    }
    std::size_t callsAt(int step) {
        return RevealedDrawing(DrawClassroomScene(w->scene(), ComputeImage(w->scene())), step)
            .record.calls()
            .size();
    }

private slots:
    void init() {
        SwitchLanguage(LangSpanish);
        w = std::make_unique<TFEjercicio>(nullptr, 12345);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        reports = std::make_unique<ReportCatcher>();
    }
    void cleanup() {
        QVERIFY(reports->boxes.empty());
        w.reset();
        SwitchLanguage(LangSpanish);
    }

    void wrongThenRightStepByStepThenNextInAnotherLanguage() {
        // A level chosen from the keyboard gives a scene of it.
        choose("EjNivel", static_cast<int>(ExerciseLevel::ConcaveCentreFocus));
        QVERIFY(-w->scene().objectPos > 25 && -w->scene().objectPos < 50);
        QCOMPARE(text("EjEnunciado"), ExerciseStatement(w->scene(), LangSpanish));
        QCOMPARE(shownCalls(), callsAt(0));
        for (const char* c : {"EjTipo", "EjSentido", "EjTamano"})
            QCOMPARE(get<QComboBox>(c)->currentIndex(), -1);
        // Nothing answered: all wrong, with the right values; the picture shows itself in time.
        click("EjComprobar");
        QCOMPARE(
            texts({"EjPuntuacion", "EjTotal", "EjMarcaTipo", "EjMarcaPosicion"}),
            QStringList({"0 de 5", "0 de 5 en 1 ejercicio", "✗ mal; la respuesta es real",
                         "✗ mal; la respuesta es " +
                             PositionForPeople(ComputeImage(w->scene()).position, LangSpanish)}));
        QVERIFY(!get("EjComprobar")->isEnabled() && !get("EjPosicion")->isEnabled());
        QVERIFY(w->revealTimer()->isActive());
        QCOMPARE(w->revealTimer()->interval() * w->steps(), 1500);
        w->revealTimer()->setInterval(1);
        QTRY_COMPARE(w->step(), w->steps());
        QCOMPARE(shownCalls(), callsAt(w->steps()));
        QVERIFY(!get("EjPaso")->isEnabled());
        // The next one is another scene of the level, the answers cleared.
        const Scene before = w->scene();
        click("EjSiguiente");
        QVERIFY(!(w->scene() == before));
        QVERIFY(-w->scene().objectPos > 25 && -w->scene().objectPos < 50);
        QCOMPARE(texts({"EjPosicion", "EjPuntuacion"}), QStringList({"", ""}));
        QCOMPARE(get<QComboBox>("EjTipo")->currentIndex(), -1);
        QCOMPARE(shownCalls(), callsAt(0));
        // Right, within the tolerance, with a point: checked by the first step.
        const ImageResult next = ComputeImage(w->scene());
        answerRight(QString::number(next.position * 1.019, 'f', 2),
                    QString::number(next.magnification, 'f', 3).replace('.', ','));
        click("EjPaso");
        QCOMPARE(texts({"EjPuntuacion", "EjTotal"}),
                 QStringList({"5 de 5", "5 de 10 en 2 ejercicios"}));
        QVERIFY(text("EjMarcaTamano").startsWith("✓ bien: "));
        QVERIFY(!w->revealTimer()->isActive());
        for (int step = 1; step <= w->steps(); ++step) {
            QCOMPARE(w->step(), step);
            QCOMPARE(shownCalls(), callsAt(step));
            if (step < w->steps())
                click("EjPaso");
        }
        QVERIFY(!get("EjPaso")->isEnabled());
        // Checking again counts nothing more.
        w->EjComprobarClick();
        QCOMPARE(text("EjTotal"), "5 de 10 en 2 ejercicios");
        // The language changed mid-exercise.
        click("EjSiguiente");
        answerRight("-1", "2");
        SwitchLanguage(LangEnglish);
        QCOMPARE(text("EjComprobar"), "Check");
        QCOMPARE(text("EjEnunciado"), ExerciseStatement(w->scene(), LangEnglish));
        QVERIFY(text("EjEnunciado")
                    .endsWith(" mirror, object at " +
                              PositionForPeople(w->scene().objectPos, LangEnglish)));
        // What the pupil answered stays.
        QCOMPARE(get<QLineEdit>("EjPosicion")->text(), "-1");
        QVERIFY(get<QComboBox>("EjTipo")->currentIndex() >= 0);
        click("EjComprobar");
        QVERIFY(text("EjMarcaPosicion").startsWith("✗ wrong; the answer is "));
        QCOMPARE(text("EjPuntuacion"), "3 of 5");
        SwitchLanguage(LangCatalan);
        QCOMPARE(text("EjPuntuacion"), "3 de 5");
        QVERIFY(text("EjMarcaPosicion")
                    .endsWith("és " + RightAnswerText(AnswerPart::Position,
                                                      ComputeImage(w->scene()), LangCatalan)));
    }

    // A seed repeats the session; the presentation reveals a ray a press of the space bar.
    void seedPresentationMenuAndWorksheet() {
        std::vector<Scene> shown;
        for (int i = 0; i < 4; ++i, click("EjSiguiente"))
            shown.push_back(w->scene());
        auto* seed = get<QSpinBox>("EjSemilla");
        QCOMPARE(seed->value(), 12345);
        seed->setValue(777);
        const Scene other = w->scene();
        seed->setValue(12345);
        for (const Scene& s : shown) {
            QCOMPARE(w->scene(), s);
            click("EjSiguiente");
        }
        QVERIFY(!(other == shown[0]));
        QCOMPARE(text("EjTotal"), "0 de 0 en 0 ejercicios");
        QTest::keyClick(w.get(), Qt::Key_F11);
        TFPresentacio* pres = w->presentacio();
        QVERIFY(pres && pres->isVisible());
        // Its hint names the window Escape goes back to, in the language shown.
        auto* hint = pres->findChild<QLabel*>("PresAvisoEsc");
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), "Esc: volver a la práctica");
        SwitchLanguage(LangEnglish);
        QCOMPARE(hint->text(), "Esc: back to the practice");
        SwitchLanguage(LangSpanish);
        const auto drawn = [pres] { return pres->diagram()->source().drawing->calls().size(); };
        auto* kind = pres->findChild<QLabel*>("PresTipus");
        QCOMPARE(drawn(), callsAt(0));
        QVERIFY(!kind->isVisible());
        QCOMPARE(pres->diagram()->accessibleDescription(), text("EjEnunciado"));
        for (int step = 1; step <= w->steps(); ++step) {
            QVERIFY(!kind->isVisible());
            QTest::keyClick(pres, Qt::Key_Space);
            QCOMPARE(drawn(), callsAt(step));
        }
        QVERIFY(kind->isVisible() && !hint->isVisible());
        QCOMPARE(kind->text(),
                 RightAnswerText(AnswerPart::Kind, ComputeImage(w->scene()), Language));
        // The practice window itself shows nothing more for it.
        QCOMPARE(w->step(), 0);
        QTest::keyClick(pres, Qt::Key_Escape);
        QVERIFY(!pres->isVisible());
        TFPrincipal main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QList<QAction*> menus = main.menuBar()->actions();
        auto* menu = main.findChild<QMenu*>("MenuEjercicios");
        QVERIFY(menu && menus.last()->menu() == menu); // after "Diagrama": DiagramMenuTest
        QCOMPARE(menu->title(), "Ejercicios");
        main.findChild<QAction*>("OpPracticar")->trigger();
        auto* practice = main.findChild<TFEjercicio*>("FEjercicio");
        QVERIFY(practice && practice->isVisible() && practice->isWindow());
        QVERIFY(!practice->isModal());
        // The worksheet: two exercises without the key, saved as asked.
        QTemporaryDir dir;
        const QString file = dir.filePath("hoja");
        const QString here = QDir::currentPath();
        WhenOpen<TFHojaEjercicios>([&file](TFHojaEjercicios* d) {
            QCOMPARE(d->findChild<QSpinBox*>("HojaNumero")->value(), 8);
            d->findChild<QSpinBox*>("HojaNumero")->setValue(2);
            auto* key = d->findChild<QCheckBox*>("HojaSoluciones");
            key->setFocus();
            QTest::keyClick(key, Qt::Key_Space);
            QVERIFY(!key->isChecked());
            WhenOpen<QFileDialog>([&file](QFileDialog* f) { ChooseFile(f, file); });
            d->accept();
        });
        main.findChild<QAction*>("OpHojaEjercicios")->trigger();
        QCOMPARE(QDir::currentPath(), here);
        QProcess text;
        text.start("pdftotext", {file + ".pdf", "-"});
        const QString words = text.waitForFinished() ? text.readAllStandardOutput() : "";
        QCOMPARE(words.count("Semilla "), 1);
        QCOMPARE(words.count(
                     QRegularExpression("^[12]\\. Espejo ", QRegularExpression::MultilineOption)),
                 2);
        SwitchLanguage(LangCatalan);
        QCOMPARE(menu->title(), "Exercicis");
        QCOMPARE(main.findChild<QAction*>("OpHojaEjercicios")->text(), "Full d'exercicis...");
    }
};

QTEST_MAIN(EjercicioTest)
#include "EjercicioTest.moc"
