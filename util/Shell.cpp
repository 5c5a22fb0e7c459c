// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace {

ShellOpenHook& Hook() {
    static ShellOpenHook hook;
    return hook;
}

bool HasScheme(const QString& path) {
    // A one-letter "scheme" would be a Windows drive ("C:\\..."), not a URL.
    const QUrl url(path, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1;
}

// The tool's own folder, when it names one; relative to the current folder.
QString ExistingFolder(const QString& dir) {
    if (dir.isEmpty()) {
        return {};
    }
    const QFileInfo info(QDir::current(), dir);
    return info.isDir() ? info.absoluteFilePath() : QString();
}

} // namespace

ShellTarget ClassifyShellPath(const QString& path, const QString& params, const QString& dir) {
    const QString toolFolder = ExistingFolder(dir);
    const QString workDir = toolFolder.isEmpty() ? QDir::currentPath() : toolFolder;
    if (path.isEmpty()) {
        return {ShellTargetKind::Missing, QString(), {}, workDir};
    }
    // The editor's file button stores a bare name and its folder apart, so
    // the tool's folder is where such a name is meant to be found, whatever
    // the current folder is by the time the tool is opened.
    QStringList places;
    if (!toolFolder.isEmpty() && QFileInfo(path).isRelative()) {
        places << toolFolder;
    }
    places << QDir::currentPath();
    for (const QString& place : std::as_const(places)) {
        const QFileInfo info(QDir(place), path);
        if (!info.exists()) {
            continue;
        }
        const QString abs = info.absoluteFilePath();
        if (info.isFile() && info.isExecutable()) {
            return {ShellTargetKind::Program, abs, QProcess::splitCommand(params), workDir};
        }
        return {ShellTargetKind::Document, abs, {}, workDir};
    }
    if (HasScheme(path)) {
        return {ShellTargetKind::Url, path, {}, workDir};
    }
    // A bare name such as "gimp" starts the program of that name, as a
    // command would.
    if (!path.contains(QLatin1Char('/'))) {
        const QString exe = QStandardPaths::findExecutable(path);
        if (!exe.isEmpty()) {
            return {ShellTargetKind::Program, exe, QProcess::splitCommand(params), workDir};
        }
    }
    return {ShellTargetKind::Missing,
            QFileInfo(QDir(places.front()), path).absoluteFilePath(),
            {},
            workDir};
}

bool ShellOpen(const QString& path, const QString& params, const QString& dir) {
    if (Hook()) {
        return Hook()(ShellRequest{path, params, dir});
    }
    const ShellTarget target = ClassifyShellPath(path, params, dir);
    switch (target.kind) {
    case ShellTargetKind::Url:
        return QDesktopServices::openUrl(QUrl(target.resolved));
    case ShellTargetKind::Document:
        return QDesktopServices::openUrl(QUrl::fromLocalFile(target.resolved));
    case ShellTargetKind::Program:
        return QProcess::startDetached(target.resolved, target.args, target.workDir);
    case ShellTargetKind::Missing:
        break;
    }
    return false;
}

void SetShellOpenHook(ShellOpenHook hook) {
    Hook() = std::move(hook);
}

SplitPathResult SplitPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        return {QString(), path};
    }
    return {path.left(slash + 1), path.mid(slash + 1)};
}
