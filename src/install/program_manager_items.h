#pragma once
// The program group and its items.

#include "install_session.h"

namespace kavrel::install {

// Adds the "Kavrel" group and its items. 1 when everything was added, 0 otherwise; each
// failure has already been reported.
int AddProgramManagerItems(InstallSession& session);

} // namespace kavrel::install
