// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lock_keys.h"

#include <QGuiApplication>

// Xlib's macros clash with Qt's names, so it stays in this file alone.
#ifdef KAVREL_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace kavrel {

namespace {

LockKeySource& TheSource() {
    static LockKeySource source = nullptr;
    return source;
}

bool PlatformLockKeyOn(LockKey key) {
#ifdef KAVREL_HAVE_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return false;
    // The keyboard's own names of its lock indicators.
    const char* names[] = {"Caps Lock", "Num Lock", "Scroll Lock"};
    const Atom name = XInternAtom(display, names[static_cast<int>(key)], True);
    if (name == None) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr)) return false;
    return on;
#else
    (void)key;
    return false;
#endif
}

} // namespace

bool LockKeyOn(LockKey key) {
    return TheSource() ? TheSource()(key) : PlatformLockKeyOn(key);
}

void SetLockKeySource(LockKeySource source) {
    TheSource() = source;
}

} // namespace kavrel
