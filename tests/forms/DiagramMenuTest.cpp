// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/DiagramMenu.h"
#include "core/Random.h"
#include "forms/ErrorReport.h"
#include "forms/GraficPanel.h"
#include "forms/print/PrintInterface.h"
#include "optics/Optics.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/ToolFaultSink.h"
#include "tests/support/WindowSteps.h"

#include <QPrintDialog>
#include <QPrinter>

#include <functional>

namespace {

const bool SpanishNumbers = qputenv("LC_ALL", "es_ES.UTF-8"); // read by the application later

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    const bool ran = p.waitForFinished(60000) && p.exitCode() == 0;
    return ran ? QString::fromUtf8(p.readAllStandardOutput()) : "<" + program + " failed>";
}

// Pixels of the image arrow's light blue right of column x.
int BlueRightOf(const QImage& image, int x) {
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int i = x; i < image.width(); ++i)
            blue += image.pixel(i, y) == qRgb(100, 150, 255);
    return blue;
}

} // namespace

class DiagramMenuTest : public MainWindowSteps {
    Q_OBJECT
    QString home;

    void concaveAt(const char* distance) {
        command("OpCentre");
        type(distance);
    }
    // Saves under `name` from the menu or with Ctrl+S, `size` answering the PNG size dialog.
    void saveAs(const QString& name, std::function<void(QDialog*)> size = {}, bool ctrlS = false) {
        WhenOpen<QFileDialog>([=](QFileDialog* d) {
            if (size)
                WhenOpen<QDialog>(size);
            ChooseFile(d, name);
        });
        if (ctrlS)
            QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
        else
            get<QAction>("OpGuardarDiagrama")->trigger();
    }
    // Prints with Ctrl+P or the menu, the print dialog sending the pages to `pdf`.
    void printTo(const QString& pdf, bool ctrlP = true) {
        WhenOpen<QPrintDialog>([pdf](QPrintDialog* d) {
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(pdf);
            d->done(QDialog::Accepted);
        });
        if (ctrlP)
            QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier);
        else
            get<QAction>("OpImprimir")->trigger();
    }

