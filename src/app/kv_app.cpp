// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kv_app.h"

#include "app/main_frame.h"
#include "document/recovery.h"

namespace kavrel {

CKvApp::CKvApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The settings (the recent-file list) live under these names.
    setOrganizationName(QStringLiteral("Kavrel"));
    setApplicationName(QStringLiteral("Kavrel"));
    setApplicationVersion(QStringLiteral("4.0"));
    setDesktopFileName(QStringLiteral("org.kavrel.Kavrel"));
}

CKvApp::~CKvApp() = default;

bool CKvApp::InitInstance() {
    m_frame = std::make_unique<CMainFrame>();
    m_frame->show();
    m_recovery = std::make_unique<CRecovery>(m_frame->Doc(), CRecovery::DefaultFolder());
    m_recovery->OfferLeftCopies(m_frame.get());
    return true;
}

} // namespace kavrel
