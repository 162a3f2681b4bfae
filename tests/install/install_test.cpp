// SPDX-License-Identifier: GPL-3.0-or-later
// The installer: its flow on a Windows-like machine, driven by a user who answers from a
// script, and real installs into a scratch home, read back by the desktop's own tools.

#include "install_flow.h"
#include "install_lists.h"
#include "linux/atomic_file.h"
#include "linux/linux_install_system.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::install {
namespace {

namespace fs = std::filesystem;
using namespace linux_system;

// A machine with Program Manager and a user who answers from a script. Both write what they
// are asked to do into one transcript, each line ended by '|'. Every source file in C:\Dist
// but the missing ones holds `fileSize` bytes.
class FakeWindowsSystem final : public IInstallSystem, public IInstallUi {
public:
    PathStyle GetPathStyle() const override { return PathStyle::DriveLetter; }
    std::string_view GetExecutableSuffix() const override { return ".exe"; }
    std::string GetDefaultTarget() const override { return "C:\\Program Files\\Kavrel"; }
    std::string GetOwnPath() const override { return "C:\\Dist\\INSTALL.EXE"; }
    DriveType GetDriveType(const std::string& root) override {
        const bool letter = root.size() == 3 && root.ends_with(":\\") && drives.contains(root[0]);
        return letter ? drives.at(root[0]) : DriveType::NoRootDir;
    }
    std::optional<DiskSpace> GetDiskFreeSpace(const std::string& root) override {
        if (root != "D:\\") return DiskSpace{8, 512, 1'000'000};
        return freeOnD ? std::optional<DiskSpace>({1, 1024, *freeOnD}) : std::nullopt;
    }
    bool SetCurrentDirectory(const std::string& path) override { return dirs.contains(path); }
    bool CreateDirectory(const std::string& path) override {
        return dirs.contains(path.substr(0, path.rfind('\\'))) && dirs.insert(path).second;
    }
    bool CanWriteTo(const std::string& directory) override { return !readOnly.contains(directory); }
    std::optional<std::uint64_t> GetFileSize(const std::string& path) override {
        return IsSource(path) ? std::optional(fileSize) : std::nullopt;
    }
    bool CopyFile(const std::string& from, const std::string& to) override {
        if (!IsSource(from) || !dirs.contains(to.substr(0, to.rfind('\\')))) return false;
        copied.push_back(to);
        return true;
    }
    std::unique_ptr<IProgramGroupLink> ConnectProgramGroup(const std::string&,
                                                           const std::string&) override {
        lastError = managerRunning ? 0 : connectError;
        return managerRunning ? std::make_unique<Part>(*this) : nullptr;
    }
    int GetLastProgramGroupError() const override { return lastError; }
    void StartProgramHidden(const std::string& program) override {
        log += "start " + program + "|";
        managerRunning = managerStartsWhenAsked;
    }
    bool FindProgramManagerWindow() override { return managerWindow; }
    void HoldProgramManagerWindow() override { log += "hold|"; }
    void ReleaseProgramManagerWindow() override { log += "release|"; }
    bool AssociateHelpFiles(const std::string&) override { return !associationRefused; }

    // Each answer is one OK with that text in the path field; nullopt, or none left, is Cancel.
    bool RunInstallDialog(const std::string& target,
                          const std::function<bool(const std::string&)>& onOk) override {
        log += "dialog " + target + "|";
        while (next < answers.size())
            if (const auto& answer = answers[next++]; !answer || onOk(*answer))
                return answer.has_value();
        return false;
    }
    std::unique_ptr<ICopyDialog> OpenCopyDialog(std::function<void()> onCommand) override {
        return std::make_unique<Part>(*this, std::move(onCommand));
    }
    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon) override {
        log += std::string(caption) + ": " + std::string(text) + "|";
    }
    bool AskYesNo(std::string_view text, std::string_view caption) override {
        log += "? " + std::string(caption) + ": " + std::string(text) + "|";
        return quit;
    }
    void Beep() override { log += '\a'; }

