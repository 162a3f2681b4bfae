#include "scratch_dir.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kavrel::install::testing {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
    std::string pattern = std::string(KAVREL_INSTALL_SCRATCH_DIR) + "/run-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make " + pattern);
    m_path = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    // Directories made read-only by a test must be writable again to be emptied.
    for (auto it = fs::recursive_directory_iterator(m_path, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        if (it->is_directory(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (m_old)
        ::setenv(m_name.c_str(), m_old->c_str(), 1);
    else
        ::unsetenv(m_name.c_str());
}

void WriteTextFile(const std::string& path, const std::string& text, unsigned mode) {
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FileNamesIn(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(directory, ignored))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ValidatorRun ValidateDesktopFile(const std::string& path) {
    ValidatorRun run;
    const std::string validator = KAVREL_DESKTOP_FILE_VALIDATE;
    if (validator.empty()) return run;
    run.available = true;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::dup2(pipeFds[1], STDERR_FILENO);
        ::close(pipeFds[0]);
        ::execl(validator.c_str(), validator.c_str(), path.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::array<char, 4096> buffer{};
    ssize_t got = 0;
    while ((got = ::read(pipeFds[0], buffer.data(), buffer.size())) > 0)
        run.output.append(buffer.data(), static_cast<std::size_t>(got));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool ReportsAProblem(const ValidatorRun& run) {
    return run.exitCode != 0 || run.output.find("error:") != std::string::npos ||
           run.output.find("warning:") != std::string::npos;
}

} // namespace kavrel::install::testing
