// Topics by context number, the help window, and the report of a help file that is missing.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "app/help/help.h"
#include "app/help/help_file.h"
#include "app/help/help_window.h"
#include "app/main_frame.h"
#include "calculators/compound/compound_dlg.h"
#include "catalog/form_catalog.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <memory>
#include <vector>

namespace kavrel::test {

namespace {

std::vector<QString> messages;

MessageAnswer RecordMessage(QWidget*, const QString& text, MessageIcon, MessageButtons) {
    messages.push_back(text);
    return MessageAnswer::Ok;
}

QString ShownPage() {
    help::HelpWindow* window = help::HelpWindow::Instance();
    return window ? window->Browser()->source().fileName() : QString();
}

// A label as the form shows it, on one line, without its mnemonic mark and closing colon.
QString ShownLabel(const std::string& text) {
    QString label = QString::fromStdString(text).remove(u'&').simplified();
    while (label.endsWith(u':'))
        label.chop(1);
    return label;
}

// The labels of a form's fields, an option group named by its frame, with those of the
// sub-forms that its buttons open.
QStringList FieldLabels(const CFormModel& form) {
    QStringList labels;
    for (const LayoutSection& section : form.Layout()) {
        for (const LayoutRow& row : section.rows) {
            const ControlInfo* control = form.InfoOf(row.control);
            if (!control) continue; // a banner or a hint
            const bool option =
                control->kind == ControlKind::Radio && control->group != UnknownGroup;
            if (const ControlInfo* label = form.InfoOf(option ? section.group : row.label))
                labels << ShownLabel(label->text);
        }
    }
    for (const ControlInfo& control : form.Controls())
        if (control.kind == ControlKind::Button)
            if (const std::unique_ptr<CFormModel> sub = form.SubFormFor(control.id))
                labels << FieldLabels(*sub);
    labels.removeAll(QString());
    labels.removeDuplicates();
    return labels;
}

// Every menu command and every form that the menus open, by their IDs.
const int CommandIds[] = {57601, 57603, 57604, 57607, 57609, 57606, 57665, 57633, 57635, 57634,
                          57637, 59392, 59393, 57667, 32801, 32797, 57668, 57664, 32792, 32777,
                          32778, 32779, 32781, 32783, 32784, 32782, 32798, 32786, 32787, 32788,
                          32790, 32791, 32793, 32794, 32795, 32796, 32800};
const int DialogIds[] = {115, 105, 104, 102, 106, 107, 133, 108,
                         110, 112, 113, 118, 123, 124, 126, 134};

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetMessagePresenter(RecordMessage);
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
    }
    void init() { messages.clear(); }

