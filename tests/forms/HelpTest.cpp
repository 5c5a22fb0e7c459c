// SPDX-License-Identifier: GPL-3.0-or-later
// The help in every language: each document names every item of the menus
// as the program shows them, and the theory window opens from "Teoría" and
// from an "Info" the desktop could not open.
#include "core/Language.h"
#include "forms/Fonts.h"
#include "forms/Principal.h"
#include "forms/Teoria.h"
#include "tests/support/ReportCatcher.h"
#include "util/Shell.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using Texts = std::array<const char*, LangCount>; // Catalan, English, Spanish, Galician

const Texts LanguageItems = {"OpCatala", "OpEnglish", "OpEspanol", "OpGalego"};
const Texts TheoryTitles = {"Teoria", "Theory", "Teoría", "Teoría"};
// The first heading of each language's theory chapter.
const Texts TheoryHeadings = {"Teoria dels miralls", "Mirror theory", "Teoría de los espejos",
                              "Teoría dos espellos"};
const Texts Suffixes = {"_ca", "_en", "", "_gl"};

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

class HelpTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<TFPrincipal> w;

    template <typename T = QObject> T* get(const char* name) {
        auto* found = w->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no %s", name);
        return found;
    }
    void useLanguage(TLanguage l) {
        get<QAction>(LanguageItems[l])->trigger();
        QCOMPARE(Language, l);
    }
    TFTeoria* theory() { return w->findChild<TFTeoria*>(QStringLiteral("FTeoria")); }
    // The theory window is shown, in the language's words, with its figures
    // drawn.
    void checkTheory(TLanguage l) {
        TFTeoria* t = theory();
        QVERIFY(t && t->isVisible());
        QCOMPARE(t->windowTitle(), QString::fromUtf8(TheoryTitles[l]));
        auto* text = t->findChild<QTextBrowser*>(QStringLiteral("TeoriaTexto"));
        QVERIFY(text);
        QVERIFY2(text->toPlainText().startsWith(QString::fromUtf8(TheoryHeadings[l])),
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
        w = std::make_unique<TFPrincipal>();
        w->show();
    }
    void cleanupTestCase() {
        SetShellOpenHook({});
        w.reset();
    }

    void everyMenuItemIsInTheHelp_data() {
        QTest::addColumn<int>("language");
        for (TLanguage l = 0; l < LangCount; ++l)
            QTest::newRow(LanguageCodes[l]) << int(l);
    }
    void everyMenuItemIsInTheHelp() {
        QFETCH(int, language);
        const auto l = static_cast<TLanguage>(language);
        useLanguage(l);
        QStringList items;
        MenuItems(w->menuBar()->actions(), items);
        // The window's own menus and the tools menu at least.
        QVERIFY2(items.size() >= 25, qPrintable(items.join(" | ")));
        const QString help = QStringLiteral(HELP_SOURCE_DIR "/");
        const QString text = PageText(help + "mirvex" + Suffixes[l] + ".html") + ' ' +
                             PageText(help + "teoria" + Suffixes[l] + ".html");
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
        useLanguage(l);
        if (theory())
            theory()->close();
        if (way == "menu") {
            get<QAction>("OpTMiralls")->trigger();
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
        get<QAction>("OpHlp")->trigger();
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

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
