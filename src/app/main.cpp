// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/kv_app.h"

int main(int argc, char* argv[]) {
    kavrel::CKvApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.exec();
}
