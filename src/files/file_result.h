// What reading or writing a file gives back: success, or a failure kept as its parts
// (what was done, the file, the reason, a copy that was kept) so that the window
// can say it in its own language; `message` is the English text the command line
// prints.
#pragma once

#include <string>

namespace kalvesta {

enum class FileError {
    kNone,
    kCannotOpen,   // the file cannot be opened for reading (missing, no permission, ...)
    kCannotRead,   // opened, but reading it failed
    kCannotWrite,  // the new content could not be written or put in place of the old one
};

// Why it failed.
enum class FileReason {
    kText,              // `message` is the whole text (the summary's encoder, say): English only
    kSystem,            // the system's reason, `system_error`
    kNoPipeReader,      // a named pipe that no program reads
    kNotRegularFile,    // reading a pipe, a device or a socket
    kNoSafeWay,         // the file can only be written in place, and neither could its space be
                        // reserved nor a safety copy be made (`system_error`: why not the copy)
    kContent,           // what the file holds breaks a rule of its format (`content` says which)
    kReaderClosed,      // the program reading the pipe closed it before the content was written
    kLinkNotFollowed,   // a symbolic link stands where a file the user did not name belongs
    kTargetChanged,     // the file was renamed or replaced after it was opened: nothing written
    kSetIdBitsNotKept,  // written in place, its set-ID bits would be lost: nothing written
    kSetIdBitsDropped,  // written in place, the system did not give its set-ID bits back
};

// A text the program gives in either of the window's languages.
struct TwoLanguages {
    std::string english;
    std::string russian;
};

struct FileResult {
    FileError error = FileError::kNone;
    // Empty on success (but for a left copy), else for example:
    // Cannot write "plane.da4": No space left on device
    std::string message;

    FileReason reason = FileReason::kText;
    std::string path;
    int system_error = 0;  // an errno value
    TwoLanguages content;  // the rule the content breaks, for kContent
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

// A failure of `error` on `path`, its message filled in.
FileResult FileFailure(FileError error, const std::string& path, FileReason reason,
                       int system_error = 0);
inline FileResult SystemFailure(FileError error, const std::string& path, int system_error) {
    return FileFailure(error, path, FileReason::kSystem, system_error);
}

// A failure of what the file at `path` holds, such as `line 4: mass_g "abc" is not a
// number`.
FileResult ContentFailure(FileError error, const std::string& path, TwoLanguages problem);

// A failure told by a text of its own (English only).
FileResult TextFailure(FileError error, std::string message);

// Adds what became of the file after a failed write in place, and renews the message.
FileResult WithAftermath(FileResult result, const std::string& copy_path, bool file_incomplete);

// A completed write whose safety copy `copy_path` could not be removed.
FileResult WithLeftCopy(const std::string& path, const std::string& copy_path, int system_error);

// The failure's text in English or Russian; empty on success but for a left copy.
std::string FileMessage(const FileResult& result, bool english);

// The system's reason for an errno value, in English or Russian (English where no
// Russian text is known).
std::string SystemReason(int error_number, bool english);

}  // namespace kalvesta
