// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// One "key=value" setting of the [General] section of an INI file (or of the
// lines before any section), as QSettings writes them, read and set without
// touching any other line.

// The value kept for `key`, quotes taken off; the last one given counts.
std::optional<QByteArray> IniValue(QByteArrayView bytes, QByteArrayView key);
// The file's bytes with `key` set to `value`: every other line as it was,
// the one setting in place of those there were, or added to [General].
QByteArray IniWithValue(QByteArrayView bytes, QByteArrayView key, QByteArrayView value);
