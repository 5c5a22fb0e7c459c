// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/PictureWrite.h"

#include "util/SafeFile.h"

QString WritePicture(const PictureSource& source, const QString& fileName, PictureFormat format,
                     QSize size) {
    QString reason;
    // Refused before the picture is made: a large one takes seconds.
    QByteArray path;
    if (!MayWriteFile(fileName, path, &reason)) {
        return reason;
    }
    // Large pictures a band at a time, in the memory of a band.
    const QByteArray bytes =
        EncodePicture(source, format, size, &reason, [](int, int) { return true; });
    if (bytes.isEmpty() || !WriteRegularFile(fileName, bytes, &reason)) {
        return reason;
    }
    return {};
}
