// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QObject;

// A change of language reaches every window as Qt's QEvent::LanguageChange,
// which each window handles in its changeEvent and passes on to everything
// it holds. For the parts that are no window of their own (a menu built in
// code, a helper object): runs retranslate, inside the error report, each
// time watched receives that event.
void OnLanguageChange(QObject* watched, std::function<void()> retranslate);

// The language the start chose (--lang, else the saved choice), or nothing
// to take the desktop's.
extern std::optional<TLanguage> StartLanguage;

// What the start sets StartLanguage to: the command line's language, else
// the one the user picked in the menu at an earlier start. Reads the
// settings, never writes them.
std::optional<TLanguage> LanguageForStart(std::optional<TLanguage> commandLine);

// StartLanguage, else the desktop's language. The main window's creation
// sets Language to it.
TLanguage StartingLanguage();

// Sets Language and its translations; every open window has taken its texts
// again when this returns.
void SwitchLanguage(TLanguage language);

// The user picked a language in the menu: it is applied at once and kept for
// the next start; a choice that cannot be kept raises a RunError saying so
// in that language.
void PickLanguage(TLanguage language);

// Adds the language submenu "OpIdioma" to menu after the item after (at its
// end if after is not in it): one checkable item per language, named in
// itself, its objectName "Op" and that name in plain letters ("OpCatala",
// "OpEnglish", "OpEspanol", "OpGalego"). It follows every switch.
QMenu* BuildLanguageMenu(QMenu* menu, QAction* after);
