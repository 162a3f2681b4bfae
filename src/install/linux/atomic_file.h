// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files written whole or not at all, and the directories they go into.

#include <functional>
#include <string>
#include <string_view>

namespace kavrel::install::linux_system {

// Runs `fill` on a hidden temporary file beside `to` and renames it to `to`, so that a reader
// never sees half a file and a running program being replaced keeps its old image. `fill`
// returns 0 or an errno value. Until the rename, SIGINT, SIGTERM and SIGHUP remove the
// temporary file before they end the program. On failure returns the errno value and leaves
// `to` as it was; 0 on success.
int ReplaceFileAtomically(const std::string& to, unsigned mode,
                          const std::function<int(int fd)>& fill);
int WriteFileAtomically(const std::string& to, std::string_view contents);
// The copy gets the permission bits of `from`.
int CopyFileAtomically(const std::string& from, const std::string& to);

// Creates the directory and its parents as needed; 0 when it exists and takes files, else the
// errno value.
int MakeWritableDirectory(const std::string& path);

} // namespace kavrel::install::linux_system
