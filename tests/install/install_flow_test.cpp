// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string Joined(const Strings& log) {
    std::string joined;
    for (const auto& line : log)
        joined += line + "|";
    return joined;
}

std::string Repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(AcceptInstallPath, StoresAGoodPathAndRefusesABadOneWithItsMessage) {
    const std::string Umlauts = Repeated("\xc3\xbc", 126),
                      TooLong = "Data Entry: The path is longer than 255 bytes.|";
    const struct {
        std::string text;
        std::string result; // the target stored, or the message and "|"
    } cases[] = {
        {"C:\\", "C:"},
        {"C:\\Kavrel\\\\", "C:\\Kavrel\\"},
        {"N:\\Shared", "N:\\Shared"},
        {"C:Kavrel", "Data Entry: Missing '\\' !|"},
        {"C", "Data Entry: Missing ':' !|"},
        {"A:/Kavrel", "Data Entry: Missing '\\' !|"},
        {"", "Data Entry: Drive letter incorrect !|"},
        {"E:\\Kavrel", "Data Entry: Drive letter incorrect !|"},
        {"R:\\Kavrel", "Data Entry: Drive letter incorrect !|"},
        {"QKavrel", "Data Entry: Drive letter incorrect !|"},
        // At most 255 bytes, however many characters they make.
        {"C:\\" + Umlauts, "C:\\" + Umlauts},
        {"C:\\" + Umlauts + "\xc3\xbc", TooLong},
        {"C:\\" + std::string(253, 'k'), TooLong},
    };
    for (const auto& c : cases) {
        FakeWindowsSystem fake;
        InstallSession session{fake, fake, "C:\\Dist\\", "old"};
        const bool stored = c.result.back() != '|';
        EXPECT_EQ(AcceptInstallPath(session, c.text), stored) << c.text;
        EXPECT_EQ(session.targetDirectory, stored ? c.result : "old");
        EXPECT_EQ(Joined(fake.log) + std::to_string(fake.beeps), stored ? "0" : c.result + "1");
    }
}

const std::string Offer = "dialog C:\\Program Files\\Kavrel|",
                  Done = "hold|release|Kavrel: Installation is complete|",
                  NoSpaceOnD =
                      "Drive Space: Not enough space on 'D' Drive. Please select another drive..|",
                  Quit = "? Kavrel: Installation is not complete! Are you sure you want to quit?|",
                  Busy = "DDE Error: Windows is busy. Please run Install again!|",
                  NoItems = "DDE Error: Could not add sub-menu items!|",
                  Problem = "DDE Error: Problem adding application(s) to Windows Start "
                            "Menu...\r\n\r\nRun Install again after re-starting Windows...|";

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
    std::size_t copied;                       // files copied, in the list's order, into `target`
    std::string log;                          // joined by '|'
    std::optional<std::size_t> commands = {}; // when not all six go out after a whole copy
    std::vector<std::optional<std::string>> answers = {"D:\\Apps\\Kavrel"}; // nullopt is Cancel
    std::map<std::size_t, bool> cancelAt = {};
    std::string target = "D:\\Apps\\Kavrel\\";
};

const FlowCase FlowCases[] = {
    {"CancelInTheFirstDialog", {}, 0, Offer, {}, {std::nullopt}},
    // A refused path stays in the dialog and is not remembered; a failure later is.
    {"AfterAFailureTheLastAcceptedPathIsOffered",
     [](auto& s) { s.freeOnD = 0; },
     0,
     Offer + "Data Entry: Missing ':' !|" + NoSpaceOnD + "dialog D:\\Kavrel|",
     {},
     {"DKavrel", "D:\\Kavrel", std::nullopt}},
    {"ExactlyThePayloadFree", Payload(1200, 0), 12, Offer + Done},
    {"APartKilobyteCountsWhole", Payload(1200, 1), 0,
     Offer + NoSpaceOnD + "dialog D:\\Apps\\Kavrel|"},
    {"SpaceThatCannotBeRead", [](auto& s) { s.freeOnD.reset(); }, 0,
     Offer + NoSpaceOnD + "dialog D:\\Apps\\Kavrel|"},
    {"ExabytesFreeAndTheOldFilesReplaced",
     [](auto& s) {
         s.freeOnD = std::uint64_t{1} << 60; // more bytes than 64 bits hold
         s.dirs.insert("D:\\Apps\\Kavrel");
         s.files["D:\\Apps\\Kavrel\\readme.txt"] = "old";
     },
     12,
     Offer + Done,
     {},
     {"D:\\Apps\\Kavrel\\"}},
    {"IntoADriveRoot", {}, 12, Offer + Done, {}, {"C:\\"}, {}, "C:\\"},
    // Only the last level is created: every parent must exist.
    {"AMissingParentAndADirectoryThatTakesNoFiles",
     [](auto& s) { s.readOnly.insert("D:\\Apps"); },
     0,
     Offer + "Drive: Cannot create directory C:\\Missing\\Kavrel. Please select another name or "
             "drive...|"
             "dialog C:\\Missing\\Kavrel|Drive: Cannot write to 'D:\\Apps'.|dialog D:\\Apps|",
     {},
     {"C:\\Missing\\Kavrel", "D:\\Apps"}},
    // Files copied before the cancel stay, and nothing more is said.
    {"CancelDuringTheCopy", {}, 3, Offer + Quit, {}, {"D:\\Apps\\Kavrel"}, {{3, true}}},
    {"AnsweringNoLetsTheCopyGoOn",
     {},
     12,
     Offer + Quit + Quit + Done,
     {},
     {"D:\\Apps\\Kavrel"},
     {{0, false}, {11, false}}},
    {"AFailedCopy", [](auto& s) { s.files.erase("C:\\Dist\\media.doc"); }, 4,
     Offer + "File Error: An error has occurred during File copying. Check program disks and run "
             "Install again...|"},
    // The manager is started once when it is not running, and not when it refused with a code.
    {"ManagerStartedWhenNotRunning",
     [](auto& s) { s.managerRunning = false, s.managerStartsWhenAsked = true; }, 12,
     Offer + "start PROGMAN|" + Done},
    {"ManagerDoesNotStart", [](auto& s) { s.managerRunning = false; }, 12,
     Offer + "start PROGMAN|" + Busy + Problem, 0},
    {"ManagerRefusesWithACode", [](auto& s) { s.managerRunning = false, s.connectError = 0x400A; },
     12, Offer + Busy + Problem, 0},
    {"NoManagerWindow", [](auto& s) { s.managerWindow = false; }, 12,
     Offer + "Install Error: Windows PM is busy. Please run Install again!|" + Problem, 0},
    // A refused command is a failure whether or not it leaves an error code.
    {"GroupRefusedWithoutCode", [](auto& s) { s.failCommandAt = 0; }, 12,
     Offer + "hold|DDE Error: Could not make main menu item!|release|" + Problem, 1},
    {"ThirdItemRefused", [](auto& s) { s.failCommandAt = 3, s.commandError = 0x4009; }, 12,
     Offer + "hold|" + NoItems + "release|" + Problem, 4},
    {"HelpFilesNotAssociated", [](auto& s) { s.associationRefused = true; }, 12,
     Offer + "hold|release|" + NoItems + Problem},
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

    EXPECT_EQ(Joined(fake.log), c.log);
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
