#pragma once
// Drives a worksheet through RecordingHost: each sub-form its steps open is filled in by the
// next queued action, and what it showed on opening is kept. Also plain period-by-period loan
// arithmetic, to check the worksheets' closed forms against.

#include "entry/entry_checks.h"
#include "entry/number_text.h"
#include "support/recording_host.h"

#include <cmath>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace kavrel::test {

using SubFormAction = std::function<void(CFormModel& sub, RecordingHost& host)>;

// What a sub-form showed when it opened, and the messages it gave.
struct SubFormSeen {
    std::string caption;
    std::map<int, std::string> texts;
    std::vector<std::string> messages;
};

struct WorksheetDriver {
    explicit WorksheetDriver(CFormModel& form) : host(form, &doc) {
        TheDecimalFieldMemory() = {};
        host.runSubForm = [this](CFormModel& sub) { return Run(sub); };
        form.Open();
    }

    FormResult Run(CFormModel& sub) {
        RecordingHost subHost(sub);
        sub.Open();
        SubFormSeen shown{sub.Caption(), {}, {}};
        for (const ControlSpec& spec : sub.Controls())
            shown.texts[spec.id] = sub.Text(spec.id);
        if (actions.empty()) {
            subHost.Click(IDCANCEL);
        } else {
            actions.front()(sub, subHost);
            actions.pop_front();
        }
        shown.messages = subHost.messages;
        seen.push_back(std::move(shown));
        return subHost.result == FormResult::Ok ? FormResult::Ok : FormResult::Cancel;
    }

    BufferTarget doc;
    RecordingHost host;
    std::deque<SubFormAction> actions;
    std::vector<SubFormSeen> seen;
};

// Fills in the loan-data form (nullptr leaves a field as it opened) and presses its OK.
inline SubFormAction LoanData(const char* count, const char* rate, const char* principal,
                              const char* balloon = nullptr, int frequency = -1) {
    return [=](CFormModel& sub, RecordingHost& host) {
        if (frequency >= 0) sub.UserSelected(30, frequency);
        const std::pair<int, const char*> fields[] = {
            {31, count}, {32, rate}, {33, principal}, {35, balloon}};
        for (auto [id, text] : fields)
            if (text) host.Enter(id, text);
        host.Click(1085);
    };
}

inline SubFormAction LoanFees(const char* penalty, const char* points, const char* other) {
    return [=](CFormModel&, RecordingHost& host) {
        host.Enter(1061, penalty);
        host.Enter(1063, points);
        host.Enter(1059, other);
        host.Click(1086);
    };
}

inline SubFormAction CancelSubForm() {
    return [](CFormModel&, RecordingHost& host) { host.Click(IDCANCEL); };
}

// The level payment that amortises principal less the discounted balloon, from the sum of
// the discount factors.
inline double LoopPayment(double principal, double ratePercent, int perYear, int count,
                          double balloon = 0.0) {
    const double i = ratePercent / perYear / 100.0;
    double factors = 0.0;
    for (int t = 1; t <= count; ++t)
        factors += std::pow(1.0 + i, -t);
    return (principal - balloon * std::pow(1.0 + i, -count)) / factors;
}

// The balance after paying `count` payments, one period at a time.
inline double LoopBalance(double principal, double ratePercent, int perYear, double payment,
                          int count) {
    const double i = ratePercent / perYear / 100.0;
    double balance = principal;
    for (int t = 0; t < count; ++t)
        balance = balance * (1.0 + i) - payment;
    return balance;
}

// The value now of `count` payments and a final amount paid with the last, term by term.
inline double LoopPresentValue(double payment, int count, double ratePercent, int perYear,
                               double final) {
    const double u = ratePercent / perYear / 100.0;
    double value = 0.0;
    for (int t = 1; t <= count; ++t)
        value += payment / std::pow(1.0 + u, t);
    return value + final / std::pow(1.0 + u, count);
}

inline double Cents(double value) {
    return std::round(value * 100.0) / 100.0;
}

} // namespace kavrel::test
