#include "project/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace pelzaro {

namespace {

constexpr off_t kLargestProject = 4 * 1024 * 1024;

FileFailure failureOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileFailure::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileFailure::NoAccess;
        case EISDIR:
            return FileFailure::NotAFile;
        default:
            return FileFailure::WriteFailed;
    }
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The permissions a replaced file keeps, or those of a new file under the process umask.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A target that exists must be a regular file we may write: replacing a read-only file by a
// rename would silently defeat its protection.
FileFailure checkTarget(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? FileFailure::None : failureOf(errno);
    if (!S_ISREG(st.st_mode)) return FileFailure::NotAFile;
    if (::access(path.c_str(), W_OK) != 0) return FileFailure::NoAccess;
    return FileFailure::None;
}

// A link to a project file is kept: the file it points to is the one replaced.
std::string resolveLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string resolved = real;
    std::free(real);
    return resolved;
}

}  // namespace

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

FileOutcome readWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {failureOf(errno)};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLargestProject) {
        ::close(fd);
        return {FileFailure::NotAFile};
    }
    char buffer[8192];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int error = errno;
            ::close(fd);
            return {error == EISDIR ? FileFailure::NotAFile : FileFailure::WriteFailed};
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<size_t>(n));
        if (bytes.size() > static_cast<size_t>(kLargestProject)) {
            ::close(fd);
            return {FileFailure::NotAFile};
        }
    }
    ::close(fd);
    return {};
}

FileOutcome writeFileAtomically(const std::string& requested, const std::string& bytes) {
    const std::string path = resolveLink(requested);
    if (FileFailure f = checkTarget(path); f != FileFailure::None) return {f};
    std::string temp = folderOf(path) + "/.pelzaro-save-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return {failureOf(errno)};
    bool written = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    written = ::close(fd) == 0 && written;
    if (written && ::rename(temp.c_str(), path.c_str()) == 0) return {};
    if (written) error = errno;
    ::unlink(temp.c_str());
    return {error == EACCES || error == EPERM ? FileFailure::NoAccess : FileFailure::WriteFailed};
}

}  // namespace pelzaro
