// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Whether only the user or root could have made or changed what the path
// names (through links): it belongs to one of them and neither its group nor
// everybody may write to it.
ShellRefusal Ownership(const QString& path, ShellRefusal foreign, ShellRefusal writable) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return foreign;
    }
    if (info.st_uid != ::geteuid() && info.st_uid != 0) {
        return foreign;
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return writable;
    }
    return ShellRefusal::None;
}

// Whether a file found in folder may be used: the file itself, the folder it
// was looked for in and, where a link or a subfolder leads elsewhere, the
// folder that really holds it.
ShellRefusal Trust(const QFileInfo& file, const QString& folder) {
    ShellRefusal refusal = Ownership(file.absoluteFilePath(), ShellRefusal::FileForeignOwner,
                                     ShellRefusal::FileWritableByOthers);
    QStringList folders = {folder};
    const QString real = file.canonicalFilePath();
    if (!real.isEmpty()) {
        folders << QFileInfo(real).absolutePath();
    }
    for (const QString& f : std::as_const(folders)) {
        if (refusal == ShellRefusal::None) {
            refusal = Ownership(f, ShellRefusal::FolderForeignOwner,
                                ShellRefusal::FolderWritableByOthers);
        }
    }
    return refusal;
}

bool IsProgram(const QFileInfo& file) {
    return file.isFile() && file.isExecutable() && IsProgramFile(file.absoluteFilePath());
}

// The search path's folders; a relative entry ("." or an empty one, which a
// shell takes for the current folder) is left out.
QStringList SearchFolders() {
    QStringList folders;
    const QStringList entries = qEnvironmentVariable("PATH").split(QDir::listSeparator());
    for (const QString& entry : entries) {
        if (QDir::isAbsolutePath(entry)) {
            folders << QDir::cleanPath(entry);
        }
    }
    return folders;
}

ShellTarget Opened(const QFileInfo& file, const QString& params, const QString& workDir) {
    if (IsProgram(file)) {
        return {ShellTargetKind::Program, file.absoluteFilePath(), ShellSplitParams(params),
                workDir};
    }
    return {ShellTargetKind::Document, file.absoluteFilePath(), {}, workDir};
}

} // namespace

QStringList ShellSplitParams(const QString& params) {
    return QProcess::splitCommand(params);
}

bool IsProgramFile(const QString& path) {
    // Without waiting: the name may be a pipe.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    char head[4] = {};
    ssize_t got = 0;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        got = ::read(fd, head, sizeof head);
    }
    ::close(fd);
    const bool elf =
        got == 4 && head[0] == '\x7F' && head[1] == 'E' && head[2] == 'L' && head[3] == 'F';
    const bool script = got >= 2 && head[0] == '#' && head[1] == '!';
    return elf || script;
}

ShellTarget ClassifyShellPath(const QString& path, const QString& params, const QString& dir) {
    const QString toolFolder = ExistingFolder(dir);
    const QString workDir = toolFolder.isEmpty() ? QDir::currentPath() : toolFolder;
    if (path.isEmpty()) {
        return {ShellTargetKind::Missing, QString(), {}, workDir};
    }
    if (QDir::isAbsolutePath(path)) {
        const QFileInfo file(path);
        if (file.exists()) {
            const ShellRefusal refusal =
                IsProgram(file) ? Trust(file, file.absolutePath()) : ShellRefusal::None;
            if (refusal != ShellRefusal::None) {
                return {ShellTargetKind::Refused, file.absoluteFilePath(), {}, workDir, refusal};
            }
            return Opened(file, params, workDir);
        }
        return {ShellTargetKind::Missing, file.absoluteFilePath(), {}, workDir};
    }
    // One folder only, and never a program from a folder the tool did not
    // name: the current folder is wherever the program happened to start.
    const QString folder = toolFolder.isEmpty() ? QDir::currentPath() : toolFolder;
    const QFileInfo file(QDir(folder), path);
    ShellRefusal refusal = ShellRefusal::None;
    if (file.exists()) {
        refusal = toolFolder.isEmpty() && IsProgram(file) ? ShellRefusal::ProgramInWorkFolder
                                                          : Trust(file, folder);
        if (refusal == ShellRefusal::None) {
            return Opened(file, params, workDir);
        }
    }
    if (HasScheme(path)) {
        return {ShellTargetKind::Url, path, {}, workDir};
    }
    // A bare name such as "gimp" starts the program of that name, as a
    // command would.
    if (!path.contains(QLatin1Char('/'))) {
        const QString exe = QStandardPaths::findExecutable(path, SearchFolders());
        if (!exe.isEmpty()) {
            return {ShellTargetKind::Program, exe, ShellSplitParams(params), workDir};
        }
    }
    if (refusal != ShellRefusal::None) {
        return {ShellTargetKind::Refused, file.absoluteFilePath(), {}, workDir, refusal};
    }
    return {ShellTargetKind::Missing, file.absoluteFilePath(), {}, workDir};
}

ShellRefusal ToolListRefusal(const QString& listFile, QString* owner) {
    const QFileInfo file(QDir::current(), listFile);
    struct stat info {};
    if (owner != nullptr &&
        ::stat(QFile::encodeName(file.absoluteFilePath()).constData(), &info) == 0) {
        const passwd* user = ::getpwuid(info.st_uid);
        *owner = user != nullptr ? QFile::decodeName(user->pw_name) : QString::number(info.st_uid);
    }
    return Trust(file, file.absolutePath());
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
    case ShellTargetKind::Refused:
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
