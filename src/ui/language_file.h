// The one setting the program keeps: the window's language, as the single line "e"
// (English) or "d" (the second language) in "Default.pa4".
#pragma once

#include <string>

#include "texts/catalogue.h"

namespace kalvesta {

inline constexpr const char* kLanguageFileName = "Default.pa4";

// English when the file cannot be opened or is no regular file (a pipe, say), or
// when its first character is "e"; Russian for an empty file or any other first
// character ("d", "E", ...).
Language ReadLanguageFile(const std::string& path);

// Writes "e" or "d" and CR LF as the file's content (by WriteFileContents). Returns
// false when the file could not be written; the caller goes on without it.
bool WriteLanguageFile(const std::string& path, Language language);

}  // namespace kalvesta
