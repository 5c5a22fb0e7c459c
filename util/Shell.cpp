#include "Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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

} // namespace

ShellTarget ClassifyShellPath(const QString& path) {
    if (path.isEmpty()) {
        return {ShellTargetKind::Missing, QString()};
    }
    const QFileInfo info(QDir::current(), path);
    if (info.exists()) {
        const QString abs = info.absoluteFilePath();
        if (info.isFile() && info.isExecutable()) {
            return {ShellTargetKind::Program, abs};
        }
        return {ShellTargetKind::Document, abs};
    }
    if (HasScheme(path)) {
        return {ShellTargetKind::Url, path};
    }
    // A bare name such as "gimp" starts the program of that name, as a
    // command would.
    if (!path.contains(QLatin1Char('/'))) {
        const QString exe = QStandardPaths::findExecutable(path);
        if (!exe.isEmpty()) {
            return {ShellTargetKind::Program, exe};
        }
    }
    return {ShellTargetKind::Missing, info.absoluteFilePath()};
}

bool ShellOpen(const QString& path) {
    if (Hook()) {
        return Hook()(path);
    }
    const ShellTarget target = ClassifyShellPath(path);
    switch (target.kind) {
    case ShellTargetKind::Url:
        return QDesktopServices::openUrl(QUrl(target.resolved));
    case ShellTargetKind::Document:
        return QDesktopServices::openUrl(QUrl::fromLocalFile(target.resolved));
    case ShellTargetKind::Program:
        return QProcess::startDetached(target.resolved, {}, QDir::currentPath());
    case ShellTargetKind::Missing:
        break;
    }
    return false;
}

void SetShellOpenHook(ShellOpenHook hook) {
    Hook() = std::move(hook);
}
