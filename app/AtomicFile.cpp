#include "app/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tsw {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40; // as the kernel follows them
constexpr char kTemporaryMark[] = ".tmp";
constexpr std::size_t kTemporaryHexDigits = 8;

FileStatus failure(int error) {
    const int e = error == 0 ? EIO : error;
    return {e, systemErrorText(e), FileFault::System};
}

FileStatus refusal(FileFault fault) {
    const int e = fault == FileFault::ReadOnlyFile ? EACCES : EINVAL;
    return {e, systemErrorText(e), fault};
}

// Closes a descriptor at the end of a scope unless released.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

int writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? EIO : errno;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Creates a new temporary file beside the target; its name on success.
int createTemporary(const std::string& target, std::string& name, int& fd) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%s%ld.%08x", kTemporaryMark,
                      static_cast<long>(::getpid()), rd());
        name = target + suffix;
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

std::string folderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

void syncFolder(const std::string& target) {
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a path names once its symbolic links are followed; a link to nothing names the file
// it would create. Fails with ELOOP on a loop.
int resolveTarget(const std::string& path, std::string& target) {
    fs::path p = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec)) {
            target = p.string();
            return 0;
        }
        const fs::path link = fs::read_symlink(p, ec);
        if (ec)
            return ec.value();
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return ELOOP;
}

// A regular file with write permission, or nothing yet (after links are followed).
FileStatus checkTarget(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return errno == ENOENT ? FileStatus{} : failure(errno);
    if (!S_ISREG(st.st_mode))
        return refusal(FileFault::NotRegularFile);
    // Root may write anything: the mode bits still say whether the user meant it to change.
    if ((st.st_mode & 0222) == 0)
        return refusal(FileFault::ReadOnlyFile);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? refusal(FileFault::ReadOnlyFile) : failure(errno);
    return {};
}

FileStatus writeTemporaryThenRename(const std::string& target,
                                    std::span<const std::uint8_t> bytes) {
    std::string temporary;
    int rawFd = -1;
    if (const int error = createTemporary(target, temporary, rawFd))
        return failure(error);
    FdGuard fd(rawFd);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd.get(), existing.st_mode & 07777);
    int error = writeAll(fd.get(), bytes);
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    if (::close(fd.release()) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    syncFolder(target);
    return {};
}

// The writer's process id when `name` is "<something>.tmp<pid>.<8 hex digits>".
std::optional<long> temporaryWriter(std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot - 1 != kTemporaryHexDigits)
        return std::nullopt;
    const std::string_view hex = name.substr(dot + 1);
    if (!std::all_of(hex.begin(), hex.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
        return std::nullopt;
    const std::string_view head = name.substr(0, dot);
    const auto mark = head.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    const std::string_view digits = head.substr(mark + std::strlen(kTemporaryMark));
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stol(std::string(digits));
}

bool processRuns(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool isStale(const std::string& path, long writer) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    const std::time_t now = std::time(nullptr);
    if (st.st_mtime > now)
        return false; // written in the future: not provably old
    const auto age = std::chrono::seconds(now - st.st_mtime);
    if (age >= kStaleTemporaryAge)
        return true;
    return age >= kDeadWriterAge && !processRuns(writer);
}

} // namespace

FileStatus checkOutputFile(const std::string& path) {
    std::string target;
    if (const int error = resolveTarget(path, target))
        return failure(error);
    return checkTarget(target);
}

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string target;
    if (const int error = resolveTarget(path, target))
        return failure(error);
    if (FileStatus status = checkTarget(target); !status)
        return status;
    removeStaleTemporaries(folderOf(target));
    return writeTemporaryThenRename(target, bytes);
}

int removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const auto writer = temporaryWriter(entry->d_name);
        const std::string path = folder + "/" + entry->d_name;
        if (writer && isStale(path, *writer) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

FileReadResult readFileContents(const std::string& path, std::size_t maxBytes) {
    // A pipe or a device is refused before it is opened (opening one may wait, or reach
    // hardware), and again after, should the name have changed in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {{}, failure(errno)};
    if (!S_ISREG(st.st_mode))
        return {{}, refusal(FileFault::NotRegularFile)};
    FdGuard fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return {{}, failure(errno)};
    if (::fstat(fd.get(), &st) != 0)
        return {{}, failure(errno)};
    if (!S_ISREG(st.st_mode))
        return {{}, refusal(FileFault::NotRegularFile)};
    FileReadResult result;
    char buffer[8192];
    while (result.contents.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - result.contents.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {{}, failure(errno)};
        if (n == 0)
            break;
        result.contents.append(buffer, static_cast<std::size_t>(n));
    }
    return result;
}

std::string systemErrorText(int error) {
    return std::strerror(error);
}

} // namespace tsw
