// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the installer's dialogs appear on the screen.

namespace kavrel::install {

struct DialogPosition {
    int x = 0;
    int y = 0;
};

// Centred across, and a third of the free height down: the dialog sits above the middle.
constexpr DialogPosition CenteredDialogPosition(int screenWidth, int screenHeight, int dialogWidth,
                                                int dialogHeight) {
    return {(screenWidth - dialogWidth) / 2, (screenHeight - dialogHeight) / 3};
}

} // namespace kavrel::install
