// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <stdexcept>
#include <string>

// The run-time's own message in the current language: the Spanish windows
// show the run-time's texts as they have always been, in English; the other
// languages have them translated. A message the translations do not know
// comes back as it is.
std::string RunMessage(const char* message);

// An error of the running program (a floating-point fault in the drawing, a
// refused entry, an unreadable picture). It travels up to the event handler,
// where the standard error report shows its message.
class RunError : public std::runtime_error {
public:
    explicit RunError(const std::string& message) : std::runtime_error(message) {}
    // A fixed message of the run-time, translated when it is raised.
    explicit RunError(const char* message) : std::runtime_error(RunMessage(message)) {}
};

inline constexpr const char* InvalidFloatOperation =
    QT_TRANSLATE_NOOP("RunError", "Invalid floating point operation");
inline constexpr const char* FloatDivisionByZero =
    QT_TRANSLATE_NOOP("RunError", "Floating point division by zero");
inline constexpr const char* FloatOverflow =
    QT_TRANSLATE_NOOP("RunError", "Floating point overflow");
// Raised by the drawing for a pen style out of its range.
inline constexpr const char* RangeCheckError = QT_TRANSLATE_NOOP("RunError", "Range check error");
