// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtWidgets>

#include <functional>
#include <vector>

struct Box {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QString button = {}; // the text of its OK button
};

// Reads and closes every error report that opens while it lives.
struct ReportCatcher {
    std::vector<Box> boxes;
    QTimer timer;
    ReportCatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back({b->windowTitle(), b->text(), b->icon(), b->standardButtons(),
                                 b->button(QMessageBox::Ok)->text()});
                b->button(QMessageBox::Ok)->click();
            }
        });
        timer.start(5);
    }
};

// Runs `step` on the next modal window of class T once it is open.
template <typename T> void WhenOpen(std::function<void(T*)> step) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(w);
        }
    });
    timer->start();
}
