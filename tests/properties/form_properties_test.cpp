// Every form of the catalog, driven with generated entries: values inside their classes, at
// their bounds, or plain garbage, typed a character at a time through the keystroke checks,
// with a random unknown, then Calculate and, where it is offered, Record. Whatever happens,
// each message must be one of the program's messages, no field and no record may show an
// infinite or undefined number, and a solved unknown lies inside its class.

#include "catalog/form_catalog.h"
#include "entry/date.h"
#include "entry/field_info.h"
#include "entry/number_text.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <random>
#include <set>

using namespace kavrel;
using test::BufferTarget;
using test::RecordingHost;

namespace {

constexpr int RunsPerForm = 60;

// The messages given as literals rather than by string ID.
const std::set<std::string, std::less<>> LiteralMessages = {
    "Only 28 days in February",
    "Date not complete!",
    "Payment missing...",
    "Cash flows not complete...",
    "No memory for cash flows...",
    "Memory not available from system...",
    "Please enter payments...",
    "Not enough cash flows...",
    "No Cash Flow's Out (investments)...",
    "Calculated date exceeds preset limits....",
    "Amortization Schedule is too large...",
    "Call date must not be after the maturity date...",
};

bool IsProgramMessage(std::string_view text) {
    if (LiteralMessages.count(text)) return true;
    // The schedule reports its length.
    if (text.starts_with("len=")) return true;
    for (const StringEntry& entry : StringTableEntries())
        if (entry.text == text) return true;
    return false;
}

// "inf" or "nan" as a word, the way a non-finite number prints.
bool ShowsNonFinite(std::string_view text) {
    std::string lower;
    for (char c : text)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (std::string_view word : {"inf", "nan"})
        for (size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            const size_t after = at + word.size();
            if ((at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]))) &&
                (after == lower.size() || !std::isalpha(static_cast<unsigned char>(lower[after]))))
                return true;
        }
    return false;
}

class EntryGenerator {
public:
    explicit EntryGenerator(unsigned seed) : m_random(seed) {}

    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    // Mostly a value inside the class, sometimes a bound, sometimes anything.
    std::string Amount(int limitClass) {
        const FieldLimits& limits = LimitsOf(limitClass);
        switch (Below(8)) {
        case 0:
            return FormatFixed(limits.minimum, limits.digits);
        case 1:
            return FormatFixed(limits.maximum, limits.digits);
        case 2:
            return Garbage();
        default: {
            // Spread over the decades between the bounds, either sign where the class allows.
            const double low = std::max(limits.minimum, 0.0) > 0 ? limits.minimum : 0.001;
            const double high = std::max(std::abs(limits.maximum), low * 10);
            std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
            double value = std::pow(10.0, exponent(m_random));
            if (limits.minimum < 0 && Below(3) == 0) value = -value;
            value = std::clamp(value, limits.minimum, limits.maximum);
            return FormatFixed(value, limits.digits);
        }
        }
    }

    std::string Date() {
        if (Below(6) == 0) return Garbage();
        CDate day;
        day.FromDayNumber(CDate(1, 1, 1900).DayNumber() + Below(200 * 365));
        return day.Format();
    }

    std::string List(bool twoColumns) {
        std::string text;
        const int lines = Below(7);
        for (int line = 0; line < lines; ++line) {
            if (line) text += '\n';
            text += Amount(twoColumns ? 5 : 4);
            if (twoColumns) text += ' ' + Amount(4);
        }
        return text;
    }

    std::string Garbage() {
        static constexpr std::string_view Alphabet = "0123456789.-+eE /x";
        std::string text;
        const int length = Below(12);
        for (int i = 0; i < length; ++i)
            text += Alphabet[Below(static_cast<int>(Alphabet.size()))];
        return text;
    }

private:
    std::mt19937 m_random;
};

// The limit class of a control that is a field of the form's table; -1 if it is none.
int ClassOf(const CFormModel& form, int id) {
    const FieldTable table = form.Table();
    const int row = FindField(table, id, ControlColumn);
    return row < 0 ? -1 : table[row].limitClass;
}

