// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Compound Interest form shown in the real dialog with a text window behind it, and a beep
// and message boxes that note what the dialog asks for.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "calculators/compound/compound_dlg.h"
#include "document/kv_view.h"
#include "entry/entry_checks.h"

#include <QLineEdit>
#include <QTest>

namespace kavrel::test {

enum { PerYear = 10, Periods = 11, Rate = 12, Present = 13, UnknownPresent = 23 };

// What the dialog did, in order: "beep <text>" and "message <message> | <text>", where the
// text is that of the watched field at the moment.
struct Feedback {
    static inline QStringList events;
    static inline QLineEdit* watched = nullptr;

    static QString Watched() { return watched ? watched->text() : QString(); }
    static void Install() {
        SetBeepSound([] { events << "beep " + Watched(); });
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            events << "message " + text + " | " + Watched();
            return MessageAnswer::Ok;
        });
    }
    static void Reset() {
        events.clear();
        watched = nullptr;
        TheDecimalFieldMemory() = {};
    }
};

// One row for each case of a table, fetched back by its index.
template <class Case, size_t N> void AddRows(const Case (&cases)[N]) {
    QTest::addColumn<size_t>("row");
    for (size_t row = 0; row < N; ++row)
        QTest::newRow(cases[row].name) << row;
}

struct CompoundForm {
    CompoundForm() : dialog(model, &document, nullptr) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(dialog.Widget(id)); }
    // Replaces the field's text by typing, as a person does after selecting it all.
    void Type(int id, const QString& text) {
        Edit(id)->setFocus();
        Edit(id)->selectAll();
        QTest::keyClicks(Edit(id), text);
    }
    void Click(int id) { QTest::mouseClick(dialog.Widget(id), Qt::LeftButton); }

    CCompoundDlg model;
    CKvView document;
    CFormDialog dialog;
};

} // namespace kavrel::test
