// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheet steps as only a form shows them: sub-forms refused, reopened or cancelled, results
// cleared by redoing a step, and fields that update others when left.
#include "worksheets/income_from_savings/income_from_savings_dlg.h"
#include "worksheets/loan_data/loan_data_dlg.h"
#include "worksheets/loan_data/loan_fees_dlg.h"
#include "worksheets/prepay/prepay_dlg.h"
#include "worksheets/purchased_mortgage/purchased_mortgage_dlg.h"
#include "worksheets/refinance/refinance_dlg.h"

#include "entry/number_text.h"
#include "resources/strings.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

namespace kavrel {
namespace {

using namespace test;
using R = CRefinanceDlg;
enum { Count = 31, Rate = 32, Principal = 33, Balloon = 35, LoanOk = 1085 };

// The balance of a 7.5 % monthly mortgage of 100000 after `made` payments of 699.21.
double Owed(int made) {
    double balance = 100000;
    for (int t = 0; t < made; ++t)
        balance = balance * (1 + 0.075 / 12) - 699.21;
    return balance;
}
// Each sub-form a step opens is filled in by the next queued action, or cancelled when none is
// left; the texts it opened with are kept.
template <class Model> struct Worksheet : Form<Model> {
    Worksheet() {
        this->host.runSubForm = [this](CFormModel& sub) {
            RecordingHost subHost(sub);
            sub.Open();
            seen.emplace_back();
            for (const ControlInfo& info : sub.Controls())
                seen.back()[info.id] = sub.Text(info.id);
            if (actions.empty()) subHost.Click(IDCANCEL);
            while (!actions.empty() && subHost.result == FormResult::None) {
                actions.front()(subHost);
                actions.pop_front();
            }
            return subHost.result == FormResult::Ok ? FormResult::Ok : FormResult::Cancel;
        };
    }
    // Clicks a step's button with the loan data to enter (nullptr: as the sub-form opened).
    void Loan(int button, const char* count, const char* rate, const char* principal,
              const char* balloon = nullptr) {
        actions.push_back([=](RecordingHost& sub) {
            const std::pair<int, const char*> fields[] = {
                {Count, count}, {Rate, rate}, {Principal, principal}, {Balloon, balloon}};
            for (auto [id, text] : fields)
                if (text) sub.Enter(id, text);
            sub.Click(LoanOk);
        });
        this->host.Click(button);
    }
    std::deque<std::function<void(RecordingHost&)>> actions;
    std::vector<std::map<int, std::string>> seen;
};

// Without the payments made, or the future loan for the fees, a step's sub-form never opens.
TEST(Refinance, ALaterStepNeedsTheEarlierOnesBeforeItsSubFormOpens) {
    for (auto [paymentsMade, button] :
         {std::pair{"", R::IDC_DO_FUTURE_LOAN}, {"60", R::IDC_DO_FEES}}) {
        Worksheet<R> f;
        f.Loan(R::IDC_DO_CURRENT_LOAN, "360", "7.5", "100000");
        f.host.Enter(R::IDC_PAYMENTS_MADE, paymentsMade);
        f.host.Click(button);
        EXPECT_EQ(f.host.LastMessage(), "Missing data from previous steps...") << button;
        EXPECT_EQ(f.seen.size(), 1u);
    }
}

TEST(Refinance, TheFutureLoanOpensAsTheRestOfTheCurrentOneAndKeepsWhatWasEntered) {
    Worksheet<R> f;
    f.Loan(R::IDC_DO_CURRENT_LOAN, "360", "7.5", "100000");
    f.host.Enter(R::IDC_PAYMENTS_MADE, "60");
    f.Loan(R::IDC_DO_FUTURE_LOAN, nullptr, "6", nullptr, "1000");
    const std::string owed = FormatFixed(Owed(60), 2);
    const std::string payment = f.model.Text(R::IDC_FUTURE_PAYMENT);
    ASSERT_FALSE(payment.empty());
    f.Loan(R::IDC_DO_FUTURE_LOAN, nullptr, nullptr, nullptr); // reopened and confirmed
    EXPECT_EQ(f.seen[2].at(Rate), "6.000");
    EXPECT_EQ(f.seen[2].at(Balloon), "1000.00");
    EXPECT_EQ(f.model.Text(R::IDC_FUTURE_PAYMENT), payment);

    // Cancelled, it changes nothing of its own, but what is owed follows the payments made.
    f.host.Enter(R::IDC_PAYMENTS_MADE, "120");
    f.host.Click(R::IDC_DO_FUTURE_LOAN);
    EXPECT_EQ(f.model.Text(R::IDC_FUTURE_PAYMENT), payment);
    EXPECT_EQ(f.model.Text(R::IDC_WILL_OWE), owed);
    EXPECT_EQ(f.model.Text(R::IDC_NOW_OWE), FormatFixed(Owed(120), 2));
}

// A new loan may fall short of what is owed by less than a cent; below that the amount owed
// is put back, and the next OK takes it.
TEST(LoanData, AFutureLoanBelowTheAmountOwedIsPutBack) {
    for (auto [principal, shown] : {std::pair{"95000.45", "95000.45"}, {"95000.44", "95000.46"}}) {
        Form<CLoanDataDlg> f(IDS_FUTURE_LOAN_DATA);
        f.model.futureLoan = true;
        f.model.minimumPrincipal = 95000.4567;
        for (auto [id, text] : {std::pair{Count, "300"}, {Rate, "6"}, {Principal, principal}})
            f.host.Enter(id, text);
        f.host.Click(LoanOk);
        const bool kept = std::string_view(principal) == shown;
        EXPECT_EQ(f.model.Text(Principal), shown);
        EXPECT_EQ(f.host.messages.size(), kept ? 0u : 1u) << principal;
        if (!kept) f.host.Click(LoanOk);
        EXPECT_EQ(f.host.result, FormResult::Ok);
    }
}

TEST(LoanFees, CancelKeepsTheFees) {
    Form<CLoanFeesDlg> f;
    f.model.fees = {1, 2, 3};
    f.host.Enter(1063, "9");
    f.host.Click(IDCANCEL);
    EXPECT_EQ(f.host.result, FormResult::Cancel);
    EXPECT_EQ(f.model.fees.points, 2.0);
}

TEST(Prepay, RedoingStepOneClearsTheResultsButKeepsStepTwo) {
    using P = CPrepayDlg;
    Worksheet<P> f;
    f.Loan(P::IDC_DO_LOAN, "360", "7.5", "100000");
    f.Solve(0, {{P::IDC_PAYMENTS_MADE, "60"},
                {P::IDC_NEW_PAYMENT, "800"},
                {P::IDC_INVESTMENT_RATE, "5"},
                {P::IDC_TAX_BRACKET, "28"}});
    ASSERT_EQ(f.model.Text(P::IDC_PAYOFF), "216");
    f.host.Enter(P::IDC_NEW_PAYMENT, "900"); // typed, never read
    f.Loan(P::IDC_DO_LOAN, nullptr, nullptr, nullptr);
    for (int id : {P::IDC_NOW_OWE, P::IDC_PAYOFF, P::IDC_PREPAY_SAVINGS, P::IDC_INVEST_SAVINGS})
        EXPECT_EQ(f.model.Text(id), "") << id;
    EXPECT_EQ(f.model.Text(P::IDC_BENEFIT), "0.00");
    EXPECT_EQ(f.model.Text(P::IDC_NEW_PAYMENT), "800.00");
    EXPECT_EQ(f.model.Text(P::IDC_PAYMENTS_MADE), "60");
    EXPECT_EQ(f.model.Text(P::IDC_TAX_BRACKET), "28.000");
}

TEST(Worksheets, LeavingAFieldShowsWhatDependsOnIt) {
    using M = CPurchasedMortgageDlg;
    Worksheet<M> mortgage;
    mortgage.host.Enter(M::IDC_PAYMENTS_MADE, "240");
    mortgage.model.UserLeft(M::IDC_PAYMENTS_MADE);
    EXPECT_EQ(mortgage.model.Text(M::IDC_PRESENT_VALUE), "") << "no loan yet";
    mortgage.Loan(M::IDC_DO_LOAN, "360", "7.5", "100000");
    mortgage.model.UserLeft(M::IDC_PAYMENTS_MADE);
    EXPECT_EQ(mortgage.model.Text(M::IDC_PRESENT_VALUE), FormatFixed(Owed(240), 2));

    using I = CIncomeFromSavingsDlg;
    Form<I> income;
    for (auto [age, expectancy] : {std::pair{"70", "16.00"}, {"20", "16.00"}}) {
        income.host.Enter(I::IDC_AGE, age);
        income.model.UserLeft(I::IDC_AGE);
        EXPECT_EQ(income.model.Text(I::IDC_LIFE_EXPECTANCY), expectancy) << age;
    }
    EXPECT_TRUE(income.host.messages.empty());
}

} // namespace
} // namespace kavrel
