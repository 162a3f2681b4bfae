// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own rules: its caption, when Clear All, Cut and Copy are on, the save
// prompt, Undo's steps, the folder the file dialogs start in, the form commands, help (topics,
// search, F1 in a form, click-for-help, kavrel-help's window) and Exit.

#include "app/forms/form_dialog.h"
#include "app/help/help.h"
#include "app/help/help_file.h"
#include "app/help/help_window.h"
#include "app/main_frame.h"
#include "app/menu_table.h"
#include "catalog/form_catalog.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/qt_test_support.h"
#include "entry/form_model.h"
#include "help_viewer/help_viewer.h"
#include "help_viewer/text_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <QTimer>
#include <QToolBar>
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
    ViewToolbar = 59392,
    ContextHelp = 57669,
    CompoundInterest = 32779
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

QString ShownPage() {
    const auto* window = help::HelpWindow::Instance();
    return window ? window->Browser()->source().fileName() : QString();
}

// "page:" and the help page shown, "text:" and the first line of the text shown, or "".
QString Shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        if (qobject_cast<help::HelpWindow*>(widget)) return "page:" + ShownPage();
        if (auto* text = qobject_cast<help::CTextWindow*>(widget))
            return "text:" + text->Text().section(u'\n', 0, 0);
    }
    return {};
}

