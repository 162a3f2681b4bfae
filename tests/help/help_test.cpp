// SPDX-License-Identifier: GPL-3.0-or-later
// Topics by context number, search, the help window, and a help file that is missing.

#include "app/forms/form_dialog.h"
#include "app/forms/form_feedback.h"
#include "app/help/help.h"
#include "app/help/help_file.h"
#include "app/help/help_window.h"
#include "app/main_frame.h"
#include "calculators/compound/compound_dlg.h"
#include "catalog/form_catalog.h"

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

namespace kavrel::test {

namespace {

QStringList messages;

QString ShownPage() {
    const auto* window = help::HelpWindow::Instance();
    return window ? window->Browser()->source().fileName() : QString();
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

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetMessagePresenter([](QWidget*, const QString& text, MessageIcon, MessageButtons) {
            messages << text;
            return MessageAnswer::Ok;
        });
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
    }

    // A number the file does not know opens the contents.
    void opensTopicsByContextNumber() {
        for (auto [context, page] : {std::pair{98333, "examples.html"}, {12345, "index.html"}}) {
            QVERIFY(help::ShowTopic(nullptr, context));
            QCOMPARE(ShownPage(), QString(page));
        }
    }

    // Every menu command and every form has a page of its own; a form's page names each field
    // of the form and of the sub-forms its steps open.
    void everyCommandAndFormHasItsPage() {
        const help::HelpIndex& index = *help::LoadHelpFile(help::HelpFilePath());
        for (int id : {57601, 57603, 57604, 57607, 57609, 57606, 57665, 57633, 57635, 57634, 57637,
                       59392, 59393, 57667, 32801, 32797, 57668, 57664})
            QVERIFY2(index.contexts.count(help::CommandContextBase + id),
                     qPrintable(QString::number(id)));
        QStringList missing;
        for (const FormEntry& entry : FormCatalog()) {
            const std::unique_ptr<CFormModel> form = entry.create();
            const int context = help::DialogContextBase + form->DialogId();
            QVERIFY2(index.contexts.count(context) &&
                         index.contexts.count(help::CommandContextBase + entry.commandId),
                     entry.slug.data());
            const QString text = help::PageText(help::PageForContext(index, context)).simplified();
            for (const QString& label : Labels(*form))
                if (!text.contains(QString(label).remove(u':'))) missing << label;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
    }

    // A page is found when it holds every word of the query, in any case.
    void search() {
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

    void aMissingOrBrokenFileFailsToLaunch() {
        QTemporaryDir dir;
        messages.clear();
        for (const QByteArray& content : {QByteArray(), QByteArray("plain text, not help")}) {
            QFile file(dir.filePath("kavrel.hlp"));
            QVERIFY(content.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(content)));
            file.close();
            help::OverrideHelpFilePath(file.fileName());
            QVERIFY(!help::ShowTopic(nullptr, help::OverviewContext));
        }
        help::OverrideHelpFilePath(QStringLiteral(KAVREL_TEST_HELP_FILE));
        QCOMPARE(messages, QStringList(2, QStringLiteral("Failed to launch help.")));
    }

    // F1 in a modal form opens its topic in a window that the form does not block (one of its
    // transient children) and that outlives the form.
    void f1InAModalFormShowsItsPage() {
        CCompoundDlg model;
        bool usable = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CFormDialog*>(QApplication::activeModalWidget());
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->Widget(10), Qt::Key_F1);
            QWindow* window = help::HelpWindow::Instance()->windowHandle();
            usable = window && window->isVisible() &&
                     dialog->windowHandle()->isAncestorOf(window, QWindow::IncludeTransients);
            QTest::keyClick(dialog->Widget(10), Qt::Key_Escape);
        });
        QCOMPARE(RunFormDialog(model, nullptr, nullptr), FormResult::Cancel);
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
        QTest::mouseClick(frame.ToolBar().widgetForAction(frame.Action(57669)), Qt::LeftButton);
        QAction* toolbar = frame.Action(59392);
        auto* view = qobject_cast<QMenu*>(toolbar->associatedObjects().value(0));
        QTest::mouseClick(frame.menuBar(), Qt::LeftButton, {},
                          frame.menuBar()->actionGeometry(view->menuAction()).center());
        QTRY_VERIFY(view->isVisible());
        QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(toolbar).center());
        QTRY_COMPARE(ShownPage(), QString("view-toolbar.html"));
        QVERIFY(!view->isVisible() && frame.ToolBar().isVisible());
    }
};

} // namespace kavrel::test

QTEST_MAIN(kavrel::test::HelpTest)
#include "help_test.moc"
