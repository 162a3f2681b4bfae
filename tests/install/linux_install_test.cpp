// The installer on the real system: target paths and filesystems, where it puts things for
// root and for other users, a whole run into a scratch home read back by the desktop's own
// tools, and the failures that stop it.

#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_lists.h"
#include "install_path.h"
#include "linux/atomic_file.h"
#include "linux/filesystem_kind.h"
#include "linux/linux_install_system.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kavrel::install {
namespace {

using linux_system::CLinuxInstallSystem;
using testing::FileNamesIn;
using testing::ReadTextFile;
using testing::RunTool;
using testing::ScopedEnv;
using testing::ScratchDir;
using testing::ScriptedUi;
using testing::WriteTextFile;

// The filesystem type that the mount table gives for a mount point, or "".
std::string MountedType(const std::string& mountPoint) {
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    std::string type;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, point, kind;
        fields >> device >> point >> kind;
        if (point == mountPoint) type = kind; // the last mount over a point is the one seen
    }
    return type;
}

TEST(LinuxInstallPath, RefusesRelativeAndUnlaunchablePathsAndUnsuitableFilesystems) {
    ScratchDir scratch;
    CLinuxInstallSystem system("/opt/dist/install", {});
    std::string umlauts;
    for (int i = 0; i < 128; ++i)
        umlauts += "\xc3\xbc";
    const struct {
        std::string path;
        int check;
        const char* message;
    } cases[] = {
        {scratch.path() + "/not/yet/there", 0, ""},
        {scratch.path(), 0, ""},
        {"", 1, "Drive incorrect !"},
        {"Kavrel", 3, "Missing '/' !"},
        {"~/Kavrel", 3, "Missing '/' !"},
        {"/proc/Kavrel", 1, "Drive incorrect !"},
        {scratch.path() + "/100%", 5, "The path cannot contain '%'."},
        // 128 characters, 257 bytes.
        {"/" + umlauts, 4, "The path is longer than 255 bytes."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckInstallPath(system, c.path), c.check) << c.path;
        EXPECT_EQ(InstallPathMessage(PathStyle::Posix, c.check), c.message) << c.path;
    }
    EXPECT_EQ(linux_system::NearestExistingAncestor(scratch.path() + "/a/b/../c"), scratch.path());
}

TEST(LinuxInstallPath, RefusesARamDisk) {
    if (MountedType("/dev/shm") != "tmpfs") GTEST_SKIP() << "/dev/shm is not a tmpfs here";
    CLinuxInstallSystem system("/opt/dist/install", {});
    EXPECT_EQ(system.GetDriveType("/dev/shm/Kavrel"), DriveType::RamDisk);
    EXPECT_EQ(CheckInstallPath(system, "/dev/shm/Kavrel"), 1);
}

std::string Joined(const linux_system::InstallPlaces& places) {
    const auto& d = places.desktop;
    return places.defaultTarget + " " +
           (d ? d->mergedMenus + " " + d->applications + " " + d->desktopDirectories + " " + d->mime
              : "no desktop");
}

TEST(InstallPlacesFor, RootInstallsForEveryUserAndAnyoneElseForThemselves) {
    ScopedEnv home("HOME", "/home/ann");
    ScopedEnv config("XDG_CONFIG_HOME", "/home/ann/cfg");
    ScopedEnv data("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(Joined(linux_system::InstallPlacesFor(0)),
              "/opt/Kavrel /etc/xdg/menus/applications-merged /usr/share/applications "
              "/usr/share/desktop-directories /usr/share/mime");
    EXPECT_EQ(Joined(linux_system::InstallPlacesFor(1000)),
              "/home/ann/Kavrel /home/ann/cfg/menus/applications-merged "
              "/home/ann/.local/share/applications /home/ann/.local/share/desktop-directories "
              "/home/ann/.local/share/mime");
}

// A signal in the middle of a copy leaves no half-written file behind.
class SignalDuringACopy : public ::testing::TestWithParam<int> {};

