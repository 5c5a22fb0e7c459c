// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <utility>

// The application title: the program file's name without its folder and
// without everything from the first "." on, every character after the first
// in lower case ("MIRVEX.EXE" gives "Mirvex", "mirvex" gives "mirvex").
QString ApplicationTitleFromPath(const QString& programFile);
// The title of the running program.
QString ApplicationTitle();

// The standard error report: a modal box over all of the program's windows,
// captioned with the application title, with the message and a closing ".",
// the stop icon and an OK button. Returns when the user closes it.
void ShowErrorReport(const QString& message) noexcept;

// Runs one event handler. Qt on this platform is built without exception
// support, so an exception that reached Qt's frames would crash the
// program; every handler is run through here, and an error that escapes it
// is reported and the handler abandoned, while the program goes on.
template <typename Handler> void RunHandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        ShowErrorReport(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown error"));
    }
}
