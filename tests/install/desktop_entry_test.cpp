#include "linux/desktop_entry.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace kavrel::install::linux_system {
namespace {

using Kind = ProgramGroupCommand::Kind;

TEST(ParseProgramGroupCommand, ReadsTheInstallersTwoCommands) {
    const struct {
        const char* command;
        bool valid;
        Kind kind;
        const char* first;
        const char* title;
    } cases[] = {
        {R"([CreateGroup("Kavrel")])", true, Kind::CreateGroup, "Kavrel", ""},
        {R"([AddItem("/home/a/Kavrel/kavrel","Kavrel")])", true, Kind::AddItem,
         "/home/a/Kavrel/kavrel", "Kavrel"},
        {R"([AddItem("/home/a b/Kavrel/media.doc","Quick Start")])", true, Kind::AddItem,
         "/home/a b/Kavrel/media.doc", "Quick Start"},
        // Quotes and even the separator may be part of a POSIX path.
        {R"([AddItem("/x/say "hi"/a","b/readme.txt","Documentation")])", true, Kind::AddItem,
         R"(/x/say "hi"/a","b/readme.txt)", "Documentation"},
        {R"([AddItem("/x/readme.txt")])", false, Kind::AddItem, "", ""},
        {R"([ShowGroup("Kavrel",1)])", false, Kind::AddItem, "", ""},
        {R"([CreateGroup("Kavrel"))", false, Kind::AddItem, "", ""},
        {"", false, Kind::AddItem, "", ""},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseProgramGroupCommand(c.command);
        ASSERT_EQ(parsed.has_value(), c.valid) << c.command;
        if (!parsed) continue;
        EXPECT_EQ(parsed->kind, c.kind) << c.command;
        EXPECT_EQ(c.kind == Kind::CreateGroup ? parsed->group : parsed->path, c.first);
        EXPECT_EQ(parsed->title, c.title);
    }
}

TEST(DesktopEntryEscapes, QuoteExecArgumentsAndEscapeValues) {
    const struct {
        const char* raw;
        const char* execArgument;
        const char* value;
    } cases[] = {
        {"/home/a/kavrel", "\"/home/a/kavrel\"", "/home/a/kavrel"},
        {"/home/a b/kavrel", "\"/home/a b/kavrel\"", "/home/a b/kavrel"},
        {"/x/$HOME/`id`", "\"/x/\\$HOME/\\`id\\`\"", "/x/$HOME/`id`"},
        {"/x/say \"hi\"", "\"/x/say \\\"hi\\\"\"", "/x/say \"hi\""},
        {"/x/100%", "\"/x/100%%\"", "/x/100%"},
        {"/x/back\\slash", "\"/x/back\\\\slash\"", "/x/back\\\\slash"},
        {" two\nlines\t", "\" two\nlines\t\"", "\\stwo\\nlines\\t"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuoteExecArgument(c.raw), c.execArgument) << c.raw;
        EXPECT_EQ(EscapeDesktopValue(c.raw), c.value) << c.raw;
    }
}

TEST(DesktopEntryNames, SlugsAndCategoriesKeepOnlyPlainCharacters) {
    EXPECT_EQ(MenuSlug("Kavrel"), "kavrel");
    EXPECT_EQ(MenuSlug("Kavrel Help"), "kavrel-help");
    EXPECT_EQ(MenuSlug("  Quick -- Start! "), "quick-start");
    EXPECT_EQ(MenuSlug("../.."), "group");
    EXPECT_EQ(GroupCategory("Kavrel"), "X-Kavrel");
    EXPECT_EQ(GroupCategory("R&D 2"), "X-RD2");
    EXPECT_EQ(GroupCategory("?"), "X-Group");
    EXPECT_EQ(EscapeXml("R&D <\"x\">"), "R&amp;D &lt;&quot;x&quot;&gt;");
}

TEST(DesktopEntryText, PassesTheValidatorForAwkwardPathsAndNames) {
    testing::ScratchDir scratch;
    const std::string awkward = "/opt/my \"odd\" $dir/100 \\ `x`/";
    const struct {
        const char* file;
        std::string text;
    } entries[] = {
        {"program.desktop", ItemEntryText("Kavrel", awkward + "kavrel", "Kavrel", true)},
        {"document.desktop",
         ItemEntryText("Kavrel", awkward + "readme.txt", "Documentation", false)},
        {"viewer.desktop", HelpViewerEntryText(awkward + "kavrel-help")},
        {"group.directory", DirectoryEntryText("R&D; \"Tools\"")},
    };
    for (const auto& entry : entries) {
        const std::string path = scratch.path() + "/" + entry.file;
        testing::WriteTextFile(path, entry.text);
        EXPECT_EQ(testing::DesktopFileProblems(path), "") << entry.text;
    }
}

} // namespace
} // namespace kavrel::install::linux_system
