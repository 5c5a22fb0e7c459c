// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/PictureFile.h"

#include <QString>

// Writes the picture to the file as a whole or not at all, by the rules of
// SafeFile.h: the picture is made in memory first, then written and flushed
// to the disk with every byte checked, so a full disk is found and any file
// of that name stays as it was. `size` is the picture's size in pixels; a
// PDF is one page of that size at 96 pixels to the inch. Returns an empty
// text, or the reason it failed.
QString WritePicture(const PictureSource& source, const QString& fileName, PictureFormat format,
                     QSize size);
