// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_entry.h"

#include "install_lists.h"

namespace kavrel::install::linux_system {

namespace {

bool ConsumePrefix(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool ConsumeSuffix(std::string_view& text, std::string_view suffix) {
    if (!text.ends_with(suffix)) return false;
    text.remove_suffix(suffix.size());
    return true;
}

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::optional<ProgramGroupCommand> ParseProgramGroupCommand(std::string_view command) {
    std::string_view rest = command;
    if (ConsumePrefix(rest, "[CreateGroup(\"") && ConsumeSuffix(rest, "\")]"))
        return ProgramGroupCommand{
            ProgramGroupCommand::Kind::CreateGroup, std::string(rest), {}, {}};
    rest = command;
    if (ConsumePrefix(rest, "[AddItem(\"") && ConsumeSuffix(rest, "\")]")) {
        // The titles are the installer's own and never hold the separator; a path may.
        const auto split = rest.rfind("\",\"");
        if (split == std::string_view::npos) return std::nullopt;
        return ProgramGroupCommand{ProgramGroupCommand::Kind::AddItem,
                                   {},
                                   std::string(rest.substr(0, split)),
                                   std::string(rest.substr(split + 3))};
    }
    return std::nullopt;
}

std::string MenuSlug(std::string_view name) {
    std::string slug;
    for (const char c : name) {
        if (IsAsciiAlnum(c))
            slug += AsciiLower(c);
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-')
        slug.pop_back();
    return slug.empty() ? std::string("group") : slug;
}

std::string GroupCategory(std::string_view group) {
    std::string category = "X-";
    for (const char c : group)
        if (IsAsciiAlnum(c)) category += c;
    return category.size() > 2 ? category : category + "Group";
}

std::string EscapeDesktopValue(std::string_view value) {
    std::string escaped;
    for (const char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    // Readers drop leading blanks unless they are escaped.
    if (!escaped.empty() && escaped.front() == ' ') escaped.replace(0, 1, "\\s");
    return escaped;
}

std::string QuoteExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%'; // a lone % would start a field code
    }
    return quoted + "\"";
}

std::string EscapeXml(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string DirectoryEntryText(std::string_view group) {
    return "[Desktop Entry]\n"
           "Type=Directory\n"
           "Name=" +
           EscapeDesktopValue(group) +
           "\n"
           "Icon=accessories-calculator\n";
}

std::string MergedMenuText(std::string_view group) {
    return "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
           "<Menu>\n"
           "  <Name>Applications</Name>\n"
           "  <Menu>\n"
           "    <Name>" +
           EscapeXml(group) +
           "</Name>\n"
           "    <Directory>" +
           MenuSlug(group) +
           ".directory</Directory>\n"
           "    <Include>\n"
           "      <Category>" +
           GroupCategory(group) +
           "</Category>\n"
           "    </Include>\n"
           "  </Menu>\n"
           "</Menu>\n";
}

std::string ItemEntryText(std::string_view group, std::string_view path, std::string_view title,
                          bool executable) {
    // The help viewer beside the file shows help and plain text alike, whatever applications
    // the desktop would pick for the file's name.
    const std::string exec =
        executable ? QuoteExecArgument(path)
                   : QuoteExecArgument(std::string(path.substr(0, path.rfind('/') + 1)) +
                                       std::string(HelpViewerProgram)) +
                         " " + QuoteExecArgument(path);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           EscapeDesktopValue(title) +
           "\n"
           "Exec=" +
           EscapeDesktopValue(exec) +
           "\n"
           "Icon=" +
           (executable ? "accessories-calculator" : "text-x-generic") +
           "\n"
           "Terminal=false\n"
           "Categories=" +
           GroupCategory(group) + ";\n";
}

std::string HelpViewerEntryText(std::string_view viewerPath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kavrel Help\n"
           "Exec=" +
           EscapeDesktopValue(QuoteExecArgument(viewerPath) + " %f") +
           "\n"
           "Icon=help-browser\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "MimeType=" +
           std::string(HelpFileType) + ";\n";
}

} // namespace kavrel::install::linux_system
