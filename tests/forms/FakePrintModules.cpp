// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the print module, built under its file name in folders of
// their own: one of another interface version, which must never be called
// into, and a library that is no print module at all.
#include "forms/print/PrintInterface.h"

#include <cstdlib>

#define VEXARIA_EXPORT extern "C" __attribute__((visibility("default")))

#ifdef VEXARIA_STALE_PRINT_MODULE
namespace {
VexariaPrintResult Abort(QWidget*, const VexariaPrintPage*) {
    std::abort();
}
// An older build's structure: its version, then whatever it held.
const VexariaPrintInterface Interface = {VexariaPrintInterfaceVersion - 1, &Abort};
} // namespace

VEXARIA_EXPORT const VexariaPrintInterface* vexaria_print_interface() {
    return &Interface;
}
#else
VEXARIA_EXPORT int vexaria_something_else() {
    return 0;
}
#endif
