#pragma once
// Files written whole or not at all.

#include <string>
#include <string_view>

namespace kavrel::install::linux_system {

// Both write a hidden temporary file beside `to` and rename it into place, so that a reader
// never sees half a file and a running program being replaced keeps its old image. On failure
// they return the errno value and leave `to` as it was; 0 on success.
int WriteFileAtomically(const std::string& to, std::string_view contents);
// The copy gets the permission bits of `from`.
int CopyFileAtomically(const std::string& from, const std::string& to);

} // namespace kavrel::install::linux_system
