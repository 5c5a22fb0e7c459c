// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ErrorReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

QString ApplicationTitleFromPath(const QString& programFile) {
    const QString name = QFileInfo(programFile).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? name : name.left(dot);
    if (base.isEmpty()) {
        return base;
    }
    return base.left(1) + base.mid(1).toLower();
}

QString ApplicationTitle() {
    return ApplicationTitleFromPath(QCoreApplication::applicationFilePath());
}

void ShowErrorReport(const QString& message) noexcept {
    try {
        // No parent: the box belongs to the program, not to the window whose
        // handler failed, and application modality disables every window.
        QMessageBox box(QMessageBox::Critical, ApplicationTitle(), message + QLatin1Char('.'),
                        QMessageBox::Ok);
        // The report's one button reads "OK" in every language, as it
        // always has; Qt's translation would make it "Aceptar" or "D'acord".
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    } catch (...) {
        // Out of memory while reporting: nothing better can be done than to
        // go on without the box.
    }
}
