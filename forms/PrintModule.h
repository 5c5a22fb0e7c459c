// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/print/PrintInterface.h"

#include <QString>

// The print module's file as the program looks for it: in the folder of the
// program file (`programFolder`), at the place the build puts it beside the
// program, in the build tree as where it is installed.
QString PrintModuleFile(const QString& programFolder);

// Loads the print module `file` (once per process; later calls find it
// loaded) and returns its interface. A missing, unloadable or foreign file,
// or a module of another interface version, raises a RunError saying, in
// the interface language, that printing is not available and why; such a
// module is not kept loaded.
const VexariaPrintInterface& LoadPrintModule(const QString& file);
