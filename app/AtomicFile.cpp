#include "app/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tsw {

namespace {

namespace fs = std::filesystem;

FileWriteResult failure(int error) {
    const int e = error == 0 ? EIO : error;
    return {e, systemErrorText(e)};
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
        std::snprintf(suffix, sizeof suffix, ".tmp%ld.%08x", static_cast<long>(::getpid()), rd());
        name = target + suffix;
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

void syncFolder(const std::string& target) {
    const fs::path folder = fs::path(target).parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string resolveTarget(const std::string& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved.string();
}

} // namespace

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = resolveTarget(path);
    std::string temporary;
    int rawFd = -1;
    if (const int error = createTemporary(target, temporary, rawFd))
        return failure(error);
    FdGuard fd(rawFd);

    struct stat existing {};
    int error = 0;
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd.get(), existing.st_mode & 07777);
    error = writeAll(fd.get(), bytes);
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

std::optional<std::string> readFileContents(const std::string& path, std::size_t maxBytes) {
    FdGuard fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return std::nullopt;
    std::string contents;
    char buffer[8192];
    while (contents.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - contents.size());
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return contents;
}

std::string systemErrorText(int error) {
    return std::strerror(error);
}

} // namespace tsw
