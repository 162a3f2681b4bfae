// SPDX-License-Identifier: GPL-3.0-or-later
#include "install_flow.h"
#include "linux/linux_install_system.h"
#include "qt/qt_install_ui.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char* argv[]) {
    using namespace kavrel::install;
    QApplication application(argc, argv);
    linux_system::CLinuxInstallSystem system(linux_system::RunningProgramPath(),
                                             linux_system::InstallPlacesFor(::geteuid()));
    qt::CQtInstallUi ui;
    RunInstall(system, ui);
    // Whatever happened has been told to the user already.
    return 0;
}
