#pragma once

#include <cstdint>

// The interface language: 0 Catalan, 1 English, 2 Spanish. It indexes every
// three-language text table. Only the main window's creation writes it.
using TLanguage = std::uint8_t;

inline constexpr TLanguage LangCatalan = 0;
inline constexpr TLanguage LangEnglish = 1;
inline constexpr TLanguage LangSpanish = 2;

extern TLanguage Language;
