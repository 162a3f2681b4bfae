#include "fake_install_platform.h"

#include "install_lists.h"

namespace kavrel::install::testing {

namespace {

std::string ParentOf(const std::string& path) {
    const auto last = path.rfind('\\');
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

} // namespace

class FakeProgramManagerLink final : public ProgramGroupLink {
public:
    explicit FakeProgramManagerLink(FakeWindowsSystem& system) : system_(system) {}
    bool execute(const std::string& command) override {
        const std::size_t index = system_.commands.size();
        system_.commands.push_back(command);
        if (system_.failCommandAt == index) {
            system_.lastError_ = system_.commandError;
            return false;
        }
        return true;
    }

private:
    FakeWindowsSystem& system_;
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

void FakeWindowsSystem::addSourceFiles() {
    for (const auto& name : InstallFileList(executableSuffix()))
        files["C:\\Dist\\" + name] = "new " + name;
}

DriveType FakeWindowsSystem::driveType(const std::string& root) {
    if (root.size() != 3 || root.substr(1) != ":\\") return DriveType::NoRootDir;
    const auto drive = drives.find(root[0]);
    return drive == drives.end() ? DriveType::NoRootDir : drive->second.type;
}

std::optional<DiskSpace> FakeWindowsSystem::diskSpace(const std::string& root) {
    const auto drive = root.size() == 3 ? drives.find(root[0]) : drives.end();
    return drive == drives.end() ? std::nullopt : drive->second.space;
}

bool FakeWindowsSystem::changeDirectory(const std::string& path) {
    return directories.contains(path);
}

bool FakeWindowsSystem::createDirectory(const std::string& path) {
    if (directories.contains(path) || !directories.contains(ParentOf(path))) return false;
    directories.insert(path);
    return true;
}

bool FakeWindowsSystem::copyFile(const std::string& from, const std::string& to) {
    const auto source = files.find(from);
    if (source == files.end() || !directories.contains(ParentOf(to))) return false;
    files[to] = source->second;
    copied.push_back(to);
    return true;
}

std::unique_ptr<ProgramGroupLink> FakeWindowsSystem::connectProgramGroup(const std::string&,
                                                                         const std::string&) {
    ++connections;
    if (!managerRunning) {
        lastError_ = connectError;
        return nullptr;
    }
    lastError_ = 0;
    return std::make_unique<FakeProgramManagerLink>(*this);
}

void FakeWindowsSystem::startProgramHidden(const std::string& program) {
    started.push_back(program);
    if (managerStartsWhenAsked) managerRunning = true;
}

namespace {

class ScriptedCopyDialog final : public CopyDialog {
public:
    ScriptedCopyDialog(ScriptedUi& ui, std::function<void()> onCommand)
        : ui_(ui), onCommand_(std::move(onCommand)) {
        ++ui_.copyDialogsOpen;
    }
    ~ScriptedCopyDialog() override { --ui_.copyDialogsOpen; }

    void showFileName(const std::string& name) override { ui_.shownFiles.push_back(name); }
    void processPendingEvents() override {
        if (ui_.cancelPressedAt.contains(ui_.shownFiles.size() - 1)) onCommand_();
    }

private:
    ScriptedUi& ui_;
    std::function<void()> onCommand_;
};

} // namespace

bool ScriptedUi::runInstallDialog(const std::string& target,
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

std::unique_ptr<CopyDialog> ScriptedUi::openCopyDialog(std::function<void()> onCommand) {
    return std::make_unique<ScriptedCopyDialog>(*this, std::move(onCommand));
}

void ScriptedUi::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    messages.push_back({std::string(text), std::string(caption), icon});
}

bool ScriptedUi::askYesNo(std::string_view text, std::string_view caption) {
    questions.push_back({std::string(text), std::string(caption), MessageIcon::Question});
    if (quitAnswers.empty()) return false;
    const bool answer = quitAnswers.front();
    quitAnswers.pop_front();
    return answer;
}

} // namespace kavrel::install::testing
