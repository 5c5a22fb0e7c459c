#pragma once

#include <QString>

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
};

// Decides how a path is opened; relative paths are taken from the current
// directory. Looks at the file system only.
ShellTarget ClassifyShellPath(const QString& path);

// Asks the desktop to open a document or start a program, with no arguments
// and the current directory. Returns whether the request was handed over;
// callers are free to ignore it.
bool ShellOpen(const QString& path);

// Lets tests see the requests instead of opening anything: while a hook is
// set, ShellOpen passes the path to it and returns its answer.
using ShellOpenHook = std::function<bool(const QString& path)>;
void SetShellOpenHook(ShellOpenHook hook);
