// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

void CentreOnScreen(QWidget* window) {
    window->winId(); // makes the native window, so its screen and frame are known
    const QScreen* display = window->screen();
    if (display == nullptr) {
        return;
    }
    // Before the first showing the window system may not know the frame
    // yet: then the frame of another open window of the program (the main
    // window) is the best guess.
    QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        for (const QWidget* other : QApplication::topLevelWidgets()) {
            if (other != window && other->isVisible() && other->windowHandle() &&
                !other->windowHandle()->frameMargins().isNull()) {
                frame = other->windowHandle()->frameMargins();
                break;
            }
        }
    }
    const QRect area = display->geometry();
    const QSize outer = window->size().grownBy(frame);
    const int left = std::max(0, (area.width() - outer.width()) / 2);
    const int top = std::max(0, (area.height() - outer.height()) / 2);
    window->move(area.topLeft() + QPoint(left, top));
}
