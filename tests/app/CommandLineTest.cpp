// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "core/Language.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList Args(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* a : list) {
        out << QString::fromUtf8(a);
    }
    return out;
}

TEST(CommandLine, OnlyTheProgramsOwnOptionsLeaveTheWindows) {
    EXPECT_FALSE(IsCommandLineRun(Args({})));
    EXPECT_FALSE(IsCommandLineRun(Args({"-platform", "offscreen"})));
    EXPECT_FALSE(IsCommandLineRun(Args({"--lang", "ca"})));
    EXPECT_TRUE(IsCommandLineRun(Args({"--help"})));
    EXPECT_TRUE(IsCommandLineRun(Args({"-platform", "xcb", "--object=3"})));
    EXPECT_TRUE(IsCommandLineRun(Args({"--size", "1x1"})));
}

TEST(CommandLine, ReadsAnExportInEitherSpelling) {
    Language = LangSpanish;
    for (const QStringList& a :
         {Args({"--export", "d.svg", "--mirror", "concavo", "--object", "$1E", "--size", "80x60"}),
          Args({"--size=80x60", "--object=30", "--mirror=concavo", "--export=d.svg"})}) {
        const TCommandLine cl = ParseCommandLine(a);
        EXPECT_EQ(cl.error, "");
        EXPECT_EQ(cl.action, TCommandLine::Action::Export);
        EXPECT_EQ(cl.file, "d.svg");
        EXPECT_EQ(cl.mirror, MirrorConcave);
        EXPECT_EQ(cl.object, 30);
        EXPECT_EQ(cl.size, QSize(80, 60));
    }
    EXPECT_EQ(
        ParseCommandLine(Args({"--export", "a.PNG", "--mirror", "plano", "--object", "-7"})).object,
        -7);
    EXPECT_EQ(ParseCommandLine(Args({"--export", "a.pdf", "--mirror", "convexo", "--object", "0",
                                     "--lang", "en"}))
                  .error,
              "");
}

TEST(CommandLine, MirrorsInEnglishAndTheStyle) {
    const struct {
        const char* mirror;
        const char* style; // nullptr: not given
        TMirrorKind kind;
        bool classroom;
    } cases[] = {{"plane", nullptr, MirrorPlane, true},
                 {"convex", "original", MirrorConvex, false},
                 {"concave", "classroom", MirrorConcave, true},
                 {"concavo", "original", MirrorConcave, false}};
    for (const auto& c : cases) {
        QStringList a = Args({"--export", "a.svg", "--object", "3", "--mirror", c.mirror});
        if (c.style)
            a << QStringLiteral("--style") << QString::fromLatin1(c.style);
        const TCommandLine cl = ParseCommandLine(a);
        EXPECT_EQ(cl.error, "") << c.mirror;
        EXPECT_EQ(std::pair(cl.mirror, cl.classroom), std::pair(c.kind, c.classroom)) << c.mirror;
    }
    // --style alone is Qt's widget style: the windows start.
    EXPECT_FALSE(IsCommandLineRun(Args({"--style", "fusion"})));
    EXPECT_TRUE(ParseCommandLine(Args({"--export", "a.svg", "--object", "3", "--mirror", "plane",
                                       "--style", "Classroom"}))
                    .error.contains("Classroom"));
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(ParseCommandLine(Args({"--bad", "--help"})).action, TCommandLine::Action::Help);
    EXPECT_EQ(ParseCommandLine(Args({"--version", "--export"})).action,
              TCommandLine::Action::Version);
    EXPECT_EQ(ParseCommandLine(Args({"--version", "--export"})).error, "");
}

TEST(CommandLine, RefusesNamingTheBadArgument) {
    Language = LangSpanish;
    const struct {
        std::initializer_list<const char*> args;
        const char* named;
    } cases[] = {
        {{"--export", "a.gif", "--mirror", "plano", "--object", "1"}, "a.gif"},
        {{"--export", "a.png", "--mirror", "Plano", "--object", "1"}, "Plano"},
        {{"--export", "a.png", "--mirror", "plano", "--object", "+"}, "+"},
        {{"--export", "a.png", "--mirror", "plano", "--object", "1", "--size", "17000x10"},
         "17000x10"},
        {{"--export", "a.png", "--mirror", "plano", "--object", "1", "--size", "10*10"}, "10*10"},
        {{"--export", "a.png", "--mirror", "plano"}, "--object"},
        {{"--export", "a.png", "--export", "b.png", "--mirror", "plano", "--object", "1"},
         "--export"},
        {{"--mirror"}, "--mirror"},
        {{"-platform", "xcb", "--mirror", "plano"}, "-platform"},
    };
    for (const auto& c : cases) {
        const TCommandLine cl = ParseCommandLine(Args(c.args));
        EXPECT_TRUE(cl.error.contains(QString::fromUtf8(c.named))) << cl.error.toStdString();
        EXPECT_FALSE(cl.error.contains('\n'));
    }
}

TEST(CommandLine, ARelativeFileIsTheCallersFolders) {
    qunsetenv("VEXARIA_CALLER_DIR");
    EXPECT_EQ(ResolveExportFile("/abs/a.png"), "/abs/a.png");
    EXPECT_EQ(ResolveExportFile("a.png"), QDir::current().absoluteFilePath("a.png"));
    qputenv("VEXARIA_CALLER_DIR", "/home/teacher/worksheets");
    EXPECT_EQ(ResolveExportFile("fig/a.png"), "/home/teacher/worksheets/fig/a.png");
    EXPECT_EQ(ResolveExportFile("/abs/a.png"), "/abs/a.png");
    qputenv("VEXARIA_CALLER_DIR", "");
    EXPECT_EQ(ResolveExportFile("a.png"), "");
    qunsetenv("VEXARIA_CALLER_DIR");
}

} // namespace
