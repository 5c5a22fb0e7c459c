// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Shell.h"
#include "tests/support/GuiApplication.h"
#include "tests/support/ScratchFolder.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using K = ShellTargetKind;
using R = ShellRefusal;
constexpr R Shared = R::FolderWritableByOthers;

using TFile = std::tuple<const char*, QByteArray, QFile::Permissions>; // name, content, mode

constexpr QFile::Permissions Private = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions Runnable = Private | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// The decision alone; nothing is opened. "shared/" is a folder everybody may write to.
class ShellTest : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        ASSERT_TRUE(tool.isValid() && shared.isValid());
        ASSERT_TRUE(QFile::setPermissions(shared.path(), QFile::Permissions(0x7777)));
    }
    void TearDown() override {
        ScratchFolder::TearDown();
        qputenv("PATH", path);
    }
    QString At(const QString& place) const {
        const QString folder = place.section('/', 0, 0), rest = place.section('/', 1);
        const QTemporaryDir* d = folder == "cwd"      ? &dir
                                 : folder == "tool"   ? &tool
                                 : folder == "shared" ? &shared
                                                      : nullptr;
        return !d ? place : rest.isEmpty() ? d->path() : d->filePath(rest);
    }
    void Make(const TFile& file) {
        const auto& [name, content, mode] = file;
        const QString where = At(QString::fromLatin1(name));
        QDir().mkpath(QFileInfo(where).absolutePath());
        Put(where, content);
        ASSERT_TRUE(QFile::setPermissions(where, mode));
    }

    const QByteArray path = qgetenv("PATH");
    QTemporaryDir tool, shared;
};

const QByteArray Script = "#!/bin/sh\necho planted\n";

const QByteArray Pdf = "%PDF-1.4\n";
constexpr QFile::Permissions Open = Private | QFile::WriteGroup | QFile::WriteOther;

const TFile Files[] = {
    {"cwd/both.pdf", Pdf, Private},
    {"tool/both.pdf", Pdf, Private},
    {"cwd/here.pdf", Pdf, Private},
    {"cwd/sh", "not a shell", Private},
    {"cwd/local.sh", Script, Runnable},
    {"cwd/zzprog", Script, Runnable},
    {"tool/run.sh", Script, Runnable},
    {"tool/py", "#!/usr/bin/python3\nprint(1)\n", Runnable},
    {"tool/report.pdf", Pdf + "%\xE2\xE3\xCF\xD3\n", Runnable},
    {"tool/notes.txt", "hello\n", Runnable},
    {"tool/short", "#", Runnable},
    {"tool/open.pdf", Pdf, Open},
    {"tool/other.pdf", Pdf, Private | QFile::WriteOther},
    {"tool/sub/x.pdf", Pdf, Private},
    {"shared/ls", Script, Runnable},
    {"shared/zzonly", Script, Runnable},
    {"shared/notes.pdf", Pdf, Private},
};