    std::map<char, DriveType> drives = {{'A', DriveType::Removable}, {'C', DriveType::Fixed},
                                        {'D', DriveType::Fixed},     {'E', DriveType::CdRom},
                                        {'N', DriveType::Remote},    {'R', DriveType::RamDisk}};
    std::set<std::string> dirs = {"C:", "C:\\Program Files", "C:\\Dist", "D:", "D:\\Apps"};
    std::set<std::string> readOnly, missing;
    std::uint64_t fileSize = 100 * 1024;
    // In KB: more bytes than 64 bits hold.
    std::optional<std::uint64_t> freeOnD = std::uint64_t{1} << 60;
    bool managerRunning = true, managerStartsWhenAsked = false, managerWindow = true;
    bool associationRefused = false;
    int connectError = 0, commandError = 0, lastError = 0;
    // Commands are refused from [failFrom] on ([0] is CreateGroup); the others are counters.
    std::size_t failFrom = 99, executed = 0, shown = 0, next = 0;
    std::vector<std::optional<std::string>> answers = {"D:\\Apps\\Kavrel"};
    // Cancel is pressed while these files are shown, and `quit` answers the question.
    std::set<std::size_t> cancelAt;
    bool quit = false;

    std::string log; // a beep is '\a'
    std::vector<std::string> copied;

    bool IsSource(const std::string& path) const {
        return path.starts_with("C:\\Dist\\") && !missing.contains(path.substr(8));
    }
    // The program-group link, and the copy dialog with its `onCommand`.
    struct Part final : IProgramGroupLink, ICopyDialog {
        Part(FakeWindowsSystem& f, std::function<void()> c = {})
            : fake(f), onCommand(std::move(c)) {}
        bool Execute(const std::string&) override {
            if (fake.executed++ < fake.failFrom) return true;
            fake.lastError = fake.commandError;
            return false;
        }
        void ShowFileName(const std::string&) override { ++fake.shown; }
        void ProcessPendingEvents() override {
            if (fake.cancelAt.contains(fake.shown - 1)) onCommand();
        }
        FakeWindowsSystem& fake;
        std::function<void()> onCommand;
    };
};

const std::string Busy = "DDE Error: Windows is busy. Please run Install again!|",
                  Problem = "DDE Error: Problem adding application(s) to Windows Start "
                            "Menu...\r\n\r\nRun Install again after re-starting Windows...|";

