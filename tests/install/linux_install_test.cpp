// SPDX-License-Identifier: GPL-3.0-or-later
// The installer on the real system: target paths, where it puts things for root, a copy cut
// short by a signal, and whole runs into a scratch home read back by the desktop's own tools.

#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_path.h"
#include "linux/atomic_file.h"
#include "linux/linux_install_system.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kavrel::install {
namespace {

namespace fs = std::filesystem;
using linux_system::CLinuxInstallSystem;

// Under the build tree: /tmp is a RAM disk on many systems, and refused as a target.
struct ScratchDir {
    ScratchDir() : path(std::string(KAVREL_INSTALL_SCRATCH_DIR) + "/run-XXXXXX") {
        if (!::mkdtemp(path.data())) throw std::runtime_error("cannot make " + path);
    }
    ~ScratchDir() { fs::remove_all(path); }
    std::string path;
};

struct ScopedEnv {
    ScopedEnv(const char* n, const char* value) : name(n) {
        if (const char* was = std::getenv(n)) old = was;
        value ? ::setenv(n, value, 1) : ::unsetenv(n);
    }
    ~ScopedEnv() { old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name); }
    const char* name;
    std::optional<std::string> old;
};

void Write(const std::string& path, const std::string& text, unsigned mode = 0644) {
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
}

