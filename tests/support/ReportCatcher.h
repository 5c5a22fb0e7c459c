// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtWidgets>

#include <vector>

struct Box {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Reads and closes every error report that opens while it lives.
struct ReportCatcher {
    std::vector<Box> boxes;
    QTimer timer;
    ReportCatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back({b->windowTitle(), b->text(), b->icon(), b->standardButtons()});
                b->button(QMessageBox::Ok)->click();
            }
        });
        timer.start(5);
    }
};
