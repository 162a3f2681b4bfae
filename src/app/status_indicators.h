// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CAP, NUM and SCRL panes of the status bar, showing the lock keys' state.

#include <QObject>

#include <array>

class QLabel;
class QStatusBar;

namespace kavrel {

class StatusIndicators : public QObject {
    Q_OBJECT

public:
    explicit StatusIndicators(QStatusBar& bar);

    // Reads the lock keys again; each pane shows its name while its key is on.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 3> m_panes{};
};

} // namespace kavrel
