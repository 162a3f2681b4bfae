#pragma once
// Shared by the form dialog tests: a Compound Interest form shown in the real dialog, and
// replacements for the beep, message boxes and help that record what the dialog asks for.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "calculators/compound/compound_dlg.h"
#include "entry/entry_checks.h"
#include "support/recording_host.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

namespace kavrel::test {

enum { PerYear = 10, Periods = 11, Rate = 12, Present = 13, Future = 14 };
enum { UnknownPeriods = 21, UnknownRate = 22, UnknownPresent = 23, UnknownFuture = 24 };

// What the dialog produced, in order: "beep <field text>" and "message <text> | <field text>",
// where the field text is that of `watched` at the moment.
struct Feedback {
    static inline std::vector<std::string> events;
    static inline QLineEdit* watched = nullptr;
    static inline int helpContext = 0;

    static std::string WatchedText() {
        return watched ? watched->text().toStdString() : std::string();
    }
    static void Install() {
        SetBeepSound([] { events.push_back("beep " + WatchedText()); });
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            events.push_back("message " + text.toStdString() + " | " + WatchedText());
            return MessageAnswer::Ok;
        });
        SetHelpOpener([](QWidget*, int context) {
            helpContext = context;
            return true;
        });
    }
    static void Reset() {
        events.clear();
        watched = nullptr;
        helpContext = 0;
        TheDecimalFieldMemory() = {};
    }
    static int Beeps() {
        int count = 0;
        for (const std::string& event : events)
            count += event.rfind("beep", 0) == 0;
        return count;
    }
    static std::vector<std::string> Messages() {
        std::vector<std::string> messages;
        for (const std::string& event : events)
            if (event.rfind("message ", 0) == 0)
                messages.push_back(event.substr(8, event.find(" | ") - 8));
        return messages;
    }
};

// The Compound Interest form in a shown dialog, with a document behind it.
struct CompoundForm {
    explicit CompoundForm(size_t documentLimit = 1048575)
        : document(documentLimit), dialog(model, &document, nullptr) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(dialog.Widget(id)); }
    // Replaces the field's text by typing, as a person does after selecting it all.
    void Type(int id, const QString& text) {
        QLineEdit* edit = Edit(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Click(int id) {
        QWidget* button = dialog.Widget(id);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    QString Text(int id) const { return Edit(id)->text(); }
    // The first example: 1000 at 8 % for 40 quarters.
    void TypeExample() {
        Type(Periods, "40");
        Type(Rate, "8");
        Type(Present, "1000");
    }

    CCompoundDlg model;
    BufferTarget document;
    CFormDialog dialog;
};

} // namespace kavrel::test
