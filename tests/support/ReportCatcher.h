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
    QString name = {};   // its objectName
};

// Reads every message box opened while it lives and presses its standard button (OK unless
// given), or the button of the name given, rejecting a box without one.
struct ReportCatcher {
    std::vector<Box> boxes;
    QTimer timer;
    explicit ReportCatcher(const QString& answer = {},
                           QMessageBox::StandardButton standard = QMessageBox::Ok) {
        QObject::connect(&timer, &QTimer::timeout, [this, answer, standard] {
            auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!b)
                return;
            QAbstractButton* ok = b->button(QMessageBox::Ok);
            boxes.push_back({b->windowTitle(), b->text(), b->icon(), b->standardButtons(),
                             ok ? ok->text() : QString(), b->objectName()});
            if (auto* button =
                    answer.isEmpty() ? b->button(standard) : b->findChild<QAbstractButton*>(answer))
                button->click();
            else
                b->reject();
        });
        timer.start(5);
    }
};

// Runs `step` on the next modal window of class T once it is open.
template <typename T> void WhenOpen(std::function<void(T*)> step) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(w);
        }
    });
    timer->start(5);
}
