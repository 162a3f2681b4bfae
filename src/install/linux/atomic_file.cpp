#include "atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kavrel::install::linux_system {

namespace {

int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Runs `fill` on a fresh temporary file beside `to` and renames it to `to`.
int ReplaceFile(const std::string& to, mode_t mode, const std::function<int(int)>& fill) {
    const auto slash = to.rfind('/');
    const std::string directory =
        slash == std::string::npos ? std::string() : to.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? to : to.substr(slash + 1);
    std::string pattern = directory + "." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) return errno;
    const std::string temporary(buffer.data());

    int error = fill(fd);
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), to.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

} // namespace

int WriteFileAtomically(const std::string& to, std::string_view contents) {
    return ReplaceFile(to, 0644,
                       [&](int fd) { return WriteAll(fd, contents.data(), contents.size()); });
}

int CopyFileAtomically(const std::string& from, const std::string& to) {
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return errno;
    struct stat info {};
    int error = ::fstat(source, &info) != 0 ? errno : 0;
    if (error == 0 && !S_ISREG(info.st_mode)) error = EINVAL;
    if (error == 0) {
        error = ReplaceFile(to, info.st_mode & 0777, [&](int target) {
            std::vector<char> chunk(1 << 16);
            while (true) {
                const ssize_t got = ::read(source, chunk.data(), chunk.size());
                if (got == 0) return 0;
                if (got < 0) {
                    if (errno == EINTR) continue;
                    return errno;
                }
                if (const int failed =
                        WriteAll(target, chunk.data(), static_cast<std::size_t>(got)))
                    return failed;
            }
        });
    }
    ::close(source);
    return error;
}

} // namespace kavrel::install::linux_system