TEST_P(SignalDuringACopy, RemovesTheTemporaryFileAndEndsTheProgram) {
    ScratchDir scratch;
    const int signal = GetParam();
    EXPECT_EXIT(linux_system::ReplaceFileAtomically(scratch.path() + "/kavrel", 0755,
                                                    [signal](int fd) {
                                                        (void)!::write(fd, "half", 4);
                                                        ::raise(signal);
                                                        return 0;
                                                    }),
                ::testing::KilledBySignal(signal), "");
    EXPECT_EQ(FileNamesIn(scratch.path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalDuringACopy, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

// A distribution folder with the real help file and stand-ins for the rest. Each program
// stand-in adds its name and arguments to launched.log in its own folder.
std::string MakeSourceFolder(const std::string& root) {
    const std::string source = root + "/dist";
    ::mkdir(source.c_str(), 0755);
    for (const auto& name : InstallFileList(""))
        if (name == "kavrel.hlp")
            WriteTextFile(source + "/" + name, ReadTextFile(KAVREL_HELP_FILE));
        else if (name.find('.') == std::string::npos)
            WriteTextFile(source + "/" + name,
                          "#!/bin/sh\necho \"${0##*/} $*\" >> \"${0%/*}/launched.log\"\n", 0755);
        else
            WriteTextFile(source + "/" + name, "stand-in " + name + "\n", 0644);
    return source;
}

// Installs from a stand-in distribution folder into a scratch home, with no desktop of its
// own, so that the freedesktop tools read only the files of the XDG specifications.
class LinuxInstallRun : public ::testing::Test {
protected:
    LinuxInstallRun()
        : m_home(m_scratch.path() + "/home dir"), m_source(MakeSourceFolder(m_scratch.path())),
          m_homeEnv("HOME", m_home), m_configEnv("XDG_CONFIG_HOME", m_scratch.path() + "/config"),
          m_dataEnv("XDG_DATA_HOME", m_scratch.path() + "/data"),
          m_desktop("XDG_CURRENT_DESKTOP", {}), m_session("DESKTOP_SESSION", {}),
          m_kde("KDE_FULL_SESSION", {}) {
        ::mkdir(m_home.c_str(), 0755);
    }

    ScriptedUi Run(std::deque<std::optional<std::string>> answers) {
        CLinuxInstallSystem system(m_source + "/install",
                                   {m_home + "/Kavrel", linux_system::UserDesktopPaths()});
        ScriptedUi ui;
        ui.dialogAnswers = std::move(answers);
        RunInstall(system, ui);
        return ui;
    }

    std::string applications() const { return m_scratch.path() + "/data/applications"; }

    ScratchDir m_scratch;
    std::string m_home;
    std::string m_source;
    ScopedEnv m_homeEnv, m_configEnv, m_dataEnv, m_desktop, m_session, m_kde;
};

std::string Captions(const ScriptedUi& ui) {
    std::string captions;
    for (const auto& message : ui.messages)
        captions += message.caption + ";";
    return captions;
}

// What the command started, as the stand-in in `folder` wrote it down: the command may return
// before the program it started has run.
std::string Launched(const std::string& folder, const std::vector<std::string>& command) {
    const std::string log = folder + "/launched.log";
    ::unlink(log.c_str());
    const auto run = RunTool(command);
    if (run.exitCode != 0) return "exit " + std::to_string(run.exitCode) + ": " + run.output;
    for (int wait = 0; wait < 100 && ReadTextFile(log).empty(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::string line = ReadTextFile(log);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

TEST_F(LinuxInstallRun, TheDesktopShowsAndOpensEverythingInstalled) {
    const std::string target = m_home + "/Kavrel";
    const ScriptedUi ui = Run({target});
    ASSERT_EQ(Captions(ui), "Kavrel;");
    for (const auto& name : InstallFileList(""))
        EXPECT_EQ(ReadTextFile(target + "/" + name), ReadTextFile(m_source + "/" + name)) << name;
    struct stat program {};
    ASSERT_EQ(::stat((target + "/kavrel").c_str(), &program), 0);
    EXPECT_EQ(program.st_mode & 0777, 0755u);
    EXPECT_EQ(FileNamesIn(target).size(), 12u) << "no temporary file is left behind";

    const std::string menu =
        ReadTextFile(m_scratch.path() + "/config/menus/applications-merged/kavrel.menu");
    EXPECT_NE(menu.find("<Directory>kavrel.directory</Directory>"), std::string::npos) << menu;
    EXPECT_NE(menu.find("<Category>X-Kavrel</Category>"), std::string::npos) << menu;
    EXPECT_EQ(testing::DesktopFileProblems(m_scratch.path() +
                                           "/data/desktop-directories/kavrel.directory"),
              "");

    // Each item starts its program, or shows its file in the help viewer.
    const struct {
        const char* entry;
        std::string started;
    } items[] = {
        {"kavrel-kavrel.desktop", "kavrel "},
        {"kavrel-kavrel-help.desktop", "kavrel-help " + target + "/kavrel.hlp"},
        {"kavrel-documentation.desktop", "kavrel-help " + target + "/readme.txt"},
        {"kavrel-quick-start.desktop", "kavrel-help " + target + "/media.doc"},
        {"kavrel-overview.desktop", "kavrel-help " + target + "/overview.txt"},
    };
    for (const auto& item : items) {
        const std::string entry = applications() + "/" + item.entry;
        EXPECT_EQ(testing::DesktopFileProblems(entry), "");
        EXPECT_EQ(Launched(target, {"gio", "launch", entry}), item.started) << item.entry;
    }

    // The help file is known by its content, and opens in the help viewer; a Windows help
    // file keeps its own type.
    const std::string windowsHelp = m_home + "/windows.hlp";
    WriteTextFile(windowsHelp, std::string("?_\x03\0\0\0\0\0", 8) + std::string(56, '\xff'));
    const std::string help = target + "/kavrel.hlp";
    EXPECT_EQ(RunTool({"xdg-mime", "query", "filetype", help}).output,
              "application/x-kavrel-help\n");
    EXPECT_EQ(RunTool({"xdg-mime", "query", "filetype", windowsHelp}).output,
              "application/winhlp\n");
    EXPECT_EQ(RunTool({"xdg-mime", "query", "default", "application/x-kavrel-help"}).output,
              "org.kavrel.KavrelHelp.desktop\n");
    EXPECT_EQ(Launched(target, {"gio", "open", help}), "kavrel-help " + help);
}

TEST_F(LinuxInstallRun, ASecondRunOverwritesTheFilesAndTheEntries) {
    const std::string target = m_home + "/Kavrel";
    Run({target});
    WriteTextFile(m_source + "/readme.txt", "a newer readme\n");
    EXPECT_EQ(Captions(Run({target + "/"})), "Kavrel;");
    EXPECT_EQ(ReadTextFile(target + "/readme.txt"), "a newer readme\n");
    EXPECT_EQ(FileNamesIn(applications()).size(), 7u) << "the items, the viewer and the cache";
}

TEST_F(LinuxInstallRun, AMissingSourceFileStopsTheCopyBeforeTheMenu) {
    ::unlink((m_source + "/vendor.txt").c_str());
    EXPECT_EQ(Captions(Run({m_home + "/Kavrel"})), "File Error;");
    EXPECT_EQ(FileNamesIn(m_home + "/Kavrel").size(), 6u);
    EXPECT_TRUE(FileNamesIn(applications()).empty());
}

TEST_F(LinuxInstallRun, AMenuStoreThatCannotBeOpenedIsReportedAfterTheCopy) {
    // A file where the data directory should be: not even root can make directories in it.
    WriteTextFile(m_scratch.path() + "/data", "not a directory");
    const ScriptedUi ui = Run({m_home + "/Kavrel"});
    EXPECT_EQ(Captions(ui), "DDE Error;DDE Error;");
    EXPECT_EQ(ui.messages.at(0).text, "Windows is busy. Please run Install again!");
    EXPECT_EQ(FileNamesIn(m_home + "/Kavrel").size(), 12u);
}

// Every directory on the way to `path` must let other users through.
bool OthersCanReach(const std::string& path) {
    for (auto dir = std::filesystem::path(path); dir != dir.parent_path();
         dir = dir.parent_path()) {
        struct stat info {};
        if (::stat(dir.c_str(), &info) != 0 || (info.st_mode & S_IXOTH) == 0) return false;
    }
    return true;
}

// Runs in a child process, as nobody when started as root: root ignores permission bits.
[[noreturn]] void InstallIntoReadOnlyDirectory(const std::string& source,
                                               const std::string& locked) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
        ::_exit(3);
    CLinuxInstallSystem system(source + "/install", {locked, {}});
    ScriptedUi ui;
    ui.dialogAnswers = {locked + "/Kavrel", locked};
    RunInstall(system, ui);
    std::string report = "messages=";
    for (const auto& message : ui.messages)
        report += message.caption + ": " + message.text + ";";
    report += "files=" + std::to_string(FileNamesIn(locked).size()) + "\n";
    std::fputs(report.c_str(), stderr);
    ::_exit(0); // no exit handlers: the sanitizers' leak check cannot run as nobody
}

TEST_F(LinuxInstallRun, AReadOnlyDirectoryCanBeNeitherCreatedInNorWrittenTo) {
    const std::string locked = m_scratch.path() + "/locked";
    ::mkdir(locked.c_str(), 0555);
    ::chmod(m_scratch.path().c_str(), 0755);
    if (::geteuid() == 0 && !OthersCanReach(locked))
        GTEST_SKIP() << "an unprivileged user cannot reach " << locked;
    EXPECT_EXIT(InstallIntoReadOnlyDirectory(m_source, locked), ::testing::ExitedWithCode(0),
                "messages=Drive: Cannot create directory .*/locked/Kavrel\\. Please select "
                "another name or drive\\.\\.\\.;Drive: Cannot write to '.*/locked'\\.;files=0");
}

} // namespace
} // namespace kavrel::install
