#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_lists.h"

#include <gtest/gtest.h>

namespace kavrel::install {
namespace {

using testing::FakeWindowsSystem;
using testing::ScriptedUi;

const std::vector<std::string> WindowsFiles = {
    "kavrel.exe", "kavrel.hlp",   "kavrel.cnt",  "readme.txt",   "media.doc",      "file_id.diz",
    "vendor.txt", "overview.txt", "version.txt", "vendinfo.diz", "kavrel-calc.exe"};

using Strings = std::vector<std::string>;

Strings Captions(const ScriptedUi& ui) {
    Strings captions;
    for (const auto& message : ui.messages)
        captions.push_back(message.caption);
    return captions;
}

// The one message shown, as "caption: text".
std::string OnlyMessage(const ScriptedUi& ui) {
    return ui.messages.size() == 1 ? ui.messages[0].caption + ": " + ui.messages[0].text
                                   : std::to_string(ui.messages.size()) + " messages";
}

struct Machine {
    FakeWindowsSystem system;
    ScriptedUi ui;
    Machine() { system.AddSourceFiles(); }
    void run() { RunInstall(system, ui); }
};

TEST(RunInstall, CancelInTheFirstDialogCopiesNothing) {
    Machine m;
    m.ui.dialogAnswers = {std::nullopt};
    m.run();
    EXPECT_EQ(m.ui.offeredTargets, Strings{"C:\\Program Files\\Kavrel"});
    EXPECT_TRUE(m.system.copied.empty());
    EXPECT_TRUE(m.ui.messages.empty());
    EXPECT_TRUE(m.system.commands.empty());
}

TEST(RunInstall, InstallsEveryFileAndReportsCompletion) {
    Machine m;
    m.ui.dialogAnswers = {"C:\\Program Files\\Kavrel"};
    m.run();
    std::vector<std::string> expected;
    for (const auto& name : WindowsFiles)
        expected.push_back("C:\\Program Files\\Kavrel\\" + name);
    EXPECT_EQ(m.system.copied, expected);
    EXPECT_EQ(m.ui.shownFiles, WindowsFiles);
    EXPECT_EQ(m.system.files.at("C:\\Program Files\\Kavrel\\media.doc"), "new media.doc");
    EXPECT_EQ(OnlyMessage(m.ui), "Kavrel: Installation is complete");
    EXPECT_EQ(m.ui.messages.at(0).icon, MessageIcon::None);
    EXPECT_EQ(m.ui.copyDialogsOpen, 0);
}

TEST(RunInstall, AfterAFailureOffersTheLastAcceptedPath) {
    Machine m;
    m.system.drives['D'].space = DiskSpace{1, 1024, 599};
    // A bad path is refused inside the dialog and is not remembered.
    m.ui.dialogAnswers = {"DKavrel", "D:\\Kavrel", "C:Kavrel", std::nullopt};
    m.run();
    EXPECT_EQ(m.ui.offeredTargets, (Strings{"C:\\Program Files\\Kavrel", "D:\\Kavrel"}));
    EXPECT_EQ(Captions(m.ui), (Strings{"Data Entry", "Drive Space", "Data Entry"}));
    EXPECT_EQ(m.ui.messages[1].text,
              "Not enough space on 'D' Drive. Please select another drive..");
    EXPECT_TRUE(m.system.copied.empty());
}

TEST(RunInstall, NeedsSixHundredKilobytesOnTheTargetDrive) {
    const struct {
        std::optional<DiskSpace> space;
        bool accepted;
    } cases[] = {
        {DiskSpace{1, 1024, 600}, true},
        {DiskSpace{1, 1024, 599}, false},
        {DiskSpace{8, 512, std::uint64_t{3} << 30}, true}, // 12 TB
        {std::nullopt, false},
    };
    for (const auto& c : cases) {
        Machine m;
        m.system.drives['D'].space = c.space;
        m.ui.dialogAnswers = {"D:\\Apps\\Kavrel"};
        m.run();
        EXPECT_EQ(!m.system.copied.empty(), c.accepted);
        EXPECT_EQ(m.ui.offeredTargets.size(), c.accepted ? 1u : 2u);
        ASSERT_FALSE(m.ui.messages.empty());
        EXPECT_EQ(m.ui.messages[0].caption, c.accepted ? "Kavrel" : "Drive Space");
    }
}

TEST(RunInstall, InstallsIntoADriveRoot) {
    Machine m;
    m.ui.dialogAnswers = {"C:\\"};
    m.run();
    ASSERT_FALSE(m.system.copied.empty());
    EXPECT_EQ(m.system.copied[0], "C:\\kavrel.exe");
    EXPECT_EQ(m.system.commands.at(1), "[AddItem(\"C:\\kavrel.exe\",\"Kavrel\")]");
}

TEST(RunInstall, CreatesOnlyTheLastLevelOfTheTarget) {
    Machine m;
    m.ui.dialogAnswers = {"C:\\Missing\\Kavrel", std::nullopt};
    m.run();
    EXPECT_EQ(OnlyMessage(m.ui), "Drive: Cannot create directory C:\\Missing\\Kavrel. Please "
                                 "select another name or drive...");
    EXPECT_EQ(m.ui.offeredTargets.back(), "C:\\Missing\\Kavrel");
    EXPECT_FALSE(m.system.directories.contains("C:\\Missing"));

    Machine created;
    created.ui.dialogAnswers = {"D:\\Apps\\Kavrel"};
    created.run();
    EXPECT_TRUE(created.system.directories.contains("D:\\Apps\\Kavrel"));
    EXPECT_EQ(created.system.copied.size(), WindowsFiles.size());
}

TEST(RunInstall, OverwritesFilesInAnExistingTarget) {
    Machine m;
    m.system.directories.insert("D:\\Apps\\Kavrel");
    m.system.files["D:\\Apps\\Kavrel\\readme.txt"] = "old readme";
    m.system.files["D:\\Apps\\Kavrel\\notes.txt"] = "the user's own";
    m.ui.dialogAnswers = {"D:\\Apps\\Kavrel\\"};
    m.run();
    EXPECT_EQ(m.system.files.at("D:\\Apps\\Kavrel\\readme.txt"), "new readme.txt");
    EXPECT_EQ(m.system.files.at("D:\\Apps\\Kavrel\\notes.txt"), "the user's own");
}

TEST(RunInstall, CancelDuringTheCopyKeepsWhatWasCopiedAndSaysNothingMore) {
    Machine m;
    m.ui.dialogAnswers = {"D:\\Apps\\Kavrel"};
    m.ui.cancelPressedAt = {3};
    m.ui.quitAnswers = {true};
    m.run();
    EXPECT_EQ(m.system.copied,
              (Strings{"D:\\Apps\\Kavrel\\kavrel.exe", "D:\\Apps\\Kavrel\\kavrel.hlp",
                       "D:\\Apps\\Kavrel\\kavrel.cnt"}));
    ASSERT_EQ(m.ui.questions.size(), 1u);
    EXPECT_EQ(m.ui.questions[0].text,
              "Installation is not complete! Are you sure you want to quit?");
    EXPECT_EQ(m.ui.questions[0].caption, "Kavrel");
    EXPECT_TRUE(m.ui.messages.empty());
    EXPECT_TRUE(m.system.commands.empty());
    EXPECT_EQ(m.ui.copyDialogsOpen, 0);
}

TEST(RunInstall, AnsweringNoLetsTheCopyGoOn) {
    Machine m;
    m.ui.dialogAnswers = {"D:\\Apps\\Kavrel"};
    m.ui.cancelPressedAt = {0, 10};
    m.ui.quitAnswers = {false, false};
    m.run();
    EXPECT_EQ(m.ui.questions.size(), 2u);
    EXPECT_EQ(m.system.copied.size(), WindowsFiles.size());
    EXPECT_EQ(Captions(m.ui), Strings{"Kavrel"});
}

TEST(RunInstall, AFailedCopyStopsWithAFileError) {
    Machine m;
    m.system.files.erase("C:\\Dist\\media.doc");
    m.ui.dialogAnswers = {"D:\\Apps\\Kavrel"};
    m.run();
    EXPECT_EQ(m.system.copied.size(), 4u);
    EXPECT_EQ(OnlyMessage(m.ui), "File Error: An error has occurred during File copying. Check "
                                 "program disks and run Install again...");
    EXPECT_TRUE(m.system.commands.empty());
    EXPECT_EQ(m.ui.copyDialogsOpen, 0);
}

} // namespace
} // namespace kavrel::install
