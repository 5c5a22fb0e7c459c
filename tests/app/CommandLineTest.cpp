// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "core/Language.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The action, file, mirror, object, view and size asked for, or the refusal as the user reads it.
std::string Asked(const QStringList& args) {
    const TCommandLine cl = ParseCommandLine(args);
    if (!cl.error.isEmpty())
        return "refused: " + cl.error.toStdString();
    const char* actions[] = {"export", "help", "version", "worksheet"};
    std::string out = actions[int(cl.action)];
    if (cl.action == TCommandLine::Action::Export) {
        out += " " + cl.file.toStdString() + " " + "PVC"[cl.mirror] + " " +
               std::to_string(cl.object) + (cl.classroom ? " classroom" : " original");
        if (cl.size)
            out += " " + std::to_string(cl.size->width()) + "x" + std::to_string(cl.size->height());
    }
    return out;
}

// Qt's own options (--style alone is its widget style) start the windows.
TEST(CommandLine, ReadsWhatIsAskedOrNamesTheBadArgument) {
    const std::pair<QStringList, bool> windows[] = {{{}, false},
                                                    {{"-platform", "offscreen"}, false},
                                                    {{"--lang", "ca"}, false},
                                                    {{"--style", "fusion"}, false},
                                                    {{"--help"}, true},
                                                    {{"-platform", "xcb", "--object=3"}, true},
                                                    {{"--size", "1x1"}, true}};
    for (const auto& [args, run] : windows)
        EXPECT_EQ(IsCommandLineRun(args), run) << args.join(' ').toStdString();
    // Either spelling, mirrors in Spanish and English, --object as the field reads it; help and
    // version win. A refusal is one line naming the bad argument.
    Language = LangSpanish;
    const std::pair<QStringList, const char*> rows[] = {
        {{"--export", "d.svg", "--mirror", "concavo", "--object", "$1E", "--size", "80x60"},
         "export d.svg C 30 classroom 80x60"},
        {{"--size=80x60", "--object=30", "--mirror=concavo", "--export=d.svg"},
         "export d.svg C 30 classroom 80x60"},
        {{"--export", "a.PNG", "--mirror", "plano", "--object", "-7"},
         "export a.PNG P -7 classroom"},
        {{"--export", "a.pdf", "--mirror", "convexo", "--object", "0", "--lang", "en"},
         "export a.pdf V 0 classroom"},
        {{"--export", "a.svg", "--object", "3", "--mirror", "plane"}, "export a.svg P 3 classroom"},
        {{"--export", "a.svg", "--object", "3", "--mirror", "convex", "--style", "original"},
         "export a.svg V 3 original"},
        {{"--export", "a.svg", "--object", "3", "--mirror", "concave", "--style", "classroom"},
         "export a.svg C 3 classroom"},
        {{"--bad", "--help"}, "help"},
        {{"--version", "--export"}, "version"},
        {{"--export", "a.svg", "--object", "3", "--mirror", "plane", "--style", "Classroom"},
         "refused: --style «Classroom»: debe ser classroom u original"},
        {{"--export", "a.gif", "--mirror", "plano", "--object", "1"},
         "refused: --export «a.gif»: el nombre debe terminar en .png, .svg o .pdf"},
        {{"--export", "a.png", "--mirror", "Plano", "--object", "1"},
         "refused: --mirror «Plano»: debe ser plano, convexo o concavo"},
        {{"--export", "a.png", "--mirror", "plano", "--object", "+"},
         "refused: --object «+»: no es un número entero"},
        {{"--export", "a.png", "--mirror", "plano", "--object", "1", "--size", "17000x10"},
         "refused: --size «17000x10»: debe ser ANCHOxALTO, cada uno de 1 a 16000 píxeles"},
        {{"--export", "a.png", "--mirror", "plano", "--object", "1", "--size", "10*10"},
         "refused: --size «10*10»: debe ser ANCHOxALTO, cada uno de 1 a 16000 píxeles"},
        {{"--export", "a.png", "--mirror", "plano"}, "refused: falta la opción --object"},
        {{"--export", "a.png", "--export", "b.png", "--mirror", "plano", "--object", "1"},
         "refused: --export aparece dos veces"},
        {{"--mirror"}, "refused: falta el valor de --mirror"},
        {{"-platform", "xcb", "--mirror", "plano"},
         "refused: opción desconocida: «-platform» (vea --help)"},
    };
    for (const auto& [args, asked] : rows)
        EXPECT_EQ(Asked(args), asked) << args.join(' ').toStdString();
}

// The launcher's caller folder, and that folder gone, are command_line_test.sh's.
TEST(CommandLine, ARelativeFileIsTheCallersFolders) {
    qunsetenv("VEXARIA_CALLER_DIR");
    EXPECT_EQ(ResolveExportFile("a.png"), QDir::current().absoluteFilePath("a.png"));
    qputenv("VEXARIA_CALLER_DIR", "/home/teacher/worksheets");
    EXPECT_EQ(ResolveExportFile("/abs/a.png"), "/abs/a.png");
    qunsetenv("VEXARIA_CALLER_DIR");
}

} // namespace
