// SPDX-License-Identifier: GPL-3.0-or-later
// Random user actions on every window from a seed it prints: no crash, no hang,
// no modal window but the program's own, nothing opened for real.
// MONKEY_SEED=<n> MONKEY_ACTIONS=<n> repeat a run.

#include "core/Random.h"
#include "forms/DiagramMenu.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "plot/Plot.h"
#include "tests/support/WindowSteps.h"
#include "util/Shell.h"
#include "util/ToolFile.h"

#include <QPrintDialog>
#include <QPrinter>

#include <random>

namespace {

// Numbers in range and far out, hexadecimal, garbage, characters the tool
// file cannot hold, a long line.
const QStringList Texts = {
    "40",         "-20",         "25",   "  7",       "$1E",  "$80000000",
    "2000000000", "-2147483648", "abc",  "",          "+",    "12 ",
    "-",          "ñandú €",     "中文", "/bin/true", "x\ty", QString(300, QLatin1Char('w'))};

QtMessageHandler LoudHandler = nullptr;
// The offscreen platform says on every showing that it cannot raise windows.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        LoudHandler(type, context, text);
}

template <typename T> QList<T*> Find(const QList<QWidget*>& windows, const QStringList& names) {
    QList<T*> found;
    for (const QString& name : names)
        for (QWidget* w : windows)
            if (T* child = w->findChild<T*>(name))
                found << child;
    return found;
}

// Runs at least this long reach every kind of dialog and a launch, whatever the seed.
constexpr int ReachEverythingActions = 5000;

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomActionsLeaveEveryWindowWorking();
};

