// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/ProgramWindows.h"

#include "forms/Principal.h"
#include "forms/UEdTools.h"
#include "forms/USobre.h"

TProgramWindows::TProgramWindows() : principal_(std::make_unique<TFPrincipal>()) {
    sobre_ = std::make_unique<TFSobre>(principal_.get());
    FSobre = sobre_.get();
    edTools_ = std::make_unique<TFedTools>(principal_.get());
}

TProgramWindows::~TProgramWindows() {
    // The two owned windows go first, while their owner still exists.
    edTools_.reset();
    sobre_.reset();
    principal_.reset();
}
