// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// An error of the running program (a floating-point fault in the drawing, a
// refused entry, an unreadable picture). It travels up to the event handler,
// where the standard error report shows its message.
class RunError : public std::runtime_error {
public:
    explicit RunError(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* InvalidFloatOperation = "Invalid floating point operation";
inline constexpr const char* FloatDivisionByZero = "Floating point division by zero";
inline constexpr const char* FloatOverflow = "Floating point overflow";
