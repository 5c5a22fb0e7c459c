// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "core/Random.h"
#include "forms/ErrorReport.h"
#include "forms/Fonts.h"
#include "forms/Principal.h"
#include "forms/UEdTools.h"
#include "forms/USobre.h"
#include "plot/Plot.h"

#include <QApplication>

#include <clocale>

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

    PlotUnitInit();
    Randomize();

    // The windows live until the program ends. The main window runs its
    // creation handler at the end of its construction.
    TFPrincipal principal;
    // Created hidden, after the main window has set Language.
    TFSobre sobre;
    FSobre = &sobre;
    // Created hidden last, so its captions too are taken in that language.
    TFedTools edTools;

    principal.show();
    QApplication::exec();
    // Both ways of ending (closing the main window, "Salir") end with 0.
    return 0;
}
