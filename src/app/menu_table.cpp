// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_table.h"

#include "app/command_ids.h"
#include "catalog/form_catalog.h"
#include "resources/strings.h"

#include <array>

namespace kavrel {

namespace {

struct Prompt {
    int id;
    const char* text;
};

// The standard commands' prompts come with the framework, not the program's string table.
constexpr Prompt FrameworkPrompts[] = {
    {IDS_IDLE_MESSAGE, "For Help, press F1"},
    {ID_FILE_OPEN, "Open an existing document"},
    {ID_FILE_SAVE, "Save the active document"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options"},
    {ID_FILE_PRINT, "Print the active document"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages"},
    {ID_EDIT_CLEAR_ALL, "Erase everything"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard"},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard"},
    {ID_EDIT_PASTE, "Insert Clipboard contents"},
    {ID_EDIT_UNDO, "Undo the last action"},
    {ID_EDIT_REDO, "Redo the previously undone action"},
    {ID_APP_ABOUT, "Display program information, version number and copyright"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents"},
    {ID_NEXT_PANE, "Switch to the next window pane"},
    {ID_PREV_PANE, "Switch back to the previous window pane"},
    {ID_VIEW_TOOLBAR, "Show or hide the toolbar"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},
};

constexpr std::array<int, 10> Toolbar = {
    ID_FILE_OPEN, ID_FILE_SAVE,    0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT,
    ID_APP_ABOUT, ID_CONTEXT_HELP,
};

} // namespace

const std::vector<MenuSpec>& MainMenus() {
    static const std::vector<MenuSpec> menus = {
        {"&File",
         {{ID_FILE_OPEN, "&Open...\tCtrl+O"},
          {ID_FILE_SAVE, "&Save\tCtrl+S"},
          {ID_FILE_SAVE_AS, "Save &As..."},
          {},
          {ID_FILE_PRINT, "&Print...\tCtrl+P"},
          {ID_FILE_PRINT_PREVIEW, "Print Pre&view"},
          {ID_FILE_PRINT_SETUP, "P&rint Setup..."},
          {},
          {ID_APP_EXIT, "E&xit"}}},
        {"&Edit",
         {{ID_EDIT_UNDO, "&Undo\tCtrl+Z"},
          {ID_EDIT_REDO, "&Redo\tCtrl+Y"},
          {},
          {ID_EDIT_CLEAR_ALL, "Clear &All"},
          {ID_EDIT_CUT, "Cu&t\tCtrl+X"},
          {ID_EDIT_COPY, "&Copy\tCtrl+C"},
          {ID_EDIT_PASTE, "&Paste\tCtrl+V"}}},
        {"&View", {{ID_VIEW_TOOLBAR, "&Toolbar"}, {ID_VIEW_STATUS_BAR, "&Status Bar"}}},
        // The forms' commands come from the catalog, by the forms' kavrel-calc names.
        {"&Calculations",
         {{FormCommand("date-arithmetic"), "Da&te Arithmetic"},
          {FormCommand("simple-interest"), "&Simple Interest"},
          {FormCommand("bank-discount"), "Bank &Discount"},
          {FormCommand("compound-interest"), "Compound &Interest"},
          {0,
           "&Annuities",
           {{FormCommand("loan"), "&Loan"},
            {FormCommand("save"), "&Save"},
            {FormCommand("lease"), "L&ease"},
            {FormCommand("sinking-fund"), "S&inking Fund"},
            {FormCommand("unequal-payments"), "&Unequal Payments"}}},
          {},
          {0,
           "&Bond",
           {{FormCommand("corporate-bond"), "&Corporate"},
            {FormCommand("treasury-bond"), "&Treasury"}}},
          {FormCommand("certificate-of-deposit"), "&Certificate of Deposit"},
          {FormCommand("discounted-cash-flow"), "Discounted Cash &Flow"},
          {FormCommand("loan-amortization"), "&Loan Amortization"}}},
        {"&Worksheets",
         {{FormCommand("refinance-mortgage"), "&Refinance Mortgage"},
          {FormCommand("prepay-mortgage"), "&Prepay Mortgage"},
          {FormCommand("purchased-mortgage"), "Purchase &Mortgage"},
          {},
          {FormCommand("income-from-savings"), "&Income from Savings"},
          {FormCommand("discounted-note"), "&Discounted Note"}}},
        {"&Help",
         {{ID_HELP_INDEX, "&Help Topics"},
          {ID_HELP_OVERVIEW, "&Overview"},
          {ID_HELP_EXAMPLES, "&Examples"},
          {ID_HELP_USING, "&Using Help"},
          {},
          {ID_APP_ABOUT, "&About Kavrel..."}}},
    };
    return menus;
}

QList<QKeySequence> CommandShortcuts(int id) {
    switch (id) {
    case ID_FILE_OPEN:
        return {QKeySequence(Qt::CTRL | Qt::Key_O)};
    case ID_FILE_SAVE:
        return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case ID_FILE_PRINT:
        return {QKeySequence(Qt::CTRL | Qt::Key_P)};
    case ID_EDIT_COPY:
        return {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    case ID_EDIT_CUT:
        return {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
    case ID_EDIT_PASTE:
        return {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
    case ID_EDIT_UNDO:
        return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
    case ID_EDIT_REDO:
        return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    case ID_HELP:
        return {QKeySequence(Qt::Key_F1)};
    case ID_CONTEXT_HELP:
        return {QKeySequence(Qt::SHIFT | Qt::Key_F1)};
    case ID_NEXT_PANE:
        return {QKeySequence(Qt::Key_F6)};
    case ID_PREV_PANE:
        return {QKeySequence(Qt::SHIFT | Qt::Key_F6)};
    default:
        return {};
    }
}

std::span<const int> ToolbarCommands() {
    return Toolbar;
}

QString ToolbarIcon(int id) {
    switch (id) {
    case ID_FILE_OPEN:
        return QStringLiteral(":/icons/open.svg");
    case ID_FILE_SAVE:
        return QStringLiteral(":/icons/save.svg");
    case ID_EDIT_CUT:
        return QStringLiteral(":/icons/cut.svg");
    case ID_EDIT_COPY:
        return QStringLiteral(":/icons/copy.svg");
    case ID_EDIT_PASTE:
        return QStringLiteral(":/icons/paste.svg");
    case ID_FILE_PRINT:
        return QStringLiteral(":/icons/print.svg");
    case ID_APP_ABOUT:
        return QStringLiteral(":/icons/about.svg");
    case ID_CONTEXT_HELP:
        return QStringLiteral(":/icons/context-help.svg");
    default:
        return {};
    }
}

QString CommandPrompt(int id) {
    const std::string_view text = LoadString(id);
    if (!text.empty()) {
        // A prompt may carry a tooltip after a line break; the status bar shows the prompt.
        const std::string_view prompt = text.substr(0, text.find('\n'));
        return QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size()));
    }
    for (const Prompt& p : FrameworkPrompts)
        if (p.id == id) return QString::fromLatin1(p.text);
    return {};
}

} // namespace kavrel
