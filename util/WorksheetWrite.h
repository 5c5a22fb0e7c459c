// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagram/Worksheet.h"

#include <QString>

// Writes a worksheet to the file as a whole or not at all, by the rules of
// SafeFile.h: refused before it is made where nothing may be written, then
// made in memory and written with every byte checked. Returns an empty
// text, or the reason it failed.
QString WriteWorksheet(const WorksheetRequest& request, const QString& fileName);
