// Reading and writing the language file.
#include "ui/language_file.h"

#include <unistd.h>

#include <cerrno>
#include <optional>

#include "files/file_reading.h"
#include "files/file_writer.h"

namespace kalvesta {

Language ReadLanguageFile(const std::string& path) {
    // Only a regular file is read: a pipe without a writer would hold up the start.
    std::optional<FileDescriptor> file;
    if (!OpenRegularFile(path, file).ok()) {
        return Language::kEnglish;
    }
    char first = '\0';
    ssize_t count = 0;
    do {
        count = ::read(file->get(), &first, 1);
    } while (count < 0 && errno == EINTR);
    return count == 1 && first == 'e' ? Language::kEnglish : Language::kRussian;
}

bool WriteLanguageFile(const std::string& path, Language language) {
    return WriteFileContents(path, language == Language::kEnglish ? "e\r\n" : "d\r\n").ok();
}

}  // namespace kalvesta
