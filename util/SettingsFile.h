// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"

#include <QString>

#include <optional>

// The settings file, ~/.config/Vexaria/vexaria.conf, read and written by the
// rules of SafeFile.h: it keeps the language the user picked and the view of the diagram.

// The largest settings file that is read; a larger one counts as holding no
// choice.
inline constexpr qint64 SettingsFileMaxBytes = 1024 * 1024;

// $XDG_CONFIG_HOME/Vexaria/vexaria.conf, else $HOME/.config/Vexaria/
// vexaria.conf; each only when it is an absolute path, as the XDG rules
// say. Empty when neither is.
QString SettingsFilePath();

// The choice kept in the settings file; nothing when there is none or the
// file cannot be read.
std::optional<TLanguage> ReadSavedLanguage();

// The classroom view's choice ("classroomview=true|false"); nothing when the
// user never changed it or the file cannot be read.
std::optional<bool> ReadSavedClassroomView();
// Keeps it, as KeepLanguage keeps the language.
bool KeepClassroomView(bool on, QString* error = nullptr);

// Keeps the choice in the settings file, every other line of it as it was.
// False, with the reason, when it cannot: then the file is as it was.
bool KeepLanguage(TLanguage language, QString* error = nullptr);
