#include "Shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

// Only the decision is tested here; nothing is opened.
TEST(ShellOpen, ClassifiesWhatTheDesktopWouldOpen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    QFile doc(dir.filePath(QStringLiteral("mirvex.pdf")));
    ASSERT_TRUE(doc.open(QIODevice::WriteOnly));
    doc.close();
    QFile prog(dir.filePath(QStringLiteral("tool.sh")));
    ASSERT_TRUE(prog.open(QIODevice::WriteOnly));
    prog.write("#!/bin/sh\n");
    prog.close();
    prog.setPermissions(prog.permissions() | QFile::ExeOwner);

    const struct {
        QString path;
        ShellTargetKind kind;
        QString resolved;
    } rows[] = {
        {QStringLiteral("mirvex.pdf"), ShellTargetKind::Document, dir.filePath("mirvex.pdf")},
        {dir.filePath("mirvex.pdf"), ShellTargetKind::Document, dir.filePath("mirvex.pdf")},
        {QStringLiteral("tool.sh"), ShellTargetKind::Program, dir.filePath("tool.sh")},
        {dir.path(), ShellTargetKind::Document, dir.path()},
        {QStringLiteral("https://example.org/a"), ShellTargetKind::Url,
         QStringLiteral("https://example.org/a")},
        {QStringLiteral("missing.pdf"), ShellTargetKind::Missing, dir.filePath("missing.pdf")},
        {QString(), ShellTargetKind::Missing, QString()},
    };
    for (const auto& row : rows) {
        const ShellTarget t = ClassifyShellPath(row.path);
        EXPECT_EQ(t.kind, row.kind) << row.path.toStdString();
        EXPECT_EQ(t.resolved, row.resolved) << row.path.toStdString();
    }
    // A bare program name is looked up on the search path.
    const ShellTarget sh = ClassifyShellPath(QStringLiteral("sh"));
    EXPECT_EQ(sh.kind, ShellTargetKind::Program);
    EXPECT_TRUE(sh.resolved.endsWith(QStringLiteral("/sh"))) << sh.resolved.toStdString();
    QDir::setCurrent(saved);
}

TEST(ShellOpen, ToolFolderComesFirstThenCurrentThenSearchPath) {
    QTemporaryDir cwd, tool;
    ASSERT_TRUE(cwd.isValid() && tool.isValid());
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(cwd.path()));
    const auto make = [](const QString& path, bool program) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        if (program)
            f.setPermissions(f.permissions() | QFile::ExeOwner);
    };
    make(tool.filePath("both.txt"), false);
    make(cwd.filePath("both.txt"), false);
    make(cwd.filePath("here.txt"), false);
    make(tool.filePath("run.sh"), true);
    make(cwd.filePath("sh"), false); // a document that hides the program of that name

    const QString toolDir = tool.path() + '/';
    const struct {
        QString path, params, dir;
        ShellTargetKind kind;
        QString resolved;
        QStringList args;
        QString workDir;
    } rows[] = {
        {"both.txt",
         "",
         toolDir,
         ShellTargetKind::Document,
         tool.filePath("both.txt"),
         {},
         tool.path()},
        {"here.txt",
         "",
         toolDir,
         ShellTargetKind::Document,
         cwd.filePath("here.txt"),
         {},
         tool.path()},
        {"both.txt", "", "", ShellTargetKind::Document, cwd.filePath("both.txt"), {}, cwd.path()},
        {"both.txt",
         "",
         "/no/such/folder",
         ShellTargetKind::Document,
         cwd.filePath("both.txt"),
         {},
         cwd.path()},
        {"run.sh",
         "-a \"two words\" 'x y' z",
         toolDir,
         ShellTargetKind::Program,
         tool.filePath("run.sh"),
         {"-a", "two words", "'x", "y'", "z"},
         tool.path()},
        {tool.filePath("run.sh"),
         "",
         "",
         ShellTargetKind::Program,
         tool.filePath("run.sh"),
         {},
         cwd.path()},
        {"run.sh", "", "", ShellTargetKind::Missing, cwd.filePath("run.sh"), {}, cwd.path()},
        {"sh", "-c true", "", ShellTargetKind::Document, cwd.filePath("sh"), {}, cwd.path()},
    };
    for (const auto& row : rows) {
        const ShellTarget t = ClassifyShellPath(row.path, row.params, row.dir);
        const std::string what = (row.path + " | " + row.dir).toStdString();
        EXPECT_EQ(t.kind, row.kind) << what;
        EXPECT_EQ(t.resolved, row.resolved) << what;
        EXPECT_EQ(t.args, row.args) << what;
        EXPECT_EQ(QDir(t.workDir), QDir(row.workDir)) << what;
    }
    // Found nowhere else, a bare name is a program on the search path,
    // still started in the tool's folder.
    const ShellTarget env = ClassifyShellPath("env", "A=1", toolDir);
    EXPECT_EQ(env.kind, ShellTargetKind::Program);
    EXPECT_TRUE(env.resolved.endsWith("/env")) << env.resolved.toStdString();
    EXPECT_EQ(env.args, QStringList{"A=1"});
    EXPECT_EQ(QDir(env.workDir), QDir(tool.path()));
    QDir::setCurrent(saved);
}

TEST(ShellOpen, HookSeesTheWholeRequestInstead) {
    std::vector<ShellRequest> seen;
    SetShellOpenHook([&seen](const ShellRequest& request) {
        seen.push_back(request);
        return true;
    });
    EXPECT_TRUE(ShellOpen(QStringLiteral("https://example.org/")));
    EXPECT_TRUE(ShellOpen("tool", "-v file", "/work/"));
    SetShellOpenHook({});
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (ShellRequest{"https://example.org/", "", ""}));
    EXPECT_EQ(seen[1], (ShellRequest{"tool", "-v file", "/work/"}));
    // Without the hook, a path that leads nowhere is not handed over.
    EXPECT_FALSE(ShellOpen(QStringLiteral("/nonexistent/folder/file.pdf")));
}

TEST(SplitPath, SplitsAfterTheLastSlash) {
    const QString longName(300, 'n');
    const struct {
        QString path, folder, name;
    } rows[] = {
        {"/home/ana/b.txt", "/home/ana/", "b.txt"},
        {"/b.txt", "/", "b.txt"},
        {"b.txt", "", "b.txt"},
        {"/home/ana/", "/home/ana/", ""},
        {"", "", ""},
        {"dir\\b.txt", "", "dir\\b.txt"},
        {"/x/" + longName, "/x/", longName},
    };
    for (const auto& row : rows) {
        const SplitPathResult r = SplitPath(row.path);
        EXPECT_EQ(r.folder, row.folder) << row.path.toStdString();
        EXPECT_EQ(r.name, row.name) << row.path.toStdString();
    }
}
