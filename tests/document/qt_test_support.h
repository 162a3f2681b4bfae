// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Qt-side tests share: data-driven rows from a table of structs, and an answerer of
// message boxes.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kavrel::test {

// One row for each case of a table, fetched back by its index.
template <class Case, size_t N> void AddRows(const Case (&cases)[N]) {
    QTest::addColumn<size_t>("row");
    for (size_t row = 0; row < N; ++row)
        QTest::newRow(cases[row].name) << row;
}

// Answers the modal message boxes a test provokes, while it lives: notes each one's text and
// presses a button.
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
