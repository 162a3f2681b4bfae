// SPDX-License-Identifier: GPL-3.0-or-later
#include "copy_install_files.h"

#include "install_lists.h"
#include "install_texts.h"

namespace kavrel::install {

int CopyInstallFiles(InstallSession& session) {
    bool cancelled = false;
    auto dialog = session.ui.OpenCopyDialog([&] {
        if (session.ui.AskYesNo(text::QuitCopy, text::CaptionKavrel)) cancelled = true;
    });
    for (const auto& name : InstallFileList(session.system.GetExecutableSuffix())) {
        dialog->ShowFileName(name);
        dialog->ProcessPendingEvents();
        if (cancelled) return CopyCancelled;
        if (!session.system.CopyFile(session.sourceDirectory + name,
                                     session.targetDirectory + name))
            return CopyFailed;
    }
    return CopyDone;
}

} // namespace kavrel::install
