// Random user actions on every window, from a seed it prints: no crash, no
// hang, no modal window but the program's own message boxes (closed here)
// and the file dialog (cancelled), nothing opened for real. Run under the
// sanitizers by scripts/sanitize.sh.
//   MONKEY_SEED=<n> MONKEY_ACTIONS=<n> test_monkey   repeats a run

#include "Plot.h"
#include "Principal.h"
#include "Random.h"
#include "Shell.h"
#include "ToolFile.h"
#include "ToolsMenu.h"
#include "UEdTools.h"
#include "USobre.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <random>

namespace {

// Texts a user might type: numbers in range and far out, hexadecimal,
// garbage, characters the tool file cannot hold, long lines.
const QStringList Texts = {
    QStringLiteral("40"),         QStringLiteral("-20"),         QStringLiteral("25"),
    QStringLiteral("  7"),        QStringLiteral("$1E"),         QStringLiteral("$80000000"),
    QStringLiteral("2000000000"), QStringLiteral("-2147483648"), QStringLiteral("abc"),
    QStringLiteral(""),           QStringLiteral("+"),           QStringLiteral("12 "),
    QStringLiteral("-"),          QStringLiteral("ñandú €"),     QStringLiteral("中文"),
    QStringLiteral("/bin/true"),  QStringLiteral("x\ty"),        QString(300, QLatin1Char('w')),
};

// Closes whatever modal window an action opens, and keeps what it saw.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++boxes;
                // The error report and the editor's own messages.
                if (box->windowTitle() != QCoreApplication::applicationName() ||
                    box->icon() == QMessageBox::Question) {
                    strange << box->windowTitle() + QStringLiteral(": ") + box->text();
                }
                box->button(QMessageBox::Ok)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                ++dialogs;
                dialog->reject();
            } else if (modal) {
                strange << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        timer_.start(0);
    }
    int boxes = 0;
    int dialogs = 0;
    QStringList strange;

private:
    QTimer timer_;
};

// The offscreen platform cannot raise or resize native windows; it says so
// on every showing, which would bury the run's own report.
QtMessageHandler LoudHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support"))) {
        LoudHandler(type, context, text);
    }
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomActionsLeaveEveryWindowWorking();
};

