// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_file_type.h"

#include "atomic_file.h"
#include "desktop_entry.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kavrel::install::linux_system {

namespace {

// Runs the program found on PATH with its output thrown away, and waits for it.
void RunQuietly(const char* program, const std::string& argument) {
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::string name(program);
    std::string value(argument);
    char* const arguments[] = {name.data(), value.data(), nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, program, &actions, nullptr, arguments, environ) == 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    ::posix_spawn_file_actions_destroy(&actions);
}

} // namespace

int RegisterHelpFileType(const DesktopPaths& paths, const std::string& viewerPath) {
    const std::string packages = paths.mime + "/packages";
    for (const std::string* directory : {&packages, &paths.applications})
        if (const int error = MakeWritableDirectory(*directory)) return error;
    if (const int error = WriteFileAtomically(packages + "/kavrel.xml", MimePackageText()))
        return error;
    if (const int error =
            WriteFileAtomically(paths.applications + "/" + std::string(HelpViewerEntryName),
                                HelpViewerEntryText(viewerPath)))
        return error;
    RunQuietly("update-mime-database", paths.mime);
    // GLib finds the handlers of a type only in the cache this makes.
    RunQuietly("update-desktop-database", paths.applications);
    return 0;
}

} // namespace kavrel::install::linux_system
