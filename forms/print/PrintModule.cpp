// SPDX-License-Identifier: GPL-3.0-or-later
// The print module: the print dialog and the printer, the only users of Qt
// Print Support. What goes on the page is drawn by the program.
#include "forms/print/PrintInterface.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

VexariaPrintResult PrintWithDialog(QWidget* parent, const VexariaPrintPage* page) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("DlgImprimir"));
    if (dialog.exec() != QDialog::Accepted) {
        return VexariaPrintCancelled;
    }
    QPainter p;
    if (!p.begin(&printer)) {
        return VexariaPrintNotStarted;
    }
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    page->paint(page->context, &p, &area);
    p.end();
    return VexariaPrinted;
}

const VexariaPrintInterface Interface = {VexariaPrintInterfaceVersion, &PrintWithDialog};

} // namespace

extern "C" Q_DECL_EXPORT const VexariaPrintInterface* vexaria_print_interface() {
    return &Interface;
}
