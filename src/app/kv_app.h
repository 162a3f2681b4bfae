// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: its names for the settings, and the one main window.

#include <QApplication>

#include <memory>

namespace kavrel {

class CMainFrame;
class CRecovery;

class CKvApp : public QApplication {
    Q_OBJECT

public:
    CKvApp(int& argc, char** argv);
    ~CKvApp() override;

    // Creates the main window with an empty untitled document and shows it, then offers the
    // unsaved work of programs that ended without saving it. The command line is not examined.
    bool InitInstance();
    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    std::unique_ptr<CMainFrame> m_frame;
    // Goes before the frame: an orderly end removes the copy.
    std::unique_ptr<CRecovery> m_recovery;
};

} // namespace kavrel
