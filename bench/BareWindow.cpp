// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up and memory: a bare Qt Widgets main window with a
// menu bar, shown once.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Menu"));
    window.resize(676, 423);
    window.show();
    return QApplication::exec();
}
