// The texts of file failures in English and Russian.
#include "files/file_result.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace kalvesta {
namespace {

struct Reason {
    int error_number;
    const char* russian;
};

// The reasons a save or an open meets in practice; others are given in English.
constexpr Reason kRussianReasons[] = {
    {EPERM, "Операция не позволена"},
    {ENOENT, "Нет такого файла или каталога"},
    {EIO, "Ошибка ввода/вывода"},
    {ENXIO, "Нет такого устройства или адреса"},
    {EBADF, "Неверный дескриптор файла"},
    {EACCES, "Отказано в доступе"},
    {EBUSY, "Устройство или ресурс занято"},
    {EEXIST, "Файл существует"},
    {ENOTDIR, "Это не каталог"},
    {EISDIR, "Это каталог"},
    {EINVAL, "Недопустимый аргумент"},
    {EMFILE, "Слишком много открытых файлов"},
    {ETXTBSY, "Текстовый файл занят"},
    {EFBIG, "Файл слишком велик"},
    {ENOSPC, "На устройстве не осталось свободного места"},
    {EROFS, "Файловая система доступна только для чтения"},
    {EMLINK, "Слишком много ссылок"},
    {EPIPE, "Обрыв канала"},
    {ENAMETOOLONG, "Слишком длинное имя файла"},
    {ELOOP, "Слишком много уровней символьных ссылок"},
    {EDQUOT, "Превышена дисковая квота"},
};

struct Texts {
    const char* cannot_open;
    const char* cannot_read;
    const char* cannot_write;
    const char* no_pipe_reader;
    const char* not_regular;
    const char* no_safe_way;
    const char* copy_kept;
    const char* incomplete;
    const char* reader_closed;
    const char* link_not_followed;
    const char* target_changed;
    const char* set_id_not_kept;
    const char* set_id_dropped;
    const char* saved;
    const char* copy_left;
    const char* not_removed;
    const char* open_quote;
    const char* close_quote;
};

constexpr Texts kEnglish = {
    "Cannot open",
    "Cannot read",
    "Cannot write",
    "No program is reading from the pipe",
    "Not a regular file",
    "it can only be written in place, and its file system cannot reserve the space, "
    "and no safety copy could be made",
    "; the complete new content is in ",
    "; the file may be incomplete",
    "the reader closed the pipe",
    "a symbolic link stands there, and a file the user did not name is never followed "
    "through one",
    "it was renamed or replaced while it was being saved; nothing was written",
    "written into the file itself, it would lose its set-user-ID or set-group-ID bit, which "
    "this user cannot set again; nothing was written",
    "the new content is written, but the system did not give back its set-user-ID or "
    "set-group-ID bit",
    "Saved",
    ", but its safety copy ",
    " could not be removed: ",
    "\"",
    "\"",
};

constexpr Texts kRussian = {
    "Не удаётся открыть",
    "Не удаётся прочитать",
    "Не удаётся записать",
    "Ни одна программа не читает из канала",
    "Это не обычный файл",
    "его можно записать только на месте, а файловая система не может зарезервировать "
    "место, и резервную копию сделать не удалось",
    "; новое содержимое полностью сохранено в ",
    "; файл может быть неполным",
    "читающая программа закрыла канал",
    "там стоит символьная ссылка, а файл, не названный пользователем, по ссылке не "
    "открывается",
    "его переименовали или заменили во время сохранения; ничего не записано",
    "при записи в сам файл он потерял бы бит set-user-ID или set-group-ID, который этот "
    "пользователь не может вернуть; ничего не записано",
    "новое содержимое записано, но система не вернула бит set-user-ID или set-group-ID",
    "Сохранено",
    ", но его резервную копию ",
    " не удалось удалить: ",
    "«",
    "»",
};

std::string Quoted(const Texts& texts, const std::string& name) {
    return std::string(texts.open_quote) + name + texts.close_quote;
}

}  // namespace

std::string SystemReason(int error_number, bool english) {
    if (!english) {
        for (const Reason& reason : kRussianReasons) {
            if (reason.error_number == error_number) {
                return reason.russian;
            }
        }
    }
    // The English text whatever the locale: glibc's own, or the C library's where its
    // texts are English only.
#if defined(__GLIBC__)
    const char* const description = ::strerrordesc_np(error_number);
#else
    const char* const description = std::strerror(error_number);
#endif
    return description != nullptr ? description : "Unknown error " + std::to_string(error_number);
}

std::string FileMessage(const FileResult& result, bool english) {
    const Texts& texts = english ? kEnglish : kRussian;
    if (result.ok() && !result.left_copy_path.empty()) {
        return std::string(texts.saved) + " " + Quoted(texts, result.path) + texts.copy_left +
               Quoted(texts, result.left_copy_path) + texts.not_removed +
               SystemReason(result.system_error, english);
    }
    if (result.ok() || result.reason == FileReason::kText) {
        return result.message;
    }
    const char* verb = result.error == FileError::kCannotOpen   ? texts.cannot_open
                       : result.error == FileError::kCannotRead ? texts.cannot_read
                                                                : texts.cannot_write;
    std::string text = std::string(verb) + " " + Quoted(texts, result.path) + ": ";
    switch (result.reason) {
        case FileReason::kText:
        case FileReason::kSystem:
            text += SystemReason(result.system_error, english);
            break;
        case FileReason::kNoPipeReader:
            text += texts.no_pipe_reader;
            break;
        case FileReason::kNotRegularFile:
            text += texts.not_regular;
            break;
        case FileReason::kNoSafeWay:
            text += std::string(texts.no_safe_way) + " (" +
                    SystemReason(result.system_error, english) + ")";
            break;
        case FileReason::kContent:
            text += english ? result.content.english : result.content.russian;
            break;
        case FileReason::kReaderClosed:
            text += texts.reader_closed;
            break;
        case FileReason::kLinkNotFollowed:
            text += texts.link_not_followed;
            break;
        case FileReason::kTargetChanged:
            text += texts.target_changed;
            break;
        case FileReason::kSetIdBitsNotKept:
            text += texts.set_id_not_kept;
            break;
        case FileReason::kSetIdBitsDropped:
            text += texts.set_id_dropped;
            break;
    }
    if (!result.copy_path.empty()) {
        text += texts.copy_kept + Quoted(texts, result.copy_path);
    } else if (result.file_incomplete) {
        text += texts.incomplete;
    }
    return text;
}

FileResult FileFailure(FileError error, const std::string& path, FileReason reason,
                       int system_error) {
    FileResult result;
    result.error = error;
    result.reason = reason;
    result.path = path;
    result.system_error = system_error;
    result.message = FileMessage(result, true);
    return result;
}

FileResult ContentFailure(FileError error, const std::string& path, TwoLanguages problem) {
    FileResult result;
    result.error = error;
    result.reason = FileReason::kContent;
    result.path = path;
    result.content = std::move(problem);
    result.message = FileMessage(result, true);
    return result;
}

FileResult TextFailure(FileError error, std::string message) {
    FileResult result;
    result.error = error;
    result.message = std::move(message);
    return result;
}

FileResult WithAftermath(FileResult result, const std::string& copy_path, bool file_incomplete) {
    result.copy_path = copy_path;
    result.file_incomplete = file_incomplete;
    result.message = FileMessage(result, true);
    return result;
}

FileResult WithLeftCopy(const std::string& path, const std::string& copy_path, int system_error) {
    FileResult result;
    result.path = path;
    result.left_copy_path = copy_path;
    result.system_error = system_error;
    result.message = FileMessage(result, true);
    return result;
}

}  // namespace kalvesta
