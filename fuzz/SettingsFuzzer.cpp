// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's reader and writer on any bytes: the choice set reads
// back as what was set, and setting it again changes nothing.
#include "core/LanguageChoice.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)LanguageInSettings(bytes);
    for (TLanguage language : {LangCatalan, LangEnglish, LangSpanish}) {
        const QByteArray set = SettingsWithLanguage(bytes, language);
        if (LanguageInSettings(set) != language)
            std::abort();
        if (SettingsWithLanguage(set, language) != set)
            std::abort();
    }
    return 0;
}
