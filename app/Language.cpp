#include "Language.h"

TLanguage Language = LangCatalan;
