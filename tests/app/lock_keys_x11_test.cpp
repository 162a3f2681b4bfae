// SPDX-License-Identifier: GPL-3.0-or-later
// The lock keys as a real X server tells them; run under xvfb-run.

#include "app/lock_keys.h"

#include <QGuiApplication>
#include <QTest>

#include <X11/XKBlib.h>

using namespace kavrel;

class LockKeysX11Test : public QObject {
    Q_OBJECT

private slots:
    void capsLockFollowsTheXKeyboard() {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY2(x11 && x11->display(), "needs an X server: run under xvfb-run");
        Display* display = x11->display();
        for (bool on : {true, false}) {
            XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
            XSync(display, False);
            QCOMPARE(LockKeyOn(LockKey::Caps), on);
            QVERIFY(!LockKeyOn(LockKey::Scroll));
        }
    }
};

QTEST_MAIN(LockKeysX11Test)
#include "lock_keys_x11_test.moc"
