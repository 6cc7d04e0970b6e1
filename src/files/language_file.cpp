// Reading and writing the language file.
#include "files/language_file.h"

#include <fstream>

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
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file << (english ? 'e' : 'd') << "\r\n";
    file.close();
    return !file.fail();
}

}  // namespace kalvesta
