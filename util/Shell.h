// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// How the desktop would open a path.
enum class ShellTargetKind {
    Url,      // has a scheme ("https:", "mailto:"): the desktop's handler
    Document, // an existing file or folder: the desktop's application for it
    Program,  // an executable file, or a program found on the search path
    Missing,  // nothing there: nothing is asked of the desktop
};

struct ShellTarget {
    ShellTargetKind kind;
    QString resolved; // the URL, or the absolute path of the file or program
    QStringList args; // for a program: its parameters, split as a shell would
    QString workDir;  // for a program: the absolute folder it starts in
};

// Decides how a path is opened, with parameters and a working folder as a
// tool records them. A relative path is looked for in dir first (when dir
// names an existing folder; a relative dir is taken from the current
// directory), then in the current directory, and a bare name that is found in
// neither is looked up as a program on the search path. A program starts in
// dir, or in the current directory when dir is empty or no folder. Looks at
// the file system only.
ShellTarget ClassifyShellPath(const QString& path, const QString& params = {},
                              const QString& dir = {});

// Asks the desktop to open a document or URL, or starts a program with the
// parameters in the working folder, as ClassifyShellPath decides. Documents
// and URLs are handed to the desktop, which takes no parameters or folder
// for them. Returns whether the request was handed over; callers are free to
// ignore it.
bool ShellOpen(const QString& path, const QString& params = {}, const QString& dir = {});

// What ShellOpen was asked, exactly as given.
struct ShellRequest {
    QString path;
    QString params;
    QString dir;
    bool operator==(const ShellRequest&) const = default;
};

// Lets tests see the requests instead of opening anything: while a hook is
// set, ShellOpen passes the request to it and returns its answer.
using ShellOpenHook = std::function<bool(const ShellRequest& request)>;
void SetShellOpenHook(ShellOpenHook hook);

// A full path split after its last "/": the folder keeps that "/", the name
// is what follows it. A path without "/" is all name. No length is cut here;
// the fields that receive the parts store what they can.
struct SplitPathResult {
    QString folder;
    QString name;
};
SplitPathResult SplitPath(const QString& path);
