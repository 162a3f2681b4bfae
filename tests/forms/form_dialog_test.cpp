// The Compound Interest form driven through the real dialog: typing, clicking, recording.

#include "form_dialog_fixture.h"

#include "catalog/form_catalog.h"
#include "worksheets/loan_data/loan_terms.h"
#include "worksheets/refinance/refinance_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QTimer>

#include <clocale>
#include <memory>
#include <set>

namespace kavrel::test {

int RunKeyboardTests(int argc, char** argv);

namespace {

std::string Line(const std::string& label, const std::string& value) {
    return label + std::string(50 - label.size() - value.size(), ' ') + value + "\r\n";
}

// The record of the first example, as the program writes it into the document.
std::string ExpectedFirstRecord() {
    return "\r\n" + std::string(16, ' ') + "COMPOUND INTEREST\r\n\r\n" +
           Line("Compounding Periods per Year:", "4") + Line("Number of Periods:", "40.000") +
           Line("Annual Rate (%):", "8.000") + Line("Present Value ($):", "1000.00") +
           Line("Future Value ($):", "2208.04");
}

} // namespace

class FormDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Feedback::Reset(); }

    void opensWithItsDefaults() {
        CompoundForm form;
        QCOMPARE(form.dialog.windowTitle(), QString("Compound Interest"));
        QCOMPARE(form.Text(PerYear), QString("4"));
        QVERIFY(qobject_cast<QRadioButton*>(form.dialog.Widget(UnknownFuture))->isChecked());
        QVERIFY(!form.dialog.Widget(1003)->isEnabled());
    }

    void solvesTheExamples_data() {
        QTest::addColumn<int>("unknownButton");
        QTest::addColumn<int>("unknownField");
        QTest::addColumn<QStringList>("inputs"); // periods, rate, present, future
        QTest::addColumn<QString>("expected");
        // 1000 * 1.02^40 = 2208.0397; ln 2 / ln 1.02 = 35.0028; 2000 / 1.02^40 = 905.78.
        QTest::newRow("future value")
            << int(UnknownFuture) << int(Future) << QStringList{"40", "8", "1000", ""} << "2208.04";
        QTest::newRow("periods") << int(UnknownPeriods) << int(Periods)
                                 << QStringList{"", "8", "1000", "2000"} << "35.003";
        QTest::newRow("rate") << int(UnknownRate) << int(Rate)
                              << QStringList{"40", "", "1000", "2208.04"} << "8.000";
        QTest::newRow("present value") << int(UnknownPresent) << int(Present)
                                       << QStringList{"40", "8", "", "2000"} << "905.78";
    }
    void solvesTheExamples() {
        QFETCH(int, unknownButton);
        QFETCH(int, unknownField);
        QFETCH(QStringList, inputs);
        QFETCH(QString, expected);
        CompoundForm form;
        form.Click(unknownButton);
        const int fields[] = {Periods, Rate, Present, Future};
        for (int i = 0; i < 4; ++i)
            if (!inputs[i].isEmpty()) form.Type(fields[i], inputs[i]);
        form.Click(1001);
        QCOMPARE(form.Text(unknownField), expected);
        QVERIFY(form.Edit(unknownField)->isReadOnly());
        QVERIFY(form.dialog.Widget(1003)->isEnabled());
        QVERIFY(Feedback::events.empty());
    }

    void calculateReportsAMissingField() {
        CompoundForm form;
        form.Type(Periods, "40");
        form.Type(Rate, "8");
        form.Click(1001);
        QCOMPARE(Feedback::Messages(), std::vector<std::string>{"Please enter data..."});
        QCOMPARE(QApplication::focusWidget(), form.Edit(Present));
    }

    void switchingTheUnknownRestoresTheSavedText() {
        CompoundForm form;
        form.TypeExample();
        form.Click(1001);
        QCOMPARE(form.Text(Periods), QString("40.000")); // inputs rewritten in their formats
        QCOMPARE(form.Text(Rate), QString("8.000"));
        form.Click(UnknownPresent);
        QCOMPARE(form.Text(Future), QString("2208.04"));
        QVERIFY(!form.Edit(Future)->isReadOnly());
        QCOMPARE(form.Text(Present), QString());
        QVERIFY(form.Edit(Present)->isReadOnly());
        QVERIFY(!qobject_cast<QRadioButton*>(form.dialog.Widget(UnknownFuture))->isChecked());
        form.Click(UnknownFuture);
        QCOMPARE(form.Text(Present), QString("1000.00"));
        QCOMPARE(form.Text(Future), QString());
    }

    // Every form, and the sub-forms of the worksheets' steps.
    void everyFormReadsWell_data() {
        QTest::addColumn<QString>("slug");
        QTest::addColumn<int>("subFormButton");
        for (const FormEntry& entry : FormCatalog())
            QTest::newRow(entry.slug.data()) << QString::fromUtf8(entry.slug.data()) << 0;
        using R = CRefinanceDlg;
        for (int button : {R::IDC_DO_CURRENT_LOAN, R::IDC_DO_FUTURE_LOAN, R::IDC_DO_FEES})
            QTest::addRow("refinance-mortgage %d", button) << "refinance-mortgage" << button;
    }
    void everyFormReadsWell() {
        QFETCH(QString, slug);
        QFETCH(int, subFormButton);
        std::unique_ptr<CFormModel> model = FindFormBySlug(slug.toStdString())->create();
        if (subFormButton) model = model->SubFormFor(subFormButton);
        CFormDialog dialog(*model, nullptr, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        // The first field that takes the focus has it, drawn as after a Tab.
        QWidget* first = nullptr;
        std::set<int> fieldLefts;
        for (const LayoutSection& section : model->Layout())
            for (const LayoutRow& row : section.rows)
                if (QWidget* control = dialog.Widget(row.control)) {
                    fieldLefts.insert(control->mapTo(&dialog, QPoint()).x());
                    if (!first && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus))
                        first = control;
                }
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(dialog.testAttribute(Qt::WA_KeyboardFocusChange));
        QCOMPARE(fieldLefts.size(), size_t(1));

        std::set<QWidget*> tabbedTo;
        for (size_t i = 0; i < 2 * model->Controls().size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbedTo.insert(QApplication::focusWidget());
        }
        const QColor window = dialog.palette().color(QPalette::Window);
        for (const ControlInfo& info : model->Controls()) {
            auto* edit = qobject_cast<QLineEdit*>(dialog.Widget(info.id));
            if (!edit) continue;
            const bool result = info.kind == ControlKind::Display || !model->IsEnabled(info.id) ||
                                info.id == model->CurrentUnknown();
            // A result is not greyed out as a broken input would be.
            QVERIFY2(edit->isEnabled() && edit->isReadOnly() == result,
                     qPrintable(edit->accessibleName()));
            QVERIFY2(tabbedTo.count(edit) != result, qPrintable(edit->accessibleName()));
            QCOMPARE(edit->palette().color(QPalette::Base) == window, result);
            QCOMPARE(edit->placeholderText(),
                     info.rule == EditRule::Date ? QString("m/d/yyyy") : QString());
        }

        // Calculate may rewrite a note beside a field ("periods (Monthly)"); the dialog keeps
        // its size.
        std::string longestNote;
        for (int frequency = 0; frequency < PaymentFrequencyCount; ++frequency)
            longestNote =
                std::max(longestNote, PeriodsText(frequency),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
        const QSize size = dialog.size();
        for (const LayoutSection& section : model->Layout())
            for (const LayoutRow& row : section.rows)
                for (int id : {row.control, row.extra})
                    if (qobject_cast<QLabel*>(dialog.Widget(id))) model->SetText(id, longestNote);
        dialog.layout()->activate();
        QCOMPARE(dialog.size(), size);
    }

    void recordWritesTheBlockAndCloses() {
        CCompoundDlg model;
        BufferTarget document;
        // The dialog runs modally; the typing happens inside its event loop.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto type = [&](int id, const char* text) {
                QTest::keyClicks(dialog->Widget(id), QString::fromLatin1(text));
            };
            type(Periods, "40");
            type(Rate, "8");
            type(Present, "1000");
            QTest::mouseClick(dialog->Widget(1001), Qt::LeftButton);
            QTest::mouseClick(dialog->Widget(1003), Qt::LeftButton);
        });
        QCOMPARE(RunFormDialog(model, &document, nullptr), FormResult::Ok);
        QCOMPARE(document.text, ExpectedFirstRecord());
    }

    void recordTakesAnEditMadeAfterCalculate() {
        CompoundForm form;
        form.TypeExample();
        form.Click(1001);
        form.Type(Present, "1200");
        form.Click(1003);
        QVERIFY(form.document.text.find(Line("Present Value ($):", "1200")) != std::string::npos);
        QCOMPARE(form.dialog.result(), int(QDialog::Accepted));
    }

    void cancelLeavesTheDocumentAlone_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape key") << true;
    }
    void cancelLeavesTheDocumentAlone() {
        QFETCH(bool, byEscape);
        CompoundForm form;
        form.document.text = "kept";
        form.TypeExample();
        form.Click(1001);
        if (byEscape)
            QTest::keyClick(form.Edit(Present), Qt::Key_Escape);
        else
            form.Click(2);
        QCOMPARE(form.document.text, std::string("kept"));
        QCOMPARE(form.dialog.Result(), FormResult::Cancel);
        QCOMPARE(form.dialog.result(), int(QDialog::Rejected));
        QVERIFY(!form.dialog.isVisible());
    }

    void aFullDocumentKeepsTheFormOpen() {
        CompoundForm form(100);
        form.TypeExample();
        form.Click(1001);
        form.Click(1003);
        QCOMPARE(form.document.text, std::string());
        QCOMPARE(Feedback::Messages(), std::vector<std::string>{"The Document Window is full..."});
        QVERIFY(form.dialog.isVisible());
        QCOMPARE(form.dialog.Result(), FormResult::None);
    }

    // Numbers are written with a point whatever the desktop's locale says.
    void solvesUnderACommaLocale() {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("the de_DE.UTF-8 locale is not installed");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            CompoundForm form;
            form.TypeExample();
            form.Click(1001);
            QCOMPARE(form.Text(Future), QString("2208.04"));
            QCOMPARE(form.Text(Rate), QString("8.000"));
            form.Type(Rate, "8,5"); // a comma is no decimal point here
            QCOMPARE(form.Text(Rate), QString("85"));
            form.Click(1003);
            QCOMPARE(form.document.text.substr(0, 200).find(','), std::string::npos);
        }
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

} // namespace kavrel::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kavrel::test::Feedback::Install();
    int status = 0;
    {
        kavrel::test::FormDialogTest test;
        status |= QTest::qExec(&test, argc, argv);
    }
    status |= kavrel::test::RunKeyboardTests(argc, argv);
    return status;
}

#include "form_dialog_test.moc"
