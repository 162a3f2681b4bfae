#include "dde_conversation.h"
#include "fake_install_platform.h"
#include "install_flow.h"
#include "program_manager_items.h"

#include <gtest/gtest.h>

namespace kavrel::install {
namespace {

using testing::FakeWindowsSystem;
using testing::ScriptedUi;

const char* const ProgramGroupProblem =
    "Problem adding application(s) to Windows Start Menu...\r\n\r\n"
    "Run Install again after re-starting Windows...";

TEST(AddProgramManagerItems, SendsTheGroupAndItemCommandsForTheTarget) {
    FakeWindowsSystem system;
    ScriptedUi ui;
    InstallSession session{system, ui, "C:\\Dist\\", "D:\\Apps\\Kavrel\\"};
    EXPECT_EQ(AddProgramManagerItems(session), 1);
    const std::vector<std::string> expected = {
        R"([CreateGroup("Kavrel")])",
        R"([AddItem("D:\Apps\Kavrel\kavrel.exe","Kavrel")])",
        R"([AddItem("D:\Apps\Kavrel\kavrel.hlp","Kavrel Help")])",
        R"([AddItem("D:\Apps\Kavrel\readme.txt","Documentation")])",
        R"([AddItem("D:\Apps\Kavrel\media.doc","Quick Start")])",
        R"([AddItem("D:\Apps\Kavrel\overview.txt","Overview")])",
    };
    EXPECT_EQ(system.commands, expected);
    EXPECT_EQ(system.windowLog, (std::vector<std::string>{"hold", "release"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(AddProgramManagerItems, LongTargetsMakeWholeCommands) {
    FakeWindowsSystem system;
    ScriptedUi ui;
    const std::string target = "C:\\" + std::string(252, 'k') + "\\";
    InstallSession session{system, ui, "C:\\Dist\\", target};
    EXPECT_EQ(AddProgramManagerItems(session), 1);
    EXPECT_EQ(system.commands.at(5), "[AddItem(\"" + target + "overview.txt\",\"Overview\")]");
}

struct FailureCase {
    const char* name;
    bool managerRunning, startsWhenAsked, managerWindow;
    int connectError;
    std::optional<std::size_t> failCommandAt;
    int commandError;
    const char* message; // before the final problem message
    const char* caption;
    std::size_t commandsSent;
    bool associationRefused = false;
};

const char* const WindowsBusy = "Windows is busy. Please run Install again!";
const char* const ManagerBusy = "Windows PM is busy. Please run Install again!";
const char* const NoGroup = "Could not make main menu item!";
const char* const NoItems = "Could not add sub-menu items!";

// A refused command is a failure whether or not it leaves an error code.
const FailureCase Failures[] = {
    {"ManagerNotRunning", false, false, true, 0, {}, 0, WindowsBusy, "DDE Error", 0},
    {"ManagerRefusesWithACode", false, true, true, 0x400A, {}, 0, WindowsBusy, "DDE Error", 0},
    {"NoManagerWindow", true, false, false, 0, {}, 0, ManagerBusy, "Install Error", 0},
    {"GroupRefused", true, false, true, 0, 0, 0x4009, NoGroup, "DDE Error", 1},
    {"GroupRefusedWithoutCode", true, false, true, 0, 0, 0, NoGroup, "DDE Error", 1},
    {"ThirdItemRefused", true, false, true, 0, 3, 0x4009, NoItems, "DDE Error", 4},
    {"FirstItemRefusedWithoutCode", true, false, true, 0, 1, 0, NoItems, "DDE Error", 2},
    {"HelpFilesNotAssociated", true, false, true, 0, {}, 0, NoItems, "DDE Error", 6, true},
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgramGroupFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ProgramGroupFailure, IsReportedAndLeavesTheFilesInstalled) {
    const FailureCase& c = GetParam();
    FakeWindowsSystem system;
    system.AddSourceFiles();
    system.managerRunning = c.managerRunning;
    system.managerStartsWhenAsked = c.startsWhenAsked;
    system.managerWindow = c.managerWindow;
    system.connectError = c.connectError;
    system.failCommandAt = c.failCommandAt;
    system.commandError = c.commandError;
    system.associationRefused = c.associationRefused;
    ScriptedUi ui;
    ui.dialogAnswers = {"D:\\Apps\\Kavrel"};
    RunInstall(system, ui);

    EXPECT_EQ(system.copied.size(), 12u);
    EXPECT_EQ(system.commands.size(), c.commandsSent);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, c.message);
    EXPECT_EQ(ui.messages[0].caption, c.caption);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[1].text, ProgramGroupProblem);
    EXPECT_EQ(ui.messages[1].caption, "DDE Error");
    // The manager window is given back whenever it was taken.
    if (!system.windowLog.empty()) {
        EXPECT_EQ(system.windowLog, (std::vector<std::string>{"hold", "release"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, ProgramGroupFailure, ::testing::ValuesIn(Failures),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(OpenDdeConversation, StartsTheManagerOnceWhenItIsNotRunning) {
    FakeWindowsSystem system;
    system.managerRunning = false;
    system.managerStartsWhenAsked = true;
    EXPECT_NE(OpenDdeConversation(system, "PROGMAN", "PROGMAN", "PROGMAN"), nullptr);
    EXPECT_EQ(system.started, std::vector<std::string>{"PROGMAN"});
    EXPECT_EQ(system.connections, 2);

    FakeWindowsSystem stuck;
    stuck.managerRunning = false;
    EXPECT_EQ(OpenDdeConversation(stuck, "PROGMAN", "PROGMAN", "PROGMAN"), nullptr);
    EXPECT_EQ(stuck.started.size(), 1u);
    EXPECT_EQ(stuck.connections, 2);

    FakeWindowsSystem nothingToStart;
    nothingToStart.managerRunning = false;
    EXPECT_EQ(OpenDdeConversation(nothingToStart, "PROGMAN", "PROGMAN", std::nullopt), nullptr);
    EXPECT_TRUE(nothingToStart.started.empty());
    EXPECT_EQ(nothingToStart.connections, 1);
}

} // namespace
} // namespace kavrel::install
