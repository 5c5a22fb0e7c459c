// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom view through the real program: the menu item and its
// setting, the scale kept over a whole drag of the scroll bar, the
// presentation and the saved picture in the classroom view by default.
#include "forms/ClassroomView.h"
#include "core/Random.h"
#include "forms/GraficPanel.h"
#include "forms/LanguageSwitch.h"
#include "tests/support/WindowSteps.h"

class ClassroomViewTest : public MainWindowSteps {
    Q_OBJECT
    QString conf;

    QAction* item() { return get<QAction>("OpVistaClase"); }
    TClassroomView* view() { return get<TClassroomView>("ClassroomView"); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        conf = dir.filePath("config/Vexaria/vexaria.conf");
    }
    void init() {
        RandSeed = 1;
        QFile::remove(conf);
    }
    void cleanup() { w.reset(); }

    // Every word of the presentation whole in its box, in every language and
    // on projectors from 720p to 4K; captions, heading and hint at least
    // 3.5 % of the screen's height.
    void thePresentationsWordsFitEverywhere_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("infinity");
        const char* infinity[] = {"infinit", "infinity", "infinito", "infinito"};
        for (const TLanguage l : {LangCatalan, LangEnglish, LangSpanish, LangGalician})
            for (const QSize s :
                 {QSize(1280, 720), QSize(1920, 1080), QSize(1280, 1024), QSize(3840, 2160)})
                QTest::addRow("%s %dx%d", LanguageCodes[l], s.width(), s.height())
                    << int(l) << s << QString(infinity[l]);
    }
    void thePresentationsWordsFitEverywhere() {
        QFETCH(int, language);
        QFETCH(QSize, size);
        QFETCH(QString, infinity);
        start();
        // The concave mirror's focus: the longest words, the image at infinity.
        command("OpCentre");
        type("25");
        QVERIFY(present());
        SwitchLanguage(TLanguage(language));
        resize(pres(), size);
        int checked = 0;
        for (const QLabel* l : pres()->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty())
                continue;
            ++checked;
            const QFontMetrics m(l->font());
            const int indent = l->alignment() & Qt::AlignHCenter ? 0 : std::max(0, l->indent());
            QVERIFY2(m.horizontalAdvance(l->text()) <=
                         l->contentsRect().width() - 2 * l->margin() - indent,
                     qPrintable(l->objectName() + ": " + l->text()));
            QVERIFY2(m.height() <= l->contentsRect().height(), qPrintable(l->objectName()));
            QVERIFY2(pres()->rect().contains(
                         l->geometry().translated(l->mapTo(pres(), QPoint()) - l->pos())),
                     qPrintable(l->objectName()));
            if (!l->objectName().startsWith("PresL") && l->objectName() != "PresAvisoEsc")
                continue;
            QVERIFY2(QFontInfo(l->font()).pixelSize() >= 0.035 * size.height(),
                     qPrintable(l->objectName()));
        }
        QCOMPARE(checked, 15);
        QCOMPARE(pres()->findChild<QLabel*>("PresPosIm")->text(), infinity);
        QCOMPARE(pres()->findChild<QLabel*>("PresAugm")->text(), infinity);
        SwitchLanguage(LangSpanish);
    }

    // Nothing chosen: the presentation teaches with the classroom view, on
    // white, and a drag there puts the object where the pointer is.
    void presentationPicturesPanelAndSetting() {
        start();
        command("OpCentre");
        QVERIFY(present());
        resize(pres(), {1280, 720});
        QCOMPARE(pres()->diagram()->source().background, RGB(255, 255, 255));
        QCOMPARE(pres()->diagram()->source().client, QSize(ClassroomWidth, ClassroomHeight));
        const auto point = [&](double x) {
            const ClassroomDrawing& d = view()->drawing();
            const QRectF t = pres()->diagram()->target();
            return QPointF(t.x() + (d.clientX(x) + 0.5) * t.width() / d.width - 0.5,
                           t.y() + (d.clientY(5) + 0.5) * t.height() / d.height - 0.5)
                .toPoint();
        };
        QWidget* diagram = pres()->diagram();
        const double x0 = w->lesson()->state().scene.objectPos;
        QTest::mousePress(diagram, Qt::LeftButton, {}, point(x0));
        QTest::mouseMove(diagram, point(-70));
        QTest::mouseRelease(diagram, Qt::LeftButton, {}, point(-70));
        QCOMPARE(w->lesson()->state().scene.objectPos, -70.0);
        // Its results: numbers for people, one face, the image's heading.
        const auto label = [this](const char* name) { return pres()->findChild<QLabel*>(name); };
        QCOMPARE(label("PresPosIm")->text(), QStringLiteral("\u221238,9"));
        QCOMPARE(label("PresAugm")->text(), QStringLiteral("\u22120,56"));
        QCOMPARE(label("PresTipus")->font().family(), label("PresMagnif")->font().family());
        QCOMPARE(label("PresSentit")->font().family(), label("PresMagnif")->font().family());
        QCOMPARE(label("PresTipus")->alignment(), Qt::AlignCenter);
        QCOMPARE(label("PresLImagen")->text(), QStringLiteral("Imagen"));
        const auto top = [this](QWidget* l) { return l->mapTo(pres(), QPoint(0, 0)).y(); };
        QVERIFY(top(label("PresLImagen")) + label("PresLImagen")->height() <=
                top(label("PresLPosIm")));
        QVERIFY(QFontInfo(label("PresLPosIm")->font()).pixelSize() >= 0.035 * 720 - 0.5);
        QTest::keyClick(pres(), Qt::Key_Escape);
        // The hint how to leave, on opening, gone after a few seconds or
        // at the first step.
        get<QAction>("OpPresentacio")->trigger();
        QVERIFY(label("PresAvisoEsc")->isVisible());
        QCOMPARE(label("PresAvisoEsc")->text(),
                 QStringLiteral("Esc: volver a la ventana principal"));
        QTest::keyClick(pres(), Qt::Key_Left);
        QVERIFY(!label("PresAvisoEsc")->isVisible());
        QTest::keyClick(pres(), Qt::Key_Escape);
        // The copied picture is the classroom view's, on white.
        get<QAction>("OpCopiarDiagrama")->trigger();
        const QImage copied =
            qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
        QCOMPARE(copied.size(), QSize(1700, 1124));
        QCOMPARE(copied.pixelColor(5, 5), QColor(Qt::white));
        QVERIFY(!QFile::exists(conf));
        // The panel under the view is drawn only when it shows again: then,
        // and at the steps after, it is what a panel never covered shows.
        // A button, its mirror and the steps along the bar while covered.
        const std::tuple<const char*, TMirrorKind, int> cases[] = {{"BtPla", MirrorPlane, 5},
                                                                   {"BtConv", MirrorConvex, 1},
                                                                   {"BtConc", MirrorConcave, 37},
                                                                   {"BtConc", MirrorConcave, 0}};
        for (const auto& [button, kind, steps] : cases) {
            start();
            QTest::mouseClick(get(button), Qt::LeftButton);
            bar()->triggerAction(QAbstractSlider::SliderToMinimum);
            item()->trigger();
            for (int i = 0; i < steps; ++i)
                bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            item()->trigger();
            auto fresh = std::make_unique<TFPrincipal>();
            for (int after = 0; after < 2; ++after) {
                const double x = w->lesson()->state().scene.objectPos;
                QCOMPARE(x, double(steps + after - 100));
                fresh->Actualitzadibuix(kind, x);
                auto* panel = get<TGraficPanel>("Grafic");
                auto* other = fresh->findChild<TGraficPanel*>("Grafic");
                QVERIFY2(panel->grab().toImage() == other->grab().toImage(), button);
                QCOMPARE(panel->drawing().calls(), other->drawing().calls());
                bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            }
        }
        QVERIFY(QFile::remove(conf));
        // Unchecked and unsaved at first, the panel its own; checked, the panel
        // shows the classroom view and the choice is kept for the next start.
        start();
        QVERIFY(get<QMenu>("MenuDiagrama")->actions().contains(item()));
        QVERIFY(item()->isCheckable() && !item()->isChecked());
        QVERIFY(!get("GraficClase")->isVisible());
        QVERIFY(!QFile::exists(conf));
        // Nothing but the item's own click changes the choice.
        get<QAction>("OpCentre")->trigger();
        QVERIFY(!QFile::exists(conf));
        item()->trigger();
        QVERIFY(item()->isChecked() && get("GraficClase")->isVisible());
        QCOMPARE(Read(conf), QByteArray("[General]\nclassroomview=true\n"));
        // The panel shows the white classroom picture.
        QCOMPARE(get("Grafic")->grab().toImage().pixelColor(5, 5), QColor(Qt::white));
        w.reset();
        start();
        QVERIFY(item()->isChecked() && get("GraficClase")->isVisible());
        // A drag of the scroll bar over the concave mirror's whole range: each step reaches the
        // lesson, and each drawing keeps the view of the one before while it still fits (a view
        // chosen afresh at each step changes the scale more often).
        command("BtConc");
        bar()->triggerAction(QAbstractSlider::SliderToMinimum);
        for (int step = 0; step <= 100; ++step) {
            const ClassroomView last = view()->drawing().view;
            if (step > 0)
                bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            const LessonState& s = w->lesson()->state();
            QCOMPARE(s.scene.objectPos, double(step - 100));
            QVERIFY2(view()->drawing().view == ChooseClassroomView(s.scene, s.image, ClassroomWidth,
                                                                   ClassroomHeight, last),
                     qPrintable(QString::number(step)));
        }
        item()->trigger();
        QVERIFY(!get("GraficClase")->isVisible());
        QCOMPARE(Read(conf), QByteArray("[General]\nclassroomview=false\n"));
    }
};

QTEST_MAIN(ClassroomViewTest)
#include "ClassroomViewTest.moc"
