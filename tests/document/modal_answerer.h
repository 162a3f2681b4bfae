// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the modal message boxes a test provokes, while it lives: notes each one's text and
// presses a button.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace kavrel::test {

struct ModalAnswerer : QTimer {
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) {
        connect(this, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            texts << box->text();
            if (QAbstractButton* button = box->button(answer))
                button->click();
            else
                box->reject();
        });
        start(10);
    }
    QStringList texts;
};

} // namespace kavrel::test
