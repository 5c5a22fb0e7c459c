// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in each language, Qt's own dialogs, the help and the theory
// window included: chosen on the command line, from the menu, and kept.
#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "forms/DiagramMenu.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/PngSizeDialog.h"
#include "forms/Teoria.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "tests/support/ReportCatcher.h"
#include "tests/support/WindowSteps.h"
#include "util/Shell.h"

#include <sys/stat.h>

namespace {

using Texts = std::array<const char*, LangCount>; // Catalan, English, Spanish, Galician
// Every text in English and Spanish; one per language shows the right file is loaded.
using Pair = std::array<const char*, 2>; // English, Spanish

// The windows' texts in English and Spanish, the tools editor's and the about
// box's last: a menu's title, a label's or item's text, a tool button's hint.
const char* const Controls =
    "Label1 Label2 Label3 Label4 Label6 Label7 Label8 BtPla BtConv BtConc Elements Miralls OpConc "
    "Info OpIdioma Oppla OpConvex OpCentre OpCentreFocus Opfocus OpTMiralls OpSurt OpHlp OpQ "
    "MenuDiagrama OpGuardarDiagrama OpCopiarDiagrama OpImprimir OpCatala OpEnglish OpEspanol "
    "OpGalego LLst LEd LTit LFtx LDir LPrs BtSobre";
const Pair ControlTexts = {
    "object position|Image|type (real or virtual)|orientation|enlargement / reduction|"
    "position:|magnif.:|plane mirror|convex mirror|concave mirror|Optics|Mirrors|Concave|Info|"
    "Language|Plane|Convex|Object beyond the centre|Object between the centre and the focus|"
    "Object between the focus and the mirror|Theory|Exit|Info|About...|Diagram|"
    "Save diagram as...|Copy diagram|Print...|Català|English|Español|Galego|Tools|Tool|Title|"
    "File|Work directory|Parameters|Done",
    "posición objecto|Imagen|tipo (real o virtual)|orientación|aumento / disminución|"
    "posición:|aumento:|espejo plano|espejo convexo|espejo cóncavo|Elemento|Espejos|Cóncavo|"
    "Info|Idioma|Plano|Convexo|Imagen más allá del centro|Imagen entre el centro y el foco|"
    "Imagen entre el foco y el espejo|Teoría|Salir|Info|Respecto a...|Diagrama|"
    "Guardar diagrama como...|Copiar diagrama|Imprimir...|Català|English|Español|Galego|"
    "Utilidades|Utilidad|Título|Fichero|Directorio de trabajo|Parámetros|¡Vaya!"};

// The tools menu, the editor's and the about box's titles, as the program's tables have them.
const Pair ToolsTexts = {"Tools", "Utilidades"};
const Pair EditionTexts = {"Tools edition", "Edición utilidades"};
const Pair AboutPrefix = {"About ", "Sobre "};
const Texts WebAddress = {"http://vexaria.example.org ", "http://vexaria.example.org/en ",
                          "http://vexaria.example.org/es ", "http://vexaria.example.org/gl "};
// Qt's own (Spanish for Galician): a message box's buttons, the save dialog's
// labels and button, the PNG size box's buttons and the print dialog's title.
const Texts QtTexts[] = {{"D'acord Cancel·la", "OK Cancel", "Aceptar Cancelar", "Aceptar Cancelar"},
                         {"Cerca a:|Nom de fitxer:|Fitxers de tipus:|Desa",
                          "Look in:|File name:|Files of type:|Save",
                          "Ver en:|Nombre de fichero:|Ficheros de tipo:|Guardar",
                          "Ver en:|Nombre de fichero:|Ficheros de tipo:|Guardar"},
                         {"D'acord Cancel·la", "OK Cancel", "Aceptar Cancelar", "Aceptar Cancelar"},
                         {"Imprimeix", "Print", "Imprimir", "Imprimir"}};

const Pair PngFilter = {"PNG image (*.png)", "Imagen PNG (*.png)"};
const Pair PresentationNames = {"Presentation", "Presentación"};
// One text in each language's own words.
const Texts PositionLabel = {"posició objecte", "object position", "posición objecto",
                             "posición obxecto"};
// The run-time's own message for a text that is no number, as it gives it in each language.
const Texts NotANumber = {
    "«abc» no és un valor enter vàlid.", "'abc' is not a valid integer value.",
    "'abc' is not a valid integer value.", "«abc» non é un valor enteiro válido."};
const Texts LanguageItems = {"OpCatala", "OpEnglish", "OpEspanol", "OpGalego"};
const char* const StartChoices[] = {"ca", "en", "es", "gl", "none"};
static_assert(std::size(StartChoices) == LangCount + 1);
const auto u8 = [](const char* s) { return QString::fromUtf8(s); };

// The text of a pair in language l; none in the languages the pair leaves out.
std::optional<QString> In(const Pair& texts, TLanguage l) {
    return l == LangEnglish || l == LangSpanish ? std::optional(u8(texts[l == LangSpanish]))
                                                : std::nullopt;
}

// The theory window's title and first heading, and the help files' suffix.
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

// A help page's text as a reader sees it.
QString PageText(const QString& file) {
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(Read(file)));
    return doc.toPlainText().simplified();
}

} // namespace

