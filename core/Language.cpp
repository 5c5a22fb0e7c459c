// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Language.h"

TLanguage Language = LangCatalan;

QString LangCaption(const TLangText& table) {
    return QString::fromUtf8(table[Language]);
}