void MonkeyTest::randomActionsLeaveEveryWindowWorking() {
    const quint32 seed = qEnvironmentVariableIsSet("MONKEY_SEED")
                             ? qEnvironmentVariable("MONKEY_SEED").toUInt()
                             : 20261206u;
    const int actions = qEnvironmentVariableIsSet("MONKEY_ACTIONS")
                            ? qEnvironmentVariableIntValue("MONKEY_ACTIONS")
                            : 20000;
    qInfo("monkey seed %u, %d actions", seed, actions);
    LoudHandler = qInstallMessageHandler(QuietPlatform);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile tools(QStringLiteral("Tools.rel"));
    QVERIFY(tools.open(QIODevice::WriteOnly));
    tools.write("Apuntes\r\napuntes.pdf\r\n\r\n\r\n-\r\n\r\n\r\n\r\nWeb\r\nhttps://"
                "example.org\r\n\r\n\r\n");
    tools.close();
    int launches = 0;
    SetShellOpenHook([&launches](const ShellRequest&) {
        ++launches;
        return true;
    });

    PlotUnitInit();
    RandSeed = seed;
    TFPrincipal main;
    TFSobre about;
    FSobre = &about;
    TFedTools editor;
    main.show();
    ModalCloser closer;

    std::mt19937 rng(seed);
    const auto pick = [&rng](auto size) {
        return static_cast<int>(std::uniform_int_distribution<long>(0, long(size) - 1)(rng));
    };
    // Every command a user can reach, but "Salir" and closing the main
    // window, which end the program.
    QList<QAction*> commands;
    for (const char* name : {"Oppla", "OpConvex", "OpCentre", "OpCentreFocus", "Opfocus",
                             "OpTMiralls", "OpHlp", "OpQ", "OpEdTools"}) {
        commands << main.findChild<QAction*>(QLatin1String(name));
        QVERIFY2(commands.last(), name);
    }
    QList<QAbstractButton*> buttons;
    for (const char* name : {"BtPla", "BtConv", "BtConc"}) {
        buttons << main.findChild<QAbstractButton*>(QLatin1String(name));
    }
    for (const char* name : {"BtNou", "BtPas", "BtBrr", "BtOK", "BtEsc", "BtFtx"}) {
        buttons << editor.findChild<QAbstractButton*>(QLatin1String(name));
    }
    buttons << about.findChild<QAbstractButton*>(QStringLiteral("BtSobre"));
    QList<QLineEdit*> fields;
    for (const char* name : {"EdPosObj", "EdPosIm", "EdAugm"}) {
        fields << main.findChild<QLineEdit*>(QLatin1String(name));
    }
    for (const char* name : {"EdTit", "EdFtx", "EdDir", "EdPrs"}) {
        fields << editor.findChild<QLineEdit*>(QLatin1String(name));
    }
    for (QObject* o : QList<QObject*>(buttons.begin(), buttons.end()) +
                          QList<QObject*>(fields.begin(), fields.end())) {
        QVERIFY(o);
    }
    auto* bar = main.findChild<QScrollBar*>(QStringLiteral("BarraDespl"));
    auto* list = editor.findChild<QListWidget*>(QStringLiteral("Lst"));
    QVERIFY(bar && list);

    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < actions; ++step) {
        if (clock.elapsed() > 300000) {
            QFAIL(qPrintable(
                QStringLiteral("too slow: stopped at action %1 of seed %2").arg(step).arg(seed)));
        }
        switch (pick(9)) {
        case 0: {
            // Tool items change as the list is saved; take them as they are.
            QList<QAction*> all = commands;
            if (ToolsMenuItem) {
                for (QAction* a : ToolsMenuItem->actions()) {
                    if (!a->isSeparator()) {
                        all << a;
                    }
                }
            }
            all[pick(all.size())]->trigger();
            break;
        }
        case 1:
        case 2: {
            QAbstractButton* b = buttons[pick(buttons.size())];
            if (b->isVisible() && b->isEnabled()) {
                QTest::mouseClick(b, Qt::LeftButton);
            }
            break;
        }
        case 3:
        case 4: {
            QLineEdit* f = fields[pick(fields.size())];
            f->setText(Texts[pick(Texts.size())]);
            QTest::keyClick(f, pick(2) ? Qt::Key_Return : Qt::Key_Enter);
            break;
        }
        case 5: {
            static const QAbstractSlider::SliderAction moves[] = {
                QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
                QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum,
                QAbstractSlider::SliderMove};
            if (pick(2)) {
                bar->setSliderPosition(pick(101));
            }
            bar->triggerAction(moves[pick(std::size(moves))]);
            break;
        }
        case 6:
            if (list->isVisible() && list->count() > 0) {
                const QRect r = list->visualItemRect(list->item(pick(list->count())));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
            } else if (list->isVisible()) {
                QTest::keyClick(list, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            }
            break;
        case 7: {
            // Closing the about box or the editor by the title bar, or
            // pressing a key on them.
            QWidget* w = pick(2) ? static_cast<QWidget*>(&about) : &editor;
            if (w->isVisible()) {
                if (pick(2)) {
                    w->close();
                } else {
                    QTest::keyClick(w, pick(2) ? Qt::Key_Escape : Qt::Key_Return);
                }
            }
            break;
        }
        default:
            // Repaints show the last picture.
            main.repaint();
            QCoreApplication::processEvents();
            break;
        }
        QVERIFY2(SelectedTool <= ToolCount(), qPrintable(QString::number(step)));
        QVERIFY(main.isVisible());
    }
    qInfo("%d message boxes, %d file dialogs, %d launches recorded, %zu tools", closer.boxes,
          closer.dialogs, launches, ToolCount());
    QVERIFY2(closer.strange.isEmpty(), qPrintable(closer.strange.join(QLatin1Char('\n'))));
    QVERIFY(closer.boxes > 0); // the garbage texts were reported
    // And the program still answers as it should.
    commands.first()->trigger(); // "Plano"
    QCOMPARE(main.findChild<QWidget*>(QStringLiteral("PTipus"))->property("text").toString(),
             QStringLiteral("virtual"));
    SetShellOpenHook({});
    QDir::setCurrent(previous);
    qInstallMessageHandler(LoudHandler);
}

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