class LanguageTest : public MainWindowSteps {
    Q_OBJECT
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
    using MainWindowSteps::get;
    template <typename T = QObject> T* get(QObject* in, const QString& name) {
        T* found = in->findChild<T*>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }
    void openEditorAndAbout() {
        QVERIFY(ToolsMenuItem);
        ToolsMenuItem->actions().at(ToolsEditorItemIndex)->trigger();
        QVERIFY(editor->isVisible());
        ShowAbout();
    }

    // Every text of the three windows, in language l.
    void checkTexts(TLanguage l) {
        QCOMPARE(Language, l);
        QCOMPARE(get<QLabel>("Label1")->text(), u8(PositionLabel[l]));
        if (In(ControlTexts, l)) { // typed in English and Spanish only
            QStringList shown;
            for (const QString& control : QString(Controls).split(' ')) {
                QObject* o = w->findChild<QObject*>(control);
                o = o ? o : editor->findChild<QObject*>(control);
                o = o ? o : get(about.get(), control);
                auto* menu = qobject_cast<QMenu*>(o);
                shown << (menu ? menu->title()
                               : o->property(qobject_cast<QToolButton*>(o) ? "toolTip" : "text")
                                     .toString());
            }
            QCOMPARE(shown, In(ControlTexts, l)->split('|'));
        }
        // The language menu under Info, after the about item, the one shown checked.
        auto* idioma = get<QMenu>("OpIdioma");
        QCOMPARE(
            get<QMenu>("Info")->actions(),
            (QList<QAction*>{get<QAction>("OpHlp"), get<QAction>("OpQ"), idioma->menuAction()}));
        for (TLanguage i = 0; i < LanguageItems.size(); ++i) {
            QCOMPARE(idioma->actions().value(i), get<QAction>(LanguageItems[i]));
            QCOMPARE(idioma->actions()[i]->isChecked(), i == l);
        }
        QCOMPARE(w->windowTitle(), "Vexaria");
        QVERIFY(ToolsMenuItem);
        QCOMPARE(editor->windowTitle(), ToolsMenuItem->actions().at(ToolsEditorItemIndex)->text());
        if (In(ToolsTexts, l)) {
            QCOMPARE(ToolsMenuItem->title(), *In(ToolsTexts, l));
            QCOMPARE(editor->windowTitle(), *In(EditionTexts, l));
            QCOMPARE(about->windowTitle(), *In(AboutPrefix, l) + "test_language");
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
            QCOMPARE(d->windowTitle(), get<QAction>("OpGuardarDiagrama")->text());
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
        get<QAction>("OpGuardarDiagrama")->trigger();
        QTRY_COMPARE(seen.size(), 3);
        get<TDiagramCommands>("DiagramCommands")->setPrintModuleFile(PRINT_MODULE);
        WhenOpen<QDialog>([&](QDialog* d) {
            seen << d->windowTitle();
            d->reject();
        });
        get<QAction>("OpImprimir")->trigger();
        QTRY_COMPARE(seen.size(), 4);
        QStringList expected;
        for (const Texts& t : QtTexts)
            expected << u8(t[l]);
        QCOMPARE(seen, expected);
        QVERIFY(!QFile::exists(dir.filePath("unsaved.png")));
    }

    void useLanguage(TLanguage l) {
        get<QAction>(LanguageItems[l])->trigger();
        QCOMPARE(Language, l);
    }
    TFTeoria* theory() { return w->findChild<TFTeoria*>(QStringLiteral("FTeoria")); }
    // The theory window shown, in the language's words, its figures drawn.
    void checkTheory(TLanguage l) {
        TFTeoria* t = theory();
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->windowTitle(), QString::fromUtf8(Help[l][0]));
        auto* text = get<QTextBrowser>(t, "TeoriaTexto");
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
    void commandLine_data() { TableRows(StartChoices); }
    void commandLine() {
        QFETCH(int, row); // none: the last
        const auto l = static_cast<TLanguage>(row < int(LangCount) ? row : LangSpanish);
        start(row < int(LangCount) ? std::optional(l) : std::nullopt);
        openEditorAndAbout();
        checkTexts(l);
        checkQtDialogs(l);
        // The run-time's messages in its own words; the button "OK" in every language.
        ReportCatcher reports;
        type("abc");
        QCOMPARE(reports.boxes.size(), std::size_t(1));
        QCOMPARE(std::pair(reports.boxes[0].text, reports.boxes[0].button),
                 std::pair(u8(NotANumber[l]), QString("OK")));
        stop();
        QVERIFY2(!QFile::exists(settingsFile()), "a choice nobody made was saved");
    }

    void switchFromTheMenuKeepAndUnkeptChoice() {
        start(std::nullopt);
        openEditorAndAbout();
        auto* presentationItem = get<QAction>("OpPresentacio");
        TFPresentacio* presentation = present();
        QVERIFY(presentation && presentation->isVisible());
        for (TLanguage l : {LangCatalan, LangGalician, LangEnglish, LangSpanish, LangEnglish}) {
            get<QAction>(LanguageItems[l])->trigger();
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
            QVERIFY2(shown.contains(get<QLabel>("PSentit")->text()), qPrintable(shown.join('|')));
        }
        // The next start takes the kept choice; the command line still wins.
        start(std::nullopt);
        checkTexts(LangEnglish);
        start(LangCatalan);
        checkTexts(LangCatalan);
        QVERIFY(QFile::remove(settingsFile()));
        // A round through every other language leaves the Spanish window the same to the pixel.
        start(std::nullopt);
        QCOMPARE(Language, LangSpanish);
        // An enlarged image: its word is moved up in Catalan and English.
        command("OpCentre");
        type("30");
        const QImage before = w->grab().toImage();
        for (TLanguage l : {LangCatalan, LangEnglish, LangGalician, LangSpanish})
            get<QAction>(LanguageItems[l])->trigger();
        QCOMPARE(w->grab().toImage(), before);
        QVERIFY(QFile::remove(settingsFile()));
        // Said once, in the language just picked, which the windows speak all the
        // same; what stood there is left (a folder stands for every unwritable kind).
        QVERIFY(QDir().mkpath(settingsFile()));
        struct stat was {};
        QCOMPARE(::lstat(qPrintable(settingsFile()), &was), 0);
        start(std::nullopt);
        ReportCatcher reports;
        get<QAction>("OpEnglish")->trigger();
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

    // "Teoría" opens the theory window, which follows the language; "Info" the
    // language's document, the theory offered only when the desktop cannot open it.
    void theoryWindow_data() { TableRows(LanguageCodes); }
    void theoryWindow() {
        QFETCH(int, row);
        const auto l = static_cast<TLanguage>(row);
        start(std::nullopt);
        useLanguage(l);
        for (const QString way : {"opened", "failed, no", "failed, yes"}) {
            QList<ShellRequest> requests;
            SetShellOpenHook([&](const ShellRequest& r) { return requests << r, way == "opened"; });
            ReportCatcher boxes({}, way.endsWith("yes") ? QMessageBox::Yes : QMessageBox::No);
            get<QAction>("OpHlp")->trigger();
            SetShellOpenHook({});
            QCOMPARE(requests, (QList<ShellRequest>{{HelpDocument(l), {}, {}}}));
            QCOMPARE(boxes.boxes.size(), way == "opened" ? 0u : 1u);
            for (const Box& b : boxes.boxes)
                QVERIFY2(b.name == "MsgAyudaNoAbierta" && b.text.contains(HelpDocument(l)),
                         qPrintable(b.text));
            if (way.endsWith("yes"))
                checkTheory(l);
            else
                QVERIFY(!theory() || !theory()->isVisible());
        }
        // The help names every menu item as the window shows it.
        start(std::nullopt);
        useLanguage(l);
        QStringList items, missing;
        MenuItems(w->menuBar()->actions(), items);
        QVERIFY2(items.size() >= 25, qPrintable(items.join(" | "))); // the tools menu's too
        const QString help = QStringLiteral(HELP_SOURCE_DIR "/");
        const QString text = PageText(help + "mirvex" + Help[l][2] + ".html") + ' ' +
                             PageText(help + "teoria" + Help[l][2] + ".html");
        for (const QString& item : items)
            if (!text.contains(item))
                missing << item;
        QVERIFY2(missing.isEmpty(), qPrintable("not in the help: " + missing.join(" | ")));
        get<QAction>("OpTMiralls")->trigger();
        checkTheory(l);
        const auto other = static_cast<TLanguage>((l + 1) % LangCount);
        useLanguage(other);
        checkTheory(other);
        QTest::keyClick(theory(), Qt::Key_Escape);
        QVERIFY(!theory()->isVisible());
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
