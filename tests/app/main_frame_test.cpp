// The main window: menus with their labels and prompts, toolbar, caption, Clear All and the
// form commands.

#include "app/forms/form_dialog.h"
#include "app/help/help.h"
#include "app/help/help_window.h"
#include "app/lock_keys.h"
#include "app/main_frame.h"
#include "app/menu_table.h"
#include "catalog/form_catalog.h"
#include "document/kv_doc.h"
#include "document/kv_view.h"
#include "document/modal_answerer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <type_traits>

using namespace kavrel;

namespace {

// A menu's entries as text: labels, "-" for a separator, "name>" for a submenu.
QStringList Entries(const QMenu& menu) {
    QStringList entries;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else if (action->menu())
            entries << action->text() + u'>';
        else
            entries << action->text();
    }
    return entries;
}

QMenu* FindMenu(const QWidget& parent, const QString& title) {
    for (QMenu* menu : parent.findChildren<QMenu*>())
        if (menu->title() == title) return menu;
    return nullptr;
}

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

void Type(CFormDialog& form, int id, const char* text) {
    QWidget* field = form.Widget(id);
    QVERIFY(field);
    QTest::keyClicks(field, text);
}

void Click(CFormDialog& form, int id) {
    auto* button = qobject_cast<QAbstractButton*>(form.Widget(id));
    QVERIFY(button);
    button->click();
}

// The lock keys that are on, by bit: 1 Caps, 2 Num, 4 Scroll.
int lockKeysOn = 0;

