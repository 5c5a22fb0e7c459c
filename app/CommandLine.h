// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"
#include "diagram/Worksheet.h"
#include "optics/Optics.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The program's own command line: the diagram written to a file for a
// mirror and an object position, without a window. With none of these
// options the program starts its windows as always, and Qt's own options
// (-platform and the like) go to Qt.

// Whether the arguments (the program's name left out) ask for the command
// line rather than the windows: any option but Qt's own and --lang.
bool IsCommandLineRun(const QStringList& arguments);

struct TCommandLine {
    enum class Action { Export, Help, Version, Worksheet };
    Action action = Action::Export;
    QString file; // as given
    TMirrorKind mirror = 0;
    std::int32_t object = 0; // the distance in front of the mirror, as typed in the field
    std::optional<QSize> size;
    // The classroom view unless --style original.
    bool classroom = true;
    // A worksheet (--worksheet FILE.pdf): its exercises, level and key; no
    // --seed leaves the seed to the clock.
    WorksheetRequest worksheet;
    std::optional<std::uint32_t> seed;
    // The language --lang asks for, the last one given.
    std::optional<TLanguage> language;
    // Empty, or the one-line reason the arguments are refused.
    QString error;
};

// The lines --help adds to the table's for the options it does not list.
QString MoreHelp();

// Reads the arguments (the program's name left out). A --lang that names no
// language is refused first; then --help and --version win over everything
// else; an export needs --export, --mirror and --object, a worksheet
// --worksheet and a name ending in .pdf, and the two do not mix. Values go as
// "--option value" or "--option=value", and --lang anywhere.
TCommandLine ParseCommandLine(const QStringList& arguments);

// Where a relative FILE is taken from: the folder the launcher says the
// command was run in (VEXARIA_CALLER_DIR), else the current folder. Empty
// when the launcher says that folder is gone.
QString ResolveExportFile(const QString& file);

// Runs a command line that IsCommandLineRun accepted: writes the help, the
// version, the picture or the worksheet, and returns the exit code (0, or 2 for refused
// arguments and files that cannot be written, 1 when the diagram cannot be
// drawn). Messages go to standard error, one line each.
int RunCommandLine(int argc, char** argv);
