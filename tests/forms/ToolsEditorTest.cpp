// The tools menu and the tools editor, driven by clicks and keys as the user
// drives them. Every test runs in its own empty folder, where "Tools.rel" is
// read and written; launches are only recorded.

#include "ErrorReport.h"
#include "Language.h"
#include "Principal.h"
#include "ReportCatcher.h"
#include "Shell.h"
#include "ToolFaultSink.h"
#include "ToolFile.h"
#include "ToolsMenu.h"
#include "UEdTools.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Group = std::array<QString, 4>; // Title, File, Dir, Params

QByteArray Bytes(const std::vector<Group>& groups) {
    QByteArray bytes;
    for (const Group& g : groups)
        for (const QString& field : g)
            bytes += field.toLatin1() + "\r\n";
    return bytes;
}

void WriteFile(const QByteArray& bytes) {
    QFile f(QString::fromLatin1(ToolFile));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray FileBytes() {
    QFile f(QString::fromLatin1(ToolFile));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

const std::vector<Group> Three = {
    {"Uno", "uno.pdf", "/docs/", "-a"},
    {"Dos", "dos.sh", "/bin/", "-b c"},
    {"Tres", "tres.txt", "", ""},
};

} // namespace

class ToolsEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString previous_;
    std::unique_ptr<TFPrincipal> main_;
    std::unique_ptr<TFedTools> editor_;
    std::vector<ShellRequest> launched_;

    // As the program starts: the main window, then the editor, hidden.
    void start() {
        main_ = std::make_unique<TFPrincipal>();
        editor_ = std::make_unique<TFedTools>();
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }
    template <typename T = QWidget> T* ed(const char* name) {
        T* w = editor_->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QListWidget* list() { return ed<QListWidget>("Lst"); }
    QLineEdit* field(const char* name) { return ed<QLineEdit>(name); }
    void click(const char* button) { QTest::mouseClick(ed<QPushButton>(button), Qt::LeftButton); }
    void select(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
    void fill(const Group& g) {
        const char* names[] = {"EdTit", "EdFtx", "EdDir", "EdPrs"};
        for (int i = 0; i < 4; ++i)
            field(names[i])->setText(g[i]);
    }
    Group fields() {
        return {field("EdTit")->text(), field("EdFtx")->text(), field("EdDir")->text(),
                field("EdPrs")->text()};
    }
    void openEditor() { ToolsMenuItem->actions().at(0)->trigger(); }
    // Tool items as shown: their text, or "|" for a separator line.
    QStringList menuItems() {
        QStringList shown;
        const QList<QAction*> items = ToolsMenuItem->actions();
        for (qsizetype p = 2; p < items.size(); ++p)
            shown << (items[p]->isSeparator() ? QStringLiteral("|") : items[p]->text());
        return shown;
    }
    QStringList listed() {
        QStringList shown;
        for (int i = 0; i < list()->count(); ++i)
            shown << list()->item(i)->text();
        return shown;
    }
    // No selection: nothing selected, fields empty, "+" and "-" disabled.
    bool noSelection() {
        return SelectedTool == 0 && list()->selectedItems().isEmpty() && fields() == Group{} &&
               !ed("BtNou")->isEnabled() && !ed("BtBrr")->isEnabled();
    }
    // Answers the file dialog that the next action opens.
    void answerDialog(const std::function<void(QFileDialog*)>& answer) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, answer] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                poll->deleteLater();
                answer(d);
            }
        });
        poll->start(5);
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        previous_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        QFile::remove(QString::fromLatin1(ToolFile));
        QDir().rmdir(QString::fromLatin1(ToolFile));
        launched_.clear();
        SetShellOpenHook([this](const ShellRequest& r) {
            launched_.push_back(r);
            return true;
        });
    }
    void cleanup() {
        editor_.reset();
        main_.reset();
        SetShellOpenHook({});
        SetToolSinkFactory({});
        QDir::setCurrent(previous_);
    }

    void startUpWithoutAFile() {
        start();
        const QList<QAction*> top = main_->menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top[2]->menu(), ToolsMenuItem.data());
        QCOMPARE(ToolsMenuItem->title(), QStringLiteral("Utilidades"));
        const QList<QAction*> items = ToolsMenuItem->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Edición utilidades"));
        QVERIFY(items[1]->isSeparator());

        QVERIFY(!editor_->isVisible());
        QCOMPARE(FedTools, editor_.get());
        QCOMPARE(editor_->objectName(), QStringLiteral("FedTools"));
        QCOMPARE(editor_->windowTitle(), QStringLiteral("Edición utilidades"));
        QStringList shown;
        for (const char* name : {"LLst", "LEd", "LTit", "LFtx", "LDir", "LPrs"})
            shown << ed<QLabel>(name)->text();
        for (const char* name : {"BtNou", "BtBrr", "BtFtx", "BtPas", "BtEsc", "BtOK"})
            shown << ed<QPushButton>(name)->text();
        QCOMPARE(shown.join('|'), QString::fromUtf8("Utilidades|Utilidad|Título|Fichero|"
                                                    "Directorio de trabajo|Parámetros|+|-|") +
                                      QString(3, QChar(0xB7)) + "|<- ok|Esc|OK");
        // The design state until the first opening.
        QCOMPARE(list()->count(), 0);
        QVERIFY(ed("BtNou")->isEnabled() && ed("BtBrr")->isEnabled());
        QVERIFY(ed<QFileDialog>("DlgFtx")->testOption(QFileDialog::DontUseNativeDialog));
    }

    void captionsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("texts"); // menu, editor item, LEd, LTit, LFtx, LDir, LPrs
        QTest::newRow("ca") << 0
                            << "Eines|Edició eines|Eina|Títol|Fitxer|Directori de treball|"
                               "Paràmetres";
        QTest::newRow("en") << 1 << "Tools|Tools edition|Tool|Title|File|Work directory|Parameters";
        QTest::newRow("es") << 2
                            << "Utilidades|Edición utilidades|Utilidad|Título|Fichero|"
                               "Directorio de trabajo|Parámetros";
    }
    void captionsByLanguage() {
        QFETCH(int, language);
        QFETCH(QString, texts);
        Language = static_cast<TLanguage>(language);
        QMenuBar bar;
        BuildToolsMenu(&bar, {});
        TFedTools editor;
        Language = LangSpanish;
        QStringList shown{ToolsMenuItem->title(), ToolsMenuItem->actions().at(0)->text()};
        for (const char* name : {"LEd", "LTit", "LFtx", "LDir", "LPrs"})
            shown << editor.findChild<QLabel*>(QLatin1String(name))->text();
        QCOMPARE(shown.join('|'), texts);
        QCOMPARE(editor.windowTitle(), shown[1]);
        QCOMPARE(editor.findChild<QLabel*>("LLst")->text(), shown[0]);
    }

    void layout() {
        start();
        QCOMPARE(editor_->size(), QSize(411, 230));
        QCOMPARE(editor_->windowFlags() & (Qt::WindowMaximizeButtonHint |
                                           Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint),
                 Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
        QCOMPARE(editor_->font().pixelSize(), 11);
        for (const char* name : {"LLst", "LEd", "BtBrr"})
            QCOMPARE(ed(name)->font().pixelSize(), 13);
        const QImage icon = editor_->windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(icon.pixel(x, y));
        QVERIFY(colours.size() <= 16);

        openEditor();
        const QRect screen = editor_->screen()->geometry();
        const QRect outer = editor_->frameGeometry();
        QCOMPARE(outer.topLeft(), QPoint((screen.width() - outer.width()) / 2,
                                         (screen.height() - outer.height()) / 2));
        editor_->resize(700, 500); // controls keep their places
        const std::pair<const char*, QRect> controls[] = {
            {"Lst", {16, 24, 129, 161}},   {"PEdit", {192, 24, 209, 177}},
            {"EdTit", {12, 24, 189, 19}},  {"BtFtx", {166, 47, 33, 16}},
            {"EdFtx", {12, 64, 189, 19}},  {"EdDir", {12, 104, 189, 19}},
            {"EdPrs", {12, 144, 189, 19}}, {"BtNou", {152, 24, 25, 17}},
            {"BtBrr", {152, 48, 25, 17}},  {"BtPas", {156, 168, 33, 17}},
            {"BtEsc", {24, 200, 49, 22}},  {"BtOK", {80, 200, 49, 22}},
        };
        for (const auto& [name, geometry] : controls)
            QCOMPARE(ed(name)->geometry(), geometry);
        const std::pair<const char*, QPoint> labels[] = {
            {"LLst", {16, 8}},  {"LEd", {192, 8}},  {"LTit", {12, 8}},
            {"LFtx", {12, 48}}, {"LDir", {12, 88}}, {"LPrs", {12, 128}},
        };
        for (const auto& [name, at] : labels)
            QCOMPARE(ed(name)->pos(), at);
        QCOMPARE(list()->frameShape(), QFrame::Box);
        QCOMPARE(list()->frameShadow(), QFrame::Plain);

        QStringList order{"EdTit"};
        for (QWidget* w = ed("EdTit")->nextInFocusChain(); w != ed("EdTit");
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty())
                order << w->objectName();
        QCOMPARE(order, (QStringList{"EdTit", "BtFtx", "EdFtx", "EdDir", "EdPrs", "BtPas", "Lst",
                                     "BtNou", "BtBrr", "BtEsc", "BtOK"}));

        // A later opening keeps the place the user gave it.
        editor_->move(10, 20);
        click("BtEsc");
        openEditor();
        QCOMPARE(editor_->pos(), QPoint(10, 20));
    }

    void menuAndListShowTheFile() {
        WriteFile(Bytes({{"Uno", "a", "", ""},
                         {"", "b", "", ""},
                         {"-", "c", "", ""},
                         {"Cuatro", "d", "", ""}}));
        start();
        QCOMPARE(menuItems(), (QStringList{"Uno", "", "|", "Cuatro"}));
        openEditor();
        QVERIFY(editor_->isVisible());
        QCOMPARE(listed(), (QStringList{"Uno", "", "-", "Cuatro"}));
        QVERIFY(noSelection());
        QCOMPARE(editor_->focusWidget(), ed("EdTit"));
        QCOMPARE(list()->visualItemRect(list()->item(1)).height(), 13);
    }

    void aToolItemOpensItsWholeRecord() {
        WriteFile(Bytes(Three));
        start();
        ToolsMenuItem->actions().at(3)->trigger();
        QCOMPARE(launched_, (std::vector<ShellRequest>{{"dos.sh", "-b c", "/bin/"}}));
    }

    void selectingShowsAToolAndPlusClearsIt() {
        WriteFile(Bytes(Three));
        start();
        openEditor();
        select(1);
        QCOMPARE(SelectedTool, std::size_t(2));
        QCOMPARE(fields(), Three[1]);
        QVERIFY(ed("BtNou")->isEnabled() && ed("BtBrr")->isEnabled());
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(fields(), Three[2]);
        field("EdTit")->setText("changed");
        select(0); // unstored changes are dropped
        QCOMPARE(fields(), Three[0]);
        field("EdTit")->setText("changed");
        select(0); // even by a click on the item already selected
        QCOMPARE(fields(), Three[0]);
        click("BtNou");
        QVERIFY(noSelection());
        QCOMPARE(ToolCount(), std::size_t(3));
    }

    void storeAddsOrChangesOnlyTheSelectedTool() {
        WriteFile(Bytes(Three));
        start();
        openEditor();
        select(1);
        fill({"Dos bis", "d2", "/x/", "p"});
        click("BtPas");
        QVERIFY(noSelection());
        QCOMPARE(listed(), (QStringList{"Uno", "Dos bis", "Tres"}));
        QCOMPARE(Tool(1).Title, QStringLiteral("Uno"));
        QCOMPARE(Tool(3).Title, QStringLiteral("Tres"));
        // A field stores 255 characters; what is dropped is not checked.
        fill({QString(255, 'x') + QChar(0x100), "", "", ""});
        ReportCatcher reports;
        click("BtPas");
        QVERIFY(reports.boxes.empty());
        QCOMPARE(Tool(4).Title, QString(255, 'x'));
        click("BtPas"); // all four empty: still a tool
        QCOMPARE(ToolCount(), std::size_t(5));
        click("BtOK");
        QVERIFY(!editor_->isVisible());
        QCOMPARE(FileBytes(), Bytes({Three[0],
                                     {"Dos bis", "d2", "/x/", "p"},
                                     Three[2],
                                     {QString(255, 'x'), "", "", ""},
                                     {"", "", "", ""}}));
        QCOMPARE(menuItems(), (QStringList{"Uno", "Dos bis", "Tres", QString(255, 'x'), ""}));
    }

    void typingWithoutStoreSavesWithoutIt() {
        WriteFile(Bytes(Three));
        start();
        openEditor();
        fill({"Cuatro", "c", "", ""});
        click("BtOK");
        QCOMPARE(FileBytes(), Bytes(Three));
        QCOMPARE(menuItems(), (QStringList{"Uno", "Dos", "Tres"}));
    }

    void storedThenEscIsNotSavedNorListedAgain() {
        WriteFile(Bytes(Three));
        start();
        openEditor();
        fill({"Cuatro", "c", "", ""});
        click("BtPas");
        QCOMPARE(listed().size(), 4);
        click("BtEsc");
        QVERIFY(!editor_->isVisible());
        QCOMPARE(menuItems(), (QStringList{"Uno", "Dos", "Tres"}));
        QCOMPARE(FileBytes(), Bytes(Three));
        openEditor();
        QCOMPARE(listed(), (QStringList{"Uno", "Dos", "Tres"}));
    }

    void removingTheSecondOfThree() {
        WriteFile(Bytes(Three));
        start();
        openEditor();
        select(1);
        click("BtBrr");
        QVERIFY(noSelection());
        click("BtOK");
        QCOMPARE(FileBytes(), Bytes({Three[0], Three[2]}));
        QCOMPARE(menuItems(), (QStringList{"Uno", "Tres"}));
        openEditor();
        QCOMPARE(listed(), (QStringList{"Uno", "Tres"}));
    }

    void aFailedSaveIsReportedAndLosesNothing_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<qint64>("atByte");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full at once")
            << int(TFaultyToolSink::Fault::Write) << qint64(0) << "No space left on device";
        QTest::newRow("disk full later")
            << int(TFaultyToolSink::Fault::Write) << qint64(9) << "No space left on device";
        QTest::newRow("rename refused")
            << int(TFaultyToolSink::Fault::Commit) << qint64(0) << "Permission denied";
    }
    void aFailedSaveIsReportedAndLosesNothing() {
        QFETCH(int, fault);
        QFETCH(qint64, atByte);
        QFETCH(QString, reason);
        WriteFile(Bytes({Three[0]}));
        start();
        SetToolSinkFactory([=] {
            return std::make_unique<TFaultyToolSink>(TFaultyToolSink::Fault(fault), atByte);
        });
        openEditor();
        fill({"Dos", "d", "", ""});
        click("BtPas");
        ReportCatcher reports;
        click("BtOK");
        QCOMPARE(reports.boxes.size(), std::size_t(1));
        QCOMPARE(reports.boxes[0].title, ApplicationTitle());
        QCOMPARE(reports.boxes[0].text, "No se ha podido guardar «Tools.rel»: " + reason +
                                            ". La lista editada se conserva.");
        QVERIFY(editor_->isVisible());
        QCOMPARE(listed(), (QStringList{"Uno", "Dos"}));
        QCOMPARE(ToolCount(), std::size_t(2));
        QCOMPARE(menuItems(), QStringList{"Uno"});
        QCOMPARE(FileBytes(), Bytes({Three[0]}));
        // Once the disk is fine again the same list is saved.
        SetToolSinkFactory({});
        click("BtOK");
        QVERIFY(!editor_->isVisible());
        QCOMPARE(FileBytes(), Bytes({Three[0], {"Dos", "d", "", ""}}));
    }

    void moreThan64Tools() {
        std::vector<Group> many;
        for (int i = 1; i <= 70; ++i)
            many.push_back({QString::number(i), "f", "", ""});
        WriteFile(Bytes(many));
        start();
        QCOMPARE(menuItems().size(), 70);
        openEditor();
        fill({"71", "f", "", ""});
        click("BtPas");
        click("BtOK");
        many.push_back({"71", "f", "", ""});
        QCOMPARE(FileBytes(), Bytes(many));
        QCOMPARE(menuItems().last(), QStringLiteral("71"));
    }

    void itemsOpenTheToolTheyShowAfterRemovalsAndEsc() {
        WriteFile(Bytes(Three));
        start();
        openEditor();
        select(0);
        click("BtBrr");
        select(0);
        click("BtBrr");
        QCOMPARE(ToolCount(), std::size_t(1));
        click("BtEsc");
        QCOMPARE(menuItems(), (QStringList{"Uno", "Dos", "Tres"}));
        for (int p : {4, 3, 2})
            ToolsMenuItem->actions().at(p)->trigger();
        QCOMPARE(launched_, (std::vector<ShellRequest>{{"tres.txt", "", ""},
                                                       {"dos.sh", "-b c", "/bin/"},
                                                       {"uno.pdf", "-a", "/docs/"}}));
    }

    void everyOpeningStartsWithNothingSelected() {
        start();
        openEditor(); // no file at all
        QVERIFY(noSelection());
        click("BtBrr"); // disabled: nothing happens
        QCOMPARE(ToolCount(), std::size_t(0));

        click("BtEsc");
        WriteFile(Bytes(Three));
        openEditor();
        select(2);
        fill({"unsaved", "", "", ""});
        click("BtPas");
        openEditor(); // again while shown: the file's list, unsaved changes gone
        QCOMPARE(listed(), (QStringList{"Uno", "Dos", "Tres"}));
        select(2);
        click("BtEsc");
        // The file becomes unreadable: a folder of that name.
        QVERIFY(QFile::remove(QString::fromLatin1(ToolFile)));
        QVERIFY(QDir().mkdir(QString::fromLatin1(ToolFile)));
        openEditor();
        QCOMPARE(ToolCount(), std::size_t(0));
        QCOMPARE(list()->count(), 0);
        QVERIFY(noSelection());
    }

    void aCharacterTheFileCannotHoldIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected"); // -1 for none
        QTest::addColumn<QString>("message");
        QTest::newRow("title") << "EdTit" << QString::fromUtf8("Āb") << -1
                               << QString::fromUtf8("«Título» contiene el carácter Ā (U+0100)");
        QTest::newRow("file") << "EdFtx" << QString::fromUtf8("€ ok, ŝ no") << 1
                              << QString::fromUtf8("«Fichero» contiene el carácter ŝ (U+015D)");
        QTest::newRow("dir") << "EdDir" << QString::fromUtf8("/tmp/😀") << -1
                             << QString::fromUtf8("«Directorio de trabajo» contiene el carácter "
                                                  "😀 (U+1F600)");
        QTest::newRow("params") << "EdPrs" << QString("a\x1A") << 0
                                << QString::fromUtf8("«Parámetros» contiene el carácter U+001A");
    }
    void aCharacterTheFileCannotHoldIsRefused() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, selected);
        QFETCH(QString, message);
        WriteFile(Bytes(Three));
        start();
        openEditor();
        if (selected >= 0)
            select(selected);
        field(qPrintable(name))->setText(text);
        ReportCatcher reports;
        click("BtPas");
        QCOMPARE(reports.boxes.size(), std::size_t(1));
        QCOMPARE(reports.boxes[0].title, ApplicationTitle());
        QVERIFY2(reports.boxes[0].text.contains(message), qPrintable(reports.boxes[0].text));
        QCOMPARE(field(qPrintable(name))->text(), text);
        QCOMPARE(editor_->focusWidget(), field(qPrintable(name)));
        QCOMPARE(SelectedTool, std::size_t(selected + 1));
        QCOMPARE(listed(), (QStringList{"Uno", "Dos", "Tres"}));
        for (std::size_t k = 1; k <= 3; ++k) {
            const TToolRecord& t = Tool(k);
            QCOMPARE((Group{t.Title, t.File, t.Dir, t.Params}), Three[k - 1]);
        }
    }

    void theFileDialogFillsFileAndFolderOnly() {
        QVERIFY(QDir().mkdir("work"));
        const QString chosen = dir_.filePath("work/b.txt");
        QFile(chosen).open(QIODevice::WriteOnly);
        start();
        openEditor();
        fill({"t", "old", "olddir", "p"});
        answerDialog([&](QFileDialog* d) {
            // As a system dialog may do: move to the folder being looked at.
            QDir::setCurrent(dir_.filePath("work"));
            d->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            static_cast<QDialog*>(d)->accept(); // the dialog's own, by dispatch
        });
        click("BtFtx");
        QCOMPARE(fields(), (Group{"t", "b.txt", dir_.filePath("work") + '/', "p"}));
        QCOMPARE(QDir::currentPath(), QDir(dir_.path()).canonicalPath());
        QCOMPARE(ToolCount(), std::size_t(0));

        fill({"t", "old", "olddir", "p"});
        answerDialog([&](QFileDialog* d) {
            QDir::setCurrent(dir_.filePath("work"));
            d->reject();
        });
        click("BtFtx");
        QCOMPARE(fields(), (Group{"t", "old", "olddir", "p"}));
        QCOMPARE(QDir::currentPath(), QDir(dir_.path()).canonicalPath());
    }

    void enterEscapeAndTheCloseBox() {
        start();
        openEditor();
        fill({"t", "f", "", ""});
        QTest::keyClick(field("EdTit"), Qt::Key_Return);
        QTest::keyClick(field("EdTit"), Qt::Key_Escape);
        QTest::keyClick(editor_.get(), Qt::Key_Escape);
        QVERIFY(editor_->isVisible());
        QCOMPARE(ToolCount(), std::size_t(0));
        editor_->close(); // the title bar's close box: as "Esc"
        QVERIFY(!editor_->isVisible());
        QVERIFY(main_->isVisible());
        QVERIFY(!QFile::exists(QString::fromLatin1(ToolFile)));
    }
};

QTEST_MAIN(ToolsEditorTest)
#include "ToolsEditorTest.moc"