// A form's field labels (an option group's is its frame's) and those of its sub-forms.
QStringList Labels(const CFormModel& form) {
    QStringList labels;
    for (const LayoutSection& section : form.Layout())
        for (const LayoutRow& row : section.rows)
            if (const ControlInfo* control = form.InfoOf(row.control)) {
                const bool option =
                    control->kind == ControlKind::Radio && control->group != UnknownGroup;
                if (const ControlInfo* label = form.InfoOf(option ? section.group : row.label))
                    labels << QString::fromStdString(label->text).remove(u'&').simplified();
            }
    for (const ControlInfo& control : form.Controls())
        if (const std::unique_ptr<CFormModel> sub = form.SubFormFor(control.id))
            labels << Labels(*sub);
    return labels;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            widget->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

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
        QCOMPARE(answerer.texts,
                 QStringList(modified, QStringLiteral("Save changes to Untitled?")));
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

    void fileDialogsStartInTheLastFolderUsed() {
        QTemporaryDir dir;
        {
            CMainFrame earlier;
            QVERIFY(earlier.Doc().SaveDocument(dir.filePath(QStringLiteral("used.txt")), &earlier));
        }
        CMainFrame frame;
        frame.show();
        for (int command : {Open, SaveAs}) {
            QString folder;
            OnNextDialog<QFileDialog>([&folder](QFileDialog& dialog) {
                folder = dialog.directory().absolutePath();
                dialog.reject();
            });
            frame.OnCommand(command);
            QCOMPARE(folder, QDir(dir.path()).absolutePath());
        }
    }

    // A form opens modal; Record puts its block in after the selection, which it cancels, not
    // replaces, and leaves the caret after the block. A form cancelled leaves the document as
    // it was and reports nothing, whatever was refused before.
    void formCommands_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Record") << int(IDC_RECORD);
        QTest::newRow("Cancel") << int(IDCANCEL);
    }
    void formCommands() {
        QFETCH(int, button);
        CMainFrame frame;
        frame.show();
        frame.View().LoadText(QStringLiteral("before\nafter"));
        QTextCursor cursor = frame.View().textCursor();
        cursor.setPosition(7); // "before\n" selected from its end
        cursor.setPosition(0, QTextCursor::KeepAnchor);
        frame.View().setTextCursor(cursor);
        frame.View().SetOutOfSpaceCount(3);
        bool modal = false;
        OnNextDialog([&modal, button](CFormDialog& form) {
            modal = form.isModal();
            const auto click = [&form](int id) {
                qobject_cast<QAbstractButton*>(form.Widget(id))->click();
            };
            if (button == IDC_RECORD) {
                for (auto [id, text] : {std::pair{11, "40"}, {12, "8"}, {13, "1000"}})
                    QTest::keyClicks(form.Widget(id), text);
                click(IDC_CALCULATE);
            }
            click(button);
        });
        test::ModalAnswerer answerer;
        frame.OnCommand(CompoundInterest);
        QVERIFY(modal && answerer.texts.isEmpty());
        const QString text = frame.View().Text();
        QCOMPARE(frame.Doc().IsModified(), button == IDC_RECORD);
        QVERIFY2(button == IDC_RECORD
                     ? text.startsWith("before\n\n" + QString(16, u' ') + "COMPOUND INTEREST\n")
                     : text == u"before\nafter",
                 qPrintable(text));
        QVERIFY(text.endsWith(u"\nafter"));
        if (button == IDC_RECORD) QCOMPARE(frame.View().textCursor().position(), text.size() - 5);
    }

    // Every menu command has its help topic; the form menus hold every form, each once; a
    // form's topic names each field of the form and of the sub-forms its steps open.
    void menusFormsAndTheirHelp() {
        const help::HelpIndex& index = *help::LoadHelpFile(help::HelpFilePath());
        QStringList missing;
        QList<int> formItems;
        const std::function<void(const std::vector<MenuItemSpec>&, bool)> collect =
            [&](const auto& list, bool forms) {
                for (const MenuItemSpec& item : list) {
                    if (!item.items.empty()) collect(item.items, forms);
                    if (!item.items.empty() || item.label.empty()) continue;
                    if (!index.contexts.count(help::CommandContextBase + item.id))
                        missing << QString::number(item.id);
                    if (forms) formItems << item.id;
                }
            };
        for (const MenuSpec& menu : MainMenus())
            collect(menu.items, menu.title == "&Calculations" || menu.title == "&Worksheets");
        QList<int> forms;
        for (const FormEntry& entry : FormCatalog()) {
            forms << entry.commandId;
            const std::unique_ptr<CFormModel> form = entry.create();
            const int context = help::DialogContextBase + form->DialogId();
            if (!index.contexts.count(context)) missing << entry.slug.data();
            const QString text = help::PageText(help::PageForContext(index, context)).simplified();
            for (const QString& label : Labels(*form))
                if (!text.contains(QString(label).remove(u':'))) missing << label;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
        std::ranges::sort(formItems);
        std::ranges::sort(forms);
        QCOMPARE(formItems, forms);
    }

    // A page is found when it holds every word of the query, in any case.
    void helpSearch() {
        const help::HelpIndex& index = *help::LoadHelpFile(help::HelpFilePath());
        for (auto [query, page] : {std::pair{"balloon", "annuity-loan-lease.html"},
                                   {"IRR", "discounted-cash-flow.html"},
                                   {"life expectancy", "income-from-savings.html"},
                                   {"quarterly zzzunheardof", ""}}) {
            QStringList pages;
            for (const help::ContentsEntry& entry : help::SearchPages(index, query))
                pages << entry.page;
            QVERIFY2(*page ? pages.contains(page) : pages.isEmpty(), query);
        }
    }

    // F1 in a modal form opens its topic in a window that the form does not block (one of its
    // transient children) and that outlives the form.
    void f1InAModalFormShowsItsTopic() {
        CMainFrame frame;
        frame.show();
        bool usable = false;
        OnNextDialog([&usable](CFormDialog& dialog) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(dialog.Widget(10), Qt::Key_F1);
            QWindow* window = help::HelpWindow::Instance()->windowHandle();
            usable = window && window->isVisible() &&
                     dialog.windowHandle()->isAncestorOf(window, QWindow::IncludeTransients);
            QTest::keyClick(dialog.Widget(10), Qt::Key_Escape);
        });
        frame.OnCommand(CompoundInterest);
        QCOMPARE(ShownPage(), QString("compound-interest.html"));
        QVERIFY(usable && help::HelpWindow::Instance()->isVisible() &&
                !help::HelpWindow::Instance()->parentWidget());
    }

    // Click-for-help from the toolbar, then a click on a menu command: its topic opens and the
    // command does not run.
    void aClickForHelpOpensTheClickedCommandsTopic() {
        CMainFrame frame;
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::mouseClick(frame.ToolBar().widgetForAction(frame.Action(ContextHelp)),
                          Qt::LeftButton);
        QAction* toolbar = frame.Action(ViewToolbar);
        auto* view = qobject_cast<QMenu*>(toolbar->associatedObjects().value(0));
        QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {},
                          frame.menuBar()->actionGeometry(view->menuAction()).center());
        QTRY_VERIFY(view->isVisible());
        QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(toolbar).center());
        QTRY_COMPARE(ShownPage(), QString("view-toolbar.html"));
        QVERIFY(!view->isVisible() && frame.ToolBar().isVisible());
    }

    // kavrel-help shows what its command line asks, or else the one message, which ends it with
    // status 1: a file it cannot show, or no help file beside it (one that is not help counts as
    // none). A topic number the file does not know opens the contents.
    void helpViewerOpensWhatTheCommandLineAsks_data() {
        const QString help = QStringLiteral(KAVREL_TEST_HELP_FILE);
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("shown");
        QTest::newRow("help file") << QStringList{help} << "page:index.html";
        QTest::newRow("topic") << QStringList{help, "--topic", "131174"}
                               << "page:compound-interest.html";
        QTest::newRow("topic=") << QStringList{"--topic=98337", help} << "page:overview.html";
        QTest::newRow("unknown topic")
            << QStringList{help, "--topic", "12345"} << "page:index.html";
        QTest::newRow("text file")
            << QStringList{KAVREL_TEST_TEXT_FILE} << "text:Kavrel 4.0 - Quick Start";
        QTest::newRow("no help file") << QStringList{} << "Failed to launch help.";
        QTest::newRow("missing file")
            << QStringList{"/nonexistent/readme.txt"} << "Failed to launch help.";
    }
    void helpViewerOpensWhatTheCommandLineAsks() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, shown);
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_TEXT_FILE));
        test::ModalAnswerer answerer;
        QString output;
        QTextStream stream(&output);
        const int status = help::OpenHelpViewer(arguments, stream, stream);
        stream.flush();
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
        QCOMPARE(status, shown.contains(u':') ? help::HelpViewerRunning : 1);
        QCOMPARE(Shown() + answerer.texts.join(u'|') + output, shown);
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
