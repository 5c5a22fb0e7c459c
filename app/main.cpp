// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "core/LanguageChoice.h"
#include "core/Random.h"
#include "forms/ErrorReport.h"
#include "forms/Fonts.h"
#include "forms/LanguageSwitch.h"
#include "forms/Principal.h"
#include "forms/ProgramWindows.h"
#include "plot/Plot.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    // The program's own options write a picture and end, without a window.
    {
        QStringList arguments;
        for (int i = 1; i < argc; ++i) {
            arguments << QString::fromLocal8Bit(argv[i]);
        }
        if (IsCommandLineRun(arguments)) {
            return RunCommandLine(argc, argv);
        }
    }
    // Qt takes its own options (-platform and the like) from the command
    // line.
    QApplication app(argc, argv);
    // Creating the application may switch the C library's numbers to the
    // user's locale; the program's own number texts choose their separator
    // explicitly, everything else wants the C rules.
    std::setlocale(LC_NUMERIC, "C");
    InstallFontSubstitutes();
    CacheLargeGlyphs();

    // The windows' language: --lang, else the one last picked in the menu,
    // else the desktop's.
    const TLangOption lang = LangOption(QCoreApplication::arguments());
    if (!lang.valid) {
        // Nothing is chosen yet: the desktop's language says why.
        UseLanguage(LanguageOfLocale(QLocale::system().uiLanguages()));
        std::fprintf(stderr, "mirvex: %s\n",
                     LangCaption(LangBadLangOption)
                         .arg(lang.given, LanguageCodeList())
                         .toUtf8()
                         .constData());
        return 2;
    }
    StartLanguage = LanguageForStart(lang.language);

    PlotUnitInit();
    Randomize();

    // The windows live until the program ends: the main window, which sets
    // Language at its creation, then, hidden and owned by it, the about box
    // and the tools editor, which take their captions in that language.
    TProgramWindows windows;

    windows.principal().show();
    QApplication::exec();
    // Both ways of ending (closing the main window, "Salir") end with 0.
    return 0;
}
