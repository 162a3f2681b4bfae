// The installer's flow on a Windows-like machine: the path rules, the checks before the copy,
// the copy and its cancel, the program group, and the last message.

#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_session.h"

#include <gtest/gtest.h>

namespace kavrel::install {
namespace {

using testing::FakeWindowsSystem;
using Strings = std::vector<std::string>;

std::string Repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(AcceptInstallPath, StoresAGoodPathAndRefusesABadOneWithItsMessage) {
    const struct {
        std::string text;
        bool stored;
        std::string result; // the target stored, or the message
    } cases[] = {
        {"C:\\", true, "C:"},
        {"C:\\Kavrel\\\\", true, "C:\\Kavrel\\"},
        {"A:\\Kavrel", true, "A:\\Kavrel"},
        {"N:\\Shared", true, "N:\\Shared"},
        {"C:Kavrel", false, "Missing '\\' !"},
        {"C:/Kavrel", false, "Missing '\\' !"},
        {"C", false, "Missing ':' !"},
        {"", false, "Drive letter incorrect !"},
        {"E:\\Kavrel", false, "Drive letter incorrect !"},
        {"R:\\Kavrel", false, "Drive letter incorrect !"},
        {"QKavrel", false, "Drive letter incorrect !"},
        // At most 255 bytes, however many characters they make.
        {"C:\\" + Repeated("\xc3\xbc", 126), true, "C:\\" + Repeated("\xc3\xbc", 126)},
        {"C:\\" + std::string(253, 'k'), false, "The path is longer than 255 bytes."},
        {"C:\\" + Repeated("\xc3\xbc", 127), false, "The path is longer than 255 bytes."},
    };
    for (const auto& c : cases) {
        FakeWindowsSystem fake;
        InstallSession session{fake, fake, "C:\\Dist\\", "old"};
        EXPECT_EQ(AcceptInstallPath(session, c.text), c.stored) << c.text;
        EXPECT_EQ(session.targetDirectory, c.stored ? c.result : "old");
        EXPECT_EQ(fake.log, c.stored ? Strings{} : Strings{"Data Entry: " + c.result});
        EXPECT_EQ(fake.beeps, c.stored ? 0 : 1);
    }
}

const char* const Complete = "Kavrel: Installation is complete";
const char* const NoSpaceOnD =
    "Drive Space: Not enough space on 'D' Drive. Please select another drive..";
const char* const Quit = "? Kavrel: Installation is not complete! Are you sure you want to quit?";
const char* const Busy = "DDE Error: Windows is busy. Please run Install again!";
const char* const NoItems = "DDE Error: Could not add sub-menu items!";
const char* const GroupProblem = "DDE Error: Problem adding application(s) to Windows Start "
                                 "Menu...\r\n\r\nRun Install again after re-starting Windows...";

// Every source file 100 KB, with `extra` bytes more in one: a payload of 1200 KB and a bit.
auto Payload(std::uint64_t freeKb, std::size_t extra) {
    return [=](FakeWindowsSystem& s) {
        for (auto& [path, content] : s.files)
            content.assign(100 * 1024, 'x');
        s.files.at("C:\\Dist\\kavrel.exe") += std::string(extra, 'x');
        s.freeOnD = freeKb;
    };
}

struct FlowCase {
    const char* name;
    std::function<void(FakeWindowsSystem&)> setUp;
    std::vector<std::optional<std::string>> answers; // each OK's path; nullopt is Cancel
    std::map<std::size_t, bool> cancelAt;
    std::size_t copied; // files copied, in the list's order, into `target`
    Strings log;
    const char* target = "D:\\Apps\\Kavrel\\";
    std::optional<std::size_t> commands; // when not all six go out after a whole copy
};

const FlowCase FlowCases[] = {
    {"CancelInTheFirstDialog", {}, {std::nullopt}, {}, 0, {"dialog C:\\Program Files\\Kavrel"}},
    // A refused path stays in the dialog and is not remembered; a failure later is.
    {"AfterAFailureTheLastAcceptedPathIsOffered",
     [](auto& s) { s.freeOnD = 0; },
     {"DKavrel", "D:\\Kavrel", std::nullopt},
     {},
     0,
     {"dialog C:\\Program Files\\Kavrel", "Data Entry: Missing ':' !", NoSpaceOnD,
      "dialog D:\\Kavrel"}},
    {"ExactlyThePayloadFree",
     Payload(1200, 0),
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "hold", "release", Complete}},
    {"APartKilobyteCountsWhole",
     Payload(1200, 1),
     {"D:\\Apps\\Kavrel"},
     {},
     0,
     {"dialog C:\\Program Files\\Kavrel", NoSpaceOnD, "dialog D:\\Apps\\Kavrel"}},
    {"SpaceThatCannotBeRead",
     [](auto& s) { s.freeOnD.reset(); },
     {"D:\\Apps\\Kavrel"},
     {},
     0,
     {"dialog C:\\Program Files\\Kavrel", NoSpaceOnD, "dialog D:\\Apps\\Kavrel"}},
    {"ExabytesFreeAndTheOldFilesReplaced",
     [](auto& s) {
         s.freeOnD = std::uint64_t{1} << 60; // more bytes than 64 bits hold
         s.dirs.insert("D:\\Apps\\Kavrel");
         s.files["D:\\Apps\\Kavrel\\readme.txt"] = "old";
     },
     {"D:\\Apps\\Kavrel\\"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "hold", "release", Complete}},
    {"IntoADriveRoot",
     {},
     {"C:\\"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "hold", "release", Complete},
     "C:\\"},
    // Only the last level is created: every parent must exist.
    {"AMissingParentAndADirectoryThatTakesNoFiles",
     [](auto& s) { s.readOnly.insert("D:\\Apps"); },
     {"C:\\Missing\\Kavrel", "D:\\Apps"},
     {},
     0,
     {"dialog C:\\Program Files\\Kavrel",
      "Drive: Cannot create directory C:\\Missing\\Kavrel. Please select another name or "
      "drive...",
      "dialog C:\\Missing\\Kavrel", "Drive: Cannot write to 'D:\\Apps'.", "dialog D:\\Apps"}},
    // Files copied before the cancel stay, and nothing more is said.
    {"CancelDuringTheCopy",
     {},
     {"D:\\Apps\\Kavrel"},
     {{3, true}},
     3,
     {"dialog C:\\Program Files\\Kavrel", Quit},
     "D:\\Apps\\Kavrel\\",
     0},
    {"AnsweringNoLetsTheCopyGoOn",
     {},
     {"D:\\Apps\\Kavrel"},
     {{0, false}, {11, false}},
     12,
     {"dialog C:\\Program Files\\Kavrel", Quit, Quit, "hold", "release", Complete}},
    {"AFailedCopy",
     [](auto& s) { s.files.erase("C:\\Dist\\media.doc"); },
     {"D:\\Apps\\Kavrel"},
     {},
     4,
     {"dialog C:\\Program Files\\Kavrel",
      "File Error: An error has occurred during File copying. Check program disks and run "
      "Install again..."}},
    // The manager is started once when it is not running, and not when it refused with a code.
    {"ManagerStartedWhenNotRunning",
     [](auto& s) { s.managerRunning = false, s.managerStartsWhenAsked = true; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "start PROGMAN", "hold", "release", Complete}},
    {"ManagerDoesNotStart",
     [](auto& s) { s.managerRunning = false; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "start PROGMAN", Busy, GroupProblem},
     "D:\\Apps\\Kavrel\\",
     0},
    {"ManagerRefusesWithACode",
     [](auto& s) { s.managerRunning = false, s.connectError = 0x400A; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", Busy, GroupProblem},
     "D:\\Apps\\Kavrel\\",
     0},
    {"NoManagerWindow",
     [](auto& s) { s.managerWindow = false; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel",
      "Install Error: Windows PM is busy. Please run Install again!", GroupProblem},
     "D:\\Apps\\Kavrel\\",
     0},
    // A refused command is a failure whether or not it leaves an error code.
    {"GroupRefusedWithoutCode",
     [](auto& s) { s.failCommandAt = 0; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "hold", "DDE Error: Could not make main menu item!",
      "release", GroupProblem},
     "D:\\Apps\\Kavrel\\",
     1},
    {"ThirdItemRefused",
     [](auto& s) { s.failCommandAt = 3, s.commandError = 0x4009; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "hold", NoItems, "release", GroupProblem},
     "D:\\Apps\\Kavrel\\",
     4},
    {"HelpFilesNotAssociated",
     [](auto& s) { s.associationRefused = true; },
     {"D:\\Apps\\Kavrel"},
     {},
     12,
     {"dialog C:\\Program Files\\Kavrel", "hold", "release", NoItems, GroupProblem}},
};

void PrintTo(const FlowCase& c, std::ostream* out) {
    *out << c.name;
}

class InstallFlow : public ::testing::TestWithParam<FlowCase> {};

TEST_P(InstallFlow, SaysWhatItShouldInOrderAndCopiesWhatItShould) {
    const FlowCase& c = GetParam();
    FakeWindowsSystem fake;
    if (c.setUp) c.setUp(fake);
    fake.answers = c.answers;
    fake.cancelAt = c.cancelAt;
    RunInstall(fake, fake);

    EXPECT_EQ(fake.log, c.log);
    Strings copied;
    for (const auto& name : InstallFileList(".exe"))
        if (copied.size() < c.copied) copied.push_back(c.target + name);
    EXPECT_EQ(fake.copied, copied);
    for (const auto& target : copied)
        EXPECT_EQ(fake.files.at(target),
                  fake.files.at("C:\\Dist\\" + target.substr(target.rfind('\\') + 1)));
    EXPECT_EQ(fake.commands.size(), c.commands.value_or(c.copied == 12 ? 6 : 0));
    if (fake.commands.size() == 6) {
        EXPECT_EQ(fake.commands[5],
                  std::string("[AddItem(\"") + c.target + "overview.txt\",\"Overview\")]");
    }
    EXPECT_EQ(fake.copyDialogsOpen, 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, InstallFlow, ::testing::ValuesIn(FlowCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace kavrel::install
