// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in each language, Qt's own dialogs included: chosen on the
// command line, picked from the menu while the other windows are open, and
// kept for the next start; the help in every language, which names every
// menu item as the program shows it, and the theory window, opened from
// "Teoría" and from an "Info" the desktop could not open.
#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "core/NumberText.h"
#include "core/RunError.h"
#include "forms/DiagramMenu.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/PngSizeDialog.h"
#include "forms/Principal.h"
#include "forms/Teoria.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "forms/USobre.h"
#include "tests/support/ReportCatcher.h"
#include "util/Shell.h"

#include <QtTest>
#include <QtWidgets>

#include <optional>

#include <sys/stat.h>

namespace {

using Texts = std::array<const char*, LangCount>; // Catalan, English, Spanish, Galician
// Every translation is checked against its language with the translation
// files themselves; here, that each window shows them: every text in
// English and Spanish, and one per language that the right file is loaded.
using Pair = std::array<const char*, 2>; // English, Spanish

// The windows' texts: a menu's title, a label's or item's text, a tool
// button's hint.
const struct {
    const char* control;
    Pair texts;
} WindowTexts[] = {
    {"Label1", {"object position", "posición objecto"}},
    {"Label2", {"Image", "Imagen"}},
    {"Label3", {"type (real or virtual)", "tipo (real o virtual)"}},
    {"Label4", {"orientation", "orientación"}},
    {"Label6", {"enlargement / reduction", "aumento / disminución"}},
    {"Label7", {"position:", "posición:"}},
    {"Label8", {"magnif.:", "aumento:"}},
    {"BtPla", {"plane mirror", "espejo plano"}},
    {"BtConv", {"convex mirror", "espejo convexo"}},
    {"BtConc", {"concave mirror", "espejo cóncavo"}},
    {"Elements", {"Optics", "Elemento"}},
    {"Miralls", {"Mirrors", "Espejos"}},
    {"OpConc", {"Concave", "Cóncavo"}},
    {"Info", {"Info", "Info"}},
    {"OpIdioma", {"Language", "Idioma"}},
    {"Oppla", {"Plane", "Plano"}},
    {"OpConvex", {"Convex", "Convexo"}},
    {"OpCentre", {"Object beyond the centre", "Imagen más allá del centro"}},
    {"OpCentreFocus",
     {"Object between the centre and the focus", "Imagen entre el centro y el foco"}},
    {"Opfocus", {"Object between the focus and the mirror", "Imagen entre el foco y el espejo"}},
    {"OpTMiralls", {"Theory", "Teoría"}},
    {"OpSurt", {"Exit", "Salir"}},
    {"OpHlp", {"Info", "Info"}},
    {"OpQ", {"About...", "Respecto a..."}},
    {"MenuDiagrama", {"Diagram", "Diagrama"}},
    {"OpGuardarDiagrama", {"Save diagram as...", "Guardar diagrama como..."}},
    {"OpCopiarDiagrama", {"Copy diagram", "Copiar diagrama"}},
    {"OpImprimir", {"Print...", "Imprimir..."}},
    {"OpCatala", {"Català", "Català"}},
    {"OpEnglish", {"English", "English"}},
    {"OpEspanol", {"Español", "Español"}},
    {"OpGalego", {"Galego", "Galego"}},
    // The tools editor and the about box.
    {"LLst", {"Tools", "Utilidades"}},
    {"LEd", {"Tool", "Utilidad"}},
    {"LTit", {"Title", "Título"}},
    {"LFtx", {"File", "Fichero"}},
    {"LDir", {"Work directory", "Directorio de trabajo"}},
    {"LPrs", {"Parameters", "Parámetros"}},
    {"BtSobre", {"Done", "¡Vaya!"}},
};

// The tools menu and the editor's title, word for word as the program has
// always had them in its tables.
const Pair ToolsTexts = {"Tools", "Utilidades"};
const Pair EditionTexts = {"Tools edition", "Edición utilidades"};
// The about box.
const Pair AboutPrefix = {"About ", "Sobre "};
const Texts WebAddress = {"http://vexaria.example.org ", "http://vexaria.example.org/en ",
                          "http://vexaria.example.org/es ", "http://vexaria.example.org/gl "};
// Qt's own: a message box's buttons, the save dialog's labels and button,
// the PNG size box's buttons and the print dialog's title. Galician takes
// Qt's Spanish, as Qt has no Galician of its own.
const Texts QtTexts[] = {
    {"D'acord Cancel·la", "OK Cancel", "Aceptar Cancelar", "Aceptar Cancelar"},
    {"Cerca a:|Nom de fitxer:|Fitxers de tipus:|Desa", "Look in:|File name:|Files of type:|Save",
     "Ver en:|Nombre de fichero:|Ficheros de tipo:|Guardar",
     "Ver en:|Nombre de fichero:|Ficheros de tipo:|Guardar"},
    {"D'acord Cancel·la", "OK Cancel", "Aceptar Cancelar", "Aceptar Cancelar"},
    {"Imprimeix", "Print", "Imprimir", "Imprimir"},
};

const Pair PngFilter = {"PNG image (*.png)", "Imagen PNG (*.png)"};
const Pair PresentationNames = {"Presentation", "Presentación"};
// One text in each language's own words.
const Texts PositionLabel = {"posició objecte", "object position", "posición objecto",
                             "posición obxecto"};
const Texts LanguageItems = {"OpCatala", "OpEnglish", "OpEspanol", "OpGalego"};
QString u8(const char* s) {
    return QString::fromUtf8(s);
}

// The text of a pair in language l; none in the languages the pair leaves out.
std::optional<QString> In(const Pair& texts, TLanguage l) {
    if (l != LangEnglish && l != LangSpanish)
        return std::nullopt;
    return u8(texts[l == LangEnglish ? 0 : 1]);
}

// The theory window's title and its chapter's first heading, and the help
// files' suffix, by language.
const std::array<std::array<const char*, 3>, LangCount> Help = {
    {{"Teoria", "Teoria dels miralls", "_ca"},
     {"Theory", "Mirror theory", "_en"},
     {"Teoría", "Teoría de los espejos", ""},
     {"Teoría", "Teoría dos espellos", "_gl"}}};

// Every item of the menu bar and its submenus, by its text as shown.
void MenuItems(const QList<QAction*>& actions, QStringList& items) {
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        items << action->text().remove(QLatin1Char('&'));
        if (action->menu())
            MenuItems(action->menu()->actions(), items);
    }
}

