// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Language.h"
#include "optics/Optics.h"

#include <QString>

// The diagram in words, for a pupil who cannot see it: the mirror, where the
// object stands (and, before a concave mirror, between which of its points),
// and where the image forms and what it is like, in the numbers the results
// panel shows, rounded for reading aloud. The sentences are translatable
// texts (context "Accessibility", Spanish source); the language gives the
// numbers' decimal separator.
QString DescribeScene(const Scene& scene, const ImageResult& image, TLanguage language);
