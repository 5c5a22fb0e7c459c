// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>

// The program's side and the print module's side of printing. Qt Print
// Support is linked only into the module, a Qt plugin the program loads
// the first time the user prints: most sessions never print, and every
// start would otherwise map the library.

class QByteArray;
class QPainter;
class QRectF;
class QString;
class QWidget;

// Raised whenever the interface or the meaning of a call changes: the
// program refuses a module of another version instead of calling into it.
// The module's metadata carries it (print.json), so it is read before
// anything of the module runs.
inline constexpr int VexariaPrintInterfaceVersion = 2;

// The program's drawing of one printed page: `page` is the printable area
// in the painter's device pixels, from (0, 0). `paint` must not throw: the
// module's frames between the two sides know nothing of the program's
// errors. A printer that writes a file gets its bytes made in memory and
// written by `writeFile`, the program's own safe write, which says whether
// every byte reached the disk.
struct VexariaPrintPage {
    void* context;
    void (*paint)(void* context, QPainter* painter, const QRectF* page);
    bool (*writeFile)(void* context, const QString& file, const QByteArray& bytes) = nullptr;
};

enum VexariaPrintResult : int {
    VexariaPrinted = 0,
    VexariaPrintCancelled = 1,
    // The printer could not be opened, or its file not written.
    VexariaPrintNotStarted = 2,
};

class VexariaPrintInterface {
public:
    virtual ~VexariaPrintInterface() = default;
    // Asks for a printer with the print dialog over `parent` and, when the
    // user accepts it, prints `page` on it.
    virtual VexariaPrintResult printWithDialog(QWidget* parent,
                                               const VexariaPrintPage* page) const = 0;
    // The module's build of the interface, as its metadata says.
    int version = VexariaPrintInterfaceVersion;
};

#define VexariaPrintInterface_iid "org.example.vexaria.PrintInterface"
Q_DECLARE_INTERFACE(VexariaPrintInterface, VexariaPrintInterface_iid)