void MonkeyTest::randomActionsLeaveEveryWindowWorking() {
    const quint32 seed = qEnvironmentVariable("MONKEY_SEED", "20261206").toUInt();
    const int actions = qEnvironmentVariable("MONKEY_ACTIONS", "20000").toInt();
    qInfo("monkey seed %u, %d actions", seed, actions);
    LoudHandler = qInstallMessageHandler(QuietPlatform);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    // Picking a language keeps it: here, in the test's own folder.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    QVERIFY(
        Put("Tools.rel",
            "Apuntes\r\napuntes.pdf\r\n\r\n\r\n-\r\n\r\n\r\n\r\nWeb\r\nhttps://x.org\r\n\r\n\r\n"));
    int launches = 0;
    SetShellOpenHook([&launches](const ShellRequest&) { return ++launches > 0; });

    PlotUnitInit();
    RandSeed = seed;
    TFPrincipal main;
    TFSobre about;
    FSobre = &about;
    TFedTools editor;
    main.show();

    // Prints with the real module, into a file.
    main.findChild<TDiagramCommands*>(QStringLiteral("DiagramCommands"))
        ->setPrintModuleFile(QStringLiteral(PRINT_MODULE));
    const QStringList pictures = {"d.png", "d.svg", "d.pdf"};

    // Closes whatever modal window an action opens; every other file dialog
    // saves the diagram, and the print dialog prints to a file.
    int boxes = 0, dialogs = 0, saved = 0, printed = 0;
    QStringList strange;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++boxes;
            if (box->windowTitle() != QCoreApplication::applicationName())
                strange << box->windowTitle() + QStringLiteral(": ") + box->text();
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (++dialogs % 2 == 0 && dialog->objectName() == QLatin1String("DlgGuardarDiagrama")) {
                dialog->setOption(QFileDialog::DontConfirmOverwrite);
                dialog->selectFile(QDir::current().absoluteFilePath(pictures[saved++ % 3]));
                QMetaObject::invokeMethod(dialog, "accept");
            } else {
                dialog->reject();
            }
        } else if (auto* print = qobject_cast<QPrintDialog*>(modal)) {
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(QDir::current().absoluteFilePath("printed.pdf"));
            print->done(QDialog::Accepted);
            ++printed;
        } else if (modal && modal->objectName() == QLatin1String("FTamanyPng")) {
            qobject_cast<QDialog*>(modal)->accept();
        } else if (modal) {
            strange << QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
    closer.start(0);

    const QList<QWidget*> windows = {&main, &editor, &about};
    // Every command but "Salir" and closing the main window, which end it.
    const QList<QAction*> commands = Find<QAction>(
        windows, {"Oppla", "OpConvex", "OpCentre", "OpCentreFocus", "Opfocus", "OpTMiralls",
                  "OpHlp", "OpQ", "OpEdTools", "OpCatala", "OpEnglish", "OpEspanol",
                  "OpGuardarDiagrama", "OpCopiarDiagrama", "OpImprimir", "OpPresentacio"});
    const QList<QAbstractButton*> buttons =
        Find<QAbstractButton>(windows, {"BtPla", "BtConv", "BtConc", "BtNou", "BtPas", "BtBrr",
                                        "BtOK", "BtEsc", "BtFtx", "BtSobre"});
    const QList<QLineEdit*> fields = Find<QLineEdit>(
        windows, {"EdPosObj", "EdPosIm", "EdAugm", "EdTit", "EdFtx", "EdDir", "EdPrs"});
    auto* bar = main.findChild<QScrollBar*>(QStringLiteral("BarraDespl"));
    auto* list = editor.findChild<QListWidget*>(QStringLiteral("Lst"));
    QVERIFY(commands.size() == 16 && buttons.size() == 10 && fields.size() == 7 && bar && list);

    std::mt19937 rng(seed);
    const auto pick = [&rng](auto size) {
        return static_cast<int>(std::uniform_int_distribution<long>(0, long(size) - 1)(rng));
    };
    for (int step = 0; step < actions; ++step) {
        // A command, a button or a field twice as often as the rest.
        if (const int action = pick(8); action == 0) {
            QList<QAction*> all = commands; // tool items change as the list is saved
            if (ToolsMenuItem)              // its tool items are made as it is about to show
                emit ToolsMenuItem->aboutToShow();
            for (QAction* a : ToolsMenuItem ? ToolsMenuItem->actions() : QList<QAction*>())
                all << a;
            all[pick(all.size())]->trigger();
        } else if (action <= 2) {
            if (QAbstractButton* b = buttons[pick(buttons.size())];
                b->isVisible() && b->isEnabled())
                QTest::mouseClick(b, Qt::LeftButton);
        } else if (action <= 4) {
            QLineEdit* f = fields[pick(fields.size())];
            f->setText(Texts[pick(Texts.size())]);
            QTest::keyClick(f, pick(2) ? Qt::Key_Return : Qt::Key_Enter);
        } else if (action == 5) {
            if (pick(2))
                bar->setSliderPosition(pick(101));
            bar->triggerAction(static_cast<QAbstractSlider::SliderAction>(1 + pick(7)));
        } else if (action == 6) {
            if (list->isVisible() && list->count() > 0)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(pick(list->count()))).center());
            else if (list->isVisible())
                QTest::keyClick(list, pick(2) ? Qt::Key_Down : Qt::Key_Up);
        } else {
            // The title bar's close, or a key, on the about box or the editor;
            // or a repaint of the main window, which shows the last picture.
            if (QWidget* w = windows[1 + pick(2)]; w->isVisible())
                pick(2) ? void(w->close())
                        : QTest::keyClick(w, pick(2) ? Qt::Key_Escape : Qt::Key_Return);
            main.repaint();
            // The presentation, when open, goes as the user would leave it.
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String("FPresentacio") && top->isVisible() &&
                    pick(3) == 0)
                    QTest::keyClick(top, Qt::Key_Escape);
            }
            QCoreApplication::processEvents();
        }
        QVERIFY2(SelectedTool <= ToolCount(), qPrintable(QString::number(step)));
        QVERIFY(main.isVisible());
    }
    qInfo("%d message boxes, %d file dialogs, %d saved, %d printed, %d launches, %zu tools", boxes,
          dialogs, saved, printed, launches, ToolCount());
    QVERIFY2(strange.isEmpty(), qPrintable(strange.join(QLatin1Char('\n'))));
    // A long run that never reached a message box, the file dialog or a
    // launch tried less than it claims; a short custom run may miss them.
    if (actions >= ReachEverythingActions)
        QVERIFY(boxes > 0 && dialogs > 0 && saved > 0 && printed > 0 && launches > 0);
    for (const QString& name : pictures)
        QVERIFY2(saved < 3 || QFileInfo(name).size() > 0, qPrintable(name));
    commands.first()->trigger(); // "Plano": the program still answers
    QCOMPARE(main.findChild<QLabel*>(QStringLiteral("PTipus"))->text(), QStringLiteral("virtual"));
    SetShellOpenHook({});
}

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
