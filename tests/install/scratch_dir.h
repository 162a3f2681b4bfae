#pragma once
// Scratch directories, environment variables and files for tests on the real system.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavrel::install::testing {

// A fresh directory under the build tree, removed with everything in it. The build tree is
// used rather than /tmp, which is a RAM disk on many systems and refused as a target.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Sets an environment variable, or removes it (nullopt), for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

void WriteTextFile(const std::string& path, const std::string& text, unsigned mode = 0644);
std::string ReadTextFile(const std::string& path);
std::vector<std::string> FileNamesIn(const std::string& directory);

struct ToolRun {
    int exitCode = -1;  // -1 when it did not exit normally, 127 when it could not be started
    std::string output; // standard output and standard error together
};
// Runs a program found on PATH and waits for it.
ToolRun RunTool(const std::vector<std::string>& arguments);

// desktop-file-validate's complaints about the file, empty when it has none. Errors and
// warnings count; hints do not. The installer's entries carry only the group's own category,
// so that they show in its submenu and nowhere else, and the validator hints that a main
// category is missing.
std::string DesktopFileProblems(const std::string& path);

} // namespace kavrel::install::testing
