// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/WorksheetWrite.h"

#include "util/SafeFile.h"

QString WriteWorksheet(const WorksheetRequest& request, const QString& fileName) {
    QString reason;
    QByteArray path;
    if (!MayWriteFile(fileName, path, &reason)) {
        return reason;
    }
    const QByteArray bytes = WorksheetPdf(request, &reason);
    if (bytes.isEmpty() || !WriteRegularFile(fileName, bytes, &reason)) {
        return reason;
    }
    return {};
}