TEST(InstallFlow, SaysWhatItShouldInOrderAndCopiesWhatItShould) {
    const std::string
        Offer = "dialog C:\\Program Files\\Kavrel|",
        Done = "hold|release|Kavrel: Installation is complete|",
        NoSpaceOnD = "Drive Space: Not enough space on 'D' Drive. Please select another drive..|",
        Quit = "? Kavrel: Installation is not complete! Are you sure you want to quit?|",
        NoItems = "DDE Error: Could not add sub-menu items!|",
        BadDrive = "\aData Entry: Drive letter incorrect !|",
        NoColon = "\aData Entry: Missing ':' !|", NoBackslash = "\aData Entry: Missing '\\' !|",
        LongPath = "C:\\" + std::string(252, 'k');
    const struct {
        const char* name;
        std::function<void(FakeWindowsSystem&)> setUp;
        std::size_t copied; // files copied, in the list's order, into `target`
        std::string log;    // after the offer of the default target
        std::string target = "D:\\Apps\\Kavrel\\";
    } cases[] = {
        {"CancelInTheFirstDialog", [](auto& s) { s.answers = {std::nullopt}; }, 0, ""},
        // A refused path stays in the dialog, with a beep. A path has at most 255 bytes, however
        // few characters they make.
        {"RefusedPaths",
         [&](auto& s) {
             s.answers = {
                 "C:Kavrel",   "C",          "A:/Kavrel", "",
                 "E:\\Kavrel", "R:\\Kavrel", "QKavrel",   LongPath.substr(0, 254) + "\xc3\xbc",
                 std::nullopt};
         },
         0,
         NoBackslash + NoColon + NoBackslash + BadDrive + BadDrive + BadDrive + BadDrive +
             "\aData Entry: The path is longer than 255 bytes.|"},
        // The dialog offers again the last path accepted, without one trailing separator. Only the
        // last level is created: every parent must exist.
        {"AcceptedPathsThatCannotBeUsed",
         [&](auto& s) {
             s.answers = {"DKavrel", "N:\\Shared\\\\", "D:\\Apps", LongPath};
             s.readOnly = {"D:\\Apps"};
         },
         12,
         NoColon +
             "Drive: Cannot create directory N:\\Shared\\. Please select another name or drive...|"
             "dialog N:\\Shared\\|Drive: Cannot write to 'D:\\Apps'.|dialog D:\\Apps|" +
             Done,
         LongPath + "\\"},
        {"ExactlyThePayloadFree", [](auto& s) { s.freeOnD = 1200; }, 12, Done},
        {"APartKilobyteCountsWhole", [](auto& s) { s.freeOnD = 1200, ++s.fileSize; }, 0,
         NoSpaceOnD + "dialog D:\\Apps\\Kavrel|"},
        {"SpaceThatCannotBeRead", [](auto& s) { s.freeOnD.reset(); }, 0,
         NoSpaceOnD + "dialog D:\\Apps\\Kavrel|"},
        {"IntoADriveRoot", [](auto& s) { s.answers = {"C:\\"}; }, 12, Done, "C:\\"},
        // Files copied before the cancel stay, and nothing more is said.
        {"CancelDuringTheCopy", [](auto& s) { s.cancelAt = {3}, s.quit = true; }, 3, Quit},
        {"AnsweringNoLetsTheCopyGoOn", [](auto& s) { s.cancelAt.insert(0), s.cancelAt.insert(11); },
         12, Quit + Quit + Done},
        {"AFailedCopy", [](auto& s) { s.missing = {"media.doc"}; }, 4,
         "File Error: An error has occurred during File copying. Check program disks and run "
         "Install again...|"},
        // The manager is started once when it is not running, and not when it refused with a code.
        {"ManagerStartedWhenNotRunning",
         [](auto& s) { s.managerRunning = false, s.managerStartsWhenAsked = true; }, 12,
         "start PROGMAN|" + Done},
        {"ManagerDoesNotStart", [](auto& s) { s.managerRunning = false; }, 12,
         "start PROGMAN|" + Busy + Problem},
        {"ManagerRefusesWithACode",
         [](auto& s) { s.managerRunning = false, s.connectError = 0x400A; }, 12, Busy + Problem},
        {"NoManagerWindow", [](auto& s) { s.managerWindow = false; }, 12,
         "Install Error: Windows PM is busy. Please run Install again!|" + Problem},
        // The first refused command ends them, whether or not it leaves an error code.
        {"GroupRefusedWithoutCode", [](auto& s) { s.failFrom = 0; }, 12,
         "hold|DDE Error: Could not make main menu item!|release|" + Problem},
        {"ThirdItemRefused", [](auto& s) { s.failFrom = 3, s.commandError = 0x4009; }, 12,
         "hold|" + NoItems + "release|" + Problem},
        {"HelpFilesNotAssociated", [](auto& s) { s.associationRefused = true; }, 12,
         "hold|release|" + NoItems + Problem},
    };
    for (const auto& c : cases) {
        FakeWindowsSystem fake;
        c.setUp(fake);
        RunInstall(fake, fake);
        EXPECT_EQ(fake.log, Offer + c.log) << c.name;
        std::vector<std::string> copied;
        for (const auto& name : InstallFileList(".exe"))
            if (copied.size() < c.copied) copied.push_back(c.target + name);
        EXPECT_EQ(fake.copied, copied) << c.name;
    }
}

