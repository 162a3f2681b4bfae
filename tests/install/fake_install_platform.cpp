#include "fake_install_platform.h"

#include "install_lists.h"

namespace kavrel::install::testing {

namespace {

std::string ParentOf(const std::string& path) {
    const auto last = path.rfind('\\');
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

} // namespace

class FakeProgramManagerLink final : public IProgramGroupLink {
public:
    explicit FakeProgramManagerLink(FakeWindowsSystem& system) : m_system(system) {}
    bool Execute(const std::string& command) override {
        const std::size_t index = m_system.commands.size();
        m_system.commands.push_back(command);
        if (m_system.failCommandAt == index) {
            m_system.m_lastError = m_system.commandError;
            return false;
        }
        return true;
    }

private:
    FakeWindowsSystem& m_system;
};

FakeWindowsSystem::FakeWindowsSystem() {
    drives['A'] = {DriveType::Removable};
    drives['C'] = {DriveType::Fixed};
    drives['D'] = {DriveType::Fixed};
    drives['E'] = {DriveType::CdRom};
    drives['N'] = {DriveType::Remote};
    drives['R'] = {DriveType::RamDisk};
    directories = {"C:", "C:\\Program Files", "C:\\Dist", "D:", "D:\\Apps"};
}

void FakeWindowsSystem::AddSourceFiles() {
    for (const auto& name : InstallFileList(GetExecutableSuffix()))
        files["C:\\Dist\\" + name] = "new " + name;
}

DriveType FakeWindowsSystem::GetDriveType(const std::string& root) {
    if (root.size() != 3 || root.substr(1) != ":\\") return DriveType::NoRootDir;
    const auto drive = drives.find(root[0]);
    return drive == drives.end() ? DriveType::NoRootDir : drive->second.type;
}

std::optional<DiskSpace> FakeWindowsSystem::GetDiskFreeSpace(const std::string& root) {
    const auto drive = root.size() == 3 ? drives.find(root[0]) : drives.end();
    return drive == drives.end() ? std::nullopt : drive->second.space;
}

bool FakeWindowsSystem::SetCurrentDirectory(const std::string& path) {
    return directories.contains(path);
}

bool FakeWindowsSystem::CreateDirectory(const std::string& path) {
    if (directories.contains(path) || !directories.contains(ParentOf(path))) return false;
    directories.insert(path);
    return true;
}

std::optional<std::uint64_t> FakeWindowsSystem::GetFileSize(const std::string& path) {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second.size();
}

bool FakeWindowsSystem::CopyFile(const std::string& from, const std::string& to) {
    const auto source = files.find(from);
    if (source == files.end() || !directories.contains(ParentOf(to))) return false;
    files[to] = source->second;
    copied.push_back(to);
    return true;
}

std::unique_ptr<IProgramGroupLink> FakeWindowsSystem::ConnectProgramGroup(const std::string&,
                                                                          const std::string&) {
    ++connections;
    if (!managerRunning) {
        m_lastError = connectError;
        return nullptr;
    }
    m_lastError = 0;
    return std::make_unique<FakeProgramManagerLink>(*this);
}

void FakeWindowsSystem::StartProgramHidden(const std::string& program) {
    started.push_back(program);
    if (managerStartsWhenAsked) managerRunning = true;
}

namespace {

class ScriptedCopyDialog final : public ICopyDialog {
public:
    ScriptedCopyDialog(ScriptedUi& ui, std::function<void()> onCommand)
        : m_ui(ui), m_onCommand(std::move(onCommand)) {
        ++m_ui.copyDialogsOpen;
    }
    ~ScriptedCopyDialog() override { --m_ui.copyDialogsOpen; }

    void ShowFileName(const std::string& name) override { m_ui.shownFiles.push_back(name); }
    void ProcessPendingEvents() override {
        if (m_ui.cancelPressedAt.contains(m_ui.shownFiles.size() - 1)) m_onCommand();
    }

private:
    ScriptedUi& m_ui;
    std::function<void()> m_onCommand;
};

} // namespace

bool ScriptedUi::RunInstallDialog(const std::string& target,
                                  const std::function<bool(const std::string&)>& onOk) {
    offeredTargets.push_back(target);
    while (!dialogAnswers.empty()) {
        const auto answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        if (!answer) return false;
        if (onOk(*answer)) return true;
    }
    return false;
}

std::unique_ptr<ICopyDialog> ScriptedUi::OpenCopyDialog(std::function<void()> onCommand) {
    return std::make_unique<ScriptedCopyDialog>(*this, std::move(onCommand));
}

void ScriptedUi::ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    messages.push_back({std::string(text), std::string(caption), icon});
}

bool ScriptedUi::AskYesNo(std::string_view text, std::string_view caption) {
    questions.push_back({std::string(text), std::string(caption), MessageIcon::Question});
    if (quitAnswers.empty()) return false;
    const bool answer = quitAnswers.front();
    quitAnswers.pop_front();
    return answer;
}

} // namespace kavrel::install::testing
