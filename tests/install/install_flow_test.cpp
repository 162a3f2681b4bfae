// The installer's flow on a Windows-like machine: the dialogs, the checks before the copy,
// the copy and its cancel, and the last message.

#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_lists.h"

#include <gtest/gtest.h>

namespace kavrel::install {
namespace {

using testing::FakeWindowsSystem;
using testing::ScriptedUi;
using Strings = std::vector<std::string>;

const Strings WindowsFiles = {"kavrel.exe",  "kavrel.hlp",   "kavrel.cnt",      "readme.txt",
                              "media.doc",   "file_id.diz",  "vendor.txt",      "overview.txt",
                              "version.txt", "vendinfo.diz", "kavrel-calc.exe", "kavrel-help.exe"};
const char* const Default = "C:\\Program Files\\Kavrel";
const char* const Complete = "Kavrel: Installation is complete";
const char* const NoSpaceOnD = "Drive Space: Not enough space on 'D' Drive. Please select another "
                               "drive..";

Strings Messages(const ScriptedUi& ui) {
    Strings shown;
    for (const auto& message : ui.messages)
        shown.push_back(message.caption + ": " + message.text);
    return shown;
}

// Every source file 100 KB, one of them a byte more when `extraByte`: a payload of 1200 KB.
void MakePayload(FakeWindowsSystem& system, bool extraByte) {
    for (auto& [path, content] : system.files)
        content.assign(100 * 1024, 'x');
    if (extraByte) system.files.at("C:\\Dist\\kavrel.exe") += 'x';
}

void FreeOnD(FakeWindowsSystem& system, std::optional<std::uint64_t> kilobytes) {
    system.drives['D'].space =
        kilobytes ? std::optional<DiskSpace>(DiskSpace{1, 1024, *kilobytes}) : std::nullopt;
}

struct FlowCase {
    const char* name;
    std::function<void(FakeWindowsSystem&)> setUp;
    std::vector<std::optional<std::string>> answers; // each OK's path; nullopt is Cancel
    std::set<std::size_t> cancelAt;                  // Cancel while this file is shown
    std::deque<bool> quitAnswers;
    Strings offered; // the targets the dialog showed
    std::size_t copied;
    Strings messages;
    std::size_t questions = 0;
};

const FlowCase FlowCases[] = {
    {"CancelInTheFirstDialog", {}, {std::nullopt}, {}, {}, {Default}, 0, {}},
    // A refused path stays in the dialog and is not remembered; a failure later is.
    {"AfterAFailureTheLastAcceptedPathIsOffered",
     [](auto& s) { FreeOnD(s, 0); },
     {"DKavrel", "D:\\Kavrel", "C:Kavrel", std::nullopt},
     {},
     {},
     {Default, "D:\\Kavrel"},
     0,
     {"Data Entry: Missing ':' !", NoSpaceOnD, "Data Entry: Missing '\\' !"}},
    // The space needed is the size of the files, in whole kilobytes.
    {"ExactlyThePayloadFree",
     [](auto& s) {
         MakePayload(s, false);
         FreeOnD(s, 1200);
     },
     {"D:\\Apps\\Kavrel"},
     {},
     {},
     {Default},
     12,
     {Complete}},
    {"OneKilobyteShort",
     [](auto& s) {
         MakePayload(s, false);
         FreeOnD(s, 1199);
     },
     {"D:\\Apps\\Kavrel"},
     {},
     {},
     {Default, "D:\\Apps\\Kavrel"},
     0,
     {NoSpaceOnD}},
    {"APartKilobyteCountsWhole",
     [](auto& s) {
         MakePayload(s, true);
         FreeOnD(s, 1200);
     },
     {"D:\\Apps\\Kavrel"},
     {},
     {},
     {Default, "D:\\Apps\\Kavrel"},
     0,
     {NoSpaceOnD}},
    {"SpaceThatCannotBeRead",
     [](auto& s) { FreeOnD(s, std::nullopt); },
     {"D:\\Apps\\Kavrel"},
     {},
     {},
     {Default, "D:\\Apps\\Kavrel"},
     0,
     {NoSpaceOnD}},
    {"TerabytesFree",
     [](auto& s) { FreeOnD(s, std::uint64_t{12} << 30); },
     {"D:\\Apps\\Kavrel"},
     {},
     {},
     {Default},
     12,
     {Complete}},
    // Only the last level is created: every parent must exist.
    {"AMissingParent",
     {},
     {"C:\\Missing\\Kavrel", std::nullopt},
     {},
     {},
     {Default, "C:\\Missing\\Kavrel"},
     0,
     {"Drive: Cannot create directory C:\\Missing\\Kavrel. Please select another name or "
      "drive..."}},
    {"ADirectoryThatTakesNoFiles",
     [](auto& s) { s.readOnly.insert("D:\\Apps"); },
     {"D:\\Apps", std::nullopt},
     {},
     {},
     {Default, "D:\\Apps"},
     0,
     {"Drive: Cannot write to 'D:\\Apps'."}},
    // Files copied before the cancel stay, and nothing more is said.
    {"CancelDuringTheCopy", {}, {"D:\\Apps\\Kavrel"}, {3}, {true}, {Default}, 3, {}, 1},
    {"AnsweringNoLetsTheCopyGoOn",
     {},
     {"D:\\Apps\\Kavrel"},
     {0, 11},
     {false, false},
     {Default},
     12,
     {Complete},
     2},
    {"AFailedCopy",
     [](auto& s) { s.files.erase("C:\\Dist\\media.doc"); },
     {"D:\\Apps\\Kavrel"},
     {},
     {},
     {Default},
     4,
     {"File Error: An error has occurred during File copying. Check program disks and run "
      "Install again..."}},
};

void PrintTo(const FlowCase& c, std::ostream* out) {
    *out << c.name;
}

class InstallFlow : public ::testing::TestWithParam<FlowCase> {};

TEST_P(InstallFlow, ShowsItsMessagesAndCopiesWhatItShould) {
    const FlowCase& c = GetParam();
    FakeWindowsSystem system;
    system.AddSourceFiles();
    if (c.setUp) c.setUp(system);
    ScriptedUi ui;
    ui.dialogAnswers.assign(c.answers.begin(), c.answers.end());
    ui.cancelPressedAt = c.cancelAt;
    ui.quitAnswers = c.quitAnswers;
    RunInstall(system, ui);

    EXPECT_EQ(ui.offeredTargets, c.offered);
    EXPECT_EQ(system.copied.size(), c.copied);
    EXPECT_EQ(Messages(ui), c.messages);
    EXPECT_EQ(ui.questions.size(), c.questions);
    for (const auto& question : ui.questions)
        EXPECT_EQ(question.caption + ": " + question.text,
                  "Kavrel: Installation is not complete! Are you sure you want to quit?");
    EXPECT_EQ(ui.copyDialogsOpen, 0);
    // The program group is touched only after a whole copy.
    EXPECT_EQ(system.commands.empty(), c.copied < WindowsFiles.size());
}

INSTANTIATE_TEST_SUITE_P(Runs, InstallFlow, ::testing::ValuesIn(FlowCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RunInstall, CopiesEveryFileInOrderOverAnyOldOnes) {
    FakeWindowsSystem system;
    system.AddSourceFiles();
    system.directories.insert("D:\\Apps\\Kavrel");
    system.files["D:\\Apps\\Kavrel\\readme.txt"] = "old readme";
    system.files["D:\\Apps\\Kavrel\\notes.txt"] = "the user's own";
    ScriptedUi ui;
    ui.dialogAnswers = {"D:\\Apps\\Kavrel\\"};
    RunInstall(system, ui);

    Strings expected;
    for (const auto& name : WindowsFiles)
        expected.push_back("D:\\Apps\\Kavrel\\" + name);
    EXPECT_EQ(system.copied, expected);
    EXPECT_EQ(ui.shownFiles, WindowsFiles);
    EXPECT_EQ(system.files.at("D:\\Apps\\Kavrel\\readme.txt"), "new readme.txt");
    EXPECT_EQ(system.files.at("D:\\Apps\\Kavrel\\notes.txt"), "the user's own");
    ASSERT_EQ(Messages(ui), Strings{Complete});
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
}

TEST(RunInstall, InstallsIntoADriveRoot) {
    FakeWindowsSystem system;
    system.AddSourceFiles();
    ScriptedUi ui;
    ui.dialogAnswers = {"C:\\"};
    RunInstall(system, ui);
    ASSERT_FALSE(system.copied.empty());
    EXPECT_EQ(system.copied[0], "C:\\kavrel.exe");
    EXPECT_EQ(system.commands.at(1), "[AddItem(\"C:\\kavrel.exe\",\"Kavrel\")]");
}

} // namespace
} // namespace kavrel::install