// path | params | dir (the folders by name; "tool" with a final "/"), then the kind, what it
// resolves to ("=" a program of that name on the search path), folder, parameters, refusal.
const struct {
    QString path, params, dir;
    K kind;
    QString resolved, workDir;
    QStringList args = {};
    R refusal = R::None;
} Cases[] = {
    // Documents and folders, in the tool's folder, or the working folder for a tool without one.
    {"both.pdf", "", "", K::Document, "cwd/both.pdf", "cwd"},
    {"both.pdf", "", "tool", K::Document, "tool/both.pdf", "tool"},
    {"both.pdf", "", "/no/such/folder", K::Document, "cwd/both.pdf", "cwd"},
    {"cwd/here.pdf", "", "", K::Document, "cwd/here.pdf", "cwd"},
    {"cwd", "", "", K::Document, "cwd", "cwd"},
    {"sub/x.pdf", "", "tool", K::Document, "tool/sub/x.pdf", "tool"},
    {"sh", "-c true", "", K::Document, "cwd/sh", "cwd"}, // a document hides the program
    // Where the tool names its folder, the current folder is not searched.
    {"here.pdf", "", "tool", K::Missing, "tool/here.pdf", "tool"},
    {"run.sh", "", "", K::Missing, "cwd/run.sh", "cwd"},
    // Programs by their content; the execute bit alone makes none.
    {"run.sh", "-a", "tool", K::Program, "tool/run.sh", "tool", {"-a"}},
    {"py", "", "tool", K::Program, "tool/py", "tool"},
    {"tool/run.sh", "x", "", K::Program, "tool/run.sh", "cwd", {"x"}},
    {"report.pdf", "-p", "tool", K::Document, "tool/report.pdf", "tool"},
    {"notes.txt", "", "tool", K::Document, "tool/notes.txt", "tool"},
    {"short", "", "tool", K::Document, "tool/short", "tool"},
    // Never a program from the working folder, nor through "." on the path.
    {"local.sh", "", "", K::Refused, "cwd/local.sh", "cwd", {}, R::ProgramInWorkFolder},
    {"zzprog", "", "tool", K::Missing, "tool/zzprog", "tool"},
    // Planted where others may write: passed over for the search path, or refused.
    {"ls", "-la", "shared", K::Program, "=ls", "shared", {"-la"}},
    {"zzonly", "", "shared", K::Refused, "shared/zzonly", "shared", {}, Shared},
    {"notes.pdf", "", "shared", K::Refused, "shared/notes.pdf", "shared", {}, Shared},
    {"open.pdf", "", "tool", K::Refused, "tool/open.pdf", "tool", {}, R::FileWritableByOthers},
    {"other.pdf", "", "tool", K::Refused, "tool/other.pdf", "tool", {}, R::FileWritableByOthers},
    {"shared/notes.pdf", "", "", K::Document, "shared/notes.pdf", "cwd"}, // named in full
    // A program named in full gets the same checks.
    {"shared/zzonly", "", "", K::Refused, "shared/zzonly", "cwd", {}, Shared},
    // URLs, nothing, and bare names on the search path.
    {"https://example.org/a", "x", "", K::Url, "https://example.org/a", "cwd"},
    {"mailto:a@example.org", "", "tool", K::Url, "mailto:a@example.org", "tool"},
    {"", "", "", K::Missing, "", "cwd"},
    {"env", "A=1 \"B=2 3\"", "tool", K::Program, "=env", "tool", {"A=1", "B=2 3"}},
};

TEST_F(ShellTest, ClassifiesWhatTheDesktopWouldOpenKnowingProgramsByTheirContent) {
    for (const TFile& file : Files)
        Make(file);
    qputenv("PATH", ".::" + path); // "." and "" both mean the current folder
    for (const auto& c : Cases) {
        SCOPED_TRACE((c.path + " | " + c.params + " | " + c.dir).toStdString());
        const ShellTarget got = ClassifyShellPath(
            At(c.path), c.params, c.dir == "tool" || c.dir == "shared" ? At(c.dir) + '/' : c.dir);
        const QString want = At(c.resolved);
        const QString resolved =
            want.startsWith('=') ? '=' + QFileInfo(got.resolved).fileName() : got.resolved;
        EXPECT_EQ(std::tuple(got.kind, resolved, QDir(got.workDir), got.args, got.refusal),
                  std::tuple(c.kind, want, QDir(At(c.workDir)), c.args, c.refusal));
        EXPECT_NE(got.resolved, At("shared/ls"));
    }
    // The folder that really holds the file counts, wherever a link leads.
    ASSERT_TRUE(QFile::link(At("shared/notes.pdf"), At("tool/link.pdf")));
    EXPECT_EQ(ClassifyShellPath("link.pdf", "", At("tool")).refusal, Shared);
    ASSERT_TRUE(QFile::setPermissions(At("tool/sub"), QFile::Permissions(0x7777)));
    EXPECT_EQ(ClassifyShellPath("sub/x.pdf", "", At("tool")).refusal, Shared);
    // An ELF file is a program too, and nothing that is not a file is one.
    ASSERT_TRUE(QFile::copy("/bin/true", At("tool/true")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(At("tool/pipe")).constData(), 0600), 0);
    std::vector<bool> programs; // and a pipe does not wait for a writer
    for (const char* file : {"tool/true", "tool", "tool/no-such-file", "tool/pipe"})
        programs.push_back(IsProgramFile(At(file)));
    EXPECT_EQ(programs, (std::vector<bool>{true, false, false, false}));
}

