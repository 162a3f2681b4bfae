// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own rules: its caption, when Clear All, Cut and Copy are on, the save
// prompt, Undo's steps, the folder the file dialogs start in, the form commands, and Exit.

#include "app/forms/form_dialog.h"
#include "app/help/help.h"
#include "app/help/help_window.h"
#include "app/main_frame.h"
#include "app/menu_table.h"
#include "catalog/form_catalog.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/modal_answerer.h"
#include "entry/form_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <type_traits>

using namespace kavrel;

namespace {

enum {
    Open = 57601,
    SaveAs = 57604,
    Exit = 57665,
    ClearAll = 57633,
    Copy = 57634,
    Cut = 57635,
    Paste = 57637,
    Undo = 57643,
    Redo = 57644,
    HelpTopics = 57667,
    CompoundInterest = 32779,
    LoanAmortization = 32791
};

// Works the dialog that the next command opens, once it shows, modal over the main window.
template <class Dialog = CFormDialog>
void OnNextDialog(std::type_identity_t<std::function<void(Dialog&)>> work) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, work] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->deleteLater();
        timer->stop();
        work(*dialog);
    });
    timer->start(10);
}

void Click(CFormDialog& form, int id) {
    qobject_cast<QAbstractButton*>(form.Widget(id))->click();
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // "*" marks unsaved changes; a file name is shown as it is, even one holding "[*]".
    void captionAndStatusFollowTheDocument() {
        CMainFrame frame;
        frame.show();
        const QWindow& window = *frame.windowHandle();
        QCOMPARE(window.title(), QStringLiteral("Untitled - Kavrel"));
        QTest::keyClicks(&frame.View(), "x");
        QCOMPARE(window.title(), QStringLiteral("Untitled* - Kavrel"));
        QTemporaryDir dir;
        QVERIFY(frame.Doc().SaveDocument(dir.filePath(QStringLiteral("loan[*].txt")), &frame));
        QCOMPARE(window.title(), QStringLiteral("loan[*].txt - Kavrel"));
        emit frame.Doc().StatusMessage(QStringLiteral("Saved as UTF-8"));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Saved as UTF-8"));
    }

    // Clear All is on while there is any text, even a lone line break; Cut and Copy while
    // text is selected. What Clear All leaves needs no saving.
    void editCommandsEnableRules() {
        CMainFrame frame;
        frame.show();
        const auto on = [&frame](int id) { return frame.Action(id)->isEnabled(); };
        QVERIFY(!on(ClearAll));
        QTest::keyClick(&frame.View(), Qt::Key_Return);
        QVERIFY(on(ClearAll));
        QTest::keyClick(&frame.View(), Qt::Key_Backspace);
        QVERIFY(!on(ClearAll));
        QTest::keyClicks(&frame.View(), "abc");
        QVERIFY(on(ClearAll) && !on(Cut) && !on(Copy));
        frame.View().selectAll();
        QVERIFY(on(Cut) && on(Copy));
        frame.Action(ClearAll)->trigger();
        QVERIFY(frame.View().Text().isEmpty() && !on(ClearAll) && !on(Cut) && !on(Copy));
        test::ModalAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(frame.close());
        QVERIFY(answerer.texts.isEmpty());
    }

    // Closing asks about unsaved changes only; Cancel keeps the window open.
    void closingAsksToSaveChanges_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::newRow("not modified") << false << int(QMessageBox::Cancel);
        QTest::newRow("No") << true << int(QMessageBox::No);
        QTest::newRow("Cancel") << true << int(QMessageBox::Cancel);
    }
    void closingAsksToSaveChanges() {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        CMainFrame frame;
        frame.show();
        if (modified) QTest::keyClicks(&frame.View(), "x");
        test::ModalAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer));
        QCOMPARE(frame.close(), !modified || answer != QMessageBox::Cancel);
        QCOMPARE(answerer.texts, modified ? QStringList{QStringLiteral("Save changes to Untitled?")}
                                          : QStringList{});
    }

    // Each action is one step of its own, even between typed letters; undoing back to the
    // saved text makes the document clean again. States: the text, "*" while modified.
    void undoAndRedo_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("undone"); // after each Undo
        QTest::newRow("typing") << "typing" << QStringList{"abc\n"};
        QTest::newRow("paste") << "paste" << QStringList{"abc\ntPQ*", "abc\nt*", "abc\n"};
        QTest::newRow("record") << "record" << QStringList{"abc\ntR\n*", "abc\nt*", "abc\n"};
        QTest::newRow("schedule") << "schedule" << QStringList{"S*", "abc\nt*", "abc\n"};
        // Clear All leaves the document clean: the text it took is unsaved once back.
        QTest::newRow("clear all") << "clear all" << QStringList{"", "abc\nt*", "abc\n*"};
    }
    void undoAndRedo() {
        QFETCH(QString, action);
        QFETCH(QStringList, undone);
        CMainFrame frame;
        frame.show();
        CKvView& view = frame.View();
        QAction& undo = *frame.Action(Undo);
        QAction& redo = *frame.Action(Redo);
        const auto state = [&] { return view.Text() + (frame.Doc().IsModified() ? "*" : ""); };
        view.LoadText(QStringLiteral("abc\n"));
        view.moveCursor(QTextCursor::End);
        QVERIFY(!undo.isEnabled() && !redo.isEnabled());
        QTest::keyClicks(&view, "t");
        if (action == u"typing") QTest::keyClicks(&view, "xy");
        QApplication::clipboard()->setText(QStringLiteral("PQ"));
        if (action == u"paste") frame.Action(Paste)->trigger();
        if (action == u"record") QVERIFY(view.InsertRecord("R\r\n"));
        if (action == u"schedule") view.ReplaceText("S");
        if (action == u"clear all") frame.Action(ClearAll)->trigger();
        QTest::keyClicks(&view, "u");
        const QString done = state();
        QStringList states;
        for (int n = 0; undo.isEnabled() && n < 5; ++n) {
            undo.trigger();
            states << state();
        }
        QCOMPARE(states, undone);
        while (redo.isEnabled() && states.size() < 10) {
            redo.trigger();
            states << state();
        }
        QCOMPARE(states.constLast(), done);
    }

    void fileDialogsStartInTheLastFolderUsed_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("Open") << int(Open);
        QTest::newRow("Save As") << int(SaveAs);
    }
    void fileDialogsStartInTheLastFolderUsed() {
        QFETCH(int, command);
        QTemporaryDir dir;
        {
            CMainFrame earlier;
            QVERIFY(earlier.Doc().SaveDocument(dir.filePath(QStringLiteral("used.txt")), &earlier));
        }
        CMainFrame frame;
        frame.show();
        QString folder;
        OnNextDialog<QFileDialog>([&folder](QFileDialog& dialog) {
            folder = dialog.directory().absolutePath();
            dialog.reject();
        });
        frame.OnCommand(command);
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    // A form opens modal; Record puts its block in at the insertion point. A form cancelled,
    // a schedule too, leaves the document as it was and reports nothing, whatever was
    // refused before.
    void formCommands_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("button");
        QTest::newRow("Compound Interest, Record") << int(CompoundInterest) << int(IDC_RECORD);
        QTest::newRow("Compound Interest, Cancel") << int(CompoundInterest) << int(IDCANCEL);
        QTest::newRow("Loan Amortization, Cancel") << int(LoanAmortization) << int(IDCANCEL);
    }
    void formCommands() {
        QFETCH(int, command);
        QFETCH(int, button);
        CMainFrame frame;
        frame.show();
        frame.View().LoadText(QStringLiteral("before\nafter"));
        frame.View().moveCursor(QTextCursor::Down);
        frame.View().SetOutOfSpaceCount(3);
        bool modal = false;
        OnNextDialog([&modal, button](CFormDialog& form) {
            modal = form.isModal();
            if (button == IDC_RECORD) {
                for (auto [id, text] : {std::pair{11, "40"}, {12, "8"}, {13, "1000"}})
                    QTest::keyClicks(form.Widget(id), text);
                Click(form, IDC_CALCULATE);
            }
            Click(form, button);
        });
        test::ModalAnswerer answerer;
        frame.OnCommand(command);
        QVERIFY(modal && answerer.texts.isEmpty());
        const QString text = frame.View().Text();
        QCOMPARE(frame.Doc().IsModified(), button == IDC_RECORD);
        QVERIFY2(button == IDC_RECORD
                     ? text.startsWith("before\n\n" + QString(16, u' ') + "COMPOUND INTEREST\n")
                     : text == u"before\nafter",
                 qPrintable(text));
        QVERIFY(text.endsWith(u"\nafter"));
    }

    // Every item of the form menus opens a form, and every form has its item.
    void formMenusMatchTheCatalog() {
        QList<int> items;
        const std::function<void(const std::vector<MenuItemSpec>&)> collect =
            [&](const auto& list) {
                for (const MenuItemSpec& item : list)
                    if (!item.items.empty())
                        collect(item.items);
                    else if (!item.label.empty())
                        items << item.id;
            };
        for (const MenuSpec& menu : MainMenus())
            if (menu.title == "&Calculations" || menu.title == "&Worksheets") collect(menu.items);
        QList<int> forms;
        for (const FormEntry& entry : FormCatalog())
            forms << entry.commandId;
        std::ranges::sort(items);
        std::ranges::sort(forms);
        QCOMPARE(items, forms);
    }

    void exitEndsTheProgramWithHelpOpen() {
        CMainFrame frame;
        frame.show();
        frame.OnCommand(HelpTopics);
        QVERIFY(help::HelpWindow::Instance() && help::HelpWindow::Instance()->isVisible());
        QTimer::singleShot(0, &frame, [&frame] { frame.OnCommand(Exit); });
        // A program that goes on running after Exit is stopped here instead.
        QTimer::singleShot(5000, &frame, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
    MainFrameTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_frame_test.moc"
