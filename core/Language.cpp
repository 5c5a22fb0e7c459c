#include "core/Language.h"

TLanguage Language = LangCatalan;

QString LangCaption(const TLangText& table) {
    return QString::fromUtf8(table[Language]);
}