// A number shown in a field: the whole text reads as one.
bool IsPlainNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789.-") == std::string_view::npos;
}

void FillForm(CFormModel& form, RecordingHost& host, EntryGenerator& entries) {
    std::vector<int> unknownButtons;
    for (const ControlInfo& info : form.Controls()) {
        if (!form.IsEnabled(info.id)) continue;
        if (info.kind == ControlKind::Radio && info.group == UnknownGroup)
            unknownButtons.push_back(info.id);
        else if (info.kind == ControlKind::Choice && !info.items.empty())
            form.UserSelected(info.id, entries.Below(static_cast<int>(info.items.size())));
    }
    if (!unknownButtons.empty())
        host.Click(unknownButtons[entries.Below(static_cast<int>(unknownButtons.size()))]);
    for (const ControlInfo& info : form.Controls()) {
        if (!form.IsEnabled(info.id) || entries.Below(12) == 0) continue;
        switch (info.rule) {
        case EditRule::Integer:
        case EditRule::Decimal:
            host.Enter(info.id, entries.Amount(std::max(ClassOf(form, info.id), 0)));
            break;
        case EditRule::Date:
            host.Enter(info.id, entries.Date());
            break;
        case EditRule::PaymentList:
        case EditRule::CashFlowList:
            host.Enter(info.id, entries.List(info.rule == EditRule::CashFlowList));
            break;
        case EditRule::None:
            break;
        }
    }
}

void ExpectSoundForm(const CFormModel& form, const RecordingHost& host) {
    for (const std::string& message : host.messages)
        EXPECT_TRUE(IsProgramMessage(message)) << "unknown message \"" << message << "\"";
    for (const ControlInfo& info : form.Controls())
        EXPECT_FALSE(ShowsNonFinite(form.Text(info.id)))
            << "control " << info.id << " shows \"" << form.Text(info.id) << "\"";
}

} // namespace

class FormProperties : public ::testing::TestWithParam<size_t> {};

TEST_P(FormProperties, CalculateShowsValuesInTheirClassesOrAMessage) {
    const FormEntry& entry = FormCatalog()[GetParam()];
    EntryGenerator entries(static_cast<unsigned>(7919 * (GetParam() + 1)));
    int solved = 0;
    for (int run = 0; run < RunsPerForm; ++run) {
        SCOPED_TRACE(std::string(entry.slug) + ", run " + std::to_string(run));
        TheDecimalFieldMemory() = {};
        auto form = entry.create();
        BufferTarget document;
        RecordingHost host(*form, &document);
        form->Open();
        FillForm(*form, host, entries);
        const size_t before = host.messages.size();
        host.Click(form->InfoOf(IDC_CALCULATE)
                       ? IDC_CALCULATE
                       : (form->DefaultButton() ? form->DefaultButton() : IDOK));
        ExpectSoundForm(*form, host);
        const int unknown = form->CurrentUnknown();
        const int limitClass = unknown > 1 ? ClassOf(*form, unknown) : -1;
        if (host.messages.size() == before && limitClass >= 0 &&
            IsPlainNumber(form->Text(unknown))) {
            const FieldLimits& limits = LimitsOf(limitClass);
            // The shown text is rounded to the class's digits.
            const double slack = 0.5 * std::pow(10.0, -limits.digits);
            const double value = LeadingDouble(form->Text(unknown));
            EXPECT_GE(value, limits.minimum - slack) << form->Text(unknown);
            EXPECT_LE(value, limits.maximum + slack) << form->Text(unknown);
            ++solved;
        }
        if (form->InfoOf(IDC_RECORD) && form->IsEnabled(IDC_RECORD)) {
            host.Click(IDC_RECORD);
            EXPECT_FALSE(ShowsNonFinite(document.text)) << document.text;
        }
        if (::testing::Test::HasFailure()) break;
    }
    RecordProperty("solved", solved);
}

INSTANTIATE_TEST_SUITE_P(EveryForm, FormProperties,
                         ::testing::Range<size_t>(0, FormCatalog().size()),
                         [](const ::testing::TestParamInfo<size_t>& tested) {
                             std::string name;
                             for (char c : FormCatalog()[tested.param].slug)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });
