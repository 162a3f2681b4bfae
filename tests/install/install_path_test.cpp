#include "center_dialog.h"
#include "fake_install_platform.h"
#include "install_flow.h"
#include "install_path.h"

#include <gtest/gtest.h>

#include <limits>

namespace kavrel::install {
namespace {

using testing::FakeWindowsSystem;
using testing::ScriptedUi;

struct PathCase {
    std::string text;
    int check;
    const char* result; // the message, or the target stored when it is not the text itself
};

std::string Repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Drives of the fake: A removable, C and D fixed, E CD-ROM, N network, R RAM disk.
const PathCase PathCases[] = {
    {"C:\\Program Files\\Kavrel", 0, ""},
    {"C:\\", 0, "C:"},
    // One trailing backslash goes.
    {"C:\\Kavrel\\", 0, "C:\\Kavrel"},
    {"C:\\Kavrel\\\\", 0, "C:\\Kavrel\\"},
    {"A:\\Kavrel", 0, ""},
    {"N:\\Shared\\Kavrel", 0, ""},
    {"C:Kavrel", 3, "Missing '\\' !"},
    {"C:", 3, "Missing '\\' !"},
    {"C:/Kavrel", 3, "Missing '\\' !"},
    {"CKavrel", 2, "Missing ':' !"},
    {"C", 2, "Missing ':' !"},
    {"", 1, "Drive letter incorrect !"},
    {"E:\\Kavrel", 1, "Drive letter incorrect !"},
    {"R:\\Kavrel", 1, "Drive letter incorrect !"},
    {"Q:\\Kavrel", 1, "Drive letter incorrect !"},
    // The drive is judged before the colon.
    {"QKavrel", 1, "Drive letter incorrect !"},
    {"\\\\server\\share", 1, "Drive letter incorrect !"},
    // At most 255 bytes, however many characters they make.
    {"C:\\" + std::string(252, 'k'), 0, ""},
    {"C:\\" + Repeated("\xc3\xbc", 126), 0, ""},
    {"C:\\" + std::string(253, 'k'), 4, "The path is longer than 255 bytes."},
    {"C:\\" + Repeated("\xc3\xbc", 127), 4, "The path is longer than 255 bytes."},
};

class InstallPathCheck : public ::testing::TestWithParam<PathCase> {};

TEST_P(InstallPathCheck, ReturnsItsCodeAndTheOkButtonReportsIt) {
    const PathCase& c = GetParam();
    FakeWindowsSystem system;
    EXPECT_EQ(CheckInstallPath(system, c.text), c.check);

    ScriptedUi ui;
    InstallSession session{system, ui, "C:\\Dist\\", "C:\\Program Files\\Kavrel"};
    EXPECT_EQ(AcceptInstallPath(session, c.text), c.check == 0);
    if (c.check == 0) {
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ui.beeps, 0);
        EXPECT_EQ(session.targetDirectory, *c.result ? c.result : c.text);
    } else {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, c.result);
        EXPECT_EQ(ui.messages[0].caption, "Data Entry");
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(ui.beeps, 1);
        EXPECT_EQ(session.targetDirectory, "C:\\Program Files\\Kavrel");
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, InstallPathCheck, ::testing::ValuesIn(PathCases));

TEST(FreeKilobytes, MultipliesTheThreeFiguresWithoutOverflow) {
    constexpr std::uint64_t Max = std::numeric_limits<std::uint64_t>::max();
    const struct {
        DiskSpace space;
        std::uint64_t kilobytes;
    } cases[] = {
        {{8, 512, 150}, 600},
        {{1, 1024, 599}, 599},
        {{1, 1, 600 * 1024 - 1}, 599},
        {{0, 512, 1000}, 0},
        // 4 KB clusters, 2^31 of them free: 8 TB.
        {{8, 512, std::uint64_t{1} << 31}, std::uint64_t{1} << 33},
        {{1u << 16, 1u << 16, 1u << 16}, std::uint64_t{1} << 38},
        {{std::uint64_t{1} << 32, std::uint64_t{1} << 32, 2}, Max / 1024},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreeKilobytes(c.space), c.kilobytes)
            << c.space.sectorsPerCluster << " x " << c.space.bytesPerSector << " x "
            << c.space.freeClusters;
    EXPECT_EQ(FreeKilobytes(std::nullopt), 0u);
}

TEST(SourceDirectory, EndsWithTheLastSeparatorOfTheProgramPath) {
    EXPECT_EQ(SourceDirectory(PathStyle::DriveLetter, "C:\\Dist\\INSTALL.EXE"), "C:\\Dist\\");
    EXPECT_EQ(SourceDirectory(PathStyle::Posix, "/opt/kavrel dist/install"), "/opt/kavrel dist/");
    EXPECT_EQ(SourceDirectory(PathStyle::Posix, "install"), "");
}

TEST(CenteredDialogPosition, CentresAcrossAndPutsAThirdOfTheSpaceAbove) {
    const struct {
        int screenW, screenH, dialogW, dialogH, x, y;
    } cases[] = {
        {1024, 768, 400, 200, 312, 189},
        {1025, 770, 400, 200, 312, 190},
        {640, 480, 640, 480, 0, 0},
        {300, 300, 400, 400, -50, -33},
    };
    for (const auto& c : cases) {
        const auto position = CenteredDialogPosition(c.screenW, c.screenH, c.dialogW, c.dialogH);
        EXPECT_EQ(position.x, c.x);
        EXPECT_EQ(position.y, c.y);
    }
}

} // namespace
} // namespace kavrel::install