// A help page's text as a reader sees it: tags gone, entities read, blanks
// run together.
QString PageText(const QString& file) {
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly))
        return {};
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(page.readAll()));
    return doc.toPlainText().simplified();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<TFPrincipal> w;
    std::unique_ptr<TFSobre> about;
    std::unique_ptr<TFedTools> editor;

    QString settingsFile() const { return dir.filePath("config/Vexaria/vexaria.conf"); }

    // As the program's start does it, with the command line's --lang.
    void start(std::optional<TLanguage> commandLine) {
        stop();
        StartLanguage = LanguageForStart(commandLine);
        w = std::make_unique<TFPrincipal>();
        about = std::make_unique<TFSobre>();
        FSobre = about.get();
        editor = std::make_unique<TFedTools>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void stop() {
        editor.reset();
        about.reset();
        w.reset();
    }
    template <typename T = QObject> T* get(QObject* in, const char* name) {
        T* found = in->findChild<T*>(name);
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    void openEditor() {
        QVERIFY(ToolsMenuItem);
        ToolsMenuItem->actions().at(ToolsEditorItemIndex)->trigger();
        QVERIFY(editor->isVisible());
    }

    // Every text of the three windows, in language l.
    void checkTexts(TLanguage l) {
        QCOMPARE(Language, l);
        QCOMPARE(get<QLabel>(w.get(), "Label1")->text(), u8(PositionLabel[l]));
        for (const auto& t : WindowTexts) {
            if (!In(t.texts, l))
                break; // typed in English and Spanish only
            QObject* o = w->findChild<QObject*>(t.control);
            o = o ? o : editor->findChild<QObject*>(t.control);
            o = o ? o : get(about.get(), t.control);
            QString shown = o->property("toolTip").toString();
            if (auto* menu = qobject_cast<QMenu*>(o))
                shown = menu->title();
            else if (!qobject_cast<QToolButton*>(o))
                shown = o->property("text").toString();
            QCOMPARE(shown, *In(t.texts, l));
        }
        // The language menu under Info, after the about item; each item in
        // its own language, and the one shown is the one checked.
        auto* idioma = get<QMenu>(w.get(), "OpIdioma");
        QCOMPARE(get<QMenu>(w.get(), "Info")->actions(),
                 (QList<QAction*>{get<QAction>(w.get(), "OpHlp"), get<QAction>(w.get(), "OpQ"),
                                  idioma->menuAction()}));
        for (TLanguage i = 0; i < LanguageItems.size(); ++i) {
            QCOMPARE(idioma->actions().value(i), get<QAction>(w.get(), LanguageItems[i]));
            QCOMPARE(idioma->actions()[i]->isChecked(), i == l);
        }
        QCOMPARE(w->windowTitle(), "Vexaria");
        QVERIFY(ToolsMenuItem);
        QCOMPARE(editor->windowTitle(), ToolsMenuItem->actions().at(ToolsEditorItemIndex)->text());
        if (In(ToolsTexts, l)) {
            QCOMPARE(ToolsMenuItem->title(), *In(ToolsTexts, l));
            QCOMPARE(editor->windowTitle(), *In(EditionTexts, l));
            QVERIFY2(about->windowTitle().startsWith(*In(AboutPrefix, l)),
                     qPrintable(about->windowTitle()));
            QVERIFY(about->windowTitle().size() > In(AboutPrefix, l)->size());
        }
        QCOMPARE(get<QLabel>(about.get(), "Copyright")->text().split('\n').value(1),
                 u8(WebAddress[l]));
    }

    // Qt's own dialogs in language l, as the program opens them.
    void checkQtDialogs(TLanguage l) {
        QStringList seen;
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Ok | QMessageBox::Cancel);
        seen << box.button(QMessageBox::Ok)->text() + ' ' + box.button(QMessageBox::Cancel)->text();
        // Saving: the file dialog, then the PNG size box, cancelled.
        WhenOpen<QFileDialog>([&](QFileDialog* d) {
            QStringList labels;
            for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                labels << get<QLabel>(d, name)->text();
            auto* buttons = get<QDialogButtonBox>(d, "buttonBox");
            labels << buttons->buttons().value(0)->text();
            // Without the shortcut marks, which Qt moves as the name is typed.
            seen << labels.join('|').remove('&');
            // The program's own words, captioned again at every opening.
            QCOMPARE(d->windowTitle(), get<QAction>(w.get(), "OpGuardarDiagrama")->text());
            QCOMPARE(d->nameFilters().value(0), In(PngFilter, l).value_or(d->nameFilters()[0]));
            WhenOpen<TFTamanyPng>([&](TFTamanyPng* size) {
                auto* sizeButtons = size->findChild<QDialogButtonBox*>();
                seen << sizeButtons->button(QDialogButtonBox::Ok)->text() + ' ' +
                            sizeButtons->button(QDialogButtonBox::Cancel)->text();
                size->reject();
            });
            get<QLineEdit>(d, "fileNameEdit")->setText(dir.filePath("unsaved.png"));
            QMetaObject::invokeMethod(d, "accept");
        });
        get<QAction>(w.get(), "OpGuardarDiagrama")->trigger();
        QTRY_COMPARE(seen.size(), 3);
        get<TDiagramCommands>(w.get(), "DiagramCommands")->setPrintModuleFile(PRINT_MODULE);
        WhenOpen<QDialog>([&](QDialog* d) {
            seen << d->windowTitle();
            d->reject();
        });
        get<QAction>(w.get(), "OpImprimir")->trigger();
        QTRY_COMPARE(seen.size(), 4);
        QStringList expected;
        for (const Texts& t : QtTexts)
            expected << u8(t[l]);
        QCOMPARE(seen, expected);
        QVERIFY(!QFile::exists(dir.filePath("unsaved.png")));
    }

    void useLanguage(TLanguage l) {
        get<QAction>(w.get(), LanguageItems[l])->trigger();
        QCOMPARE(Language, l);
    }
    TFTeoria* theory() { return w->findChild<TFTeoria*>(QStringLiteral("FTeoria")); }
    // The theory window is shown, in the language's words, with its figures
    // drawn.
    void checkTheory(TLanguage l) {
        TFTeoria* t = theory();
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->windowTitle(), QString::fromUtf8(Help[l][0]));
        auto* text = t->findChild<QTextBrowser*>(QStringLiteral("TeoriaTexto"));
        QVERIFY(text);
        QVERIFY2(text->toPlainText().startsWith(QString::fromUtf8(Help[l][1])),
                 qPrintable(text->toPlainText().left(80)));
        const QImage figure = text->document()
                                  ->resource(QTextDocument::ImageResource,
                                             QUrl(QStringLiteral("figure:classroom-concave-35")))
                                  .value<QImage>();
        QCOMPARE(figure.size(), QSize(1700, 1124));
        // The classroom view's white, and drawing on it.
        QCOMPARE(figure.pixel(3, 3), qRgb(255, 255, 255));
        QVERIFY(figure.pixel(figure.width() / 2, figure.height() / 2) != qRgb(255, 255, 255) ||
                figure.pixel(figure.width() / 4, figure.height() / 2) != qRgb(255, 255, 255));
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir::setCurrent(dir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        InstallFontSubstitutes();
        // The desktop is a C one here: Spanish unless something else is chosen.
        QCOMPARE(LanguageOfLocale(QLocale::system().uiLanguages()), LangSpanish);
    }
    void cleanup() {
        stop();
        QFile::remove(settingsFile());
    }

    // No language on the command line: the desktop's, and nothing saved.
    void commandLine_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("ca") << int(LangCatalan);
        QTest::newRow("en") << int(LangEnglish);
        QTest::newRow("es") << int(LangSpanish);
        QTest::newRow("gl") << int(LangGalician);
        QTest::newRow("none") << -1;
    }
    void commandLine() {
        QFETCH(int, language);
        const auto l = static_cast<TLanguage>(language < 0 ? LangSpanish : language);
        start(language < 0 ? std::nullopt : std::optional(l));
        openEditor();
        ShowAbout();
        checkTexts(l);
        checkQtDialogs(l);
        // The run-time's messages in the windows' language, as the run-time
        // gives them; the report's button is "OK" in every language.
        ReportCatcher reports;
        get<QLineEdit>(w.get(), "EdPosObj")->setText("abc");
        QTest::keyClick(get<QLineEdit>(w.get(), "EdPosObj"), Qt::Key_Return);
        QCOMPARE(reports.boxes.size(), std::size_t(1));
        try {
            StrToInt(QStringLiteral("abc"));
            QFAIL("abc taken for a number");
        } catch (const RunError& e) {
            QCOMPARE(reports.boxes[0].text, QString::fromUtf8(e.what()) + '.');
        }
        QCOMPARE(reports.boxes[0].button, "OK");
        stop();
        QVERIFY2(!QFile::exists(settingsFile()), "a choice nobody made was saved");
    }

    void switchFromTheMenuWhileEveryWindowIsOpen() {
        start(std::nullopt);
        openEditor();
        ShowAbout();
        auto* presentationItem = get<QAction>(w.get(), "OpPresentacio");
        presentationItem->trigger();
        auto* presentation = qobject_cast<QWidget*>(get(w.get(), "FPresentacio"));
        QVERIFY(presentation && presentation->isVisible());
        for (TLanguage l : {LangCatalan, LangGalician, LangEnglish, LangSpanish, LangEnglish}) {
            get<QAction>(w.get(), LanguageItems[l])->trigger();
            checkTexts(l);
            checkQtDialogs(l);
            QVERIFY(editor->isVisible() && about->isVisible());
            QSettings kept(settingsFile(), QSettings::IniFormat);
            QCOMPARE(kept.value("language").toString(), LanguageCode(l));

            QCOMPARE(presentationItem->text(),
                     In(PresentationNames, l).value_or(presentationItem->text()));
            QCOMPARE(presentation->windowTitle(), "Vexaria - " + presentationItem->text());
            // Its results copy the main window's, in the new language at once.
            QStringList shown;
            for (QLabel* label : presentation->findChildren<QLabel*>())
                shown << label->text();
            QVERIFY2(shown.contains(get<QLabel>(w.get(), "PSentit")->text()),
                     qPrintable(shown.join('|')));
        }

        // The next start takes the kept choice; the command line still wins.
        start(std::nullopt);
        checkTexts(LangEnglish);
        start(LangCatalan);
        checkTexts(LangCatalan);
    }

    // The Spanish window is the one it always was: a round through every
    // other language leaves it the same, pixel for pixel.
    void spanishAfterEveryLanguageUnchanged() {
        start(std::nullopt);
        QCOMPARE(Language, LangSpanish);
        // An enlarged image: its word is moved up in Catalan and English.
        get<QAction>(w.get(), "OpCentre")->trigger();
        get<QLineEdit>(w.get(), "EdPosObj")->setText("30");
        QTest::keyClick(get<QLineEdit>(w.get(), "EdPosObj"), Qt::Key_Return);
        const QImage before = w->grab().toImage();
        for (TLanguage l : {LangCatalan, LangEnglish, LangGalician, LangSpanish})
            get<QAction>(w.get(), LanguageItems[l])->trigger();
        QCOMPARE(w->grab().toImage(), before);
    }

    // Said once, in the language just picked, which the windows speak all
    // the same; what stood there is left as it was. The kinds of file that
    // are not written are the safe write's own test; a folder stands for
    // them here.
    void aChoiceThatCannotBeKeptIsSaidOnceInIt() {
        QVERIFY(QDir().mkpath(settingsFile()));
        struct stat was {};
        QCOMPARE(::lstat(qPrintable(settingsFile()), &was), 0);
        start(std::nullopt);
        ReportCatcher reports;
        get<QAction>(w.get(), "OpEnglish")->trigger();
        QTRY_COMPARE(reports.boxes.size(), size_t(1));
        QVERIFY2(reports.boxes[0].text.startsWith(
                     "The chosen language cannot be kept for the next start: \"" + settingsFile() +
                     "\": it is not a regular file"),
                 qPrintable(reports.boxes[0].text));
        QCOMPARE(Language, LangEnglish);
        QTest::qWait(50);
        QCOMPARE(reports.boxes.size(), size_t(1));
        struct stat now {};
        QCOMPARE(::lstat(qPrintable(settingsFile()), &now), 0);
        QCOMPARE(std::tuple(now.st_mode, now.st_ino), std::tuple(was.st_mode, was.st_ino));
        QVERIFY(QDir().rmdir(settingsFile()));
    }

    void everyMenuItemIsInTheHelp_data() {
        QTest::addColumn<int>("language");
        for (TLanguage l = 0; l < LangCount; ++l)
            QTest::newRow(LanguageCodes[l]) << int(l);
    }
    void everyMenuItemIsInTheHelp() {
        QFETCH(int, language);
        const auto l = static_cast<TLanguage>(language);
        start(std::nullopt);
        useLanguage(l);
        QStringList items;
        MenuItems(w->menuBar()->actions(), items);
        // The window's own menus and the tools menu at least.
        QVERIFY2(items.size() >= 25, qPrintable(items.join(" | ")));
        const QString help = QStringLiteral(HELP_SOURCE_DIR "/");
        const QString text = PageText(help + "mirvex" + Help[l][2] + ".html") + ' ' +
                             PageText(help + "teoria" + Help[l][2] + ".html");
        QStringList missing;
        for (const QString& item : items)
            if (!text.contains(item))
                missing << item;
        QVERIFY2(missing.isEmpty(), qPrintable("not in the help: " + missing.join(" | ")));
    }

    // "Teoría" opens the theory window, which follows the language while it
    // is open. "Info" opens the document of the language; only when the
    // desktop cannot is the theory offered, and shown if the user says so.
    void theoryWindow_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("way");
        for (TLanguage l = 0; l < LangCount; ++l)
            for (const char* way : {"menu", "opened", "failed, yes", "failed, no"})
                QTest::addRow("%s %s", LanguageCodes[l], way) << int(l) << QString(way);
    }
    void theoryWindow() {
        QFETCH(int, language);
        QFETCH(QString, way);
        const auto l = static_cast<TLanguage>(language);
        start(std::nullopt);
        useLanguage(l);
        if (way == "menu") {
            get<QAction>(w.get(), "OpTMiralls")->trigger();
            checkTheory(l);
            const auto other = static_cast<TLanguage>((l + 1) % LangCount);
            useLanguage(other);
            checkTheory(other);
            QTest::keyClick(theory(), Qt::Key_Escape);
            QVERIFY(!theory()->isVisible());
            return;
        }
        QList<ShellRequest> requests;
        SetShellOpenHook([&](const ShellRequest& r) {
            requests << r;
            return way == "opened";
        });
        ReportCatcher boxes({}, way.endsWith("yes") ? QMessageBox::Yes : QMessageBox::No);
        get<QAction>(w.get(), "OpHlp")->trigger();
        SetShellOpenHook({});
        QCOMPARE(requests.size(), 1);
        QVERIFY(requests[0] == (ShellRequest{HelpDocument(l), {}, {}}));
        QCOMPARE(boxes.boxes.size(), way == "opened" ? 0u : 1u);
        for (const Box& b : boxes.boxes)
            QVERIFY2(b.name == "MsgAyudaNoAbierta" && b.text.contains(HelpDocument(l)),
                     qPrintable(b.text));
        if (way.endsWith("yes"))
            checkTheory(l);
        else
            QVERIFY(!theory() || !theory()->isVisible());
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
