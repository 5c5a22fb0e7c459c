// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The running program's own file: its name and the year it was last written,
// as the about box shows them.

struct TProgramNameYear {
    QString Name; // file name without its folder, extension included
    QString Year; // FileYear of the full path
};

// The part of a path after its last "/" (the whole path if it has none).
QString FileNameOf(const QString& path);

// The text of a file name before its first ".". Program files here carry no
// extension, so a name without any "." is its own base name: "mirvex" stays
// "mirvex" rather than becoming empty.
QString BaseNameOf(const QString& name);

// The year of the file's last write in local time, as decimal digits. Only
// an existing file counts: for a directory, a missing path or one that
// cannot be examined the result is empty, so the credits show no year
// rather than a made-up one.
QString FileYear(const QString& path);

// Name and year of the program file at programPath.
TProgramNameYear ProgramNameAndYear(const QString& programPath);

// Name and year of the running program's file. Needs the application object.
TProgramNameYear ProgramNameAndYear();
