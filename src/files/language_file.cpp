// Reading and writing the language file.
#include "files/language_file.h"

#include <fstream>

#include "files/file_writer.h"

namespace kalvesta {

bool ReadLanguageIsEnglish(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return true;
    }
    char first = '\0';
    return file.get(first) && first == 'e';
}

bool WriteLanguage(const std::string& path, bool english) {
    return WriteFileContents(path, english ? "e\r\n" : "d\r\n").ok();
}

}  // namespace kalvesta
