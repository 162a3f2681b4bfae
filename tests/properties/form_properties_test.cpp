// SPDX-License-Identifier: GPL-3.0-or-later
// Every form of the catalog, driven with generated entries (values inside their classes, at
// their bounds, or garbage) typed a character at a time, with a random unknown, then Calculate
// and, where offered, Record. No text may show an infinite or undefined number, and a solved
// unknown lies inside its class.
#include "catalog/form_catalog.h"
#include "entry/field_info.h"
#include "entry/number_text.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>

using namespace kavrel;

namespace {

// "inf" or "nan" as a word, the way a non-finite number prints.
const std::regex NonFinite(R"((^|[^a-z])(inf|nan)($|[^a-z]))", std::regex::icase);

struct Entries {
    std::mt19937 random;
    int Below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
    // Mostly a value spread over the decades of the class, sometimes a bound, sometimes anything.
    std::string Amount(int limitClass) {
        const FieldLimits& limits = LimitsOf(limitClass);
        const double low = limits.minimum > 0 ? limits.minimum : 0.001;
        std::uniform_real_distribution<double> exponent(
            std::log10(low), std::log10(std::max(std::abs(limits.maximum), low * 10)));
        const double value =
            std::pow(10.0, exponent(random)) * (limits.minimum < 0 && Below(3) == 0 ? -1 : 1);
        const double bounded[] = {limits.minimum, limits.maximum,
                                  std::clamp(value, limits.minimum, limits.maximum)};
        const int pick = Below(8);
        return pick == 2 ? Garbage() : FormatFixed(bounded[std::min(pick, 2)], limits.digits);
    }
    std::string List(bool twoColumns) {
        std::string text;
        for (int line = Below(7); line > 0; --line)
            text += Amount(twoColumns ? 5 : 4) + (twoColumns ? " " + Amount(4) : "") + "\n";
        return text.empty() ? text : text.substr(0, text.size() - Below(2));
    }
    std::string Date() {
        return std::to_string(1 + Below(12)) + "/" + std::to_string(1 + Below(31)) + "/" +
               std::to_string(1900 + Below(200));
    }
    std::string Garbage() {
        std::string text;
        for (int i = Below(12); i > 0; --i)
            text += "0123456789.-+eE /x"[Below(18)];
        return text;
    }
};

int ClassOf(const CFormModel& form, int id) {
    const int row = FindField(form.Table(), id, ControlColumn);
    return row < 0 ? -1 : form.Table()[row].limitClass;
}

// Picks choices and an unknown, then fills the fields and opens the steps' sub-forms in order.
void Fill(CFormModel& form, test::RecordingHost& host, Entries& entries) {
    for (const ControlInfo& info : form.Controls()) {
        if (info.kind == ControlKind::Radio && info.group == UnknownGroup && entries.Below(3) &&
            form.IsEnabled(info.id))
            host.Click(info.id); // the last one clicked is the unknown
        else if (info.kind == ControlKind::Choice && !info.items.empty())
            form.UserSelected(info.id, entries.Below(static_cast<int>(info.items.size())));
    }
    for (const ControlInfo& info : form.Controls()) {
        if (form.SubFormFor(info.id))
            host.Click(info.id);
        else if (!form.IsEnabled(info.id) || entries.Below(12) == 0)
            continue;
        else if (info.rule == EditRule::Integer || info.rule == EditRule::Decimal)
            host.Enter(info.id, entries.Amount(std::max(ClassOf(form, info.id), 0)));
        else if (info.rule == EditRule::Date)
            host.Enter(info.id, entries.Date());
        else if (info.rule != EditRule::None)
            host.Enter(info.id, entries.List(info.rule == EditRule::CashFlowList));
    }
}

class FormProperties : public testing::TestWithParam<size_t> {};

TEST_P(FormProperties, CalculateShowsValuesInTheirClassesOrAMessage) {
    const FormEntry& entry = FormCatalog()[GetParam()];
    Entries entries{std::mt19937(static_cast<unsigned>(7919 * (GetParam() + 1)))};
    int solved = 0; // runs whose Calculate ended without a message
    for (int run = 0; run < 600 && !HasFailure(); ++run) {
        SCOPED_TRACE(std::string(entry.slug) + ", run " + std::to_string(run));
        test::FreshProcess fresh;
        auto form = entry.create();
        test::BufferTarget document;
        test::RecordingHost host(*form, &document);
        form->Open();
        // A worksheet's steps fill their sub-forms the same way and press OK.
        host.runSubForm = [&entries](CFormModel& sub) {
            test::RecordingHost subHost(sub);
            sub.Open();
            Fill(sub, subHost, entries);
            for (const ControlInfo& info : sub.Controls())
                if (info.kind == ControlKind::Button && info.text.find("OK") != std::string::npos)
                    subHost.Click(info.id);
            return subHost.result == FormResult::Ok ? FormResult::Ok : FormResult::Cancel;
        };
        Fill(*form, host, entries);
        const size_t before = host.messages.size();
        host.Click(form->InfoOf(IDC_CALCULATE)
                       ? IDC_CALCULATE
                       : (form->DefaultButton() ? form->DefaultButton() : IDOK));
        for (const ControlInfo& info : form->Controls())
            EXPECT_FALSE(std::regex_search(form->Text(info.id), NonFinite)) << form->Text(info.id);
        solved += host.messages.size() == before;
        const int unknown = form->CurrentUnknown();
        const int limitClass = unknown > 1 ? ClassOf(*form, unknown) : -1;
        const std::string shown = form->Text(unknown);
        if (host.messages.size() == before && limitClass >= 0 && !shown.empty() &&
            shown.find_first_not_of("0123456789.-") == std::string::npos) {
            const FieldLimits& limits = LimitsOf(limitClass);
            const double slack = 0.5 * std::pow(10.0, -limits.digits); // rounded to its digits
            EXPECT_GE(LeadingDouble(shown), limits.minimum - slack) << shown;
            EXPECT_LE(LeadingDouble(shown), limits.maximum + slack) << shown;
        }
        if (form->InfoOf(IDC_RECORD) && form->IsEnabled(IDC_RECORD)) {
            host.Click(IDC_RECORD);
            EXPECT_FALSE(std::regex_search(document.text, NonFinite)) << document.text;
        }
    }
    // Entries that never get past the checks would make every check above vacuous.
    EXPECT_GE(solved, 3) << entry.slug;
}

INSTANTIATE_TEST_SUITE_P(EveryForm, FormProperties,
                         testing::Range<size_t>(0, FormCatalog().size()));

} // namespace