bool TestLockKeyOn(LockKey key) {
    return lockKeysOn & (1 << static_cast<int>(key));
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void menus_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("entries");
        QTest::newRow("File") << "&File"
                              << "&Open...\tCtrl+O|&Save\tCtrl+S|Save &As...|-|&Print...\tCtrl+P|"
                                 "Print Pre&view|P&rint Setup...|-|E&xit";
        QTest::newRow("Edit") << "&Edit"
                              << "&Undo\tCtrl+Z|&Redo\tCtrl+Y|-|Clear &All|Cu&t\tCtrl+X|"
                                 "&Copy\tCtrl+C|&Paste\tCtrl+V";
        QTest::newRow("View") << "&View"
                              << "&Toolbar|&Status Bar";
        QTest::newRow("Calculations")
            << "&Calculations"
            << "Da&te Arithmetic|&Simple Interest|Bank &Discount|Compound &Interest|&Annuities>|-|"
               "&Bond>|&Certificate of Deposit|Discounted Cash &Flow|&Loan Amortization";
        QTest::newRow("Annuities") << "&Annuities"
                                   << "&Loan|&Save|L&ease|S&inking Fund|&Unequal Payments";
        QTest::newRow("Bond") << "&Bond"
                              << "&Corporate|&Treasury";
        QTest::newRow("Worksheets") << "&Worksheets"
                                    << "&Refinance Mortgage|&Prepay Mortgage|Purchase &Mortgage|-|"
                                       "&Income from Savings|&Discounted Note";
        QTest::newRow("Help") << "&Help"
                              << "&Help Topics|&Overview|&Examples|&Using Help|-|&About Kavrel...";
    }

    void menus() {
        QFETCH(QString, title);
        QFETCH(QString, entries);
        CMainFrame frame;
        const QMenu* menu = FindMenu(frame, title);
        QVERIFY(menu);
        QCOMPARE(Entries(*menu), entries.split(u'|'));
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

    void menuBarOrder() {
        CMainFrame frame;
        QStringList titles;
        for (const QAction* action : frame.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles,
                 (QStringList{"&File", "&Edit", "&View", "&Calculations", "&Worksheets", "&Help"}));
    }

    void commandsAndPrompts_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("Date Arithmetic") << 32792 << "Do addition and subtraction using Dates";
        QTest::newRow("Simple Interest") << 32777 << "Solve Simple Interest problems";
        QTest::newRow("Bank Discount") << 32778 << "Solve Bank Discount Interest problems";
        QTest::newRow("Compound Interest") << 32779 << "Solve Compound Interest problems";
        QTest::newRow("Loan") << 32781 << "Calculate a Loan with Payments";
        QTest::newRow("Save") << 32783 << "Calculate Savings with Payments";
        QTest::newRow("Lease") << 32784 << "Calculate a Lease with Payments";
        QTest::newRow("Sinking Fund") << 32782 << "Calculate a Sinking Fund with Payments";
        QTest::newRow("Unequal") << 32798 << "Ordinary Annuity with Unequal Payments";
        QTest::newRow("Corporate") << 32786 << "Calculate Corporate Bond unknowns";
        QTest::newRow("Treasury") << 32787 << "Calculate Treasury Bond unknowns";
        QTest::newRow("CD") << 32788 << "Calculate Present or Future Value of a CD";
        QTest::newRow("DCF") << 32790 << "Solve Discounted Cash Flow problems";
        QTest::newRow("Amortization") << 32791 << "Make a Schedule of Payments due on a loan";
        QTest::newRow("Refinance") << 32793 << "Refinance an Existing Mortgage...";
        QTest::newRow("Prepay") << 32794 << "Payoff an Existing Mortgage Early";
        QTest::newRow("Purchase") << 32795 << "Calculate Yield for a Purchased Mortgage";
        QTest::newRow("Income") << 32796 << "Calculate Income from Savings, IRA, and 401K Plans";
        QTest::newRow("Discounted Note") << 32800 << "Calculate PV or Rate for a Discounted Note";
        QTest::newRow("Help Topics") << 57667 << "Review help topics";
        QTest::newRow("Using Help") << 57668 << "Display instructions about how to use help";
        QTest::newRow("Context help")
            << 57669 << "Display help for clicked on buttons, menus and windows";
        QTest::newRow("F1") << 57670 << "Display help for current task or command";
        QTest::newRow("Overview") << 32801 << "Kavrel Overview";
        QTest::newRow("Examples") << 32797 << "Select an Example to review";
        // The standard commands carry prompts too.
        for (int id : {57601, 57603, 57604, 57606, 57607, 57609, 57633, 57634, 57635, 57637, 57643,
                       57644, 57664, 57665, 59392, 59393})
            QTest::addRow("command %d", id) << id << QString();
    }

    void commandsAndPrompts() {
        QFETCH(int, id);
        QFETCH(QString, prompt);
        CMainFrame frame;
        const QAction* action = frame.Action(id);
        QVERIFY(action);
        QCOMPARE(action->data().toInt(), id);
        if (prompt.isEmpty())
            QVERIFY(!action->statusTip().isEmpty());
        else
            QCOMPARE(action->statusTip(), prompt);
    }

    void accelerators_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("keys");
        const std::pair<int, const char*> rows[] = {{57601, "Ctrl+O"},
                                                    {57603, "Ctrl+S"},
                                                    {57607, "Ctrl+P"},
                                                    {57634, "Ctrl+C; Ctrl+Ins"},
                                                    {57635, "Ctrl+X; Shift+Del"},
                                                    {57637, "Ctrl+V; Shift+Ins"},
                                                    {57643, "Ctrl+Z"},
                                                    {57644, "Ctrl+Y; Ctrl+Shift+Z"},
                                                    {57670, "F1"},
                                                    {57669, "Shift+F1"},
                                                    {57680, "F6"},
                                                    {57681, "Shift+F6"}};
        for (auto [id, keys] : rows)
            QTest::addRow("%s", keys) << id << QString(keys);
    }

    void accelerators() {
        QFETCH(int, id);
        QFETCH(QString, keys);
        CMainFrame frame;
        QCOMPARE(
            QKeySequence::listToString(frame.Action(id)->shortcuts(), QKeySequence::PortableText),
            keys);
    }

    void toolbarHasTenSlots() {
        CMainFrame frame;
        QList<int> toolbarSlots;
        for (const QAction* action : frame.ToolBar().actions()) {
            toolbarSlots << (action->isSeparator() ? 0 : action->data().toInt());
            if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(toolbarSlots,
                 (QList<int>{57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 57664, 57669}));
        QVERIFY(!frame.ToolBar().isMovable());
    }

    void viewTogglesTheBars() {
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.ToolBar().isVisible() && frame.statusBar()->isVisible());
        frame.Action(59392)->trigger();
        frame.Action(59393)->trigger();
        QVERIFY(!frame.ToolBar().isVisible() && !frame.statusBar()->isVisible());
        QVERIFY(!frame.Action(59392)->isChecked() && !frame.Action(59393)->isChecked());
        frame.Action(59392)->trigger();
        QVERIFY(frame.ToolBar().isVisible() && frame.Action(59392)->isChecked());
    }

    void lockPanesShowTheirKeys_data() {
        QTest::addColumn<int>("on");
        QTest::addColumn<QString>("panes");
        QTest::newRow("Caps and Scroll") << 5 << "CAP||SCRL";
        QTest::newRow("Num") << 2 << "|NUM|";
    }

    void lockPanesShowTheirKeys() {
        QFETCH(int, on);
        QFETCH(QString, panes);
        lockKeysOn = 0;
        SetLockKeySource(TestLockKeyOn);
        CMainFrame frame;
        frame.show();
        // A lock key's release is when the panes look again.
        lockKeysOn = on;
        QTest::keyRelease(frame.windowHandle(), Qt::Key_CapsLock);
        SetLockKeySource(nullptr);
        QStringList texts;
        for (const char* name : {"CAP", "NUM", "SCRL"}) {
            const auto* pane = frame.statusBar()->findChild<QLabel*>(name);
            QVERIFY(pane);
            texts << pane->text();
        }
        QCOMPARE(texts.join(u'|'), panes);
    }

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

    void clearAllEnableRule() {
        CMainFrame frame;
        frame.show();
        QAction* clearAll = frame.Action(57633);
        QVERIFY(!clearAll->isEnabled());
        QTest::keyClick(&frame.View(), Qt::Key_Return);
        QVERIFY(clearAll->isEnabled());
        QTest::keyClick(&frame.View(), Qt::Key_Backspace);
        QVERIFY(!clearAll->isEnabled());
        QTest::keyClicks(&frame.View(), "x");
        QVERIFY(clearAll->isEnabled());
        clearAll->trigger();
        QVERIFY(frame.View().Text().isEmpty());
        QVERIFY(!clearAll->isEnabled());
        // Nothing to save afterwards: closing asks nothing.
        test::ModalAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(frame.close());
        QVERIFY(answerer.texts.isEmpty());
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
        QAction& undo = *frame.Action(57643);
        QAction& redo = *frame.Action(57644);
        const auto state = [&] { return view.Text() + (frame.Doc().IsModified() ? "*" : ""); };
        view.LoadText(QStringLiteral("abc\n"));
        view.moveCursor(QTextCursor::End);
        QVERIFY(!undo.isEnabled() && !redo.isEnabled());

        QTest::keyClicks(&view, "t");
        if (action == u"typing") {
            QTest::keyClicks(&view, "xy");
        } else if (action == u"paste") {
            QApplication::clipboard()->setText(QStringLiteral("PQ"));
            frame.Action(57637)->trigger();
        } else if (action == u"record") {
            QVERIFY(view.InsertRecord("R\r\n"));
        } else if (action == u"schedule") {
            view.ReplaceText("S");
        } else {
            frame.Action(57633)->trigger();
        }
        QTest::keyClicks(&view, "u");
        const QString done = state();
        QStringList states;
        for (int n = 0; undo.isEnabled() && n < 5; ++n) {
            undo.trigger();
            states << state();
        }
        QCOMPARE(states, undone);
        QVERIFY(redo.isEnabled());
        while (redo.isEnabled() && states.size() < 10) {
            redo.trigger();
            states << state();
        }
        QCOMPARE(states.constLast(), done);
    }

    void closingAModifiedDocumentAsks() {
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.View().InsertRecord("\r\nx\r\n"));
        test::ModalAnswerer answerer(QMessageBox::Cancel);
        QVERIFY(!frame.close());
        QCOMPARE(answerer.texts, QStringList{"Save changes to Untitled?"});
    }

    void fileDialogsStartInTheLastFolderUsed_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("Open") << 57601;
        QTest::newRow("Save As") << 57604;
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

    void exitEndsTheProgramWithHelpOpen() {
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
        CMainFrame frame;
        frame.show();
        frame.OnCommand(57667);
        QVERIFY(help::HelpWindow::Instance() && help::HelpWindow::Instance()->isVisible());
        QTimer::singleShot(0, &frame, [&frame] { frame.OnCommand(57665); });
        // A program that goes on running after Exit is stopped here instead.
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stillRunning.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }

    void cutAndCopyNeedASelection() {
        CMainFrame frame;
        frame.show();
        QTest::keyClicks(&frame.View(), "abc");
        QVERIFY(!frame.Action(57635)->isEnabled() && !frame.Action(57634)->isEnabled());
        frame.View().selectAll();
        QVERIFY(frame.Action(57635)->isEnabled() && frame.Action(57634)->isEnabled());
        frame.Action(57635)->trigger();
        QVERIFY(frame.View().Text().isEmpty());
        QVERIFY(frame.Action(57637)->isEnabled());
        frame.Action(57637)->trigger();
        QCOMPARE(frame.View().Text(), QStringLiteral("abc"));
    }

    // Compound Interest from its menu command: 1000 at 8 % for 40 quarters grows to 2208.04;
    // the block goes in at the insertion point.
    void formCommandRecordsIntoTheDocument() {
        CMainFrame frame;
        frame.show();
        QTest::keyClicks(&frame.View(), "before");
        QTest::keyClick(&frame.View(), Qt::Key_Return);
        bool modal = false;
        OnNextDialog([&modal](CFormDialog& form) {
            modal = form.isModal();
            Type(form, 11, "40");
            Type(form, 12, "8");
            Type(form, 13, "1000");
            Click(form, 1001);
            Click(form, 1003);
        });
        frame.OnCommand(32779);
        QVERIFY(modal);
        const QStringList lines = frame.View().Text().split(u'\n');
        QCOMPARE(lines.value(0), QStringLiteral("before"));
        QCOMPARE(lines.value(1), QString());
        QCOMPARE(lines.value(2), QString(16, u' ') + QStringLiteral("COMPOUND INTEREST"));
        QCOMPARE(lines.value(3), QString());
        const auto future = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return line.startsWith(u"Future Value");
        });
        QVERIFY(future != lines.end());
        QCOMPARE(future->size(), 50);
        QVERIFY(future->endsWith(u" 2208.04"));
        QVERIFY(frame.Doc().IsModified());
    }

    void cancelledFormsLeaveTheDocument_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("Compound Interest") << 32779;
        QTest::newRow("Loan Amortization") << 32791;
    }

    void cancelledFormsLeaveTheDocument() {
        QFETCH(int, command);
        CMainFrame frame;
        frame.show();
        QVERIFY(frame.Action(command)->isEnabled());
        frame.View().LoadText(QStringLiteral("kept\n"));
        frame.View().SetOutOfSpaceCount(3);
        OnNextDialog([](CFormDialog& form) { Click(form, 2); });
        // A cancelled schedule reports nothing, whatever the count was.
        test::ModalAnswerer answerer;
        frame.OnCommand(command);
        QCOMPARE(frame.View().Text(), QStringLiteral("kept\n"));
        QVERIFY(!frame.Doc().IsModified());
        QVERIFY(answerer.texts.isEmpty());
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