std::string Read(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::size_t FileCount(const std::string& directory) {
    return std::distance(fs::directory_iterator(directory), fs::directory_iterator());
}

// A tool's standard output and error, and its exit status when it fails.
std::string Run(const std::vector<std::string>& arguments) {
    std::string command = "2>&1";
    for (const auto& argument : arguments)
        command += " '" + std::regex_replace(argument, std::regex("'"), "'\\''") + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        output += static_cast<char>(c);
    const int status = ::pclose(pipe);
    return status == 0 ? output : output + "(exit " + std::to_string(status) + ")";
}

TEST(LinuxInstallPath, RefusesRelativeAndUnlaunchablePathsAndUnsuitableFilesystems) {
    ScratchDir scratch;
    CLinuxInstallSystem system("/opt/dist/install", {});
    const struct {
        std::string path;
        const char* message;
    } cases[] = {
        {scratch.path + "/not/yet/there", ""},
        {"", "Drive incorrect !"},
        {"~/Kavrel", "Missing '/' !"},
        {"/proc/Kavrel", "Drive incorrect !"},
        {scratch.path + "/100%", "The path cannot contain '%'."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InstallPathMessage(PathStyle::Posix, CheckInstallPath(system, c.path)), c.message)
            << c.path;
}

TEST(InstallPlacesFor, RootInstallsForEveryUserAndAnyoneElseForThemselves) {
    ScopedEnv home("HOME", "/home/ann"), data("XDG_DATA_HOME", nullptr);
    const auto root = linux_system::InstallPlacesFor(0), ann = linux_system::InstallPlacesFor(1000);
    EXPECT_EQ(root.defaultTarget + " " + root.desktop->mergedMenus + " " + root.desktop->mime,
              "/opt/Kavrel /etc/xdg/menus/applications-merged /usr/share/mime");
    EXPECT_EQ(ann.defaultTarget + " " + ann.desktop->applications,
              "/home/ann/Kavrel /home/ann/.local/share/applications");
}

class SignalDuringACopy : public ::testing::TestWithParam<int> {};

TEST_P(SignalDuringACopy, RemovesTheTemporaryFileAndEndsTheProgram) {
    ScratchDir scratch;
    const int signal = GetParam();
    EXPECT_EXIT(linux_system::ReplaceFileAtomically(scratch.path + "/kavrel", 0755,
                                                    [signal](int fd) {
                                                        (void)!::write(fd, "half", 4);
                                                        ::raise(signal);
                                                        return 0;
                                                    }),
                ::testing::KilledBySignal(signal), "");
    EXPECT_EQ(FileCount(scratch.path), 0u);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalDuringACopy, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

// Installs from a distribution folder, with the real help file and stand-ins that note how
// they were started, into a scratch home with no desktop of its own, so that the freedesktop
// tools read only what the installer wrote. The home's name needs quoting and escaping.
class LinuxInstallRun : public ::testing::Test {
protected:
    LinuxInstallRun() {
        ::mkdir(home.c_str(), 0755);
        ::mkdir(source.c_str(), 0755);
        for (const auto& name : InstallFileList(""))
            if (name == "kavrel.hlp")
                Write(source + "/" + name, Read(KAVREL_HELP_FILE));
            else if (name.find('.') == std::string::npos)
                Write(source + "/" + name,
                      "#!/bin/sh\necho \"${0##*/} $*\" >> \"${0%/*}/launched.log\"\n", 0755);
            else
                Write(source + "/" + name, "stand-in " + name + "\n");
    }

    std::vector<std::string> Run(std::optional<std::string> answer) {
        CLinuxInstallSystem system(source + "/install",
                                   {home + "/Kavrel", linux_system::UserDesktopPaths()});
        testing::FakeWindowsSystem ui;
        ui.answers = {answer};
        RunInstall(system, ui);
        return {ui.log.begin() + 1, ui.log.end()};
    }

    // What the command started, as the stand-in wrote it down: the command may return before
    // the program it started has run.
    std::string Launched(const std::vector<std::string>& command) {
        const std::string log = target + "/launched.log";
        ::unlink(log.c_str());
        if (const std::string output = install::Run(command); !output.empty()) return output;
        for (int wait = 0; wait < 100 && Read(log).empty(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return Read(log);
    }

    ScratchDir scratch;
    std::string home = scratch.path + "/home \"dir\" $x `y` \\z", target = home + "/Kavrel";
    std::string source = scratch.path + "/dist", data = scratch.path + "/data";
    ScopedEnv homeEnv{"HOME", home.c_str()}, dataEnv{"XDG_DATA_HOME", data.c_str()};
    ScopedEnv configEnv{"XDG_CONFIG_HOME", (scratch.path + "/config").c_str()};
    ScopedEnv desktop{"XDG_CURRENT_DESKTOP", nullptr}, session{"DESKTOP_SESSION", nullptr};
};

const std::vector<std::string> Complete = {"Kavrel: Installation is complete"};

TEST_F(LinuxInstallRun, TheDesktopShowsAndOpensEverythingInstalledAndASecondRunReplacesIt) {
    ASSERT_EQ(Run(target), Complete);
    for (const auto& name : InstallFileList(""))
        EXPECT_EQ(Read(target + "/" + name), Read(source + "/" + name)) << name;
    struct stat program {};
    ASSERT_EQ(::stat((target + "/kavrel").c_str(), &program), 0);
    EXPECT_EQ(program.st_mode & 0777, 0755u);

    const std::string menu = Read(scratch.path + "/config/menus/applications-merged/kavrel.menu");
    EXPECT_NE(menu.find("<Directory>kavrel.directory</Directory>"), std::string::npos) << menu;
    EXPECT_NE(menu.find("<Category>X-Kavrel</Category>"), std::string::npos) << menu;
    // desktop-file-validate's hints do not count: the entries carry only the group's own
    // category, so that they show in its submenu and nowhere else.
    for (const auto* folder : {"/applications", "/desktop-directories"})
        for (const auto& entry : fs::directory_iterator(data + folder))
            if (entry.path().extension() != ".cache") {
                EXPECT_FALSE(
                    std::regex_search(install::Run({"desktop-file-validate", entry.path()}),
                                      std::regex("error|warning|exit")));
            }
    EXPECT_EQ(Launched({"gio", "launch", data + "/applications/kavrel-kavrel.desktop"}),
              "kavrel \n");
    EXPECT_EQ(Launched({"gio", "launch", data + "/applications/kavrel-quick-start.desktop"}),
              "kavrel-help " + target + "/media.doc\n");
    // The help file is known by its content and opens in the help viewer.
    const std::string help = target + "/kavrel.hlp";
    EXPECT_EQ(install::Run({"xdg-mime", "query", "filetype", help}), "application/x-kavrel-help\n");
    EXPECT_EQ(install::Run({"xdg-mime", "query", "default", "application/x-kavrel-help"}),
              "org.kavrel.KavrelHelp.desktop\n");
    EXPECT_EQ(Launched({"gio", "open", help}), "kavrel-help " + help + "\n");

    Write(source + "/readme.txt", "a newer readme\n");
    EXPECT_EQ(Run(target + "/"), Complete);
    EXPECT_EQ(Read(target + "/readme.txt"), "a newer readme\n");
    EXPECT_EQ(FileCount(target), 13u) << "the files and launched.log; no temporary file";
    EXPECT_EQ(FileCount(data + "/applications"), 7u) << "the items, the viewer and the cache";
}

TEST_F(LinuxInstallRun, AFailedCopyOrMenuIsReported) {
    Write(data, "a file where the data directory should be");
    EXPECT_EQ(Run(target), (std::vector<std::string>{
                               "DDE Error: Windows is busy. Please run Install again!",
                               "DDE Error: Problem adding application(s) to Windows Start "
                               "Menu...\r\n\r\nRun Install again after re-starting Windows..."}));
    ::unlink((source + "/vendor.txt").c_str());
    EXPECT_EQ(Run(target + "/"),
              (std::vector<std::string>{"File Error: An error has occurred during File copying. "
                                        "Check program disks and run Install again..."}));
}

// As nobody when started as root, who ignores permission bits; in a child, so as to drop them.
TEST_F(LinuxInstallRun, AReadOnlyDirectoryCanBeNeitherCreatedInNorWrittenTo) {
    const std::string locked = scratch.path + "/locked";
    ::mkdir(locked.c_str(), 0555);
    ::chmod(scratch.path.c_str(), 0755);
    const auto tryIt = [&] {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) || ::setgid(65534) || ::setuid(65534)))
            ::_exit(3);
        CLinuxInstallSystem system(source + "/install", {});
        ::_exit(system.CreateDirectory(locked + "/Kavrel") || system.CanWriteTo(locked));
    };
    EXPECT_EXIT(tryIt(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace kavrel::install