// A file of another user, even in the user's own folder, is not used.
TEST_F(ShellTest, AnotherUsersFileIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a file to another user";
    for (const TFile& file : {TFile{"tool/theirs.pdf", Pdf, Private},
                              {"tool/theirs.sh", Script, Runnable},
                              {"tool/Tools.rel", "", Private},
                              {"tool/mine.rel", "", Private},
                              {"shared/mine.pdf", Pdf, Private}})
        Make(file);
    ASSERT_TRUE(QFile::setPermissions(At("shared"), QFile::Permissions(0x7755)));
    for (const char* name : {"tool/theirs.pdf", "tool/theirs.sh", "tool/Tools.rel", "shared"})
        ASSERT_EQ(::chown(QFile::encodeName(At(name)).constData(), 65534, 65534), 0);
    // Their document, their program named in full, and a file in their folder.
    const std::pair<ShellTarget, R> cases[] = {
        {ClassifyShellPath("theirs.pdf", "", At("tool")), R::FileForeignOwner},
        {ClassifyShellPath(At("tool/theirs.sh")), R::FileForeignOwner},
        {ClassifyShellPath("mine.pdf", "", At("shared")), R::FolderForeignOwner}};
    for (const auto& [target, refusal] : cases)
        EXPECT_EQ(std::tuple(target.kind, target.refusal), std::tuple(K::Refused, refusal))
            << target.resolved.toStdString();
    // Their tool list, which asks first, naming them.
    QString owner;
    EXPECT_EQ(ToolListRefusal(At("tool/Tools.rel"), &owner), R::FileForeignOwner);
    EXPECT_EQ(owner, "nobody");
    EXPECT_EQ(ToolListRefusal(At("tool/mine.rel")), R::None);
}

// Double quotes group, single quotes are ordinary, as the help's own example says.
TEST(ShellSplitParams, FollowsTheWindowsCommandLineAsTheHelpSaysAndTheHookSeesIt) {
    const std::pair<const char*, QStringList> cases[] = {{"'c d'", {"'c", "d'"}},
                                                         {"say \"\"\"hi\"\"\"", {"say", "\"hi\""}},
                                                         {"a\\ b", {"a\\", "b"}},
                                                         {"  a   b  ", {"a", "b"}},
                                                         {"", {}}};
    for (const auto& [params, args] : cases)
        EXPECT_EQ(ShellSplitParams(params), args) << params;

    NeedApplication();
    QFile help(QStringLiteral(VEXARIA_SOURCE_DIR "/docs/help/mirvex.html"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const auto text = [](const QString& html) {
        return QTextDocumentFragment::fromHtml(html).toPlainText();
    };
    const QRegularExpressionMatch example =
        QRegularExpression(QStringLiteral("<code class=\"params\">(.*?)</code>(.*?)</(?:p|li)>"),
                           QRegularExpression::DotMatchesEverythingOption)
            .match(QString::fromUtf8(help.readAll()));
    ASSERT_TRUE(example.hasMatch()) << "the help gives an example of parameters";
    QStringList shown;
    for (const auto& arg : QRegularExpression(QStringLiteral("<code class=\"arg\">(.*?)</code>"))
                               .globalMatch(example.captured(2)))
        shown << text(arg.captured(1));
    EXPECT_EQ(ShellSplitParams(text(example.captured(1))), shown);
    EXPECT_GE(shown.size(), 3);
    std::vector<ShellRequest> seen;
    SetShellOpenHook([&seen](const ShellRequest& r) { return seen.push_back(r), true; });
    EXPECT_TRUE(ShellOpen("tool", "-v file", "/work/"));
    SetShellOpenHook({});
    EXPECT_EQ(seen, (std::vector<ShellRequest>{{"tool", "-v file", "/work/"}}));
    EXPECT_FALSE(ShellOpen(QStringLiteral("/nonexistent/folder/file.pdf")));
}

} // namespace