    void opensTopicsByContextNumber_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("words"); // words the page must hold
        QTest::newRow("examples") << 98333 << "examples.html"
                                  << "2208.04";
        QTest::newRow("overview") << 98337 << "overview.html"
                                  << "Unknown";
        QTest::newRow("Overview command") << 65536 + 32801 << "overview.html"
                                          << "Record";
        QTest::newRow("Compound Interest command") << 65536 + 32779 << "compound-interest.html"
                                                   << "Compounding Periods per Year";
        QTest::newRow("Compound Interest form") << 131072 + 102 << "compound-interest.html"
                                                << "Future Value";
        QTest::newRow("Clear All command") << 65536 + 57633 << "edit-clear-all.html"
                                           << "Clear";
        QTest::newRow("unknown number") << 12345 << "index.html"
                                        << "Contents";
    }
    void opensTopicsByContextNumber() {
        QFETCH(int, context);
        QFETCH(QString, page);
        QFETCH(QString, words);
        QVERIFY(help::ShowTopic(nullptr, context));
        QCOMPARE(ShownPage(), page);
        QVERIFY(help::HelpWindow::Instance()->Browser()->toPlainText().contains(words));
        QVERIFY(messages.empty());
    }

    void everyCommandAndFormHasItsOwnTopic() {
        const help::HelpIndex* index = help::LoadHelpFile(help::HelpFilePath());
        QVERIFY(index);
        for (int id : CommandIds)
            QVERIFY2(index->contexts.count(help::CommandContextBase + id),
                     qPrintable(QString::number(id)));
        for (int id : DialogIds)
            QVERIFY2(index->contexts.count(help::DialogContextBase + id),
                     qPrintable(QString::number(id)));
        for (const auto& [context, page] : index->contexts)
            QVERIFY2(!help::PageText(page).trimmed().isEmpty(), qPrintable(page));
    }

    void usingHelpAndContents() {
        QVERIFY(help::ShowUsingHelp(nullptr));
        QCOMPARE(ShownPage(), QString("using-help.html"));
        QVERIFY(help::ShowContents(nullptr));
        QCOMPARE(ShownPage(), QString("index.html"));
    }

    // Each form's page names every field of the form and of the sub-forms its steps open.
    void everyFormPageNamesItsFieldLabels() {
        const help::HelpIndex* index = help::LoadHelpFile(help::HelpFilePath());
        QVERIFY(index);
        QStringList missing;
        for (const FormEntry& entry : FormCatalog()) {
            const std::unique_ptr<CFormModel> form = entry.create();
            const QString page =
                help::PageForContext(*index, help::DialogContextBase + form->DialogId());
            const QString text = help::PageText(page).simplified();
            for (const QString& label : FieldLabels(*form))
                if (!text.contains(label)) missing << page + u' ' + label;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
    }

    void searchFindsTheWordsUsersType_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("page"); // empty: no page at all
        const struct {
            const char* query;
            const char* page;
        } rows[] = {
            {"balloon", "annuity-loan-lease.html"},
            {"points", "refinance-mortgage.html"},
            {"accrued", "bonds.html"},
            {"coupon", "bonds.html"},
            {"payback", "discounted-cash-flow.html"},
            {"IRR", "discounted-cash-flow.html"},
            {"call", "bonds.html"},
            {"maturity", "certificate-of-deposit.html"},
            {"life expectancy", "income-from-savings.html"},
            {"quarterly zzzunheardof", ""}, // every word must be on the page
        };
        for (const auto& row : rows)
            QTest::newRow(row.query) << QString(row.query) << QString(row.page);
    }
    void searchFindsTheWordsUsersType() {
        QFETCH(QString, query);
        QFETCH(QString, page);
        const help::HelpIndex* index = help::LoadHelpFile(help::HelpFilePath());
        QVERIFY(index);
        QStringList pages;
        for (const help::ContentsEntry& entry : help::SearchPages(*index, query))
            pages.push_back(entry.page);
        QVERIFY2(page.isEmpty() ? pages.isEmpty() : pages.contains(page),
                 qPrintable(pages.join(u' ')));
    }

    void aMissingOrBrokenFileFailsToLaunch_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a help file") << QByteArray("plain text, not a resource file");
    }
    void aMissingOrBrokenFileFailsToLaunch() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("kavrel.hlp");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        help::OverrideHelpFilePath(path);
        QVERIFY(!help::ShowTopic(nullptr, 98337));
        QVERIFY(!help::ShowContents(nullptr));
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
        QCOMPARE(messages,
                 (std::vector<QString>{"Failed to launch help.", "Failed to launch help."}));
    }

    // F1 in a modal form opens the form's topic in a window the form does not block, and the
    // window outlives the form.
    void f1InAModalFormShowsItsPage() {
        SetHelpOpener(nullptr);
        CCompoundDlg model;
        bool usable = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->Widget(10), Qt::Key_F1);
            help::HelpWindow* window = help::HelpWindow::Instance();
            usable = window && window->isVisible() && !BlockedByModal(window);
            QTest::keyClick(dialog->Widget(10), Qt::Key_Escape);
        });
        QCOMPARE(RunFormDialog(model, nullptr, nullptr), FormResult::Cancel);
        QVERIFY(usable);
        QCOMPARE(ShownPage(), QString("compound-interest.html"));
        QVERIFY(help::HelpWindow::Instance()->isVisible());
        QVERIFY(!help::HelpWindow::Instance()->parentWidget());
    }

    // Click-for-help from the toolbar, then a click on a menu command: its topic opens and the
    // command does not run.
    void aClickForHelpOpensTheClickedCommandsTopic() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(help::ShowTopic(nullptr, help::OverviewContext));
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QToolBar& bar = frame.ToolBar();
        QTest::mouseClick(bar.widgetForAction(frame.Action(57669)), Qt::LeftButton);
        QAction* toolbar = frame.Action(59392);
        QMenu* view = nullptr;
        for (QMenu* menu : frame.findChildren<QMenu*>())
            if (menu->actions().contains(toolbar)) view = menu;
        QVERIFY(view);
        QMenuBar* menuBar = frame.menuBar();
        QTest::mouseClick(menuBar, Qt::LeftButton, {},
                          menuBar->actionGeometry(view->menuAction()).center());
        QTRY_VERIFY(view->isVisible());
        QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(toolbar).center());
        QTRY_COMPARE(ShownPage(), QString("view-toolbar.html"));
        QVERIFY(!view->isVisible());
        QVERIFY(bar.isVisible());
    }

private:
    // Qt's rule: a modal window blocks every window that is not its own or a transient child.
    static bool BlockedByModal(QWidget* window) {
        QWidget* modal = QApplication::activeModalWidget();
        return modal && window->windowHandle() &&
               !modal->windowHandle()->isAncestorOf(window->windowHandle(),
                                                    QWindow::IncludeTransients);
    }
};

} // namespace kavrel::test

QTEST_MAIN(kavrel::test::HelpTest)
#include "help_test.moc"
