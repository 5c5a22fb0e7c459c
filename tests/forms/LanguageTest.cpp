// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in each of the three languages: chosen on the command line,
// picked from the menu while the other windows are open, and kept for the
// next start.
#include "core/Language.h"
#include "core/LanguageChoice.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/Principal.h"
#include "forms/ToolsMenu.h"
#include "forms/UEdTools.h"
#include "forms/USobre.h"
#include "tests/support/ReportCatcher.h"
#include "util/Shell.h"

#include <QtTest>
#include <QtWidgets>

#include <optional>

namespace {

using Texts = std::array<const char*, 3>; // Catalan, English, Spanish

// The windows' texts: a menu's title, a label's or item's text, a tool
// button's hint.
const struct {
    const char* control;
    Texts texts;
} WindowTexts[] = {
    {"Label1", {"posició objecte", "object position", "posición objecto"}},
    {"Label2", {"Imatge", "Image", "Imagen"}},
    {"Label3", {"tipus (real o virtual)", "type (real or virtual)", "tipo (real o virtual)"}},
    {"Label4", {"orientació", "orientation", "orientación"}},
    {"Label6", {"augment / reducció", "enlargement / reduction", "aumento / disminución"}},
    {"Label7", {"posició:", "position:", "posición:"}},
    {"Label8", {"augment:", "magnif.:", "aumento:"}},
    {"BtPla", {"mirall pla", "plane mirror", "espejo plano"}},
    {"BtConv", {"mirall convex", "convex mirror", "espejo convexo"}},
    {"BtConc", {"mirall còncau", "concave mirror", "espejo cóncavo"}},
    {"Elements", {"Element", "Element", "Elemento"}},
    {"Miralls", {"Miralls", "Mirrors", "Espejos"}},
    {"OpConc", {"Còncau", "Concave", "Cóncavo"}},
    {"Info", {"Info", "Info", "Info"}},
    {"OpIdioma", {"Idioma", "Language", "Idioma"}},
    {"Oppla", {"Pla", "Plane", "Plano"}},
    {"OpConvex", {"Convex", "Convex", "Convexo"}},
    {"OpCentre",
     {"Imatge més enllà del centre", "Image beyond the centre", "Imagen más allá del centro"}},
    {"OpCentreFocus",
     {"Imatge entre el centre i el focus", "Image between the centre and the focus",
      "Imagen entre el centro y el foco"}},
    {"Opfocus",
     {"Imatge entre el focus i el mirall", "Image between the focus and the mirror",
      "Imagen entre el foco y el espejo"}},
    {"OpTMiralls", {"Teoria", "Theory", "Teoría"}},
    {"OpSurt", {"Surt", "Exit", "Salir"}},
    {"OpHlp", {"Info", "Info", "Info"}},
    {"OpQ", {"Quant a...", "About...", "Respecto a..."}},
    {"MenuDiagrama", {"Diagrama", "Diagram", "Diagrama"}},
    {"OpGuardarDiagrama",
     {"Desa el diagrama com a...", "Save diagram as...", "Guardar diagrama como..."}},
    {"OpCopiarDiagrama", {"Copia el diagrama", "Copy diagram", "Copiar diagrama"}},
    {"OpImprimir", {"Imprimeix...", "Print...", "Imprimir..."}},
    {"OpCatala", {"Català", "Català", "Català"}},
    {"OpEnglish", {"English", "English", "English"}},
    {"OpEspanol", {"Español", "Español", "Español"}},
    // The tools editor and the about box.
    {"LLst", {"Eines", "Tools", "Utilidades"}},
    {"LEd", {"Eina", "Tool", "Utilidad"}},
    {"LTit", {"Títol", "Title", "Título"}},
    {"LFtx", {"Fitxer", "File", "Fichero"}},
    {"LDir", {"Directori de treball", "Work directory", "Directorio de trabajo"}},
    {"LPrs", {"Paràmetres", "Parameters", "Parámetros"}},
    {"BtSobre", {"Vaja!", "Done", "¡Vaya!"}},
};

// The tools menu and the editor's title, word for word as the program has
// always had them in its tables.
const Texts ToolsTexts = {"Eines", "Tools", "Utilidades"};
const Texts EditionTexts = {"Edició eines", "Tools edition", "Edición utilidades"};
// The about box.
const Texts AboutPrefix = {"Quant a ", "About ", "Sobre "};
const Texts WebAddress = {"http://vexaria.example.org ", "http://vexaria.example.org/en ",
                          "http://vexaria.example.org/es "};

// Command, typed distance, then PTipus, PSentit, PMagnif and EdPosIm, in each language.
const struct {
    const char *command, *distance;
    std::array<const char*, 3> shown;
} Results[] = {
    {"Oppla",
     "40",
     {"virtual dreta igual 40", "virtual upright same size 40", "virtual derecha igual 40"}},
    {"OpConvex",
     "100",
     {"virtual dreta reduïda 20", "virtual upright reduced 20", "virtual derecha disminuida 20"}},
    {"OpCentre",
     "30",
     {"real invertida augmentada -150", "real inverted enlarged -150",
      "real inversa aumentada -150"}},
    {"OpCentre",
     "25",
     {"virtual dreta augmentada infinit", "virtual upright enlarged infinity",
      "virtual derecha aumentada infinito"}},
};

const Texts HelpDocuments = {"mirvex_ca.pdf", "mirvex_en.pdf", "mirvex.pdf"};
const Texts PresentationNames = {"Presentació", "Presentation", "Presentación"};
const Texts LanguageItems = {"OpCatala", "OpEnglish", "OpEspanol"};

QString u8(const char* s) {
    return QString::fromUtf8(s);
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
        for (const auto& t : WindowTexts) {
            QObject* o = w->findChild<QObject*>(t.control);
            o = o ? o : editor->findChild<QObject*>(t.control);
            o = o ? o : get(about.get(), t.control);
            QString shown = o->property("toolTip").toString();
            if (auto* menu = qobject_cast<QMenu*>(o))
                shown = menu->title();
            else if (!qobject_cast<QToolButton*>(o))
                shown = o->property("text").toString();
            QCOMPARE(shown, u8(t.texts[l]));
        }
        // Each item in its own language, and the one shown is the one checked.
        for (TLanguage i = 0; i < LanguageItems.size(); ++i)
            QCOMPARE(get<QAction>(w.get(), LanguageItems[i])->isChecked(), i == l);
        QCOMPARE(w->windowTitle(), "Vexaria");
        QVERIFY(ToolsMenuItem);
        QCOMPARE(ToolsMenuItem->title(), u8(ToolsTexts[l]));
        QCOMPARE(ToolsMenuItem->actions().at(ToolsEditorItemIndex)->text(), u8(EditionTexts[l]));

        QCOMPARE(editor->windowTitle(), u8(EditionTexts[l]));

        QVERIFY2(about->windowTitle().startsWith(u8(AboutPrefix[l])),
                 qPrintable(about->windowTitle()));
        QVERIFY(about->windowTitle().size() > u8(AboutPrefix[l]).size());
        QCOMPARE(get<QLabel>(about.get(), "Copyright")->text().split('\n').value(1),
                 u8(WebAddress[l]));
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
        QTest::newRow("none") << -1;
    }
    void commandLine() {
        QFETCH(int, language);
        const auto l = static_cast<TLanguage>(language < 0 ? LangSpanish : language);
        start(language < 0 ? std::nullopt : std::optional(l));
        openEditor();
        ShowAbout();
        checkTexts(l);
        // The run-time library's own messages are not translated.
        ReportCatcher reports;
        get<QLineEdit>(w.get(), "EdPosObj")->setText("abc");
        QTest::keyClick(get<QLineEdit>(w.get(), "EdPosObj"), Qt::Key_Return);
        QCOMPARE(reports.boxes.size(), std::size_t(1));
        QCOMPARE(reports.boxes[0].text, "'abc' is not a valid integer value.");
        stop();
        QVERIFY2(!QFile::exists(settingsFile()), "a choice nobody made was saved");
    }

