#pragma once
// Lines of a text file with CR LF endings, and the file itself on disk.
//
// A project file is replaced atomically: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over the target. A failure at any point removes the
// temporary file and leaves an existing target exactly as it was.

#include <string>
#include <vector>

namespace pelzaro {

// Every line followed by CR LF, the last one included.
std::string joinCrLf(const std::vector<std::string>& lines);
// The lines of a file; CR LF and a lone LF both end a line, and a last line without an end
// still counts. An empty file has no lines.
std::vector<std::string> splitLines(const std::string& bytes);

enum class FileFailure {
    None,
    NotFound,     // no such file (or no such folder)
    NoAccess,     // permission denied, or a read-only target
    NotAFile,     // a folder or device in place of the file
    WriteFailed,  // disk full, I/O error, or the rename failed
};

struct FileOutcome {
    FileFailure failure = FileFailure::None;
    bool ok() const { return failure == FileFailure::None; }
};

// Reads a whole file (at most a few megabytes are accepted: a project is a few kilobytes).
FileOutcome readWholeFile(const std::string& path, std::string& bytes);
// Writes `bytes` to `path` through a temporary file in the same folder and a rename.
FileOutcome writeFileAtomically(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

}  // namespace pelzaro
