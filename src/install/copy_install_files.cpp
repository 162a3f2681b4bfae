#include "copy_install_files.h"

#include "install_lists.h"
#include "install_texts.h"

namespace kavrel::install {

int CopyInstallFiles(InstallSession& session) {
    bool cancelled = false;
    auto dialog = session.ui.openCopyDialog([&] {
        if (session.ui.askYesNo(text::kQuitCopy, text::kCaptionKavrel)) cancelled = true;
    });
    for (const auto& name : InstallFileList(session.system.executableSuffix())) {
        dialog->showFileName(name);
        dialog->processPendingEvents();
        if (cancelled) return kCopyCancelled;
        if (!session.system.copyFile(session.sourceDirectory + name,
                                     session.targetDirectory + name))
            return kCopyFailed;
    }
    return kCopyDone;
}

} // namespace kavrel::install
