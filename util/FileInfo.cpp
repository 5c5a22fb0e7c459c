// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/FileInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString BaseNameOf(const QString& name) {
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString FileYear(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    const QDateTime written = info.lastModified();
    if (!written.isValid())
        return {};
    return QString::number(written.toLocalTime().date().year());
}

TProgramNameYear ProgramNameAndYear(const QString& programPath) {
    return {FileNameOf(programPath), FileYear(programPath)};
}

TProgramNameYear ProgramNameAndYear() {
    return ProgramNameAndYear(QCoreApplication::applicationFilePath());
}
