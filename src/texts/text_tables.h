// The catalogue's tables, generated from the JSON files at build time
// (text_tables.cpp): each language's texts in the order of TextId, nullptr where
// the language has none, and each text's name in the files.
#pragma once

#include "texts/text_id.h"

namespace kalvesta::texts {

extern const char* const kEnglish[kTextCount];
extern const char* const kGerman[kTextCount];
extern const char* const kRussian[kTextCount];
extern const char* const kNames[kTextCount];

}  // namespace kalvesta::texts
