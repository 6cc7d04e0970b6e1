// The words of file failures.
#include "files/file_result.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace kalvesta {
namespace {

struct KnownReason {
    int error_number;
    TextId text;
};

// The reasons a save or an open meets in practice; others are given in the
// system's English.
constexpr KnownReason kKnownReasons[] = {
    {EPERM, TextId::kSystemEperm},
    {ENOENT, TextId::kSystemEnoent},
    {EIO, TextId::kSystemEio},
    {ENXIO, TextId::kSystemEnxio},
    {EBADF, TextId::kSystemEbadf},
    {EACCES, TextId::kSystemEacces},
    {EBUSY, TextId::kSystemEbusy},
    {EEXIST, TextId::kSystemEexist},
    {ENOTDIR, TextId::kSystemEnotdir},
    {EISDIR, TextId::kSystemEisdir},
    {EINVAL, TextId::kSystemEinval},
    {EMFILE, TextId::kSystemEmfile},
    {ETXTBSY, TextId::kSystemEtxtbsy},
    {EFBIG, TextId::kSystemEfbig},
    {ENOSPC, TextId::kSystemEnospc},
    {EROFS, TextId::kSystemErofs},
    {EMLINK, TextId::kSystemEmlink},
    {EPIPE, TextId::kSystemEpipe},
    {ENAMETOOLONG, TextId::kSystemEnametoolong},
    {ELOOP, TextId::kSystemEloop},
    {EDQUOT, TextId::kSystemEdquot},
};

std::string Reason(const FileResult& result, const Catalogue& texts) {
    switch (result.reason) {
        case FileReason::kSystem:
            return SystemReason(result.system_error, texts);
        case FileReason::kNoPipeReader:
            return texts.Text(TextId::kFileNoPipeReader);
        case FileReason::kNotRegularFile:
            return texts.Text(TextId::kFileNotRegularFile);
        case FileReason::kNoSafeWay:
            return texts.Text(TextId::kFileNoSafeWay,
                              {{"reason", SystemReason(result.system_error, texts)}});
        case FileReason::kContent: {
            std::string rule = result.content ? texts.Text(*result.content) : std::string();
            return result.content_line > 0
                       ? texts.Text(TextId::kFileLine,
                                    {{"line", std::to_string(result.content_line)}}) +
                             rule
                       : rule;
        }
        case FileReason::kLibrary:
            return result.library_reason;
        case FileReason::kReaderClosed:
            return texts.Text(TextId::kFileReaderClosed);
        case FileReason::kLinkNotFollowed:
            return texts.Text(TextId::kFileLinkNotFollowed);
        case FileReason::kTargetChanged:
            return texts.Text(TextId::kFileTargetChanged);
        case FileReason::kSetIdBitsNotKept:
            return texts.Text(TextId::kFileSetIdBitsNotKept);
        case FileReason::kSetIdBitsDropped:
            return texts.Text(TextId::kFileSetIdBitsDropped);
    }
    return {};
}

}  // namespace

std::string SystemReason(int error_number, const Catalogue& texts) {
    for (const KnownReason& known : kKnownReasons) {
        if (known.error_number == error_number) {
            return texts.Text(known.text);
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

std::string FileMessage(const FileResult& result, const Catalogue& texts) {
    if (result.ok() && !result.left_copy_path.empty()) {
        return texts.Text(TextId::kFileCopyLeft,
                          {{"path", result.path},
                           {"copy", result.left_copy_path},
                           {"reason", SystemReason(result.system_error, texts)}});
    }
    if (result.ok()) {
        return {};
    }
    const TextId verb = result.error == FileError::kCannotOpen   ? TextId::kFileCannotOpen
                        : result.error == FileError::kCannotRead ? TextId::kFileCannotRead
                                                                 : TextId::kFileCannotWrite;
    std::string text = texts.Text(verb, {{"path", result.path}, {"reason", Reason(result, texts)}});
    if (!result.copy_path.empty()) {
        text += texts.Text(TextId::kFileCopyKept, {{"path", result.copy_path}});
    } else if (result.file_incomplete) {
        text += texts.Text(TextId::kFileIncomplete);
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
    return result;
}

FileResult ContentFailure(FileError error, const std::string& path, Message problem, int line) {
    FileResult result = FileFailure(error, path, FileReason::kContent);
    result.content = std::move(problem);
    result.content_line = line;
    return result;
}

FileResult LibraryFailure(FileError error, const std::string& path, std::string reason) {
    FileResult result = FileFailure(error, path, FileReason::kLibrary);
    result.library_reason = std::move(reason);
    return result;
}

FileResult WithAftermath(FileResult result, const std::string& copy_path, bool file_incomplete) {
    result.copy_path = copy_path;
    result.file_incomplete = file_incomplete;
    return result;
}

FileResult WithLeftCopy(const std::string& path, const std::string& copy_path, int system_error) {
    FileResult result;
    result.path = path;
    result.left_copy_path = copy_path;
    result.system_error = system_error;
    return result;
}

}  // namespace kalvesta
