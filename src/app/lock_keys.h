#pragma once
// The state of the keyboard's lock keys, where the platform tells it.

namespace kavrel {

enum class LockKey { Caps, Num, Scroll };

// False where the platform does not tell (Wayland, the offscreen platform).
bool LockKeyOn(LockKey key);

} // namespace kavrel
