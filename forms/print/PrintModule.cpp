// SPDX-License-Identifier: GPL-3.0-or-later
// The print module: the print dialog and the printer, the only users of Qt
// Print Support. What goes on the page is drawn by the program.
#include "forms/print/PrintInterface.h"

#include <QBuffer>
#include <QObject>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

class VexariaPrintModule : public QObject, public VexariaPrintInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VexariaPrintInterface_iid FILE "print.json")
    Q_INTERFACES(VexariaPrintInterface)
public:
    VexariaPrintResult printWithDialog(QWidget* parent,
                                       const VexariaPrintPage* page) const override {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("DlgImprimir"));
        if (dialog.exec() != QDialog::Accepted) {
            return VexariaPrintCancelled;
        }
        QPainter p;
        const QString file = printer.outputFileName();
        if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty() && page->writeFile) {
            // Made in memory and written by the program, so that a full disk
            // is found and an old file of that name is kept.
            QBuffer bytes;
            bytes.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&bytes);
            pdf.setPageLayout(printer.pageLayout());
            pdf.setResolution(printer.resolution());
            pdf.setCreator(printer.creator());
            pdf.setTitle(printer.docName());
            if (!p.begin(&pdf)) {
                return VexariaPrintNotStarted;
            }
            const QRectF area(QPointF(0, 0),
                              pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
            page->paint(page->context, &p, &area);
            p.end();
            return page->writeFile(page->context, file, bytes.data()) ? VexariaPrinted
                                                                      : VexariaPrintNotStarted;
        }
        if (!p.begin(&printer)) {
            return VexariaPrintNotStarted;
        }
        const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
        page->paint(page->context, &p, &area);
        p.end();
        return VexariaPrinted;
    }
};

#include "PrintModule.moc"
