// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// How the desktop would open a path.
enum class ShellTargetKind {
    Url,      // has a scheme ("https:", "mailto:"): the desktop's handler
    Document, // an existing file or folder: the desktop's application for it
    Program,  // an executable by its content, or a program found on the search path
    Missing,  // nothing there: nothing is asked of the desktop
    Refused,  // found only where another user could have put it: not opened
};

// Why a file found for a relative path was not used.
enum class ShellRefusal {
    None,
    FileForeignOwner,       // the file belongs to neither the user nor root
    FileWritableByOthers,   // its group or everybody may change it
    FolderForeignOwner,     // its folder belongs to neither the user nor root
    FolderWritableByOthers, // its group or everybody may add or replace files there
    ProgramInWorkFolder,    // a program, and the tool gives no folder of its own
};

struct ShellTarget {
    ShellTargetKind kind;
    QString resolved; // the URL, or the absolute path of the file or program
    QStringList args; // for a program: its parameters, split by ShellSplitParams
    QString workDir;  // for a program: the absolute folder it starts in
    ShellRefusal refusal = ShellRefusal::None; // why, for Refused
};

// A tool's parameters as the program receives them, by the rule of the
// Windows command line (QProcess::splitCommand): words are separated by
// blanks, double quotes group words into one parameter and are removed, and
// three double quotes in a row stand for one literal double quote. Single
// quotes and backslashes are ordinary characters: 'c d' gives the two
// parameters 'c and d'.
QStringList ShellSplitParams(const QString& params);

// Whether the file at path is a program by its content: an ELF executable,
// or a script that starts with "#!". Anything else is a document, whatever
// its execute bits say, as files on USB sticks and network shares often have
// them all set. Reads at most the first four bytes of a regular file.
bool IsProgramFile(const QString& path);

// Decides how a path is opened, with parameters and a working folder as a
// tool records them. Looks at the file system only.
//
// An absolute path is used as it is, but a program only where neither it
// nor its folder could have been put there or changed by another user (the
// rule below). A relative path is looked for in one
// folder only: the tool's own folder (dir, when it names an existing folder;
// a relative dir is taken from the current directory), or, for a tool
// without one, the working folder, where only documents are looked for (the
// help, the user's notes) and never a program. What is found there is used
// only if neither it nor its folder could have been put there or changed by
// another user: each belongs to the user or to root and neither is writable
// by its group or by everybody. That keeps tools chosen with the editor's
// "···" button, which stores a bare name and its folder, working, and keeps
// out files planted in shared folders. A bare name (no "/") not used from
// there is then looked up as a program on the search path; if it is found
// nowhere else, a file that was passed over makes the result Refused, with
// the reason. The current folder is never searched in any other way.
//
// A file is a Program if it may be executed and IsProgramFile says so, and
// a Document otherwise. A program starts in dir, or in the current
// directory when dir is empty or no folder.
ShellTarget ClassifyShellPath(const QString& path, const QString& params = {},
                              const QString& dir = {});

// Whether the tools of a list file may be started without asking: the file
// (through its links) and the folders holding it belong to the user or to
// root, and neither may be written by its group or by everybody. Otherwise
// the reason, and in owner the name of the file's owner (its number when
// the system has no name for it).
ShellRefusal ToolListRefusal(const QString& listFile, QString* owner = nullptr);

// Asks the desktop to open a document or URL, or starts a program with the
// parameters in the working folder, as ClassifyShellPath decides. Documents
// and URLs are handed to the desktop, which takes no parameters or folder
// for them; what is Missing or Refused is not opened. Returns whether the
// request was handed over; callers are free to ignore it.
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
