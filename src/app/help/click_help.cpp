// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help/click_help.h"

#include "app/help/help.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace kavrel::help {

namespace {

constexpr char ContextProperty[] = "kavrelHelpContext";
constexpr int MostNestedMenus = 8;

int ContextOf(const QObject* object) {
    return object ? object->property(ContextProperty).toInt() : 0;
}

// The topic of a widget, else of the nearest widget around it within its window.
int ContextAt(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (auto* button = qobject_cast<QToolButton*>(w))
            if (int context = ContextOf(button->defaultAction())) return context;
        if (int context = ContextOf(w)) return context;
    }
    return 0;
}

// Watches every event of the application while the mode lasts.
class ClickForHelp : public QObject {
public:
    static ClickForHelp& Instance() {
        static QPointer<ClickForHelp> mode;
        if (!mode) mode = new ClickForHelp(qApp);
        return *mode;
    }

    void Enter() {
        if (m_active) return;
        m_active = true;
        qApp->installEventFilter(this);
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_active || !widget) return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
                Leave(0, nullptr);
                return true;
            }
            // Menus open as usual; the item is taken when the button is released on it.
            if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget)) return false;
            Leave(ContextAt(widget), widget->window());
            return true;
        case QEvent::MouseButtonRelease:
            if (auto* menu = qobject_cast<QMenu*>(widget))
                return TakeMenuItem(
                    menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
            return false;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                Leave(0, nullptr);
                return true;
            }
            auto* menu = qobject_cast<QMenu*>(widget);
            if (menu && (key == Qt::Key_Return || key == Qt::Key_Enter))
                return TakeMenuItem(menu->activeAction());
            return false;
        }
        default:
            return false;
        }
    }

private:
    using QObject::QObject;

    // A command's item gives its topic; an item that opens a submenu opens it.
    bool TakeMenuItem(QAction* action) {
        if (!action || action->menu() || action->isSeparator()) return false;
        Leave(ContextOf(action), QApplication::activeWindow());
        return true;
    }

    void Leave(int context, QWidget* window) {
        m_active = false;
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
        for (int i = 0; i < MostNestedMenus && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        if (!context) return;
        // The topic opens once the click is over, outside the event it came with.
        QTimer::singleShot(
            0, qApp, [parent = QPointer<QWidget>(window), context] { ShowTopic(parent, context); });
    }

    bool m_active = false;
};

} // namespace

void SetClickHelpContext(QObject* object, int contextNumber) {
    object->setProperty(ContextProperty, contextNumber);
}

void EnterClickForHelp() {
    ClickForHelp::Instance().Enter();
}

} // namespace kavrel::help