private slots:
    void initTestCase() {
        QVERIFY(SpanishNumbers && dir.isValid());
        home = dir.filePath("home");
        QVERIFY(QDir().mkpath(home) && QDir::setCurrent(home));
        PanelLookIn(dir); // in the pictures too
        qputenv("HOME", QFile::encodeName(home));
    }
    void init() {
        RandSeed = 1;
        start();
    }
    void cleanup() {
        w.reset();
        QCOMPARE(QDir::currentPath(), home); // no dialog moved the working folder
    }

    // Its texts are checked with the other windows' in every language.
    void theMenuComesAfterTheToolsMenuWithItsThreeCommands() {
        const QList<QAction*> menus = w->menuBar()->actions();
        auto* menu = get<QMenu>("MenuDiagrama");
        // Then only the exercises' menu.
        QCOMPARE(menus.value(menus.size() - 3)->text(), QStringLiteral("Utilidades"));
        QVERIFY(menu && menus.value(menus.size() - 2)->menu() == menu);
        QStringList keys;
        for (QAction* a : menu->actions().mid(0, 3))
            keys << a->shortcut().toString();
        QCOMPARE(keys, (QStringList{"Ctrl+S", "Ctrl+Shift+C", "Ctrl+P"}));
        // The panel's context menu offers the same three.
        auto* panel = get<TGraficPanel>("Grafic");
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(100, 100),
                                panel->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(panel, &click);
        auto* context = panel->findChild<QMenu*>("MenuContextoDiagrama");
        QVERIFY(context && context->isVisible());
        QCOMPARE(context->actions().mid(0, 3), menu->actions().mid(0, 3));
        context->close();
        // Ctrl+C still copies the field, Ctrl+Shift+C the diagram.
        concaveAt("10");
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        auto* field = get<QLineEdit>("EdPosObj");
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("10"));
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* data = clipboard->mimeData();
        QVERIFY(data && data->hasImage());
        const QImage image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(1700, 1124));
        QCOMPARE(image.pixel(5, 5), qRgb(242, 255, 253));
        // The image arrow stands right of the mirror, where the panel has it.
        const int panelBlue = BlueRightOf(get<TGraficPanel>("Grafic")->surface().image(), 230);
        QVERIFY(panelBlue > 20 && BlueRightOf(image, 920) > 8 * panelBlue);
        QVERIFY(data->data("image/svg+xml").contains("<svg"));
        // Saving starts in the user's pictures (home while there are none), then where the last
        // went.
        const QString pictures = home + "/Pictures", other = dir.filePath("other");
        QVERIFY(QDir().mkpath(other));
        // A name to type (empty: cancel) and the folder the dialog shows.
        const std::pair<QString, QString> steps[] = {
            {{}, home}, // then pictures are made, and a fresh window looks there
            {other + "/b.svg", pictures},
            {"c.svg", other},
            {{}, other}};
        for (int i = 0; i < int(std::size(steps)); ++i) {
            const auto& [name, folder] = steps[i];
            if (i == 1) {
                QVERIFY(QDir().mkpath(pictures));
                init();
            }
            QString shown;
            WhenOpen<QFileDialog>([&shown, name](QFileDialog* d) {
                shown = d->directory().absolutePath();
                name.isEmpty() ? d->reject() : ChooseFile(d, name);
            });
            get<QAction>("OpGuardarDiagrama")->trigger();
            QCOMPARE(shown, folder);
        }
        QVERIFY(QFileInfo::exists(other + "/b.svg") && QFileInfo::exists(other + "/c.svg"));
        QVERIFY(QDir(pictures).removeRecursively());
    }

    void savesPngAtTheChosenSizeSvgAndPdf() {
        concaveAt("24");
        const QString png = dir.filePath("d.png");
        saveAs(
            png,
            [](QDialog* size) {
                auto* width = size->findChild<QSpinBox*>("EdAncho");
                auto* height = size->findChild<QSpinBox*>("EdAlto");
                QCOMPARE(std::pair(width->value(), height->value()), std::pair(1700, 1124));
                width->setValue(850); // the height follows
                QCOMPARE(height->value(), 562);
                size->accept();
            },
            true);
        QCOMPARE(QImage(png).size(), QSize(850, 562));
        for (const char* kind : {"svg", "pdf"}) {
            saveAs(dir.filePath(QStringLiteral("d.") + kind));
            QVERIFY2(Read(dir.filePath(QStringLiteral("d.") + kind))
                         .startsWith(kind == QByteArray("svg") ? "<?xml" : "%PDF"),
                     kind);
        }
        // No leftovers of the atomic writes.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' '),
                 QStringLiteral("d.pdf d.png d.svg"));
        // A failed save says why under the title and leaves no file.
        const QString folder = dir.filePath("gone");
        QVERIFY(QDir().mkpath(folder));
        const QString gone = folder + "/d.png";
        ReportCatcher reports;
        saveAs(gone, [&](QDialog* size) {
            // The folder disappears while the user picks the size.
            QVERIFY(QDir(folder).removeRecursively());
            size->accept();
        });
        QTRY_COMPARE(reports.boxes.size(), size_t(1));
        const Box& box = reports.boxes.front();
        QCOMPARE(box.title, ApplicationTitle());
        QVERIFY2(box.text.startsWith("No se ha podido guardar «" + gone + "»: ") &&
                     box.text.size() > gone.size() + 30,
                 qPrintable(box.text));
        QVERIFY(!QFileInfo::exists(folder));
        // A PNG over 4000 x 4000 is made under a progress dialog; cancelled, it writes nothing.
        const QString name = dir.filePath("large.png");
        for (const bool cancel : {true, false}) {
            int ticks = 0;
            QTimer answering;
            connect(&answering, &QTimer::timeout, [&ticks] { ++ticks; });
            answering.start(10);
            QString progress;
            saveAs(name, [&](QDialog* size) {
                size->findChild<QSpinBox*>("EdAncho")->setValue(4950);
                WhenOpen<QProgressDialog>([&, cancel](QProgressDialog* d) {
                    progress = d->objectName();
                    if (cancel)
                        d->cancel();
                });
                size->accept();
            });
            QTRY_VERIFY(!progress.isEmpty());
            QCOMPARE(progress, QStringLiteral("DlgProgresoGuardar"));
            if (cancel) {
                QTRY_VERIFY(!QApplication::activeModalWidget());
                QVERIFY(!QFileInfo::exists(name));
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(name), 60000);
                QCOMPARE(QImageReader(name).size(), QSize(4950, 3273));
                QVERIFY(ticks > 2);
            }
        }
    }

    // Printing refused, with the reason and no print dialog; the program goes on.
    void withoutAUsablePrintModulePrintingSaysWhyAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("why");
        const QString missing = dir.filePath("no-module/vexaria_print.so");
        QTest::newRow("missing") << missing << "falta «" + missing + "»";
        QTest::newRow("stale") << STALE_PRINT_MODULE
                               << QString::asprintf(
                                      "«%s» es de otra versión del programa (interfaz "
                                      "%d; este programa necesita la %d)",
                                      STALE_PRINT_MODULE, VexariaPrintInterfaceVersion - 1,
                                      VexariaPrintInterfaceVersion);
        QTest::newRow("foreign") << FOREIGN_PRINT_MODULE
                                 << "«" FOREIGN_PRINT_MODULE
                                    "» no es el módulo de impresión del programa";
        const QString broken = dir.filePath("broken/vexaria_print.so");
        QVERIFY(QDir().mkpath(dir.filePath("broken")));
        QVERIFY(Put(broken, "not a library"));
        QTest::newRow("unloadable")
            << broken << QStringLiteral("no se ha podido cargar el módulo de impresión (");
        // Cut short in copying: the loader would fault on its missing pages.
        for (const int size : {1024, 4096, 8192}) {
            const QString cut = dir.filePath(QStringLiteral("cut%1/vexaria_print.so").arg(size));
            QVERIFY(QDir().mkpath(QFileInfo(cut).path()) && QFile::copy(PRINT_MODULE, cut));
            QVERIFY(QFile::resize(cut, size));
            QTest::addRow("cut at %d", size) << cut
                                             << "no se ha podido cargar el módulo de impresión («" +
                                                    cut + "» está incompleto o dañado)";
        }
    }
    void withoutAUsablePrintModulePrintingSaysWhyAndTheProgramGoesOn() {
        QFETCH(QString, file);
        QFETCH(QString, why);
        get<TDiagramCommands>("DiagramCommands")->setPrintModuleFile(file);
        bool dialog = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&dialog] {
            if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                dialog = true;
                d->reject();
            }
        });
        watch.start(5);
        ReportCatcher reports;
        QTest::keyClick(w.get(), Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(reports.boxes.size(), size_t(1));
        const Box& box = reports.boxes.front();
        QCOMPARE(std::pair(box.title, box.icon),
                 std::pair(ApplicationTitle(), QMessageBox::Critical));
        const QString expected = "La impresión no está disponible: " + why;
        QVERIFY2(box.text.startsWith(expected) && box.text.contains(file) && box.text.endsWith('.'),
                 qPrintable(box.text + " | " + expected));
        QVERIFY(!dialog);
        QVERIFY(!Mapped(file));
        // The window still answers.
        concaveAt("24");
        QCOMPARE(get<QLineEdit>("EdPosObj")->text(), QStringLiteral("24"));
    }

    // Through the module, loaded by the first print. An unopenable printer is
    // said so; a printed file goes through the pictures' safe write, whose
    // failed rename leaves the old file and says why.
    void printsTheDiagramWithTheResultsUnderIt() {
        get<TDiagramCommands>("DiagramCommands")->setPrintModuleFile(PRINT_MODULE);
        QVERIFY(!Mapped(PRINT_MODULE));
        concaveAt("10");
        const QString nowhere = dir.filePath("no-such-folder/printed.pdf"),
                      pdf = dir.filePath("printed.pdf");
        QVERIFY(Put(pdf, "old"));
        for (const QString& to : {nowhere, pdf}) {
            ReportCatcher reports;
            SetFileSinkFactory(FailingAt(1, 0)); // the rename after the write refused
            printTo(to, to == nowhere);
            QTRY_COMPARE(reports.boxes.size(), size_t(1));
            SetFileSinkFactory({});
            const Box& box = reports.boxes[0];
            QCOMPARE(box.title, ApplicationTitle());
            QCOMPARE(to == nowhere ? box.text : box.text.left(21),
                     to == nowhere ? "No se ha impreso nada: no se ha podido abrir la impresora."
                                   : "No se ha impreso nada");
        }
        QVERIFY(Mapped(PRINT_MODULE) && !QFileInfo::exists(nowhere));
        QCOMPARE(Read(pdf), QByteArray("old"));
        printTo(pdf, false); // the report took the focus off the window
        QVERIFY(QFileInfo(pdf).size() > 1000);
        const QString text = Run("pdftotext", {"-enc", "UTF-8", pdf, "-"});
        for (const char* line :
             // Numbers for people, whatever the view.
             {"Espejo: cóncavo", "Posición del objeto: −10", "Posición de la imagen: 16,7",
              "Aumento: 1,67", "Imagen: virtual, derecha, aumentada"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), qPrintable(text));
        // The diagram is drawn, not pasted in as a picture.
        QCOMPARE(Run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).size(), 2);
    }
};

QTEST_MAIN(DiagramMenuTest)
#include "DiagramMenuTest.moc"