// Under the build tree: /tmp is a RAM disk on many systems, and refused as a target.
struct ScratchDir {
    ScratchDir() : path(std::string(KAVREL_INSTALL_SCRATCH_DIR) + "/run-XXXXXX") {
        if (!::mkdtemp(path.data())) throw std::runtime_error("cannot make " + path);
    }
    ~ScratchDir() { fs::remove_all(path); }
    std::string path;
};

void Write(const std::string& path, const std::string& text, unsigned mode = 0644) {
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
}

std::string Read(const std::string& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

std::size_t FileCount(const std::string& directory) {
    return std::distance(fs::directory_iterator(directory), fs::directory_iterator());
}

// A tool's standard output and error, and its exit status when it fails.
std::string Tool(const std::vector<std::string>& arguments) {
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

// A failed fill, or a signal while it runs, leaves no file behind; the signal still ends the
// program.
TEST(ReplaceFileAtomically, LeavesNothingBehindOnAFailureOrASignal) {
    ScratchDir scratch;
    const std::string file = scratch.path + "/kavrel";
    EXPECT_EQ(ReplaceFileAtomically(file, 0755, [](int) { return EIO; }), EIO);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const auto fill = [signal](int fd) {
            return ::write(fd, "half", 4) == 4 ? ::raise(signal) : EIO;
        };
        EXPECT_EXIT(ReplaceFileAtomically(file, 0755, fill), ::testing::KilledBySignal(signal), "");
    }
    EXPECT_EQ(FileCount(scratch.path), 0u);
}

// Installs from a distribution folder, with the real help file and stand-ins that note how
// they were started, into a scratch home with no desktop of its own, so that the freedesktop
// tools read only what the installer wrote. The home's name needs quoting and escaping.
TEST(LinuxInstallRun, TheDesktopShowsAndOpensEverythingInstalledAndASecondRunReplacesIt) {
    ScratchDir scratch;
    const std::string home = scratch.path + "/home \"dir\" $x `y` \\z", target = home + "/Kavrel",
                      source = scratch.path + "/dist", data = scratch.path + "/data";
    ::setenv("HOME", home.c_str(), 1);
    for (const auto* name :
         {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION"})
        ::unsetenv(name);
    // Root installs for every user, anyone else for themselves.
    const auto root = InstallPlacesFor(0), user = InstallPlacesFor(1000);
    EXPECT_EQ(root.defaultTarget + " " + root.desktop->mergedMenus + " " + root.desktop->mime,
              "/opt/Kavrel /etc/xdg/menus/applications-merged /usr/share/mime");
    EXPECT_EQ(user.desktop->applications, home + "/.local/share/applications");
    // xdg-mime cannot take the home's name.
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ::mkdir(home.c_str(), 0755);
    ::mkdir(source.c_str(), 0755);
    for (const auto& name : InstallFileList(""))
        Write(source + "/" + name,
              name == "kavrel.hlp"
                  ? Read(KAVREL_HELP_FILE)
                  : "#!/bin/sh\n# " + name + "\necho \"${0##*/} $*\" >> \"${0%/*}/launched.log\"\n",
              name.find('.') == std::string::npos ? 0755 : 0644);
    // What the user was told, from the path offered on.
    const auto install = [&](std::vector<std::optional<std::string>> answers) {
        CLinuxInstallSystem system(source + "/install", InstallPlacesFor(1000));
        FakeWindowsSystem ui;
        ui.answers = std::move(answers);
        RunInstall(system, ui);
        return ui.log;
    };
    // What the command started, as the stand-in wrote it down: the command may return before
    // the program it started has run.
    const auto launched = [&](const std::vector<std::string>& command) {
        const std::string log = target + "/launched.log";
        ::unlink(log.c_str());
        if (const std::string output = Tool(command); !output.empty()) return output;
        for (int wait = 0; wait < 100 && Read(log).empty(); ++wait)
            ::usleep(100'000);
        return Read(log);
    };

    // Relative paths, kernel filesystems and '%' (which desktop entries cannot launch) are refused.
    const std::string Offer = "dialog " + target + "|", Done = "Kavrel: Installation is complete|";
    ASSERT_EQ(install({"~/Kavrel", "/proc/Kavrel", target + "/100%", std::nullopt}),
              Offer + "\aData Entry: Missing '/' !|\aData Entry: Drive incorrect !|"
                      "\aData Entry: The path cannot contain '%'.|");
    ASSERT_EQ(install({target}), Offer + Done);
    for (const auto& name : InstallFileList(""))
        EXPECT_EQ(Read(target + "/" + name), Read(source + "/" + name)) << name;

    // The entries carry only the group's own category, so that they show in its submenu and
    // nowhere else. desktop-file-validate's hints do not count.
    const std::string menu = Read(home + "/.config/menus/applications-merged/kavrel.menu");
    EXPECT_NE(menu.find("<Directory>kavrel.directory</Directory>"), std::string::npos) << menu;
    EXPECT_NE(menu.find("<Category>X-Kavrel</Category>"), std::string::npos) << menu;
    EXPECT_NE(Read(data + "/applications/kavrel-kavrel.desktop").find("\nCategories=X-Kavrel;\n"),
              std::string::npos);
    for (const auto* folder : {"/applications", "/desktop-directories"})
        for (const auto& entry : fs::directory_iterator(data + folder))
            if (entry.path().extension() != ".cache") {
                EXPECT_FALSE(std::regex_search(Tool({"desktop-file-validate", entry.path()}),
                                               std::regex("error|warning|exit")));
            }
    EXPECT_EQ(launched({"gio", "launch", data + "/applications/kavrel-kavrel.desktop"}),
              "kavrel \n");
    EXPECT_EQ(launched({"gio", "launch", data + "/applications/kavrel-quick-start.desktop"}),
              "kavrel-help " + target + "/media.doc\n");
    // The help file is known by its content and opens in the help viewer.
    const std::string help = target + "/kavrel.hlp";
    EXPECT_EQ(Tool({"xdg-mime", "query", "default", "application/x-kavrel-help"}),
              "org.kavrel.KavrelHelp.desktop\n");
    EXPECT_EQ(launched({"gio", "open", help}), "kavrel-help " + help + "\n");

    Write(source + "/readme.txt", "a newer readme\n");
    EXPECT_EQ(install({target + "/"}), Offer + Done);
    EXPECT_EQ(Read(target + "/readme.txt"), "a newer readme\n");
    EXPECT_EQ(FileCount(target), 13u) << "the files and launched.log; no temporary file";
    EXPECT_EQ(FileCount(data + "/applications"), 7u) << "the items, the viewer and the cache";
    // A menu that cannot be made is reported before any item is added.
    Write(scratch.path + "/file", "");
    ::setenv("XDG_DATA_HOME", (scratch.path + "/file").c_str(), 1);
    EXPECT_EQ(install({target}), Offer + Busy + Problem);
    ::unlink((source + "/vendor.txt").c_str());
    EXPECT_EQ(install({target}), Offer + "File Error: An error has occurred during File copying. "
                                         "Check program disks and run Install again...|");

    // As nobody when started as root, who ignores permission bits; in a child, so as to drop them.
    ::chmod(scratch.path.c_str(), 0755);
    ::chmod(target.c_str(), 0555);
    const auto tryIt = [&] {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) || ::setgid(65534) || ::setuid(65534)))
            ::_exit(3);
        CLinuxInstallSystem system(source + "/install", {});
        ::_exit(system.CreateDirectory(target + "/sub") || system.CanWriteTo(target));
    };
    EXPECT_EXIT(tryIt(), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace kavrel::install
