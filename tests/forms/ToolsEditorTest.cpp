// SPDX-License-Identifier: GPL-3.0-or-later
// The tools menu and editor, clicked in a scratch folder. Tools: "Title|File|Dir|Params;...".

#include "forms/ErrorReport.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/ToolFaultSink.h"
#include "tests/support/WindowSteps.h"
#include "util/Shell.h"
#include "util/ToolFile.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(QString tools) {
    return tools.isEmpty() ? QByteArray()
                           : (tools.replace(';', '|').replace('|', "\r\n") + "\r\n").toLatin1();
}

constexpr char Three[] = "Uno|u.pdf|/d/|-a;Dos|d.sh|/b/|-b c;Tres|t.txt||";

// Clicks, then tool items, file (null: as it was), box, list (null: hidden), launches.
const struct {
    const char *name, *file, *script, *menu, *saved = {}, *box = "", *shown = {}, *launched = "";
} Stories[] = {
    {"added with OK: last group and last item", Three,
     "open;sel:1;BtNou;type:Cuatro|c|/d/|-p;BtPas;BtOK", "Uno;Dos;Tres;Cuatro",
     "Uno|u.pdf|/d/|-a;Dos|d.sh|/b/|-b c;Tres|t.txt||;Cuatro|c|/d/|-p"},
    {"the second of three removed", Three, "open;sel:1;BtBrr;BtOK", "Uno;Tres",
     "Uno|u.pdf|/d/|-a;Tres|t.txt||"},
    {"stored while selected: only that tool changes", Three,
     "open;sel:1;type:Dos bis|d2|/x/|p;BtPas;BtOK", "Uno;Dos bis;Tres",
     "Uno|u.pdf|/d/|-a;Dos bis|d2|/x/|p;Tres|t.txt||"},
    {"Esc keeps the menu, the next opening re-reads", Three, "open;sel:0;BtBrr;BtEsc;open",
     "Uno;Dos;Tres", nullptr, "", "Uno;Dos;Tres"},
    {"typed without <- ok, then OK", Three, "open;type:Cuatro|c||;BtOK", "Uno;Dos;Tres"},
    {"another selection drops changes", Three,
     "open;sel:0;type:x|||;sel:2;type:y|||;sel:2;BtPas;BtOK", "Uno;Dos;Tres"},
    {"- and an empty title", "Uno|a||;-|b||;|c||", "open", "Uno;---;", nullptr, "", "Uno;-;"},
    {"every opening selects nothing", Three, "open;sel:2;open;BtBrr;sel:1;BtEsc;open;BtBrr;BtOK",
     "Uno;Dos;Tres"},
    {"items launch what they show after removal and Esc", Three,
     "open;sel:0;BtBrr;sel:0;BtBrr;BtEsc;run:2;run:1;run:0", "Uno;Dos;Tres", nullptr, "", nullptr,
     "t.txt||;d.sh|-b c|/b/;u.pdf|-a|/d/"},
    {"no file, OK: an empty file", nullptr, "open;BtBrr;BtOK", "", ""},
    {"failed save: the list is kept for another try", "Uno|a||",
     "open;type:Dos|d||;BtPas;fault:0;BtOK;fault:none;BtOK", "Uno;Dos", "Uno|a||;Dos|d||",
     "No se ha podido guardar «Tools.rel»: No space left on device. La lista editada se conserva."},
    {"failed save: the rename refused", "Uno|a||", "open;type:Dos|d||;BtPas;fault:rename;BtOK",
     "Uno", nullptr, "«Tools.rel»: Permission denied.", "Uno;Dos"},
    {"refused title", Three, "open;type:Āb|||;BtPas;BtOK", "Uno;Dos;Tres", nullptr,
     "«Título» contiene el carácter Ā (U+0100)"},
    {"refused file of a selected tool", Three, "open;sel:1;type:Dos|€ ok, ŝ no||;BtPas;BtOK",
     "Uno;Dos;Tres", nullptr, "«Fichero» contiene el carácter ŝ (U+015D)"},
    {"refused folder", Three, "open;type:||/tmp/😀|;BtPas;BtOK", "Uno;Dos;Tres", nullptr,
     "«Directorio de trabajo» contiene el carácter 😀 (U+1F600)"},
    {"refused parameters", Three, "open;sel:0;type:|||a\x1A;BtPas;BtOK", "Uno;Dos;Tres", nullptr,
     "«Parámetros» contiene el carácter U+001A"},
};

