// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program group and its items.

#include "install_session.h"

namespace kavrel::install {

// Adds the "Kavrel" group and its items. 1 when everything was added, 0 otherwise; each
// failure has already been reported.
int AddProgramManagerItems(InstallSession& session);
// Makes the help viewer that was copied open the program's help files. 1 when done, 0 when it
// failed, which has been reported.
int AssociateHelpFiles(InstallSession& session);

} // namespace kavrel::install
