#include "Shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST(ShellOpen, HookSeesTheRequestInstead) {
    QString seen;
    SetShellOpenHook([&seen](const QString& path) {
        seen = path;
        return true;
    });
    EXPECT_TRUE(ShellOpen(QStringLiteral("https://example.org/")));
    EXPECT_EQ(seen, QStringLiteral("https://example.org/"));
    SetShellOpenHook({});
    // Without the hook, a path that leads nowhere is not handed over.
    EXPECT_FALSE(ShellOpen(QStringLiteral("/nonexistent/folder/file.pdf")));
}
