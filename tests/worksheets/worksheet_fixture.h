#pragma once
// Drives a worksheet through RecordingHost: each sub-form its steps open is filled in by the
// next queued action, and what it showed on opening is kept. Also plain period-by-period loan
// arithmetic to check the worksheets' closed forms against, and the 63-column record layout.

#include "entry/entry_checks.h"
#include "entry/number_text.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kavrel::test {

using SubFormAction = std::function<void(CFormModel& sub, RecordingHost& host)>;

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
        for (const ControlInfo& info : sub.Controls())
            shown.texts[info.id] = sub.Text(info.id);
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
                              const char* balloon = nullptr) {
    return [=](CFormModel&, RecordingHost& host) {
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

inline void ExpectTexts(const CFormModel& form, std::initializer_list<int> ids, const char* text) {
    for (int id : ids)
        EXPECT_EQ(form.Text(id), text) << "control " << id;
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

// Record lines 63 columns wide: a label with its value flush right, or (value nullptr) a line
// of its own.
inline std::string Lines(std::initializer_list<std::pair<std::string, const char*>> rows) {
    std::string text;
    for (const auto& [label, value] : rows) {
        text += label;
        if (value) text += std::string(63 - label.size() - std::strlen(value), ' ') + value;
        text += "\r\n";
    }
    return text;
}

inline std::string Title(const std::string& title) {
    return "\r\n" + std::string((63 - title.size()) / 2, ' ') + title + "\r\n\r\n";
}

inline std::string LoanLines(const char* caption, const char* count, const char* rate,
                             const char* principal) {
    return Lines({{caption, nullptr},
                  {"   Payments are Made:", "Monthly"},
                  {"   Number of Payments:", count},
                  {"   Annual Rate (%):", rate},
                  {"   Loan Principal ($):", principal},
                  {"   Balloon Payment ($):", "0.00"},
                  {"", nullptr}});
}

inline const std::pair<std::string, const char*> kRule = {"", "----------"};

} // namespace kavrel::test
