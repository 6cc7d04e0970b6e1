// What reading or writing a file gives back: success, or a failure kept as its parts
// (what was done, the file, the reason, a copy that was kept), which a front-end
// turns into words in its language (FileMessage).
#pragma once

#include <optional>
#include <string>

#include "texts/catalogue.h"

namespace kalvesta {

enum class FileError {
    kNone,
    kCannotOpen,   // the file cannot be opened for reading (missing, no permission, ...)
    kCannotRead,   // opened, but reading it failed
    kCannotWrite,  // the new content could not be written or put in place of the old one
};

// Why it failed.
enum class FileReason {
    kSystem,            // the system's reason, `system_error`
    kNoPipeReader,      // a named pipe that no program reads
    kNotRegularFile,    // reading a pipe, a device or a socket
    kNoSafeWay,         // the file can only be written in place, and neither could its space be
                        // reserved nor a safety copy be made (`system_error`: why not the copy)
    kContent,           // what the file holds breaks a rule of its format (`content` says which)
    kLibrary,           // a library's own reason, `library_reason` (English whatever the language)
    kReaderClosed,      // the program reading the pipe closed it before the content was written
    kLinkNotFollowed,   // a symbolic link stands where a file the user did not name belongs
    kTargetChanged,     // the file was renamed or replaced after it was opened: nothing written
    kSetIdBitsNotKept,  // written in place, its set-ID bits would be lost: nothing written
    kSetIdBitsDropped,  // written in place, the system did not give its set-ID bits back
};

struct FileResult {
    FileError error = FileError::kNone;
    FileReason reason = FileReason::kSystem;
    std::string path;
    int system_error = 0;            // an errno value
    std::optional<Message> content;  // the rule the content breaks, for kContent
    int content_line = 0;            // where it breaks it, from 1; 0: the whole file
    std::string library_reason;      // for kLibrary
    // Where the complete new content was kept when the file itself could not take it.
    std::string copy_path;
    // Written in place, failed, and the earlier content could not be put back.
    bool file_incomplete = false;
    // Written, but the safety copy that stood by could not be removed (its name, and
    // why in `system_error`): the one failure that leaves the result ok, since the
    // file holds the new content.
    std::string left_copy_path;

    bool ok() const { return error == FileError::kNone; }
};

// A failure of `error` on `path`.
FileResult FileFailure(FileError error, const std::string& path, FileReason reason,
                       int system_error = 0);
inline FileResult SystemFailure(FileError error, const std::string& path, int system_error) {
    return FileFailure(error, path, FileReason::kSystem, system_error);
}

// A failure of what the file at `path` holds, on line `line` (from 1; 0: the
// whole file), such as `line 4: mass_g "abc" is not a number`.
FileResult ContentFailure(FileError error, const std::string& path, Message problem, int line = 0);

// A failure that a library gives its own reason for (an encoder, the loader).
FileResult LibraryFailure(FileError error, const std::string& path, std::string reason);

// Adds what became of the file after a failed write in place.
FileResult WithAftermath(FileResult result, const std::string& copy_path, bool file_incomplete);

// A completed write whose safety copy `copy_path` could not be removed.
FileResult WithLeftCopy(const std::string& path, const std::string& copy_path, int system_error);

// The failure in words, for example: Cannot write "plane.da4": No space left on
// device; empty on success but for a left copy.
std::string FileMessage(const FileResult& result, const Catalogue& texts);

// The system's reason for an errno value, from the catalogue where it knows the
// value, else the system's English text.
std::string SystemReason(int error_number, const Catalogue& texts);

}  // namespace kalvesta
