// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's side and the print module's side of printing. Qt Print
// Support is linked only into the module, which the program loads the first
// time the user prints: most sessions never print, and every start would
// otherwise map the library. The interface is C functions and plain
// structures, so that it does not depend on how either side was compiled;
// Qt classes cross it as pointers.

class QPainter;
class QRectF;
class QWidget;

// Raised whenever the structure below or the meaning of a call changes: the
// program refuses a module of another version instead of calling into it.
inline constexpr int VexariaPrintInterfaceVersion = 1;

extern "C" {

// The program's drawing of one printed page: `page` is the printable area
// in the painter's device pixels, from (0, 0). `paint` must not throw: the
// module's frames between the two sides know nothing of the program's errors.
struct VexariaPrintPage {
    void* context;
    void (*paint)(void* context, QPainter* painter, const QRectF* page);
};

enum VexariaPrintResult : int {
    VexariaPrinted = 0,
    VexariaPrintCancelled = 1,
    // The printer could not be opened (an unwritable file, a vanished queue).
    VexariaPrintNotStarted = 2,
};

struct VexariaPrintInterface {
    // First in every version, and read before anything else:
    // VexariaPrintInterfaceVersion of the module's build.
    int version;
    // Asks for a printer with the print dialog over `parent` and, when the
    // user accepts it, prints `page` on it.
    VexariaPrintResult (*printWithDialog)(QWidget* parent, const VexariaPrintPage* page);
};

// The module's one exported symbol.
using VexariaPrintEntry = const VexariaPrintInterface* (*)();
}

inline constexpr const char* VexariaPrintEntryName = "vexaria_print_interface";
