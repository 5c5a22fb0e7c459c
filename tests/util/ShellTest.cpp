// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Only the decision is tested here; nothing is opened.
TEST(ShellOpen, ClassifiesWhatTheDesktopWouldOpen) {
    QTemporaryDir cwd, tool;
    ASSERT_TRUE(cwd.isValid() && tool.isValid() && QDir::setCurrent(cwd.path()));
    const auto C = [&cwd](const char* name) { return cwd.filePath(name); };
    const auto T = [&tool](const char* name) { return tool.filePath(name); };
    for (const QString& file :
         {C("both.pdf"), T("both.pdf"), C("here.pdf"), C("sh"), T("run.sh")}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.setPermissions(QFile::ReadOwner |
                         (file.endsWith(".sh") ? QFile::ExeOwner : QFile::ReadOwner));
    }
    const QString c = cwd.path(), t = tool.path(), toolDir = t + '/';
    using K = ShellTargetKind;
    const auto check = [](QString path, QString params, QString dir, K kind, QString resolved,
                          QString workDir, QStringList args = {}) {
        const ShellTarget got = ClassifyShellPath(path, params, dir);
        EXPECT_EQ(std::tuple(got.kind, got.resolved, got.args, QDir(got.workDir)),
                  std::tuple(kind, resolved, args, QDir(workDir)))
            << (path + " | " + dir).toStdString();
    };
    check("both.pdf", "", "", K::Document, C("both.pdf"), c);
    check("both.pdf", "", toolDir, K::Document, T("both.pdf"), t); // the tool's folder first
    check("here.pdf", "", toolDir, K::Document, C("here.pdf"), t); // then the current one
    check("both.pdf", "", "/no/such/folder", K::Document, C("both.pdf"), c);
    check(C("here.pdf"), "", "", K::Document, C("here.pdf"), c);
    check(c, "", "", K::Document, c, c);
    check("run.sh", "-a \"b c\" 'd e'", toolDir, K::Program, T("run.sh"), t,
          {"-a", "b c", "'d", "e'"});
    check("run.sh", "", "", K::Missing, C("run.sh"), c);
    check("sh", "-c true", "", K::Document, C("sh"), c); // a document hides the program
    check("https://example.org/a", "x", "", K::Url, "https://example.org/a", c);
    check("", "", "", K::Missing, "", c);
    // A bare name found nowhere else is a program on the search path.
    const ShellTarget env = ClassifyShellPath("env", "A=1", toolDir);
    EXPECT_EQ(std::tuple(env.kind, env.args), std::tuple(K::Program, QStringList{"A=1"}));
    EXPECT_TRUE(env.resolved.endsWith("/env")) << env.resolved.toStdString();
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
}

TEST(ShellOpen, HookSeesTheRequestAsGiven) {
    std::vector<ShellRequest> seen;
    SetShellOpenHook([&seen](const ShellRequest& r) { return seen.push_back(r), true; });
    EXPECT_TRUE(ShellOpen("tool", "-v file", "/work/"));
    SetShellOpenHook({});
    EXPECT_EQ(seen, (std::vector<ShellRequest>{{"tool", "-v file", "/work/"}}));
    // Without the hook, nothing is handed over for a path that leads nowhere.
    EXPECT_FALSE(ShellOpen(QStringLiteral("/nonexistent/folder/file.pdf")));
}
