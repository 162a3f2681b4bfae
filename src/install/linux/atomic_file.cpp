// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kavrel::install::linux_system {

namespace {

constexpr int RemovingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The temporary file being written, for the signal handler, which may only unlink it.
const char* volatile theTemporaryFile = nullptr;

extern "C" void RemoveTemporaryFileAndDie(int number) {
    if (const char* path = theTemporaryFile) ::unlink(path);
    // The default action ends the program as the signal would have without the handler.
    ::signal(number, SIG_DFL);
    ::raise(number);
}

// Blocks the signals for its lifetime, so that a temporary file and its registration for
// removal come and go together.
class CSignalBlock {
public:
    CSignalBlock() {
        sigset_t set;
        ::sigemptyset(&set);
        for (const int number : RemovingSignals)
            ::sigaddset(&set, number);
        ::pthread_sigmask(SIG_BLOCK, &set, &m_previous);
    }
    ~CSignalBlock() { ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    CSignalBlock(const CSignalBlock&) = delete;
    CSignalBlock& operator=(const CSignalBlock&) = delete;

private:
    sigset_t m_previous;
};

// Makes the signals remove `path` while it lives. A signal that is ignored stays ignored.
class CRemovedOnSignal {
public:
    explicit CRemovedOnSignal(const std::string& path) : m_path(path) {
        CSignalBlock block;
        theTemporaryFile = m_path.c_str();
        struct sigaction action {};
        action.sa_handler = RemoveTemporaryFileAndDie;
        ::sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(RemovingSignals); ++i) {
            ::sigaction(RemovingSignals[i], nullptr, &m_previous[i]);
            if (m_previous[i].sa_handler != SIG_IGN)
                ::sigaction(RemovingSignals[i], &action, nullptr);
        }
    }
    ~CRemovedOnSignal() {
        CSignalBlock block;
        for (std::size_t i = 0; i < std::size(RemovingSignals); ++i)
            ::sigaction(RemovingSignals[i], &m_previous[i], nullptr);
        theTemporaryFile = nullptr;
    }
    CRemovedOnSignal(const CRemovedOnSignal&) = delete;
    CRemovedOnSignal& operator=(const CRemovedOnSignal&) = delete;

private:
    std::string m_path;
    struct sigaction m_previous[std::size(RemovingSignals)]{};
};

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

} // namespace

int ReplaceFileAtomically(const std::string& to, unsigned mode,
                          const std::function<int(int fd)>& fill) {
    const auto slash = to.rfind('/');
    const std::string directory =
        slash == std::string::npos ? std::string() : to.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? to : to.substr(slash + 1);
    std::string pattern = directory + "." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');

    std::optional<CRemovedOnSignal> removal;
    int fd = -1;
    {
        // A signal between the creation and the registration would leave the file behind.
        CSignalBlock block;
        fd = ::mkstemp(buffer.data());
        if (fd < 0) return errno;
        removal.emplace(buffer.data());
    }
    const std::string temporary(buffer.data());

    int error = fill(fd);
    if (error == 0 && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), to.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

int WriteFileAtomically(const std::string& to, std::string_view contents) {
    return ReplaceFileAtomically(
        to, 0644, [&](int fd) { return WriteAll(fd, contents.data(), contents.size()); });
}

int CopyFileAtomically(const std::string& from, const std::string& to) {
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) return errno;
    struct stat info {};
    int error = ::fstat(source, &info) != 0 ? errno : 0;
    if (error == 0 && !S_ISREG(info.st_mode)) error = EINVAL;
    if (error == 0) {
        error = ReplaceFileAtomically(to, info.st_mode & 0777, [&](int target) {
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

int MakeWritableDirectory(const std::string& path) {
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (failure) return failure.value();
    return ::access(path.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

} // namespace kavrel::install::linux_system