constexpr const char* FieldNames[] = {"EdTit", "EdFtx", "EdDir", "EdPrs"};

constexpr char Kept[] = "no se sobrescribe, porque se perderían las utilidades";
constexpr char Failed[] = "No se ha podido guardar «Tools.rel»: no es un fichero normal. La "
                          "lista editada se conserva.";

// A tools file that cannot be read, why, and what "OK" says instead of writing:
// one the editor does not try to write, one whose write is refused.
const struct {
    const char *name, *reason, *refusal;
} Unreadable[] = {
    {"over the bound", ": ocupa más de 16 MB.", Kept},
    {"link to a pipe", ": no es un fichero normal.", Failed},
};

// Another program's change under an open editor: start file, what it writes (null: removes;
// "+": Three and more), answer ("": none asked), file after OK (null: none), list shown.
const struct {
    const char *name, *file, *written, *answer, *saved, *shown;
} Changes[] = {
    {"added, overwritten", Three, "+Cinco|f||", "BtOverwrite", "+Cuatro|c||", "<hidden>"},
    {"added, read again", Three, "+Cinco|f||", "BtReload", "+Cinco|f||", "Uno;Dos;Tres;Cinco"},
    {"added, cancelled", Three, "+Cinco|f||", "BtCancel", "+Cinco|f||", "Uno;Dos;Tres;Cuatro"},
    {"removed, read again", Three, nullptr, "BtReload", nullptr, ""},
    {"removed, overwritten", Three, nullptr, "BtOverwrite", "+Cuatro|c||", "<hidden>"},
    {"made where there was none, cancelled", nullptr, "Otra|o||", "BtCancel", "Otra|o||", "Cuatro"},
    {"the same bytes written again", Three, Three, "", "+Cuatro|c||", "<hidden>"},
};

// What "Tools.rel" stands for on disk, the name and what it leads to.
QString Describe() {
    struct stat name {
    }, to{};
    const int found = ::lstat(ToolFile, &name) + ::stat(ToolFile, &to);
    return QString::asprintf("%d: mode %o, inode %llu to mode %o, %lld bytes, inode %llu", found,
                             name.st_mode, qulonglong(name.st_ino), to.st_mode,
                             qlonglong(to.st_size), qulonglong(to.st_ino));
}

} // namespace

class ToolsEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    const QString home_ = QDir::currentPath();
    std::unique_ptr<TFPrincipal> main_;
    std::unique_ptr<TFedTools> editor_;
    QStringList launched_; // "File|Params|Dir" of each launch

    // Starts as the program does, beside a file of these tools, if any.
    void start(const char* tools) {
        if (tools)
            QVERIFY(Put(ToolFile, Bytes(tools)));
        main_ = std::make_unique<TFPrincipal>();
        editor_ = std::make_unique<TFedTools>();
    }
    template <typename T = QWidget> T* ed(const QString& n) { return editor_->findChild<T*>(n); }
    QListWidget* list() { return ed<QListWidget>(u"Lst"_s); }
    QLineEdit* field(int i) { return ed<QLineEdit>(QString(FieldNames[i])); }
    QString fields() {
        return QStringList{field(0)->text(), field(1)->text(), field(2)->text(), field(3)->text()}
            .join('|');
    }
    QString listed() {
        QStringList shown;
        for (int row = 0; row < list()->count(); ++row)
            shown << list()->item(row)->text();
        return shown.join(';');
    }
    // The tools menu's entries, made as it is about to show.
    static QList<QAction*> menu() {
        emit ToolsMenuItem->aboutToShow();
        return ToolsMenuItem->actions();
    }
    QString menuItems() { // "---" for a separator line
        QStringList shown;
        for (const QAction* item : menu().mid(2))
            shown << (item->isSeparator() ? u"---"_s : item->text());
        return shown.join(';');
    }
    // Steps separated by ";": open (the editor's menu item), sel:N (a click on
    // row N), type:T|F|D|P, run:N (a click on the menu's tool N), fault:N (the
    // disk full from byte N on), fault:rename, fault:none, or a button's name.
    void play(const QString& script) {
        for (const QString& step : script.split(';')) {
            const QString verb = step.section(':', 0, 0), arg = step.section(':', 1);
            if (verb == "open") {
                menu().at(0)->trigger();
                QVERIFY2(SelectedTool == 0 && list()->selectedItems().isEmpty() &&
                             fields() == "|||" && !ed(u"BtNou"_s)->isEnabled() &&
                             !ed(u"BtBrr"_s)->isEnabled(),
                         "an opening starts with nothing selected");
            } else if (verb == "sel") {
                const QRect item = list()->visualItemRect(list()->item(arg.toInt()));
                QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, item.center());
            } else if (verb == "type") {
                for (int i = 0; i < 4; ++i)
                    field(i)->setText(arg.section('|', i, i));
            } else if (verb == "run") {
                menu().at(arg.toInt() + 2)->trigger();
            } else if (verb == "fault") {
                SetToolSinkFactory(arg == "none"     ? TToolSinkFactory()
                                   : arg == "rename" ? FailingAt(1, 0) // after the whole write
                                                     : FailingAt(arg.toLongLong(), LLONG_MAX));
            } else {
                QTest::mouseClick(ed<QPushButton>(verb), Qt::LeftButton);
            }
        }
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid() && QDir::setCurrent(dir_->path()));
        launched_.clear();
        SetShellOpenHook([this](const ShellRequest& r) {
            return launched_ << r.path + '|' + r.params + '|' + r.dir, true;
        });
    }
    void cleanup() {
        editor_.reset();
        main_.reset();
        SetToolSinkFactory({});
        QDir::setCurrent(home_);
    }

    // The captions in every language are LanguageTest's.
    void editorItemFileDialogLongListHighlightAndRefusals() {
        start(nullptr);
        QCOMPARE(main_->menuBar()->actions().last()->menu(), ToolsMenuItem.data());
        QCOMPARE(ToolsMenuItem->actions().size(), 2);
        QVERIFY(ToolsMenuItem->actions().at(1)->isSeparator() && !editor_->isVisible());
        const std::pair<const char*, QRect> controls[] = {
            {"Lst", {16, 24, 129, 161}}, {"EdTit", {12, 24, 189, 19}}, {"BtOK", {80, 200, 49, 22}}};
        for (const auto& [name, geometry] : controls)
            QCOMPARE(ed(name)->geometry(), geometry);
        // The file dialog fills the file and its folder, and keeps the current folder.
        QVERIFY(QDir().mkdir(u"work"_s));
        const QString here = QDir::currentPath(), work = here + u"/work"_s;
        play(u"open;type:t|old|olddir|p"_s);
        for (const bool accept : {false, true}) {
            QTimer::singleShot(0, this, [&] { // runs once the dialog is open
                auto* dialog = ed<QFileDialog>(u"DlgFtx"_s);
                QDir::setCurrent(work); // as a dialog may do while browsing
                dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(work + u"/b.txt"_s);
                accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
            });
            QTest::mouseClick(ed<QPushButton>(u"BtFtx"_s), Qt::LeftButton);
            QCOMPARE(fields(), accept ? "t|b.txt|" + work + "/|p" : u"t|old|olddir|p"_s);
            QCOMPARE(QDir::currentPath(), here);
        }
        // A long list comes in submenus of consecutive tools, each filled when it first shows.
        QStringList tools, all, shown; // every tool item, in order
        for (int k = 1; k <= 2345; ++k)
            tools << QStringLiteral("%1|f%1||").arg(k), all << QString::number(k);
        start(qPrintable(tools.join(';')));
        QCOMPARE(ToolsMenuItem->actions().size(), 2);
        QCOMPARE(menuItems(), u"1–1000;1001–2000;2001–2345"_s);
        std::function<void(QMenu*)> walk = [&](QMenu* m) {
            QVERIFY(m->actions().isEmpty());
            emit m->aboutToShow();
            emit m->aboutToShow(); // a second showing adds nothing
            QVERIFY(m->actions().size() <= int(ToolsMenuMaxEntries));
            for (QAction* a : m->actions())
                a->menu() ? walk(a->menu()) : void(shown << a->text());
        };
        for (QAction* a : menu().mid(2))
            walk(a->menu());
        QCOMPARE(shown, all);
        // A deep item opens its own tool.
        ToolsMenuItem->actions().at(3)->menu()->actions().at(4)->trigger();
        QCOMPARE(launched_, QStringList{u"f1005||"_s});
        play(u"open"_s);
        QCOMPARE(list()->count(), 2345);
        // Random clicks, keys and "+" leave tool k alone lit while tool k is selected,
        // none in the no-selection state.   HIGHLIGHT_SEED=<n> repeats a run.
        start("Uno|f||;Dos|f||;Tres|f||;Cuatro|f||;Cinco|f||");
        play(u"open"_s);
        QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
        // What the list shows lit, as a tool number (0: none; -1: several).
        const auto lit = [this] {
            const QList<QListWidgetItem*> items = list()->selectedItems();
            return items.size() > 1 ? -1 : items.isEmpty() ? 0 : list()->row(items[0]) + 1;
        };
        const quint32 seed = qEnvironmentVariable("HIGHLIGHT_SEED", "20261207").toUInt();
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        QWidget* viewport = list()->viewport();
        const QRect lastItem = list()->visualItemRect(list()->item(list()->count() - 1));
        QVERIFY2(lastItem.bottom() + 10 < viewport->height(), "no empty area below the items");
        int emptyClicks = 0;
        for (int step = 0; step < 400; ++step) {
            const Qt::KeyboardModifiers modifiers =
                random.bounded(2) ? Qt::ControlModifier : Qt::NoModifier;
            const int action = random.bounded(5);
            if (action < 2) { // an item, or the one that is lit, if any
                const int row =
                    action == 0 ? random.bounded(list()->count()) : std::max(0, lit() - 1);
                QTest::mouseClick(viewport, Qt::LeftButton, modifiers,
                                  list()->visualItemRect(list()->item(row)).center());
            } else if (action == 2) { // below the items
                const QPoint at(random.bounded(viewport->width()),
                                random.bounded(lastItem.bottom() + 2, viewport->height()));
                QTest::mouseClick(viewport, Qt::LeftButton, modifiers, at);
                ++emptyClicks;
            } else if (action == 3) {
                QTest::keyClick(list(), random.bounded(2) ? Qt::Key_Up : Qt::Key_Down, modifiers);
            } else { // "+": the no-selection state
                play(u"BtNou"_s);
            }
            QVERIFY2(lit() == int(SelectedTool),
                     qPrintable(QString::asprintf(
                         "step %d, action %d (Ctrl %d): tool %d selected, %d lit", step, action,
                         int(bool(modifiers)), int(SelectedTool), lit())));
        }
        QVERIFY(emptyClicks > 20);
        // A file where others may write is not launched, and the user learns why.
        QVERIFY(QDir().mkdir(u"shared"_s) && QDir().mkdir(u"mine"_s));
        QVERIFY(QFile::setPermissions(u"shared"_s, QFile::Permissions(0x7777)));
        const QFile::Permissions runnable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        for (const char* name : {"shared/zzonly", "shared/notes.pdf", "mine/run.sh", "local.sh"}) {
            QVERIFY(Put(name, "#!/bin/sh\n") && QFile::setPermissions(name, runnable));
        }
        launched_.clear();
        start(qPrintable("Compartido|zzonly|" + here + "/shared/|;Notas|notes.pdf|" + here +
                         "/shared/|;Mio|run.sh|" + here + "/mine/|-a;Local|local.sh||"));
        ReportCatcher boxes;
        play(u"run:0;run:1;run:2;run:3"_s);
        QCOMPARE(launched_, QStringList{"run.sh|-a|" + here + "/mine/"});
        QStringList said;
        for (const Box& box : boxes.boxes)
            said << box.title + ": " + box.text;
        const QString writable = u"otros usuarios pueden escribir en su carpeta."_s,
                      opened = ApplicationTitle() + ": No se ha abierto «" + here;
        QCOMPARE(said, (QStringList{opened + "/shared/zzonly»: " + writable,
                                    opened + "/shared/notes.pdf»: " + writable,
                                    opened + "/local.sh»: un programa sin carpeta propia no se "
                                             "ejecuta desde la carpeta de trabajo; indique su "
                                             "carpeta en «Directorio de trabajo»."}));
        // A list in a folder others may write: tools start only after a question naming its owner.
        boxes.timer.stop();
        launched_.clear();
        QCOMPARE(::chmod(".", 01777), 0);
        start("Web|https://x.org||");
        QString owner;
        QCOMPARE(ToolListRefusal(ToolFile, &owner), ShellRefusal::FolderWritableByOthers);
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            ReportCatcher asked({}, answer);
            play(u"run:0"_s);
            QCOMPARE(asked.boxes.size(), 1u);
            QVERIFY2(asked.boxes[0].name == "MsgForeignToolList" &&
                         asked.boxes[0].text.contains(owner) && !owner.isEmpty(),
                     qPrintable(asked.boxes[0].text));
        }
        QCOMPARE(launched_, QStringList{u"https://x.org||"_s});
    }

    void stories_data() { TableRows(Stories); }
    void stories() {
        QFETCH(int, row);
        const auto& s = Stories[row];
        start(s.file);
        ReportCatcher reports;
        play(QString::fromUtf8(s.script));
        QCOMPARE(Read(ToolFile), s.saved ? Bytes(s.saved) : Bytes(s.file));
        QCOMPARE(editor_->isVisible(), s.shown != nullptr);
        QCOMPARE(s.shown ? listed() : QString(), QString::fromUtf8(s.shown));
        QCOMPARE(menuItems(), QString::fromUtf8(s.menu));
        QCOMPARE(launched_.join(';'), QString::fromUtf8(s.launched));
        QCOMPARE(reports.boxes.size(), *s.box ? 1u : 0u);
        for (const Box& box : reports.boxes)
            QVERIFY2(box.title == ApplicationTitle() && box.text.contains(QString::fromUtf8(s.box)),
                     qPrintable(box.text));
    }

    // Anything but a readable regular file: no tools, the editor says why, keeps
    // what the user types, and "OK" writes nothing.
    void unreadableFileIsNamedAndNeverOverwritten_data() { TableRows(Unreadable); }
    void unreadableFileIsNamedAndNeverOverwritten() {
        QFETCH(int, row);
        if (row == 0) {
            QFile f(ToolFile);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(ToolFileMaxBytes + 1));
        } else {
            QCOMPARE(::mkfifo("pipe", 0600), 0);
            QVERIFY(QFile::link(u"pipe"_s, ToolFile));
        }
        const QString before = Describe();
        start(nullptr);
        QCOMPARE(menuItems(), QString());
        ReportCatcher boxes;
        play(u"open"_s);
        QCOMPARE(boxes.boxes.size(), 1u);
        play(u"type:Nueva|n||;BtPas;BtOK"_s);
        QCOMPARE(boxes.boxes.size(), 2u);
        const QString read = boxes.boxes[0].text, saved = boxes.boxes[1].text;
        QVERIFY2(read.startsWith(u"No se ha podido leer «Tools.rel»"_s) &&
                     read.contains(QString::fromUtf8(Unreadable[row].reason) +
                                   u" Al pulsar «OK» no se sobrescribirá."_s),
                 qPrintable(read));
        QVERIFY2(saved.contains(QString::fromUtf8(Unreadable[row].refusal)), qPrintable(saved));
        for (const Box& box : boxes.boxes)
            QCOMPARE(box.title, ApplicationTitle());
        QVERIFY(editor_->isVisible());
        QCOMPARE(listed().split(';').last(), u"Nueva"_s);
        QCOMPARE(Describe(), before);
        QCOMPARE(menuItems(), QString());
    }

    // A change by another program under the open editor: "OK" asks first.
    void anotherProgramsChangeIsNeverLostUnasked_data() { TableRows(Changes); }
    void anotherProgramsChangeIsNeverLostUnasked() {
        QFETCH(int, row);
        const auto& c = Changes[row];
        const auto tools = [](const char* t) { // "+" for Three and more
            return *t == '+' ? Bytes(QString::fromUtf8(Three) + ';' + (t + 1)) : Bytes(t);
        };
        start(c.file);
        play(u"open;type:Cuatro|c||;BtPas"_s);
        if (c.written) // in place, so the file keeps its inode
            QVERIFY(Put(ToolFile, tools(c.written)));
        else
            QVERIFY(QFile::remove(ToolFile));
        ReportCatcher boxes(QString::fromLatin1(c.answer));
        play(u"BtOK"_s);
        QCOMPARE(boxes.boxes.size(), *c.answer ? 1u : 0u);
        for (const Box& box : boxes.boxes)
            QVERIFY(box.title == ApplicationTitle() &&
                    box.text.startsWith(u"Otro programa ha cambiado «Tools.rel» desde que el "
                                        u"editor lo leyó."_s));
        QCOMPARE(Read(ToolFile), c.saved ? tools(c.saved) : QByteArray("<none>"));
        QCOMPARE(editor_->isVisible() ? listed() : u"<hidden>"_s, QString::fromUtf8(c.shown));
    }
};

QTEST_MAIN(ToolsEditorTest)
#include "ToolsEditorTest.moc"
