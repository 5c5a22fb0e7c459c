// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the print module, built under its file name in folders of
// their own: one of another interface version, which must never be called
// into, and a library that is no print module at all.
#include "forms/print/PrintInterface.h"

#include <QObject>

#include <cstdlib>

#ifdef VEXARIA_STALE_PRINT_MODULE
// An older build: its metadata says so.
class StalePrintModule : public QObject, public VexariaPrintInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VexariaPrintInterface_iid FILE "stale_print.json")
    Q_INTERFACES(VexariaPrintInterface)
public:
    VexariaPrintResult printWithDialog(QWidget*, const VexariaPrintPage*) const override {
        std::abort();
    }
};
#include "FakePrintModules.moc"
#else
extern "C" __attribute__((visibility("default"))) int vexaria_something_else() {
    return 0;
}
#endif
