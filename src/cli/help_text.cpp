// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/help_text.h"

#include "catalog/form_catalog.h"
#include "cli/form_keys.h"

#include <ostream>

namespace kavrel::cli {

namespace {

constexpr const char* Usage =
    "Usage: kavrel-calc --list\n"
    "       kavrel-calc FORM --fields\n"
    "       kavrel-calc FORM [--today M/D/YYYY] [--solve KEY] [--json] [KEY=VALUE ...]\n"
    "       kavrel-calc --batch < PROBLEMS.jsonl\n"
    "       kavrel-calc [FORM] --help\n";

} // namespace

void PrintHelp(std::ostream& out) {
    out << Usage
        << "\n"
           "Runs one of Kavrel's calculator forms without a window, on the same form as the\n"
           "program's dialog. In this order:\n"
           "  1. The form opens with its defaults (today is --today or the clock's date);\n"
           "     --solve KEY presses the \"-->\" button of KEY's field: it becomes the unknown.\n"
           "  2. Each KEY=VALUE, in the order given, replaces the field's text by typing VALUE\n"
           "     character by character through the field's keystroke check, or selects the\n"
           "     item of a drop-down list or option group. The form reacts as it does to a\n"
           "     person, so the order of the pairs matters.\n"
           "  3. Worksheets: the pairs of the first step's sub-form (its \"Do...\" button,\n"
           "     typing, OK), the worksheet's own pairs, then each later step in order.\n"
           "  4. Calculate is pressed, then Record (Loan Amortization: Schedule, or Export...\n"
           "     with --csv).\n"
           "The text Record adds to the document (CR LF line ends) goes to standard output.\n"
           "Every message of the form goes to standard error, in order.\n"
           "\n"
           "Options (anywhere among the pairs; they take effect before any typing):\n"
           "  --list            one line per form: SLUG<TAB>CAPTION\n"
           "  --fields          one line per field: KEY<TAB>CONTROL-ID<TAB>LABEL<TAB>KIND,\n"
           "                    KIND being input (input,unknown: it can be solved), result,\n"
           "                    choice or list\n"
           "  --solve KEY       make KEY's field the unknown\n"
           "  --today M/D/YYYY  the date the form takes for today\n"
           "  --json            print {\"fields\": {KEY: text, ...}, \"record\": text or null,\n"
           "                    \"messages\": [...]} instead of the record; the messages are\n"
           "                    the lines the run writes to standard error\n"
           "  --batch           read problems from standard input, one JSON object a line:\n"
           "                      {\"form\": FORM, \"solve\": KEY, \"today\": \"M/D/YYYY\",\n"
           "                       \"fields\": {KEY: \"VALUE\", ...}}\n"
           "                    (only \"form\" is required; the fields are typed in the order\n"
           "                    written, as the pairs are). Each problem runs on a fresh form\n"
           "                    and writes one line to standard output, in input order: the\n"
           "                    object --json prints with \"line\": N (counted from 1; blank\n"
           "                    lines are skipped but counted) and \"exit\": its exit status\n"
           "                    put first. A line that is no such object, is longer than\n"
           "                    65536 bytes, or that the command line would refuse as a\n"
           "                    usage error gets {\"line\": N, \"exit\": 2, \"error\":\n"
           "                    \"kavrel-calc: ...\"}, and the batch goes on.\n"
           "                    Nothing goes to standard error. The exit status is 0 when\n"
           "                    every line was answered, 1 on a read or write error. One\n"
           "                    process works on one core: for more, split the input\n"
           "                    (split -n l/4) and run one process per part\n"
           "  --csv             loan-amortization: print every payment as CSV (Number, Due\n"
           "                    Date, Payment, Principal, Interest, Balance) in place of\n"
           "                    the schedule; not with --json\n"
           "  --help            this text; after FORM, the form's keys\n"
           "\n"
           "Keys: the field's label in lower case without its parenthesised parts, each run of\n"
           "other characters than letters and digits one '-' (\"Present Value ($):\" is\n"
           "present-value). A drop-down list or option group takes an item's text\n"
           "(compounding-period-is=Quarterly). A sub-form's fields are prefixed with its\n"
           "caption's key and a dot (current-loan-data.annual-rate=7.5). In a list, a line\n"
           "break or the two characters \\n end a line.\n"
           "\n"
           "Exit status: 0 done; 1 the work stopped (a character a field does not accept, a\n"
           "step that did not open its sub-form, or Calculate did not lead to a record) or\n"
           "standard output could not be written; 2 a usage error (unknown form or key,\n"
           "malformed pair, a field that can't be typed into, an item its list does not hold).\n"
           "\n"
           "Examples:\n"
           "  kavrel-calc compound-interest number-of-periods=40 annual-rate=8 "
           "present-value=1000\n"
           "    records a future value of 2208.04.\n"
           "  kavrel-calc compound-interest --solve number-of-periods --json present-value=1000 "
           "\\\n"
           "      future-value=2000 annual-rate=8\n"
           "    prints the fields as JSON; number-of-periods is 35.003.\n"
           "  echo '{\"form\": \"compound-interest\", \"fields\": {\"number-of-periods\": \"40\",' "
           "\\\n"
           "       '\"annual-rate\": \"8\", \"present-value\": \"1000\"}}' | kavrel-calc --batch\n"
           "    prints {\"line\":1,\"exit\":0,\"fields\":{...},...} on one line.\n";
}

void PrintFormHelp(std::ostream& out, const FormEntry& entry, const CFormModel& form) {
    out << entry.slug << ": " << entry.caption << "\n\n" << Usage << "\nKeys:\n";
    std::string example = "kavrel-calc " + std::string(entry.slug);
    std::string solvable;
    for (const FieldKey& field : FormKeys(form)) {
        out << "  " << field.key << "  (" << KindName(field) << ")";
        std::string text = FieldText(form, field);
        if (!text.empty()) out << "  default: " << OneLine(text);
        out << '\n';
        if (field.kind == KeyKind::Choice) {
            if (const ControlInfo* info = form.InfoOf(field.controlId))
                for (const std::string& item : info->items)
                    out << "      " << item << '\n';
        } else if (field.kind == KeyKind::RadioGroup) {
            for (int radio : field.radios)
                if (const ControlInfo* info = form.InfoOf(radio))
                    out << "      " << WithoutMnemonic(info->text) << '\n';
        }
        if (field.unknownButton && form.CurrentUnknown() == field.controlId)
            solvable = field.key;
        else if (field.kind == KeyKind::Input && form.IsEnabled(field.controlId))
            example += " " + field.key + "=" + (text.empty() ? "..." : OneLine(text));
    }
    if (!solvable.empty())
        out << "\nThe unknown is " << solvable << " unless --solve names another.\n";
    if (!StepButtons(form).empty())
        out << "Sub-form keys: kavrel-calc " << entry.slug << " --fields\n";
    out << "\nExample:\n  " << example << "\n\nkavrel-calc --help tells more.\n";
}

} // namespace kavrel::cli
