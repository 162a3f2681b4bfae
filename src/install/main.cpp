#include "install_flow.h"
#include "linux/linux_install_system.h"
#include "qt/qt_install_ui.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kavrel::install::linux_system::CLinuxInstallSystem system(
        kavrel::install::linux_system::RunningProgramPath());
    kavrel::install::qt::CQtInstallUi ui;
    kavrel::install::RunInstall(system, ui);
    // Whatever happened has been told to the user already.
    return 0;
}
