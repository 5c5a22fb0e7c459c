// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class TFPrincipal;
class TFSobre;
class TFedTools;

// The program's three windows, created in the start-up order: the main
// window (which sets Language), the about box, the tools editor, so that the
// last two take their captions in the language already set. The about box
// and the editor belong to the main window: the desktop shows one taskbar
// entry for the program and keeps them above it, while they stay modeless
// windows of their own.
class TProgramWindows {
public:
    TProgramWindows();
    ~TProgramWindows();
    TProgramWindows(const TProgramWindows&) = delete;
    TProgramWindows& operator=(const TProgramWindows&) = delete;

    TFPrincipal& principal() const { return *principal_; }
    TFSobre& sobre() const { return *sobre_; }
    TFedTools& edTools() const { return *edTools_; }

private:
    std::unique_ptr<TFPrincipal> principal_;
    std::unique_ptr<TFSobre> sobre_;
    std::unique_ptr<TFedTools> edTools_;
};