    void languageMenuUnderInfoAfterAbout() {
        start(std::nullopt);
        auto* idioma = get<QMenu>(w.get(), "OpIdioma");
        QCOMPARE(get<QMenu>(w.get(), "Info")->actions(),
                 (QList<QAction*>{get<QAction>(w.get(), "OpHlp"), get<QAction>(w.get(), "OpQ"),
                                  idioma->menuAction()}));
        // Checked one at a time, as every switch below shows.
        QList<QAction*> items;
        for (const char* name : LanguageItems)
            items << get<QAction>(w.get(), name);
        QCOMPARE(idioma->actions(), items);
    }

    void switchFromTheMenuWhileEveryWindowIsOpen() {
        start(std::nullopt);
        openEditor();
        ShowAbout();
        auto* presentationItem = get<QAction>(w.get(), "OpPresentacio");
        presentationItem->trigger();
        auto* presentation = qobject_cast<QWidget*>(get(w.get(), "FPresentacio"));
        QVERIFY(presentation && presentation->isVisible());
        int changes = 0;
        connect(&LanguageNotifier(), &TLanguageNotifier::LanguageChanged, this, [&] { ++changes; });
        for (TLanguage l : {LangCatalan, LangEnglish, LangSpanish, LangEnglish}) {
            get<QAction>(w.get(), LanguageItems[l])->trigger();
            checkTexts(l);
            QVERIFY(editor->isVisible() && about->isVisible());
            QSettings kept(settingsFile(), QSettings::IniFormat);
            QCOMPARE(kept.value("language").toString(), LanguageCode(l));

            QCOMPARE(presentationItem->text(), u8(PresentationNames[l]));
            QCOMPARE(presentation->windowTitle(), "Vexaria - " + u8(PresentationNames[l]));
            // Its results copy the main window's, in the new language at once.
            QStringList shown;
            for (QLabel* label : presentation->findChildren<QLabel*>())
                shown << label->text();
            QVERIFY2(shown.contains(get<QLabel>(w.get(), "PSentit")->text()),
                     qPrintable(shown.join('|')));

            QList<ShellRequest> asked;
            SetShellOpenHook([&asked](const ShellRequest& r) { return asked << r, false; });
            get<QAction>(w.get(), "OpHlp")->trigger();
            SetShellOpenHook({});
            QCOMPARE(asked, (QList<ShellRequest>{{HelpDocuments[l], "", ""}}));
        }
        QCOMPARE(changes, 4);
        disconnect(&LanguageNotifier(), nullptr, this, nullptr);

        // The next start takes the kept choice; the command line still wins.
        start(std::nullopt);
        checkTexts(LangEnglish);
        start(LangCatalan);
        checkTexts(LangCatalan);
    }

    void resultsInEveryLanguage() {
        start(std::nullopt);
        for (TLanguage l : {LangCatalan, LangEnglish, LangSpanish}) {
            // Switched before and after the update: the shown rows follow both ways.
            for (bool before : {true, false}) {
                for (const auto& r : Results) {
                    if (before)
                        SwitchLanguage(l);
                    get<QAction>(w.get(), r.command)->trigger();
                    get<QLineEdit>(w.get(), "EdPosObj")->setText(r.distance);
                    QTest::keyClick(get<QLineEdit>(w.get(), "EdPosObj"), Qt::Key_Return);
                    if (!before)
                        SwitchLanguage(l);
                    const QStringList shown{get<QLabel>(w.get(), "PTipus")->text(),
                                            get<QLabel>(w.get(), "PSentit")->text(),
                                            get<QLabel>(w.get(), "PMagnif")->text(),
                                            get<QLineEdit>(w.get(), "EdPosIm")->text()};
                    QCOMPARE(shown.join(' '), u8(r.shown[l]));
                }
            }
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
