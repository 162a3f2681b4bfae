#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_lists.h"
#include "install_path.h"
#include "linux/filesystem_kind.h"
#include "linux/linux_install_system.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::install {
namespace {

using linux_system::CLinuxInstallSystem;
using testing::ReadTextFile;
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

// A distribution folder with stand-ins for every file the installer copies.
std::string MakeSourceFolder(const std::string& root) {
    const std::string source = root + "/dist";
    ::mkdir(source.c_str(), 0755);
    for (const auto& name : InstallFileList(""))
        if (name == "kavrel" || name == "kavrel-calc")
            WriteTextFile(source + "/" + name, "#!/bin/sh\necho " + name + "\n", 0755);
        else
            WriteTextFile(source + "/" + name, "stand-in " + name + "\n", 0644);
    return source;
}

TEST(LinuxInstallPath, RefusesRelativePathsAndUnsuitableFilesystems) {
    ScratchDir scratch;
    CLinuxInstallSystem system("/opt/dist/install");
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
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckInstallPath(system, c.path), c.check) << c.path;
        EXPECT_EQ(InstallPathMessage(PathStyle::Posix, c.check), c.message) << c.path;
    }
    EXPECT_EQ(linux_system::NearestExistingAncestor(scratch.path() + "/a/b/../c"), scratch.path());
}

TEST(LinuxInstallPath, RefusesARamDisk) {
    if (MountedType("/dev/shm") != "tmpfs") GTEST_SKIP() << "/dev/shm is not a tmpfs here";
    CLinuxInstallSystem system("/opt/dist/install");
    EXPECT_EQ(system.GetDriveType("/dev/shm/Kavrel"), DriveType::RamDisk);
    EXPECT_EQ(CheckInstallPath(system, "/dev/shm/Kavrel"), 1);
}

// Installs from a stand-in distribution folder into a scratch $HOME.
class LinuxInstallRun : public ::testing::Test {
protected:
    LinuxInstallRun()
        : m_home(m_scratch.path() + "/home dir"), m_source(MakeSourceFolder(m_scratch.path())),
          m_homeEnv("HOME", m_home), m_configEnv("XDG_CONFIG_HOME", m_home + "/config"),
          m_dataEnv("XDG_DATA_HOME", m_home + "/data") {
        ::mkdir(m_home.c_str(), 0755);
    }

    ScriptedUi Run(const std::string& target) {
        CLinuxInstallSystem system(m_source + "/install");
        ScriptedUi ui;
        ui.dialogAnswers = {target};
        RunInstall(system, ui);
        return ui;
    }

    std::string applications() const { return m_home + "/data/applications"; }

    ScratchDir m_scratch;
    std::string m_home;
    std::string m_source;
    ScopedEnv m_homeEnv;
    ScopedEnv m_configEnv;
    ScopedEnv m_dataEnv;
};

