// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the keyboard's lock keys, where the platform tells it.

namespace kavrel {

enum class LockKey { Caps, Num, Scroll };

// False where the platform does not tell (Wayland, the offscreen platform).
bool LockKeyOn(LockKey key);

// Tests answer in the platform's place; nullptr gives the question back to the platform.
using LockKeySource = bool (*)(LockKey key);
void SetLockKeySource(LockKeySource source);

} // namespace kavrel
