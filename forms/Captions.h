// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <span>

class QObject;
class QWidget;

// Which text of a control a table gives.
enum class TCaptionPart {
    Text,   // a label's or button's text, a menu item's caption
    Hint,   // the tool tip shown on hover
    Title,  // a submenu's caption
    Window, // the window's own title
};

// One caption of a window: the control, by objectName, and its text.
struct TCaption {
    const char* control;
    TLangText text;
    TCaptionPart part = TCaptionPart::Text;
};

// Gives each named control of window its text in the current Language.
// A label whose text changes is first given back its full width, so that
// FitLabelTexts narrows it only as much as the new text needs. A control
// that is not there (a window built without it) is passed over.
void ApplyCaptions(QWidget* window, std::span<const TCaption> captions);

// The control a caption names, or the window itself when it names the window.
QObject* CaptionedControl(QWidget* window, const char* control);
