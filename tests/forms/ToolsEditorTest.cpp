// SPDX-License-Identifier: GPL-3.0-or-later
// The tools menu and editor, clicked in a scratch folder. Tools: "Title|File|Dir|Params;...".

#include "forms/ErrorReport.h"
#include "forms/Principal.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/ToolFaultSink.h"
#include "util/Shell.h"
#include "util/ToolFile.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(QString tools) {
    return tools.isEmpty() ? QByteArray()
                           : (tools.replace(';', '|').replace('|', "\r\n") + "\r\n").toLatin1();
}

QByteArray FileBytes() {
    QFile f(ToolFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<none>";
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
        if (QFile f(ToolFile); tools)
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(Bytes(tools)) >= 0);
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
    QString menuItems() { // "---" for a separator line
        QStringList shown;
        for (const QAction* item : ToolsMenuItem->actions().mid(2))
            shown << (item->isSeparator() ? u"---"_s : item->text());
        return shown.join(';');
    }
    // Steps separated by ";": open (the editor's menu item), sel:N (a click on
    // row N), type:T|F|D|P, run:N (a click on the menu's tool N), fault:N (the
    // disk full from byte N on), fault:rename, fault:none, or a button's name.
    void play(const QString& script) {
        using Fault = TFaultyToolSink::Fault;
        for (const QString& step : script.split(';')) {
            const QString verb = step.section(':', 0, 0), arg = step.section(':', 1);
            if (verb == "open") {
                ToolsMenuItem->actions().at(0)->trigger();
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
                ToolsMenuItem->actions().at(arg.toInt() + 2)->trigger();
            } else if (verb == "fault") {
                const Fault fault = arg == "rename" ? Fault::Commit : Fault::Write;
                SetToolSinkFactory(arg == "none" ? TToolSinkFactory() : [=] {
                    return std::make_unique<TFaultyToolSink>(fault, arg.toLongLong());
                });
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
            launched_ << r.path + '|' + r.params + '|' + r.dir;
            return true;
        });
    }
    void cleanup() {
        editor_.reset();
        main_.reset();
        SetToolSinkFactory({});
        QDir::setCurrent(home_);
    }

    void withoutAFileOnlyTheEditorItemAndSpanishCaptions() {
        start(nullptr);
        QCOMPARE(main_->menuBar()->actions().last()->menu(), ToolsMenuItem.data());
        QCOMPARE(ToolsMenuItem->actions().size(), 2);
        QVERIFY(ToolsMenuItem->actions().at(1)->isSeparator() && !editor_->isVisible());
        QStringList captions{ToolsMenuItem->title(), ToolsMenuItem->actions().at(0)->text(),
                             editor_->windowTitle()};
        for (const char* name : {"LLst", "LEd", "LTit", "LFtx", "LDir", "LPrs"})
            captions << ed<QLabel>(name)->text();
        QCOMPARE(captions.join('|'), u"Utilidades|Edición utilidades|Edición utilidades|Utilidades|"
                                     u"Utilidad|Título|Fichero|Directorio de trabajo|Parámetros"_s);
        const std::pair<const char*, QRect> controls[] = {
            {"Lst", {16, 24, 129, 161}}, {"EdTit", {12, 24, 189, 19}}, {"BtOK", {80, 200, 49, 22}}};
        for (const auto& [name, geometry] : controls)
            QCOMPARE(ed(name)->geometry(), geometry);
    }

    void stories_data() {
        QTest::addColumn<int>("story");
        for (int i = 0; i < int(std::size(Stories)); ++i)
            QTest::newRow(Stories[i].name) << i;
    }
    void stories() {
        QFETCH(int, story);
        const auto& s = Stories[story];
        start(s.file);
        ReportCatcher reports;
        play(QString::fromUtf8(s.script));
        QCOMPARE(FileBytes(), s.saved ? Bytes(s.saved) : Bytes(s.file));
        QCOMPARE(editor_->isVisible(), s.shown != nullptr);
        QCOMPARE(s.shown ? listed() : QString(), QString::fromUtf8(s.shown));
        QCOMPARE(menuItems(), QString::fromUtf8(s.menu));
        QCOMPARE(launched_.join(';'), QString::fromUtf8(s.launched));
        QCOMPARE(reports.boxes.size(), *s.box ? 1u : 0u);
        for (const Box& box : reports.boxes)
            QVERIFY2(box.title == ApplicationTitle() && box.text.contains(QString::fromUtf8(s.box)),
                     qPrintable(box.text));
    }

    void fileDialogFillsFileAndDirAndKeepsTheCurrentFolder() {
        QVERIFY(QDir().mkdir(u"work"_s));
        const QString here = QDir::currentPath(), work = here + u"/work"_s;
        start(nullptr);
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
    }
};

QTEST_MAIN(ToolsEditorTest)
#include "ToolsEditorTest.moc"