TEST_F(LinuxInstallRun, CopiesTheFilesAndAddsTheKavrelSubmenu) {
    const std::string target = m_home + "/Kavrel";
    const ScriptedUi ui = Run(target);
    EXPECT_EQ(ui.offeredTargets, std::vector<std::string>{target});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Installation is complete");

    for (const auto& name : InstallFileList("")) {
        EXPECT_EQ(ReadTextFile(target + "/" + name), ReadTextFile(m_source + "/" + name)) << name;
    }
    struct stat program {};
    ASSERT_EQ(::stat((target + "/kavrel").c_str(), &program), 0);
    EXPECT_EQ(program.st_mode & 0777, 0755u);
    EXPECT_EQ(testing::FileNamesIn(target).size(), 11u) << "no temporary file is left behind";

    const std::string menu = ReadTextFile(m_home + "/config/menus/applications-merged/kavrel.menu");
    EXPECT_NE(menu.find("<Name>Kavrel</Name>"), std::string::npos) << menu;
    EXPECT_NE(menu.find("<Directory>kavrel.directory</Directory>"), std::string::npos);
    EXPECT_NE(menu.find("<Category>X-Kavrel</Category>"), std::string::npos);

    EXPECT_EQ(testing::FileNamesIn(applications()),
              (std::vector<std::string>{"kavrel-documentation.desktop",
                                        "kavrel-kavrel-help.desktop", "kavrel-kavrel.desktop",
                                        "kavrel-overview.desktop", "kavrel-quick-start.desktop"}));
    const std::string program_entry = ReadTextFile(applications() + "/kavrel-kavrel.desktop");
    EXPECT_NE(program_entry.find("\nExec=\"" + target + "/kavrel\"\n"), std::string::npos)
        << program_entry;
    const std::string help = ReadTextFile(applications() + "/kavrel-kavrel-help.desktop");
    EXPECT_NE(help.find("\nName=Kavrel Help\n"), std::string::npos);
    EXPECT_NE(help.find("\nExec=xdg-open \"" + target + "/kavrel.hlp\"\n"), std::string::npos)
        << help;

    std::vector<std::string> entries;
    for (const auto& name : testing::FileNamesIn(applications()))
        entries.push_back(applications() + "/" + name);
    entries.push_back(m_home + "/data/desktop-directories/kavrel.directory");
    for (const auto& entry : entries) {
        const auto run = testing::ValidateDesktopFile(entry);
        if (!run.available) GTEST_SKIP() << "desktop-file-validate was not found";
        EXPECT_EQ(run.exitCode, 0) << entry << "\n" << run.output;
        EXPECT_FALSE(testing::ReportsAProblem(run)) << run.output;
    }
}

TEST_F(LinuxInstallRun, ASecondRunOverwritesTheFilesAndTheEntries) {
    const std::string target = m_home + "/Kavrel";
    Run(target);
    WriteTextFile(m_source + "/readme.txt", "a newer readme\n");
    const ScriptedUi ui = Run(target + "/");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Installation is complete");
    EXPECT_EQ(ReadTextFile(target + "/readme.txt"), "a newer readme\n");
    EXPECT_EQ(testing::FileNamesIn(applications()).size(), 5u);
}

TEST_F(LinuxInstallRun, AMissingSourceFileStopsTheCopy) {
    ::unlink((m_source + "/vendor.txt").c_str());
    const ScriptedUi ui = Run(m_home + "/Kavrel");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "File Error");
    EXPECT_EQ(testing::FileNamesIn(m_home + "/Kavrel").size(), 6u);
    EXPECT_TRUE(testing::FileNamesIn(applications()).empty());
}

TEST_F(LinuxInstallRun, AMenuStoreThatCannotBeOpenedIsReportedAfterTheCopy) {
    // A file where the data directory should be: not even root can make directories in it.
    WriteTextFile(m_home + "/data", "not a directory");
    const ScriptedUi ui = Run(m_home + "/Kavrel");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Windows is busy. Please run Install again!");
    EXPECT_EQ(ui.messages[1].caption, "DDE Error");
    EXPECT_EQ(testing::FileNamesIn(m_home + "/Kavrel").size(), 11u);
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
    CLinuxInstallSystem system(source + "/install");
    ScriptedUi ui;
    ui.dialogAnswers = {locked + "/Kavrel", locked};
    RunInstall(system, ui);
    std::string report = "captions=";
    for (const auto& message : ui.messages)
        report += message.caption + ";";
    report += "files=" + std::to_string(testing::FileNamesIn(locked).size()) + "\n";
    std::fputs(report.c_str(), stderr);
    ::_exit(0); // no exit handlers: the sanitizers' leak check cannot run as nobody
}

TEST_F(LinuxInstallRun, AReadOnlyDirectoryCanBeNeitherCreatedInNorCopiedInto) {
    const std::string locked = m_scratch.path() + "/locked";
    ::mkdir(locked.c_str(), 0555);
    ::chmod(m_scratch.path().c_str(), 0755);
    if (::geteuid() == 0 && !OthersCanReach(locked))
        GTEST_SKIP() << "an unprivileged user cannot reach " << locked;
    EXPECT_EXIT(InstallIntoReadOnlyDirectory(m_source, locked), ::testing::ExitedWithCode(0),
                "captions=Drive;File Error;files=0");
}

} // namespace
} // namespace kavrel::install
