// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_store.h"

#include "atomic_file.h"
#include "desktop_entry.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrel::install::linux_system {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

class CMenuStoreLink final : public IProgramGroupLink {
public:
    CMenuStoreLink(DesktopPaths paths, int& error) : m_paths(std::move(paths)), m_error(error) {}

    bool Execute(const std::string& command) override {
        m_error = 0;
        const auto parsed = ParseProgramGroupCommand(command);
        if (!parsed) return Fail(EINVAL);
        if (parsed->kind == ProgramGroupCommand::Kind::CreateGroup)
            return CreateGroup(parsed->group);
        return AddItem(parsed->path, parsed->title);
    }

private:
    bool Fail(int error) {
        m_error = error;
        return false;
    }

    // The directory entry first: a menu file naming a missing one shows an unnamed submenu.
    bool CreateGroup(const std::string& group) {
        const std::string slug = MenuSlug(group);
        if (const int error = WriteFileAtomically(
                m_paths.desktopDirectories + "/" + slug + ".directory", DirectoryEntryText(group)))
            return Fail(error);
        if (const int error = WriteFileAtomically(m_paths.mergedMenus + "/" + slug + ".menu",
                                                  MergedMenuText(group)))
            return Fail(error);
        m_group = group;
        return true;
    }

    // Like Program Manager, an item goes into the group made last on this conversation.
    bool AddItem(const std::string& path, const std::string& title) {
        if (!m_group) return Fail(ENOENT);
        const std::string file =
            m_paths.applications + "/" + MenuSlug(*m_group) + "-" + MenuSlug(title) + ".desktop";
        if (const int error = WriteFileAtomically(
                file, ItemEntryText(*m_group, path, title, IsExecutableFile(path))))
            return Fail(error);
        return true;
    }

    DesktopPaths m_paths;
    int& m_error;
    std::optional<std::string> m_group;
};

} // namespace

std::unique_ptr<IProgramGroupLink> OpenMenuStore(const DesktopPaths& paths, int& error) {
    for (const std::string* directory :
         {&paths.mergedMenus, &paths.applications, &paths.desktopDirectories})
        if ((error = MakeWritableDirectory(*directory)) != 0) return nullptr;
    return std::make_unique<CMenuStoreLink>(paths, error);
}

} // namespace kavrel::install::linux_system
