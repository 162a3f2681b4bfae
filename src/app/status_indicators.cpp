// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_indicators.h"

#include "app/command_ids.h"
#include "app/lock_keys.h"
#include "resources/strings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

namespace kavrel {

namespace {

constexpr int IndicatorIds[] = {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

QString IndicatorText(int id) {
    const std::string_view text = LoadString(id);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr LockKey IndicatorKeys[] = {LockKey::Caps, LockKey::Num, LockKey::Scroll};

} // namespace

StatusIndicators::StatusIndicators(QStatusBar& bar) : QObject(&bar) {
    for (size_t i = 0; i < m_panes.size(); ++i) {
        auto* pane = new QLabel(&bar);
        const QString text = IndicatorText(IndicatorIds[i]);
        pane->setObjectName(text);
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
        pane->setAccessibleName(text);
        bar.addPermanentWidget(pane);
        m_panes[i] = pane;
    }
    if (qGuiApp) qGuiApp->installEventFilter(this);
    Refresh();
}

void StatusIndicators::Refresh() {
    for (size_t i = 0; i < m_panes.size(); ++i)
        m_panes[i]->setText(LockKeyOn(IndicatorKeys[i]) ? IndicatorText(IndicatorIds[i])
                                                        : QString());
}

bool StatusIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationStateChange:
        // Only the main window's own events, not each widget's copy of them.
        if (watched == qGuiApp || watched->isWindowType()) Refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kavrel
