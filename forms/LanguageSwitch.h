// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <QObject>

#include <optional>

class QAction;
class QMenu;

// Tells every open window that Language has changed, so each can take its
// captions again. Windows connect their Retranslate to LanguageChanged.
class TLanguageNotifier : public QObject {
    Q_OBJECT
signals:
    void LanguageChanged();
};

// The one notifier of the program.
TLanguageNotifier& LanguageNotifier();

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

// Sets Language and has every open window re-caption itself.
void SwitchLanguage(TLanguage language);

// The user picked a language in the menu: it is applied at once and kept for
// the next start; a choice that cannot be kept raises a RunError saying so
// in that language.
void PickLanguage(TLanguage language);

// Adds the language submenu "OpIdioma", one checkable item per language
// named in itself ("OpCatala", "OpEnglish", "OpEspanol"), to menu after the
// item after (at its end if after is not in it). It follows every switch.
QMenu* BuildLanguageMenu(QMenu* menu, QAction* after);
